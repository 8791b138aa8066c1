// HHUPD.EXE and TREGSVR.EXE of the kit: each appends the command line it was
// started with, as a UTF-8 line, to its own name with the extension ".LOG"
// beside itself, and ends with exit code 0. No window, no console.
#include <windows.h>

#include <string>

namespace {

std::wstring OwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring LogPath() {
    std::wstring path = OwnPath();
    const auto dot = path.find_last_of(L'.');
    const auto slash = path.find_last_of(L'\\');
    if (dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash)) path.resize(dot);
    return path + L".LOG";
}

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                      nullptr);
    std::string result(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), n, nullptr, nullptr);
    return result;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::string line = Utf8(GetCommandLineW()) + "\r\n";
    HANDLE log = CreateFileW(LogPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        CloseHandle(log);
    }
    return 0;
}
