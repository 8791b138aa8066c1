// The formatted label: its mark-up, how runs and lines are set, shadows,
// blinking, growth and self-placement, painted into memory bitmaps and on a
// shown form.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "tests/support/gui_support.h"
#include "tests/support/temp_dir.h"
#include "ui/controls/fmt_label.h"
#include "ui/forms/framework.h"
#include "ui/platform/application.h"
#include "ui/platform/form_definition.h"
#include "ui/platform/graphics/bitmap.h"
#include "ui/platform/sysutils.h"

namespace {

constexpr int Ppi = 96;
constexpr const wchar_t* Face = L"MS Sans Serif";
// A face with an outline at every size, so each size has its own ascent.
constexpr const wchar_t* Scalable = L"Tahoma";
int Pt(int points) { return -MulDiv(points, Ppi, 72); }

// ------------------------------------------------------------------ parser

struct RunCase {
    const wchar_t* Text;
    TColor Color;
    int Points;  // 0: the start height
    TFontStyles Style;
    bool Shadow;
    bool Blink;
};

struct ParseCase {
    const wchar_t* Input;
    std::vector<std::vector<RunCase>> Lines;
};

std::string Narrow(std::wstring_view text) { return WideToUtf8(text); }

TEST(FmtParser, SplitsTheCaptionIntoLinesOfRuns) {
    const TFontStyles regular, bold(fsBold), italic(fsItalic), both = fsBold | fsItalic;
    const TColor ink = clWindowText;
    const ParseCase cases[] = {
        {L"plain", {{{L"plain", ink, 0, regular, false, false}}}},
        {L"@9Eroare@0 gata", {{{L"Eroare", clRed, 0, regular, false, false}, {L" gata", clBlack, 0, regular, false, false}}}},
        {L"\\@ \\$\\%\\&\\~", {{{L"@ $%&~", ink, 0, regular, false, false}}}},
        {L"\\a\\", {{{L"\\a\\", ink, 0, regular, false, false}}}},
        {L"\\\\@9x", {{{L"\\@9x", ink, 0, regular, false, false}}}},
        {L"$1a$2b$3c$0d", {{{L"a", ink, 0, italic, false, false}, {L"b", ink, 0, bold, false, false},
                           {L"c", ink, 0, both, false, false}, {L"d", ink, 0, regular, false, false}}}},
        {L"$2a$7b", {{{L"a", ink, 0, bold, false, false}, {L"b", ink, 0, bold, false, false}}}},
        {L"&20big&8small", {{{L"big", ink, 20, regular, false, false}, {L"small", ink, 8, regular, false, false}}}},
        {L"%s%t", {{{L"s", ink, 0, regular, true, false}, {L"t", ink, 0, regular, false, false}}}},
        {L"a~b~", {{{L"a", ink, 0, regular, false, false}, {L"b", ink, 0, regular, false, true},
                   {L"", ink, 0, regular, false, false}}}},
        {L"%~@9x", {{{L"x", clRed, 0, regular, true, true}}}},
        {L"one\r&14two", {{{L"one", ink, 0, regular, false, false}}, {{L"two", ink, 14, regular, false, false}}}},
        {L"@9a\r", {{{L"a", clRed, 0, regular, false, false}}, {{L"", clRed, 0, regular, false, false}}}},
        {L"a\nb", {{{L"a\nb", ink, 0, regular, false, false}}}},
        {L"a@b", {{{L"a", ink, 0, regular, false, false}, {L"b", ink, 0, regular, false, false}}}},
        {L"@16a@36b", {{{L"a", clScrollBar, 0, regular, false, false}, {L"b", clBtnHighlight, 0, regular, false, false}}}},
        {L"@9a@37b@99999999999999999999c",
         {{{L"a", clRed, 0, regular, false, false}, {L"b", clRed, 0, regular, false, false},
           {L"c", clRed, 0, regular, false, false}}}},
        {L"&99999999999999x", {{{L"x", ink, FmtMaxPoints, regular, false, false}}}},
        {L"", {{{L"", ink, 0, regular, false, false}}}},
    };
    const TFmtFont start{-13, TFontStyles(), clWindowText};
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(Narrow(c.Input));
        const std::vector<TFmtLine> lines = ParseFmtText(c.Input, start, Ppi);
        ASSERT_EQ(lines.size(), c.Lines.size());
        for (std::size_t l = 0; l < lines.size(); ++l) {
            ASSERT_EQ(lines[l].size(), c.Lines[l].size()) << "line " << l;
            for (std::size_t r = 0; r < lines[l].size(); ++r) {
                const TFmtRun& got = lines[l][r];
                const RunCase& want = c.Lines[l][r];
                EXPECT_EQ(Narrow(got.Text), Narrow(want.Text)) << "run " << r;
                EXPECT_EQ(got.Font.Color, want.Color) << "run " << r;
                EXPECT_EQ(got.Font.Height, want.Points ? Pt(want.Points) : start.Height) << "run " << r;
                EXPECT_EQ(got.Font.Style, want.Style) << "run " << r;
                EXPECT_EQ(got.Shadow, want.Shadow) << "run " << r;
                EXPECT_EQ(got.Blink, want.Blink) << "run " << r;
            }
        }
    }
}

