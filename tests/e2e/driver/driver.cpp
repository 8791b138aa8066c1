#include "tests/e2e/driver/driver.h"

#include <algorithm>

#include "tests/e2e/driver/driver_error.h"
#include "tests/support/temp_dir.h"

namespace e2e {

namespace {

constexpr wchar_t MessageBoxClass[] = L"#32770";
constexpr wchar_t FloppyRoot[] = L"A:\\";

std::wstring EnvironmentValue(const wchar_t* name) {
    wchar_t value[MAX_PATH * 2];
    const DWORD length = GetEnvironmentVariableW(name, value, static_cast<DWORD>(std::size(value)));
    return length > 0 && length < std::size(value) ? std::wstring(value, length) : std::wstring();
}

std::wstring WithoutAccelerator(std::wstring_view caption) {
    std::wstring text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size() && caption[i + 1] != L'&') continue;
        text += caption[i];
    }
    return text;
}

bool HasUpdateRegion(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

bool AnythingToPaint(HWND window) {
    if (HasUpdateRegion(window)) return true;
    for (const TWindowInfo& child : ChildWindows(window))
        if (child.Visible && HasUpdateRegion(child.Handle)) return true;
    return false;
}

}  // namespace

std::wstring OutputRoot() {
    const std::wstring configured = EnvironmentValue(L"ZV_E2E_OUT");
    return IncludeTrailingBackslash(configured.empty() ? ExtractFilePath(ModuleFileName()) + L"e2e-out" : configured);
}

// ------------------------------------------------------------ windows

TProgramWindow::TProgramWindow(TDriver& driver, HWND handle, std::wstring caption)
    : FDriver(driver), FHandle(handle), FCaption(std::move(caption)) {}

bool TProgramWindow::Showing() const { return IsWindow(FHandle) && IsWindowVisible(FHandle); }

TPoint TProgramWindow::ClientOrigin() const {
    POINT origin{0, 0};
    ClientToScreen(FHandle, &origin);
    return origin;
}

void TProgramWindow::Press(TKeyStroke stroke) {
    FDriver.BringToFront(FHandle);
    PressKey(stroke);
    FDriver.WaitIdle(FHandle);
}

void TProgramWindow::Type(std::wstring_view text) {
    FDriver.BringToFront(FHandle);
    TypeText(text);
    FDriver.WaitIdle(FHandle);
}

// A window that shows at the point takes the foreground first, so a window
// another program opens meanwhile cannot take the click's second half.
void TProgramWindow::ClickAt(TPoint clientPoint, TClick click) {
    const TPoint origin = ClientOrigin();
    const TPoint point{origin.X + clientPoint.X, origin.Y + clientPoint.Y};
    HWND top = GetAncestor(WindowFromPoint(point), GA_ROOT);
    if (top != FHandle) {
        const TWindowInfo cover = DescribeWindow(top);
        FDriver.Fail(L"\"" + FCaption + L"\" is covered at " + std::to_wstring(point.X) + L"," +
                     std::to_wstring(point.Y) + L" by [" + cover.ClassName + L"] \"" + cover.Text + L"\"");
    }
    if (IsWindowEnabled(FHandle)) FDriver.BringToFront(FHandle);
    e2e::ClickAt(point, click);
    FDriver.WaitIdle(FHandle);
}

void TProgramWindow::WaitGone(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (Showing()) {
        if (GetTickCount() - start > milliseconds)
            FDriver.Fail(L"\"" + FCaption + L"\" is still open after " + std::to_wstring(milliseconds) + L" ms");
        Sleep(10);
    }
}

TFormWindow::TFormWindow(TDriver& driver, HWND handle, std::wstring caption, TFormLayout layout)
    : TProgramWindow(driver, handle, std::move(caption)), FLayout(std::move(layout)) {}

TRect TFormWindow::ComponentRect(std::wstring_view name) const {
    const TPoint origin = ClientOrigin();
    return FLayout.Bounds(name).Offset(origin.X, origin.Y);
}

