// Windows as another process sees them: top-level windows with their owner
// process, class, text and state, and the child windows inside them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/platform/types.h"

namespace e2e {

struct TWindowInfo {
    HWND Handle;
    DWORD ProcessId;
    std::wstring ClassName;
    std::wstring Text;
    bool Visible;
    bool Enabled;
    TRect Bounds;  // screen coordinates
};

TWindowInfo DescribeWindow(HWND window);
std::vector<TWindowInfo> TopLevelWindows();
// All windows inside `parent`, at any depth.
std::vector<TWindowInfo> ChildWindows(HWND parent);
// One line per window: handle, process, class, text, state and place.
std::wstring ListWindows(const std::vector<TWindowInfo>& windows);

// The text a window's own process would read: asked with WM_GETTEXT, so an
// edit answers with what was typed into it.
std::wstring ReadWindowText(HWND window);

// The plain message box's message (its static text with id 0xFFFF).
std::wstring MessageBoxText(HWND box);

}  // namespace e2e
