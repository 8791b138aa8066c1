// The information form: which page it shows, where it sits over the
// background window, renaming a read page, staying usable while a screen
// is modal.
#include <gtest/gtest.h>

#include "core/installer_state.h"
#include "info/info_form.h"
#include "tests/support/gui_support.h"
#include "tests/support/temp_dir.h"
#include "ui/forms/framework.h"
#include "ui/html/frame_viewer.h"
#include "ui/html/html_registry.h"
#include "ui/platform/application.h"
#include "ui/platform/ext_controls.h"
#include "ui/platform/sysutils.h"

namespace {

const char Page[] =
    "<html><head><title>Instructiuni 3200877.05</title></head><body><p>Text</p>"
    "<form action=\"x.htm\"><input type=submit value=Trimite></form></body></html>";

struct InfoFormTest : ::testing::Test {
    TempDir program;
    TOwnedPtr<TForm> background;
    TPanel* panou = nullptr;
    std::wstring pageDir;

    void SetUp() override {
        Application->Initialize();
        FrameworkStartup();
        RegisterHtmlClasses(TClassRegistry::Instance());
        InitInstallerState();
        InstallerState.ProgramDir = ExcludeTrailingBackslash(program.Path());
        pageDir = program / L"VerInfo\\3200877.05\\";
        ForceDirectories(pageDir);
        background.reset(NewForm<TForm>(nullptr));
        background->SetBorderStyle(bsNone);
        panou = new TPanel(background.get());
        panou->SetName(L"Panou");
        panou->SetParent(background.get());
        panou->SetBounds(100, 275, 750, 499);
        Application->SetMainForm(background.get());
        CreateInfoForm();
    }
    void TearDown() override {
        FreeInfoForm();
        Application->SetMainForm(nullptr);
        background.reset();
        FrameworkShutdown();
    }
    std::wstring Unread() const { return pageDir + L"Instruct.htm"; }
    std::wstring Read() const { return pageDir + L"Instruct.html"; }
};

TEST_F(InfoFormTest, TheVersionDirectoryHasTwoDecimalsAndAPoint) {
    EXPECT_EQ(InfoVersionText(3200877.05), L"3200877.05");
    EXPECT_EQ(InfoVersionText(851.1), L"851.10");
}

TEST_F(InfoFormTest, AnAutomaticOfferShowsOnlyAPageNotYetRead) {
    struct Case {
        const char* Name;
        bool Unread, Read, Automatic;
        bool Shown;
        bool ShowsRead;
        bool UnreadLeft;
    };
    const Case cases[] = {
        {"unread, by the user", true, false, false, true, false, true},
        {"unread, automatic", true, false, true, true, false, true},
        {"read, by the user", false, true, false, true, true, false},
        {"read, automatic", false, true, true, false, false, false},
        {"both: the unread copy goes", true, true, false, true, true, false},
        {"none", false, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        DeleteFileW(Unread().c_str());
        DeleteFileW(Read().c_str());
        if (c.Unread) WriteText(Unread(), Page);
        if (c.Read) WriteText(Read(), Page);
        EXPECT_EQ(InfoForm->FilePrepared(InstallerState.ProgramDir, c.Automatic), c.Shown) << c.Name;
        EXPECT_EQ(InfoForm->FName, c.Shown ? (c.ShowsRead ? Read() : Unread()) : L"") << c.Name;
        EXPECT_EQ(FileExists(Unread()), c.UnreadLeft) << c.Name;
    }
}

TEST_F(InfoFormTest, TheFormCoversTheBackgroundAboveTheScreensUpToItsLargestWidth) {
    WriteText(Unread(), Page);
    struct Case {
        int Width;
        int ExpectedWidth, ExpectedLeft;
    };
    for (const Case& c : {Case{1920, 1720, 100}, Case{2200, 1864, 168}}) {
        background->SetBounds(0, 0, c.Width, 1080);
        ShowInfoForm(false);
        EXPECT_EQ(InfoForm->Width(), c.ExpectedWidth) << c.Width;
        EXPECT_EQ(InfoForm->Left(), c.ExpectedLeft) << c.Width;
        EXPECT_EQ(InfoForm->Top(), 30) << c.Width;
        EXPECT_EQ(InfoForm->Height(), 275 + 499 + 30) << c.Width;
        EXPECT_TRUE(InfoForm->Visible());
        InfoForm->Hide();
    }
}

TEST_F(InfoFormTest, ThePageTitleBecomesTheCaptionAndSubmittingChangesNothing) {
    WriteText(Unread(), Page);
    background->SetBounds(0, 0, 1280, 1024);
    ShowInfoForm(false);
    Pump(100);
    EXPECT_EQ(InfoForm->Caption(), L"Instructiuni 3200877.05");
    TFrameViewer& viewer = InfoForm->Viewer();
    const std::wstring before = viewer.CurrentFile();
    THtmlSubmitEvent submitted = viewer.OnFormSubmit;
    ASSERT_TRUE(static_cast<bool>(submitted));
    submitted(L"x.htm", L"", L"application/x-www-form-urlencoded", L"get", {L"a=b"});
    Pump(50);
    EXPECT_EQ(viewer.CurrentFile(), before);
    EXPECT_EQ(InfoForm->Caption(), L"Instructiuni 3200877.05");
}

TEST_F(InfoFormTest, HidingKeepsThePageUnreadClosingMarksItRead) {
    WriteText(Unread(), Page);
    background->SetBounds(0, 0, 1280, 1024);
    ShowInfoForm(false);
    Pump(50);
    InfoForm->Hide();
    EXPECT_TRUE(FileExists(Unread()));
    ShowInfoForm(false);
    Pump(50);
    InfoForm->Close();
    Pump(50);
    EXPECT_FALSE(FileExists(Unread()));
    EXPECT_TRUE(FileExists(Read()));
    ShowInfoForm(false);  // the user can still read it
    EXPECT_EQ(InfoForm->FName, Read());
}

TForm* ModalScreen = nullptr;
bool EnabledWhileModal = false;
bool InFrontWhileModal = false;
COLORREF ShownWhileModal = CLR_INVALID;
bool ClosedWhileModal = false;

// Runs inside the modal loop: looks at the information form, then ends the screen.
bool ShowFromTheScreen = false;

void CALLBACK CheckWhileModal(HWND, UINT, UINT_PTR, DWORD) {
    if (!ModalScreen || !ModalScreen->Visible()) return;
    if (ShowFromTheScreen) {  // as the copy screen offers it, from inside its work
        ShowFromTheScreen = false;
        ShowInfoForm(false);
        ModalScreen->ModalResult = mrOk;
        return;
    }
    EnabledWhileModal = IsWindowEnabled(InfoForm->Handle()) != FALSE;
    const POINT middle{InfoForm->Left() + InfoForm->Width() / 2, InfoForm->Top() + InfoForm->Height() / 2};
    InFrontWhileModal = GetAncestor(WindowFromPoint(middle), GA_ROOT) == InfoForm->Handle();
    const HDC screen = GetDC(nullptr);
    ShownWhileModal = GetPixel(screen, InfoForm->Left() + 40, InfoForm->Top() + 40);
    ReleaseDC(nullptr, screen);
    // The page's close button answers a real click while the screen is modal.
    auto& close = dynamic_cast<TControl&>(*InfoForm->FindComponent(L"NiceButton3"));
    ClickAt(close.ClientToScreen({close.Width() / 2, close.Height() / 2}));
    ClosedWhileModal = PumpUntil([] { return !InfoForm->Visible(); }, 1000);
    ModalScreen->ModalResult = mrOk;
}

TEST_F(InfoFormTest, AModalScreenLeavesTheFormUsable) {
    WriteText(Unread(), Page);
    background->SetBounds(0, 0, 1280, 1024);
    background->Show();
    Pump(50);
    background->SetColor(clBlue);
    ShowFromTheScreen = true;
    TOwnedPtr<TForm> screen(NewForm<TForm>(nullptr));
    screen->SetBounds(300, 900, 300, 100);
    ModalScreen = screen.get();
    EnabledWhileModal = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, CheckWhileModal);
    screen->ShowModal();  // a first screen, then a second: the page stays over the background
    screen->ShowModal();
    KillTimer(nullptr, timer);
    ModalScreen = nullptr;
    EXPECT_TRUE(EnabledWhileModal);
    EXPECT_TRUE(InFrontWhileModal) << "the page stays over the background window";
    EXPECT_NE(ShownWhileModal, ColorToRGB(clBlue)) << "the page shows on the display, not the background";
    EXPECT_TRUE(ClosedWhileModal);
    EXPECT_FALSE(IsWindowEnabled(background->Handle()) == FALSE);  // enabled again after the screen
}

}  // namespace
