// How wide content wants to be: the widest piece that cannot be broken
// (Min) and the width of everything on one line (Max), as tables need them
// to share their width among their columns.
#include <algorithm>

#include "ui/html/layout_impl.h"
#include "ui/platform/graphics/bitmap.h"

struct THtmlLayoutEngine::TImpl::TMeasureState {
    int Min = 0;
    int Max = 0;
    int Line = 0;
    bool Space = false;
    int SpaceWidth = 0;

    void EndLine() {
        Max = std::max(Max, Line);
        Line = 0;
        Space = false;
    }
    void Add(int width, bool breakBefore) {
        if (Space && Line > 0) Line += SpaceWidth;
        Space = false;
        Line += width;
        if (breakBefore) Min = std::max(Min, width);
    }
};

namespace {

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || c == L'\f'; }

}  // namespace

TWidths THtmlLayoutEngine::TImpl::Measure(const THtmlNode& node) {
    if (const auto it = MeasureCache.find(&node); it != MeasureCache.end()) return it->second;
    TMeasureState state;
    ++Depth;
    MeasureInline(node, state);
    --Depth;
    state.EndLine();
    const TWidths widths{state.Min, std::max(state.Max, state.Min)};
    MeasureCache.emplace(&node, widths);
    return widths;
}

void THtmlLayoutEngine::TImpl::MeasureInline(const THtmlNode& node, TMeasureState& st) {
    for (const auto& childPtr : node.Children) {
        const THtmlNode& child = *childPtr;
        const THtmlStyle& s = *child.Style;
        if (child.IsText()) {
            const int font = FontOf(s);
            const std::wstring& text = child.Text;
            if (s.WhiteSpace == TWhiteSpace::Pre) {
                std::size_t start = 0;
                for (std::size_t i = 0; i <= text.size(); ++i) {
                    if (i < text.size() && text[i] != L'\n') continue;
                    const int w = Canvas.TextWidth(font, std::wstring_view(text).substr(start, i - start));
                    st.Line += w;
                    st.Min = std::max(st.Min, st.Line);
                    if (i < text.size()) st.EndLine();
                    start = i + 1;
                }
                continue;
            }
            st.SpaceWidth = Canvas.TextWidth(font, L" ");
            const bool nowrap = s.WhiteSpace == TWhiteSpace::NoWrap;
            std::size_t i = 0;
            while (i < text.size()) {
                if (IsSpace(text[i])) {
                    while (i < text.size() && IsSpace(text[i])) ++i;
                    st.Space = true;
                    continue;
                }
                const std::size_t start = i;
                while (i < text.size() && !IsSpace(text[i])) ++i;
                const int w = Canvas.TextWidth(font, std::wstring_view(text).substr(start, i - start));
                st.Add(w, true);
                if (nowrap) st.Min = std::max(st.Min, st.Line);
            }
            continue;
        }
        if (s.Display == TDisplay::None) continue;
        if (s.Display != TDisplay::Inline) {
            st.EndLine();
            TWidths inner = s.Display == TDisplay::Table ? MeasureTable(child) : Measure(child);
            const int extra = s.Margin.Horizontal() + s.Border.Horizontal() + s.Padding.Horizontal();
            if (s.Width.Unit == TLength::Px && s.Display != TDisplay::Table) {
                const int fixed = static_cast<int>(s.Width.Value) + (child.Tag == THtmlTag::Hr ? 0 : s.Border.Horizontal() + s.Padding.Horizontal());
                inner = {std::max(fixed, inner.Min), std::max(fixed, inner.Min)};
                st.Min = std::max(st.Min, inner.Min + s.Margin.Horizontal());
                st.Max = std::max(st.Max, inner.Max + s.Margin.Horizontal());
                continue;
            }
            st.Min = std::max(st.Min, inner.Min + extra);
            st.Max = std::max(st.Max, inner.Max + extra);
            continue;
        }
        switch (child.Tag) {
        case THtmlTag::Br: st.EndLine(); break;
        case THtmlTag::Img: {
            const std::wstring src = child.AttributeOr(L"src");
            const TBitmap* picture = Images && !src.empty() ? Images->Image(src) : nullptr;
            const TSize size = ImageSize(child, picture, s);
            st.Add(size.cx + 2 * s.Border.Left + s.Margin.Horizontal(), true);
            break;
        }
        case THtmlTag::Input: case THtmlTag::Select: case THtmlTag::Textarea: case THtmlTag::Button:
            if (Forms && child.Control >= 0 && child.Control < static_cast<int>(Forms->Controls.size()))
                st.Add(ControlSize(child, Forms->Controls[static_cast<std::size_t>(child.Control)]).cx + 2, true);
            break;
        default: MeasureInline(child, st); break;
        }
    }
}
