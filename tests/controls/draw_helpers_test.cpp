// Colour shades, accelerator text, background replacement and button faces.
#include <gtest/gtest.h>

#include "tests/controls/button_test_support.h"
#include "ui/controls/draw_helpers.h"

namespace {

TEST(ColourShades, DarkenAndLightenWorkPerChannelAndKeepTheEdges) {
    struct Case {
        TColor Color;
        int Divisor;
        TColor Darker, Lighter;
    };
    const Case cases[] = {
        {static_cast<TColor>(0xB1A598), 3, static_cast<TColor>(0x766E65), static_cast<TColor>(0xFFFFFF)},
        {static_cast<TColor>(0xB1A598), 20, static_cast<TColor>(0xA89C90), static_cast<TColor>(0xC6BAAC)},
        {clBlack, 3, clBlack, static_cast<TColor>(0x555555)},     // black stays black when darkened
        {clWhite, 20, static_cast<TColor>(0xF2F2F2), clWhite},   // white stays white when lightened
        {static_cast<TColor>(0x0000FF), 2, static_cast<TColor>(0x00007F), static_cast<TColor>(0x7F7FFF)},
        // Odd divisors neither crash nor spill into the next channel.
        {static_cast<TColor>(0x808080), 0, static_cast<TColor>(0x808080), static_cast<TColor>(0x808080)},
        {static_cast<TColor>(0x808080), -1, clWhite, clBlack},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DarkenColor(c.Color, c.Divisor), c.Darker) << std::hex << c.Color << " / " << std::dec << c.Divisor;
        EXPECT_EQ(LightenColor(c.Color, c.Divisor), c.Lighter) << std::hex << c.Color << " / " << std::dec << c.Divisor;
    }
    EXPECT_EQ(DarkenColor(clBtnFace, 3), DarkenColor(Drawn(clBtnFace), 3));  // system colours as drawn
}

bool IsDark(TColor c) { return GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100; }
bool IsRed(TColor c) { return GetRValue(c) > 150 && GetGValue(c) < 100 && GetBValue(c) < 100; }

struct ShortcutText : ::testing::Test {
    TBitmap picture{160, 40};
    const TRect area{0, 0, 160, 40};

    void SetUp() override {
        TCanvas& canvas = picture.Canvas();
        canvas.Brush().SetColor(clWhite);
        canvas.FillRect(area);
        canvas.Brush().SetStyle(bsClear);
        canvas.Font().SetName(L"Arial");
        canvas.Font().SetHeight(-24);
        canvas.Font().SetColor(clBlack);
    }
    // The ink of a text drawn plainly, in the same font.
    TRect PlainInk(const wchar_t* text, UINT format) {
        TBitmap plain(area.Width(), area.Height());
        plain.Canvas().Brush().SetColor(clWhite);
        plain.Canvas().FillRect(area);
        plain.Canvas().Font().Assign(picture.Canvas().Font());
        TRect r = area;
        plain.Canvas().DrawText(text, r, format);
        return InkWhere(plain, IsDark);
    }
};

