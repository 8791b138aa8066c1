#include "ui/html/style_resolver.h"

#include <algorithm>
#include <cwchar>

#include "ui/html/css.h"
#include "ui/html/css_values.h"
#include "ui/html/html_document.h"

namespace {

using enum THtmlTag;

constexpr int MonospaceSize = 13;
constexpr TColor DefaultLinkColor = static_cast<TColor>(0xEE0000);  // #0000EE
// <font size=1..7>.
constexpr int FontSizes[7] = {10, 13, 16, 18, 24, 32, 48};

bool SameNoCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        wchar_t x = a[i], y = b[i];
        if (x >= L'A' && x <= L'Z') x = static_cast<wchar_t>(x - L'A' + L'a');
        if (y >= L'A' && y <= L'Z') y = static_cast<wchar_t>(y - L'A' + L'a');
        if (x != y) return false;
    }
    return true;
}

std::wstring_view Trim(std::wstring_view s) {
    while (!s.empty() && (s.front() == L' ' || s.front() == L'\t' || s.front() == L'"' || s.front() == L'\''))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == L' ' || s.back() == L'\t' || s.back() == L'"' || s.back() == L'\''))
        s.remove_suffix(1);
    return s;
}

std::vector<std::wstring_view> Words(std::wstring_view text) {
    std::vector<std::wstring_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == L' ' || text[i] == L'\t' || text[i] == L'\n' || text[i] == L'\r')) ++i;
        const std::size_t start = i;
        int depth = 0;
        while (i < text.size() && (depth > 0 || !(text[i] == L' ' || text[i] == L'\t' || text[i] == L'\n' || text[i] == L'\r'))) {
            depth += text[i] == L'(' ? 1 : text[i] == L')' ? -1 : 0;
            ++i;
        }
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

void SetAllSides(TSides& sides, int v) { sides = {v, v, v, v}; }

class TResolver {
public:
    explicit TResolver(THtmlDocument& doc) : FDoc(doc) {
        for (const std::wstring& sheet : doc.StyleSheets) FSheet.Parse(sheet);
        if (const THtmlNode* body = doc.Body()) {
            if (const std::wstring* link = body->Attribute(L"link")) ParseHtmlColor(*link, FLinkColor);
        }
    }

    void Resolve(THtmlNode& node, const THtmlStyle& parent) {
        const THtmlStyle* style = &parent;
        if (!node.IsText() && &node != &FDoc.Root) style = &Compute(node, parent);
        node.Style = style;
        for (auto& child : node.Children) Resolve(*child, *style);
    }

private:
    const THtmlStyle& Compute(const THtmlNode& node, const THtmlStyle& parent) {
        THtmlStyle s = Inherit(parent);
        TagDefaults(node, parent, s);
        Attributes(node, parent, s);
        std::vector<const TCssDeclaration*> normal, important;
        for (const TCssRule* rule : FSheet.Match(node))
            for (const TCssDeclaration& d : *rule->Declarations) (d.Important ? important : normal).push_back(&d);
        std::vector<TCssDeclaration> inlineStyle;
        if (const std::wstring* text = node.Attribute(L"style")) inlineStyle = ParseCssDeclarations(*text);
        for (const TCssDeclaration& d : inlineStyle) (d.Important ? important : normal).push_back(&d);
        // Font sizes first, so that em lengths of the same element use them.
        for (const auto* list : {&normal, &important})
            for (const TCssDeclaration* d : *list)
                if (d->Property == L"font-size" || d->Property == L"font") Declaration(*d, parent, s);
        for (const auto* list : {&normal, &important})
            for (const TCssDeclaration* d : *list)
                if (d->Property != L"font-size") Declaration(*d, parent, s);
        FDoc.Styles.push_back(s);
        return FDoc.Styles.back();
    }

