#include "ui/html/html_document.h"

#include <unordered_map>

const std::wstring* THtmlNode::Attribute(std::wstring_view name) const {
    for (const THtmlAttribute& a : Attributes)
        if (a.Name == name) return &a.Value;
    return nullptr;
}

std::wstring THtmlNode::AttributeOr(std::wstring_view name, std::wstring_view fallback) const {
    const std::wstring* value = Attribute(name);
    return value ? *value : std::wstring(fallback);
}

namespace {

void AppendText(const THtmlNode& node, std::wstring& out) {
    if (node.IsText()) {
        out += node.Text;
        return;
    }
    for (const auto& child : node.Children) AppendText(*child, out);
}

}  // namespace

std::wstring THtmlNode::InnerText() const {
    std::wstring text;
    AppendText(*this, text);
    return text;
}

const THtmlNode* THtmlNode::Find(THtmlTag tag) const {
    if (Tag == tag) return this;
    for (const auto& child : Children)
        if (const THtmlNode* found = child->Find(tag)) return found;
    return nullptr;
}

THtmlTag TagFromName(std::wstring_view name) {
    using enum THtmlTag;
    static const std::unordered_map<std::wstring_view, THtmlTag> tags = {
        {L"html", Html}, {L"head", Head}, {L"title", Title}, {L"meta", Meta}, {L"style", Style},
        {L"script", Script}, {L"link", Link}, {L"base", Base}, {L"body", Body}, {L"p", P}, {L"div", Div},
        {L"span", Span}, {L"br", Br}, {L"hr", Hr}, {L"h1", H1}, {L"h2", H2}, {L"h3", H3}, {L"h4", H4},
        {L"h5", H5}, {L"h6", H6}, {L"ul", Ul}, {L"ol", Ol}, {L"li", Li}, {L"dl", Dl}, {L"dt", Dt}, {L"dd", Dd},
        {L"menu", Menu}, {L"dir", Dir}, {L"pre", Pre}, {L"xmp", Xmp}, {L"listing", Listing},
        {L"plaintext", Plaintext}, {L"b", B}, {L"strong", Strong}, {L"i", I}, {L"em", Em}, {L"u", U},
        {L"ins", Ins}, {L"s", S}, {L"strike", Strike}, {L"del", Del}, {L"font", Font}, {L"basefont", Basefont},
        {L"big", Big}, {L"small", Small}, {L"sub", Sub}, {L"sup", Sup}, {L"tt", Tt}, {L"code", Code},
        {L"kbd", Kbd}, {L"samp", Samp}, {L"var", Var}, {L"cite", Cite}, {L"dfn", Dfn}, {L"address", Address},
        {L"blockquote", Blockquote}, {L"center", Center}, {L"nobr", Nobr}, {L"a", A}, {L"img", Img},
        {L"table", Table}, {L"caption", Caption}, {L"thead", Thead}, {L"tbody", Tbody}, {L"tfoot", Tfoot},
        {L"tr", Tr}, {L"td", Td}, {L"th", Th}, {L"col", Col}, {L"colgroup", Colgroup},
        {L"frameset", Frameset}, {L"frame", Frame}, {L"noframes", Noframes}, {L"iframe", Iframe},
        {L"noscript", Noscript}, {L"form", Form}, {L"input", Input}, {L"textarea", Textarea},
        {L"select", Select}, {L"option", Option}, {L"optgroup", Optgroup}, {L"button", Button},
        {L"label", Label}, {L"fieldset", Fieldset}, {L"legend", Legend},
    };
    const auto it = tags.find(name);
    return it == tags.end() ? Unknown : it->second;
}

const THtmlNode* THtmlDocument::Body() const {
    for (const auto& top : Root.Children)
        if (const THtmlNode* body = top->Find(THtmlTag::Body)) return body;
    return nullptr;
}

const THtmlNode* THtmlDocument::FrameSet() const {
    for (const auto& top : Root.Children)
        if (const THtmlNode* set = top->Find(THtmlTag::Frameset)) return set;
    return nullptr;
}

std::uint16_t THtmlDocument::FaceIndex(std::wstring_view name) {
    for (std::size_t i = 2; i < Faces.size(); ++i)
        if (Faces[i] == name) return static_cast<std::uint16_t>(i);
    if (Faces.size() >= 0xFFFF) return DefaultFace;
    Faces.emplace_back(name);
    return static_cast<std::uint16_t>(Faces.size() - 1);
}
