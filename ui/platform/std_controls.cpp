#include "ui/platform/std_controls.h"

#include <cwctype>

#include "ui/platform/application.h"
#include "ui/platform/form_definition.h"
#include "ui/platform/forms.h"
#include "ui/platform/platform_classes.h"

bool IsAccel(wchar_t key, std::wstring_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] == L'&') {
            ++i;
            continue;
        }
        return std::towupper(caption[i + 1]) == std::towupper(key);
    }
    return false;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
    FControlStyle |= csOpaque;
}

void TLabel::SetAlignment(TAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout value) {
    if (value == FLayout) return;
    FLayout = value;
    Invalidate();
}

void TLabel::SetAutoSize(bool value) {
    FAutoSize = value;
    AdjustBounds();
}

void TLabel::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    if (value)
        FControlStyle &= ~static_cast<unsigned>(csOpaque);
    else
        FControlStyle |= csOpaque;
    Invalidate();
}

void TLabel::SetWordWrap(bool value) {
    if (value == FWordWrap) return;
    FWordWrap = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
    if (value == FShowAccelChar) return;
    FShowAccelChar = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetFocusControl(TWinControl* control) {
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = control;
    if (control) control->FreeNotification(this);
}

void TLabel::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FFocusControl) FFocusControl = nullptr;
}

UINT TLabel::TextFlags() const {
    UINT flags = DT_EXPANDTABS;
    if (FWordWrap) flags |= DT_WORDBREAK;
    if (!FShowAccelChar) flags |= DT_NOPREFIX;
    if (FAlignment == taRightJustify) flags |= DT_RIGHT;
    if (FAlignment == taCenter) flags |= DT_CENTER;
    return flags;
}

void TLabel::DoDrawText(TRect& rect, UINT flags) {
    std::wstring text = Caption();
    if ((flags & DT_CALCRECT) && (text.empty() || (FShowAccelChar && text.back() == L'&'))) text += L' ';
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    if (Enabled() || (flags & DT_CALCRECT)) {
        canvas.DrawText(text, rect, flags);
        return;
    }
    TRect shifted = rect.Offset(1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(text, shifted, flags);
    canvas.Font().SetColor(clBtnShadow);
    canvas.DrawText(text, rect, flags);
}

void TLabel::Paint() {
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    if (!FTransparent) {
        canvas.Brush().SetColor(Color());
        canvas.Brush().SetStyle(bsSolid);
        canvas.FillRect(client);
    }
    canvas.Brush().SetStyle(bsClear);
    TRect rect = client;
    if (FLayout != tlTop) {
        TRect measure = client;
        DoDrawText(measure, TextFlags() | DT_CALCRECT);
        const int offset = client.Height() - measure.Height();
        rect.Top += FLayout == tlCenter ? offset / 2 : offset;
    }
    DoDrawText(rect, TextFlags());
}

void TLabel::AdjustBounds() {
    if (!FAutoSize || IsLoading()) return;
    HDC screen = GetDC(nullptr);
    Canvas().SetHandle(screen);
    TRect rect{0, 0, FWordWrap ? Width() : 0, 0};
    DoDrawText(rect, TextFlags() | DT_CALCRECT);
    Canvas().SetHandle(nullptr);
    ReleaseDC(nullptr, screen);
    int left = Left();
    if (FAlignment == taRightJustify) left += Width() - rect.Width();
    SetBounds(left, Top(), rect.Width(), rect.Height());
}

void TLabel::TextChanged() {
    Invalidate();
    AdjustBounds();
}

void TLabel::FontChanged() {
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::WndProc(TMessage& m) {
    if (m.Msg == CM_DIALOGCHAR) {
        if (FFocusControl && Enabled() && FShowAccelChar && IsAccel(static_cast<wchar_t>(m.WParam), Caption()) &&
            FFocusControl->CanFocus()) {
            FFocusControl->SetFocus();
            m.Result = 1;
        }
        return;
    }
    TGraphicControl::WndProc(m);
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    FControlStyle &= ~static_cast<unsigned>(csClickEvents | csCaptureMouse);
}

void TButtonControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = L"BUTTON";
    p.WinClassName = L"Button";
}

void TButtonControl::WndProc(TMessage& m) {
    if (m.Msg == WM_ERASEBKGND) {
        DefaultHandler(m);
        return;
    }
    TWinControl::WndProc(m);
}

TOwnerDrawButton::TOwnerDrawButton(TComponent* owner) : TButtonControl(owner) {}

void TOwnerDrawButton::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.Style |= BS_OWNERDRAW;
}

void TOwnerDrawButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == BN_CLICKED) ButtonClicked();
        if (HIWORD(m.WParam) == BN_DOUBLECLICKED) ButtonDoubleClicked();
        return;
    case CN_DRAWITEM:
        DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
        m.Result = TRUE;
        return;
    case CN_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
        item->itemWidth = static_cast<UINT>(Width());
        item->itemHeight = static_cast<UINT>(Height());
        m.Result = TRUE;
        return;
    }
    default: break;
    }
    TButtonControl::WndProc(m);
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 75, 25);
    SetColor(clBtnFace);
}

