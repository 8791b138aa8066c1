#include "ui/controls/active_edit.h"

#include <algorithm>

#include "ui/controls/draw_helpers.h"
#include "ui/platform/graphics/gdi_handle.h"

namespace {

// Where the client area's top-left corner lies in the window.
TPoint ClientOffset(HWND window) {
    RECT frame;
    GetWindowRect(window, &frame);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return {origin.x - frame.left, origin.y - frame.top};
}

TSize WindowSize(HWND window) {
    RECT frame;
    GetWindowRect(window, &frame);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

int LineHeight(HDC dc) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight;
}

}  // namespace

TActiveEdit::TActiveEdit(TComponent* owner) : TEdit(owner), FLink(*this) { UpdateTextMargin(); }

TActiveEdit::~TActiveEdit() = default;

// A new alignment also drops the one put aside while focused, so a later
// focus change cannot bring the old one back.
void TActiveEdit::SetAlignment(TAlignment value) {
    FOldAlignment = taLeftJustify;
    if (value == FAlignment) return;
    FAlignment = value;
    RecreateWnd();
}

void TActiveEdit::SetBorderColor(TColor value) {
    if (value == FBorderColor) return;
    FBorderColor = value;
    if (FFlatStyle) RecreateWnd();
}

void TActiveEdit::SetBorderColorF(TColor value) {
    if (value == FBorderColorF) return;
    FBorderColorF = value;
    Invalidate();
    if (FFlatStyle) RecreateWnd();
}

void TActiveEdit::SetFlatStyle(bool value) {
    if (value == FFlatStyle) return;
    FFlatStyle = value;
    RecreateWnd();
}

void TActiveEdit::SetBevelOuter(TBevelCut value) {
    if (value == FBevelOuter) return;
    FBevelOuter = value;
    if (FFlatStyle) RecreateWnd();
}

bool TActiveEdit::IsFlat() const { return Ctl3D() && FFlatStyle && BorderStyle() == bsSingle; }

// Aligned text shows the focus; so does nothing else the edit paints.
void TActiveEdit::SetFocused(bool value) {
    if (value == FFocused) return;
    FFocused = value;
    if (FAlignment != taLeftJustify && PasswordChar() == 0) Invalidate();
}

void TActiveEdit::UpdateTextMargin() {
    const TScreenDC screen;
    const int system = LineHeight(screen.Get());  // the screen context's own font
    const HGDIOBJ previous = SelectObject(screen.Get(), Font().Handle());
    const int own = LineHeight(screen.Get());
    SelectObject(screen.Get(), previous);
    FTextMargin = std::min(system, own) / 4;
}

void TActiveEdit::FontChanged() {
    TEdit::FontChanged();
    UpdateTextMargin();
}

TCanvas& TActiveEdit::Canvas() {
    if (!FCanvas) FCanvas = std::make_unique<TCanvas>();
    return *FCanvas;
}

// The repaint asked for here comes later from the queue, so the border
// drawn now still shows the focused colour; the paint itself clears the
// flag again.
void TActiveEdit::FocusGained(TMessage& m) {
    SetFocused(true);
    TEdit::WndProc(m);
    if (FAlignment != taLeftJustify) {
        FOldAlignment = FAlignment;
        FAlignment = taLeftJustify;
    }
    FLink.Highlight();
    Invalidate();
    if (IsFlat()) PaintFlatBorderNow();
}

void TActiveEdit::FocusLost(TMessage& m) {
    TEdit::WndProc(m);
    if (FOldAlignment != taLeftJustify) FAlignment = FOldAlignment;
    SetFocused(false);
    FLink.Restore();
    Invalidate();
    if (IsFlat()) PaintFlatBorderNow();
}

void TActiveEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_SETFOCUS: FocusGained(m); return;
    case WM_KILLFOCUS: FocusLost(m); return;
    case WM_PAINT:
        if (m.WParam) break;  // printed: through PaintWindow
        PaintClient(m, nullptr);
        return;
    default: break;
    }
    TEdit::WndProc(m);
}

void TActiveEdit::PaintWindow(HDC dc) {
    TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    PaintClient(m, dc);
}

void TActiveEdit::PaintClient(TMessage& m, HDC dc) {
    SetFocused(false);
    if (FAlignment == taLeftJustify) {
        if (dc) {
            {
                // The system edit leaves its own clipping on a context it is given.
                const TSavedDC saved(dc);
                TEdit::PaintWindow(dc);
            }
            FrameClient(dc, {0, 0});
        } else {
            TEdit::WndProc(m);
            const TWindowDC window(Handle());
            FrameClient(window.Get(), ClientOffset(Handle()));
        }
        return;
    }
    if (dc) {
        PaintAlignedText(dc);
        return;
    }
    {
        const TPaintDC paint(Handle());
        PaintAlignedText(paint.Get());
    }
    if (IsFlat()) PaintFlatBorderNow();
}

void TActiveEdit::PaintAlignedText(HDC dc) {
    TCanvas& canvas = Canvas();
    {
        const TCanvasBinding binding(canvas, dc, Font());
        if (!Enabled()) canvas.Font().SetColor(clGray);
        canvas.Brush().SetColor(Color());
        canvas.Brush().SetStyle(bsSolid);
        std::wstring text = Text();
        if (PasswordChar()) std::fill(text.begin(), text.end(), PasswordChar());
        const TRect client = ClientRect();
        const int margin = BorderStyle() == bsSingle ? FTextMargin - 2 : 0;
        const int width = canvas.TextWidth(text);
        const int x = FAlignment == taRightJustify ? client.Right - width - margin
                                                   : (client.Left + client.Right - width) / 2;
        canvas.TextRect(client, x, margin, text);
    }
    FrameClient(dc, {0, 0});
}

void TActiveEdit::FrameClient(HDC dc, TPoint origin) {
    if (BorderStyle() != bsSingle || Ctl3D()) return;
    TCanvas& canvas = Canvas();
    const TCanvasBinding binding(canvas, dc);
    canvas.Brush().SetColor(FBorderColor);
    canvas.Brush().SetStyle(bsSolid);
    canvas.FrameRect(ClientRect().Offset(origin.X, origin.Y));
}

void TActiveEdit::PaintFlatBorder(HDC windowDC) {
    TCanvas& canvas = Canvas();
    const TCanvasBinding binding(canvas, windowDC);
    DrawFlatBorder(canvas, WindowSize(Handle()), FBevelOuter, FFocused ? FBorderColorF : FBorderColor, Color());
}

void TActiveEdit::PaintFlatBorderNow() {
    const TWindowDC window(Handle());
    if (window.Get()) PaintFlatBorder(window.Get());
}

void TActiveEdit::PaintNonClient(HDC dc) {
    if (IsFlat()) PaintFlatBorder(dc);
}