    static THtmlStyle Inherit(const THtmlStyle& parent) {
        THtmlStyle s;
        s.Face = parent.Face;
        s.FontSize = parent.FontSize;
        s.Bold = parent.Bold;
        s.Italic = parent.Italic;
        s.Underline = parent.Underline;
        s.Strike = parent.Strike;
        s.Color = parent.Color;
        s.Align = parent.Align;
        s.WhiteSpace = parent.WhiteSpace;
        s.ListStyle = parent.ListStyle;
        s.Hidden = parent.Hidden;
        return s;
    }

    static bool InList(const THtmlNode& node) {
        for (const THtmlNode* p = node.Parent; p; p = p->Parent)
            if (p->Tag == Ul || p->Tag == Ol || p->Tag == Li || p->Tag == Dl || p->Tag == Menu || p->Tag == Dir) return true;
        return false;
    }

    static void Heading(THtmlStyle& s, const THtmlStyle& parent, float size, float margin) {
        s.Display = TDisplay::Block;
        s.FontSize = static_cast<int>(static_cast<float>(parent.FontSize) * size + 0.5f);
        s.Bold = true;
        s.Margin.Top = s.Margin.Bottom = static_cast<int>(static_cast<float>(s.FontSize) * margin + 0.5f);
    }

    void TagDefaults(const THtmlNode& node, const THtmlStyle& parent, THtmlStyle& s) {
        const int em = parent.FontSize;
        switch (node.Tag) {
        case Html: case Div: case Form: case Center: case Noframes: case Frameset: case Dt: case Fieldset:
            s.Display = TDisplay::Block;
            if (node.Tag == Center) s.Align = TTextAlign::Center;
            break;
        case Body: s.Display = TDisplay::Block; SetAllSides(s.Margin, 8); break;
        case P: case Dl: s.Display = TDisplay::Block; s.Margin.Top = s.Margin.Bottom = em; break;
        case Address: s.Display = TDisplay::Block; s.Italic = true; break;
        case Blockquote: s.Display = TDisplay::Block; s.Margin = {em, 40, em, 40}; break;
        case Dd: s.Display = TDisplay::Block; s.Margin.Left = 40; break;
        case H1: Heading(s, parent, 2.0f, 0.67f); break;
        case H2: Heading(s, parent, 1.5f, 0.83f); break;
        case H3: Heading(s, parent, 1.17f, 1.0f); break;
        case H4: Heading(s, parent, 1.0f, 1.33f); break;
        case H5: Heading(s, parent, 0.83f, 1.67f); break;
        case H6: Heading(s, parent, 0.67f, 2.33f); break;
        case Ul: case Ol: case Menu: case Dir: {
            s.Display = TDisplay::Block;
            if (!InList(node)) s.Margin.Top = s.Margin.Bottom = em;
            s.Padding.Left = 40;
            int depth = 0;
            for (const THtmlNode* p = node.Parent; p; p = p->Parent) depth += p->Tag == Ul || p->Tag == Menu || p->Tag == Dir;
            s.ListStyle = node.Tag == Ol ? TListStyle::Decimal
                          : depth == 0   ? TListStyle::Disc
                          : depth == 1   ? TListStyle::Circle
                                         : TListStyle::Square;
            break;
        }
        case Li: s.Display = TDisplay::ListItem; break;
        case Pre: case Xmp: case Listing: case Plaintext:
            s.Display = TDisplay::Block;
            s.Face = MonospaceFace;
            s.FontSize = MonospaceSize * parent.FontSize / 16;
            s.WhiteSpace = TWhiteSpace::Pre;
            s.Margin.Top = s.Margin.Bottom = em;
            break;
        case Tt: case Code: case Kbd: case Samp:
            s.Face = MonospaceFace;
            s.FontSize = MonospaceSize * parent.FontSize / 16;
            break;
        case B: case Strong: s.Bold = true; break;
        case I: case Em: case Cite: case Var: case Dfn: s.Italic = true; break;
        case U: case Ins: s.Underline = true; break;
        case S: case Strike: case Del: s.Strike = true; break;
        case Big: s.FontSize = em * 6 / 5; break;
        case Small: s.FontSize = em * 5 / 6; break;
        case Sub: s.FontSize = em * 5 / 6; s.VAlign = TVerticalAlign::Sub; break;
        case Sup: s.FontSize = em * 5 / 6; s.VAlign = TVerticalAlign::Super; break;
        case Nobr: s.WhiteSpace = TWhiteSpace::NoWrap; break;
        case A:
            if (node.HasAttribute(L"href")) {
                s.Color = FLinkColor;
                s.Underline = true;
            }
            break;
        case Hr:
            s.Display = TDisplay::Block;
            s.Margin = {em / 2, 0, em / 2, 0};
            s.AutoMarginLeft = s.AutoMarginRight = true;
            SetAllSides(s.Border, 1);
            s.BorderInset = true;
            break;
        case Table: s.Display = TDisplay::Table; s.Align = TTextAlign::Left; break;
        case Caption: s.Display = TDisplay::TableCaption; s.Align = TTextAlign::Center; break;
        case Thead: case Tbody: case Tfoot: s.Display = TDisplay::TableRowGroup; break;
        case Tr: s.Display = TDisplay::TableRow; break;
        case Td: s.Display = TDisplay::TableCell; s.VAlign = TVerticalAlign::Middle; break;
        case Th:
            s.Display = TDisplay::TableCell;
            s.VAlign = TVerticalAlign::Middle;
            s.Bold = true;
            s.Align = TTextAlign::Center;
            break;
        case Head: case Title: case Meta: case Style: case Script: case Link: case Base: case Col: case Colgroup:
        case Option: case Optgroup: case Noscript: case Frame: case Basefont:
            s.Display = TDisplay::None;
            break;
        default: break;
        }
    }

