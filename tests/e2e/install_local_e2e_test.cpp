// A whole LOCAL installation from the CD through the real program, then a
// second run of the kit on the same computer, which is an upgrade.
#include <gtest/gtest.h>

#include "tests/e2e/install_checks.h"
#include "tests/e2e/scenario_name.h"
#include "tests/e2e/wizard_steps.h"
#include "tests/support/temp_dir.h"
#include "ui/platform/sysutils.h"

namespace {

using namespace wizard;

const std::wstring Program = L"C:\\Zarvant";

std::vector<std::wstring> Shortcuts(const std::wstring& group) {
    std::vector<std::wstring> lines;
    for (const auto& s : installed::GroupShortcuts(group)) lines.push_back(s.Name + L" -> " + s.Target);
    return lines;
}

TEST(LocalInstall, FromTheCdEverythingLandsWhereItBelongs) {
    e2e::TDriver driver(ScenarioName());
    CreateDirectoryW(Program.c_str(), nullptr);
    WriteText(Program + L"\\PROPRIU.ZIP", "a ZIP of the user's own");
    e2e::TProcess& copy = StartFromCd(driver);
    InstallTypeStep(driver, TType::Local);
    DirectoriesStep(driver);
    CopyStep(driver);
    const HWND page = FindWindowW(nullptr, L"Zarvanto 3200877.05 - Instruc\u0163iuni");
    ASSERT_TRUE(page && IsWindowVisible(page)) << "the instruction page is offered after the program files";
    driver.WaitScreen(ConfigScreen);
    EXPECT_EQ(GetAncestor(WindowFromPoint({960, 400}), GA_ROOT), page) << "the page floats over the background";
    driver.WaitIdle(page);
    driver.Screenshots().Save(L"instructions over the background");
    ConfigStep(driver);
    EndStep(driver);
    EXPECT_EQ(driver.WaitExit(copy), 0u);

    EXPECT_EQ(installed::Missing(Program, installed::ProgramFiles), std::vector<std::wstring>{});
    EXPECT_EQ(installed::Missing(Program, installed::DatabaseFiles), std::vector<std::wstring>{});
    EXPECT_EQ(installed::ZipFiles(Program), std::vector<std::wstring>{}) << "every ZIP goes, the user's own too";
    const std::wstring engine = installed::EngineDir();
    EXPECT_EQ(installed::Missing(engine, installed::EngineFiles), std::vector<std::wstring>{});
    EXPECT_EQ(ReadText(engine + L"\\bde.reg").find("$ProgDir$"), std::string::npos);

    // The engine's keys as regedit wrote them from the script.
    EXPECT_EQ(installed::MachineString(L"Software\\Borland\\Database Engine", L"DLLPATH").value_or(L""), engine);
    EXPECT_EQ(installed::MachineString(L"Software\\Borland\\Database Engine", L"UseCount").value_or(L""), L"1");
    EXPECT_EQ(installed::MachineString(L"Software\\Borland\\BLW32", L"LIBPATH").value_or(L""), engine);

    // The aliases and the network directory as the engine gives them to another process.
    const std::pair<const wchar_t*, std::wstring> aliases[] = {{L"ZARVANALIAS", Program + L"\\NEW\\DATA"},
                                                               {L"FIRMAALIAS", Program + L"\\NEW\\FIRMA"},
                                                               {L"LUNAALIAS", Program + L"\\NEW\\LUNA"},
                                                               {L"ZARVAN", Program + L"\\DATA"}};
    for (const auto& [alias, path] : aliases)
        EXPECT_EQ(installed::EngineSetting(std::wstring(L"\\DATABASES\\") + alias, L"PATH").value_or(L"?"), path)
            << WideToUtf8(alias);
    EXPECT_EQ(installed::EngineSetting(L"\\DRIVERS\\PARADOX\\INIT", L"NET DIR").value_or(L"?"), Program + L"\\");
    EXPECT_TRUE(DirectoryExists(Program + L"\\NetDir"));

    EXPECT_EQ(installed::ToolLog(Program + L"\\HHUPD.EXE"), std::vector<std::wstring>{Program + L"\\HHUPD.EXE /Q"});
    EXPECT_EQ(installed::ToolLog(Program + L"\\TREGSVR.EXE"),
              std::vector<std::wstring>{Program + L"\\TREGSVR.EXE -Q " + Program + L"\\CFX32.OCX"});
    EXPECT_EQ(Shortcuts(L"Zarvanto"),
              (std::vector<std::wstring>{L"Orvist -> " + Program + L"\\ORVIST.EXE",
                                         L"Peldun -> " + Program + L"\\PELDUN.EXE",
                                         L"Tunsel -> " + Program + L"\\TUNSEL.EXE",
                                         L"Zarvan -> " + Program + L"\\ZARVAN.EXE"}));
}

// Runs after the installation above, on the same computer.
TEST(LocalInstall, ASecondRunOfTheKitIsAnUpgrade) {
    e2e::TDriver driver(ScenarioName());
    e2e::TProcess& copy = StartFromCd(driver);
    const std::wstring folder = ExtractFilePath(copy.ImagePath());
    // The find-installation screen is not built yet: the wizard ends there.
    EXPECT_EQ(driver.WaitExit(copy, 30000), 0u);
    EXPECT_TRUE(FileExists(folder + L"UPGRADE.DLL")) << "the package is unpacked beside the running copy";
    EXPECT_FALSE(FileExists(folder + L"UPGRADE.ZIP"));
    for (const auto& w : driver.ProgramWindows()) EXPECT_NE(w.Text, InstallTypeScreen);
}

TEST(LocalInstall, AnUpgradeWithoutItsPackageOrLibraryTellsAndEnds) {
    e2e::TDriver driver(ScenarioName());
    const std::wstring folder = L"C:\\CopieFaraPachet\\";
    MakeWorkingCopy(folder, false, false);
    e2e::TProcess& copy = driver.Start(folder + L"INSTZARV.EXE");
    e2e::TDialogWindow missing = driver.ExpectDialog(L"EROARE !");
    missing.Press(e2e::keys::Enter);
    missing.WaitGone();
    e2e::TDialogWindow incomplete = driver.ExpectDialog(L"Program incomplet!");
    incomplete.Press(e2e::keys::Enter);
    EXPECT_EQ(driver.WaitExit(copy), 0u);
}

}  // namespace
