#include "ui/platform/graphics/bitmap.h"

#include "tests/graphics/graphics_test_support.h"
#include "tests/support/temp_dir.h"
#include "ui/platform/sysutils.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr TColor Emblem = static_cast<TColor>(0x964616);  // RGB(22, 70, 150)
constexpr TColor Leaf = static_cast<TColor>(0x42A43A);    // RGB(58, 164, 66)

HINSTANCE Module() { return GetModuleHandleW(nullptr); }

bool Near(TColor a, TColor b, int tolerance) {
    const COLORREF x = ColorToRGB(a), y = ColorToRGB(b);
    return std::abs(GetRValue(x) - GetRValue(y)) <= tolerance && std::abs(GetGValue(x) - GetGValue(y)) <= tolerance &&
           std::abs(GetBValue(x) - GetBValue(y)) <= tolerance;
}

int AlphaAt(const TBitmap& bitmap, int x, int y) { return static_cast<int>(bitmap.ScanLine(y)[x] >> 24); }

// Same colours, and the same alpha where both have an alpha channel.
bool SamePixels(const TBitmap& a, const TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    const bool alpha = a.HasAlpha() && b.HasAlpha();
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
            if (alpha && AlphaAt(a, x, y) != AlphaAt(b, x, y)) return false;
        }
    }
    return true;
}

// What a failing load must leave as it was.
TBitmap Marked() {
    TBitmap bitmap(3, 3);
    bitmap.SetPixel(1, 1, clRed);
    return bitmap;
}

void ExpectMarked(const TBitmap& bitmap) {
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.Pixel(1, 1), clRed);
}

TBitmap FromResource(const wchar_t* name) {
    TBitmap bitmap;
    bitmap.LoadFromResourceName(Module(), name);
    return bitmap;
}

TBytes Rgb16(std::uint16_t r, std::uint16_t g, std::uint16_t b) {
    return {static_cast<std::uint8_t>(r >> 8), static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g >> 8),
            static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b >> 8), static_cast<std::uint8_t>(b)};
}

TBytes Concat(TBytes a, const TBytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A PNG whose compressed data is large enough to cut in the middle.
TBytes NoisyPng() {
    std::vector<TBytes> rows(64, TBytes(64 * 3));
    std::uint32_t seed = 12345;
    for (TBytes& row : rows)
        for (std::uint8_t& b : row) b = static_cast<std::uint8_t>((seed = seed * 1103515245u + 12345u) >> 16);
    return MakePng(64, 64, 8, 2, rows);
}

}  // namespace

TEST(Bitmap, PicturesLoadFromResources) {
    const struct {
        const wchar_t* Name;
        int Width, Height;
        TPixelFormat Format;
        bool Alpha;
        int ProbeX, ProbeY;
        TColor Probe;
    } cases[] = {
        {L"OK", 84, 28, pf24bit, false, 14, 14, Leaf},
        {L"Logo", 128, 80, pf32bit, true, 64, 40, Emblem},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Name);
        const TBitmap bitmap = FromResource(c.Name);
        EXPECT_EQ(bitmap.Width(), c.Width);
        EXPECT_EQ(bitmap.Height(), c.Height);
        EXPECT_EQ(bitmap.PixelFormat(), c.Format);
        EXPECT_EQ(bitmap.HasAlpha(), c.Alpha);
        EXPECT_EQ(bitmap.Pixel(c.ProbeX, c.ProbeY), c.Probe);
    }
    EXPECT_EQ(FromResource(L"OK").TransparentColor(), clFuchsia);
}

TEST(Bitmap, MissingResourceThrowsNamingIt) {
    TBitmap bitmap = Marked();
    try {
        bitmap.LoadFromResourceName(Module(), L"NoSuchPicture");
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find(L"NoSuchPicture"), std::wstring::npos) << e.what();
    }
    ExpectMarked(bitmap);
}