TEST(FmtParser, ColourTableHasSixteenColoursThenTheSystemColours) {
    const std::pair<int, TColor> cases[] = {
        {0, clBlack}, {1, clMaroon}, {4, clNavy},          {8, clSilver},      {9, clRed},
        {12, clBlue}, {15, clWhite}, {16, clScrollBar},    {31, clBtnFace},    {32, clBtnShadow},
        {36, clBtnHighlight},        {37, clFuchsia},      {-1, clFuchsia},
    };
    for (const auto& [index, colour] : cases) EXPECT_EQ(FmtColor(index, clFuchsia), colour) << index;
}

// Random mark-up: never a crash, and the line structure holds.
TEST(FmtParser, MalformedMarkUpKeepsOneLinePerCarriageReturn) {
    const std::wstring alphabet = L"$&@%~\\\r\n9 0a\u00FC";
    unsigned seed = 12345;
    for (int i = 0; i < 2000; ++i) {
        std::wstring text;
        const int length = static_cast<int>(seed % 24);
        for (int k = 0; k < length; ++k) {
            seed = seed * 1103515245u + 12345u;
            text += alphabet[(seed >> 16) % alphabet.size()];
        }
        const std::vector<TFmtLine> lines = ParseFmtText(text, TFmtFont{}, Ppi);
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(std::count(text.begin(), text.end(), L'\r')) + 1)
            << Narrow(text);
        for (const TFmtLine& line : lines) ASSERT_FALSE(line.empty()) << Narrow(text);
    }
}

// ------------------------------------------------------------------- label

// Bounds of the pixels of one colour; empty when there are none.
TRect InkOf(const TBitmap& picture, TColor color) {
    TRect box{picture.Width(), picture.Height(), 0, 0};
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.Pixel(x, y) == color)
                box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
    return box.IsEmpty() ? TRect{} : box;
}

TColor Drawn(TColor color) { return RGBToColor(ColorToRGB(color)); }

struct FontMetrics {
    int Ascent = 0;
    int Height = 0;
    int Width = 0;
};

// What GDI says of a text in a face at a size.
FontMetrics Measure(const wchar_t* face, int points, std::wstring_view text) {
    TBitmap scratch(1, 1);
    TCanvas& canvas = scratch.Canvas();
    canvas.Font().SetName(face);
    canvas.Font().SetHeight(Pt(points));
    FontMetrics m;
    m.Width = canvas.TextWidth(text);
    TEXTMETRICW tm{};
    GetTextMetricsW(canvas.Handle(), &tm);
    m.Ascent = tm.tmAscent;
    m.Height = tm.tmHeight;
    return m;
}


struct FmtLabelTest : ::testing::Test {
    TOwnedPtr<TForm> form;

    void SetUp() override {
        Application->Initialize();
        FrameworkStartup();
        form.reset(NewForm<TForm>(nullptr));
        form->SetBounds(60, 60, 460, 260);
        form->SetColor(clWhite);
    }
    void TearDown() override {
        form.reset();
        FrameworkShutdown();
    }

    // A label in black 10-point MS Sans Serif on white.
    TFmtLabel* AddLabel(const std::wstring& caption, TWinControl* parent = nullptr) {
        auto* label = new TFmtLabel(form.get());
        label->SetParent(parent ? parent : form.get());
        label->Font().SetName(Face);
        label->Font().SetHeight(Pt(10));
        label->Font().SetColor(clBlack);
        label->SetColor(clWhite);
        label->SetCaption(caption);
        return label;
    }

