// The parsed page: a tree of elements and text made from what libxml2's
// tolerant HTML parser recovered, with lower-case tag and attribute names,
// the page's title and its style sheets.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/html/html_style.h"

enum class THtmlTag : std::uint8_t {
    Unknown, Text, Html, Head, Title, Meta, Style, Script, Link, Base, Body,
    P, Div, Span, Br, Hr, H1, H2, H3, H4, H5, H6, Ul, Ol, Li, Dl, Dt, Dd, Menu, Dir,
    Pre, Xmp, Listing, Plaintext, B, Strong, I, Em, U, Ins, S, Strike, Del, Font, Basefont, Big, Small, Sub, Sup,
    Tt, Code, Kbd, Samp, Var, Cite, Dfn, Address, Blockquote, Center, Nobr, A, Img,
    Table, Caption, Thead, Tbody, Tfoot, Tr, Td, Th, Col, Colgroup,
    Frameset, Frame, Noframes, Iframe, Noscript,
    Form, Input, Textarea, Select, Option, Optgroup, Button, Label, Fieldset, Legend,
};

struct THtmlAttribute {
    std::wstring Name;   // lower case
    std::wstring Value;
};

class THtmlNode {
public:
    THtmlTag Tag = THtmlTag::Unknown;
    std::wstring Name;                    // tag name, lower case; empty for text
    std::wstring Text;                    // the text of a text node
    std::vector<THtmlAttribute> Attributes;
    std::vector<std::unique_ptr<THtmlNode>> Children;
    THtmlNode* Parent = nullptr;
    const THtmlStyle* Style = nullptr;    // set by the style resolver; text shares its parent's
    int Control = -1;                     // index of its form control in the document, or -1

    bool IsText() const { return Tag == THtmlTag::Text; }
    // The attribute's value, or nullptr; `name` in lower case.
    const std::wstring* Attribute(std::wstring_view name) const;
    std::wstring AttributeOr(std::wstring_view name, std::wstring_view fallback = {}) const;
    bool HasAttribute(std::wstring_view name) const { return Attribute(name) != nullptr; }
    // The text of every text node below, in order.
    std::wstring InnerText() const;
    // The first element of that tag at or below this node, depth first.
    const THtmlNode* Find(THtmlTag tag) const;
};

THtmlTag TagFromName(std::wstring_view lowerName);

class THtmlDocument {
public:
    THtmlNode Root;                       // the document node; its children are the top elements
    std::wstring Title;
    std::vector<std::wstring> StyleSheets; // the text of each <style> element
    std::deque<THtmlStyle> Styles;         // computed styles, owned here, pointed to by the nodes
    // Face names the styles refer to by index; DefaultFace and MonospaceFace
    // stand for the viewer's own faces and have no name here.
    std::vector<std::wstring> Faces{L"", L""};
    std::uint16_t FaceIndex(std::wstring_view name);

    // The <body>, or the <frameset> of a frames page; nullptr when there is neither.
    const THtmlNode* Body() const;
    const THtmlNode* FrameSet() const;
    std::size_t NodeCount() const { return FNodeCount; }
    void CountNode() { ++FNodeCount; }

private:
    std::size_t FNodeCount = 0;
};

// Parses UTF-8 text into a document. Anything is accepted: the parser
// recovers from bad mark-up, and a tree deeper than MaxNodeDepth is
// flattened there, so the recursive walks over it stay shallow.
inline constexpr int MaxNodeDepth = 120;
std::unique_ptr<THtmlDocument> ParseHtml(std::string_view utf8);