TEST_F(ShortcutText, TheAcceleratorLetterTakesItsColourAndTheLineStaysCentred) {
    DrawShortcutText(picture.Canvas(), L"O&K", area, false, clRed, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const TRect dark = InkWhere(picture, IsDark);
    const TRect red = InkWhere(picture, IsRed);
    ASSERT_FALSE(dark.IsEmpty());
    ASSERT_FALSE(red.IsEmpty());
    EXPECT_LE(dark.Right, red.Left);  // the O in the font colour, then the K in red
    const int leftGap = dark.Left, rightGap = area.Right - red.Right;
    EXPECT_LE(std::abs(leftGap - rightGap), 4) << leftGap << " " << rightGap;
    EXPECT_LE(std::abs((dark.Top + dark.Bottom) - area.Height()), 4);  // vertically centred too

    const TRect whole = PlainInk(L"OK", DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_LE(std::abs(whole.Left - dark.Left), 2);
    EXPECT_LE(std::abs(whole.Right - red.Right), 2);
}

TEST_F(ShortcutText, RightAlignmentAndPlainTextKeepTheirPlace) {
    DrawShortcutText(picture.Canvas(), L"Da&t", area, false, clRed, DT_RIGHT | DT_SINGLELINE);
    const TRect all = InkWhere(picture, [](TColor c) { return c != clWhite; });
    EXPECT_GE(all.Right, area.Right - 4);
    EXPECT_FALSE(InkWhere(picture, IsRed).IsEmpty());
    EXPECT_NEAR(InkWhere(picture, IsRed).Right, all.Right, 1);  // the t ends the line

    picture.Canvas().Brush().SetStyle(bsSolid);
    picture.Canvas().FillRect(area);
    picture.Canvas().Brush().SetStyle(bsClear);
    DrawShortcutText(picture.Canvas(), L"Gata", area, false, clRed, DT_SINGLELINE);
    EXPECT_TRUE(InkWhere(picture, IsRed).IsEmpty());
    EXPECT_LE(InkWhere(picture, IsDark).Left, 2);
}

// The accelerator is underlined when asked, and when its colour would not
// tell it apart from the rest (its underline is toggled then).
TEST_F(ShortcutText, TheAcceleratorIsUnderlinedWhenAskedOrWhenItsColourIsTheFonts) {
    struct Case {
        bool UnderlineAccel;
        TColor Shortcut;
        bool Underlined;
    };
    for (const Case& c : {Case{false, clRed, false}, Case{true, clRed, true}, Case{false, clBlack, true}}) {
        SetUp();
        DrawShortcutText(picture.Canvas(), L"a&c", area, c.UnderlineAccel, c.Shortcut, DT_SINGLELINE);
        const int bottom = InkWhere(picture, [](TColor x) { return x != clWhite; }).Bottom;
        EXPECT_EQ(bottom > PlainInk(L"ac", DT_SINGLELINE).Bottom, c.Underlined)
            << c.UnderlineAccel << " " << std::hex << c.Shortcut;
    }
}

TEST_F(ShortcutText, OddAmpersandsDrawWhatTheyShow) {
    for (const wchar_t* text : {L"", L"Gata&", L"&", L"A&&B", L"&&&"}) {
        SetUp();
        DrawShortcutText(picture.Canvas(), text, area, true, clRed, DT_CENTER | DT_SINGLELINE);
    }
    SetUp();
    DrawShortcutText(picture.Canvas(), L"A&&B", area, false, clRed, DT_SINGLELINE);
    EXPECT_FALSE(InkWhere(picture, IsRed).IsEmpty());  // the literal ampersand stands in for the letter
    EXPECT_EQ(WithoutAmpersands(L"&A&&b&"), L"Ab");
}

TEST(ReplaceBitmapBackground, PixelsOfTheTopLeftColourTakeTheNewColour) {
    TBitmap bitmap(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) bitmap.SetPixel(x, y, (x + y) % 2 ? clBlue : clFuchsia);
    ReplaceBitmapBackground(bitmap, clLime);
    EXPECT_EQ(CountOf(bitmap, clLime), 6);
    EXPECT_EQ(CountOf(bitmap, clBlue), 6);
    EXPECT_EQ(bitmap.Pixel(3, 0), clBlue);
    TBitmap empty;
    ReplaceBitmapBackground(empty, clLime);
    EXPECT_TRUE(empty.Empty());
}

TEST(DrawButtonFace, RaisedAndPressedFacesInBothStyles) {
    const TColor face = static_cast<TColor>(0x30A0C0);
    const TColor light = Drawn(clBtnHighlight), dark = Drawn(cl3DDkShadow), shadow = Drawn(clBtnShadow);
    struct Case {
        TButtonStyle Style;
        bool Down;
        TColor TopLeft, InnerTopLeft, BottomRight, InnerBottomRight;
        TRect Content;
    };
    const Case cases[] = {
        {bsNew, false, light, face, dark, face, {1, 1, 38, 18}},
        {bsNew, true, dark, face, light, face, {2, 2, 39, 19}},
        {bsWin31, false, face, light, face, shadow, {1, 1, 38, 18}},  // rounded corners, a frame inside
        {bsWin31, true, face, shadow, face, face, {2, 2, 39, 19}},
    };
    for (const Case& c : cases) {
        TBitmap picture(40, 20);
        const TRect content = DrawButtonFace(picture.Canvas(), {0, 0, 40, 20}, 2, face, false, c.Down,
                                             c.Style == bsWin31, c.Style);
        const std::string what = std::to_string(c.Style) + (c.Down ? " down" : " up");
        EXPECT_EQ(content, c.Content) << what;
        EXPECT_EQ(picture.Pixel(0, 0), c.TopLeft) << what;
        EXPECT_EQ(picture.Pixel(1, 1), c.InnerTopLeft) << what;
        EXPECT_EQ(picture.Pixel(39, 19), c.BottomRight) << what;
        EXPECT_EQ(picture.Pixel(37, 17), c.InnerBottomRight) << what;
        EXPECT_EQ(picture.Pixel(20, 10), face) << what;
    }
}

}  // namespace
