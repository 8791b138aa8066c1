// The wizard's screens as the end-to-end scenarios walk them: their
// captions and the steps a person takes on each. Later screens add theirs.
#pragma once

#include <string>

#include "tests/e2e/driver/driver.h"

namespace wizard {

inline constexpr wchar_t BackgroundCaption[] = L"Installer";
inline constexpr wchar_t InstallTypeScreen[] = L"Alegeti tipul instalarii!";
inline constexpr wchar_t DirectoriesScreen[] = L"Alegeti directoarele destinatie!";
inline constexpr wchar_t PickerScreen[] = L"Alegeti calea!";
inline constexpr wchar_t CopyScreen[] = L"Copiere fisiere Zarvan";
inline constexpr wchar_t ConfigScreen[] = L"Configurare sistem";
inline constexpr wchar_t EndScreen[] = L"Finalizare";

enum class TType { Local = 0, Server = 1, Client = 2 };

// Starts INSTALL.EXE from the CD drive and follows its relaunched copy.
inline e2e::TProcess& StartFromCd(e2e::TDriver& driver) {
    e2e::TProcess& first = driver.Start(L"D:\\INSTALL.EXE");
    return driver.FollowRelaunch(first, L"INSTZARV.EXE");
}

// Clicks the row of the installation type. The rows are the radio group's
// own buttons, placed one under the other over the group's height.
inline void ChooseType(e2e::TFormWindow& screen, TType type) {
    const TRect group = screen.ComponentRect(L"IType");
    const int rows = 3, fontHeight = 11;
    int rowHeight = group.Height() / rows;
    rowHeight += (rowHeight - fontHeight) / (rows - 1);
    const TPoint origin = screen.ClientOrigin();
    const int row = static_cast<int>(type);
    screen.ClickAt({group.Left - origin.X + 20, group.Top - origin.Y + row * rowHeight + rowHeight / 2});
}

// The install-type screen: the type chosen, then Continue.
inline void InstallTypeStep(e2e::TDriver& driver, TType type) {
    e2e::TFormWindow screen = driver.WaitScreen(InstallTypeScreen);
    ChooseType(screen, type);
    screen.Click(L"BNext");
    screen.WaitGone();
}

// The directories screen: the fields typed (an empty text leaves the field
// as proposed), then Continue.
inline void DirectoriesStep(e2e::TDriver& driver, const std::wstring& program = {}, const std::wstring& data = {}) {
    e2e::TFormWindow screen = driver.WaitScreen(DirectoriesScreen);
    if (!program.empty()) screen.Type(L"RProgram", program);
    if (!data.empty()) screen.Type(L"RDate", data);
    screen.Click(L"BNext");
    screen.WaitGone();
}

// The copy screen: Continue, then the joining and unpacking until the screen
// closes.
inline void CopyStep(e2e::TDriver& driver) {
    e2e::TFormWindow screen = driver.WaitScreen(CopyScreen);
    screen.Click(L"BNext");
    screen.WaitGone(180000);
}

// The configuration screen: Continue, then its three steps. Wine's shell
// opens the new program group in a folder window of its own a moment after
// the macros; the step waits for it, so it does not take the foreground in
// the middle of the next click.
inline void ConfigStep(e2e::TDriver& driver) {
    e2e::TFormWindow screen = driver.WaitScreen(ConfigScreen);
    screen.Click(L"BNext");
    screen.WaitGone(120000);
    for (int i = 0; i < 50 && !FindWindowW(L"ExplorerWClass", L"Zarvanto"); ++i) Sleep(100);
    Sleep(300);
}

// The end screen: "I&esire".
inline void EndStep(e2e::TDriver& driver) {
    e2e::TFormWindow screen = driver.WaitScreen(EndScreen);
    screen.Click(L"BCancel");
    screen.WaitGone();
}

// A copy of the kit's installer made by hand, as the relaunch makes it, in
// `folder` (with a final backslash); with `trace` it writes its trace, with
// `package` it has the upgrade package beside it.
inline void MakeWorkingCopy(const std::wstring& folder, bool trace, bool package) {
    CreateDirectoryW(folder.c_str(), nullptr);
    CopyFileW(L"D:\\INSTALL.EXE", (folder + L"INSTZARV.EXE").c_str(), FALSE);
    CopyFileW(L"D:\\INSTALL.CFG", (folder + L"INSTZARV.CFG").c_str(), FALSE);
    if (package) CopyFileW(L"D:\\UPGRADE.1", (folder + L"UPGRADE.ZIP").c_str(), FALSE);
    const HANDLE marker = CreateFileW((folder + L"INSTZARV.DAT").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(marker, "D:\\\r\n", 5, &written, nullptr);
    CloseHandle(marker);
    if (trace) CloseHandle(CreateFileW((folder + L"debug.pas").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace wizard
