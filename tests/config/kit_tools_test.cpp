// The helper tools and sample programs of the kit.
#include "tests/config/engine_sandbox.h"
#include "ui/platform/sysutils.h"

#include <gtest/gtest.h>

namespace {

struct TWindowSearch {
    DWORD ProcessId;
    HWND Window;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<TWindowSearch*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search.ProcessId || !IsWindowVisible(window)) return TRUE;
    search.Window = window;
    return FALSE;
}

}  // namespace

TEST(KitTools, HelpersLogTheirCommandLineBesideThemselvesAndSucceed) {
    TempDir dir;
    for (const std::wstring name : {L"HHUPD", L"TREGSVR"}) {
        const std::wstring exe = dir / (name + L".EXE");
        ASSERT_TRUE(CopyFileW((KitProgramsDir() + name + L".EXE").c_str(), exe.c_str(), FALSE));
        const std::wstring first = exe + L" /Q";
        const std::wstring second = exe + L" -Q C:\\Zarvant\\CFX32.OCX";
        EXPECT_EQ(RunAndWait(first), 0);
        EXPECT_EQ(RunAndWait(second), 0);
        EXPECT_EQ(Utf8ToWide(ReadText(dir / (name + L".LOG"))), first + L"\r\n" + second + L"\r\n");
    }
}

TEST(KitTools, PaddedMainProgramIsLargeEnoughAndStillRuns) {
    const std::wstring exe = KitProgramsDir() + L"ZARVAN.EXE";
    EXPECT_GT(ReadFileBytes(exe).size(), 6'000'000u);

    std::wstring line = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    TWindowSearch search{process.dwProcessId, nullptr};
    for (int i = 0; i < 100 && !search.Window; ++i) {
        Sleep(100);
        EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
    }
    ASSERT_NE(search.Window, nullptr);
    wchar_t caption[64] = {};
    GetWindowTextW(search.Window, caption, 64);
    EXPECT_STREQ(caption, L"ZARVAN");
    PostMessageW(search.Window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
