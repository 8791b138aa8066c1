#include "ui/platform/graphics/canvas.h"

#include "tests/graphics/graphics_test_support.h"
#include "ui/platform/graphics/bitmap.h"

#include <gtest/gtest.h>

namespace {

// A white 40 x 30 surface with its canvas.
class CanvasTest : public ::testing::Test {
protected:
    CanvasTest() : Surface(40, 30), Canvas(Surface.Canvas()) { Fill(Surface, clWhite); }

    TColor At(int x, int y) const { return Surface.Pixel(x, y); }

    TBitmap Surface;
    TCanvas& Canvas;
};

struct TProbe {
    int X, Y;
    TColor Expected;
};

void ExpectPixels(const TBitmap& bitmap, std::initializer_list<TProbe> probes) {
    for (const TProbe& p : probes)
        EXPECT_EQ(bitmap.Pixel(p.X, p.Y), p.Expected) << "at " << p.X << "," << p.Y;
}

// A 4 x 4 picture: magenta with a green 2 x 2 centre.
TBitmap KeyedGlyph() {
    TBitmap glyph(4, 4);
    Fill(glyph, clFuchsia);
    for (int y = 1; y < 3; ++y)
        for (int x = 1; x < 3; ++x) glyph.SetPixel(x, y, clLime);
    return glyph;
}

}  // namespace

TEST_F(CanvasTest, FillRectCoversTheRectangleWithoutItsRightAndBottomEdges) {
    Canvas.Brush().SetColor(clRed);
    Canvas.FillRect({5, 5, 15, 12});
    ExpectPixels(Surface, {{5, 5, clRed}, {14, 11, clRed}, {15, 11, clWhite}, {14, 12, clWhite}, {4, 5, clWhite}});
    Canvas.Brush().SetStyle(bsClear);
    Canvas.Brush().SetColor(clBlue);
    Canvas.FillRect({0, 0, 40, 30});
    EXPECT_EQ(At(0, 0), clWhite) << "a clear brush fills nothing";
}

TEST_F(CanvasTest, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    Canvas.Pen().SetColor(clBlue);
    Canvas.Brush().SetColor(clYellow);
    Canvas.Rectangle(5, 5, 15, 12);
    ExpectPixels(Surface, {{5, 5, clBlue}, {14, 11, clBlue}, {10, 5, clBlue}, {10, 8, clYellow}, {15, 12, clWhite}});
}

TEST_F(CanvasTest, RoundRectLeavesItsCornersOut) {
    Canvas.Pen().SetColor(clBlack);
    Canvas.Brush().SetColor(clRed);
    Canvas.RoundRect({0, 0, 30, 20}, 12, 12);
    ExpectPixels(Surface, {{0, 0, clWhite}, {29, 0, clWhite}, {0, 19, clWhite}, {29, 19, clWhite},
                           {15, 0, clBlack}, {0, 10, clBlack}, {15, 10, clRed}});
}

TEST_F(CanvasTest, LineToDrawsWithThePenUpToTheEndPoint) {
    Canvas.Pen().SetColor(clGreen);
    Canvas.MoveTo(2, 5);
    Canvas.LineTo(12, 5);
    ExpectPixels(Surface, {{2, 5, clGreen}, {11, 5, clGreen}, {12, 5, clWhite}, {5, 6, clWhite}});
    EXPECT_EQ(Canvas.PenPos(), TPoint(12, 5));
    Canvas.Pen().SetWidth(3);
    Canvas.Pen().SetColor(clNavy);
    Canvas.Polyline({{5, 20}, {30, 20}});
    ExpectPixels(Surface, {{10, 19, clNavy}, {10, 20, clNavy}, {10, 21, clNavy}});
}

TEST_F(CanvasTest, TextIsDrawnInTheFontColourOnTheBrushUnlessClear) {
    Canvas.Font().SetColor(clRed);
    Canvas.Font().SetHeight(-16);
    const TSize extent = Canvas.TextExtent(L"W");
    ASSERT_GT(extent.cx, 0);
    ASSERT_GT(extent.cy, 0);

    Canvas.Brush().SetStyle(bsClear);
    Canvas.TextOut(2, 2, L"W");
    EXPECT_GT(CountPixels(Surface, clRed), 0);
    EXPECT_TRUE(InkBounds(Surface, clRed).Intersect(Bounds(2, 2, extent.cx, extent.cy)) == InkBounds(Surface, clRed));
    EXPECT_EQ(CountPixels(Surface, clWhite) + CountPixels(Surface, clRed), 40 * 30) << "only ink is drawn";

    Canvas.Brush().SetStyle(bsSolid);
    Canvas.Brush().SetColor(clYellow);
    Canvas.TextOut(20, 2, L"W");
    EXPECT_EQ(InkBounds(Surface, clYellow).Left, 20) << "an opaque text cell";
    EXPECT_EQ(Canvas.TextWidth(L"WW"), Canvas.TextExtent(L"WW").cx);
}

