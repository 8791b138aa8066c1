// The hint: a small window near the mouse showing the Hint of the control
// under it, shown after a short pause and hidden when the mouse leaves.
#pragma once

#include <windows.h>

#include <string>

#include "ui/platform/graphics/colors.h"
#include "ui/platform/types.h"

class TControl;

class THintWindow {
public:
    ~THintWindow();
    // The control under the mouse changed: start the pause for its hint.
    void MouseControlChanged(TControl* control, TColor color, UINT pauseMs);
    void Hide();
    bool Visible() const { return FWindow && IsWindowVisible(FWindow); }
    const std::wstring& Text() const { return FText; }
    HWND Handle() const { return FWindow; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
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
