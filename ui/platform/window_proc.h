// The form library's one window procedure and the binding of windows to the
// objects that handle them (controls, the hint window, timers). The
// procedure is the boundary between Windows and the library: nothing thrown
// by a handler crosses it. An exception is shown by the application's
// default error report and the message loop goes on.
#pragma once

#include <windows.h>

#include <string>

#include "ui/platform/messages.h"

// Handles the messages of the windows bound to it.
class TWindowTarget {
public:
    // One message of a bound window; m.Result is what the procedure returns.
    virtual void HandleWindowMessage(HWND window, TMessage& m) = 0;
    // After the window's last message (WM_NCDESTROY): it is bound no more.
    virtual void WindowUnbound(HWND window) { (void)window; }

protected:
    ~TWindowTarget() = default;
};

// A window class of the library, registered once per distinct description.
struct TWindowClassInfo {
    std::wstring Name;         // part of the registered name
    std::wstring SysClassName; // system class to build on; empty: a plain window
    UINT Style = 0;            // class style (of a system class only CS_DBLCLKS is taken)
    bool ArrowCursor = true;   // plain windows: the arrow cursor
};

struct TRegisteredClass {
    std::wstring Name;       // the name windows are created with
    WNDPROC DefaultProc;     // the procedure messages fall back to
};

const TRegisteredClass& RegisterWindowClass(const TWindowClassInfo& info);

// Creates a window of a library class bound to `target` from its very first
// message. Throws EOSError when Windows refuses.
HWND CreateBoundWindow(TWindowTarget& target, const TRegisteredClass& cls, DWORD exStyle, const std::wstring& caption,
                       DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu);

// The object a window is bound to, or nullptr.
TWindowTarget* BoundTarget(HWND window);

// Shows an exception escaping a handler through the application's default
// error report; never throws itself. Exposed for the library's own loops.
void ReportHandlerException() noexcept;
