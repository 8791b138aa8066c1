#include "ui/html/html_painter.h"

#include <algorithm>

#include "ui/html/html_forms.h"

namespace {

const TColor Shadow = clGray;
const TColor Light = static_cast<TColor>(0xE0E0E0);
const TColor DarkShadow = static_cast<TColor>(0x404040);
const TColor Face = clBtnFace;

void Edge(THtmlCanvas& c, const TRect& r, const TSides& w, TColor topLeft, TColor bottomRight) {
    c.FillRect({r.Left, r.Top, r.Right, r.Top + w.Top}, topLeft);
    c.FillRect({r.Left, r.Top, r.Left + w.Left, r.Bottom}, topLeft);
    c.FillRect({r.Left, r.Bottom - w.Bottom, r.Right, r.Bottom}, bottomRight);
    c.FillRect({r.Right - w.Right, r.Top, r.Right, r.Bottom}, bottomRight);
}

void Sunken(THtmlCanvas& c, const TRect& r) {
    Edge(c, r, {1, 1, 1, 1}, Shadow, clWhite);
    Edge(c, r.Inflate(-1, -1), {1, 1, 1, 1}, DarkShadow, Light);
}

void Raised(THtmlCanvas& c, const TRect& r) {
    Edge(c, r, {1, 1, 1, 1}, clWhite, DarkShadow);
    Edge(c, r.Inflate(-1, -1), {1, 1, 1, 1}, Light, Shadow);
}

void TextInBox(THtmlCanvas& c, int font, const TRect& r, std::wstring_view text, TColor color, bool centre) {
    const TFontMetrics m = c.Metrics(font);
    const int width = c.TextWidth(font, text);
    const int x = centre ? r.Left + (r.Width() - width) / 2 : r.Left + 3;
    const int baseline = r.Top + (r.Height() - m.Height()) / 2 + m.Ascent;
    c.PushClip(r);
    c.DrawText(font, x, baseline, text, color);
    c.PopClip();
}

void Arrow(THtmlCanvas& c, const TRect& r) {
    const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2 - 1;
    for (int i = 0; i < 4; ++i) c.FillRect({cx - 3 + i, cy + i, cx + 4 - i, cy + i + 1}, clBlack);
}

void PaintControl(THtmlCanvas& c, const TLayoutItem& item, const THtmlFormControl& control, bool focused) {
    const TRect& r = item.Box;
    switch (control.Kind) {
    case TControlKind::Text: case TControlKind::Password: {
        c.FillRect(r, clWhite);
        Sunken(c, r);
        const std::wstring shown = control.Kind == TControlKind::Password ? std::wstring(control.Value.size(), L'*') : control.Value;
        TextInBox(c, item.Font, r.Inflate(-2, -2), shown, clBlack, false);
        if (focused) {
            const int x = std::min(r.Left + 5 + c.TextWidth(item.Font, shown), r.Right - 3);
            c.FillRect({x, r.Top + 4, x + 1, r.Bottom - 4}, clBlack);
        }
        break;
    }
    case TControlKind::TextArea: {
        c.FillRect(r, clWhite);
        Sunken(c, r);
        const TFontMetrics m = c.Metrics(item.Font);
        c.PushClip(r.Inflate(-2, -2));
        int y = r.Top + 4 + m.Ascent;
        std::size_t start = 0;
        const std::wstring& v = control.Value;
        while (start <= v.size() && y - m.Ascent < r.Bottom) {
            std::size_t end = v.find(L'\n', start);
            if (end == std::wstring::npos) end = v.size();
            std::wstring line = v.substr(start, end - start);
            if (!line.empty() && line.back() == L'\r') line.pop_back();
            c.DrawText(item.Font, r.Left + 4, y, line, clBlack);
            y += m.Height();
            start = end + 1;
        }
        c.PopClip();
        break;
    }
    case TControlKind::Checkbox:
        c.FillRect(r, clWhite);
        Sunken(c, r);
        if (control.Checked)
            for (int i = 0; i < 3; ++i) {
                c.DrawLine({r.Left + 3, r.Top + 5 + i}, {r.Left + 5, r.Top + 7 + i}, clBlack);
                c.DrawLine({r.Left + 5, r.Top + 7 + i}, {r.Left + 9, r.Top + 3 + i}, clBlack);
            }
        break;
    case TControlKind::Radio:
        c.Ellipse(r, clWhite, Shadow);
        if (control.Checked) c.Ellipse(r.Inflate(-4, -4), clBlack, clBlack);
        break;
    case TControlKind::Submit: case TControlKind::Reset: case TControlKind::Button:
        c.FillRect(r, Face);
        Raised(c, r);
        TextInBox(c, item.Font, r, control.Value, clBtnText, true);
        break;
    case TControlKind::Select: {
        c.FillRect(r, clWhite);
        Sunken(c, r);
        const std::wstring shown = control.Options.empty() ? std::wstring()
                                                           : control.Options[static_cast<std::size_t>(control.Selected)].second;
        const TRect button{r.Right - 18, r.Top + 2, r.Right - 2, r.Bottom - 2};
        TextInBox(c, item.Font, {r.Left + 2, r.Top + 2, button.Left, r.Bottom - 2}, shown, clBlack, false);
        c.FillRect(button, Face);
        Raised(c, button);
        Arrow(c, button);
        break;
    }
    case TControlKind::Hidden: break;
    }
}

void PaintBullet(THtmlCanvas& c, const TLayoutItem& item) {
    switch (static_cast<TListStyle>(item.Index)) {
    case TListStyle::Disc: c.Ellipse(item.Box, item.Color, item.Color); break;
    case TListStyle::Circle: c.Ellipse(item.Box, clNone, item.Color); break;
    default: c.FillRect(item.Box, item.Color); break;
    }
}

void PaintBorder(THtmlCanvas& c, const THtmlLayout& layout, const TLayoutItem& item) {
    const auto index = static_cast<std::size_t>(item.Index);
    const TSides& w = layout.Borders[index];
    switch (layout.BorderLook[index]) {
    case 1: Edge(c, item.Box, w, Shadow, Light); break;
    case 2: Edge(c, item.Box, w, Light, Shadow); break;
    default: Edge(c, item.Box, w, item.Color, item.Color); break;
    }
}

void PaintText(THtmlCanvas& c, const THtmlLayout& layout, const TLayoutItem& item, const TTextRange& sel) {
    const std::wstring_view text = layout.ItemText(item);
    if (item.Back != clNone) c.FillRect(item.Box, item.Back);
    const int start = std::max(sel.Start, item.TextStart) - item.TextStart;
    const int end = std::min(sel.End, item.TextStart + item.TextLength) - item.TextStart;
    if (end <= start) {
        c.DrawText(item.Font, item.Box.Left, item.Baseline, text, item.Color);
        return;
    }
    const auto s = static_cast<std::size_t>(start), e = static_cast<std::size_t>(end);
    const int x0 = item.Box.Left + c.TextWidth(item.Font, text.substr(0, s));
    const int x1 = x0 + c.TextWidth(item.Font, text.substr(s, e - s));
    c.DrawText(item.Font, item.Box.Left, item.Baseline, text, item.Color);
    const TRect band{x0, item.Box.Top, x1, item.Box.Bottom};
    c.FillRect(band, clHighlight);
    c.PushClip(band);
    c.DrawText(item.Font, item.Box.Left, item.Baseline, text, clHighlightText);
    c.PopClip();
}

void PaintAltBox(THtmlCanvas& c, const THtmlLayout& layout, const TLayoutItem& item) {
    const TRect& r = item.Box;
    c.FrameRect(r, Shadow);
    const std::wstring& alt = layout.Strings[static_cast<std::size_t>(item.Index)];
    if (alt.empty() || r.Width() < 6 || r.Height() < 4) return;
    const TFontMetrics m = c.Metrics(item.Font);
    c.PushClip(r.Inflate(-2, -2));
    c.DrawText(item.Font, r.Left + 4, r.Top + 3 + m.Ascent, alt, item.Color == clNone ? clBlack : item.Color);
    c.PopClip();
}

}  // namespace