    // The label painted twice (the first paint may grow it) on a bitmap of its size.
    static TBitmap Picture(TFmtLabel& label) {
        TBitmap scratch(1, 1);
        label.PaintTo(scratch.Canvas().Handle(), 0, 0);
        TBitmap picture(label.Width(), label.Height());
        label.PaintTo(picture.Canvas().Handle(), 0, 0);
        return picture;
    }

    // What a shown window has on screen in an area of its client.
    static TBitmap OnScreen(HWND window, const TRect& area) {
        TBitmap shot(area.Width(), area.Height());
        HDC dc = GetDC(window);
        BitBlt(shot.Canvas().Handle(), 0, 0, area.Width(), area.Height(), dc, area.Left, area.Top, SRCCOPY);
        ReleaseDC(window, dc);
        return shot;
    }
    static TBitmap OnScreen(TFmtLabel& label) { return OnScreen(label.Parent()->Handle(), label.BoundsRect()); }
};

TEST_F(FmtLabelTest, AColourMarkDrawsTheFollowingWordRedAndZeroReturnsToBlack) {
    TFmtLabel* label = AddLabel(L"@9Eroare@0 fatala");
    const TBitmap picture = Picture(*label);
    const TRect red = InkOf(picture, clRed), black = InkOf(picture, clBlack);
    ASSERT_FALSE(red.IsEmpty());
    ASSERT_FALSE(black.IsEmpty());
    EXPECT_LT(red.Right, black.Left);
}

TEST_F(FmtLabelTest, RunsOfOneLineShareABaselineAndLinesStackByTheirHeights) {
    TFmtLabel* label = AddLabel(L"@9&8xx@12&20xx\r@2&14xx");
    label->Font().SetName(Scalable);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 4, 4);
    const TBitmap picture = Picture(*label);
    const FontMetrics small = Measure(Scalable, 8, L"xx"), big = Measure(Scalable, 20, L"xx"),
                      second = Measure(Scalable, 14, L"xx");
    const TRect red = InkOf(picture, clRed), blue = InkOf(picture, clBlue), green = InkOf(picture, clGreen);
    ASSERT_FALSE(red.IsEmpty());
    ASSERT_FALSE(blue.IsEmpty());
    ASSERT_FALSE(green.IsEmpty());
    EXPECT_EQ(red.Bottom, blue.Bottom);
    EXPECT_NEAR(blue.Bottom, big.Ascent, 1);
    EXPECT_LT(red.Right, blue.Left + 1);
    EXPECT_NEAR(green.Bottom, big.Height + second.Ascent, 1);
    EXPECT_EQ(label->Height(), big.Height + second.Height);
    EXPECT_EQ(label->Width(), std::max(small.Width + big.Width, second.Width));
}

TEST_F(FmtLabelTest, AShadowFallsOnePixelRightAndDownInTheShadowColour) {
    // The red check mark of the database upgrade screen.
    TFmtLabel* mark = AddLabel(L"%\u00FC");
    mark->Font().SetName(L"Wingdings");
    mark->Font().SetCharset(SYMBOL_CHARSET);
    mark->Font().SetHeight(-16);
    mark->Font().SetStyle(fsBold);
    mark->Font().SetColor(clRed);
    EXPECT_EQ(mark->ShadowColor(), clBtnShadow);
    const TBitmap picture = Picture(*mark);
    const TRect red = InkOf(picture, clRed), shadow = InkOf(picture, Drawn(clBtnShadow));
    ASSERT_FALSE(red.IsEmpty());
    ASSERT_FALSE(shadow.IsEmpty());
    EXPECT_EQ(shadow.Right, red.Right + 1);
    EXPECT_EQ(shadow.Bottom, red.Bottom + 1);

    mark->SetCaption(L"\u00FC");
    EXPECT_TRUE(InkOf(Picture(*mark), Drawn(clBtnShadow)).IsEmpty());
}

TEST_F(FmtLabelTest, BackgroundIsFilledUnlessTransparentAlsoWithoutCaption) {
    for (const bool transparent : {false, true}) {
        TFmtLabel* label = AddLabel(L"");
        label->SetAutoSize(false);
        label->SetBounds(0, 0, 30, 12);
        label->SetColor(clYellow);
        label->SetTransparent(transparent);
        TBitmap picture(30, 12);
        picture.Canvas().Brush().SetColor(clWhite);
        picture.Canvas().FillRect({0, 0, 30, 12});
        label->PaintTo(picture.Canvas().Handle(), 0, 0);
        EXPECT_EQ(picture.Pixel(15, 6), transparent ? clWhite : clYellow) << transparent;
        label->Free();
    }
}

