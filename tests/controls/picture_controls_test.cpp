// The picture control of the framework and the panel that drags its form.
#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

#include "ui/controls/move_panel.h"
#include "ui/controls/trans_image.h"
#include "ui/forms/framework.h"
#include "ui/platform/application.h"
#include "ui/platform/std_controls.h"

namespace {

struct PictureControlsTest : ::testing::Test {
    TOwnedPtr<TForm> form;
    void SetUp() override {
        Application->Initialize();
        FrameworkStartup();
        form.reset(NewForm<TForm>(nullptr));
        form->SetBorderStyle(bsNone);
        form->SetBounds(100, 100, 300, 200);
        form->SetColor(static_cast<TColor>(11642264));
    }
    void TearDown() override {
        form.reset();
        FrameworkShutdown();
    }
    TTransImage* NewImage() {
        auto* image = new TTransImage(form.get());
        image->SetParent(form.get());
        return image;
    }
    TBitmap Shot() {
        TBitmap shot(300, 200);
        form->PaintTo(shot.Canvas().Handle(), 0, 0);
        return shot;
    }
};

TEST_F(PictureControlsTest, AKindPicksThePictureAndClearsTheOtherKinds) {
    TTransImage* image = NewImage();
    image->SetKindMic(mkOK);
    EXPECT_EQ(image->Width(), 84);
    image->SetKindMare(mtError);
    EXPECT_EQ(image->Width(), 86);
    EXPECT_EQ(image->Height(), 53);
    EXPECT_EQ(image->KindMic(), mkCustom);
    EXPECT_EQ(image->KindAlte(), glCustom);
    image->SetKindAlte(glCheck);
    EXPECT_EQ(image->KindMare(), mtCustom);
    EXPECT_EQ(image->Width(), 66);
    EXPECT_TRUE(AlteGlyph(static_cast<TAlteGlife>(20)).Empty());
    EXPECT_EQ(AlteGlyph(static_cast<TAlteGlife>(0x80 | glRadio)).Width(), 22);
    TBitmap own(10, 7);
    image->SetBitmap(own);
    EXPECT_EQ(image->KindAlte(), glCustom);
    EXPECT_EQ(image->Width(), 10);
}

TEST_F(PictureControlsTest, StretchAndProportionPlaceThePicture) {
    TTransImage* image = NewImage();
    image->SetAutoSize(false);
    image->SetBounds(0, 0, 60, 60);
    struct Case {
        int W, H;
        bool Stretch, Proportional, Center;
        TRect Expected;
    };
    const Case cases[] = {
        {100, 50, false, false, false, {0, 0, 100, 50}}, {100, 50, true, false, false, {0, 0, 60, 60}},
        {100, 50, true, true, false, {0, 0, 60, 30}},    {100, 50, true, true, true, {0, 15, 60, 45}},
        {50, 100, true, true, true, {15, 0, 45, 60}},    {20, 10, false, false, true, {20, 25, 40, 35}},
    };
    for (const Case& c : cases) {
        TBitmap picture(c.W, c.H);
        image->SetBitmap(picture);
        image->SetStretch(c.Stretch);
        image->SetProportional(c.Proportional);
        image->SetCenter(c.Center);
        EXPECT_EQ(image->DestRect(), c.Expected) << c.W << "x" << c.H << c.Stretch << c.Proportional << c.Center;
    }
    image->SetProportional(true);
    EXPECT_TRUE(image->Stretch());
    image->SetStretch(false);
    EXPECT_FALSE(image->Proportional());
}

TEST_F(PictureControlsTest, TransparentPixelsShowTheParentAndHidingDrawsNothing) {
    TTransImage* image = NewImage();
    image->SetBounds(10, 10, 0, 0);
    image->SetKindMic(mkOK);
    const TBitmap& glyph = KindGlyph(mkOK);
    TBitmap shot = Shot();
    EXPECT_EQ(shot.Pixel(10, 10), form->Color());                       // key colour: background shows
    EXPECT_EQ(shot.Pixel(10 + 14, 10 + 14), glyph.Pixel(14, 14));      // the glyph itself
    image->SetTransparent(false);
    shot = Shot();
    EXPECT_EQ(shot.Pixel(10, 10), glyph.Pixel(0, 0));
    image->SetVisible(false);
    EXPECT_TRUE(image->Visible());  // stays in place
    shot = Shot();
    EXPECT_EQ(shot.Pixel(10 + 14, 10 + 14), form->Color());
}

// Pictures of the container are shared by every control: they are handed
// out read-only, and painting one transparently leaves its settings alone.
static_assert(std::is_same_v<decltype(ContainerPicture(L"")), const TBitmap&>);
static_assert(std::is_same_v<decltype(KindGlyph(mkOK)), const TBitmap&>);

TEST_F(PictureControlsTest, PaintingASharedPictureLeavesItUntouched) {
    const TBitmap& glyph = KindGlyph(mkOK);
    const bool transparent = glyph.Transparent();
    const TColor key = glyph.TransparentColor();
    const TTransparentMode mode = glyph.TransparentMode();
    TTransImage* image = NewImage();
    image->SetKindMic(mkOK);
    image->SetTransparent(true);
    const TBitmap shot = Shot();
    EXPECT_EQ(shot.Pixel(0, 0), form->Color());
    EXPECT_EQ(glyph.Transparent(), transparent);
    EXPECT_EQ(glyph.TransparentColor(), key);
    EXPECT_EQ(glyph.TransparentMode(), mode);
}

TEST_F(PictureControlsTest, APressOnThePanelDragsTheFormButNotOnAControlInIt) {
    auto* panel = new TMovePanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(0, 0, 300, 40);
    auto* button = new TButton(form.get());
    button->SetParent(panel);
    button->SetBounds(200, 5, 80, 25);
    form->Show();
    Application->ProcessMessages();
    const auto press = [&](HWND target, TPoint at) {
        const TPoint screen = panel->ClientToScreen(at);
        SetCursorPos(screen.X, screen.Y);
        SendMessageW(panel->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                     MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    };
    int mouseUps = 0, clicks = 0;
    panel->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++mouseUps; };
    panel->OnClick = [&](TObject*) { ++clicks; };

    press(button->Handle(), {210, 10});
    EXPECT_FALSE(panel->Down);

    press(panel->Handle(), {20, 10});
    ASSERT_TRUE(panel->Down);
    SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
    SendMessageW(panel->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50, 30));
    EXPECT_EQ(form->Left(), 130);
    EXPECT_EQ(form->Top(), 120);
    SendMessageW(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
    EXPECT_FALSE(panel->Down);
    EXPECT_EQ(mouseUps, 0);
    EXPECT_EQ(clicks, 1);
    SendMessageW(panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(80, 30));
    EXPECT_EQ(form->Left(), 130);  // no drag after the release
}

}  // namespace
