#include "ui/html/css.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "ui/html/html_document.h"

namespace {

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\f'; }

std::wstring_view Trim(std::wstring_view s) {
    while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
    return s;
}

std::wstring Lower(std::wstring_view s) {
    std::wstring out(s);
    for (wchar_t& c : out)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return out;
}

std::wstring StripComments(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'/' && i + 1 < text.size() && text[i + 1] == L'*') {
            const std::size_t end = text.find(L"*/", i + 2);
            if (end == std::wstring_view::npos) break;
            i = end + 1;
            out += L' ';
            continue;
        }
        out += text[i];
    }
    // HTML comment markers around a sheet are left over from old browsers.
    for (const wchar_t* marker : {L"<!--", L"-->"})
        for (std::size_t at = out.find(marker); at != std::wstring::npos; at = out.find(marker))
            out.replace(at, std::wcslen(marker), L" ");
    return out;
}

bool IsNameChar(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'-' ||
           c == L'_' || c > 0x7F;
}

// One compound selector (tag, #id, .class, :link); false when unsupported.
bool ParseCompound(std::wstring_view text, TCssCompound& out, int& specificity) {
    std::size_t i = 0;
    const auto name = [&] {
        const std::size_t start = i;
        while (i < text.size() && IsNameChar(text[i])) ++i;
        return std::wstring(text.substr(start, i - start));
    };
    if (i < text.size() && text[i] == L'*') ++i;
    else if (i < text.size() && IsNameChar(text[i])) {
        out.Tag = Lower(name());
        ++specificity;
    }
    while (i < text.size()) {
        const wchar_t c = text[i++];
        if (c == L'#') {
            out.Id = name();
            if (out.Id.empty()) return false;
            specificity += 10000;
        } else if (c == L'.') {
            std::wstring cls = name();
            if (cls.empty()) return false;
            out.Classes.push_back(std::move(cls));
            specificity += 100;
        } else if (c == L':') {
            const std::wstring pseudo = Lower(name());
            if (pseudo != L"link" && pseudo != L"visited") return false;
        } else {
            return false;
        }
    }
    return true;
}

bool HasClass(const std::wstring& list, const std::wstring& name) {
    std::size_t i = 0;
    while (i < list.size()) {
        while (i < list.size() && IsSpace(list[i])) ++i;
        const std::size_t start = i;
        while (i < list.size() && !IsSpace(list[i])) ++i;
        if (i > start && list.compare(start, i - start, name) == 0) return true;
    }
    return false;
}

}  // namespace

std::vector<TCssDeclaration> ParseCssDeclarations(std::wstring_view text) {
    std::vector<TCssDeclaration> out;
    const std::wstring clean = StripComments(text);
    std::wstring_view rest = clean;
    while (!rest.empty()) {
        const std::size_t semi = rest.find(L';');
        std::wstring_view item = rest.substr(0, semi);
        rest = semi == std::wstring_view::npos ? std::wstring_view() : rest.substr(semi + 1);
        const std::size_t colon = item.find(L':');
        if (colon == std::wstring_view::npos) continue;
        TCssDeclaration d;
        d.Property = Lower(Trim(item.substr(0, colon)));
        std::wstring_view value = Trim(item.substr(colon + 1));
        if (const std::size_t bang = value.find(L'!'); bang != std::wstring_view::npos) {
            d.Important = Lower(Trim(value.substr(bang + 1))) == L"important";
            value = Trim(value.substr(0, bang));
        }
        d.Value = std::wstring(value);
        if (!d.Property.empty() && !d.Value.empty()) out.push_back(std::move(d));
    }
    return out;
}

bool ParseCssSelector(std::wstring_view text, TCssSelector& out) {
    out = {};
    std::wstring_view rest = Trim(text);
    while (!rest.empty()) {
        std::size_t end = 0;
        while (end < rest.size() && !IsSpace(rest[end]) && rest[end] != L'>') ++end;
        TCssCompound compound;
        if (end == 0 || !ParseCompound(rest.substr(0, end), compound, out.Specificity)) return false;
        out.Chain.push_back(std::move(compound));
        rest = rest.substr(end);
        // The child combinator is taken as a descendant one.
        while (!rest.empty() && (IsSpace(rest.front()) || rest.front() == L'>')) rest.remove_prefix(1);
    }
    return !out.Chain.empty();
}

bool TCssCompound::Matches(const THtmlNode& node) const {
    if (!Tag.empty() && node.Name != Tag) return false;
    if (!Id.empty()) {
        const std::wstring* id = node.Attribute(L"id");
        if (!id || *id != Id) return false;
    }
    if (!Classes.empty()) {
        const std::wstring* list = node.Attribute(L"class");
        if (!list) return false;
        for (const std::wstring& c : Classes)
            if (!HasClass(*list, c)) return false;
    }
    return true;
}

