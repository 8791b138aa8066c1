#include "ui/platform/graphics/canvas.h"

#include "ui/platform/graphics/bitmap.h"

#include <vector>

namespace {

std::vector<POINT> ToPoints(std::span<const TPoint> points) { return {points.begin(), points.end()}; }

int Count(std::wstring_view text) { return static_cast<int>(text.size()); }

}  // namespace

TCanvas::TCanvas() {
    FPen.FBeforeDrop = [this] { Deselect(tsPen); };
    FBrush.FBeforeDrop = [this] { Deselect(tsBrush); };
    FFont.FBeforeDrop = [this] { Deselect(tsFont); };
}

TCanvas::~TCanvas() { SetHandle(nullptr); }

void TCanvas::SetHandle(HDC dc) {
    if (dc == FDC) return;
    for (int slot = 0; slot < tsCount; ++slot) Deselect(static_cast<TToolSlot>(slot));
    FDC = dc;
}

void TCanvas::Select(TToolSlot slot, HGDIOBJ object) {
    if (!FDC || !object || FOriginal[slot]) return;
    const HGDIOBJ previous = SelectObject(FDC, object);
    if (previous && previous != HGDI_ERROR) FOriginal[slot] = previous;
}

void TCanvas::Deselect(TToolSlot slot) {
    if (FDC && FOriginal[slot]) SelectObject(FDC, FOriginal[slot]);
    FOriginal[slot] = nullptr;
}

void TCanvas::RequirePen() {
    Select(tsPen, FPen.Handle());
    if (FDC) SetROP2(FDC, FPen.Rop2());
}

void TCanvas::RequireBrush() { Select(tsBrush, FBrush.Handle()); }

void TCanvas::RequireText() {
    Select(tsFont, FFont.Handle());
    if (!FDC) return;
    SetTextColor(FDC, ColorToRGB(FFont.Color()));
    if (FBrush.Style() == bsClear) {
        SetBkMode(FDC, TRANSPARENT);
    } else {
        SetBkMode(FDC, OPAQUE);
        SetBkColor(FDC, ColorToRGB(FBrush.Color()));
    }
}

void TCanvas::Prepare() {
    RequirePen();
    RequireBrush();
    RequireText();
}

TColor TCanvas::Pixels(int x, int y) const {
    const COLORREF rgb = FDC ? GetPixel(FDC, x, y) : CLR_INVALID;
    return rgb == CLR_INVALID ? static_cast<TColor>(-1) : RGBToColor(rgb);
}

void TCanvas::SetPixels(int x, int y, TColor color) {
    if (FDC) SetPixelV(FDC, x, y, ColorToRGB(color));
}

