#include <algorithm>
#include <cwchar>

#include "ui/html/layout_impl.h"
#include "ui/platform/graphics/bitmap.h"

namespace {

using enum THtmlTag;

constexpr int ControlFontSize = 13;
// Longest run of characters measured and drawn as one; longer ones are cut
// into pieces that may break across lines.
constexpr std::size_t MaxWordLength = 512;
// Tables nested deeper than this are laid out as plain blocks.
constexpr int MaxTableDepth = 32;

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || c == L'\f'; }

bool IsBlockLevel(TDisplay d) { return d != TDisplay::Inline && d != TDisplay::None; }

std::wstring ToRoman(int n, bool upper) {
    static const std::pair<int, const wchar_t*> parts[] = {{1000, L"m"}, {900, L"cm"}, {500, L"d"}, {400, L"cd"},
                                                           {100, L"c"}, {90, L"xc"}, {50, L"l"}, {40, L"xl"},
                                                           {10, L"x"}, {9, L"ix"}, {5, L"v"}, {4, L"iv"}, {1, L"i"}};
    std::wstring out;
    n = std::clamp(n, 1, 3999);
    for (const auto& [value, text] : parts)
        while (n >= value) {
            out += text;
            n -= value;
        }
    if (upper)
        for (wchar_t& c : out) c = static_cast<wchar_t>(c - L'a' + L'A');
    return out;
}

std::wstring MarkerText(TListStyle style, int number) {
    switch (style) {
    case TListStyle::Decimal: return std::to_wstring(number) + L".";
    case TListStyle::LowerAlpha: case TListStyle::UpperAlpha: {
        std::wstring s;
        for (int n = std::max(number, 1); n > 0; n = (n - 1) / 26)
            s.insert(s.begin(), static_cast<wchar_t>((style == TListStyle::LowerAlpha ? L'a' : L'A') + (n - 1) % 26));
        return s + L".";
    }
    case TListStyle::LowerRoman: return ToRoman(number, false) + L".";
    case TListStyle::UpperRoman: return ToRoman(number, true) + L".";
    default: return {};
    }
}

int AttrInt(const THtmlNode& node, const wchar_t* name, int fallback) {
    const std::wstring* v = node.Attribute(name);
    if (!v || v->empty()) return fallback;
    wchar_t* end = nullptr;
    const long n = std::wcstol(v->c_str(), &end, 10);
    return end == v->c_str() ? fallback : static_cast<int>(std::clamp<long>(n, -1000000, 1000000));
}

}  // namespace

// ------------------------------------------------------------------ results

int THtmlLayout::AnchorTop(std::wstring_view name) const {
    for (const TLayoutItem& item : Items)
        if (item.Kind == TItemKind::Anchor && AnchorNames[static_cast<std::size_t>(item.Index)] == name) return item.Box.Top;
    return -1;
}

int THtmlLayout::Count(TItemKind kind) const {
    return static_cast<int>(std::count_if(Items.begin(), Items.end(), [kind](const TLayoutItem& i) { return i.Kind == kind; }));
}

THtmlLayoutEngine::THtmlLayoutEngine(THtmlCanvas& canvas, const THtmlLayoutOptions& options, THtmlImageSource* images,
                                     const THtmlForms* forms)
    : FImpl(std::make_unique<TImpl>(canvas, options, images, forms)) {}

THtmlLayoutEngine::~THtmlLayoutEngine() = default;

std::unique_ptr<THtmlLayout> THtmlLayoutEngine::Layout(const THtmlDocument& doc, int width) {
    return FImpl->Run(doc, width);
}

// ------------------------------------------------------------------ lines

TLineBuilder::TLineBuilder(THtmlLayoutEngine::TImpl& engine, int x, int width, int y, TTextAlign align, int strutFont)
    : FEngine(engine), FX(x), FWidth(std::max(width, 1)), FY(y), FAlign(align), FStrutFont(strutFont) {}