    static TTextAlign AlignOf(std::wstring_view v, TTextAlign fallback) {
        v = Trim(v);
        if (SameNoCase(v, L"center") || SameNoCase(v, L"middle")) return TTextAlign::Center;
        if (SameNoCase(v, L"right")) return TTextAlign::Right;
        if (SameNoCase(v, L"left")) return TTextAlign::Left;
        if (SameNoCase(v, L"justify")) return TTextAlign::Justify;
        return fallback;
    }

    static TVerticalAlign VAlignOf(std::wstring_view v, TVerticalAlign fallback) {
        v = Trim(v);
        if (SameNoCase(v, L"top") || SameNoCase(v, L"text-top")) return TVerticalAlign::Top;
        if (SameNoCase(v, L"middle")) return TVerticalAlign::Middle;
        if (SameNoCase(v, L"bottom") || SameNoCase(v, L"text-bottom")) return TVerticalAlign::Bottom;
        if (SameNoCase(v, L"baseline")) return TVerticalAlign::Baseline;
        if (SameNoCase(v, L"sub")) return TVerticalAlign::Sub;
        if (SameNoCase(v, L"super")) return TVerticalAlign::Super;
        return fallback;
    }

    static TListStyle ListTypeOf(std::wstring_view v, TListStyle fallback) {
        v = Trim(v);
        if (v == L"1") return TListStyle::Decimal;
        if (v == L"a") return TListStyle::LowerAlpha;
        if (v == L"A") return TListStyle::UpperAlpha;
        if (v == L"i") return TListStyle::LowerRoman;
        if (v == L"I") return TListStyle::UpperRoman;
        if (SameNoCase(v, L"disc")) return TListStyle::Disc;
        if (SameNoCase(v, L"circle")) return TListStyle::Circle;
        if (SameNoCase(v, L"square")) return TListStyle::Square;
        if (SameNoCase(v, L"decimal")) return TListStyle::Decimal;
        if (SameNoCase(v, L"lower-alpha") || SameNoCase(v, L"lower-latin")) return TListStyle::LowerAlpha;
        if (SameNoCase(v, L"upper-alpha") || SameNoCase(v, L"upper-latin")) return TListStyle::UpperAlpha;
        if (SameNoCase(v, L"lower-roman")) return TListStyle::LowerRoman;
        if (SameNoCase(v, L"upper-roman")) return TListStyle::UpperRoman;
        if (SameNoCase(v, L"none")) return TListStyle::None;
        return fallback;
    }

