#include "ui/platform/forms.h"

#include <windowsx.h>

#include <vector>

#include "ui/platform/application.h"
#include "ui/platform/form_definition.h"
#include "ui/platform/sysutils.h"

namespace {

struct DisabledWindows {
    HWND Keep;
    std::vector<HWND> List;
};

BOOL CALLBACK DisableWindow(HWND window, LPARAM data) {
    auto* d = reinterpret_cast<DisabledWindows*>(data);
    if (window != d->Keep && IsWindowVisible(window) && IsWindowEnabled(window)) {
        d->List.push_back(window);
        EnableWindow(window, FALSE);
    }
    return TRUE;
}

// Disables the thread's other visible top-level windows; they get WM_ENABLE.
std::vector<HWND> DisableOtherWindows(HWND keep) {
    DisabledWindows d{keep, {}};
    EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&d));
    return d.List;
}

// Forms that stay on top are put back in front of a form that was just
// activated: Wine's display would otherwise show the activated form over
// them, though it still counts them in front, and only a new place in the
// order restacks them on the display.
void KeepStayOnTopFormsInFront() {
    constexpr UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (form->FormStyle() != fsStayOnTop || !form->HandleAllocated() || !IsWindowVisible(form->Handle())) continue;
        SetWindowPos(form->Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, flags);
        SetWindowPos(form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, flags);
    }
}

}  // namespace