void TLineBuilder::BeginContent() {
    if (!FPieces.empty()) return;
    FY += FPendingMargin;
    FPendingMargin = 0;
}

void TLineBuilder::Word(std::wstring_view text, int font, TColor color, TColor back, int link, TVerticalAlign valign,
                        bool breakable) {
    if (text.empty()) return;
    BeginContent();
    THtmlLayout& out = *FEngine.Out;
    const int width = FEngine.Canvas.TextWidth(font, text);
    int space = FSpaceFont >= 0 && !FPieces.empty() ? FEngine.Canvas.TextWidth(FSpaceFont, L" ") : 0;
    if (breakable && !FPieces.empty() && FUsed + space + width > FWidth) {
        Commit(false);
        space = 0;
    }
    if (space > 0) {
        TPiece& last = FPieces.back();
        // The space takes the look of the text it stood in: a link's
        // underline does not run on over the space after the link.
        if (last.Item.Kind == TItemKind::Text && last.Item.Font == FSpaceFont && last.Item.Link == FSpaceLink) {
            ++last.Item.TextLength;
            last.Width += space;
        } else {
            TPiece gap;
            gap.Item.Kind = TItemKind::Text;
            gap.Item.Font = FSpaceFont;
            gap.Item.Link = FSpaceLink;
            gap.Item.Color = color;
            gap.Item.TextStart = static_cast<int>(out.Text.size());
            gap.Item.TextLength = 1;
            gap.Width = space;
            FPieces.push_back(gap);
        }
        out.Text += L' ';
        FUsed += space;
    }
    FSpaceFont = -1;
    if (!FPieces.empty()) {
        TPiece& last = FPieces.back();
        const TLayoutItem& i = last.Item;
        if (i.Kind == TItemKind::Text && i.Font == font && i.Color == color && i.Back == back && i.Link == link &&
            last.VAlign == valign && i.TextStart + i.TextLength == static_cast<int>(out.Text.size())) {
            last.Item.TextLength += static_cast<int>(text.size());
            last.Width += width;
            out.Text += text;
            FUsed += width;
            return;
        }
    }
    TPiece piece;
    piece.Item.Kind = TItemKind::Text;
    piece.Item.Font = font;
    piece.Item.Color = color;
    piece.Item.Back = back;
    piece.Item.Link = link;
    piece.Item.TextStart = static_cast<int>(out.Text.size());
    piece.Item.TextLength = static_cast<int>(text.size());
    piece.Width = width;
    piece.VAlign = valign;
    out.Text += text;
    FUsed += width;
    FPieces.push_back(piece);
}

void TLineBuilder::Box(const TLayoutItem& item, int width, int height, TVerticalAlign valign, int marginX, int marginY) {
    BeginContent();
    const int outer = width + 2 * marginX;
    int space = FSpaceFont >= 0 && !FPieces.empty() ? FEngine.Canvas.TextWidth(FSpaceFont, L" ") : 0;
    if (!FPieces.empty() && FUsed + space + outer > FWidth) {
        Commit(false);
        space = 0;
    }
    if (space > 0 && FPieces.back().Item.Kind == TItemKind::Text) {
        ++FPieces.back().Item.TextLength;
        FPieces.back().Width += space;
        FEngine.Out->Text += L' ';
        FUsed += space;
    }
    FSpaceFont = -1;
    TPiece piece;
    piece.Item = item;
    piece.Width = outer;
    piece.Ascent = height + 2 * marginY;
    piece.MarginX = marginX;
    piece.MarginY = marginY;
    piece.VAlign = valign;
    FUsed += outer;
    FPieces.push_back(piece);
}

void TLineBuilder::Break() {
    BeginContent();
    Commit(true);
}

int TLineBuilder::Finish(int& pendingMargin) {
    if (!FPieces.empty()) Commit(false);
    pendingMargin = FPendingMargin;
    return FY;
}