    void FontFace(std::wstring_view list, THtmlStyle& s) {
        for (std::wstring_view rest = list; !rest.empty();) {
            const std::size_t comma = rest.find(L',');
            const std::wstring_view name = Trim(rest.substr(0, comma));
            if (SameNoCase(name, L"monospace")) { s.Face = MonospaceFace; return; }
            if (SameNoCase(name, L"serif")) { s.Face = DefaultFace; return; }
            if (SameNoCase(name, L"sans-serif")) { s.Face = FDoc.FaceIndex(L"Arial"); return; }
            if (!name.empty()) { s.Face = FDoc.FaceIndex(name); return; }
            if (comma == std::wstring_view::npos) break;
            rest = rest.substr(comma + 1);
        }
    }

    static int FontTagSize(std::wstring_view v, int fallback) {
        v = Trim(v);
        if (v.empty()) return fallback;
        const std::wstring copy(v);
        const int n = static_cast<int>(std::wcstol(copy.c_str(), nullptr, 10));
        const int index = (v.front() == L'+' || v.front() == L'-') ? 3 + n : n;
        return FontSizes[std::clamp(index, 1, 7) - 1];
    }

    void Attributes(const THtmlNode& node, const THtmlStyle& parent, THtmlStyle& s) {
        const auto attr = [&](const wchar_t* name) { return node.Attribute(name); };
        if (const auto* v = attr(L"bgcolor")) ParseHtmlColor(*v, s.Background);
        if (node.Tag == Body) {
            if (const auto* v = attr(L"text")) ParseHtmlColor(*v, s.Color);
        }
        if (const auto* v = attr(L"align")) {
            switch (node.Tag) {
            case P: case Div: case H1: case H2: case H3: case H4: case H5: case H6: case Td: case Th: case Tr:
            case Caption: case Thead: case Tbody: case Tfoot: case Center:
                s.Align = AlignOf(*v, s.Align);
                break;
            case Table: case Hr:
                s.AutoMarginLeft = AlignOf(*v, TTextAlign::Left) != TTextAlign::Left;
                s.AutoMarginRight = AlignOf(*v, TTextAlign::Left) == TTextAlign::Center ||
                                    (node.Tag == Hr && AlignOf(*v, TTextAlign::Left) == TTextAlign::Left);
                if (node.Tag == Hr && AlignOf(*v, TTextAlign::Left) == TTextAlign::Left) s.AutoMarginLeft = false;
                break;
            case Img: s.VAlign = VAlignOf(*v, s.VAlign); break;
            default: break;
            }
        }
        if (const auto* v = attr(L"valign")) s.VAlign = VAlignOf(*v, s.VAlign);
        if (node.Tag == Font) {
            if (const auto* v = attr(L"face")) FontFace(*v, s);
            if (const auto* v = attr(L"size")) s.FontSize = FontTagSize(*v, parent.FontSize);
            if (const auto* v = attr(L"color")) ParseHtmlColor(*v, s.Color);
        }
        if (node.Tag == Ul || node.Tag == Ol || node.Tag == Li) {
            if (const auto* v = attr(L"type")) s.ListStyle = ListTypeOf(*v, s.ListStyle);
        }
        const bool sized = node.Tag == Table || node.Tag == Td || node.Tag == Th || node.Tag == Img ||
                           node.Tag == Hr || node.Tag == Tr || node.Tag == Col;
        if (sized) {
            TLength len;
            if (const auto* v = attr(L"width"); v && ParseCssLength(*v, s.FontSize, len)) s.Width = len;
            if (const auto* v = attr(L"height"); v && ParseCssLength(*v, s.FontSize, len)) s.Height = len;
        }
        if (node.Tag == Table) {
            if (const auto* v = attr(L"border")) {
                const int n = v->empty() ? 1 : std::clamp(static_cast<int>(std::wcstol(v->c_str(), nullptr, 10)), 0, 100);
                SetAllSides(s.Border, n);
                s.BorderInset = false;
                s.BorderColor = clGray;
            }
        }
        if (node.Tag == Img) {
            if (const auto* v = attr(L"border")) {
                SetAllSides(s.Border, std::clamp(static_cast<int>(std::wcstol(v->c_str(), nullptr, 10)), 0, 100));
                s.BorderColor = s.Color;
            }
            const int h = std::clamp(static_cast<int>(std::wcstol(node.AttributeOr(L"hspace", L"0").c_str(), nullptr, 10)), 0, 1000);
            const int vs = std::clamp(static_cast<int>(std::wcstol(node.AttributeOr(L"vspace", L"0").c_str(), nullptr, 10)), 0, 1000);
            s.Margin = {vs, h, vs, h};
        }
        if (node.Tag == Hr) {
            if (const auto* v = attr(L"size")) {
                const int n = std::clamp(static_cast<int>(std::wcstol(v->c_str(), nullptr, 10)), 1, 1000);
                s.Height = TLength::Pixels(static_cast<float>(n));
            }
            if (const auto* v = attr(L"color"); v && ParseHtmlColor(*v, s.BorderColor)) {
                s.Background = s.BorderColor;
                s.BorderInset = false;
            }
            if (node.HasAttribute(L"noshade")) {
                s.BorderInset = false;
                s.Background = s.BorderColor = clGray;
            }
        }
    }

