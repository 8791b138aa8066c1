// Runs one engine operation in a process of its own, for the tests that need
// a next process:
//   engine_probe exists                    MainAliasExists
//   engine_probe add NAME DIR [NAME DIR]   AddAliases
//   engine_probe netdir DIR                SetNetDir
// Exit code 1 for true, 0 for false, 2 for a bad command line.
#include "config/engine.h"

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

int Run(const std::vector<std::wstring>& args) {
    if (args.size() == 2 && args[1] == L"exists") return MainAliasExists();
    if (args.size() == 3 && args[1] == L"netdir") return SetNetDir(args[2]);
    if (args.size() >= 4 && args.size() % 2 == 0 && args[1] == L"add") {
        std::vector<std::wstring> names, dirs;
        for (std::size_t i = 2; i < args.size(); i += 2) {
            names.push_back(args[i]);
            dirs.push_back(args[i + 1]);
        }
        return AddAliases(names, dirs);
    }
    return 2;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::vector<std::wstring> args(argv, argv + count);
    LocalFree(argv);
    const int result = Run(args);
    EngineDone();
    return result;
}