void TLineBuilder::Restart(int y, int pendingMargin) {
    FPieces.clear();
    FUsed = 0;
    FSpaceFont = -1;
    FY = y;
    FPendingMargin = pendingMargin;
}

void TLineBuilder::Commit(bool forced) {
    THtmlLayout& out = *FEngine.Out;
    const TFontMetrics strut = FEngine.Canvas.Metrics(FStrutFont);
    if (FPieces.empty()) {
        if (!forced) return;
        if (FEngine.Marker.Active) FEngine.EmitMarker(FX, FY + strut.Ascent);
        FY += strut.Height();
        out.Text += L'\n';
        return;
    }
    int ascent = strut.Ascent, descent = strut.Descent;
    for (TPiece& p : FPieces) {
        int a, d, shift = 0;
        if (p.Item.Kind == TItemKind::Text) {
            const TFontMetrics m = FEngine.Canvas.Metrics(p.Item.Font);
            a = m.Ascent;
            d = m.Descent;
            if (p.VAlign == TVerticalAlign::Sub) shift = m.Height() / 4;
            if (p.VAlign == TVerticalAlign::Super) shift = -m.Height() / 3;
        } else {
            const int h = p.Ascent;
            switch (p.VAlign) {
            case TVerticalAlign::Top: a = strut.Ascent; d = h - a; break;
            case TVerticalAlign::Middle: a = (h + strut.Ascent - strut.Descent) / 2; d = h - a; break;
            default: a = h; d = 0; break;
            }
            p.Descent = d;
            p.Ascent = a;
        }
        p.Item.Baseline = shift;
        ascent = std::max(ascent, a - shift);
        descent = std::max(descent, d + shift);
    }
    const int baseline = FY + ascent;
    int x = FX;
    if (FAlign == TTextAlign::Center) x += std::max(0, (FWidth - FUsed) / 2);
    else if (FAlign == TTextAlign::Right) x += std::max(0, FWidth - FUsed);
    for (TPiece& p : FPieces) {
        TLayoutItem item = p.Item;
        if (item.Kind == TItemKind::Text) {
            const TFontMetrics m = FEngine.Canvas.Metrics(item.Font);
            item.Baseline = baseline + p.Item.Baseline;
            item.Box = {x, item.Baseline - m.Ascent, x + p.Width, item.Baseline + m.Descent};
        } else {
            const int top = baseline - p.Ascent + p.MarginY;
            item.Box = {x + p.MarginX, top, x + p.Width - p.MarginX, baseline + p.Descent - p.MarginY};
            item.Baseline = baseline;
        }
        out.Items.push_back(item);
        x += p.Width;
    }
    out.Width = std::max(out.Width, x);
    out.Text += L'\n';
    if (FEngine.Marker.Active) FEngine.EmitMarker(FX, baseline);
    FY = baseline + descent;
    FPieces.clear();
    FUsed = 0;
    FSpaceFont = -1;
}

// ------------------------------------------------------------------ engine

std::unique_ptr<THtmlLayout> THtmlLayoutEngine::TImpl::Run(const THtmlDocument& doc, int width) {
    auto layout = std::make_unique<THtmlLayout>();
    Out = layout.get();
    Doc = &doc;
    Link = -1;
    Marker = {};
    ListCounters.clear();
    MeasureCache.clear();
    Grids.clear();
    width = std::max(width, 1);
    if (const THtmlNode* body = doc.Body(); body && body->Style) layout->Background = body->Style->Background;
    if (layout->Background == clNone)
        for (const auto& top : doc.Root.Children)
            if (top->Tag == Html && top->Style) layout->Background = top->Style->Background;
    const THtmlStyle& rootStyle = *doc.Root.Style;
    TLineBuilder lines(*this, 0, width, 0, TTextAlign::Left, FontOf(rootStyle));
    TFlow flow{0, width, &lines};
    FlowChildren(doc.Root, flow);
    int pending = 0;
    layout->Height = lines.Finish(pending) + pending;
    layout->Width = std::max(layout->Width, width);
    Out = nullptr;
    return layout;
}