void PaintLayout(const THtmlLayout& layout, THtmlCanvas& canvas, const TRect& visible, const TTextRange& selection,
                 const THtmlForms* forms, int focusedControl) {
    for (const TLayoutItem& item : layout.Items) {
        const TRect& b = item.Box;
        if (b.Bottom < visible.Top || b.Top > visible.Bottom || b.Right < visible.Left || b.Left > visible.Right) continue;
        switch (item.Kind) {
        case TItemKind::Fill: canvas.FillRect(b, item.Color); break;
        case TItemKind::Border: PaintBorder(canvas, layout, item); break;
        case TItemKind::Text: PaintText(canvas, layout, item, selection); break;
        case TItemKind::Image: {
            const TRect inner = b.Inflate(-item.Frame, -item.Frame);
            canvas.DrawImage(inner, *layout.Images[static_cast<std::size_t>(item.Index)]);
            if (item.Frame > 0) Edge(canvas, b, {item.Frame, item.Frame, item.Frame, item.Frame}, item.Color, item.Color);
            break;
        }
        case TItemKind::AltBox: PaintAltBox(canvas, layout, item); break;
        case TItemKind::Control:
            if (forms && item.Index >= 0 && item.Index < static_cast<int>(forms->Controls.size()))
                PaintControl(canvas, item, forms->Controls[static_cast<std::size_t>(item.Index)], item.Index == focusedControl);
            break;
        case TItemKind::Bullet: PaintBullet(canvas, item); break;
        case TItemKind::Marker:
            canvas.DrawText(item.Font, b.Left, item.Baseline, layout.Strings[static_cast<std::size_t>(item.Index)], item.Color);
            break;
        case TItemKind::Rule:
            if (item.Color != clNone) canvas.FillRect(b, item.Color);
            else Edge(canvas, b, {1, 1, 1, 1}, Shadow, Light);
            break;
        case TItemKind::Anchor: break;
        }
    }
}
