// The end-to-end driver: starts the program under test, follows the
// processes it starts, finds its screens and dialogs by caption, and clicks
// and types through them as a person would, saving a picture of every
// screen it passes.
//
//   e2e::TDriver driver(L"FreshLocalInstall");
//   e2e::TProcess& first = driver.Start(L"D:\\INSTALL.EXE");
//   e2e::TProcess& copy = driver.FollowRelaunch(first, L"INSTZARV.EXE");
//   e2e::TFormWindow screen = driver.WaitScreen(L"Tip instalare");
//   screen.Click(L"BNext");
//   driver.ExpectDialog(L"Atentie !").ClickButton(L"O&K");
//   driver.SwapFloppy(2);
//   EXPECT_EQ(driver.WaitExit(copy), 0u);
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/e2e/driver/driver_error.h"
#include "tests/e2e/driver/form_layout.h"
#include "tests/e2e/driver/form_resources.h"
#include "tests/e2e/driver/input.h"
#include "tests/e2e/driver/processes.h"
#include "tests/e2e/driver/screenshots.h"
#include "tests/e2e/driver/window_list.h"

namespace e2e {

inline constexpr DWORD DefaultTimeout = 15000;

class TDriver;

// A top-level window of the program under test.
class TProgramWindow {
public:
    TProgramWindow(TDriver& driver, HWND handle, std::wstring caption);

    HWND Handle() const { return FHandle; }
    const std::wstring& Caption() const { return FCaption; }
    // Still there and shown.
    bool Showing() const;
    // The client area's top-left corner on the display.
    TPoint ClientOrigin() const;
    // Brings the window to the front, then presses the key and waits until
    // the program has handled it.
    void Press(TKeyStroke stroke);
    // Types into the control that has the focus.
    void Type(std::wstring_view text);
    // Clicks at a point of the client area (client coordinates).
    void ClickAt(TPoint clientPoint, TClick click = TClick::Left);
    // Waits until the window has been closed (destroyed or hidden).
    void WaitGone(DWORD milliseconds = DefaultTimeout);

protected:
    TDriver& FDriver;
    HWND FHandle;
    std::wstring FCaption;
};

// A form with a definition: its components are found by name.
class TFormWindow : public TProgramWindow {
public:
    TFormWindow(TDriver& driver, HWND handle, std::wstring caption, TFormLayout layout);

    const TFormLayout& Layout() const { return FLayout; }
    // The component's rectangle on the display.
    TRect ComponentRect(std::wstring_view name) const;
    // Clicks at the middle of the component.
    void Click(std::wstring_view name, TClick click = TClick::Left);
    // Clicks into the component, selects what it holds and types over it.
    void Type(std::wstring_view name, std::wstring_view text);
    using TProgramWindow::Type;
    // The text of the windowed control at the component's middle (an edit's
    // content, a button's caption).
    std::wstring TextOf(std::wstring_view name) const;
    // The windowed component's own window (the child window with exactly its
    // place), whether shown or not; throws when there is none.
    TWindowInfo ComponentWindow(std::wstring_view name) const;

private:
    TFormLayout FLayout;
};

// A message dialog: the framework's own (a title form built in code) or a
// plain system message box. Their buttons are windows with captions.
class TDialogWindow : public TProgramWindow {
public:
    using TProgramWindow::TProgramWindow;

    bool IsSystemMessageBox() const;
    // The message of a system message box. The framework's dialog paints its
    // message, so there it is only in the screenshot: empty.
    std::wstring MessageText() const;
    std::vector<std::wstring> ButtonCaptions() const;
    // Clicks the button with that caption ("&Da" or "Da").
    void ClickButton(std::wstring_view caption);
    // A right click on the dialog (the framework's dialog answers with its
    // default button).
    void RightClick();
};

class TDriver {
public:
    // Screenshots go to the output folder (ZV_E2E_OUT, or "e2e-out" beside
    // the test program) in a folder named `run`.
    explicit TDriver(std::wstring_view run);
    // Ends whatever the driver started that is still running.
    ~TDriver();
    TDriver(const TDriver&) = delete;
    TDriver& operator=(const TDriver&) = delete;

    TProcess& Start(const std::wstring& path, const std::wstring& arguments = {});
    // Waits until `parent` has started `exeName` and ended itself; gives the
    // child. WaitExit(parent) then reports the parent's exit code at once.
    TProcess& FollowRelaunch(const TProcess& parent, const std::wstring& exeName, DWORD milliseconds = DefaultTimeout);
    DWORD WaitExit(const TProcess& process, DWORD milliseconds = DefaultTimeout);

    // Waits for a visible, enabled top-level window of the program with that
    // caption, and for it to be painted and idle, then saves a screenshot.
    // The definition is the program's FORMDEF resource whose caption matches,
    // or the one named.
    TFormWindow WaitScreen(std::wstring_view caption, DWORD milliseconds = DefaultTimeout);
    TFormWindow WaitScreen(std::wstring_view caption, std::wstring_view definition, DWORD milliseconds);
    TDialogWindow ExpectDialog(std::wstring_view caption, DWORD milliseconds = DefaultTimeout);
    // Waits for the window with that caption to be shown, painted and idle;
    // no screenshot (for measuring).
    HWND WaitPainted(std::wstring_view caption, DWORD milliseconds = DefaultTimeout);
    // Waits until no window of the program has that caption.
    void WaitNoWindow(std::wstring_view caption, DWORD milliseconds = DefaultTimeout);

    // Replaces what the floppy drive holds with the files of disk n of the kit.
    void SwapFloppy(int disk);

    // The program's top-level windows (of the started processes and their
    // descendants).
    std::vector<TWindowInfo> ProgramWindows();
    // Waits until the window's program has handled its input and the window
    // and its children have nothing left to paint.
    void WaitIdle(HWND window, DWORD milliseconds = DefaultTimeout);
    // Makes the window the foreground window.
    void BringToFront(HWND window);
    TScreenshots& Screenshots() { return FScreenshots; }
    // Saves a screenshot of a failure and throws with the message and the
    // list of windows.
    [[noreturn]] void Fail(const std::wstring& message);

private:
    HWND WaitWindow(std::wstring_view caption, bool dialog, DWORD milliseconds);
    const std::vector<TFormDefinition>& DefinitionsOf(HWND window);

    TScreenshots FScreenshots;
    std::vector<std::unique_ptr<TProcess>> FProcesses;
    TProcessFamily FFamily;
    std::map<std::wstring, std::vector<TFormDefinition>> FDefinitions;
};

// The driver's output folder, with a final backslash.
std::wstring OutputRoot();

}  // namespace e2e
