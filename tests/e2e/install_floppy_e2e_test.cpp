// Installing from floppy disks: the program asks for each disk it lacks,
// asks again when the disk was not changed, and stops when told to.
#include <gtest/gtest.h>

#include "tests/e2e/install_checks.h"
#include "tests/e2e/scenario_name.h"
#include "tests/e2e/wizard_steps.h"
#include "tests/support/temp_dir.h"
#include "ui/platform/sysutils.h"

namespace {

using namespace wizard;

const wchar_t DiskPromptCaption[] = L"Atentie !";

e2e::TProcess& StartFromFloppy(e2e::TDriver& driver) {
    driver.SwapFloppy(1);
    e2e::TProcess& first = driver.Start(L"A:\\INSTALL.EXE");
    return driver.FollowRelaunch(first, L"INSTZARV.EXE");
}

void StartTheCopy(e2e::TDriver& driver) {
    e2e::TFormWindow screen = driver.WaitScreen(CopyScreen);
    screen.Click(L"BNext");
}

// Runs first: the wizard ends at the prompt, the pieces of disk 1 stay.
TEST(FloppyInstall, CancelAtADiskPromptEndsTheWizardAndKeepsWhatWasJoined) {
    e2e::TDriver driver(ScenarioName());
    e2e::TProcess& copy = StartFromFloppy(driver);
    InstallTypeStep(driver, TType::Local);
    DirectoriesStep(driver);
    StartTheCopy(driver);
    e2e::TDialogWindow prompt = driver.ExpectDialog(DiskPromptCaption, 60000);
    prompt.ClickButton(L"&Renunt");
    EXPECT_EQ(driver.WaitExit(copy), 0u);
    EXPECT_TRUE(FileExists(L"C:\\Zarvant\\EXE.ZIP")) << "the pieces joined so far stay";
    EXPECT_FALSE(FileExists(L"C:\\Zarvant\\ZARVAN.EXE")) << "nothing is unpacked";
}

TEST(FloppyInstall, EachMissingDiskIsAskedForUntilItIsInTheDrive) {
    e2e::TDriver driver(ScenarioName());
    e2e::TProcess& copy = StartFromFloppy(driver);
    InstallTypeStep(driver, TType::Local);
    DirectoriesStep(driver);
    StartTheCopy(driver);
    {
        e2e::TDialogWindow prompt = driver.ExpectDialog(DiskPromptCaption, 60000);
        prompt.Press(e2e::keys::Enter);  // O&K with disk 1 still in: asked again
        prompt.WaitGone();
    }
    for (int disk : {2, 3}) {
        e2e::TDialogWindow prompt = driver.ExpectDialog(DiskPromptCaption, 60000);
        driver.SwapFloppy(disk);
        prompt.Press(e2e::keys::Enter);
        prompt.WaitGone();
    }
    driver.WaitNoWindow(CopyScreen, 180000);
    ConfigStep(driver);
    EndStep(driver);
    EXPECT_EQ(driver.WaitExit(copy), 0u);
    EXPECT_EQ(installed::Missing(L"C:\\Zarvant", installed::ProgramFiles), std::vector<std::wstring>{});
    EXPECT_EQ(installed::Missing(L"C:\\Zarvant", installed::DatabaseFiles), std::vector<std::wstring>{});
    EXPECT_EQ(installed::Missing(installed::EngineDir(), installed::EngineFiles), std::vector<std::wstring>{});
    EXPECT_EQ(installed::ZipFiles(L"C:\\Zarvant"), std::vector<std::wstring>{});
}

}  // namespace
