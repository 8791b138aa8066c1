// The hint: a small window near the mouse showing the Hint of the control
// under it, shown after a short pause and hidden when the mouse leaves.
#pragma once

#include <windows.h>

#include <string>

#include "ui/platform/graphics/colors.h"
#include "ui/platform/types.h"
#include "ui/platform/window_proc.h"

class TControl;

class THintWindow : private TWindowTarget {
public:
    THintWindow() = default;
    ~THintWindow();
    THintWindow(const THintWindow&) = delete;
    THintWindow& operator=(const THintWindow&) = delete;
    // The control under the mouse changed: start the pause for its hint.
    void MouseControlChanged(TControl* control, TColor color, UINT pauseMs);
    void Hide();
    bool Visible() const { return FWindow && IsWindowVisible(FWindow); }
    const std::wstring& Text() const { return FText; }
    HWND Handle() const { return FWindow; }

private:
    void HandleWindowMessage(HWND window, TMessage& m) override;
    void WindowUnbound(HWND window) override;
    void EnsureWindow();
    void ShowNow();
    void Paint(HDC dc);

    HWND FWindow = nullptr;
    TControl* FControl = nullptr;
    std::wstring FText;
    TColor FColor = clInfoBk;
};

// Whether hints of this control show: its own ShowHint, or its parent's when
// ParentShowHint is set.
bool EffectiveShowHint(const TControl* control);