int THtmlLayoutEngine::TImpl::FontOf(const THtmlStyle& s) {
    const std::uint64_t key = static_cast<std::uint64_t>(s.Face) | static_cast<std::uint64_t>(s.FontSize & 0xFFFF) << 16 |
                              static_cast<std::uint64_t>(s.Bold | s.Italic << 1 | s.Underline << 2 | s.Strike << 3) << 32;
    if (const auto it = FontIds.find(key); it != FontIds.end()) return it->second;
    THtmlFont font;
    font.Face = s.Face == DefaultFace    ? Options.DefaultFace
                : s.Face == MonospaceFace ? Options.MonospaceFace
                : Doc && s.Face < Doc->Faces.size() ? Doc->Faces[s.Face]
                                                    : Options.DefaultFace;
    font.Size = s.FontSize;
    font.Bold = s.Bold;
    font.Italic = s.Italic;
    font.Underline = s.Underline;
    font.Strike = s.Strike;
    const int id = Canvas.RegisterFont(font);
    FontIds.emplace(key, id);
    return id;
}

int THtmlLayoutEngine::TImpl::ControlFont() {
    THtmlFont font;
    font.Face = Options.ControlFace;
    font.Size = ControlFontSize;
    return Canvas.RegisterFont(font);
}

int THtmlLayoutEngine::TImpl::AddBorder(const TSides& sides, int look) {
    Out->Borders.push_back(sides);
    Out->BorderLook.push_back(static_cast<std::uint8_t>(look));
    return static_cast<int>(Out->Borders.size() - 1);
}

void THtmlLayoutEngine::TImpl::TranslateItems(std::size_t from, std::size_t to, int dx, int dy) {
    if (dx == 0 && dy == 0) return;
    for (std::size_t i = from; i < to; ++i) {
        TLayoutItem& item = Out->Items[i];
        item.Box = item.Box.Offset(dx, dy);
        item.Baseline += dy;
    }
}

void THtmlLayoutEngine::TImpl::FlowChildren(const THtmlNode& node, TFlow& flow) {
    for (const auto& child : node.Children) FlowNode(*child, flow);
}

void THtmlLayoutEngine::TImpl::Anchor(const std::wstring& name, TFlow& flow) { Anchor(name, flow.X, flow.Lines->LineTop()); }

void THtmlLayoutEngine::TImpl::Anchor(const std::wstring& name, int x, int top) {
    TLayoutItem item;
    item.Kind = TItemKind::Anchor;
    item.Box = {x, top, x, top};
    item.Index = static_cast<int>(Out->AnchorNames.size());
    Out->AnchorNames.push_back(name);
    Out->Items.push_back(item);
}

void THtmlLayoutEngine::TImpl::FlowNode(const THtmlNode& node, TFlow& flow) {
    if (node.IsText()) {
        Text(node, *node.Style, flow);
        return;
    }
    const THtmlStyle& s = *node.Style;
    if (s.Display == TDisplay::None) return;
    if (const std::wstring* id = node.Attribute(L"id"); id && !IsBlockLevel(s.Display)) Anchor(*id, flow);
    if (IsBlockLevel(s.Display)) {
        if (s.Display == TDisplay::Table && Depth < MaxTableDepth) Table(node, flow);
        else Block(node, flow);
        return;
    }
    switch (node.Tag) {
    case Br: flow.Lines->Break(); return;
    case Img: Image(node, flow); return;
    case Input: case Select: case Textarea: case Button: Control(node, flow); return;
    case A: {
        if (const std::wstring* name = node.Attribute(L"name")) Anchor(*name, flow);
        const int outer = Link;
        if (const std::wstring* href = node.Attribute(L"href")) {
            Link = static_cast<int>(Out->Links.size());
            Out->Links.push_back({*href, node.AttributeOr(L"target")});
        }
        FlowChildren(node, flow);
        Link = outer;
        return;
    }
    default: FlowChildren(node, flow); return;
    }
}

