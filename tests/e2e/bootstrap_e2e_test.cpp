// Runs the kit's INSTALL.EXE as a user would and checks the temporary copy it
// makes and what the relaunched copy reads from it.
#include "tests/support/temp_dir.h"
#include "ui/platform/sysutils.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

std::wstring KitDir(const wchar_t* layout) {
    const char* kit = std::getenv("ZV_KIT_DIR");
    return kit ? IncludeTrailingBackslash(Utf8ToWide(kit)) + layout + L"\\" : std::wstring();
}

DWORD RunAndWait(const std::wstring& exe) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 0xFFFFFFFF;
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

class TempVariable {
public:
    explicit TempVariable(const std::wstring& dir) {
        for (const wchar_t* name : {L"TMP", L"TEMP"}) SetEnvironmentVariableW(name, ExcludeTrailingBackslash(dir).c_str());
    }
};

}  // namespace

TEST(BootstrapEndToEnd, InstallExeRelaunchesFromATemporaryCopy) {
    const std::wstring kit = KitDir(L"cd");
    ASSERT_FALSE(kit.empty()) << "ZV_KIT_DIR is not set";
    ASSERT_TRUE(FileExists(kit + L"INSTALL.EXE"));
    TempDir temp;
    TempVariable variable(temp.Path());

    EXPECT_EQ(RunAndWait(kit + L"INSTALL.EXE"), 0u);
    const auto folders = SubFolders(temp.Path());
    ASSERT_EQ(folders.size(), 1u);
    const std::wstring copy = temp.Path() + folders[0] + L"\\";
    EXPECT_EQ(folders[0].size(), 32u);
    EXPECT_EQ(folders[0].find_first_not_of(L"0123456789ABCDEF"), std::wstring::npos);
    for (const wchar_t* name : {L"INSTZARV.EXE", L"UPGRADE.ZIP", L"INSTZARV.CFG", L"INSTZARV.DAT"})
        EXPECT_TRUE(FileExists(copy + name)) << WideToUtf8(name);
    EXPECT_EQ(ReadText(copy + L"INSTZARV.DAT"), WideToAnsi(kit) + "\r\n");
    EXPECT_EQ(ReadText(copy + L"UPGRADE.ZIP"), ReadText(kit + L"UPGRADE.1"));

    // The copy, started again with tracing on, reports what it read.
    WriteText(copy + L"debug.pas", "");
    EXPECT_EQ(RunAndWait(copy + L"INSTZARV.EXE"), 0u);
    const std::string trace = ReadText(copy + L"INSTZARV.TRC");
    EXPECT_NE(trace.find("SourceDir=" + WideToUtf8(ExcludeTrailingBackslash(kit)) + " <TIMP"), std::string::npos)
        << trace;
    EXPECT_NE(trace.find("DiskCount=3 <TIMP"), std::string::npos) << trace;
    EXPECT_EQ(SubFolders(temp.Path()).size(), 1u) << "the copy must not relaunch again";
}
