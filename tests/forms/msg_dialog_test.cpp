// The message dialog: its computed layout, its buttons and keys, the prefix,
// the right click and the automatic modes, driven through real messages
// while the dialog runs its modal loop.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "ui/controls/fmt_label.h"
#include "ui/controls/nice_button.h"
#include "ui/controls/trans_image.h"
#include "ui/forms/form_classes.h"
#include "ui/forms/framework.h"
#include "ui/forms/msg_dialog.h"
#include "ui/forms/title_bar.h"
#include "ui/platform/application.h"
#include "ui/platform/ext_controls.h"

namespace {

// Calls the script every 50 ms with the open dialog and the tick number.
std::function<void(TMessageForm&, int)> Script;
int Ticks = 0;

TMessageForm* OpenDialog() {
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (auto* f = dynamic_cast<TMessageForm*>(Screen->Forms(i)); f && f->Visible()) return f;
    return nullptr;
}

void CALLBACK ScriptTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (TMessageForm* dialog = OpenDialog(); dialog && Script) Script(*dialog, ++Ticks);
}

struct MsgDialogTest : ::testing::Test {
    TOwnedPtr<TForm> main;
    UINT_PTR timer = 0;

    void SetUp() override {
        Application->Initialize();
        FrameworkStartup();
        main.reset(NewForm<TForm>(nullptr));
        main->HandleNeeded();
        Application->SetMainForm(main.get());
        timer = SetTimer(nullptr, 0, 50, ScriptTimer);
        Ticks = 0;
        MsgPrefix.clear();
        AutoCloseSwitch = AutoPressSwitch = 0;
    }
    void TearDown() override {
        KillTimer(nullptr, timer);
        Script = nullptr;
        Application->SetMainForm(nullptr);
        main.reset();
        MsgPrefix.clear();
        AutoCloseSwitch = AutoPressSwitch = 0;
        FrameworkShutdown();
    }
};

std::uint16_t Show(TMsgDlgType type, TMsgDlgButtons buttons, TMsgDlgBtn defaultButton,
                   const std::wstring& text = L"Mesaj", const std::wstring& caption = L"") {
    return MsgDialog(text, caption, type, TextAlignCenter, buttons, defaultButton, 0);
}

const TMsgDlgButtons OkCancel = MsgButton(mbOK) | MsgButton(mbCancel);
const TMsgDlgButtons YesNoCancel = MsgButton(mbYes) | MsgButton(mbNo) | MsgButton(mbCancel);

TRect MeasureBold(const std::wstring& text) {
    TFont font;
    font.SetName(L"MS Sans Serif");
    font.SetHeight(-11);
    font.SetStyle(fsBold);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.Handle());
    RECT r{0, 0, Screen->Width() / 2, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_WORDBREAK);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return r;
}

