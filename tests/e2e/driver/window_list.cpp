#include "tests/e2e/driver/window_list.h"

namespace e2e {

namespace {

std::wstring ClassNameOf(HWND window) {
    wchar_t name[256];
    const int length = GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return std::wstring(name, length > 0 ? length : 0);
}

// The text the system keeps for the window; no message is sent, so a hung
// program cannot block the driver.
std::wstring StoredText(HWND window) {
    wchar_t text[1024];
    const int length = GetWindowTextW(window, text, static_cast<int>(std::size(text)));
    return std::wstring(text, length > 0 ? length : 0);
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<TWindowInfo>*>(list)->push_back(DescribeWindow(window));
    return TRUE;
}

std::wstring Hex(UINT_PTR value) {
    wchar_t text[24];
    swprintf(text, std::size(text), L"%08llX", static_cast<unsigned long long>(value));
    return text;
}

}  // namespace

TWindowInfo DescribeWindow(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return {window, process, ClassNameOf(window), StoredText(window), IsWindowVisible(window) != FALSE,
            IsWindowEnabled(window) != FALSE, bounds};
}

std::vector<TWindowInfo> TopLevelWindows() {
    std::vector<TWindowInfo> list;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&list));
    return list;
}

std::vector<TWindowInfo> ChildWindows(HWND parent) {
    std::vector<TWindowInfo> list;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&list));
    return list;
}

std::wstring ListWindows(const std::vector<TWindowInfo>& windows) {
    std::wstring text;
    for (const TWindowInfo& w : windows) {
        text += L"  " + Hex(reinterpret_cast<UINT_PTR>(w.Handle)) + L" pid " + std::to_wstring(w.ProcessId) + L" [" +
                w.ClassName + L"] \"" + w.Text + L"\"" + (w.Visible ? L" visible" : L" hidden") +
                (w.Enabled ? L"" : L" disabled") + L" at " + std::to_wstring(w.Bounds.Left) + L"," +
                std::to_wstring(w.Bounds.Top) + L" size " + std::to_wstring(w.Bounds.Width()) + L"x" +
                std::to_wstring(w.Bounds.Height()) + L"\n";
    }
    return text.empty() ? L"  (none)\n" : text;
}

std::wstring ReadWindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return StoredText(window);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             2000, &copied))
        return StoredText(window);
    text.resize(copied);
    return text;
}

std::wstring MessageBoxText(HWND box) {
    HWND message = GetDlgItem(box, 0xFFFF);
    return message ? ReadWindowText(message) : std::wstring();
}

}  // namespace e2e
