// The picture button: kinds, the one hot button, the hit test, the pressed
// flash, the look buffers and the faces for high and low colour screens.
#include <gtest/gtest.h>


#include "tests/support/gui_support.h"
#include "tests/controls/button_test_support.h"
#include "ui/controls/draw_helpers.h"
#include "ui/controls/nice_button.h"

namespace {

const TColor ScreenColor = static_cast<TColor>(0xB1A598);

void MouseMove(TWinControl& c, int x, int y) { c.Perform(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }

// A 100 x 28 "&Renunt" button in the screens' colour; its glyph (23 x 22)
// stands at x 11..34, its face from x 35 to the right edge.
struct NiceButtonFixture : ButtonFixture {
    TNiceButton* NewCancel(int top = 10) {
        auto* b = Add<TNiceButton>(10, top, 100, 28);
        b->SetColor(ScreenColor);
        b->SetKind(mkCancel);
        return b;
    }
};

TEST_F(NiceButtonFixture, KindsSetCaptionAndModalResultUnlessTheyWereSet) {
    struct Case {
        const char* Name;
        std::function<void(TNiceButton&)> Before;
        int Kind;
        TMButtonKind ExpectedKind;
        int ModalResult;
        const wchar_t* Caption;
    };
    const Case cases[] = {
        {"fresh", {}, mkCancel, mkCancel, mrCancel, L"&Renunt"},
        {"own caption", [](TNiceButton& b) { b.SetCaption(L"Gata"); }, mkCancel, mkCancel, mrCancel, L"Gata"},
        {"own empty caption", [](TNiceButton& b) { b.SetCaption(L""); }, mkOK, mkOK, mrOk, L""},
        {"empty kind caption", [](TNiceButton& b) { b.SetKind(mkOK); }, mkCustom, mkCustom, mrNone, L""},
        {"explicit zero", [](TNiceButton& b) { b.SetModalResult(mrNone); }, mkOK, mkOK, mrNone, L"O&K"},
        {"unknown kind", [](TNiceButton& b) { b.SetKind(mkNo); }, 70, mkNo, mrNo, L"&Nu"},
    };
    for (const Case& c : cases) {
        TNiceButton b(form.get());
        if (c.Before) c.Before(b);
        b.SetKind(static_cast<TMButtonKind>(c.Kind));
        EXPECT_EQ(b.Kind(), c.ExpectedKind) << c.Name;
        EXPECT_EQ(b.ModalResult, c.ModalResult) << c.Name;
        EXPECT_EQ(b.Caption(), c.Caption) << c.Name;
    }
}

TEST_F(NiceButtonFixture, ANewPictureButtonHasItsSizeAndColourAndGoesBufferedWithTheBufferedLook) {
    auto* b = new TNiceButton(form.get());
    EXPECT_EQ(b->Width(), 100);
    EXPECT_EQ(b->Height(), 28);
    EXPECT_EQ(b->Color(), clWindow);
    EXPECT_EQ(b->ControlStyle(), static_cast<unsigned>(csCaptureMouse | csOpaque));
    b->SetParent(form.get());
    EXPECT_FALSE(b->Buffered());  // the buffered look is off
    BufferedLook = true;
    auto* buffered = Add<TNiceButton>(10, 50, 100, 28);
    BufferedLook = false;
    EXPECT_TRUE(buffered->Buffered());
}

TEST_F(NiceButtonFixture, AnOwnGlyphShowsOnlyWithTheCustomKind) {
    auto* b = Add<TNiceButton>(10, 10, 60, 28);
    b->SetColor(clWhite);
    b->SetGlyph(SolidStrip(10, 12, {clBlue, clLime, clRed}));
    EXPECT_EQ(InkOf(PaintItem(*b), clBlue), (TRect{25, 8, 35, 20}));  // centred without a caption
    b->SetKind(mkNext);
    const TBitmap kind = PaintItem(*b);
    EXPECT_TRUE(InkOf(kind, clBlue).IsEmpty());
    EXPECT_FALSE(InkWhere(kind, [](TColor c) { return c != clWhite; }).IsEmpty());  // the kind's picture instead
}

TEST_F(NiceButtonFixture, OnlyOnePictureButtonIsHotAtATime) {
    TNiceButton* a = NewCancel(10);
    TNiceButton* b = NewCancel(50);
    MouseMove(*a, 60, 14);
    EXPECT_TRUE(a->Hot());
    EXPECT_EQ(HotNiceButton, a);
    MouseMove(*b, 60, 14);
    EXPECT_TRUE(b->Hot());
    EXPECT_FALSE(a->Hot());
    EXPECT_EQ(HotNiceButton, b);
    b->SetEnabled(false);  // a disabled button is not hot
    EXPECT_EQ(HotNiceButton, nullptr);
    EXPECT_FALSE(b->Hot());
    MouseMove(*b, 60, 14);
    EXPECT_FALSE(b->Hot());
    b->SetEnabled(true);
    EXPECT_FALSE(b->Hot());
    MouseMove(*a, 60, 14);
    a->Free();
    EXPECT_EQ(HotNiceButton, nullptr);
}

TEST_F(NiceButtonFixture, TabbingMakesAButtonHotAndTheSpaceBarFlashesItsPressedLook) {
    TNiceButton* a = NewCancel(10);
    TNiceButton* b = NewCancel(50);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    form->Show();
    SetForegroundWindow(form->Handle());
    a->SetFocus();
    Application->ProcessMessages();
    ASSERT_EQ(GetFocus(), a->Handle());
    EXPECT_TRUE(a->Hot());
    form->SelectNext(a, true, true);
    Application->ProcessMessages();
    EXPECT_TRUE(b->Hot());
    EXPECT_FALSE(a->Hot());
    PostMessageW(b->Handle(), WM_KEYDOWN, VK_SPACE, 0x00390001);
    PostMessageW(b->Handle(), WM_KEYUP, VK_SPACE, 0xC0390001);
    const DWORD start = GetTickCount();
    while (clicks == 0 && GetTickCount() - start < 1000) Application->ProcessMessages();
    ASSERT_EQ(clicks, 1);
    EXPECT_TRUE(b->ForcedDown());
    Pump(100);
    EXPECT_FALSE(b->ForcedDown());
    EXPECT_TRUE(b->Hot());
}

TEST_F(NiceButtonFixture, WhereNothingIsDrawnTheMousePassesThrough) {
    TNiceButton* b = NewCancel();
    PaintItem(*b);  // the hit test follows what the last paint drew
    const auto hit = [b](int x, int y) {
        const TPoint p = b->ClientToScreen({x, y});
        return b->Perform(WM_NCHITTEST, 0, MAKELPARAM(p.X, p.Y));
    };
    struct Case {
        TPoint At;
        LRESULT Expected;
    };
    for (const Case& c : {Case{{2, 2}, HTNOWHERE}, Case{{8, 14}, HTNOWHERE}, Case{{11, 1}, HTNOWHERE},
                          Case{{20, 14}, HTCLIENT}, Case{{34, 14}, HTCLIENT}, Case{{60, 14}, HTCLIENT},
                          Case{{99, 27}, HTCLIENT}})
        EXPECT_EQ(hit(c.At.X, c.At.Y), c.Expected) << c.At.X << "," << c.At.Y;

    MouseMove(*b, 60, 14);
    ASSERT_TRUE(b->Hot());
    hit(2, 2);  // off the drawn parts: no longer hot
    EXPECT_FALSE(b->Hot());

    b->SetCaptionVisible(false);  // glyph only: just the glyph counts
    PaintItem(*b);
    EXPECT_EQ(hit(70, 14), HTNOWHERE);  // the glyph is centred now, at 38..61
    EXPECT_EQ(hit(50, 14), HTCLIENT);
    b->SetStretch(true);  // stretched: everything counts
    EXPECT_EQ(hit(2, 2), HTCLIENT);
}

TEST_F(NiceButtonFixture, AProgramClickFlashesThePressedLookAndAMouseClickDoesNot) {
    TNiceButton* b = NewCancel();
    const TBitmap pressed = PaintItem(*b, ODS_SELECTED);
    b->Click();
    EXPECT_TRUE(b->ForcedDown());
    EXPECT_TRUE(SamePixels(PaintItem(*b), pressed));
    Pump(100);
    EXPECT_FALSE(b->ForcedDown());
    EXPECT_FALSE(SamePixels(PaintItem(*b), pressed));

    b->SetInvisibleClick(true);
    b->Click();
    EXPECT_FALSE(b->ForcedDown());
    b->SetInvisibleClick(false);

    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 14));
    b->Perform(WM_LBUTTONUP, 0, MAKELPARAM(60, 14));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b->ForcedDown());

    b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 14));
    b->SetForcedDown(true);  // set from outside while the mouse is down: lasts until cleared
    b->Perform(WM_LBUTTONUP, 0, MAKELPARAM(60, 14));
    Pump(60);
    EXPECT_TRUE(b->ForcedDown());
    b->SetForcedDown(false);
}

