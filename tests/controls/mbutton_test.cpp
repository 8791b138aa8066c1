// The bevelled button: kinds, layout of glyph and caption, looks and hot state.
#include <gtest/gtest.h>

#include "tests/controls/button_test_support.h"
#include "ui/controls/mbutton.h"

namespace {

const TColor ScreenColor = static_cast<TColor>(0xB1A598);

bool IsRed(TColor c) { return GetRValue(c) > 150 && GetGValue(c) < 100 && GetBValue(c) < 100; }

TEST_F(ButtonFixture, ANewBevelledButtonIsALightOwnerDrawnCustomButton) {
    auto* b = new TMButton(form.get());
    b->SetParent(form.get());
    EXPECT_EQ(b->Width(), 90);
    EXPECT_EQ(b->Height(), 40);
    EXPECT_EQ(b->Kind(), mkCustom);
    EXPECT_TRUE(b->Caption().empty());
    EXPECT_EQ(b->ModalResult, mrNone);
    EXPECT_FALSE(b->ModalResultAssigned());
    EXPECT_TRUE(b->LightButton());
    EXPECT_EQ(b->Margin(), -1);
    EXPECT_EQ(b->Spacing(), 0);
    EXPECT_TRUE(b->DoubleBuffered);
    const HWND window = b->Handle();
    EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(GetClassLongW(window, GCL_STYLE) & CS_DBLCLKS, 0u);  // a double click comes as two clicks
    MEASUREITEMSTRUCT measure{};
    b->Perform(CN_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(measure.itemWidth, 90u);
    EXPECT_EQ(measure.itemHeight, 40u);
}

TEST_F(ButtonFixture, KindsFillCaptionAndModalResultUnlessTheyWereSet) {
    struct Case {
        const char* Name;
        std::function<void(TMButton&)> Before;
        int Kind;
        TMButtonKind ExpectedKind;
        int ModalResult;
        const wchar_t* Caption;
        bool CaptionVisible;
    };
    const Case cases[] = {
        {"fresh", {}, mkOK, mkOK, mrOk, L"O&K", true},
        {"explicit zero", [](TMButton& b) { b.SetModalResult(mrNone); }, mkOK, mkOK, mrNone, L"O&K", true},
        {"explicit result", [](TMButton& b) { b.SetModalResult(mrIgnore); }, mkCancel, mkCancel, mrIgnore, L"&Renunt", true},
        {"own caption", [](TMButton& b) { b.SetCaption(L"Cauta..."); }, mkOK, mkOK, mrOk, L"Cauta...", true},
        {"kind after kind", [](TMButton& b) { b.SetKind(mkOK); }, mkCancel, mkCancel, mrCancel, L"O&K", true},
        {"navigation hides the caption", {}, mkNext, mkNext, mrNone, L"&u", false},
        {"no default caption", {}, mkLast, mkLast, mrNone, L"", false},
        {"unknown kind", [](TMButton& b) { b.SetKind(mkYes); }, 59, mkYes, mrYes, L"&Da", true},
    };
    for (const Case& c : cases) {
        TMButton b(form.get());
        if (c.Before) c.Before(b);
        b.SetKind(static_cast<TMButtonKind>(c.Kind));
        EXPECT_EQ(b.Kind(), c.ExpectedKind) << c.Name;
        EXPECT_EQ(b.ModalResult, c.ModalResult) << c.Name;
        EXPECT_EQ(b.Caption(), c.Caption) << c.Name;
        EXPECT_EQ(b.CaptionVisible(), c.CaptionVisible) << c.Name;
    }
}

TEST(GlyphLayout, PlacesGlyphAndTextForEachLayoutMarginAndSpacing) {
    struct Case {
        TButtonLayout Layout;
        int Margin, Spacing;
        TSize Client, Glyph;
        TPoint GlyphAt, TextAt;
    };
    const TSize c{60, 40}, g{20, 16};  // text 30 x 13 throughout
    const Case cases[] = {
        {blGlyphLeft, -1, -1, c, g, {3, 12}, {26, 14}},    // margin = spacing = (60 - 50) / 3
        {blGlyphLeft, -1, 5, c, g, {3, 12}, {28, 14}},     // margin = 30 - 55 / 2
        {blGlyphLeft, 4, -1, c, g, {4, 12}, {27, 14}},     // spacing = (60 - 24) / 2 - 15
        {blGlyphLeft, 2, 6, c, g, {2, 12}, {28, 14}},
        {blGlyphRight, -1, -1, c, g, {37, 12}, {4, 14}},
        {blGlyphRight, 30, -1, c, g, {10, 12}, {-10, 14}},  // spacing = 10 / 2 - 15
        {blGlyphTop, -1, -1, c, g, {20, 3}, {15, 22}},     // margin = (40 - 29) / 3
        {blGlyphTop, -1, 5, c, g, {20, 3}, {15, 24}},      // margin = 20 - 34 / 2
        {blGlyphBottom, 4, -1, c, g, {20, 20}, {15, 3}},   // spacing = (40 - 20) / 2 - 6
        {blGlyphBottom, -1, -1, c, g, {20, 21}, {15, 5}},
        {blGlyphLeft, -1, 5, c, {0, 0}, {15, 20}, {15, 14}},  // no glyph: no spacing
        {blGlyphLeft, -1, -1, {21, 40}, g, {-9, 12}, {2, 14}},  // -29 / 3 truncates toward zero
    };
    for (const Case& k : cases) {
        const TGlyphLayout at = CalcGlyphLayout(k.Client, k.Glyph, {30, 13}, k.Layout, k.Margin, k.Spacing);
        const std::string what = std::to_string(k.Layout) + " margin " + std::to_string(k.Margin) + " spacing " +
                                 std::to_string(k.Spacing);
        EXPECT_EQ(at.Glyph, k.GlyphAt) << what;
        EXPECT_EQ(at.Text, k.TextAt) << what;
    }
    EXPECT_EQ(CalcGlyphLayout(c, g, {}, blGlyphTop, -1, 7).Glyph, (TPoint{20, 12}));  // no text: no spacing
}

// A white light button with a 10 x 12 glyph (blue, green, red cells) and a
// black caption, 100 x 60.
struct LaidOutButton : ButtonFixture {
    TMButton* b = nullptr;
    void SetUp() override {
        ButtonFixture::SetUp();
        b = Add<TMButton>(10, 10, 100, 60);
        b->SetColor(clWhite);
        b->SetColorOver(clWhite);
        b->Font().SetName(L"Arial");
        b->Font().SetHeight(-13);
        b->Font().SetColor(clBlack);
        b->SetGlyph(SolidStrip(10, 12, {clBlue, clLime, clRed}));
        b->SetCaption(L"Hm");
    }
    static bool IsText(TColor c) { return GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128; }
};

TEST_F(LaidOutButton, GlyphAndCaptionLandWhereLayoutMarginAndSpacingPutThem) {
    struct Case {
        TButtonLayout Layout;
        TRect Glyph;          // exactly
        int TRect::*TextEdge;  // the caption's edge toward the glyph, within [Low, High]
        int Low, High;         // (where the ink starts inside the text's box depends on the font)
    };
    b->SetMargin(4);
    b->SetSpacing(6);
    const Case cases[] = {
        {blGlyphLeft, {4, 24, 14, 36}, &TRect::Left, 20, 23},      // text box from 4 + 10 + 6
        {blGlyphRight, {86, 24, 96, 36}, &TRect::Right, 77, 80},   // text box up to 86 - 6
        {blGlyphTop, {45, 4, 55, 16}, &TRect::Top, 22, 28},        // text box from 4 + 12 + 6
        {blGlyphBottom, {45, 44, 55, 56}, &TRect::Bottom, 32, 38},  // text box up to 44 - 6
    };
    for (const Case& c : cases) {
        b->SetButtonLayout(c.Layout);
        const TBitmap picture = PaintItem(*b);
        EXPECT_EQ(InkOf(picture, clBlue), c.Glyph) << c.Layout;
        const TRect text = InkWhere(picture, IsText);
        ASSERT_FALSE(text.IsEmpty()) << c.Layout;
        EXPECT_GE(text.*c.TextEdge, c.Low) << c.Layout;
        EXPECT_LE(text.*c.TextEdge, c.High) << c.Layout;
    }
}

TEST_F(LaidOutButton, AutomaticMarginSpreadsGlyphAndCaptionEvenly) {
    b->SetMargin(-1);
    b->SetSpacing(-1);
    const TBitmap picture = PaintItem(*b);
    const TRect glyph = InkOf(picture, clBlue), text = InkWhere(picture, IsText);
    EXPECT_NEAR(text.Left - glyph.Right, glyph.Left, 2);        // spacing = margin
    EXPECT_NEAR(100 - text.Right, glyph.Left, 3);               // and the rest is a margin too
    b->SetSpacing(0);
    const TBitmap centred = PaintItem(*b);
    const TRect all{InkOf(centred, clBlue).Left, 0, InkWhere(centred, IsText).Right, 0};
    EXPECT_NEAR(all.Left, 100 - all.Right, 3);                  // centred as a whole
}

TEST_F(LaidOutButton, AFaceMovesTheContentInAndAPressedFaceMovesItFurther) {
    b->SetMargin(4);
    b->SetLightButton(false);
    EXPECT_EQ(InkOf(PaintItem(*b), clBlue), (TRect{5, 23, 15, 35}));
    EXPECT_EQ(InkOf(PaintItem(*b, ODS_SELECTED), clRed), (TRect{6, 24, 16, 36}));  // and shows the pressed cell
}

TEST_F(LaidOutButton, TheGlyphCellFollowsTheStateAndAnOwnGlyphWinsOverTheKind) {
    b->SetCaptionVisible(false);
    b->SetKind(mkOK);
    struct Case {
        UINT State;
        bool Enabled;
        TColor Cell;
    };
    for (const Case& c : {Case{0, true, clBlue}, Case{ODS_SELECTED, true, clRed}, Case{0, false, clLime},
                          Case{ODS_SELECTED, false, clLime}}) {
        b->SetEnabled(c.Enabled);
        const TBitmap picture = PaintItem(*b, c.State);
        for (TColor cell : {clBlue, clLime, clRed})
            EXPECT_EQ(InkOf(picture, cell).IsEmpty(), cell != c.Cell) << std::hex << cell << " " << c.State;
    }
    EXPECT_EQ(b->LastGlyph(), &b->Glyph());
    b->SetGlyph(TBitmap());
    b->SetEnabled(true);
    PaintItem(*b);
    EXPECT_EQ(b->LastGlyph(), &KindGlyph(mkOK));
}

TEST_F(LaidOutButton, AOneCellGlyphShowsThatCellInEveryState) {
    b->SetCaptionVisible(false);
    b->SetGlyph(SolidStrip(10, 12, {clBlue}));
    b->SetNumGlyphs(1);
    b->SetEnabled(false);
    EXPECT_EQ(InkOf(PaintItem(*b), clBlue), (TRect{45, 24, 55, 36}));
    b->SetEnabled(true);
    EXPECT_EQ(InkOf(PaintItem(*b, ODS_SELECTED), clBlue), (TRect{45, 24, 55, 36}));
    b->SetNumGlyphs(0);  // treated as one cell, not a division by zero
    EXPECT_FALSE(InkOf(PaintItem(*b), clBlue).IsEmpty());
}

TEST_F(ButtonFixture, PaintingLeavesTheSharedPicturesAsTheyAre) {
    TBitmap before;
    before.Assign(KindGlyph(mkOK));
    for (TColor color : {ScreenColor, clWhite}) {
        auto* b = Add<TMButton>(10, 10, 90, 40);
        b->SetColor(color);
        b->SetKind(mkOK);
        PaintItem(*b);
        PaintItem(*b, ODS_SELECTED);
    }
    EXPECT_TRUE(SamePixels(before, KindGlyph(mkOK)));
}

TEST_F(ButtonFixture, ALightButtonLiesFlatUntilHotAndSinksWhenPressed) {
    auto* b = Add<TMButton>(10, 10, 67, 51);
    const TColor over = static_cast<TColor>(0xC6BAAC);
    b->SetColor(ScreenColor);
    b->SetColorOver(over);
    const TBitmap rest = PaintItem(*b);
    EXPECT_EQ(CountOf(rest, ScreenColor), 67 * 51);

    b->Perform(CM_MOUSEENTER);
    ASSERT_TRUE(b->Hot());
    const TColor light = Drawn(clBtnHighlight), dark = Drawn(cl3DDkShadow);
    const TBitmap hot = PaintItem(*b);
    EXPECT_EQ(hot.Pixel(0, 0), light);
    EXPECT_EQ(hot.Pixel(66, 50), dark);
    EXPECT_EQ(hot.Pixel(33, 25), over);
    const TBitmap pressed = PaintItem(*b, ODS_SELECTED);
    EXPECT_EQ(pressed.Pixel(0, 0), dark);
    EXPECT_EQ(pressed.Pixel(66, 50), light);
    EXPECT_EQ(pressed.Pixel(33, 25), over);

    b->Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(b->Hot());
    EXPECT_TRUE(SamePixels(PaintItem(*b), rest));
    b->SetLightButton(false);
    EXPECT_EQ(PaintItem(*b).Pixel(0, 0), light);  // a button that is not light always shows its face
}

TEST_F(ButtonFixture, ADisabledCaptionKeepsItsFirstShadeAndLosesItsAccelerator) {
    auto* b = Add<TMButton>(10, 10, 90, 40);
    auto* plain = Add<TMButton>(10, 60, 90, 40);
    for (TMButton* button : {b, plain}) {
        button->SetColor(ScreenColor);
        button->SetEnabled(false);
    }
    b->SetCaption(L"&Abandon");
    plain->SetCaption(L"Abandon");
    const TColor shade = static_cast<TColor>(0x766E65);
    const TBitmap picture = PaintItem(*b);
    EXPECT_GT(CountOf(picture, shade), 20);
    EXPECT_TRUE(InkWhere(picture, IsRed).IsEmpty());
    EXPECT_TRUE(SamePixels(picture, PaintItem(*plain)));  // no accelerator mark, no underline
    b->SetColor(clWhite);
    EXPECT_GT(CountOf(PaintItem(*b), shade), 20);
    b->SetEnabled(true);
    EXPECT_FALSE(InkWhere(PaintItem(*b), IsRed).IsEmpty());  // enabled: the accelerator in red
}

TEST_F(ButtonFixture, AHashCaptionIsMeasuredAsLinesButDrawnOnOne) {
    const auto ink = [this](const wchar_t* caption) {
        auto* b = Add<TMButton>(10, 10, 120, 60);
        b->SetColor(clWhite);
        b->SetCaption(caption);
        return InkWhere(PaintItem(*b), [](TColor c) { return c != clWhite; });
    };
    const TRect hashed = ink(L"Unu#Doi"), joined = ink(L"UnuDoi"), spaced = ink(L"Unu Doi");
    EXPECT_LE(hashed.Top, spaced.Top - 4);                   // placed as if two lines high
    EXPECT_NEAR(hashed.Height(), spaced.Height(), 1);        // drawn as one
    EXPECT_GT(hashed.Width(), joined.Width() + 2);           // with the # visible
    EXPECT_NEAR(ink(L"#").Top, ink(L"H").Top, 2);            // a lone # is no line break
}

TEST_F(ButtonFixture, TheDefaultLookIsBoldAndEnterStillPressesTheDefaultButton) {
    auto* other = Add<TButtonControl>(10, 10, 60, 25);  // focusable, does not want Enter
    auto* ok = Add<TMButton>(100, 10, 90, 40);
    ok->SetLightButton(false);
    ok->SetCaption(L"Continua");
    ok->Font().SetColor(clNavy);
    ok->SetModalResult(mrOk);
    const auto inkWidth = [&] { return InkOf(PaintItem(*ok), clNavy).Width(); };
    const int normal = inkWidth();
    ok->SetDefault(true);
    EXPECT_TRUE(ok->DefaultLook());
    EXPECT_GT(inkWidth(), normal);
    EXPECT_EQ(GetWindowLongW(ok->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    form->SetActiveControl(other);
    form->OnShow = [&](TObject*) { PostMessageW(other->Handle(), WM_KEYDOWN, VK_RETURN, 1); };
    EXPECT_EQ(form->ShowModal(), mrOk);
}

TEST_F(ButtonFixture, FocusAndTheMouseMakeAButtonHot) {
    auto* a = Add<TMButton>(10, 10, 67, 51);
    auto* b = Add<TMButton>(100, 10, 67, 51);
    form->Show();
    SetForegroundWindow(form->Handle());
    Application->ProcessMessages();
    a->SetFocus();
    Application->ProcessMessages();
    ASSERT_EQ(GetFocus(), a->Handle());
    EXPECT_TRUE(a->Hot());
    b->Perform(CM_MOUSEENTER);  // a light button under the mouse takes the focus from another
    Application->ProcessMessages();
    EXPECT_EQ(GetFocus(), b->Handle());
    EXPECT_TRUE(b->Hot());
    EXPECT_FALSE(a->Hot());
    b->Perform(CM_MOUSELEAVE);
    EXPECT_TRUE(b->Hot());  // still focused
    a->SetLightButton(false);
    a->Perform(CM_MOUSEENTER);  // not light: hot, but the focus stays
    EXPECT_TRUE(a->Hot());
    EXPECT_EQ(GetFocus(), b->Handle());
}

}  // namespace
