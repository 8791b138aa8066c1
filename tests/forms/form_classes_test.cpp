// Framework forms and the title bar, on real windows.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "ui/controls/draw_helpers.h"
#include "ui/forms/form_classes.h"
#include "ui/forms/framework.h"
#include "ui/forms/title_bar.h"
#include "ui/platform/application.h"

namespace {

class TTestScreen : public TTitleForm {
public:
    explicit TTestScreen(TComponent* owner) : TTitleForm(owner, L"TTestScreen") {}
};

struct FormClassesTest : ::testing::Test {
    TOwnedPtr<TTestScreen> screen;

    void SetUp() override {
        Application->Initialize();
        FrameworkStartup();
        screen.reset(NewForm<TTestScreen>(nullptr));
        screen->SetBounds(50, 50, screen->Width(), screen->Height());
    }
    void TearDown() override {
        screen.reset();
        FrameworkShutdown();
    }
    TButton* Button(const wchar_t* name) { return static_cast<TButton*>(screen->FindComponent(name)); }
};

// Holds the given modifier keys down for this thread while it lives.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<int> keys) {
        GetKeyboardState(FSaved);
        BYTE state[256];
        std::copy(std::begin(FSaved), std::end(FSaved), state);
        for (int k : keys) state[k] = 0x80;
        SetKeyboardState(state);
    }
    ~HeldKeys() { SetKeyboardState(FSaved); }

private:
    BYTE FSaved[256];
};

TEST_F(FormClassesTest, ACoveringModalFormDisablesTheButtonsAndGraysTheTitle) {
    screen->Show();
    Button(L"BCancel")->SetFocus();
    Application->ProcessMessages();
    ASSERT_TRUE(Button(L"BCancel")->Focused());

    TOwnedPtr<TForm> dialog(NewForm<TForm>(nullptr));
    bool allDisabled = false, grayed = false;
    dialog->OnShow = [&](TObject*) {
        allDisabled = !Button(L"BBack")->Enabled() && !Button(L"BNext")->Enabled() && !Button(L"BCancel")->Enabled();
        grayed = screen->TitleBar->Grayed();
        PostMessageW(dialog->Handle(), WM_CLOSE, 0, 0);
    };
    dialog->ShowModal();
    Application->ProcessMessages();
    EXPECT_TRUE(allDisabled);
    EXPECT_TRUE(grayed);
    EXPECT_FALSE(screen->TitleBar->Grayed());
    EXPECT_FALSE(Button(L"BBack")->Enabled());  // was disabled before: stays so
    EXPECT_TRUE(Button(L"BNext")->Enabled());
    EXPECT_TRUE(Button(L"BCancel")->Focused());
}

TEST_F(FormClassesTest, AButtonAddedAfterTheFirstShowIsLeftAlone) {
    screen->Show();
    auto* late = new TButton(screen.get());
    late->SetParent(screen.get());
    EXPECT_EQ(screen->Botoane()->Count(), 3);
    EnableWindow(screen->Handle(), FALSE);
    EXPECT_TRUE(late->Enabled());
    EnableWindow(screen->Handle(), TRUE);
    Button(L"BNext")->Free();  // a freed button leaves the list
    EXPECT_EQ(screen->Botoane()->Count(), 2);
    EnableWindow(screen->Handle(), FALSE);
    EnableWindow(screen->Handle(), TRUE);
}

TEST_F(FormClassesTest, WheelZoomScalesConstraintsAndResetsToTheDesign) {
    screen->Constraints().MinWidth = 400;
    const int width = screen->ClientWidth();
    const auto wheel = [&](int delta, WORD keys) {
        SendMessageW(screen->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(keys, delta), MAKELPARAM(60, 60));
    };
    std::vector<int> minWidths;
    {
        HeldKeys keys{VK_CONTROL, VK_MENU};
        for (int i = 0; i < 3; ++i) {
            wheel(WHEEL_DELTA, MK_CONTROL);
            minWidths.push_back(screen->Constraints().MinWidth);
        }
    }
    EXPECT_EQ(minWidths, (std::vector<int>{404, 408, 412}));
    EXPECT_EQ(screen->DPIScale, 3);
    {
        HeldKeys keys{VK_CONTROL, VK_MENU, VK_SHIFT};
        wheel(-WHEEL_DELTA, MK_CONTROL | MK_SHIFT);
    }
    EXPECT_EQ(screen->Constraints().MinWidth, 399);
    EXPECT_EQ(screen->DPIScale, 0);
    EXPECT_NEAR(screen->ClientWidth(), width, 2);
    wheel(WHEEL_DELTA, MK_CONTROL);  // without Alt: no zoom
    EXPECT_EQ(screen->DPIScale, 0);
}

TEST_F(FormClassesTest, TheTopFiftyPixelsDragTheWindow) {
    screen->Show();
    const auto hit = [&](int x, int y) {
        const TPoint p = screen->ClientToScreen({x, y});
        return SendMessageW(screen->Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.X, p.Y));
    };
    EXPECT_EQ(hit(5, 5), HTCAPTION);
    EXPECT_EQ(hit(399, 49), HTCAPTION);
    EXPECT_EQ(hit(5, 50), HTCLIENT);
    EXPECT_EQ(hit(200, 120), HTCLIENT);
}