TEST_F(CanvasTest, DrawTextMeasuresWithCalcRectAndCentres) {
    Canvas.Font().SetColor(clRed);
    Canvas.Brush().SetStyle(bsClear);
    TRect measured{0, 0, 40, 0};
    const int height = Canvas.DrawText(L"Ab", measured, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(measured.Width(), Canvas.TextWidth(L"Ab"));
    EXPECT_EQ(measured.Height(), Canvas.TextHeight(L"Ab"));
    EXPECT_EQ(height, measured.Height());
    EXPECT_EQ(CountPixels(Surface, clRed), 0) << "measuring draws nothing";

    TRect all{0, 0, 40, 30};
    Canvas.DrawText(L"Ab", all, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const TRect ink = InkBounds(Surface, clRed);
    ASSERT_FALSE(ink.IsEmpty());
    const int cellLeft = (40 - measured.Width()) / 2, cellTop = (30 - measured.Height()) / 2;
    EXPECT_TRUE(ink.Intersect(Bounds(cellLeft, cellTop, measured.Width(), measured.Height())) == ink)
        << "ink " << ink.Left << "," << ink.Top << "-" << ink.Right << "," << ink.Bottom;
    EXPECT_LE(std::abs(ink.Left - (40 - ink.Right)), 3);
}

TEST_F(CanvasTest, PixelsOutsideTheSurfaceOrWithoutAContextAreMinusOne) {
    Canvas.SetPixels(3, 4, clTeal);
    EXPECT_EQ(Canvas.Pixels(3, 4), clTeal);
    EXPECT_EQ(Canvas.Pixels(-1, 0), -1);
    EXPECT_EQ(Canvas.Pixels(40, 0), -1);
    TCanvas unbound;
    EXPECT_EQ(unbound.Pixels(0, 0), -1);
    unbound.Rectangle(0, 0, 5, 5);  // drawing without a context does nothing
    unbound.TextOut(0, 0, L"x");
    TRect r{0, 0, 10, 10};
    EXPECT_EQ(unbound.DrawText(L"x", r, DT_CALCRECT), 0);
}

TEST_F(CanvasTest, TransparentDrawLeavesTheKeyColourPixelsUntouched) {
    TBitmap glyph = KeyedGlyph();
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia) << "bottom-left pixel by default";
    Canvas.Draw(0, 0, glyph);
    ExpectPixels(Surface, {{0, 0, clFuchsia}, {1, 1, clLime}});

    glyph.SetTransparent(true);
    Canvas.Draw(10, 10, glyph);
    ExpectPixels(Surface, {{10, 10, clWhite}, {13, 13, clWhite}, {11, 11, clLime}, {12, 12, clLime}});

    glyph.SetTransparentColor(clLime);
    EXPECT_EQ(glyph.TransparentMode(), tmFixed);
    Canvas.Draw(20, 10, glyph);
    ExpectPixels(Surface, {{20, 10, clFuchsia}, {21, 11, clWhite}});
    glyph.SetTransparentMode(tmAuto);
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia);
}

TEST_F(CanvasTest, StretchDrawScalesIntoTheRectangle) {
    TBitmap quads(2, 2);
    quads.SetPixel(0, 0, clRed);
    quads.SetPixel(1, 0, clLime);
    quads.SetPixel(0, 1, clBlue);
    quads.SetPixel(1, 1, clFuchsia);
    Canvas.StretchDraw({10, 10, 30, 20}, quads);
    ExpectPixels(Surface, {{10, 10, clRed}, {19, 14, clRed}, {20, 10, clLime}, {29, 14, clLime}, {10, 15, clBlue},
                           {29, 19, clFuchsia}, {30, 19, clWhite}, {9, 10, clWhite}, {10, 20, clWhite}});

    quads.SetTransparent(true);
    quads.SetTransparentColor(clFuchsia);
    Fill(Surface, clWhite);
    Canvas.StretchDraw({0, 0, 20, 20}, quads);
    ExpectPixels(Surface, {{0, 0, clRed}, {19, 19, clWhite}, {10, 10, clWhite}});
}

TEST_F(CanvasTest, CopyRectCopiesPartOfAnotherCanvas) {
    TBitmap source = KeyedGlyph();
    Canvas.CopyRect({0, 0, 8, 8}, source.Canvas(), {1, 1, 3, 3});
    ExpectPixels(Surface, {{0, 0, clLime}, {7, 7, clLime}, {8, 8, clWhite}});
}

TEST_F(CanvasTest, FloodFillSurfaceAndBorder) {
    const struct {
        TFillStyle Style;
        TColor Seed;
    } cases[] = {{fsSurface, clWhite}, {fsBorder, clBlue}};
    for (const auto& c : cases) {
        Fill(Surface, clWhite);
        Canvas.Brush().SetColor(clBlue);
        Canvas.FrameRect({5, 5, 20, 20});
        Canvas.Brush().SetColor(clRed);
        Canvas.FloodFill(10, 10, c.Seed, c.Style);
        ExpectPixels(Surface, {{6, 6, clRed}, {18, 18, clRed}, {5, 5, clBlue}, {19, 12, clBlue}, {2, 2, clWhite},
                               {25, 25, clWhite}});
    }
}

TEST(CanvasOnADeviceContext, ToolsStaySelectedWhileBoundAndAreGivenBackOnRelease) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP pixels = CreateCompatibleBitmap(dc, 16, 16);
    const HGDIOBJ oldBitmap = SelectObject(dc, pixels);
    const HGDIOBJ originalPen = GetCurrentObject(dc, OBJ_PEN);
    const HGDIOBJ originalBrush = GetCurrentObject(dc, OBJ_BRUSH);
    const HGDIOBJ originalFont = GetCurrentObject(dc, OBJ_FONT);
    HFONT oldFont = nullptr;
    {
        TCanvas canvas;
        canvas.SetHandle(dc);
        canvas.Rectangle(0, 0, 8, 8);
        canvas.TextOut(0, 0, L"x");
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), canvas.Pen().Handle());
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), canvas.Font().Handle());
        oldFont = canvas.Font().Handle();
        canvas.Font().SetStyle(fsBold);  // while selected: the old font goes back out first
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), originalFont);
        EXPECT_EQ(GetObjectType(oldFont), 0u);
        canvas.TextOut(0, 0, L"x");
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), canvas.Font().Handle());
        canvas.Prepare();
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), canvas.Brush().Handle());
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), originalPen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), originalBrush);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), originalFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(pixels);
    DeleteDC(dc);
}