TEST(Bitmap, AlphaPicturesBlendOverTheBackground) {
    const TBitmap logo = FromResource(L"Logo");
    EXPECT_EQ(AlphaAt(logo, 0, 0), 0);
    EXPECT_EQ(AlphaAt(logo, 57, 2), 32);
    TBitmap surface(128, 80);
    Fill(surface, clWhite);
    surface.Canvas().Draw(0, 0, logo);
    EXPECT_EQ(surface.Pixel(0, 0), clWhite);
    EXPECT_EQ(surface.Pixel(64, 40), Emblem);
    // (34, 38, 48) at alpha 32 over white.
    const TColor blended = RGBColor(227, 228, 229);
    EXPECT_TRUE(Near(surface.Pixel(57, 2), blended, 2)) << std::hex << surface.Pixel(57, 2);
}

TEST(Bitmap, PngColourTypesAndDepths) {
    const TPngChunk redGreen{"PLTE", {255, 0, 0, 0, 255, 0}};
    const TPngChunk blackWhite{"PLTE", {0, 0, 0, 255, 255, 255}};
    const struct {
        const char* What;
        TBytes Png;
        TPixelFormat Format;
        bool Alpha;
        TColor Probe;  // pixel (1, 0)
        int ProbeAlpha;
    } cases[] = {
        {"palette 8", MakePng(2, 1, 8, 3, {{0, 1}}, {redGreen}), pf8bit, false, clLime, 255},
        {"palette 1", MakePng(2, 1, 1, 3, {{0x40}}, {blackWhite}), pf8bit, false, clWhite, 255},
        {"palette+tRNS", MakePng(2, 1, 8, 3, {{0, 1}}, {redGreen, {"tRNS", {255, 0}}}), pf8bit, true, clBlack, 0},
        {"grey 8", MakePng(2, 1, 8, 0, {{0x10, 0x80}}), pf8bit, false, RGBColor(128, 128, 128), 255},
        {"grey+alpha", MakePng(2, 1, 8, 4, {{0x80, 0xFF, 0xFF, 0x40}}), pf32bit, true, RGBColor(64, 64, 64), 64},
        {"rgb 16", MakePng(2, 1, 16, 2, {Concat(Rgb16(0, 0, 0), Rgb16(0xFFFF, 0, 0xFFFF))}), pf24bit, false,
         clFuchsia, 255},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        TBitmap bitmap;
        ASSERT_NO_THROW(bitmap.LoadFromStream(c.Png));
        EXPECT_EQ(bitmap.Width(), 2);
        EXPECT_EQ(bitmap.PixelFormat(), c.Format);
        EXPECT_EQ(bitmap.HasAlpha(), c.Alpha);
        EXPECT_TRUE(Near(bitmap.Pixel(1, 0), c.Probe, 1)) << std::hex << bitmap.Pixel(1, 0);
        if (c.Alpha) {
            EXPECT_EQ(AlphaAt(bitmap, 1, 0), c.ProbeAlpha);
        }
    }
}