TEST_F(FormClassesTest, AltF4IsSwallowedAndCaptionsGoToTheTitleBar) {
    screen->Show();
    screen->SetCaption(L"Alt titlu");
    EXPECT_EQ(screen->TitleBar->Caption(), L"Alt titlu");
    PostMessageW(screen->Handle(), WM_SYSKEYDOWN, VK_F4, 1 << 29);
    Application->ProcessMessages();
    EXPECT_TRUE(screen->Visible());
    EXPECT_TRUE(IsWindowVisible(screen->Handle()));
}

TEST_F(FormClassesTest, TheFrameIsDrawnOnTheWindowEdges) {
    screen->Show();
    Application->ProcessMessages();
    UpdateWindow(screen->Handle());
    RECT r;
    GetWindowRect(screen->Handle(), &r);
    HDC display = GetDC(nullptr);
    const COLORREF outer = GetPixel(display, r.left, r.top + 60);
    const COLORREF inner = GetPixel(display, r.left + 1, r.top + 60);
    const COLORREF corner = GetPixel(display, r.right - 1, r.bottom - 1);
    ReleaseDC(nullptr, display);
    EXPECT_EQ(outer, ColorToRGB(DarkenColor(screen->Color(), 4)));
    EXPECT_EQ(inner, ColorToRGB(LightenColor(screen->Color(), 10)));
    EXPECT_EQ(corner, ColorToRGB(DarkenColor(screen->Color(), 4)));
}

TEST_F(FormClassesTest, ATitleBarIsSolidForEqualColoursAndOnLowColour) {
    TTitleBar* bar = screen->TitleBar;
    bar->SetCaption(L"");
    const auto paint = [&] {
        TBitmap shot(bar->Width(), bar->Height());
        bar->PaintTo(shot.Canvas().Handle(), 0, 0);
        return std::vector<TColor>{shot.Pixel(0, 5), shot.Pixel(bar->Width() / 2, 5), shot.Pixel(bar->Width() - 1, 5)};
    };
    const TColor solid = static_cast<TColor>(7891292);
    EXPECT_EQ(paint(), (std::vector<TColor>{solid, solid, solid}));
    bar->SetStartColor(static_cast<TColor>(0x000000));
    bar->SetEndColor(static_cast<TColor>(0xFFFFFF));
    HighColorDisplay = false;
    EXPECT_EQ(paint(), (std::vector<TColor>{clBlack, clBlack, clBlack}));
    HighColorDisplay = true;
}

TEST_F(FormClassesTest, GradientColumnsRoundEachStepUp) {
    TTitleBar* bar = screen->TitleBar;
    bar->SetCaption(L"");
    bar->SetAlign(alNone);
    bar->SetBounds(0, 0, 10, 25);
    bar->SetStartColor(RGBColor(0, 100, 250));
    bar->SetEndColor(RGBColor(255, 50, 255));
    TBitmap shot(10, 25);
    bar->PaintTo(shot.Canvas().Handle(), 0, 0);
    for (int x = 0; x < 10; ++x) {
        const auto channel = [x](int from, int to) {
            return std::clamp(from + static_cast<int>(std::ceil(x * ((to - from) / 10.0))), 0, 255);
        };
        EXPECT_EQ(shot.Pixel(x, 12), RGBColor(static_cast<std::uint8_t>(channel(0, 255)),
                                              static_cast<std::uint8_t>(channel(100, 50)),
                                              static_cast<std::uint8_t>(channel(250, 255))))
            << x;
    }
}

TEST_F(FormClassesTest, ARunTimeTitleBarAt96DpiHasTenPointsAndHeight25) {
    TTitleBar bar(screen.get());
    EXPECT_EQ(bar.Height(), 25);
    EXPECT_EQ(bar.Font().Size(), 10);
    EXPECT_TRUE(bar.Font().Style().Contains(fsBold));
    EXPECT_EQ(bar.StartColor(), static_cast<TColor>(5058564));
    EXPECT_EQ(bar.CaptionAreaWidth(), bar.Width() - 20);
}

}  // namespace

namespace {

TEST_F(FormClassesTest, ADialogFormHasNoSystemCaptionAndARomanianSystemMenu) {
    TOwnedPtr<TMessageForm> dialog(NewForm<TMessageForm>(nullptr));
    dialog->SetBorderStyle(bsDialog);
    dialog->SetBorderIcons(biSystemMenu);
    HWND window = dialog->Handle();
    EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & WS_DLGFRAME);
    HMENU menu = GetSystemMenu(window, FALSE);
    ASSERT_NE(menu, nullptr);
    wchar_t text[64] = L"";
    GetMenuStringW(menu, SC_CLOSE, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"&Inchide    ALT+F4");
    EXPECT_TRUE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
    GetMenuStringW(menu, SC_MOVE, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"&Muta");
}

}  // namespace