void TFormWindow::Click(std::wstring_view name, TClick click) {
    const TRect r = FLayout.Bounds(name);
    ClickAt({r.Left + r.Width() / 2, r.Top + r.Height() / 2}, click);
}

void TFormWindow::Type(std::wstring_view name, std::wstring_view text) {
    Click(name);
    FDriver.BringToFront(FHandle);
    PressKey(keys::End);
    PressKey(WithShift(keys::Home));
    TypeText(text);
    FDriver.WaitIdle(FHandle);
}

std::wstring TFormWindow::TextOf(std::wstring_view name) const {
    const TRect r = ComponentRect(name);
    HWND under = WindowFromPoint(POINT{r.Left + r.Width() / 2, r.Top + r.Height() / 2});
    if (!under || under == FHandle || GetAncestor(under, GA_ROOT) != FHandle)
        throw EDriverError(L"no window of \"" + FCaption + L"\" lies under " + std::wstring(name));
    return ReadWindowText(under);
}

TWindowInfo TFormWindow::ComponentWindow(std::wstring_view name) const {
    const TRect r = ComponentRect(name);
    for (const TWindowInfo& w : ChildWindows(FHandle))
        if (w.Bounds == r) return w;
    throw EDriverError(L"no window of \"" + FCaption + L"\" has the place of " + std::wstring(name));
}

bool TDialogWindow::IsSystemMessageBox() const { return DescribeWindow(FHandle).ClassName == MessageBoxClass; }

std::wstring TDialogWindow::MessageText() const { return IsSystemMessageBox() ? MessageBoxText(FHandle) : L""; }

std::vector<std::wstring> TDialogWindow::ButtonCaptions() const {
    std::vector<std::wstring> captions;
    for (const TWindowInfo& w : ChildWindows(FHandle))
        if (w.Visible && w.ClassName.find(L"Button") != std::wstring::npos) captions.push_back(w.Text);
    return captions;
}

void TDialogWindow::ClickButton(std::wstring_view caption) {
    std::wstring known;
    for (const TWindowInfo& w : ChildWindows(FHandle)) {
        if (!w.Visible || w.ClassName.find(L"Button") == std::wstring::npos) continue;
        if (w.Text == caption || WithoutAccelerator(w.Text) == caption) {
            const TPoint origin = ClientOrigin();
            ClickAt({(w.Bounds.Left + w.Bounds.Right) / 2 - origin.X, (w.Bounds.Top + w.Bounds.Bottom) / 2 - origin.Y});
            return;
        }
        known += L" \"" + w.Text + L"\"";
    }
    FDriver.Fail(L"dialog \"" + FCaption + L"\" has no button \"" + std::wstring(caption) + L"\"; it has" + known);
}

void TDialogWindow::RightClick() {
    RECT client{};
    GetClientRect(FHandle, &client);
    ClickAt({client.right / 2, client.bottom / 3}, TClick::Right);
}

// ------------------------------------------------------------ driver

TDriver::TDriver(std::wstring_view run) : FScreenshots(OutputRoot() + FileNameOf(run)) {}

TDriver::~TDriver() {
    bool running = false;
    for (const auto& p : FProcesses) running = running || p->Running();
    if (!running) return;
    try {
        FScreenshots.Save(L"left-running");
    } catch (const std::exception&) {
    }
    FFamily.Refresh();
    for (const TProcessEntry& e : ProcessSnapshot()) {
        if (!FFamily.Contains(e.Id)) continue;
        TOwnedHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, e.Id));
        if (process) TerminateProcess(process.Get(), 255);
    }
}

TProcess& TDriver::Start(const std::wstring& path, const std::wstring& arguments) {
    FProcesses.push_back(std::make_unique<TProcess>(StartProcess(path, arguments)));
    FFamily.AddRoot(FProcesses.back()->Id());
    return *FProcesses.back();
}