TEST_F(MsgDialogTest, TheLayoutFollowsTheTextThePictureAndTheButtons) {
    struct Case {
        std::wstring Text;
        TMsgDlgType Type;
        TMsgDlgButtons Buttons;
    };
    const std::wstring wide(60, L'x');
    const Case cases[] = {
        {L"Scurt", mtCustom, 0},
        {L"Un mesaj de proba", mtError, MsgButton(mbCancel)},
        {L"Prima linie\rA doua linie\rA treia linie\rA patra\rA cincea", mtWarning, OkCancel},
        {wide + L" " + wide + L" " + wide + L" " + wide, mtConfirmation, YesNoCancel},
        {L"Toate", mtInformation, 0x0FFF},
    };
    for (const Case& c : cases) {
        struct Seen {
            int ClientW, ClientH, PanelW, PanelH, StripW, StripLeft, LabelW, BevelTop, ImageW;
        } seen{};
        Script = [&](TMessageForm& d, int) {
            auto* panel = static_cast<TPanel*>(d.FindComponent(L"Panel"));
            auto* label = static_cast<TControl*>(d.FindComponent(L"Message"));
            auto* bevel = static_cast<TControl*>(d.FindComponent(L"Bevel"));
            auto* image = static_cast<TControl*>(d.FindComponent(L"Image"));
            TControl* strip = nullptr;
            for (int i = 0; i < d.ControlCount(); ++i)
                if (d.Controls(i) != panel && dynamic_cast<TPanel*>(d.Controls(i))) strip = d.Controls(i);
            seen = {d.ClientWidth(), d.ClientHeight(), panel->Width(), panel->Height(), strip->Width(),
                    strip->Left(), label->Width(), bevel->Top(), image->Width()};
            d.ModalResult = 99;
        };
        ASSERT_EQ(Show(c.Type, c.Buttons, mbOK, c.Text), 99);
        const TRect text = MeasureBold(c.Text);
        const int bw = DialogPicture(c.Type).Width(), bh = DialogPicture(c.Type).Height();
        int count = 0;
        for (int n = 0; n < 12; ++n) count += (c.Buttons >> n) & 1;
        const int panelW = std::max({150, text.Width() + 32 + bw + 10, count * 100 + 32});
        const int panelH = std::max({55, bh + 20, text.Height() + 32});
        EXPECT_EQ(seen.PanelW, panelW) << "text " << text.Width() << "x" << text.Height() << " label " << seen.LabelW << " client " << seen.ClientW;
        EXPECT_EQ(seen.PanelH, panelH);
        EXPECT_EQ(seen.ClientW, panelW + 32);
        EXPECT_EQ(seen.ClientH, 25 + panelH + 90);
        EXPECT_EQ(seen.StripW, count * 100 + 32);
        EXPECT_EQ(seen.StripLeft, (panelW + 32 - (count * 100 + 32)) / 2);
        EXPECT_EQ(seen.BevelTop, 25 + panelH + 32);
        EXPECT_EQ(seen.LabelW, text.Width());
        EXPECT_EQ(seen.ImageW, bw);
        EXPECT_LE(text.Width(), Screen->Width() / 2);
    }
}

