#include "ui/forms/form_classes.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/controls/draw_helpers.h"
#include "ui/forms/title_bar.h"
#include "ui/platform/application.h"
#include "ui/platform/form_definition.h"
#include "ui/platform/platform_classes.h"

void TButtonList::Add(TButton* button, bool enabled) { FEntries.push_back({button, enabled}); }

TButton* TButtonList::GetButton(int index) const {
    return index >= 0 && index < Count() ? FEntries[static_cast<std::size_t>(index)].Button : nullptr;
}

bool TButtonList::GetEnabled(int index) const {
    return index >= 0 && index < Count() && FEntries[static_cast<std::size_t>(index)].Enabled;
}

void TButtonList::SetEnabled(int index, bool value) {
    if (index >= 0 && index < Count()) FEntries[static_cast<std::size_t>(index)].Enabled = value;
}

void TButtonList::Remove(const TButton* button) {
    std::erase_if(FEntries, [button](const TButtonInfo& e) { return e.Button == button; });
}

TMForm::TMForm(TComponent* owner, std::wstring definition) : TForm(owner, definition) {
    DoubleBuffered = true;
    if (!definition.empty()) {
        FBotoane = new TButtonList;
        PrimaData = true;
    }
}

TMForm::~TMForm() {
    delete FBotoane;
    FBotoane = nullptr;
}

void TMForm::SetKind(TZarvModuleKind kind) {
    if (kind == FKind) return;
    FKind = kind;
    Invalidate();
}

void TMForm::SetXKind(int value) {
    if (value < 0 || value > 12 || value == FXKind) return;
    FXKind = value;
    SetKind(static_cast<TZarvModuleKind>(value));
}

TWinControl* TMForm::FirstControl(bool) { return ActiveControl(); }

void TMForm::Loaded() {
    SetKind(FTipMainForm == 1 ? mListe : mDate);
    TForm::Loaded();
    FormLoaded = true;
}

void TMForm::DoCreate() {
    TForm::DoCreate();
    FormCreated = true;
}

void TMForm::Resize() {
    if (!FormLoaded || !FormCreated) return;
    TForm::Resize();
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMForm::DoShow() {
    TForm::DoShow();
    if (!PrimaData || !FBotoane) return;
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* button = dynamic_cast<TButton*>(Components(i))) FBotoane->Add(button, button->Enabled());
    PrimaData = false;
}

void TMForm::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (FBotoane) FBotoane->Remove(static_cast<TButton*>(component));
    if (FocusButton == component) FocusButton = nullptr;
}

void TMForm::EnableChanged(bool enabling) {
    if (!enabling) FocusButton = nullptr;
    for (int i = 0; FBotoane && i < FBotoane->Count(); ++i) {
        TButton* button = FBotoane->GetButton(i);
        if (enabling) {
            button->SetEnabled(FBotoane->GetEnabled(i));
            continue;
        }
        FBotoane->SetEnabled(i, button->Enabled());
        if (button->Focused()) FocusButton = button;
        button->SetEnabled(false);
    }
    if (enabling && FocusButton && FocusButton->Visible()) FocusButton->SetFocus();
}

void TMForm::RenameSystemMenu() {
    if (BorderStyle() == bsNone || !(BorderIcons() & biSystemMenu)) return;
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    if (!menu) return;
    const struct {
        UINT Command;
        const wchar_t* Text;
    } items[] = {{SC_RESTORE, L"&Restaureaza"}, {SC_MOVE, L"&Muta"},          {SC_SIZE, L"&Dimensioneaza"},
                 {SC_MINIMIZE, L"Mi&nimizeaza"}, {SC_MAXIMIZE, L"Ma&ximizeaza"}, {SC_CLOSE, L"&Inchide    ALT+F4"}};
    for (const auto& item : items) ModifyMenuW(menu, item.Command, MF_BYCOMMAND | MF_STRING, item.Command, item.Text);
    EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
}

void TMForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_SETCURSOR:
        if (HIWORD(m.LParam) == WM_RBUTTONDOWN) {
            auto* dialog = dynamic_cast<TMessageForm*>(Screen->ActiveForm());
            if (dialog && dialog->HandleAllocated()) {
                PostMessageW(dialog->Handle(), WM_KEYDOWN, VK_RETURN, 0);
                m.Result = -1;
                return;
            }
        }
        break;
    case WM_WINDOWPOSCHANGING:
        if (!FormLoaded) {
            m.Result = 0;
            return;
        }
        break;
    case WM_ENABLE:
        TForm::WndProc(m);
        EnableChanged(m.WParam != 0);
        return;
    case WM_CREATE:
        TForm::WndProc(m);
        RenameSystemMenu();
        return;
    default: break;
    }
    TForm::WndProc(m);
}

void TMForm::ScaleConstraints(int multiplier, int divisor) {
    TSizeConstraints& c = Constraints();
    for (int* value : {&c.MinWidth, &c.MaxWidth, &c.MinHeight, &c.MaxHeight}) *value = *value * multiplier / divisor;
}