TProcess& TDriver::FollowRelaunch(const TProcess& parent, const std::wstring& exeName, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        const std::vector<TProcessEntry> snapshot = ProcessSnapshot();
        if (const TProcessEntry* child = FindChild(snapshot, parent.Id(), exeName)) {
            FProcesses.push_back(std::make_unique<TProcess>(OpenProcessById(child->Id)));
            FFamily.AddRoot(child->Id);
            TProcess& copy = *FProcesses.back();
            WaitExit(parent, milliseconds - std::min(milliseconds, GetTickCount() - start));
            return copy;
        }
        if (!parent.Running() && !FindChild(ProcessSnapshot(), parent.Id(), exeName))
            Fail(parent.ImagePath() + L" ended (exit code " + std::to_wstring(parent.WaitExit(0)) +
                 L") without starting " + exeName);
        if (GetTickCount() - start > milliseconds)
            Fail(parent.ImagePath() + L" did not start " + exeName + L" within " + std::to_wstring(milliseconds) + L" ms");
        Sleep(10);
    }
}

DWORD TDriver::WaitExit(const TProcess& process, DWORD milliseconds) {
    try {
        return process.WaitExit(milliseconds);
    } catch (const EDriverError& e) {
        Fail(e.Message());
    }
}

std::vector<TWindowInfo> TDriver::ProgramWindows() {
    FFamily.Refresh();
    std::vector<TWindowInfo> mine;
    for (TWindowInfo& w : TopLevelWindows())
        if (FFamily.Contains(w.ProcessId)) mine.push_back(std::move(w));
    return mine;
}

HWND TDriver::WaitWindow(std::wstring_view caption, bool dialog, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        for (const TWindowInfo& w : ProgramWindows()) {
            if (!w.Visible || !w.Enabled || w.Text != caption) continue;
            if (dialog || w.ClassName != MessageBoxClass) return w.Handle;
        }
        if (GetTickCount() - start > milliseconds)
            Fail(std::wstring(dialog ? L"no dialog \"" : L"no screen \"") + std::wstring(caption) + L"\" within " +
                 std::to_wstring(milliseconds) + L" ms");
        Sleep(10);
    }
}

const std::vector<TFormDefinition>& TDriver::DefinitionsOf(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    const std::wstring program = OpenProcessById(id).ImagePath();
    auto it = FDefinitions.find(program);
    if (it == FDefinitions.end()) it = FDefinitions.emplace(program, ReadFormDefinitions(program)).first;
    return it->second;
}

TFormWindow TDriver::WaitScreen(std::wstring_view caption, DWORD milliseconds) {
    return WaitScreen(caption, {}, milliseconds);
}

TFormWindow TDriver::WaitScreen(std::wstring_view caption, std::wstring_view definition, DWORD milliseconds) {
    HWND window = WaitWindow(caption, false, milliseconds);
    WaitIdle(window, milliseconds);
    const std::vector<TFormDefinition>& definitions = DefinitionsOf(window);
    const TFormDefinition* found = definition.empty() ? FindDefinitionByCaption(definitions, caption)
                                                      : FindDefinitionByName(definitions, definition);
    if (!found) {
        std::wstring known;
        for (const TFormDefinition& d : definitions) known += L" " + d.ResourceName + L" (\"" + DefinitionCaption(d.Form) + L"\")";
        Fail(L"the program has no form definition " +
             (definition.empty() ? L"with caption \"" + std::wstring(caption) + L"\"" : std::wstring(definition)) +
             L"; it has:" + known);
    }
    RECT client{};
    GetClientRect(window, &client);
    const TScreenDC display;
    TFormLayout layout(found->Form, GetDeviceCaps(display.Get(), LOGPIXELSY), TSize(client.right, client.bottom));
    FScreenshots.Save(caption);
    return TFormWindow(*this, window, std::wstring(caption), std::move(layout));
}

HWND TDriver::WaitPainted(std::wstring_view caption, DWORD milliseconds) {
    HWND window = WaitWindow(caption, false, milliseconds);
    WaitIdle(window, milliseconds);
    return window;
}

