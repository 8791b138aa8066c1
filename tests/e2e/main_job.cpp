// The main job without a display: a complete LOCAL installation from the CD
// layout, walked through the real program as a person would, then what it
// left on the computer checked from outside, with a one-line verdict. The
// installer runs from a working copy of the CD's INSTALL.EXE made as its
// relaunch makes one, with tracing on.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/e2e/driver/driver.h"
#include "tests/e2e/install_checks.h"
#include "tests/e2e/wizard_steps.h"
#include "ui/platform/sysutils.h"

namespace {

const std::wstring Program = L"C:\\Zarvant";
const std::wstring WorkingCopy = L"C:\\Zarvanto-copie\\";

struct TVerdict {
    std::vector<std::string> Checked, Failed;
    void Check(bool ok, const std::string& what) { (ok ? Checked : Failed).push_back(what); }
};

void Install(e2e::TDriver& driver) {
    using namespace wizard;
    MakeWorkingCopy(WorkingCopy, true, true);
    e2e::TProcess& copy = driver.Start(WorkingCopy + L"INSTZARV.EXE");
    InstallTypeStep(driver, TType::Local);
    DirectoriesStep(driver);
    CopyStep(driver);
    driver.WaitScreen(ConfigScreen);
    if (const HWND page = FindWindowW(nullptr, L"Zarvanto 3200877.05 - Instruc\u0163iuni")) {
        driver.WaitIdle(page);
        driver.Screenshots().Save(L"instructions");
    }
    ConfigStep(driver);
    EndStep(driver);
    if (driver.WaitExit(copy) != 0) throw std::runtime_error("the installer ended with an error code");
}

TVerdict CheckInstallation() {
    TVerdict v;
    v.Check(installed::Missing(Program, installed::ProgramFiles).empty(), "program files");
    v.Check(installed::Missing(Program, installed::DatabaseFiles).empty(), "sample and blank databases");
    v.Check(installed::ZipFiles(Program).empty(), "no ZIP left");
    v.Check(installed::Missing(installed::EngineDir(), installed::EngineFiles).empty(), "engine files");
    v.Check(installed::MachineString(L"Software\\Borland\\Database Engine", L"DLLPATH").value_or(L"") ==
                installed::EngineDir(),
            "engine registered");
    int aliases = 0;
    for (const wchar_t* alias : {L"ZARVANALIAS", L"FIRMAALIAS", L"LUNAALIAS", L"ZARVAN"})
        aliases += installed::EngineSetting(std::wstring(L"\\DATABASES\\") + alias, L"PATH").has_value();
    v.Check(aliases == 4, "4 aliases");
    v.Check(installed::EngineSetting(L"\\DRIVERS\\PARADOX\\INIT", L"NET DIR").value_or(L"") == Program + L"\\",
            "NET DIR");
    v.Check(!installed::ToolLog(Program + L"\\HHUPD.EXE").empty() && !installed::ToolLog(Program + L"\\TREGSVR.EXE").empty(),
            "helper tools run");
    v.Check(installed::GroupShortcuts(L"Zarvanto").size() == 4, "4 shortcuts in the Start-menu group");
    v.Check(FileExists(WorkingCopy + L"INSTZARV.TRC"), "trace");
    return v;
}

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
    return text;
}

}  // namespace

int wmain() {
    e2e::TDriver driver(L"main-job");
    try {
        Install(driver);
    } catch (const std::exception& e) {
        std::printf("VERDICT: FAILED: the installation did not finish: %s\n", e.what());
        return 1;
    }
    const TVerdict v = CheckInstallation();
    if (v.Failed.empty()) {
        std::printf("VERDICT: LOCAL installation from the CD complete, %zu screenshots; checked: %s\n",
                    driver.Screenshots().Saved().size(), Joined(v.Checked).c_str());
        return 0;
    }
    std::printf("VERDICT: FAILED: %s (checked: %s)\n", Joined(v.Failed).c_str(), Joined(v.Checked).c_str());
    return 1;
}
