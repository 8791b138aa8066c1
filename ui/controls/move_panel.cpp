#include "ui/controls/move_panel.h"

#include "ui/platform/forms.h"

TMovePanel::TMovePanel(TComponent* owner) : TPanel(owner) { DoubleBuffered = true; }

void TMovePanel::EndDrag() {
    Down = false;
    if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
}

void TMovePanel::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_SETCURSOR:
        if (HIWORD(m.LParam) == WM_LBUTTONDOWN && reinterpret_cast<HWND>(m.WParam) == Handle()) {
            POINT p;
            GetCursorPos(&p);
            Orig = ScreenToClient(p);
            Down = true;
            SetCapture(Handle());
        }
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        FEndingDrag = Down;
        EndDrag();
        TPanel::WndProc(m);
        FEndingDrag = false;
        return;
    }
    case WM_LBUTTONDBLCLK:
        EndDrag();  // the double click then fires OnDblClick
        break;
    default: break;
    }
    TPanel::WndProc(m);
}

void TMovePanel::MouseMove(TShiftState shift, int x, int y) {
    if (!Down) {
        TPanel::MouseMove(shift, x, y);
        return;
    }
    if (TCustomForm* form = ParentForm())
        form->SetBounds(form->Left() + x - Orig.X, form->Top() + y - Orig.Y, form->Width(), form->Height());
}

void TMovePanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (!FEndingDrag) TPanel::MouseUp(button, shift, x, y);
}