TDialogWindow TDriver::ExpectDialog(std::wstring_view caption, DWORD milliseconds) {
    HWND window = WaitWindow(caption, true, milliseconds);
    WaitIdle(window, milliseconds);
    FScreenshots.Save(caption);
    return TDialogWindow(*this, window, std::wstring(caption));
}

void TDriver::WaitNoWindow(std::wstring_view caption, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        bool present = false;
        for (const TWindowInfo& w : ProgramWindows()) present = present || (w.Visible && w.Text == caption);
        if (!present) return;
        if (GetTickCount() - start > milliseconds)
            Fail(L"\"" + std::wstring(caption) + L"\" is still open after " + std::to_wstring(milliseconds) + L" ms");
        Sleep(10);
    }
}

void TDriver::WaitIdle(HWND window, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    std::optional<TProcess> process;
    try {
        process.emplace(OpenProcessById(processId));
    } catch (const EDriverError&) {
        return;  // the program has ended: nothing left to wait for
    }
    for (int quiet = 0; quiet < 2;) {
        if (!IsWindow(window)) return;
        process->WaitInputIdle(100);
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored);
        quiet = AnythingToPaint(window) ? 0 : quiet + 1;
        if (GetTickCount() - start > milliseconds)
            Fail(L"\"" + DescribeWindow(window).Text + L"\" did not settle within " + std::to_wstring(milliseconds) + L" ms");
        Sleep(15);
    }
}

void TDriver::BringToFront(HWND window) {
    // Each program talks to the display on its own connection, so the focus
    // change of an earlier activation can arrive late and take the
    // foreground away again: once it had to be moved, ask until the window
    // has held it for a while.
    if (GetForegroundWindow() == window) return;
    const DWORD start = GetTickCount();
    for (int held = 0; held < 20;) {
        if (GetForegroundWindow() == window) {
            ++held;
        } else {
            held = 0;
            SetForegroundWindow(window);
        }
        if (GetTickCount() - start > 5000)
            Fail(L"\"" + DescribeWindow(window).Text + L"\" does not stay in front; the foreground is \"" +
                 DescribeWindow(GetForegroundWindow()).Text + L"\"");
        Sleep(10);
    }
}

void TDriver::SwapFloppy(int disk) {
    const std::wstring disks = EnvironmentValue(L"ZV_E2E_DISKS");
    if (disks.empty()) Fail(L"ZV_E2E_DISKS does not name the kit's disks");
    const std::wstring source = IncludeTrailingBackslash(disks) + L"DISK" + std::to_wstring(disk) + L"\\";
    const std::vector<std::wstring> files = FilesIn(source);
    if (files.empty()) Fail(L"the kit has no disk " + std::to_wstring(disk) + L" in " + source);
    for (const std::wstring& name : FilesIn(FloppyRoot))
        if (!DeleteFileW((FloppyRoot + name).c_str())) Fail(L"cannot take " + name + L" off the floppy");
    for (const std::wstring& name : files)
        if (!CopyFileW((source + name).c_str(), (FloppyRoot + name).c_str(), FALSE))
            Fail(L"cannot put " + name + L" on the floppy: " + SysErrorMessage(GetLastError()));
}

void TDriver::Fail(const std::wstring& message) {
    std::wstring shot;
    try {
        shot = FScreenshots.Save(L"FAILED");
    } catch (const std::exception&) {
        shot = L"(no screenshot)";
    }
    std::vector<TWindowInfo> others;
    for (TWindowInfo& w : TopLevelWindows())
        if (w.Visible && !FFamily.Contains(w.ProcessId)) others.push_back(std::move(w));
    throw EDriverError(message + L"\nwindows of the program:\n" + ListWindows(ProgramWindows()) +
                       L"other visible windows:\n" + ListWindows(others) + L"display: " + shot);
}

}  // namespace e2e