// Counts the looks it paints.
class CountingNiceButton : public TNiceButton {
public:
    using TNiceButton::TNiceButton;
    int Paints = 0;

protected:
    void PaintState(TCanvas& canvas, bool isDown, bool hot, bool enabled) override {
        ++Paints;
        TNiceButton::PaintState(canvas, isDown, hot, enabled);
    }
};

TEST_F(NiceButtonFixture, TheLookBuffersAreRebuiltOnlyWhenStale) {
    auto* b = Add<CountingNiceButton>(10, 10, 100, 28);
    b->SetColor(ScreenColor);
    b->SetKind(mkCancel);
    b->SetBuffered(true);
    PaintItem(*b);
    EXPECT_EQ(b->Paints, 4);
    PaintItem(*b, ODS_SELECTED);
    MouseMove(*b, 60, 14);
    PaintItem(*b);
    b->SetButtonLayout(blGlyphTop);
    b->SetColor(clWhite);
    const TBitmap white = PaintItem(*b);
    EXPECT_EQ(b->Paints, 4);
    EXPECT_EQ(white.Pixel(0, 0), clWhite);  // the colour shows without a rebuild

    const std::pair<const char*, std::function<void()>> changes[] = {
        {"caption", [b] { b->SetCaption(L"&Abandon"); }},
        {"kind", [b] { b->SetKind(mkAbort); }},
        {"glyph", [b] { b->SetGlyph(SolidStrip(10, 12, {clBlue})); }},
        {"cells", [b] { b->SetNumGlyphs(1); }},
        {"caption visible", [b] { b->SetCaptionVisible(false); }},
        {"inside", [b] { b->SetInsideDraw(true); }},
        {"stretch", [b] { b->SetStretch(true); }},
        {"size", [b] { b->SetBounds(10, 10, 120, 30); }},
    };
    for (const auto& [name, change] : changes) {
        const int before = b->Paints;
        change();
        PaintItem(*b);
        PaintItem(*b);
        EXPECT_EQ(b->Paints, before + 4) << name;
    }
}

