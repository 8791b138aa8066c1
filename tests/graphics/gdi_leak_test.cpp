#include "tests/graphics/graphics_test_support.h"
#include "ui/platform/graphics/bitmap.h"

#include <gtest/gtest.h>

namespace {

// One paint of a small control: a fresh buffer, every kind of drawing, tools
// changed while selected, a glyph and a picture, then the buffer copied to
// the window's context through a second canvas.
void PaintOnce(int cycle, HDC windowDC, const TBitmap& glyph, const TBitmap& picture) {
    TBitmap buffer(60, 40);
    TCanvas& canvas = buffer.Canvas();
    canvas.Brush().SetColor(cycle % 2 ? clBtnFace : clWindow);
    canvas.FillRect({0, 0, 60, 40});
    canvas.Pen().SetColor(static_cast<TColor>(cycle & 0xFFFFFF));
    canvas.Pen().SetWidth(1 + cycle % 3);
    canvas.Rectangle(2, 2, 58, 38);
    canvas.RoundRect({4, 4, 30, 20}, 6, 6);
    canvas.Font().SetStyle(cycle % 2 ? TFontStyles(fsBold) : TFontStyles());
    canvas.Font().SetColor(clRed);
    canvas.Brush().SetStyle(bsClear);
    canvas.TextOut(5, 5, L"&Continua");
    TRect text{0, 0, 60, 40};
    canvas.DrawText(L"Ok", text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    canvas.Draw(30, 5, glyph);
    canvas.StretchDraw({0, 20, 30, 40}, picture);
    canvas.Brush().SetStyle(bsSolid);
    canvas.FloodFill(1, 1, canvas.Pixels(1, 1), fsSurface);

    TCanvas window;
    window.SetHandle(windowDC);
    window.Font().SetHeight(-10 - cycle % 4);
    window.TextOut(0, 0, L"x");
    window.Draw(0, 0, buffer);
}

}  // namespace

TEST(GdiObjects, TheCounterSeesNewObjects) {
    const int before = LiveGdiObjects();
    const HPEN pen = CreatePen(PS_SOLID, 1, 0);
    EXPECT_EQ(LiveGdiObjects(), before + 1);
    DeleteObject(pen);
    EXPECT_EQ(LiveGdiObjects(), before);
}

TEST(GdiObjects, PaintCyclesLeaveNoObjectsBehind) {
    TBitmap glyph;
    glyph.LoadFromResourceName(GetModuleHandleW(nullptr), L"OK");
    glyph.SetTransparent(true);
    TBitmap picture;
    picture.LoadFromResourceName(GetModuleHandleW(nullptr), L"Logo");
    // A stand-in for a window's context: screen-compatible pixels in a memory context.
    const HDC screen = GetDC(nullptr);
    const HDC windowDC = CreateCompatibleDC(screen);
    const HGDIOBJ oldBitmap = SelectObject(windowDC, CreateCompatibleBitmap(screen, 60, 40));
    ReleaseDC(nullptr, screen);

    PaintOnce(0, windowDC, glyph, picture);  // first-use allocations
    const int before = LiveGdiObjects();
    for (int cycle = 1; cycle <= 1000; ++cycle) PaintOnce(cycle, windowDC, glyph, picture);
    EXPECT_EQ(LiveGdiObjects(), before);

    DeleteObject(SelectObject(windowDC, oldBitmap));
    DeleteDC(windowDC);
}