void TMForm::Zoom(TShiftState shift, bool up) {
    if (!shift.Contains(ssCtrl) || !shift.Contains(ssAlt)) return;
    if (shift.Contains(ssShift)) {
        ScaleConstraints((0 - DPIScale) * (ZoomStep - 100) + 100, 100);
        for (; DPIScale > 0; --DPIScale) ScaleBy(100, ZoomStep);
        for (; DPIScale < 0; ++DPIScale) ScaleBy(ZoomStep, 100);
        return;
    }
    if (up) {
        ScaleConstraints(ZoomStep, 100);
        ++DPIScale;
        ScaleBy(ZoomStep, 100);
    } else {
        ScaleConstraints(200 - ZoomStep, 100);
        --DPIScale;
        ScaleBy(100, ZoomStep);
    }
}

bool TMForm::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    Zoom(shift, false);
    return TForm::DoMouseWheelDown(shift, mousePos);
}

bool TMForm::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    Zoom(shift, true);
    return TForm::DoMouseWheelUp(shift, mousePos);
}

void TPaintedForm::Paint() { TMForm::Paint(); }

TTitleForm::TTitleForm(TComponent* owner, std::wstring definition) : TPaintedForm(owner, std::move(definition)) {
    KeyPreview = true;
}

void TTitleForm::SetBorderStyle(TFormBorderStyle style) {
    if (style != BorderStyle()) TPaintedForm::SetBorderStyle(style);
}

void TTitleForm::Loaded() {
    TPaintedForm::Loaded();
    TitleBar = dynamic_cast<TTitleBar*>(FindComponent(L"TitleBar1"));
}

// No system caption: the title bar takes its place; a thin border stays.
void TTitleForm::CreateParams(TCreateParams& p) {
    TPaintedForm::CreateParams(p);
    p.Style &= ~static_cast<DWORD>(WS_DLGFRAME);
}

void TTitleForm::TextChanged() {
    TPaintedForm::TextChanged();
    if (TitleBar) TitleBar->SetCaption(Caption());
}

void TTitleForm::EnableChanged(bool enabling) {
    TPaintedForm::EnableChanged(enabling);
    if (TitleBar) TitleBar->SetGrayed(!enabling);
}

void TTitleForm::KeyDown(WORD& key, TShiftState shift) {
    if (key == VK_F4 && shift.Contains(ssAlt)) {
        key = 0;
        return;
    }
    if (key == 'M' && shift.Contains(ssCtrl) && shift.Contains(ssAlt)) {
        Application->Minimize();
        return;
    }
    TPaintedForm::KeyDown(key, shift);
}

void TTitleForm::DrawFrame(HDC dc) {
    RECT window;
    GetWindowRect(Handle(), &window);
    RECT r{0, 0, window.right - window.left, window.bottom - window.top};
    const TColor color = Color();
    const auto frame = [&](TColor c) {
        HBRUSH brush = CreateSolidBrush(ColorToRGB(c));
        FrameRect(dc, &r, brush);
        DeleteObject(brush);
        InflateRect(&r, -1, -1);
    };
    frame(DarkenColor(color, 4));
    frame(LightenColor(color, 10));
    const int borderWidth = (Width() - ClientWidth()) / 2;
    for (int i = 0; i < borderWidth - 2; ++i) frame(color);
}

void TTitleForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_NCHITTEST: {
        TPaintedForm::WndProc(m);
        const TPoint p = ScreenToClient({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
        if (p.Y >= 0 && p.Y < 50 && p.X >= 0 && p.X < ClientWidth()) m.Result = HTCAPTION;
        return;
    }
    case WM_GETMINMAXINFO:
        TPaintedForm::WndProc(m);
        if (TitleBar)
            reinterpret_cast<MINMAXINFO*>(m.LParam)->ptMinTrackSize.y = Height() - ClientHeight() + 25;
        return;
    case WM_NCPAINT:
    case WM_PAINT: {
        TPaintedForm::WndProc(m);
        // A borderless form has no frame of its own: the frame goes over the
        // client's edges once the client has been painted.
        if (m.Msg == WM_PAINT && Width() != ClientWidth()) return;
        HDC dc = GetWindowDC(Handle());
        DrawFrame(dc);
        ReleaseDC(Handle(), dc);
        return;
    }
    default: break;
    }
    TPaintedForm::WndProc(m);
}

void RegisterFormClasses(TClassRegistry& r) {
    using V = const TDefValue&;
    using X = const TLoadContext&;
    r.RegisterProperty<TMForm>(L"Kind", [](TMForm& f, V v, X x) {
        f.SetKind(static_cast<TZarvModuleKind>(x.Enum(v, {{L"mDate", mDate}, {L"mListe", mListe}})));
    });
    r.RegisterProperty<TMForm>(L"XKind", [](TMForm& f, V v, X) { f.SetXKind(v.AsInt()); });
    r.RegisterProperty<TPaintedForm>(L"MustPaint", [](TPaintedForm& f, V v, X) { f.MustPaint = v.AsBool(); });
    RegisterTitleBar(r);
}
