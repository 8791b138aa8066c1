// A SERVER installation with its database in a directory of its own, run
// from a working copy with tracing on.
#include <gtest/gtest.h>

#include "tests/e2e/install_checks.h"
#include "tests/e2e/scenario_name.h"
#include "tests/e2e/wizard_steps.h"
#include "tests/support/temp_dir.h"
#include "ui/platform/sysutils.h"

namespace {

using namespace wizard;

TEST(ServerInstall, TheDatabaseGoesToItsOwnDirectoryAndTheTraceTellsTheSteps) {
    e2e::TDriver driver(ScenarioName());
    const std::wstring copyDir = L"C:\\CopieUrmarita\\";
    MakeWorkingCopy(copyDir, true, true);
    e2e::TProcess& copy = driver.Start(copyDir + L"INSTZARV.EXE");
    InstallTypeStep(driver, TType::Server);
    DirectoriesStep(driver, L"C:\\ZarvSrv", L"C:\\ZarvDate\\");
    CopyStep(driver);
    ConfigStep(driver);
    EndStep(driver);
    EXPECT_EQ(driver.WaitExit(copy), 0u);

    EXPECT_EQ(installed::Missing(L"C:\\ZarvSrv", installed::ProgramFiles), std::vector<std::wstring>{});
    EXPECT_EQ(installed::Missing(L"C:\\ZarvDate", installed::DatabaseFiles), std::vector<std::wstring>{});
    EXPECT_FALSE(DirectoryExists(L"C:\\ZarvSrv\\DATA")) << "the database is not with the programs";
    // A data directory typed with its final backslash gives single backslashes.
    EXPECT_EQ(installed::EngineSetting(L"\\DATABASES\\ZARVAN", L"PATH").value_or(L"?"), L"C:\\ZarvDate\\DATA");
    EXPECT_EQ(installed::EngineSetting(L"\\DATABASES\\LUNAALIAS", L"PATH").value_or(L"?"), L"C:\\ZarvDate\\NEW\\LUNA");
    EXPECT_EQ(installed::EngineSetting(L"\\DRIVERS\\PARADOX\\INIT", L"NET DIR").value_or(L"?"), L"C:\\ZarvDate\\");
    EXPECT_TRUE(DirectoryExists(L"C:\\ZarvDate\\NetDir"));

    const std::string trace = ReadText(copyDir + L"INSTZARV.TRC");
    for (const char* block : {"BEGIN => DoConfigBDE", "END <- DoConfigBDE", "BEGIN => DoConfigConfigSys",
                              "BEGIN => DoConfigGroup", "END <- DoConfigGroup", "SourceDir=D:"})
        EXPECT_NE(trace.find(block), std::string::npos) << block << "\n" << trace;
}

}  // namespace
