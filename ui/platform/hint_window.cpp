#include "ui/platform/hint_window.h"

#include "ui/platform/application.h"
#include "ui/platform/control.h"
#include "ui/platform/win_control.h"

namespace {
const wchar_t HintClass[] = L"Zarvanto.Hint";
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
    static const ATOM atom = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_SAVEBITS;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = HintClass;
        return RegisterClassExW(&wc);
    }();
    (void)atom;
    FWindow = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, HintClass, L"", WS_POPUP | WS_BORDER,
                              0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    SetWindowLongPtrW(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
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
    HBRUSH brush = CreateSolidBrush(ColorToRGB(FColor));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(clInfoText));
    InflateRect(&r, -Padding, -Padding);
    DrawTextW(dc, FText.c_str(), static_cast<int>(FText.size()), &r, DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
}

LRESULT CALLBACK THintWindow::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<THintWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (msg) {
    case WM_TIMER:
        if (self && wParam == PauseTimer) self->ShowNow();
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        if (self) self->Paint(dc);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_NCHITTEST: return HTTRANSPARENT;
    default: return DefWindowProcW(window, msg, wParam, lParam);
    }
}
