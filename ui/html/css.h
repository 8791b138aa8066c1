// Style sheets: the <style> element's rules and inline style attributes.
// Selectors are element, class and id selectors, combined (p.note, #menu),
// grouped with commas and chained as descendants (div.menu a). Rules with
// other selectors (attributes, :hover, siblings) are left out; :link and
// :visited count as the bare element.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class THtmlNode;

struct TCssDeclaration {
    std::wstring Property;  // lower case
    std::wstring Value;
    bool Important = false;
};

// The declarations of a style attribute or a rule body.
std::vector<TCssDeclaration> ParseCssDeclarations(std::wstring_view text);

struct TCssCompound {
    std::wstring Tag;                   // empty: any element
    std::wstring Id;
    std::vector<std::wstring> Classes;
    bool Matches(const THtmlNode& node) const;
};

struct TCssSelector {
    std::vector<TCssCompound> Chain;    // ancestors first, the element matched last
    int Specificity = 0;                // ids * 10000 + classes * 100 + elements
    bool Matches(const THtmlNode& node) const;
};

// Parses one selector ("div.menu a"); false when it uses what is not supported.
bool ParseCssSelector(std::wstring_view text, TCssSelector& out);

struct TCssRule {
    TCssSelector Selector;
    const std::vector<TCssDeclaration>* Declarations = nullptr;
    int Order = 0;
};

class TCssStyleSheet {
public:
    TCssStyleSheet() = default;
    TCssStyleSheet(const TCssStyleSheet&) = delete;
    TCssStyleSheet& operator=(const TCssStyleSheet&) = delete;

    // Adds the rules of a sheet; later sheets and rules win ties.
    void Parse(std::wstring_view text);
    // The rules that match the element, weakest first (specificity, then order).
    std::vector<const TCssRule*> Match(const THtmlNode& node) const;
    std::size_t RuleCount() const { return FRules.size(); }

private:
    void AddRule(std::wstring_view selectors, std::wstring_view body);
    void Index(std::size_t rule);

    std::vector<TCssRule> FRules;
    std::vector<std::unique_ptr<std::vector<TCssDeclaration>>> FBodies;
    std::unordered_map<std::wstring, std::vector<std::size_t>> FById, FByClass, FByTag;
    std::vector<std::size_t> FUniversal;
};