TEST(Bitmap, BmpDepthsAndRowOrders) {
    // 2 x 2 pictures: top row red, lime; bottom row blue, blue.
    const struct {
        const char* What;
        TBmpLayout Layout;
        TPixelFormat Format;
    } cases[] = {
        {"24 bottom-up", {2, 2, 24, BI_RGB, {}, {}, {{255, 0, 0, 255, 0, 0, 0, 0}, {0, 0, 255, 0, 255, 0, 0, 0}}},
         pf24bit},
        {"32 top-down", {2, -2, 32, BI_RGB, {}, {}, {{0, 0, 255, 0, 0, 255, 0, 0}, {255, 0, 0, 0, 255, 0, 0, 0}}},
         pf32bit},
        {"8 palette", {2, 2, 8, BI_RGB, {0xFF0000, 0x00FF00, 0x0000FF}, {}, {{2, 2, 0, 0}, {0, 1, 0, 0}}}, pf8bit},
        {"4 palette", {2, 2, 4, BI_RGB, {0xFF0000, 0x00FF00, 0x0000FF}, {}, {{0x22, 0, 0, 0}, {0x01, 0, 0, 0}}},
         pf4bit},
        {"16 as 555", {2, -2, 16, BI_RGB, {}, {}, {{0x00, 0x7C, 0xE0, 0x03}, {0x1F, 0x00, 0x1F, 0x00}}}, pf15bit},
        {"16 as 565", {2, -2, 16, BI_BITFIELDS, {}, {0xF800, 0x07E0, 0x001F}, {{0x00, 0xF8, 0xE0, 0x07}, {0x1F, 0, 0x1F, 0}}},
         pf16bit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        TBitmap bitmap;
        ASSERT_NO_THROW(bitmap.LoadFromStream(MakeBmp(c.Layout)));
        EXPECT_EQ(bitmap.PixelFormat(), c.Format);
        EXPECT_FALSE(bitmap.HasAlpha());
        EXPECT_EQ(bitmap.Pixel(0, 0), clRed);
        EXPECT_EQ(bitmap.Pixel(1, 0), clLime);
        EXPECT_EQ(bitmap.Pixel(0, 1), clBlue);
        EXPECT_EQ(bitmap.Pixel(1, 1), clBlue);
    }
    TBitmap mono;
    mono.LoadFromStream(MakeBmp({2, 1, 1, BI_RGB, {0x000000, 0xFFFFFF}, {}, {{0x40, 0, 0, 0}}}));
    EXPECT_EQ(mono.Pixel(0, 0), clBlack);
    EXPECT_EQ(mono.Pixel(1, 0), clWhite);
}

TEST(Bitmap, DamagedDataThrowsAndLeavesTheBitmapAsItWas) {
    const TBytes png = MakePng(2, 1, 8, 0, {{1, 2}});
    TBytes badCrc = png;
    badCrc[29] ^= 0xFF;  // the IHDR checksum
    const TBytes noisy = NoisyPng();
    const TBytes truncated(noisy.begin(), noisy.begin() + static_cast<std::ptrdiff_t>(noisy.size() / 2));
    const TBytes rows24 = {0, 0, 255, 0, 0, 255, 0, 0};
    const TBytes oneRow(MakeBmp({2, 2, 24, BI_RGB, {}, {}, {rows24}}));
    TBytes noPalette = MakeBmp({2, 1, 8, BI_RGB, {}, {}, {{0, 0, 0, 0}}});  // 256 entries expected
    const struct {
        const char* What;
        TBytes Data;
    } cases[] = {
        {"empty", {}},
        {"text", {'h', 'e', 'l', 'l', 'o'}},
        {"png signature only", TBytes(png.begin(), png.begin() + 8)},
        {"png bad header checksum", badCrc},
        {"png cut in its data", truncated},
        {"png too large", MakePng(100000, 100000, 8, 0, {{0}})},
        {"png zero width", MakePng(0, 1, 8, 0, {{}})},
        {"bmp header only", TBytes(oneRow.begin(), oneRow.begin() + 20)},
        {"bmp rows missing", oneRow},
        {"bmp zero width", MakeBmp({0, 1, 24, BI_RGB, {}, {}, {{0, 0, 0, 0}}})},
        {"bmp 7 bits", MakeBmp({1, 1, 7, BI_RGB, {}, {}, {{0, 0, 0, 0}}})},
        {"bmp run-length", MakeBmp({2, 1, 8, BI_RLE8, {0, 0xFFFFFF}, {}, {{2, 1, 0, 0}}})},
        {"bmp palette missing", noPalette},
        {"bmp too wide", MakeBmp({40000, 1, 24, BI_RGB, {}, {}, {}})},
        {"bmp height minimum", MakeBmp({1, INT32_MIN, 24, BI_RGB, {}, {}, {{0, 0, 0, 0}}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        TBitmap bitmap = Marked();
        EXPECT_THROW(bitmap.LoadFromStream(c.Data), Exception);
        ExpectMarked(bitmap);
    }
}

TEST(Bitmap, FileErrorsNameTheFile) {
    TempDir dir;
    const std::wstring junk = dir / L"junk.png";
    WriteText(junk, "\x89PNG\r\n\x1a\nrest");
    TBitmap bitmap;
    try {
        bitmap.LoadFromFile(junk);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find(L"junk.png"), std::wstring::npos) << e.what();
    }
    EXPECT_THROW(bitmap.LoadFromFile(dir / L"missing.bmp"), EFileError);
    EXPECT_THROW(bitmap.SaveToFile(dir / L"empty.bmp"), Exception);
}

TEST(Bitmap, BmpFilesRoundTrip) {
    TempDir dir;
    TBitmap odd(5, 3);  // rows of 15 bytes get padded
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            odd.SetPixel(x, y, RGBColor(static_cast<std::uint8_t>(x * 50), static_cast<std::uint8_t>(y * 100), 7));
    const TBitmap picture = FromResource(L"OK");
    for (const TBitmap* original : {static_cast<const TBitmap*>(&odd), &picture}) {
        const std::wstring path = dir / L"copy.bmp";
        original->SaveToFile(path);
        TBitmap copy;
        copy.LoadFromFile(path);
        EXPECT_EQ(copy.PixelFormat(), pf24bit);
        EXPECT_TRUE(SamePixels(*original, copy));
    }
}

TEST(Bitmap, PngFilesRoundTripWithTheirAlpha) {
    TempDir dir;
    const TBitmap logo = FromResource(L"Logo");
    logo.SaveToPngFile(dir / L"logo.png");
    TBitmap copy;
    copy.LoadFromFile(dir / L"logo.png");
    EXPECT_TRUE(copy.HasAlpha());
    EXPECT_TRUE(SamePixels(logo, copy));

    const TBitmap opaque = FromResource(L"OK");
    opaque.SaveToPngFile(dir / L"ok.png");
    copy.LoadFromFile(dir / L"ok.png");
    EXPECT_FALSE(copy.HasAlpha());
    EXPECT_EQ(copy.PixelFormat(), pf24bit);
    EXPECT_TRUE(SamePixels(opaque, copy));
}

TEST(Bitmap, AssignCopiesDeeplyAndMovingTakesEverything) {
    TBitmap source = FromResource(L"OK");
    source.SetTransparent(true);
    source.SetTransparentColor(clLime);
    TBitmap copy;
    copy.Assign(source);
    EXPECT_TRUE(SamePixels(source, copy));
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), clLime);
    EXPECT_EQ(copy.PixelFormat(), pf24bit);
    copy.SetPixel(14, 14, clRed);
    EXPECT_EQ(source.Pixel(14, 14), Leaf);

    TCanvas& canvas = copy.Canvas();
    TBitmap moved(std::move(copy));
    EXPECT_TRUE(copy.Empty());
    EXPECT_EQ(&moved.Canvas(), &canvas);
    moved.Canvas().SetPixels(0, 0, clBlue);
    EXPECT_EQ(moved.Pixel(0, 0), clBlue);
    moved = FromResource(L"Logo");
    EXPECT_EQ(moved.Width(), 128);
    EXPECT_TRUE(moved.HasAlpha());
}

TEST(Bitmap, SetSizeGivesBlackPixelsAndEmptyBitmapsAreHarmless) {
    TBitmap bitmap = FromResource(L"Logo");
    bitmap.SetSize(6, 4);
    EXPECT_FALSE(bitmap.HasAlpha());
    EXPECT_EQ(bitmap.Pixel(5, 3), clBlack);
    bitmap.Canvas().Brush().SetColor(clRed);
    bitmap.Canvas().FillRect({0, 0, 6, 4});
    bitmap.SetSize(8, 8);
    EXPECT_EQ(bitmap.Pixel(2, 2), clBlack) << "drawing still reaches the new pixels";
    bitmap.Canvas().FillRect({0, 0, 8, 8});
    EXPECT_EQ(bitmap.Pixel(7, 7), clRed);

    bitmap.SetSize(-1, 5);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Bits(), nullptr);
    EXPECT_EQ(bitmap.Pixel(0, 0), -1);
    EXPECT_EQ(bitmap.TransparentColor(), clNone);
    bitmap.Canvas().FillRect({0, 0, 8, 8});
    TBitmap surface(4, 4);
    surface.Canvas().Draw(0, 0, bitmap);
    surface.Canvas().StretchDraw({0, 0, 4, 4}, bitmap);
}
