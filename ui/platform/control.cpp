#include "ui/platform/control.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/platform/forms.h"
#include "ui/platform/sysutils.h"
#include "ui/platform/win_control.h"

TShiftState KeyboardShiftState() {
    unsigned bits = 0;
    if (GetKeyState(VK_SHIFT) < 0) bits |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) bits |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) bits |= ssAlt;
    if (GetKeyState(VK_LBUTTON) < 0) bits |= ssLeft;
    if (GetKeyState(VK_RBUTTON) < 0) bits |= ssRight;
    if (GetKeyState(VK_MBUTTON) < 0) bits |= ssMiddle;
    return bits;
}

TShiftState MouseShiftState(WPARAM keys) {
    unsigned bits = 0;
    if (keys & MK_SHIFT) bits |= ssShift;
    if (keys & MK_CONTROL) bits |= ssCtrl;
    if (keys & MK_LBUTTON) bits |= ssLeft;
    if (keys & MK_RBUTTON) bits |= ssRight;
    if (keys & MK_MBUTTON) bits |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) bits |= ssAlt;
    return bits;
}

TShiftState KeyDataToShiftState(LPARAM keyData) {
    unsigned bits = 0;
    if (GetKeyState(VK_SHIFT) < 0) bits |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) bits |= ssCtrl;
    if (keyData & (1 << 29)) bits |= ssAlt;
    return bits;
}

HCURSOR CursorHandle(TCursor cursor) {
    switch (cursor) {
    case crArrow: return LoadCursorW(nullptr, IDC_ARROW);
    case crCross: return LoadCursorW(nullptr, IDC_CROSS);
    case crIBeam: return LoadCursorW(nullptr, IDC_IBEAM);
    case crSizeAll: return LoadCursorW(nullptr, IDC_SIZEALL);
    case crHourGlass: return LoadCursorW(nullptr, IDC_WAIT);
    case crNo: return LoadCursorW(nullptr, IDC_NO);
    case crHandPoint: return LoadCursorW(nullptr, IDC_HAND);
    default: return nullptr;
    }
}

void TSizeConstraints::Apply(int& width, int& height) const {
    if (MaxWidth > 0 && width > MaxWidth) width = MaxWidth;
    if (MinWidth > 0 && width < MinWidth) width = MinWidth;
    if (MaxHeight > 0 && height > MaxHeight) height = MaxHeight;
    if (MinHeight > 0 && height < MinHeight) height = MinHeight;
}

TControl::TControl(TComponent* owner) : TComponent(owner), FFont(std::make_unique<TFont>()) {
    FFont->OnChange = [this] {
        if (!FChangingFontFromParent) FParentFont = false;
        FontChanged();
    };
}

TControl::~TControl() {
    MarkDestroying();
    if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent) return;
    if (parent == this) throw Exception(L"Un control nu poate fi propriul parinte");
    if (FParent) FParent->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

TCustomForm* TControl::ParentForm() const {
    const TControl* c = this;
    while (c->FParent) c = c->FParent;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

void TControl::SetBounds(int left, int top, int width, int height) {
    FConstraints.Apply(width, height);
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
    const bool resized = width != FWidth || height != FHeight;
    Invalidate();
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    Invalidate();
    RecordAnchorBase();
    RequestAlign();
    if (resized && !IsWindowed()) Resize();
}

void TControl::SetAnchors(unsigned anchors) {
    FAnchors = anchors;
    RecordAnchorBase();
}

void TControl::RecordAnchorBase() {
    if (FAnchoring || !FParent) return;
    const TRect client = FParent->ClientRect();
    FAnchorBase = {client.Width(), client.Height()};
}

void TControl::SetClientWidth(int v) { SetWidth(v + FWidth - ClientWidth()); }
void TControl::SetClientHeight(int v) { SetHeight(v + FHeight - ClientHeight()); }

TPoint TControl::ClientOrigin() const {
    if (!FParent) return {FLeft, FTop};
    const TPoint p = FParent->ClientOrigin();
    return {p.X + FLeft, p.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint p) const {
    const TPoint o = ClientOrigin();
    return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
    const TPoint o = ClientOrigin();
    return {p.X - o.X, p.Y - o.Y};
}

void TControl::SetAlign(TAlign align) {
    if (align == FAlign) return;
    FAlign = align;
    RequestAlign();
}

void TControl::RequestAlign() {
    if (FParent && (FAlign != alNone || FParent->FAligning)) FParent->Realign();
}

bool TControl::Showing() const { return FVisible && FParent && FParent->Showing(); }

void TControl::SetVisible(bool visible) {
    if (visible == FVisible) return;
    if (!visible) EraseParentArea();
    FVisible = visible;
    VisibleChanged();
    if (visible) Invalidate();
    if (FAlign != alNone) RequestAlign();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == FEnabled) return;
    FEnabled = enabled;
    EnabledChanged();
}

void TControl::SetColor(TColor color) {
    if (color == FColor) return;
    FColor = color;
    FParentColor = false;
    ColorChanged();
}

void TControl::SetParentColor(bool value) {
    FParentColor = value;
    if (value && FParent) ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (!FParentColor || !FParent) return;
    FColor = FParent->Color();
    ColorChanged();
    FParentColor = true;
}

void TControl::SetParentFont(bool value) {
    FParentFont = value;
    if (value && FParent) ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!FParentFont || !FParent) return;
    FChangingFontFromParent = true;
    FFont->Assign(FParent->Font());
    FChangingFontFromParent = false;
}

