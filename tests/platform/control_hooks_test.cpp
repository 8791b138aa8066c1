// The hooks the framework's controls build on: the 3-D look switch, the
// non-client paint hook (also through PaintTo), the owner-drawn button.
#include <gtest/gtest.h>

#include <vector>

#include "tests/graphics/graphics_test_support.h"
#include "tests/support/gui_support.h"
#include "ui/platform/application.h"
#include "ui/platform/edit_controls.h"
#include "ui/platform/graphics/bitmap.h"
#include "ui/platform/std_controls.h"

namespace {

// An edit that rings its whole window in green after the frame is drawn.
class TRingedEdit : public TEdit {
public:
    using TEdit::TEdit;
    int NonClientPaints = 0;

protected:
    void PaintNonClient(HDC dc) override {
        ++NonClientPaints;
        RECT r{0, 0, Width(), Height()};
        TBrushHandle green(CreateSolidBrush(RGB(0, 255, 0)));
        FrameRect(dc, &r, green.Get());
    }
};

class TRecordingButton : public TOwnerDrawButton {
public:
    explicit TRecordingButton(TComponent* owner, bool doubleClicks) : TOwnerDrawButton(owner) {
        if (!doubleClicks) SetControlStyle(ControlStyle() & ~static_cast<unsigned>(csDoubleClicks));
    }
    std::vector<char> Events;

protected:
    void DrawButton(const DRAWITEMSTRUCT& item) override {
        Events.push_back('d');
        TBrushHandle blue(CreateSolidBrush(RGB(0, 0, 255)));
        FillRect(item.hDC, &item.rcItem, blue.Get());
    }
    void ButtonClicked() override { Events.push_back('c'); }
    void ButtonDoubleClicked() override { Events.push_back('2'); }
};

struct ControlHooksTest : ::testing::Test {
    TOwnedPtr<TForm> form;
    void SetUp() override {
        Application->Initialize();
        form.reset(NewForm<TForm>(nullptr));
        form->SetBounds(100, 100, 300, 200);
        form->SetColor(clWhite);
    }
    void TearDown() override { form.reset(); }

    TBitmap Painted(TControl& control) {
        TBitmap picture;
        picture.SetSize(control.Width(), control.Height());
        picture.Canvas().Brush().SetColor(clFuchsia);
        picture.Canvas().FillRect({0, 0, control.Width(), control.Height()});
        control.PaintTo(picture.Canvas().Handle(), 0, 0);
        return picture;
    }
};

TEST_F(ControlHooksTest, TheThreeDLookSwitchesBetweenClientEdgeAndPlainBorder) {
    // The system edit draws a plain border itself inside its client area
    // (it takes WS_BORDER off its window), so the checks look at the pixels.
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(10, 10, 120, 24);
    struct Case {
        bool Ctl3D;
        DWORD ClientEdge;
        int FirstWhiteColumn;
    };
    for (const Case& c : {Case{true, WS_EX_CLIENTEDGE, 2}, Case{false, 0, 1}}) {
        edit->SetCtl3D(c.Ctl3D);
        const auto ex = static_cast<DWORD>(GetWindowLongPtrW(edit->Handle(), GWL_EXSTYLE));
        EXPECT_EQ(ex & WS_EX_CLIENTEDGE, c.ClientEdge) << c.Ctl3D;
        const TBitmap picture = Painted(*edit);
        for (int x = 0; x < c.FirstWhiteColumn; ++x) {
            EXPECT_NE(picture.Pixel(x, 12), clWhite) << c.Ctl3D << " at " << x;
            EXPECT_NE(picture.Pixel(x, 12), clFuchsia) << c.Ctl3D << " at " << x;
        }
        EXPECT_EQ(picture.Pixel(c.FirstWhiteColumn, 12), clWhite) << c.Ctl3D;
    }
}

TEST_F(ControlHooksTest, TheNonClientHookPaintsAfterEveryFrameAndInPaintTo) {
    auto* edit = new TRingedEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(10, 10, 120, 24);
    form->Show();
    Pump(100);
    EXPECT_GE(edit->NonClientPaints, 1);
    const int before = edit->NonClientPaints;
    RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GT(edit->NonClientPaints, before);
    const TBitmap picture = Painted(*edit);
    EXPECT_EQ(picture.Pixel(0, 0), clLime);
    EXPECT_EQ(picture.Pixel(119, 23), clLime);
    EXPECT_NE(picture.Pixel(1, 1), clLime);  // the sunken edge's inner line
}

TEST_F(ControlHooksTest, AnOwnerDrawnButtonDrawsItselfAndReportsClicksAndDoubleClicks) {
    struct Case {
        bool DoubleClicks;
        std::vector<char> AfterDoubleClick;
    };
    for (const Case& c : {Case{true, {'c', '2'}}, Case{false, {'c', 'c'}}}) {
        auto* button = new TRecordingButton(form.get(), c.DoubleClicks);
        button->SetParent(form.get());
        button->SetBounds(10, 50, 80, 30);
        form->Show();
        Pump(80);
        ASSERT_FALSE(button->Events.empty());
        EXPECT_EQ(button->Events.front(), 'd');
        EXPECT_EQ(Painted(*button).Pixel(40, 15), clBlue);
        button->Events.clear();
        ClickAt(button->ClientToScreen({40, 15}), true);
        std::vector<char> clicks;
        for (char e : button->Events)
            if (e != 'd') clicks.push_back(e);
        EXPECT_EQ(clicks, c.AfterDoubleClick) << c.DoubleClicks;
        button->Free();
        Pump(300);  // past the double-click time
    }
}

}  // namespace
