#include "ui/controls/mbutton.h"

#include <algorithm>

#include "ui/controls/draw_helpers.h"
#include "ui/platform/application.h"

namespace {

// The glyph states: the strip's cells for up, disabled and pressed.
enum { gsUp, gsDisabled, gsDown };

bool Horizontal(TButtonLayout layout) { return layout == blGlyphLeft || layout == blGlyphRight; }

// One glyph cell of a strip, its see-through colour being the strip's top-left pixel's.
void DrawGlyphCell(TCanvas& canvas, const TBitmap& strip, int numGlyphs, int state, TPoint at, int cellWidth) {
    if (cellWidth <= 0) return;
    const int cell = state < numGlyphs ? state : gsUp;
    const int left = cell * cellWidth;
    const int right = cell == numGlyphs - 1 ? strip.Width() : left + cellWidth;
    DrawTransparentPart(canvas, Bounds(at.X, at.Y, cellWidth, strip.Height()), strip, {left, 0, right, strip.Height()},
                        strip.Pixel(0, 0));
}

}  // namespace

TGlyphLayout CalcGlyphLayout(TSize client, TSize glyph, TSize text, TButtonLayout layout, int margin, int spacing) {
    TGlyphLayout result;
    const bool horizontal = Horizontal(layout);
    if (horizontal) {
        result.Glyph.Y = client.cy / 2 - glyph.cy / 2;
        result.Text.Y = client.cy / 2 - text.cy / 2;
    } else {
        result.Glyph.X = client.cx / 2 - glyph.cx / 2;
        result.Text.X = client.cx / 2 - text.cx / 2;
    }
    if (text.cx == 0 || glyph.cx == 0) spacing = 0;
    const int room = horizontal ? client.cx : client.cy;
    const int glyphSize = horizontal ? glyph.cx : glyph.cy;
    const int textSize = horizontal ? text.cx : text.cy;
    if (margin == -1 && spacing == -1) {
        margin = (room - (glyphSize + textSize)) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = room / 2 - (glyphSize + spacing + textSize) / 2;
    } else if (spacing == -1) {
        spacing = (room - (margin + glyphSize)) / 2 - textSize / 2;
    }
    switch (layout) {
    case blGlyphLeft:
        result.Glyph.X = margin;
        result.Text.X = margin + glyph.cx + spacing;
        break;
    case blGlyphRight:
        result.Glyph.X = client.cx - margin - glyph.cx;
        result.Text.X = result.Glyph.X - spacing - text.cx;
        break;
    case blGlyphTop:
        result.Glyph.Y = margin;
        result.Text.Y = margin + glyph.cy + spacing;
        break;
    case blGlyphBottom:
        result.Glyph.Y = client.cy - margin - glyph.cy;
        result.Text.Y = result.Glyph.Y - spacing - text.cy;
        break;
    }
    return result;
}

std::wstring MeasuredCaption(std::wstring_view caption) {
    std::wstring measured(caption);
    if (measured != L"#") std::replace(measured.begin(), measured.end(), L'#', L'\n');
    return measured;
}

void KeepOwnerDrawn(TMessage& m) {
    m.WParam = (m.WParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW;
    m.LParam = FALSE;  // the owner repaints when its own look changes
}

TMButton::TMButton(TComponent* owner) : TButton(owner) {
    DoubleBuffered = true;
    FControlStyle = (FControlStyle & ~static_cast<unsigned>(csDoubleClicks)) | csCaptureMouse;
    SetCaption(std::wstring(KindCaptions[mkCustom]));
    SetColor(clBtnFace);
    SetBounds(Left(), Top(), KindWidths[mkCustom], 40);
}

TMButton::~TMButton() = default;

void TMButton::SetColorOver(TColor value) {
    if (value == FColorOver) return;
    FColorOver = value;
    Invalidate();
}

void TMButton::SetLightButton(bool value) {
    if (value == FLightButton) return;
    FLightButton = value;
    Invalidate();
}

void TMButton::SetGlyph(const TBitmap& value) {
    FGlyph.Assign(value);
    Invalidate();
}

void TMButton::SetModalResult(int value) {
    ModalResult = value;
    MRAssigned = true;
}

void TMButton::SetCaptionVisible(bool value) {
    if (value == FCaption) return;
    FCaption = value;
    Invalidate();
}

void TMButton::SetKind(TMButtonKind value) {
    if (value == FKind || !IsButtonKind(value)) return;
    if (value <= mkLast) FCaption = false;
    if (Caption().empty()) SetCaption(std::wstring(KindCaptions[value]));
    if (!MRAssigned) ModalResult = KindModalResults[value];
    FKind = value;
    Invalidate();
}

void TMButton::SetStyle(TButtonStyle value) {
    if (value == FStyle) return;
    FStyle = value;
    Invalidate();
}

void TMButton::SetSpacing(int value) {
    if (value == FSpacing) return;
    FSpacing = value;
    Invalidate();
}

void TMButton::SetMargin(int value) {
    if (value == FMargin) return;
    FMargin = value;
    Invalidate();
}

void TMButton::SetNumGlyphs(int value) {
    if (value == FNumGlyphs) return;
    FNumGlyphs = value;
    Invalidate();
}

void TMButton::SetButtonLayout(TButtonLayout value) {
    if (value == FButtonLayout) return;
    FButtonLayout = value;
    Invalidate();
}

void TMButton::SetDrawFace(bool value) {
    if (value == FDrawFace) return;
    FDrawFace = value;
    Invalidate();
}

void TMButton::CreateParams(TCreateParams& p) {
    TButton::CreateParams(p);
    p.Style |= BS_OWNERDRAW;
}

void TMButton::SetButtonStyle(bool isDefault) {
    TButton::SetButtonStyle(isDefault);  // Enter still presses the default button
    if (isDefault == IsFocused) return;
    IsFocused = isDefault;
    Invalidate();
}

void TMButton::MouseEnter() {
    TButton::MouseEnter();
    if (FLightButton) {
        auto* active = dynamic_cast<TMButton*>(Screen->ActiveControl());
        if (active && active != this && active->LightButton() && CanFocus()) SetFocus();
    }
    SetDrawFace(true);
}

void TMButton::MouseLeave() {
    TButton::MouseLeave();
    if (!Focused()) SetDrawFace(false);
}

void TMButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case BM_SETSTYLE: KeepOwnerDrawn(m); break;
    case CN_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
        item->itemWidth = static_cast<UINT>(Width());
        item->itemHeight = static_cast<UINT>(Height());
        m.Result = TRUE;
        return;
    }
    case CN_DRAWITEM:
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
        m.Result = TRUE;
        return;
    default: break;
    }
    TButton::WndProc(m);
    if (m.Msg == WM_SETFOCUS) SetDrawFace(true);
    if (m.Msg == WM_KILLFOCUS) SetDrawFace(false);
}