TEST_F(NiceButtonFixture, BufferedLooksMatchTheLooksPaintedDirectly) {
    TNiceButton* direct = NewCancel(10);
    TNiceButton* buffered = NewCancel(50);
    buffered->SetBuffered(true);
    struct Case {
        const char* Name;
        std::function<void(TNiceButton&)> Set;
        UINT State;
    };
    const Case cases[] = {
        {"normal", [](TNiceButton&) {}, 0},
        {"hot", [](TNiceButton& b) { MouseMove(b, 60, 14); }, 0},
        {"pressed", [](TNiceButton& b) { MouseMove(b, 60, 14); }, ODS_SELECTED},
        {"disabled", [](TNiceButton& b) { b.SetEnabled(false); }, 0},
    };
    for (const Case& c : cases) {
        c.Set(*direct);
        const TBitmap expected = PaintItem(*direct, c.State);
        c.Set(*buffered);
        EXPECT_TRUE(SamePixels(PaintItem(*buffered, c.State, clFuchsia), expected)) << c.Name;
    }
}

TEST_F(NiceButtonFixture, TheFaceIsCutFromTheStatesSlices) {
    TNiceButton* b = NewCancel();
    const TBitmap& face = *FaceBitmap;
    const TColor key = face.Pixel(0, 0);
    struct Case {
        const char* Name;
        UINT State;
        bool Hot;
        int Offset;
    };
    for (const Case& c : {Case{"normal", 0, false, 0}, Case{"hot", 0, true, 60}, Case{"pressed", ODS_SELECTED, true, 120}}) {
        if (c.Hot) MouseMove(*b, 60, 14);
        const TBitmap picture = PaintItem(*b, c.State);
        // Rows above and below the caption: left cap at 35, middle tiles, right cap ending at the edge.
        for (int y : {0, 1, 2, 3, 4, 24, 25, 26, 27}) {
            for (int x = 35; x < 100; ++x) {
                const int sourceX = x < 55 ? x - 35 : x < 80 ? 20 + (x - 55) % 20 : 40 + (x - 80);
                const TColor source = face.Pixel(c.Offset + sourceX, y);
                const TColor expected = source == key ? ScreenColor : source;
                ASSERT_EQ(picture.Pixel(x, y), expected) << c.Name << " at " << x << "," << y;
            }
            for (int x = 0; x < 11; ++x) ASSERT_EQ(picture.Pixel(x, y), ScreenColor) << c.Name << " at " << x;
        }
    }
}

TEST_F(NiceButtonFixture, OnALowColourScreenTheFaceIsARoundedRectangle) {
    HighColorDisplay = false;
    TNiceButton* b = NewCancel();
    const TColor pen = static_cast<TColor>(0xA9A9A9);
    struct Case {
        const char* Name;
        bool Hot;
        UINT State;
        TColor Fill;
    };
    for (const Case& c : {Case{"normal", false, 0, LightenColor(ScreenColor, 20)},
                          Case{"hot", true, 0, static_cast<TColor>(0xDFDFDF)},
                          Case{"pressed", true, ODS_SELECTED, clGray}}) {
        if (c.Hot) MouseMove(*b, 60, 14);
        const TBitmap picture = PaintItem(*b, c.State);
        EXPECT_EQ(picture.Pixel(35, 0), ScreenColor) << c.Name;  // a round corner
        EXPECT_EQ(picture.Pixel(67, 0), pen) << c.Name;
        EXPECT_EQ(picture.Pixel(67, 27), pen) << c.Name;
        EXPECT_EQ(picture.Pixel(40, 14), c.Fill) << c.Name;
        EXPECT_EQ(picture.Pixel(5, 14), ScreenColor) << c.Name;
    }
    HighColorDisplay = true;
}

TEST_F(NiceButtonFixture, WithoutTheFaceBitmapNothingIsPainted) {
    TNiceButton* b = NewCancel();
    const TBitmap* face = FaceBitmap;
    FaceBitmap = &EmptyBitmap();
    for (bool buffered : {false, true}) {
        b->SetBuffered(buffered);
        EXPECT_EQ(CountOf(PaintItem(*b, 0, clFuchsia), clFuchsia), 100 * 28) << buffered;
    }
    FaceBitmap = face;
}

}  // namespace