void TControl::SetText(const std::wstring& text) {
    if (text == GetText()) return;
    SetTextBuf(text);
    TextChanged();
}

void TControl::Invalidate() {
    if (FParent && FParent->HandleAllocated() && FVisible) {
        const RECT r = BoundsRect();
        InvalidateRect(FParent->Handle(), &r, !(FControlStyle & csOpaque));
    }
}

// The parent repaints, background included, where the control lies; needed
// when an opaque windowless control goes away.
void TControl::EraseParentArea() {
    if (FParent && FParent->HandleAllocated()) {
        const RECT r = BoundsRect();
        InvalidateRect(FParent->Handle(), &r, TRUE);
    }
}

void TControl::Update() {
    if (FParent) FParent->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::BringToFront() {
    if (FParent) FParent->SetZOrder(this, true);
}

void TControl::SendToBack() {
    if (FParent) FParent->SetZOrder(this, false);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    WndProc(m);
    return m.Result;
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::HandleMouseButton(TMessage& m, TMouseButton button, bool down, bool dbl) {
    const int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
    TShiftState shift = MouseShiftState(m.WParam);
    if (down && dbl && !(FControlStyle & csDoubleClicks)) {
        m.Msg = button == mbLeft ? WM_LBUTTONDOWN : button == mbRight ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
        dbl = false;
    }
    DefaultHandler(m);
    auto* self = static_cast<TWinControl*>(IsWindowed() ? this : nullptr);
    if (down) {
        if (button == mbLeft) {
            if ((FControlStyle & csCaptureMouse) && self) SetCapture(self->Handle());
            FControlState |= csLButtonDown;
            if (FControlStyle & csClickEvents) FControlState |= csClicked;
        }
        if (dbl) {
            shift.Bits |= ssDouble;
            DblClick();
        }
        MouseDown(button, shift, x, y);
        return;
    }
    if (button == mbLeft) {
        if (self && GetCapture() == self->Handle()) ReleaseCapture();
        const bool clicked = (FControlState & csClicked) != 0;
        FControlState &= ~static_cast<unsigned>(csLButtonDown | csClicked);
        if (clicked && ClientRect().Contains({x, y})) Click();
    }
    MouseUp(button, shift, x, y);
}

void TControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_LBUTTONDOWN: HandleMouseButton(m, mbLeft, true, false); return;
    case WM_LBUTTONDBLCLK: HandleMouseButton(m, mbLeft, true, true); return;
    case WM_RBUTTONDOWN: HandleMouseButton(m, mbRight, true, false); return;
    case WM_RBUTTONDBLCLK: HandleMouseButton(m, mbRight, true, true); return;
    case WM_MBUTTONDOWN: HandleMouseButton(m, mbMiddle, true, false); return;
    case WM_LBUTTONUP: HandleMouseButton(m, mbLeft, false, false); return;
    case WM_RBUTTONUP: HandleMouseButton(m, mbRight, false, false); return;
    case WM_MBUTTONUP: HandleMouseButton(m, mbMiddle, false, false); return;
    case WM_MOUSEMOVE:
        DefaultHandler(m);
        MouseMove(MouseShiftState(m.WParam), GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
        return;
    case WM_CANCELMODE:
        FControlState &= ~static_cast<unsigned>(csLButtonDown | csClicked);
        DefaultHandler(m);
        return;
    case CM_MOUSEENTER:
        FMouseInControl = true;
        MouseEnter();
        return;
    case CM_MOUSELEAVE:
        FMouseInControl = false;
        MouseLeave();
        return;
    case CM_PARENTFONTCHANGED: ParentFontChanged(); return;
    case CM_PARENTCOLORCHANGED: ParentColorChanged(); return;
    default: DefaultHandler(m);
    }
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::Resize() {
    if (OnResize) OnResize(this);
}

void TControl::FontChanged() { Invalidate(); }
void TControl::ColorChanged() { Invalidate(); }
void TControl::EnabledChanged() { Invalidate(); }
void TControl::TextChanged() { Invalidate(); }
void TControl::VisibleChanged() {}

void TControl::Loaded() {
    TComponent::Loaded();
    if (FParentColor) ParentColorChanged();
    if (FParentFont) ParentFontChanged();
}

void TControl::ChangeScale(int multiplier, int divisor) {
    if (multiplier == divisor) return;
    const auto scale = [&](int v) { return MulDiv(v, multiplier, divisor); };
    const int left = scale(FLeft), top = scale(FTop);
    SetBounds(left, top, scale(FLeft + FWidth) - left, scale(FTop + FHeight) - top);
    if (!FParentFont) FFont->SetHeight(scale(FFont->Height()));
}

void TControl::PaintTo(HDC, int, int) {}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WndProc(TMessage& m) {
    if (m.Msg == WM_PAINT && m.WParam) {
        const TCanvasBinding binding(FCanvas, reinterpret_cast<HDC>(m.WParam), Font());
        Paint();
        return;
    }
    TControl::WndProc(m);
}

void TGraphicControl::PaintTo(HDC dc, int x, int y) {
    const int saved = SaveDC(dc);
    POINT old;
    OffsetViewportOrgEx(dc, x, y, &old);
    IntersectClipRect(dc, 0, 0, FWidth, FHeight);
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
}