void TMButton::DrawItem(const DRAWITEMSTRUCT& item) {
    const TCanvasBinding binding(FCanvas, item.hDC);
    const bool isDown = (item.itemState & ODS_SELECTED) != 0;
    const bool hasFocus = (item.itemState & ODS_FOCUS) != 0;
    const int glyphState = !Enabled() ? gsDisabled : isDown ? gsDown : gsUp;
    FCanvas.Font().Assign(Font());
    if (IsNewStyle(FStyle) && !FLightButton && (hasFocus || IsFocused)) FCanvas.Font().SetStyle(fsBold);
    const TRect content = DrawFace(item.rcItem, isDown, hasFocus || IsFocused);
    const TRect textRect = DrawGlyphAndCaption(content, glyphState);
    if (!FLightButton && hasFocus) DrawFocus(content, textRect, isDown);
}

TRect TMButton::DrawFace(const TRect& client, bool isDown, bool focused) {
    const int bevelWidth = IsNewStyle(FStyle) ? 1 : 2;
    if (!FLightButton)
        return DrawButtonFace(FCanvas, client, bevelWidth, FColorOver, focused, isDown, !IsNewStyle(FStyle), FStyle);
    if (FDrawFace) return DrawButtonFace(FCanvas, client, bevelWidth, FColorOver, false, isDown, false, FStyle);
    FCanvas.Brush().SetColor(Color());
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.FillRect(client);
    return client;
}

TSize TMButton::MeasureCaption(const std::wstring& caption, int width) {
    if (caption.empty()) return {};
    if (caption.find(L'#') != std::wstring::npos) MessageBeep(0);
    TRect measured{0, 0, width, 0};
    FCanvas.DrawText(MeasuredCaption(caption), measured, DT_CALCRECT);
    return {measured.Width(), measured.Height()};
}

TRect TMButton::DrawGlyphAndCaption(const TRect& content, int glyphState) {
    const TBitmap& strip = FGlyph.Width() >= 1 ? FGlyph : KindGlyph(FKind);
    FOriginal = &strip;
    const int numGlyphs = std::max(FNumGlyphs, 1);
    const TSize glyph = strip.Empty() ? TSize{} : TSize{strip.Width() / numGlyphs, strip.Height()};
    const std::wstring caption = FCaption ? Caption() : std::wstring();
    const TSize text = MeasureCaption(caption, content.Width());
    const TGlyphLayout at = CalcGlyphLayout({content.Width(), content.Height()}, glyph, text, FButtonLayout, FMargin,
                                            FSpacing);
    DrawGlyphCell(FCanvas, strip, numGlyphs, glyphState,
                  {content.Left + at.Glyph.X, content.Top + at.Glyph.Y}, glyph.cx);
    const TRect textRect = Bounds(content.Left + at.Text.X, content.Top + at.Text.Y, text.cx, text.cy);
    DrawCaption(caption, textRect);
    return textRect;
}

void TMButton::DrawCaption(const std::wstring& caption, const TRect& textRect) {
    if (caption.empty()) return;
    FCanvas.Brush().SetStyle(bsClear);
    // Not clipped: a "#" caption is measured as lines but drawn as one, wider, line.
    constexpr UINT format = DT_SINGLELINE | DT_NOCLIP;
    if (Enabled()) {
        DrawShortcutText(FCanvas, caption, textRect, false, clRed, format);
        return;
    }
    // Computed once: later colour changes keep the first disabled shade.
    if (FDisableColor == static_cast<TColor>(-1)) FDisableColor = DarkenColor(Color(), 3);
    FCanvas.Font().SetColor(FDisableColor);
    DrawShortcutText(FCanvas, WithoutAmpersands(caption), textRect, false, FDisableColor, format);
}

void TMButton::DrawFocus(const TRect& content, const TRect& textRect, bool isDown) {
    FCanvas.Brush().SetColor(Color());
    FCanvas.Brush().SetStyle(bsSolid);
    if (IsNewStyle(FStyle)) {
        const TRect around = content.Inflate(-2, -2);
        FCanvas.DrawFocusRect(isDown ? around.Offset(-1, -1) : around);
        return;
    }
    FCanvas.DrawFocusRect(textRect.Inflate(1, 1));
}
