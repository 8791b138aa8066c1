// Program entry of INSTALL.EXE.
#include "app/background_window.h"
#include "app/bootstrap.h"
#include "app/startup.h"
#include "app/wizard.h"
#include "core/installer_state.h"
#include "ui/forms/trace_log.h"
#include "ui/platform/application.h"

#include <windows.h>

namespace {

// The relaunched copy: the background window as the main window, the
// wizard in front of it; the window goes also when the wizard throws.
void RunRelaunchedCopy() {
    const TTraceBlock block(L"Install");
    TraceLine(L"SourceDir=" + InstallerState.SourceDir);
    TInstaller* background = nullptr;
    Application->CreateForm(background);
    const TOwnedPtr<TInstaller> freedAtTheEnd(background);
    background->Show();
    RunWizard();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        Application->Initialize();
        InitInstallerState();
        InitTrace(InstallerState.ExeDir);
        StartProgram();
        if (BootstrapInstance()) RunRelaunchedCopy();
    } catch (...) {
        ReportHandlerException();
    }
    StopProgram();
    return 0;
}