void TCanvas::MoveTo(int x, int y) {
    if (FDC) MoveToEx(FDC, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
    RequirePen();
    if (FDC) ::LineTo(FDC, x, y);
}

TPoint TCanvas::PenPos() const {
    POINT p{};
    if (FDC) GetCurrentPositionEx(FDC, &p);
    return p;
}

void TCanvas::FillRect(const TRect& rect) {
    const RECT r = rect;
    if (FDC) ::FillRect(FDC, &r, FBrush.Handle());
}

void TCanvas::FrameRect(const TRect& rect) {
    const RECT r = rect;
    if (FDC) ::FrameRect(FDC, &r, FBrush.Handle());
}

void TCanvas::Rectangle(const TRect& rect) {
    RequirePen();
    RequireBrush();
    if (FDC) ::Rectangle(FDC, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvas::RoundRect(const TRect& rect, int cornerWidth, int cornerHeight) {
    RequirePen();
    RequireBrush();
    if (FDC) ::RoundRect(FDC, rect.Left, rect.Top, rect.Right, rect.Bottom, cornerWidth, cornerHeight);
}

void TCanvas::Ellipse(const TRect& rect) {
    RequirePen();
    RequireBrush();
    if (FDC) ::Ellipse(FDC, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvas::Polygon(std::span<const TPoint> points) {
    RequirePen();
    RequireBrush();
    const std::vector<POINT> p = ToPoints(points);
    if (FDC && !p.empty()) ::Polygon(FDC, p.data(), static_cast<int>(p.size()));
}

void TCanvas::Polyline(std::span<const TPoint> points) {
    RequirePen();
    const std::vector<POINT> p = ToPoints(points);
    if (FDC && !p.empty()) ::Polyline(FDC, p.data(), static_cast<int>(p.size()));
}

void TCanvas::DrawFocusRect(const TRect& rect) {
    const RECT r = rect;
    if (FDC) ::DrawFocusRect(FDC, &r);
}

void TCanvas::TextOut(int x, int y, std::wstring_view text) {
    RequireText();
    if (FDC) ExtTextOutW(FDC, x, y, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
}

void TCanvas::TextRect(const TRect& rect, int x, int y, std::wstring_view text) {
    RequireText();
    const RECT r = rect;
    const UINT options = ETO_CLIPPED | (FBrush.Style() == bsClear ? 0 : ETO_OPAQUE);
    if (FDC) ExtTextOutW(FDC, x, y, options, &r, text.data(), static_cast<UINT>(text.size()), nullptr);
}

int TCanvas::DrawText(std::wstring_view text, TRect& rect, UINT flags) {
    RequireText();
    if (!FDC) return 0;
    RECT r = rect;
    // The text is read-only here.
    flags &= ~static_cast<UINT>(DT_MODIFYSTRING);
    const int height = ::DrawTextW(FDC, text.data(), Count(text), &r, flags);
    if (flags & DT_CALCRECT) rect = r;
    return height;
}

TSize TCanvas::TextExtent(std::wstring_view text) {
    RequireText();
    SIZE size{};
    if (FDC) GetTextExtentPoint32W(FDC, text.data(), Count(text), &size);
    return {size.cx, size.cy};
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    StretchDraw(Bounds(x, y, bitmap.Width(), bitmap.Height()), bitmap);
}

void TCanvas::StretchDraw(const TRect& rect, const TBitmap& bitmap) {
    StretchDrawKeyed(rect, bitmap, bitmap.Transparent() ? bitmap.TransparentColor() : clNone);
}

void TCanvas::StretchDrawKeyed(const TRect& rect, const TBitmap& bitmap, TColor key) {
    if (!FDC || bitmap.Empty() || rect.IsEmpty()) return;
    const HDC source = bitmap.SourceDC();
    const int w = bitmap.Width(), h = bitmap.Height();
    if (bitmap.HasAlpha()) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(FDC, rect.Left, rect.Top, rect.Width(), rect.Height(), source, 0, 0, w, h, blend);
        return;
    }
    if (key != clNone) {
        DrawPartKeyed(rect, bitmap, Bounds(0, 0, w, h), key);
        return;
    }
    CopyRect(rect, source, Bounds(0, 0, w, h));
}

void TCanvas::DrawPartKeyed(const TRect& dest, const TBitmap& bitmap, const TRect& source, TColor key) {
    if (!FDC || bitmap.Empty() || dest.IsEmpty() || source.IsEmpty()) return;
    TransparentBlt(FDC, dest.Left, dest.Top, dest.Width(), dest.Height(), bitmap.SourceDC(), source.Left, source.Top,
                   source.Width(), source.Height(), ColorToRGB(key));
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect) {
    if (source.FDC) CopyRect(dest, source.FDC, sourceRect);
}

void TCanvas::CopyRect(const TRect& dest, const TBitmap& source, const TRect& sourceRect) {
    if (!source.Empty()) CopyRect(dest, source.SourceDC(), sourceRect);
}

void TCanvas::CopyRect(const TRect& dest, HDC source, const TRect& sourceRect) {
    if (!FDC) return;
    if (dest.Width() == sourceRect.Width() && dest.Height() == sourceRect.Height()) {
        BitBlt(FDC, dest.Left, dest.Top, dest.Width(), dest.Height(), source, sourceRect.Left, sourceRect.Top,
               FCopyMode);
        return;
    }
    SetStretchBltMode(FDC, COLORONCOLOR);
    StretchBlt(FDC, dest.Left, dest.Top, dest.Width(), dest.Height(), source, sourceRect.Left, sourceRect.Top,
               sourceRect.Width(), sourceRect.Height(), FCopyMode);
}

void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle style) {
    RequireBrush();
    if (FDC) ExtFloodFill(FDC, x, y, ColorToRGB(color), style == fsSurface ? FLOODFILLSURFACE : FLOODFILLBORDER);
}

TRect TCanvas::ClipRect() const {
    RECT r{};
    if (FDC) GetClipBox(FDC, &r);
    return r;
}