void TButton::SetDefault(bool value) {
    FDefault = value;
    if (TCustomForm* form = ParentForm(); form && HandleAllocated()) {
        TWinControl* focused = form->ActiveControl();
        SetButtonStyle(focused == this || (value && !dynamic_cast<TButton*>(focused)));
    }
}

void TButton::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.Style |= FActive ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetButtonStyle(bool isDefault) {
    if (isDefault == FActive) return;
    FActive = isDefault;
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
    if (TCustomForm* form = ParentForm()) form->ModalResult = ModalResult;
    TButtonControl::Click();
}

void TButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == BN_CLICKED) Click();
        return;
    case CM_DIALOGKEY: {
        const WORD key = static_cast<WORD>(m.WParam);
        const bool unshifted = KeyDataToShiftState(m.LParam) == TShiftState();
        if (unshifted && ((key == VK_RETURN && FActive) || (key == VK_ESCAPE && Cancel)) && CanFocus()) {
            Click();
            m.Result = 1;
        }
        return;
    }
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<wchar_t>(m.WParam), Caption()) && CanFocus()) {
            Click();
            m.Result = 1;
        }
        return;
    case CM_FOCUSCHANGED: {
        auto* focused = reinterpret_cast<TWinControl*>(m.LParam);
        SetButtonStyle(focused == this || (FDefault && !dynamic_cast<TButton*>(focused)));
        return;
    }
    default: break;
    }
    TButtonControl::WndProc(m);
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 185, 105);
    FControlStyle |= csAcceptsControls;
    SetParentColor(true);
}

void TCustomGroupBox::AdjustClientRect(TRect& rect) const {
    const int textHeight = std::abs(Font().Height()) + 4;
    rect = {rect.Left + 2, rect.Top + textHeight, rect.Right - 2, rect.Bottom - 2};
}

void TCustomGroupBox::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
    const int textHeight = canvas.TextHeight(L"0");
    RECT frame{0, textHeight / 2, Width(), Height()};
    DrawEdge(canvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
    if (Caption().empty()) return;
    TRect text{8, 0, 0, textHeight};
    canvas.DrawText(Caption(), text, DT_CALCRECT | DT_SINGLELINE);
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(text.Inflate(1, 0));
    canvas.Brush().SetStyle(bsClear);
    canvas.DrawText(Caption(), text, DT_SINGLELINE);
}

namespace {

void RegisterLabelAndButtons(TClassRegistry& r) {
    using V = const TDefValue&;
    using X = const TLoadContext&;
    r.RegisterClass<TLabel>(L"TLabel");
    r.RegisterProperty<TLabel>(L"Alignment", [](TLabel& c, V v, X x) { c.SetAlignment(DefAlignment(v, x)); });
    r.RegisterProperty<TLabel>(L"Layout", [](TLabel& c, V v, X x) {
        c.SetLayout(static_cast<TTextLayout>(x.Enum(v, {{L"tlTop", tlTop}, {L"tlCenter", tlCenter}, {L"tlBottom", tlBottom}})));
    });
    r.RegisterProperty<TLabel>(L"AutoSize", [](TLabel& c, V v, X) { c.SetAutoSize(v.AsBool()); });
    r.RegisterProperty<TLabel>(L"Transparent", [](TLabel& c, V v, X) { c.SetTransparent(v.AsBool()); });
    r.RegisterProperty<TLabel>(L"WordWrap", [](TLabel& c, V v, X) { c.SetWordWrap(v.AsBool()); });
    r.RegisterProperty<TLabel>(L"ShowAccelChar", [](TLabel& c, V v, X) { c.SetShowAccelChar(v.AsBool()); });
    r.RegisterProperty<TLabel>(L"FocusControl", [](TLabel& c, V v, X x) {
        auto* target = dynamic_cast<TWinControl*>(x.Form.FindComponent(v.AsIdent()));
        if (!target) x.Fail(v.Line, L"controlul \"" + v.AsIdent() + L"\" nu exista (trebuie definit inainte)");
        c.SetFocusControl(target);
    });
    r.RegisterClass<TButton>(L"TButton");
    r.RegisterProperty<TButton>(L"ModalResult", [](TButton& c, V v, X x) { c.ModalResult = DefModalResult(v, x); });
    r.RegisterProperty<TButton>(L"Default", [](TButton& c, V v, X) { c.SetDefault(v.AsBool()); });
    r.RegisterProperty<TButton>(L"Cancel", [](TButton& c, V v, X) { c.Cancel = v.AsBool(); });
    r.RegisterClass<TGroupBox>(L"TGroupBox");
}

}  // namespace

void RegisterStandardControlClasses(TClassRegistry& registry) {
    RegisterLabelAndButtons(registry);
    RegisterEditControls(registry);
    RegisterExtControls(registry);
    RegisterPageControl(registry);
    RegisterFileControls(registry);
}