bool TCssSelector::Matches(const THtmlNode& node) const {
    if (Chain.empty() || !Chain.back().Matches(node)) return false;
    const THtmlNode* ancestor = node.Parent;
    for (std::size_t i = Chain.size() - 1; i-- > 0;) {
        while (ancestor && (ancestor->IsText() || !Chain[i].Matches(*ancestor))) ancestor = ancestor->Parent;
        if (!ancestor) return false;
        ancestor = ancestor->Parent;
    }
    return true;
}

void TCssStyleSheet::Parse(std::wstring_view text) {
    const std::wstring clean = StripComments(text);
    std::wstring_view rest = clean;
    while (!rest.empty()) {
        const std::size_t open = rest.find(L'{');
        if (open == std::wstring_view::npos) break;
        std::wstring_view prelude = Trim(rest.substr(0, open));
        if (!prelude.empty() && prelude.front() == L'@') {
            // @media screen/all: its rules count; other at-rules are skipped whole.
            const std::wstring at = Lower(prelude);
            int depth = 1;
            std::size_t i = open + 1;
            const bool keep = at.starts_with(L"@media") &&
                              (at.find(L"screen") != std::wstring::npos || at.find(L"all") != std::wstring::npos);
            if (keep) {
                rest = rest.substr(open + 1);
                continue;
            }
            for (; i < rest.size() && depth > 0; ++i) depth += rest[i] == L'{' ? 1 : rest[i] == L'}' ? -1 : 0;
            rest = rest.substr(i);
            continue;
        }
        // A stray closing brace (the end of a kept @media block) before the selectors.
        if (const std::size_t brace = prelude.rfind(L'}'); brace != std::wstring_view::npos)
            prelude = Trim(prelude.substr(brace + 1));
        const std::size_t close = rest.find(L'}', open);
        const std::wstring_view body = rest.substr(open + 1, close == std::wstring_view::npos ? close : close - open - 1);
        AddRule(prelude, body);
        if (close == std::wstring_view::npos) break;
        rest = rest.substr(close + 1);
    }
}

void TCssStyleSheet::AddRule(std::wstring_view selectors, std::wstring_view body) {
    auto declarations = std::make_unique<std::vector<TCssDeclaration>>(ParseCssDeclarations(body));
    if (declarations->empty()) return;
    bool any = false;
    while (!selectors.empty()) {
        const std::size_t comma = selectors.find(L',');
        TCssRule rule;
        if (ParseCssSelector(selectors.substr(0, comma), rule.Selector)) {
            rule.Declarations = declarations.get();
            rule.Order = static_cast<int>(FRules.size());
            FRules.push_back(std::move(rule));
            Index(FRules.size() - 1);
            any = true;
        }
        if (comma == std::wstring_view::npos) break;
        selectors = selectors.substr(comma + 1);
    }
    if (any) FBodies.push_back(std::move(declarations));
}

void TCssStyleSheet::Index(std::size_t rule) {
    const TCssCompound& subject = FRules[rule].Selector.Chain.back();
    if (!subject.Id.empty()) FById[subject.Id].push_back(rule);
    else if (!subject.Classes.empty()) FByClass[subject.Classes.front()].push_back(rule);
    else if (!subject.Tag.empty()) FByTag[subject.Tag].push_back(rule);
    else FUniversal.push_back(rule);
}

std::vector<const TCssRule*> TCssStyleSheet::Match(const THtmlNode& node) const {
    std::vector<const TCssRule*> found;
    if (FRules.empty()) return found;
    const auto consider = [&](const std::vector<std::size_t>& bucket) {
        for (std::size_t i : bucket)
            if (FRules[i].Selector.Matches(node)) found.push_back(&FRules[i]);
    };
    const auto lookup = [&](const std::unordered_map<std::wstring, std::vector<std::size_t>>& map, const std::wstring& key) {
        if (const auto it = map.find(key); it != map.end()) consider(it->second);
    };
    if (const std::wstring* id = node.Attribute(L"id")) lookup(FById, *id);
    if (const std::wstring* list = node.Attribute(L"class")) {
        std::vector<std::wstring> seen;
        std::size_t i = 0;
        while (i < list->size()) {
            while (i < list->size() && IsSpace((*list)[i])) ++i;
            const std::size_t start = i;
            while (i < list->size() && !IsSpace((*list)[i])) ++i;
            std::wstring name = list->substr(start, i - start);
            if (name.empty() || std::find(seen.begin(), seen.end(), name) != seen.end()) continue;
            lookup(FByClass, name);
            seen.push_back(std::move(name));
        }
    }
    lookup(FByTag, node.Name);
    consider(FUniversal);
    std::sort(found.begin(), found.end(), [](const TCssRule* a, const TCssRule* b) {
        return a->Selector.Specificity != b->Selector.Specificity ? a->Selector.Specificity < b->Selector.Specificity
                                                                  : a->Order < b->Order;
    });
    return found;
}