void THtmlLayoutEngine::TImpl::Text(const THtmlNode& node, const THtmlStyle& s, TFlow& flow) {
    if (s.Hidden) return;
    const int font = FontOf(s);
    const TColor back = node.Parent && node.Parent->Style && node.Parent->Style->Display == TDisplay::Inline
                            ? node.Parent->Style->Background
                            : clNone;
    const std::wstring& text = node.Text;
    TLineBuilder& lines = *flow.Lines;
    if (s.WhiteSpace == TWhiteSpace::Pre) {
        std::size_t start = 0;
        // The line break right after <pre> belongs to the mark-up, not the text.
        if (node.Parent && node.Parent->Children.front().get() == &node && node.Parent->Style &&
            node.Parent->Style->WhiteSpace == TWhiteSpace::Pre && node.Parent->Style->Display != TDisplay::Inline) {
            if (text.starts_with(L"\r\n")) start = 2;
            else if (text.starts_with(L"\n")) start = 1;
        }
        std::wstring line;
        for (std::size_t i = start; i <= text.size(); ++i) {
            const wchar_t c = i < text.size() ? text[i] : L'\n';
            if (c == L'\n' || line.size() >= MaxWordLength) {
                lines.Word(line, font, s.Color, back, Link, s.VAlign, false);
                line.clear();
                if (c == L'\n' && i < text.size()) lines.Break();
                if (c == L'\n') continue;
            }
            if (c == L'\r') continue;
            if (c == L'\t') line.append(8 - line.size() % 8, L' ');
            else line += c;
        }
        return;
    }
    const bool breakable = s.WhiteSpace != TWhiteSpace::NoWrap;
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsSpace(text[i])) {
            while (i < text.size() && IsSpace(text[i])) ++i;
            lines.Space(font, Link);
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && !IsSpace(text[i]) && i - start < MaxWordLength) ++i;
        lines.Word(std::wstring_view(text).substr(start, i - start), font, s.Color, back, Link, s.VAlign, breakable);
    }
}

void THtmlLayoutEngine::TImpl::EmitMarker(int left, int baseline) {
    Marker.Active = false;
    if (Marker.Style == TListStyle::None || Marker.Font < 0) return;
    const TFontMetrics m = Canvas.Metrics(Marker.Font);
    TLayoutItem item;
    item.Color = Marker.Color;
    item.Font = Marker.Font;
    item.Baseline = baseline;
    const int em = m.Height();
    if (Marker.Style == TListStyle::Disc || Marker.Style == TListStyle::Circle || Marker.Style == TListStyle::Square) {
        const int size = std::max(em / 3, 4);
        const int right = left - em / 2;
        const int middle = baseline - m.Ascent * 2 / 5;
        item.Kind = TItemKind::Bullet;
        item.Index = static_cast<int>(Marker.Style);
        item.Box = {right - size, middle - size / 2, right, middle - size / 2 + size};
    } else {
        const std::wstring text = MarkerText(Marker.Style, Marker.Number);
        const int width = Canvas.TextWidth(Marker.Font, text);
        item.Kind = TItemKind::Marker;
        item.Index = static_cast<int>(Out->Strings.size());
        Out->Strings.push_back(text);
        const int right = left - em / 4;
        item.Box = {right - width, baseline - m.Ascent, right, baseline + m.Descent};
    }
    Out->Items.push_back(item);
}

