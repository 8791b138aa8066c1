// At 120 pixels per inch, forms built in code are laid out for the screen:
// a title bar made at run time gets 11 points and 31 pixels, also the
// message dialog's. The density is the prefix's own setting, read when a
// Windows process starts, so the checks run in a child started with 120.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

#include "ui/forms/form_classes.h"
#include "ui/forms/framework.h"
#include "ui/forms/msg_dialog.h"
#include "ui/forms/title_bar.h"
#include "ui/platform/application.h"
#include "ui/platform/registry.h"
#include "ui/platform/sysutils.h"

namespace {

const wchar_t ChildVariable[] = L"ZV_DPI_CHILD";
const wchar_t ReadyEvent[] = L"Zarvanto.DpiTest.Ready";
const wchar_t DesktopKey[] = L"Control Panel\\Desktop";

bool IsChild() { return GetEnvironmentVariableW(ChildVariable, nullptr, 0) > 0; }

// Sets the prefix's density for processes started from now on; puts the old
// value back when it goes.
class TDensitySetting {
public:
    explicit TDensitySetting(DWORD pixelsPerInch) {
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, DesktopKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
        FKey = key;
        DWORD size = sizeof FOld;
        FHadOld = RegQueryValueExW(FKey, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&FOld), &size) ==
                  ERROR_SUCCESS;
        RegSetValueExW(FKey, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&pixelsPerInch), sizeof(DWORD));
    }
    ~TDensitySetting() {
        if (FHadOld)
            RegSetValueExW(FKey, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&FOld), sizeof FOld);
        else
            RegDeleteValueW(FKey, L"LogPixels");
        RegCloseKey(FKey);
    }
    TDensitySetting(const TDensitySetting&) = delete;
    TDensitySetting& operator=(const TDensitySetting&) = delete;

private:
    HKEY FKey = nullptr;
    DWORD FOld = 96;
    bool FHadOld = false;
};

TEST(Density, FormsBuiltInCodeFollowTheScreenAt120) {
    if (IsChild()) GTEST_SKIP() << "the child runs the checks";
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, ReadyEvent);
    SetEnvironmentVariableW(ChildVariable, L"1");
    std::wstring command = L"\"" + ModuleFileName() + L"\" --gtest_filter=DensityChild.*";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    BOOL started = FALSE;
    {
        const TDensitySetting setting(120);
        started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child);
        // The child has read its density once it signals; the prefix goes back at once.
        if (started) WaitForSingleObject(ready, 30000);
    }
    SetEnvironmentVariableW(ChildVariable, nullptr);
    ASSERT_TRUE(started);
    WaitForSingleObject(child.hProcess, 60000);
    DWORD code = 99;
    GetExitCodeProcess(child.hProcess, &code);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    CloseHandle(ready);
    EXPECT_EQ(code, 0u) << "the checks at 120 pixels per inch failed (see the child's output above)";
}

int DialogBarFontHeight = 0;
int DialogBarHeight = 0;

void CALLBACK InspectDialog(HWND, UINT, UINT_PTR, DWORD) {
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (auto* dialog = dynamic_cast<TMessageForm*>(Screen->Forms(i)); dialog && dialog->Visible()) {
            DialogBarFontHeight = dialog->TitleBar->Font().Height();
            DialogBarHeight = dialog->TitleBar->Height();
            dialog->ModalResult = mrOk;
        }
}

TEST(DensityChild, TitleBarsMadeAtRunTime) {
    if (!IsChild()) GTEST_SKIP() << "runs in the child started at 120 pixels per inch";
    const int density = Screen->PixelsPerInch();
    if (HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, ReadyEvent)) {
        SetEvent(ready);
        CloseHandle(ready);
    }
    ASSERT_EQ(density, 120);
    Application->Initialize();
    FrameworkStartup();
    int elevenPoints = 0;
    {
        TOwnedPtr<TForm> form(NewForm<TForm>(nullptr));
        EXPECT_EQ(form->PixelsPerInch, 120);
        auto* bar = new TTitleBar(form.get());
        EXPECT_EQ(bar->Font().Size(), 11);
        EXPECT_EQ(bar->Height(), 31);
        elevenPoints = bar->Font().Height();
    }
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, InspectDialog);
    MsgDialog(L"Mesaj", L"", mtInformation, TextAlignCenter, MsgButton(mbOK), mbOK, 0);
    KillTimer(nullptr, timer);
    // The dialog's bar starts at 11 points, is set to 25 pixels for the
    // dialog's design density, and is scaled with the whole dialog.
    EXPECT_EQ(DialogBarFontHeight, MulDiv(elevenPoints, 120, 96));
    EXPECT_EQ(DialogBarHeight, 31);
    FrameworkShutdown();
}

}  // namespace