TEST_F(FmtLabelTest, GrowsToItsTextWhenPaintedAndNeverShrinks) {
    TFmtLabel* label = AddLabel(L"&20Mare\rmica");
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 5, 5);
    Picture(*label);
    const FontMetrics line1 = Measure(Face, 20, L"Mare"), line2 = Measure(Face, 20, L"mica");
    EXPECT_EQ(label->Width(), std::max(line1.Width, line2.Width));
    EXPECT_EQ(label->Height(), line1.Height + line2.Height);
    const TRect grown = label->BoundsRect();
    label->SetCaption(L"x");
    Picture(*label);
    EXPECT_EQ(label->BoundsRect(), grown);
}

TEST_F(FmtLabelTest, WordWrapBreaksAtWordsWithinTheWidthAndKeepsLongWordsWhole) {
    const std::wstring long_(40, L'w');
    TFmtLabel* label = AddLabel(L"unu doi trei patru cinci sase sapte opt @9noua zece " + long_);
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->SetBounds(10, 10, 120, 5);
    Picture(*label);
    const FontMetrics line = Measure(Face, 10, L"unu");
    const FontMetrics word = Measure(Face, 10, long_);
    EXPECT_GE(label->Height(), 3 * line.Height);  // several lines
    EXPECT_EQ(label->Width(), std::max(120, word.Width));  // the long word is not broken
    // The same words measured by the system, wrapped the same way, take as many lines.
    RECT r{0, 0, 120, 0};
    HDC dc = GetDC(nullptr);
    TFont font;
    font.SetName(Face);
    font.SetHeight(Pt(10));
    HGDIOBJ old = SelectObject(dc, font.Handle());
    const std::wstring plain = L"unu doi trei patru cinci sase sapte opt noua zece";
    DrawTextW(dc, plain.c_str(), static_cast<int>(plain.size()), &r, DT_CALCRECT | DT_WORDBREAK);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(label->Height(), r.bottom + line.Height);
}

TEST_F(FmtLabelTest, AutoSizeMeasuresTheFormattedTextNotTheMarkUp) {
    TFmtLabel* marked = AddLabel(L"@9$2Eroare\r@0gata");
    TFmtLabel* plain = AddLabel(L"$2Eroare\rgata");
    EXPECT_EQ(marked->Width(), plain->Width());
    EXPECT_EQ(marked->Height(), plain->Height());
}

TEST_F(FmtLabelTest, PlacesItselfInItsParentAtEveryPaint) {
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(0, 0, 300, 120);
    struct Case {
        TMAlign Align;
        std::function<TPoint(int w, int h)> Expected;
    };
    const Case cases[] = {
        {alMNone, [](int, int) { return TPoint(50, 40); }},
        {alMTop, [](int, int) { return TPoint(50, 1); }},
        {alMBottom, [](int, int h) { return TPoint(50, 120 - h - 1); }},
        {alMLeft, [](int, int) { return TPoint(1, 40); }},
        {alMRight, [](int w, int) { return TPoint(300 - w - 2, 40); }},
        {alMCenter, [](int w, int h) { return TPoint((300 - w) / 2, (120 - h) / 2); }},
    };
    for (const Case& c : cases) {
        TFmtLabel* label = AddLabel(L"Salut", panel);
        label->SetBounds(50, 40, label->Width(), label->Height());
        label->SetAlign(c.Align);
        Picture(*label);
        const TPoint expected = c.Expected(label->Width(), label->Height());
        EXPECT_EQ(label->Left(), expected.X) << c.Align;
        EXPECT_EQ(label->Top(), expected.Y) << c.Align;
        label->Free();
    }
}

TEST_F(FmtLabelTest, ACentredLabelStaysCentredInTheFormsClientAreaAfterItsTextGrows) {
    form->SetBorderStyle(bsDialog);
    TFmtLabel* label = AddLabel(L"scurt");
    label->SetAutoSize(false);
    label->SetAlign(alMCenter);
    for (const wchar_t* caption : {L"scurt", L"&16un text mult mai lung\rpe doua randuri"}) {
        label->SetCaption(caption);
        Picture(*label);
        EXPECT_EQ(label->Left(), (form->ClientWidth() - label->Width()) / 2) << Narrow(caption);
        EXPECT_EQ(label->Top(), (form->ClientHeight() - label->Height()) / 2) << Narrow(caption);
    }
    EXPECT_NE(form->Width(), form->ClientWidth());
}

