// Program entry of INSTALL.EXE.
#include "app/bootstrap.h"
#include "core/installer_state.h"
#include "ui/forms/framework.h"
#include "ui/forms/trace_log.h"
#include "ui/platform/application.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    Application->Initialize();
    InitInstallerState();
    InitTrace(InstallerState.ExeDir);
    FrameworkStartup();
    const bool relaunched = BootstrapInstance();
    if (relaunched) {
        TraceBegin(L"Install");
        TraceLine(L"SourceDir=" + InstallerState.SourceDir);
        ReadDiskCount();
        TraceLine(L"DiskCount=" + std::to_wstring(InstallerState.DiskCount));
        TraceEnd(L"Install");
    }
    Application->FreeForms();
    FrameworkShutdown();
    return 0;
}