    static bool ParseSides(std::wstring_view value, int em, TSides& sides, bool* autoLeft, bool* autoRight) {
        const auto words = Words(value);
        if (words.empty() || words.size() > 4) return false;
        int v[4] = {};
        bool isAuto[4] = {};
        for (std::size_t i = 0; i < words.size(); ++i) {
            TLength len;
            if (!ParseCssLength(words[i], em, len)) return false;
            isAuto[i] = len.IsAuto();
            v[i] = len.Resolve(0, 0);
        }
        static constexpr int pick[4][4] = {{0, 0, 0, 0}, {0, 1, 0, 1}, {0, 1, 2, 1}, {0, 1, 2, 3}};
        const int* p = pick[words.size() - 1];
        sides = {v[p[0]], v[p[1]], v[p[2]], v[p[3]]};
        if (autoRight) *autoRight = isAuto[p[1]];
        if (autoLeft) *autoLeft = isAuto[p[3]];
        return true;
    }

    static bool BorderWidth(std::wstring_view word, int em, int& out) {
        if (SameNoCase(word, L"thin")) { out = 1; return true; }
        if (SameNoCase(word, L"medium")) { out = 3; return true; }
        if (SameNoCase(word, L"thick")) { out = 5; return true; }
        TLength len;
        if (!ParseCssLength(word, em, len) || len.Unit != TLength::Px) return false;
        out = std::clamp(static_cast<int>(len.Value), 0, 100);
        return true;
    }

    // "border: 1px solid red" and its one-side forms; a style of none hides the side.
    static void Border(std::wstring_view value, int em, THtmlStyle& s, int* side) {
        int width = 3;
        bool none = false;
        for (std::wstring_view w : Words(value)) {
            TColor c;
            int n;
            if (SameNoCase(w, L"none") || SameNoCase(w, L"hidden")) none = true;
            else if (SameNoCase(w, L"inset") || SameNoCase(w, L"outset") || SameNoCase(w, L"groove") || SameNoCase(w, L"ridge")) s.BorderInset = true;
            else if (BorderWidth(w, em, n)) width = n;
            else if (ParseHtmlColor(w, c)) { s.BorderColor = c; s.BorderInset = false; }
        }
        const int v = none ? 0 : width;
        if (side) *side = v;
        else SetAllSides(s.Border, v);
    }

