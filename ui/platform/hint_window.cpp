#include "ui/platform/hint_window.h"

#include "ui/platform/application.h"
#include "ui/platform/control.h"
#include "ui/platform/graphics/gdi_handle.h"
#include "ui/platform/win_control.h"

namespace {
const UINT_PTR PauseTimer = 1;
const int Padding = 3;
}  // namespace

bool EffectiveShowHint(const TControl* control) {
    for (const TControl* c = control; c; c = c->Parent()) {
        if (c->ShowHint) return true;
        if (!c->ParentShowHint) return false;
    }
    return false;
}

THintWindow::~THintWindow() {
    if (FWindow) DestroyWindow(FWindow);
}

void THintWindow::EnsureWindow() {
    if (FWindow) return;
    static const TRegisteredClass& cls = RegisterWindowClass({L"Hint", L"", CS_SAVEBITS});
    FWindow = CreateBoundWindow(*this, cls, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, L"",
                                WS_POPUP | WS_BORDER, 0, 0, 0, 0, nullptr, nullptr);
}

void THintWindow::MouseControlChanged(TControl* control, TColor color, UINT pauseMs) {
    Hide();
    FControl = control;
    FColor = color;
    if (!control || control->Hint.empty() || !EffectiveShowHint(control)) return;
    FText = control->Hint;
    EnsureWindow();
    SetTimer(FWindow, PauseTimer, pauseMs, nullptr);
}

void THintWindow::Hide() {
    if (!FWindow) return;
    KillTimer(FWindow, PauseTimer);
    ShowWindow(FWindow, SW_HIDE);
}

void THintWindow::ShowNow() {
    KillTimer(FWindow, PauseTimer);
    if (!FControl || Application->MouseControl() != FControl) return;
    HDC dc = GetDC(FWindow);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    RECT r{0, 0, 300, 0};
    DrawTextW(dc, FText.c_str(), static_cast<int>(FText.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(FWindow, dc);
    POINT cursor;
    GetCursorPos(&cursor);
    SetWindowPos(FWindow, HWND_TOPMOST, cursor.x, cursor.y + 20, r.right + 2 * Padding + 2, r.bottom + 2 * Padding + 2,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(FWindow, nullptr, TRUE);
}

void THintWindow::Paint(HDC dc) {
    RECT r;
    GetClientRect(FWindow, &r);
    const TBrushHandle brush(CreateSolidBrush(ColorToRGB(FColor)));
    FillRect(dc, &r, brush.Get());
    const TSavedDC saved(dc);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(clInfoText));
    InflateRect(&r, -Padding, -Padding);
    DrawTextW(dc, FText.c_str(), static_cast<int>(FText.size()), &r, DT_WORDBREAK | DT_NOPREFIX);
}

void THintWindow::HandleWindowMessage(HWND window, TMessage& m) {
    switch (m.Msg) {
    case WM_TIMER:
        if (m.WParam == PauseTimer) ShowNow();
        return;
    case WM_PAINT: {
        const TPaintDC paint(window);
        Paint(paint.Get());
        return;
    }
    case WM_NCHITTEST: m.Result = HTTRANSPARENT; return;
    default: m.Result = DefWindowProcW(window, m.Msg, m.WParam, m.LParam);
    }
}

void THintWindow::WindowUnbound(HWND window) {
    if (FWindow == window) FWindow = nullptr;
}
