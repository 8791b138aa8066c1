// A CLIENT installation whose database lives on a network drive: the
// database there is used as it is, the engine points at it.
#include <gtest/gtest.h>

#include "tests/e2e/install_checks.h"
#include "tests/e2e/scenario_name.h"
#include "tests/e2e/wizard_steps.h"
#include "tests/support/temp_dir.h"
#include "ui/platform/sysutils.h"

namespace {

using namespace wizard;

TEST(ClientInstall, TheServersDatabaseIsUsedAndNeverTouched) {
    e2e::TDriver driver(ScenarioName());
    ASSERT_EQ(GetDriveTypeW(L"N:\\"), static_cast<UINT>(DRIVE_REMOTE));
    ForceDirectories(L"N:\\Server\\DATA");
    WriteText(L"N:\\Server\\DATA\\FIRME.DB", "baza serverului");
    e2e::TProcess& copy = StartFromCd(driver);
    InstallTypeStep(driver, TType::Client);
    DirectoriesStep(driver, L"", L"N:\\Server");
    CopyStep(driver);
    ConfigStep(driver);
    EndStep(driver);
    EXPECT_EQ(driver.WaitExit(copy), 0u);

    EXPECT_EQ(installed::Missing(L"C:\\Zarvant", installed::ProgramFiles), std::vector<std::wstring>{});
    EXPECT_EQ(ReadText(L"N:\\Server\\DATA\\FIRME.DB"), "baza serverului");
    EXPECT_FALSE(FileExists(L"N:\\Server\\DATA\\OPERATOR.DB")) << "a client installs no database";
    EXPECT_FALSE(DirectoryExists(L"N:\\Server\\NEW"));
    EXPECT_FALSE(DirectoryExists(L"C:\\Zarvant\\DATA"));
    EXPECT_EQ(installed::Missing(installed::EngineDir(), installed::EngineFiles), std::vector<std::wstring>{});
    EXPECT_EQ(installed::EngineSetting(L"\\DATABASES\\ZARVAN", L"PATH").value_or(L"?"), L"N:\\Server\\DATA");
    EXPECT_EQ(installed::EngineSetting(L"\\DATABASES\\ZARVANALIAS", L"PATH").value_or(L"?"), L"N:\\Server\\NEW\\DATA");
    EXPECT_EQ(installed::EngineSetting(L"\\DRIVERS\\PARADOX\\INIT", L"NET DIR").value_or(L"?"), L"N:\\Server\\");
}

}  // namespace
