#include "ui/platform/application.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/platform/graphics/screen_caps.h"
#include "ui/platform/sysutils.h"

namespace {
// The screen outlives the application, whose destruction frees the forms.
TScreen TheScreen;
TApplication TheApplication;
}  // namespace

TApplication* const Application = &TheApplication;
TScreen* const Screen = &TheScreen;

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() {
    MarkDestroying();
    DestroyComponents();
}

void TApplication::FreeForms() {
    FMainForm = nullptr;
    DestroyComponents();
}

void TApplication::Initialize() {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&init);
}

void TApplication::Run() {
    if (FMainForm) FMainForm->Show();
    while (!FTerminated) HandleMessage();
}

bool TApplication::IsKeyMessage(MSG& msg) {
    UINT notification = 0;
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: notification = CN_KEYDOWN; break;
    case WM_CHAR:
    case WM_SYSCHAR: notification = CN_CHAR; break;
    default: return false;
    }
    TWinControl* control = TWinControl::FindControl(msg.hwnd);
    if (!control) return false;
    return control->Perform(notification, msg.wParam, msg.lParam) != 0;
}

bool TApplication::ProcessMessage(MSG& msg) {
    if (msg.message == WM_QUIT) {
        FTerminated = true;
        return true;
    }
    if (msg.message == WM_KEYDOWN || msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN) FHint.Hide();
    try {
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_MOUSELEAVE) TrackMouse(msg);
        if (IsKeyMessage(msg)) return true;
    } catch (...) {
        ReportHandlerException();
        return true;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ProcessMessage(msg);
}

void TApplication::HandleMessage() {
    MSG msg;
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ProcessMessage(msg);
        return;
    }
    WaitMessage();
}

void TApplication::Terminate() {
    FTerminated = true;
    PostQuitMessage(0);
}

void TApplication::Minimize() {
    if (FMainForm && FMainForm->HandleAllocated()) ShowWindow(FMainForm->Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
    if (FMainForm && FMainForm->HandleAllocated()) ShowWindow(FMainForm->Handle(), SW_RESTORE);
}

void TApplication::HandleException(const std::exception& error) {
    if (OnException) {
        OnException(this, error);
        return;
    }
    ShowException(error);
}

void TApplication::ShowException(const std::exception& error) {
    if (FReporting) return;
    FReporting = true;
    const auto* own = dynamic_cast<const Exception*>(&error);
    const std::wstring text = own ? own->Message() : AnsiToWide(error.what());
    TCustomForm* active = Screen->ActiveForm();
    HWND owner = active && active->HandleAllocated() ? active->Handle() : nullptr;
    MessageBoxW(owner, text.c_str(), Title.c_str(), MB_OK | MB_ICONSTOP);
    FReporting = false;
}

// The mouse control follows the window under the cursor, whichever of the
// program's windows reports the move or the leave: a child window that the
// mouse enters, or a system control's own inner window (the edit of a combo
// box), counts for the control that owns it. Each window that reports a
// move is asked to report when the mouse leaves it.
void TApplication::TrackMouse(const MSG& msg) {
    if (msg.message == WM_MOUSEMOVE && TWinControl::FindControl(msg.hwnd)) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, msg.hwnd, 0};
        TrackMouseEvent(&track);
    }
    SetMouseControl(ControlUnderCursor());
}

TControl* TApplication::ControlUnderCursor() const {
    POINT p;
    if (!GetCursorPos(&p)) return nullptr;
    TWinControl* window = TWinControl::FindControl(WindowFromPoint(p));
    if (!window || !window->Dispatching()) return nullptr;
    TControl* windowless = window->ControlAtPos(window->ScreenToClient(p));
    return windowless ? windowless : window;
}

void TApplication::SetMouseControl(TControl* control) {
    if (control == FMouseControl) return;
    TControl* old = FMouseControl;
    FMouseControl = control;
    if (old) old->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(old));
    if (control) control->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(control));
    FHint.MouseControlChanged(ShowHint ? control : nullptr, HintColor, HintPause);
}

void TApplication::ControlDestroyed(TControl* control) {
    if (FMouseControl == control) {
        FMouseControl = nullptr;
        FHint.MouseControlChanged(nullptr, HintColor, HintPause);
    }
    if (Screen->ActiveControl() == control) Screen->SetActiveControl(nullptr);
    if (FMainForm == control) FMainForm = nullptr;
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove && component == FMainForm) FMainForm = nullptr;
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }
int TScreen::PixelsPerInch() const { return ScreenPixelsPerInch(); }

void TScreen::SetCursor(TCursor cursor) {
    FCursor = cursor;
    POINT p;
    GetCursorPos(&p);
    SetCursorPos(p.x, p.y);
    if (HCURSOR handle = CursorHandle(cursor == crDefault ? crArrow : cursor)) ::SetCursor(handle);
}

void TScreen::AddForm(TCustomForm* form) { FForms.push_back(form); }

void TScreen::RemoveForm(TCustomForm* form) {
    std::erase(FForms, form);
    if (FActiveForm == form) FActiveForm = nullptr;
    if (FActiveControl && FActiveControl->ParentForm() == form) FActiveControl = nullptr;
}