    void FontSize(std::wstring_view v, const THtmlStyle& parent, THtmlStyle& s) {
        static const std::pair<const wchar_t*, int> keywords[] = {
            {L"xx-small", 9}, {L"x-small", 10}, {L"small", 13}, {L"medium", 16}, {L"large", 18}, {L"x-large", 24}, {L"xx-large", 32}};
        for (const auto& [name, px] : keywords)
            if (SameNoCase(v, name)) { s.FontSize = px; return; }
        if (SameNoCase(v, L"smaller")) { s.FontSize = parent.FontSize * 5 / 6; return; }
        if (SameNoCase(v, L"larger")) { s.FontSize = parent.FontSize * 6 / 5; return; }
        TLength len;
        if (!ParseCssLength(v, parent.FontSize, len) || len.IsAuto()) return;
        s.FontSize = len.Resolve(parent.FontSize, s.FontSize);
        s.FontSize = std::clamp(s.FontSize, 1, 400);
    }

    void FontShorthand(std::wstring_view v, const THtmlStyle& parent, THtmlStyle& s) {
        const auto words = Words(v);
        for (std::size_t i = 0; i < words.size(); ++i) {
            const std::wstring_view w = words[i];
            if (SameNoCase(w, L"bold")) s.Bold = true;
            else if (SameNoCase(w, L"italic") || SameNoCase(w, L"oblique")) s.Italic = true;
            else if (w.front() >= L'0' && w.front() <= L'9') {
                const std::size_t slash = w.find(L'/');
                FontSize(w.substr(0, slash), parent, s);
                std::wstring rest;
                for (std::size_t j = i + 1; j < words.size(); ++j) rest += std::wstring(words[j]) + L" ";
                FontFace(rest, s);
                return;
            }
        }
    }