TEST_F(FmtLabelTest, ABlinkingPartHidesAfter300msShowsAfter600msAndRestartsOnRepaint) {
    TFmtLabel* label = AddLabel(L"@9fix ~@12clipeste");
    label->SetBounds(20, 20, label->Width(), label->Height());
    form->Show();
    PumpUntil([] { return false; }, 150);
    const auto shown = [&] { return !InkOf(OnScreen(*label), clBlue).IsEmpty(); };
    const auto steady = [&] { return !InkOf(OnScreen(*label), clRed).IsEmpty(); };

    label->Repaint();
    const DWORD painted = GetTickCount();
    ASSERT_EQ(label->BlinkList().size(), 1u);
    const TBlinkObj* part = label->BlinkList()[0].get();
    EXPECT_EQ(label->ComponentCount(), 1);  // its timer
    EXPECT_TRUE(shown());

    ASSERT_TRUE(PumpUntil([&] { return part->BlinkOn(); }, 2000));
    const DWORD hiddenAt = GetTickCount() - painted;
    ASSERT_EQ(label->BlinkList()[0].get(), part) << "repainted meanwhile";
    EXPECT_FALSE(shown());
    EXPECT_TRUE(steady());
    ASSERT_TRUE(PumpUntil([&] { return !part->BlinkOn(); }, 2000));
    const DWORD shownAt = GetTickCount() - painted;
    EXPECT_TRUE(shown());
    EXPECT_GE(hiddenAt, 250u);
    EXPECT_LE(hiddenAt, 550u);
    EXPECT_GE(shownAt, 550u);
    EXPECT_LE(shownAt, 1000u);

    ASSERT_TRUE(PumpUntil([&] { return part->BlinkOn(); }, 2000));
    EXPECT_FALSE(shown());
    label->Repaint();
    EXPECT_TRUE(shown());
    ASSERT_EQ(label->BlinkList().size(), 1u);
    EXPECT_FALSE(label->BlinkList()[0]->BlinkOn());
    EXPECT_EQ(label->ComponentCount(), 1);  // the old timer went with the old part
}

TEST_F(FmtLabelTest, BlinkingStopsWhileHiddenWhenTheCaptionEmptiesAndWhenTheLabelGoes) {
    TFmtLabel* label = AddLabel(L"~@12clipeste");
    label->SetBounds(20, 20, label->Width(), label->Height());
    const TRect area = label->BoundsRect();
    const auto blueOnScreen = [&] { return !InkOf(OnScreen(form->Handle(), area), clBlue).IsEmpty(); };
    form->Show();
    PumpUntil([] { return false; }, 150);
    label->Repaint();
    ASSERT_EQ(label->BlinkList().size(), 1u);

    label->Hide();
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpUntil([] { return false; }, 700);  // a hidden label's part draws nothing at its ticks
    EXPECT_FALSE(blueOnScreen());
    label->Show();

    label->SetCaption(L"");
    label->Repaint();
    EXPECT_TRUE(label->BlinkList().empty());
    EXPECT_EQ(label->ComponentCount(), 0);

    label->SetCaption(L"~@12clipeste");
    label->Repaint();
    ASSERT_EQ(label->BlinkList().size(), 1u);
    label->Free();
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpUntil([] { return false; }, 700);  // two ticks of a timer that outlived its label would draw here
    EXPECT_FALSE(blueOnScreen());
}

TEST_F(FmtLabelTest, PaintingLeaksNoGdiObjects) {
    TFmtLabel* label = AddLabel(L"%@9$2&14Eroare~@12$1 clipeste\r&9$0mic");
    TBitmap picture(300, 80);
    label->PaintTo(picture.Canvas().Handle(), 0, 0);
    const int before = LiveGdiObjects();
    for (int i = 0; i < 40; ++i) label->PaintTo(picture.Canvas().Handle(), 0, 0);
    EXPECT_EQ(LiveGdiObjects(), before);
}

TEST_F(FmtLabelTest, MalformedCaptionsPaintWithoutHarm) {
    const wchar_t* captions[] = {
        L"\\", L"@", L"&", L"$", L"~", L"%", L"@@@@", L"&0x", L"$99999999999999999999x", L"&99999999999999999999x",
        L"@99999999999999999999x", L"~~~~~~\r\r\r", L"\\\\\\~", L"\r", L"\n\n", L"~%&12",
    };
    const int largest = Measure(Face, FmtMaxPoints, L"x").Height;
    for (const wchar_t* caption : captions) {
        TFmtLabel* label = AddLabel(caption);
        Picture(*label);
        EXPECT_LE(label->Height(), 4 * largest) << Narrow(caption);
        label->Free();
    }
}