TEST_F(MsgDialogTest, EscapePressesOnlyTheCancelButtonOfItsSet) {
    struct Case {
        TMsgDlgButtons Buttons;
        std::uint16_t Expected;  // 99: Escape did nothing
    };
    const Case cases[] = {{OkCancel, 99}, {MsgButton(mbOK), 1}, {YesNoCancel, 2}, {MsgButton(mbYes) | MsgButton(mbNo), 99}};
    for (const Case& c : cases) {
        Ticks = 0;
        Script = [](TMessageForm& d, int tick) {
            if (tick == 1) PostMessageW(d.ActiveControl() ? d.ActiveControl()->Handle() : d.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
            if (tick == 4) d.ModalResult = 99;
        };
        EXPECT_EQ(Show(mtWarning, c.Buttons, mbOK), c.Expected) << c.Buttons;
    }
}

TEST_F(MsgDialogTest, CaptionsPrefixAndNames) {
    std::wstring caption, message, buttonNames;
    Script = [&](TMessageForm& d, int) {
        caption = d.TitleBar->Caption();
        message = static_cast<TControl*>(d.FindComponent(L"Message"))->Caption();
        buttonNames.clear();
        for (int i = 0; i < d.ComponentCount(); ++i)
            if (dynamic_cast<TNiceButton*>(d.Components(i))) buttonNames += d.Components(i)->Name() + L" ";
        d.ModalResult = 1;
    };
    Show(mtError, MsgButton(mbCancel), mbCancel);
    EXPECT_EQ(caption, L"EROARE !");
    EXPECT_EQ(buttonNames, L"BtnRenunt ");
    Show(mtCustom, MsgButton(mbYes) | MsgButton(mbNo), mbNo, L"Text", L"Titlul meu");
    EXPECT_EQ(caption, L"Titlul meu");
    EXPECT_EQ(buttonNames, L"BtnDa BtnNu ");
    Show(mtCustom, 0, mbOK);
    EXPECT_EQ(caption, L"");
    MsgPrefix = L"Pentru continuare";
    Show(mtWarning, MsgButton(mbOK), mbOK, L"Introduceti discul 2");
    EXPECT_EQ(message, L"PENTRU CONTINUARE,\r\rIntroduceti discul 2");
    EXPECT_EQ(MsgPrefix, L"Pentru continuare");
}

TEST_F(MsgDialogTest, ARightClickPressesTheDefaultButton) {
    Script = [](TMessageForm& d, int tick) {
        auto* panel = static_cast<TWinControl*>(d.FindComponent(L"Panel"));
        if (tick == 1) SendMessageW(panel->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
        if (tick == 4) d.ModalResult = 99;
    };
    EXPECT_EQ(Show(mtConfirmation, YesNoCancel, mbNo), 7);
    EXPECT_EQ(Show(mtConfirmation, YesNoCancel, mbHelp), 99);  // no default button: nothing pressed
}

void ClickPicture(TMessageForm& d) {
    auto* panel = static_cast<TWinControl*>(d.FindComponent(L"Panel"));
    auto* image = static_cast<TControl*>(d.FindComponent(L"Image"));
    const LPARAM at = MAKELPARAM(image->Left() + 20, image->Top() + 20);
    SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(panel->Handle(), WM_LBUTTONUP, 0, at);
}

TEST_F(MsgDialogTest, ThreeClicksOnThePictureSwitchTheSingleButtonDialogsToCloseThemselves) {
    Script = [](TMessageForm& d, int tick) {
        if (tick <= 3) ClickPicture(d);
    };
    EXPECT_EQ(Show(mtError, MsgButton(mbOK), mbOK), 5);
    EXPECT_EQ(AutoCloseSwitch, 1);

    Script = nullptr;
    const DWORD start = GetTickCount();
    EXPECT_EQ(Show(mtError, MsgButton(mbOK), mbOK), 2);
    const DWORD took = GetTickCount() - start;
    EXPECT_GE(took, 500u);
    EXPECT_LT(took, 3000u);

    Ticks = 0;
    Script = [](TMessageForm& d, int tick) {
        if (tick <= 3) ClickPicture(d);
    };
    EXPECT_EQ(Show(mtError, MsgButton(mbOK), mbOK), 5);  // switched off again before it closed
    EXPECT_EQ(AutoCloseSwitch, 0);
}

TEST_F(MsgDialogTest, ThreeClicksOnATwoButtonDialogPressItsDefaultAndArmThePressMode) {
    Script = [](TMessageForm& d, int tick) {
        if (tick <= 3) ClickPicture(d);
    };
    EXPECT_EQ(Show(mtConfirmation, MsgButton(mbYes) | MsgButton(mbNo), mbNo), 7);
    EXPECT_EQ(AutoPressSwitch, 1);
    Script = nullptr;
    EXPECT_EQ(Show(mtWarning, OkCancel, mbOK), 1);  // pressed by itself
}

}  // namespace

namespace {

class TCoveredScreen : public TTitleForm {
public:
    explicit TCoveredScreen(TComponent* owner) : TTitleForm(owner, L"TTestScreen") {}
};

TEST_F(MsgDialogTest, ARightClickOnTheScreenBehindAnswersTheDialog) {
    TOwnedPtr<TCoveredScreen> screen(NewForm<TCoveredScreen>(nullptr));
    screen->Show();
    Script = [&](TMessageForm& d, int tick) {
        if (tick == 1)
            SendMessageW(screen->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(screen->Handle()),
                         MAKELPARAM(HTCLIENT, WM_RBUTTONDOWN));
        if (tick == 5) d.ModalResult = 99;
    };
    EXPECT_EQ(Show(mtConfirmation, MsgButton(mbYes) | MsgButton(mbNo), mbYes), 6);
}

}  // namespace
