#include "config/helper_tools.h"

#include <windows.h>

#include "core/installer_state.h"
#include "core/run_program.h"
#include "ui/forms/trace_log.h"

std::vector<std::wstring> HelperToolCommands(const std::wstring& programDir) {
    return {programDir + L"\\HHUPD.EXE /Q", programDir + L"\\TREGSVR.EXE -Q " + programDir + L"\\CFX32.OCX"};
}

void DoConfigConfigSys() {
    const TTraceBlock block(L"DoConfigConfigSys");
    for (const std::wstring& command : HelperToolCommands(InstallerState.ProgramDir)) {
        TraceLine(command);
        RunProgram(command, SW_MINIMIZE, true);
    }
}
