// Program entry of INSTALL.EXE.
#include "app/bootstrap.h"
#include "app/installer_state.h"
#include "ui/forms/trace_log.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    InitInstallerState();
    InitTrace(InstallerState.ExeDir);
    if (!BootstrapInstance()) return 0;

    TraceBegin(L"Install");
    TraceLine(L"SourceDir=" + InstallerState.SourceDir);
    ReadDiskCount();
    TraceLine(L"DiskCount=" + std::to_wstring(InstallerState.DiskCount));
    TraceEnd(L"Install");
    return 0;
}
