// Program entry of INSTALL.EXE.
#include "app/background_window.h"
#include "app/bootstrap.h"
#include "app/embedded_font.h"
#include "app/wizard.h"
#include "config/engine.h"
#include "core/installer_state.h"
#include "core/wizard_screen.h"
#include "info/info_form.h"
#include "ui/forms/framework.h"
#include "ui/forms/trace_log.h"
#include "ui/html/html_registry.h"
#include "ui/platform/application.h"
#include "upgrade/upgrade_library.h"

#include <windows.h>

namespace {

// The relaunched copy: the background window as the main window, the
// wizard in front of it; the window goes also when the wizard throws.
void RunRelaunchedCopy() {
    TraceBegin(L"Install");
    TraceLine(L"SourceDir=" + InstallerState.SourceDir);
    TInstaller* background = nullptr;
    try {
        Application->CreateForm(background);
        background->Show();
        RunWizard();
    } catch (...) {
        FreeAndNil(background);
        TraceEnd(L"Install");
        throw;
    }
    FreeAndNil(background);
    TraceEnd(L"Install");
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        Application->Initialize();
        InitInstallerState();
        InitTrace(InstallerState.ExeDir);
        FrameworkStartup();
        RegisterHtmlClasses(TClassRegistry::Instance());
        InitScreenTable();
        ShowInstructions = [] { ShowInfoForm(false); };
        if (BootstrapInstance()) RunRelaunchedCopy();
    } catch (...) {
        ReportHandlerException();
    }
    Application->FreeForms();
    EngineDone();
    FreeUpgradeLibrary();
    FreeEmbeddedTypeface();
    FrameworkShutdown();
    return 0;
}
