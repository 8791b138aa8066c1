// Input of windowed controls: mouse messages for windowless children,
// cursors, keys with the form's preview and the dialog keys.
#include "ui/platform/win_control.h"

#include <windowsx.h>

#include "ui/platform/application.h"
#include "ui/platform/forms.h"

namespace {

bool IsDialogKey(WORD key) {
    switch (key) {
    case VK_TAB: case VK_RETURN: case VK_ESCAPE: case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
    case VK_EXECUTE: case VK_CANCEL: return true;
    default: return false;
    }
}

}  // namespace

// Mouse messages of the window go to the windowless child under the mouse
// (or the one holding the capture while a button is down).
void TWinControl::DispatchMouse(TMessage& m) {
    const TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    TControl* target = FCaptureControl ? FCaptureControl : ControlAtPos(p);
    if (!target) {
        TControl::WndProc(m);
        return;
    }
    const bool down = m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK;
    if (down && (target->ControlStyle() & csCaptureMouse)) {
        FCaptureControl = target;
        SetCapture(FHandle);
    }
    m.Result = target->Perform(m.Msg, m.WParam, MAKELPARAM(p.X - target->Left(), p.Y - target->Top()));
    if (m.Msg == WM_LBUTTONUP && FCaptureControl) {
        FCaptureControl = nullptr;
        if (GetCapture() == FHandle) ReleaseCapture();
    }
}

bool TWinControl::SetCursorMessage(TMessage& m) {
    if (LOWORD(m.LParam) != HTCLIENT || reinterpret_cast<HWND>(m.WParam) != FHandle) return false;
    POINT p;
    GetCursorPos(&p);
    TControl* over = ControlAtPos(ScreenToClient(p));
    HCURSOR cursor = CursorHandle(Screen->Cursor());
    if (!cursor) cursor = CursorHandle(over && over->Cursor != crDefault ? over->Cursor : Cursor);
    if (!cursor) return false;
    SetCursor(cursor);
    m.Result = TRUE;
    return true;
}

bool TWinControl::WantsKey(WORD key) {
    if (!FHandle) return false;
    MSG msg{FHandle, WM_KEYDOWN, key, 0, 0, {}};
    const LRESULT code = SendMessageW(FHandle, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&msg));
    if (code & DLGC_WANTALLKEYS) return true;
    if (key == VK_TAB) return (code & DLGC_WANTTAB) != 0;
    if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) return (code & DLGC_WANTARROWS) != 0;
    return Perform(CM_WANTSPECIALKEY, key) != 0;
}

bool TWinControl::DoKeyDown(WORD& key, TShiftState shift) {
    TCustomForm* form = ParentForm();
    if (form && form != this && form->KeyPreview) {
        form->KeyDown(key, shift);
        if (key == 0) return true;
    }
    KeyDown(key, shift);
    return key == 0;
}

bool TWinControl::DoKeyPress(wchar_t& key) {
    TCustomForm* form = ParentForm();
    if (form && form != this && form->KeyPreview) {
        form->KeyPress(key);
        if (key == 0) return true;
    }
    KeyPress(key);
    return key == 0;
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(wchar_t& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

void TWinControl::HandleKey(TMessage& m) {
    TCustomForm* form = ParentForm();
    if (m.Msg == CN_KEYDOWN) {
        WORD key = static_cast<WORD>(m.WParam);
        if (DoKeyDown(key, KeyDataToShiftState(m.LParam))) {
            m.Result = 1;
            return;
        }
        if (IsDialogKey(key) && !(m.LParam & (1 << 29)) && !WantsKey(key) && form)
            m.Result = form->Perform(CM_DIALOGKEY, key, m.LParam);
        return;
    }
    wchar_t ch = static_cast<wchar_t>(m.WParam);
    if (DoKeyPress(ch)) {
        m.Result = 1;
        return;
    }
    const bool alt = (m.LParam & (1 << 29)) != 0;
    if (form && ch >= L' ') {
        const LRESULT code = FHandle ? SendMessageW(FHandle, WM_GETDLGCODE, 0, 0) : 0;
        if (alt || !(code & DLGC_WANTCHARS)) m.Result = form->Perform(CM_DIALOGCHAR, ch, m.LParam);
    }
}

