// The wizard's first screens through the real program: the install type,
// the directories with their checks and picker, Back, Abandon, Alt+M and
// where the screens sit.
#include <gtest/gtest.h>

#include "tests/e2e/scenario_name.h"
#include "tests/e2e/wizard_steps.h"
#include "ui/platform/sysutils.h"

namespace {

using namespace wizard;

struct WizardTest : ::testing::Test {
    e2e::TDriver driver{ScenarioName()};
};

TEST_F(WizardTest, AbandonOnTheFirstScreenEndsTheProgram) {
    e2e::TProcess& copy = StartFromCd(driver);
    e2e::TFormWindow screen = driver.WaitScreen(InstallTypeScreen);
    EXPECT_FALSE(screen.ComponentWindow(L"BNext").Enabled) << "nothing is chosen yet";
    screen.Click(L"BCancel");
    EXPECT_EQ(driver.WaitExit(copy), 0u);
}

TEST_F(WizardTest, ScreensSitCentredLowOnTheDisplay) {
    e2e::TProcess& copy = StartFromCd(driver);
    e2e::TFormWindow screen = driver.WaitScreen(InstallTypeScreen);
    RECT r{};
    GetWindowRect(screen.Handle(), &r);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
    EXPECT_EQ(r.right - r.left, 637);
    EXPECT_EQ(r.bottom - r.top, 114);
    EXPECT_EQ(r.left, 641);
    EXPECT_EQ(r.top, 856);
    screen.Click(L"BCancel");
    driver.WaitExit(copy);
}

TEST_F(WizardTest, AltMHidesAndShowsTheBackgroundAndTheScreenStaysInFront) {
    e2e::TProcess& copy = StartFromCd(driver);
    e2e::TFormWindow screen = driver.WaitScreen(InstallTypeScreen);
    HWND background = FindWindowW(nullptr, BackgroundCaption);
    ASSERT_NE(background, nullptr);
    EXPECT_TRUE(IsWindowVisible(background));
    screen.Press(e2e::Alt('M'));
    EXPECT_FALSE(IsWindowVisible(background));
    driver.Screenshots().Save(L"background hidden");
    screen.Press(e2e::Alt('M'));
    EXPECT_TRUE(IsWindowVisible(background));
    EXPECT_EQ(GetForegroundWindow(), screen.Handle());
    screen.Click(L"BCancel");
    driver.WaitExit(copy);
}

TEST_F(WizardTest, LocalThenBackShowsLocalChosenAndContinueEnabled) {
    e2e::TProcess& copy = StartFromCd(driver);
    InstallTypeStep(driver, TType::Local);
    {
        e2e::TFormWindow dirs = driver.WaitScreen(DirectoriesScreen);
        EXPECT_EQ(dirs.TextOf(L"RProgram"), L"C:\\Zarvant");
        EXPECT_FALSE(dirs.ComponentWindow(L"RDate").Visible) << "LOCAL keeps the data with the program";
        dirs.Click(L"BBack");
        dirs.WaitGone();
    }
    e2e::TFormWindow again = driver.WaitScreen(InstallTypeScreen);
    EXPECT_TRUE(again.ComponentWindow(L"BNext").Enabled);
    again.Click(L"BNext");  // LOCAL still chosen: the data field stays hidden
    again.WaitGone();
    e2e::TFormWindow dirs = driver.WaitScreen(DirectoriesScreen);
    EXPECT_FALSE(dirs.ComponentWindow(L"RDate").Visible);
    dirs.Click(L"BCancel");
    EXPECT_EQ(driver.WaitExit(copy), 0u);
    EXPECT_FALSE(DirectoryExists(L"C:\\Zarvant")) << "nothing is created before Continue";
}

TEST_F(WizardTest, AServerDataDirectoryWithAMissingParentKeepsTheScreenOpen) {
    e2e::TProcess& copy = StartFromCd(driver);
    InstallTypeStep(driver, TType::Server);
    e2e::TFormWindow dirs = driver.WaitScreen(DirectoriesScreen);
    EXPECT_EQ(dirs.TextOf(L"RDate"), L"C:\\Zarvant");
    dirs.Type(L"RProgram", L"C:\\Srv");
    dirs.Type(L"RDate", L"C:\\Lipsa\\Date");
    dirs.Click(L"BNext");
    driver.WaitIdle(dirs.Handle());
    EXPECT_TRUE(dirs.Showing()) << "the screen stays open";
    EXPECT_TRUE(DirectoryExists(L"C:\\Srv")) << "the program directory is created all the same";
    EXPECT_FALSE(DirectoryExists(L"C:\\Lipsa"));
    dirs.Type(L"RDate", L"C:\\SrvDate");
    dirs.Click(L"BNext");
    dirs.WaitGone();
    EXPECT_TRUE(DirectoryExists(L"C:\\SrvDate"));
    driver.WaitScreen(CopyScreen).Click(L"BCancel");
    EXPECT_EQ(driver.WaitExit(copy), 0u);
}

TEST_F(WizardTest, AClientNeedsAnExistingDatabaseDirectory) {
    e2e::TProcess& copy = StartFromCd(driver);
    InstallTypeStep(driver, TType::Client);
    e2e::TFormWindow dirs = driver.WaitScreen(DirectoriesScreen);
    EXPECT_EQ(dirs.TextOf(L"RDate"), L"");
    EXPECT_FALSE(dirs.ComponentWindow(L"BNext").Enabled);
    EXPECT_TRUE(dirs.ComponentWindow(L"netmemo").Visible);
    dirs.Type(L"RDate", L"N:\\NuExista");
    EXPECT_TRUE(dirs.ComponentWindow(L"BNext").Enabled) << "editing the data field enables Continue";
    dirs.Click(L"BNext");
    e2e::TDialogWindow error = driver.ExpectDialog(L"Eroare!");
    error.ClickButton(L"&Renunt");
    error.WaitGone();
    EXPECT_TRUE(dirs.Showing());
    EXPECT_TRUE(DirectoryExists(L"C:\\Zarvant")) << "the program directory is created all the same";
    CreateDirectoryW(L"N:\\Date", nullptr);
    dirs.Type(L"RDate", L"N:\\Date");
    dirs.Click(L"BNext");
    dirs.WaitGone();
    driver.WaitScreen(CopyScreen).Click(L"BCancel");
    EXPECT_EQ(driver.WaitExit(copy), 0u);
}

TEST_F(WizardTest, ThePickerFillsTheProgramFieldWithABackslash) {
    e2e::TProcess& copy = StartFromCd(driver);
    InstallTypeStep(driver, TType::Local);
    e2e::TFormWindow dirs = driver.WaitScreen(DirectoriesScreen);
    dirs.Click(L"BProgram");
    e2e::TFormWindow picker = driver.WaitScreen(PickerScreen);
    picker.Click(L"NiceButton1");
    picker.WaitGone();
    const std::wstring chosen = dirs.TextOf(L"RProgram");
    ASSERT_FALSE(chosen.empty());
    EXPECT_EQ(chosen.back(), L'\\');
    EXPECT_TRUE(DirectoryExists(chosen)) << WideToUtf8(chosen);
    dirs.Click(L"BProgram");
    e2e::TFormWindow cancelled = driver.WaitScreen(PickerScreen);
    cancelled.Click(L"NiceButton2");
    cancelled.WaitGone();
    EXPECT_EQ(dirs.TextOf(L"RProgram"), chosen) << "Renunt changes nothing";
    dirs.Click(L"BCancel");
    EXPECT_EQ(driver.WaitExit(copy), 0u);
}

}  // namespace