void THtmlLayoutEngine::TImpl::Block(const THtmlNode& node, TFlow& flow) {
    const THtmlStyle& s = *node.Style;
    int pending = 0;
    int y = flow.Lines->Finish(pending);
    y += std::max(pending, s.Margin.Top);
    const int extraH = s.Border.Horizontal() + s.Padding.Horizontal();
    const int avail = flow.Width - s.Margin.Left - s.Margin.Right;
    int x = flow.X + s.Margin.Left;
    int outerWidth = avail;
    if (!s.Width.IsAuto()) {
        const int w = s.Width.Resolve(flow.Width, avail);
        outerWidth = node.Tag == Hr ? w : w + extraH;
        const int free = avail - outerWidth;
        if (free > 0 && s.AutoMarginLeft && s.AutoMarginRight) x += free / 2;
        else if (free > 0 && s.AutoMarginLeft) x += free;
    }
    outerWidth = std::max(outerWidth, extraH);
    if (const std::wstring* id = node.Attribute(L"id")) Anchor(*id, x, y);
    ++Depth;
    std::size_t fill = Out->Items.size();
    const bool painted = s.Background != clNone && node.Tag != Body && node.Tag != Html;
    if (painted) {
        TLayoutItem bg;
        bg.Kind = TItemKind::Fill;
        bg.Color = s.Background;
        Out->Items.push_back(bg);
    }
    int height;
    if (node.Tag == Hr) {
        height = s.Height.IsAuto() ? 2 : std::max(s.Height.Resolve(0, 2), 1);
        TLayoutItem rule;
        rule.Kind = TItemKind::Rule;
        rule.Box = {x, y, x + outerWidth, y + height};
        rule.Color = s.BorderInset ? clNone : (s.Background != clNone ? s.Background : s.BorderColor);
        Out->Items.push_back(rule);
        if (painted) Out->Items.erase(Out->Items.begin() + static_cast<std::ptrdiff_t>(fill));
        flow.Lines->Restart(y + height, s.Margin.Bottom);
        --Depth;
        return;
    }
    const int contentX = x + s.Border.Left + s.Padding.Left;
    const int contentY = y + s.Border.Top + s.Padding.Top;
    if (s.Display == TDisplay::ListItem) {
        const THtmlNode* list = node.Parent;
        auto [it, fresh] = ListCounters.try_emplace(list, 0);
        if (fresh && list) it->second = AttrInt(*list, L"start", 1) - 1;
        if (node.HasAttribute(L"value")) it->second = AttrInt(node, L"value", it->second + 1) - 1;
        Marker = {true, s.ListStyle, ++it->second, FontOf(s), s.Color};
    }
    int content = BlockContent(node, contentX, contentY, outerWidth - extraH);
    if (Marker.Active && s.Display == TDisplay::ListItem) EmitMarker(contentX, contentY + Canvas.Metrics(FontOf(s)).Ascent);
    if (!s.Height.IsAuto()) content = std::max(content, s.Height.Resolve(0, content));
    height = content + s.Border.Vertical() + s.Padding.Vertical();
    const TRect box{x, y, x + outerWidth, y + height};
    if (painted) Out->Items[fill].Box = box;
    if (s.Border.Top || s.Border.Right || s.Border.Bottom || s.Border.Left) {
        TLayoutItem frame;
        frame.Kind = TItemKind::Border;
        frame.Box = box;
        frame.Color = s.BorderColor;
        frame.Index = AddBorder(s.Border, s.BorderInset ? 1 : 0);
        Out->Items.push_back(frame);
    }
    Out->Width = std::max(Out->Width, box.Right);
    flow.Lines->Restart(y + height, s.Margin.Bottom);
    --Depth;
}

int THtmlLayoutEngine::TImpl::BlockContent(const THtmlNode& node, int x, int y, int width) {
    const THtmlStyle& s = *node.Style;
    TLineBuilder lines(*this, x, width, y, s.Align, FontOf(s));
    TFlow inner{x, std::max(width, 1), &lines};
    FlowChildren(node, inner);
    int pending = 0;
    const int bottom = lines.Finish(pending);
    return bottom - y + pending;
}