    void Declaration(const TCssDeclaration& d, const THtmlStyle& parent, THtmlStyle& s) {
        const std::wstring& p = d.Property;
        const std::wstring_view v = d.Value;
        const int em = s.FontSize;
        TColor color;
        TLength len;
        if (p == L"color") { if (ParseHtmlColor(v, color)) s.Color = color; }
        else if (p == L"background-color" || p == L"background") {
            if (SameNoCase(Trim(v), L"transparent") || SameNoCase(Trim(v), L"none")) s.Background = clNone;
            for (std::wstring_view w : Words(v))
                if (ParseHtmlColor(w, color)) s.Background = color;
        }
        else if (p == L"font-family") FontFace(v, s);
        else if (p == L"font-size") FontSize(v, parent, s);
        else if (p == L"font") FontShorthand(v, parent, s);
        else if (p == L"font-weight") s.Bold = SameNoCase(v, L"bold") || SameNoCase(v, L"bolder") || (v.size() == 3 && v >= L"600");
        else if (p == L"font-style") s.Italic = SameNoCase(v, L"italic") || SameNoCase(v, L"oblique");
        else if (p == L"text-align") s.Align = AlignOf(v, s.Align);
        else if (p == L"text-decoration") {
            s.Underline = v.find(L"underline") != std::wstring_view::npos;
            s.Strike = v.find(L"line-through") != std::wstring_view::npos;
        }
        else if (p == L"margin") ParseSides(v, em, s.Margin, &s.AutoMarginLeft, &s.AutoMarginRight);
        else if (p == L"margin-top") ParseCssPixels(v, em, 0, s.Margin.Top);
        else if (p == L"margin-bottom") ParseCssPixels(v, em, 0, s.Margin.Bottom);
        else if (p == L"margin-left") { if (ParseCssLength(v, em, len)) { s.AutoMarginLeft = len.IsAuto(); s.Margin.Left = len.Resolve(0, 0); } }
        else if (p == L"margin-right") { if (ParseCssLength(v, em, len)) { s.AutoMarginRight = len.IsAuto(); s.Margin.Right = len.Resolve(0, 0); } }
        else if (p == L"padding") ParseSides(v, em, s.Padding, nullptr, nullptr);
        else if (p == L"padding-top") ParseCssPixels(v, em, 0, s.Padding.Top);
        else if (p == L"padding-right") ParseCssPixels(v, em, 0, s.Padding.Right);
        else if (p == L"padding-bottom") ParseCssPixels(v, em, 0, s.Padding.Bottom);
        else if (p == L"padding-left") ParseCssPixels(v, em, 0, s.Padding.Left);
        else if (p == L"border") Border(v, em, s, nullptr);
        else if (p == L"border-top") Border(v, em, s, &s.Border.Top);
        else if (p == L"border-right") Border(v, em, s, &s.Border.Right);
        else if (p == L"border-bottom") Border(v, em, s, &s.Border.Bottom);
        else if (p == L"border-left") Border(v, em, s, &s.Border.Left);
        else if (p == L"border-width") {
            int n;
            if (BorderWidth(Trim(v), em, n)) SetAllSides(s.Border, n);
            else ParseSides(v, em, s.Border, nullptr, nullptr);
        }
        else if (p == L"border-color") { if (ParseHtmlColor(v, color)) { s.BorderColor = color; s.BorderInset = false; } }
        else if (p == L"border-style") { if (SameNoCase(Trim(v), L"none")) SetAllSides(s.Border, 0); }
        else if (p == L"width") { if (ParseCssLength(v, em, len)) s.Width = len; }
        else if (p == L"height") { if (ParseCssLength(v, em, len)) s.Height = len; }
        else if (p == L"display") Display(Trim(v), s);
        else if (p == L"white-space") {
            if (SameNoCase(v, L"pre") || SameNoCase(v, L"pre-wrap")) s.WhiteSpace = TWhiteSpace::Pre;
            else if (SameNoCase(v, L"nowrap")) s.WhiteSpace = TWhiteSpace::NoWrap;
            else if (SameNoCase(v, L"normal")) s.WhiteSpace = TWhiteSpace::Normal;
        }
        else if (p == L"list-style-type" || p == L"list-style") {
            for (std::wstring_view w : Words(v)) s.ListStyle = ListTypeOf(w, s.ListStyle);
        }
        else if (p == L"visibility") s.Hidden = SameNoCase(Trim(v), L"hidden");
        else if (p == L"vertical-align") s.VAlign = VAlignOf(v, s.VAlign);
    }

    static void Display(std::wstring_view v, THtmlStyle& s) {
        static const std::pair<const wchar_t*, TDisplay> kinds[] = {
            {L"none", TDisplay::None}, {L"block", TDisplay::Block}, {L"inline", TDisplay::Inline},
            {L"inline-block", TDisplay::Inline}, {L"list-item", TDisplay::ListItem}, {L"table", TDisplay::Table},
            {L"table-row", TDisplay::TableRow}, {L"table-cell", TDisplay::TableCell},
            {L"table-row-group", TDisplay::TableRowGroup}, {L"table-caption", TDisplay::TableCaption}};
        for (const auto& [name, kind] : kinds)
            if (SameNoCase(v, name)) s.Display = kind;
    }

    THtmlDocument& FDoc;
    TCssStyleSheet FSheet;
    TColor FLinkColor = DefaultLinkColor;
};

}  // namespace

void ResolveStyles(THtmlDocument& doc) {
    THtmlStyle root;
    root.Display = TDisplay::Block;
    TResolver resolver(doc);
    doc.Root.Style = &root;
    for (auto& child : doc.Root.Children) resolver.Resolve(*child, root);
    doc.Styles.push_front(root);
    doc.Root.Style = &doc.Styles.front();
}