TEST_F(FmtLabelTest, DefinitionsSetAlignAndShadowColour) {
    RegisterFmtLabel(TClassRegistry::Instance());
    TOwnedPtr<TForm> defined(new TForm(nullptr));
    LoadFormDefinitionText(*defined,
                           L"TForm F {\n"
                           L"  TFmtLabel Lk1 {\n"
                           L"    Left = 165\n    Top = 51\n    AutoSize = False\n    Width = 29\n    Height = 17\n"
                           L"    Caption = \"%\\u00FC\"\n    Font.Name = \"Wingdings\"\n    Font.Charset = SYMBOL_CHARSET\n"
                           L"    ShadowColor = clBtnShadow\n    Align = alMCenter\n"
                           L"  }\n"
                           L"}",
                           L"TFmtLabelSample");
    auto* mark = dynamic_cast<TFmtLabel*>(defined->FindComponent(L"Lk1"));
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->Align(), alMCenter);
    EXPECT_EQ(static_cast<TControl*>(mark)->Align(), alNone);  // not laid out by the parent
    EXPECT_EQ(mark->ShadowColor(), clBtnShadow);
    EXPECT_EQ(mark->Caption(), L"%\u00FC");
    EXPECT_EQ(mark->Width(), 29);
    TOwnedPtr<TForm> wrong(new TForm(nullptr));
    EXPECT_THROW(LoadFormDefinitionText(*wrong, L"TForm G {\n TFmtLabel X {\n Align = alTop\n }\n}", L"TBad"),
                 EFormDefinitionError);
}

// A sheet of the labels the screens use, for the eye: fmt_label_sample.png
// beside the test program.
TEST_F(FmtLabelTest, SampleSheet) {
    form->SetColor(static_cast<TColor>(11642264));
    const std::wstring captions[] = {
        L"Caut in ..C:\\Zarvant\\DATA\\FIRMA",
        L"Nu am gasit directorul program!!!",
        L"$2EROARE,\r\r$0Fisierul @9$2INSTALL.CFG@0$0 lipseste.\r~@12Reincercati~@0 sau apasati %$2Abandon",
        L"$2Caut in ..~C:\\Zarvant~$0 si %$2Abandon",
    };
    TBitmap sheet(440, 300);
    sheet.Canvas().Brush().SetColor(static_cast<TColor>(11642264));
    sheet.Canvas().FillRect({0, 0, 440, 300});
    int top = 8;
    for (const std::wstring& caption : captions) {
        TFmtLabel* label = AddLabel(caption);
        label->SetColor(static_cast<TColor>(11642264));
        label->SetBounds(10, top, label->Width(), label->Height());
        label->PaintTo(sheet.Canvas().Handle(), label->Left(), label->Top());
        EXPECT_FALSE(InkOf(Picture(*label), clBlack).IsEmpty()) << Narrow(caption);
        top += label->Height() + 10;
    }
    TFmtLabel* sizes = AddLabel(L"&8mic &12mediu &20mare\r$1cursiv $0drept @2verde");
    sizes->Font().SetName(Scalable);
    sizes->SetColor(static_cast<TColor>(11642264));
    sizes->SetBounds(10, top, sizes->Width(), sizes->Height());
    sizes->PaintTo(sheet.Canvas().Handle(), sizes->Left(), sizes->Top());
    top += sizes->Height() + 10;
    for (int i = 0; i < 3; ++i) {
        TFmtLabel* mark = AddLabel(L"%\u00FC");
        mark->SetColor(static_cast<TColor>(11642264));
        mark->Font().SetName(L"Wingdings");
        mark->Font().SetCharset(SYMBOL_CHARSET);
        mark->Font().SetHeight(-16);
        mark->Font().SetStyle(fsBold);
        mark->Font().SetColor(clRed);
        mark->SetBounds(10 + 34 * i, top, 29, 17);
        mark->PaintTo(sheet.Canvas().Handle(), mark->Left(), mark->Top());
    }
    EXPECT_FALSE(InkOf(sheet, clRed).IsEmpty());
    sheet.SaveToPngFile(TestProgramDir() + L"fmt_label_sample.png");
}

}  // namespace