TSize THtmlLayoutEngine::TImpl::ImageSize(const THtmlNode& node, const TBitmap* picture, const THtmlStyle& s) {
    int w = s.Width.IsAuto() ? -1 : s.Width.Resolve(0, -1);
    int h = s.Height.IsAuto() ? -1 : s.Height.Resolve(0, -1);
    if (picture && !picture->Empty()) {
        if (w < 0 && h < 0) return {picture->Width(), picture->Height()};
        if (w < 0) w = picture->Width() * h / std::max(picture->Height(), 1);
        if (h < 0) h = picture->Height() * w / std::max(picture->Width(), 1);
        return {std::clamp(w, 0, 10000), std::clamp(h, 0, 10000)};
    }
    const std::wstring alt = node.AttributeOr(L"alt");
    const int font = FontOf(s);
    if (w < 0) w = alt.empty() ? 16 : Canvas.TextWidth(font, alt) + 8;
    if (h < 0) h = alt.empty() ? 16 : Canvas.Metrics(font).Height() + 6;
    return {std::clamp(w, 0, 10000), std::clamp(h, 0, 10000)};
}

void THtmlLayoutEngine::TImpl::Image(const THtmlNode& node, TFlow& flow) {
    const THtmlStyle& s = *node.Style;
    const std::wstring src = node.AttributeOr(L"src");
    const TBitmap* picture = Images && !src.empty() ? Images->Image(src) : nullptr;
    const TSize size = ImageSize(node, picture, s);
    TLayoutItem item;
    item.Link = Link;
    item.Frame = s.Border.Left;
    item.Color = s.Border.Left > 0 ? (Link >= 0 ? s.Color : s.BorderColor) : clNone;
    item.Font = FontOf(s);
    if (picture && !picture->Empty()) {
        item.Kind = TItemKind::Image;
        item.Index = static_cast<int>(Out->Images.size());
        Out->Images.push_back(picture);
    } else {
        item.Kind = TItemKind::AltBox;
        item.Index = static_cast<int>(Out->Strings.size());
        Out->Strings.push_back(node.AttributeOr(L"alt"));
        item.Color = s.Color;
    }
    flow.Lines->Box(item, size.cx + 2 * item.Frame, size.cy + 2 * item.Frame, s.VAlign, s.Margin.Left, s.Margin.Top);
}

TSize THtmlLayoutEngine::TImpl::ControlSize(const THtmlNode&, const THtmlFormControl& c) {
    const int font = ControlFont();
    const int line = Canvas.Metrics(font).Height();
    const int digit = std::max(Canvas.TextWidth(font, L"0"), 1);
    switch (c.Kind) {
    case TControlKind::Text: case TControlKind::Password: return {c.Size * digit + 8, line + 8};
    case TControlKind::Checkbox: case TControlKind::Radio: return {13, 13};
    case TControlKind::Submit: case TControlKind::Reset: case TControlKind::Button:
        return {Canvas.TextWidth(font, c.Value) + 16, line + 10};
    case TControlKind::TextArea: return {c.Cols * digit + 24, c.Rows * line + 8};
    case TControlKind::Select: {
        int widest = 0;
        for (const auto& option : c.Options) widest = std::max(widest, Canvas.TextWidth(font, option.second));
        return {widest + 28, c.Size > 1 ? c.Size * line + 6 : line + 8};
    }
    case TControlKind::Hidden: return {0, 0};
    }
    return {0, 0};
}

void THtmlLayoutEngine::TImpl::Control(const THtmlNode& node, TFlow& flow) {
    if (!Forms || node.Control < 0 || node.Control >= static_cast<int>(Forms->Controls.size())) return;
    const THtmlFormControl& c = Forms->Controls[static_cast<std::size_t>(node.Control)];
    if (c.Kind == TControlKind::Hidden) return;
    const TSize size = ControlSize(node, c);
    TLayoutItem item;
    item.Kind = TItemKind::Control;
    item.Index = node.Control;
    item.Font = ControlFont();
    item.Link = -1;
    const bool box = c.Kind == TControlKind::Checkbox || c.Kind == TControlKind::Radio;
    flow.Lines->Box(item, size.cx, size.cy, box ? TVerticalAlign::Baseline : TVerticalAlign::Middle, box ? 3 : 1,
                    box ? 0 : 1);
}