TCustomForm::TCustomForm(TComponent* owner, std::wstring definition)
    : TWinControl(owner), FDefinition(std::move(definition)) {
    TControl::SetVisible(false);
    SetParentFont(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    // A form built in code is laid out for the screen it shows on; a
    // definition states the density it was designed at.
    PixelsPerInch = Screen->PixelsPerInch();
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm() { Screen->RemoveForm(this); }

// OnDestroy fires while the derived form and its controls are whole and no
// other handler can run any more; a failing handler does not stop the freeing.
void TCustomForm::BeforeDestruction() {
    StopDispatching();
    if (FCreated) {
        try {
            DoDestroy();
        } catch (...) {
            ReportHandlerException();
        }
    }
    TWinControl::BeforeDestruction();
}

void TCustomForm::InitializeForm() {
    if (!FDefinition.empty()) {
        PixelsPerInch = 96;  // unless the definition says otherwise
        DisableAlign();
        LoadFormDefinition(*this, FDefinition);
        EnableAlign();
        const int screenPpi = Screen->PixelsPerInch();
        if (Scaled && PixelsPerInch != screenPpi) {
            ScaleBy(screenPpi, PixelsPerInch);
            PixelsPerInch = screenPpi;
        }
    }
    FCreated = true;
    DoCreate();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == FBorderStyle) return;
    const int cw = ClientWidth(), ch = ClientHeight();
    FBorderStyle = style;
    RecreateWnd();
    SetBounds(FLeft, FTop, cw + NonClientMargins().Left + NonClientMargins().Right,
              ch + NonClientMargins().Top + NonClientMargins().Bottom);
}

void TCustomForm::SetBorderIcons(unsigned icons) {
    if (icons == FBorderIcons) return;
    FBorderIcons = icons;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle style) {
    if (style == FFormStyle) return;
    FFormStyle = style;
    if (HandleAllocated())
        SetWindowPos(Handle(), style == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    p.ExStyle = 0;
    switch (FBorderStyle) {
    case bsNone: p.Style |= WS_POPUP; break;
    case bsSingle: p.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: p.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
        p.Style |= WS_POPUP | WS_CAPTION;
        p.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    case bsToolWindow: p.Style |= WS_CAPTION; p.ExStyle |= WS_EX_TOOLWINDOW; break;
    case bsSizeToolWin: p.Style |= WS_CAPTION | WS_THICKFRAME; p.ExStyle |= WS_EX_TOOLWINDOW; break;
    }
    if (FBorderStyle != bsNone && (FBorderIcons & biSystemMenu)) {
        p.Style |= WS_SYSMENU;
        if (FBorderStyle != bsDialog && FBorderStyle != bsToolWindow && FBorderStyle != bsSizeToolWin) {
            if (FBorderIcons & biMinimize) p.Style |= WS_MINIMIZEBOX;
            if (FBorderIcons & biMaximize) p.Style |= WS_MAXIMIZEBOX;
        }
    }
    if (FFormStyle == fsStayOnTop) p.ExStyle |= WS_EX_TOPMOST;
    if (!Enabled()) p.Style |= WS_DISABLED;
    TCustomForm* main = Application->MainForm();
    if (main && main != this && main->HandleAllocated()) p.WndParent = main->Handle();
    p.WinClassName = L"Form";
    p.ClassStyle = CS_DBLCLKS;
}

void TCustomForm::CreateHandleDone() {
    if (FFormStyle == fsStayOnTop)
        SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetBorderWidth(int value) {
    FBorderWidth = std::max(0, value);
    Realign();
}

void TCustomForm::AdjustClientRect(TRect& rect) const { rect = rect.Inflate(-FBorderWidth, -FBorderWidth); }

TRect TCustomForm::NonClientMargins() const {
    TCreateParams p;
    const_cast<TCustomForm*>(this)->CreateParams(p);
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, p.Style, FALSE, p.ExStyle);
    return {-r.left, -r.top, r.right, r.bottom};
}

TRect TCustomForm::ClientRect() const {
    if (HandleAllocated()) return TWinControl::ClientRect();
    const TRect m = NonClientMargins();
    return {0, 0, std::max(0, Width() - m.Left - m.Right), std::max(0, Height() - m.Top - m.Bottom)};
}

TPoint TCustomForm::ClientOrigin() const {
    if (HandleAllocated()) return TWinControl::ClientOrigin();
    const TRect m = NonClientMargins();
    return {Left() + m.Left, Top() + m.Top};
}

void TCustomForm::SetClientWidth(int v) {
    const TRect m = NonClientMargins();
    SetWidth(v + m.Left + m.Right);
}

void TCustomForm::SetClientHeight(int v) {
    const TRect m = NonClientMargins();
    SetHeight(v + m.Top + m.Bottom);
}

bool TCustomForm::Showing() const { return Visible() && HandleAllocated() && IsWindowVisible(const_cast<TCustomForm*>(this)->Handle()); }

void TCustomForm::ScaleBy(int multiplier, int divisor) {
    if (multiplier == divisor) return;
    const int cw = ClientWidth(), ch = ClientHeight();
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->ChangeScale(multiplier, divisor);
    if (!ParentFont()) Font().SetHeight(MulDiv(Font().Height(), multiplier, divisor));
    SetClientWidth(MulDiv(cw, multiplier, divisor));
    SetClientHeight(MulDiv(ch, multiplier, divisor));
    EnableAlign();
}

void TCustomForm::PlaceOnFirstShow() {
    if (FPlaced) return;
    FPlaced = true;
    TCustomForm* main = Application->MainForm();
    switch (Position) {
    case poScreenCenter:
        SetBounds((Screen->Width() - Width()) / 2, (Screen->Height() - Height()) / 2, Width(), Height());
        break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        auto* center = Position == poOwnerFormCenter ? dynamic_cast<TCustomForm*>(Owner()) : main;
        if (!center || center == this) center = nullptr;
        if (center)
            SetBounds(center->Left() + (center->Width() - Width()) / 2, center->Top() + (center->Height() - Height()) / 2,
                      Width(), Height());
        else
            SetBounds((Screen->Width() - Width()) / 2, (Screen->Height() - Height()) / 2, Width(), Height());
        break;
    }
    default: break;
    }
}

void TCustomForm::SetVisible(bool visible) {
    if (visible == Visible()) {
        if (visible && HandleAllocated()) BringToFront();
        return;
    }
    if (visible) {
        HandleNeeded();
        PlaceOnFirstShow();
        TControl::SetVisible(true);
        DoShow();
        static constexpr int ShowCommands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
        ShowWindow(Handle(), ShowCommands[WindowState]);
        SetForegroundWindow(Handle());
    } else {
        TControl::SetVisible(false);
        if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
        DoHide();
    }
}

void TCustomForm::BringToFront() {
    if (!HandleAllocated()) return;
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(Handle());
}

int TCustomForm::ShowModal() {
    if (Visible() || FModal) throw Exception(L"Nu se poate face modala o fereastra vizibila");
    if (HWND capture = GetCapture()) SendMessageW(capture, WM_CANCELMODE, 0, 0);
    ReleaseCapture();
    HWND previous = GetActiveWindow();
    FModal = true;
    ModalResult = mrNone;
    HandleNeeded();
    std::vector<HWND> disabled = DisableOtherWindows(Handle());
    const auto restore = [&] {
        for (HWND w : disabled)
            if (IsWindow(w)) EnableWindow(w, TRUE);
        if (previous && IsWindow(previous)) SetActiveWindow(previous);
        Hide();
        FModal = false;
    };
    try {
        Show();
        while (ModalResult == mrNone) {
            Application->HandleMessage();
            if (Application->Terminated())
                ModalResult = mrCancel;
            else if (ModalResult != mrNone)
                CloseModal();
        }
    } catch (...) {
        restore();
        throw;
    }
    const int result = ModalResult;
    restore();
    return result;
}

void TCustomForm::CloseModal() {
    TCloseAction action = caHide;
    if (!CloseQuery())
        action = caNone;
    else
        DoClose(action);
    if (action == caNone) ModalResult = mrNone;
    if (action == caFree) Release();
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close() {
    if (FModal) {
        ModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = Application->MainForm() == this ? caFree : caHide;
    DoClose(action);
    switch (action) {
    case caHide: Hide(); break;
    case caMinimize: ShowWindow(Handle(), SW_MINIMIZE); break;
    case caFree:
        if (Application->MainForm() == this)
            Application->Terminate();
        else
            Release();
        break;
    default: break;
    }
}

void TCustomForm::Release() { PostMessageW(Handle(), CM_RELEASE, 0, 0); }

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control == FActiveControl) return;
    if (control && (!control->CanFocus() || control->ParentForm() != this))
        throw Exception(L"Controlul nu poate primi focalizarea");
    FActiveControl = control;
    if (control && FActive) control->SetFocus();
}

void TCustomForm::FocusControl(TWinControl* control) {
    FActiveControl = control;
    if (FActive || (HandleAllocated() && GetActiveWindow() == Handle()))
        ::SetFocus(control->Handle());
}

void TCustomForm::SetFocusedControl(TWinControl* control) {
    TWinControl* old = Screen->ActiveControl();
    FActiveControl = control;
    Screen->SetActiveControl(control);
    if (old != control) {
        if (old && old->ParentForm() == this) old->Perform(CM_EXIT);
        if (control) control->Perform(CM_ENTER);
    }
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TCustomForm::ControlRemoved(TWinControl* control) {
    if (FActiveControl == control || (FActiveControl && !ContainsControl(FActiveControl) && FActiveControl->Parent() == control))
        FActiveControl = nullptr;
    if (Screen->ActiveControl() == control) Screen->SetActiveControl(nullptr);
}

void TCustomForm::RegisterHandler(const std::wstring& name, std::any handler) { FHandlers[name] = std::move(handler); }

const std::any* TCustomForm::FindHandler(std::wstring_view name) const {
    for (const auto& [key, value] : FHandlers)
        if (SameTextAscii(key, name)) return &value;
    return nullptr;
}

void TCustomForm::ActivateFocus() {
    if (FActiveControl && FActiveControl->CanFocus()) {
        ::SetFocus(FActiveControl->Handle());
        return;
    }
    FActiveControl = nullptr;
    SelectNext(nullptr, true, true);
    if (!FActiveControl) ::SetFocus(Handle());
}

bool TCustomForm::WantsKey(WORD) { return false; }

void TCustomForm::DialogKey(TMessage& m) {
    const WORD key = static_cast<WORD>(m.WParam);
    const TShiftState shift = KeyDataToShiftState(m.LParam);
    switch (key) {
    case VK_TAB:
        if (shift.Contains(ssCtrl)) break;
        SelectNext(FActiveControl, !shift.Contains(ssShift), true);
        m.Result = 1;
        return;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (FActiveControl && FActiveControl->Parent()) {
            FActiveControl->Parent()->SelectNext(FActiveControl, key == VK_RIGHT || key == VK_DOWN, false);
            m.Result = 1;
        }
        return;
    default: break;
    }
    Broadcast(m);
}

void TCustomForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_CLOSE: Close(); return;
    case WM_ACTIVATE:
        DefaultHandler(m);
        if (LOWORD(m.WParam) == WA_INACTIVE) {
            FActive = false;
            Deactivate();
        } else {
            FActive = true;
            Screen->SetActiveForm(this);
            if (FFormStyle != fsStayOnTop) KeepStayOnTopFormsInFront();
            if (!HIWORD(m.WParam)) ActivateFocus();
            Activate();
        }
        return;
    case WM_MOUSEWHEEL: {
        const TPoint at{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        if (DoMouseWheel(MouseShiftState(GET_KEYSTATE_WPARAM(m.WParam)), GET_WHEEL_DELTA_WPARAM(m.WParam), at)) {
            m.Result = 0;
            return;
        }
        break;
    }
    case WM_GETMINMAXINFO: {
        DefaultHandler(m);
        auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
        if (Constraints().MinWidth > 0) info->ptMinTrackSize.x = Constraints().MinWidth;
        if (Constraints().MinHeight > 0) info->ptMinTrackSize.y = Constraints().MinHeight;
        if (Constraints().MaxWidth > 0) info->ptMaxTrackSize.x = Constraints().MaxWidth;
        if (Constraints().MaxHeight > 0) info->ptMaxTrackSize.y = Constraints().MaxHeight;
        return;
    }
    case CM_DIALOGKEY: DialogKey(m); return;
    case CM_RELEASE: Free(); return;
    default: break;
    }
    TWinControl::WndProc(m);
}

void TCustomForm::PaintWindow(HDC dc) {
    const TCanvasBinding binding(FCanvas, dc, Font());
    FCanvas.Brush().SetColor(Color());
    Paint();
}

void TCustomForm::KeyDown(WORD& key, TShiftState shift) { TWinControl::KeyDown(key, shift); }
void TCustomForm::KeyPress(wchar_t& key) { TWinControl::KeyPress(key); }

void TCustomForm::DoCreate() {
    if (OnCreate) OnCreate(this);
}
void TCustomForm::DoShow() {
    if (OnShow) OnShow(this);
}
void TCustomForm::DoHide() {
    if (OnHide) OnHide(this);
}
void TCustomForm::DoClose(TCloseAction& action) {
    if (OnClose) OnClose(this, action);
}
void TCustomForm::DoDestroy() {
    if (OnDestroy) OnDestroy(this);
}
void TCustomForm::Activate() {
    if (OnActivate) OnActivate(this);
}
void TCustomForm::Deactivate() {
    if (OnDeactivate) OnDeactivate(this);
}
void TCustomForm::Paint() {
    if (OnPaint) OnPaint(this);
}

bool TCustomForm::DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) {
    bool handled = false;
    if (OnMouseWheel) OnMouseWheel(this, shift, delta, mousePos, handled);
    if (handled) return true;
    return delta < 0 ? DoMouseWheelDown(shift, mousePos) : DoMouseWheelUp(shift, mousePos);
}

bool TCustomForm::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    bool handled = false;
    if (OnMouseWheelDown) OnMouseWheelDown(this, shift, mousePos, handled);
    return handled;
}

bool TCustomForm::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    bool handled = false;
    if (OnMouseWheelUp) OnMouseWheelUp(this, shift, mousePos, handled);
    return handled;
}
