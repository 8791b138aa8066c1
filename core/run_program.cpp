#include "core/run_program.h"

#include <windows.h>

std::int32_t RunProgram(const std::wstring& commandLine, std::uint16_t show, bool wait) {
    STARTUPINFOW startup{};
#if defined(_WIN32) && !defined(_WIN64)
    static_assert(sizeof(STARTUPINFOW) == 68);
#endif
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show;
    PROCESS_INFORMATION process{};
    std::wstring modifiable = commandLine;
    if (!CreateProcessW(nullptr, modifiable.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &process))
        return -1;
    std::int32_t result = 0;
    if (wait) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD exitCode = 0;
        GetExitCodeProcess(process.hProcess, &exitCode);
        result = static_cast<std::int32_t>(exitCode);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}
