#include "ui/platform/win_control.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/platform/application.h"
#include "ui/platform/forms.h"
#include "ui/platform/sysutils.h"

namespace {

int NextControlId() {
    static int id = 100;
    return ++id;
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

// Only reached without Free (a plain delete): the window and the children
// still go, but no event fires any more.
TWinControl::~TWinControl() {
    MarkDestroying();
    StopDispatching();
    DestroyComponents();
    FreeChildren();
    if (FHandle) DestroyWindow(FHandle);
    if (FBrush) DeleteObject(FBrush);
    if (Application) Application->ControlDestroyed(this);
}

void TWinControl::BeforeDestruction() {
    StopDispatching();
    if (FHandle) DestroyWindow(FHandle);  // the child windows go with it, each unbound
    FreeChildren();
    TControl::BeforeDestruction();
}

void TWinControl::StopDispatching() {
    FDispatching = false;
    for (TControl* child : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(child)) w->StopDispatching();
}

void TWinControl::FreeChildren() {
    while (!FControls.empty()) {
        TControl* child = FControls.back();
        RemoveControl(child);
        child->Free();
    }
}

void TWinControl::HandleWindowMessage(HWND window, TMessage& m) {
    if (!FHandle) FHandle = window;  // the first message, sent during creation
    if (FDispatching)
        WndProc(m);
    else
        DefaultHandler(m);
}

void TWinControl::WindowUnbound(HWND window) {
    if (FHandle == window) FHandle = nullptr;
}

TWinControl* TWinControl::FindControl(HWND window) {
    for (HWND w = window; w; w = GetParent(w))
        if (auto* c = dynamic_cast<TWinControl*>(BoundTarget(w))) return c;
    return nullptr;
}

HWND TWinControl::Handle() {
    if (!FHandle) CreateWnd();
    return FHandle;
}

void TWinControl::CreateParams(TCreateParams& p) {
    p.Caption = TControl::GetText();
    p.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (Visible()) p.Style |= WS_VISIBLE;
    if (!Enabled()) p.Style |= WS_DISABLED;
    if (FTabStop) p.Style |= WS_TABSTOP;
    p.ExStyle = WS_EX_NOPARENTNOTIFY;
    p.X = FLeft;
    p.Y = FTop;
    p.Width = FWidth;
    p.Height = FHeight;
    p.WinClassName = L"Window";
    p.ClassStyle = (FControlStyle & csDoubleClicks) ? CS_DBLCLKS : 0;
}

void TWinControl::AddBorderStyle(TCreateParams& p) const {
    if (FCtl3D)
        p.ExStyle |= WS_EX_CLIENTEDGE;
    else
        p.Style |= WS_BORDER;
}

void TWinControl::SetCtl3D(bool value) {
    if (value == FCtl3D) return;
    FCtl3D = value;
    RecreateWnd();
}

void TWinControl::CreateWnd() {
    TCreateParams p;
    CreateParams(p);
    if (p.Style & WS_CHILD) {
        if (!FParent) throw Exception(L"Controlul \"" + Name() + L"\" nu are fereastra parinte");
        p.WndParent = FParent->Handle();
        if (FHandle) return;  // the parent's creation made this one too
    }
    CreateWindowHandle(p);
    SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
    CreateHandleDone();
    for (TControl* child : std::vector<TControl*>(FControls))
        if (auto* w = dynamic_cast<TWinControl*>(child); w && !w->HandleAllocated()) w->CreateWnd();
    Realign();
}

void TWinControl::CreateWindowHandle(const TCreateParams& p) {
    const TRegisteredClass& cls = RegisterWindowClass({p.WinClassName, p.SysClassName, p.ClassStyle});
    FDefWndProc = cls.DefaultProc;
    const auto id = (p.Style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextControlId())) : nullptr;
    HWND window = CreateBoundWindow(*this, cls, p.ExStyle, p.Caption, p.Style, p.X, p.Y, p.Width, p.Height,
                                    p.WndParent, id);
    FHandle = window;
}

void TWinControl::DestroyHandle() {
    if (!FHandle) return;
    DestroyWnd();
}

void TWinControl::DestroyWnd() {
    SetTextBuf(GetText());
    // Children first, each through its own DestroyWnd, so that controls at
    // every depth keep what their windows held (text, selection, items).
    for (TControl* child : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(child); w && w->HandleAllocated()) w->DestroyHandle();
    if (FHandle) DestroyWindow(FHandle);
    FHandle = nullptr;
}

void TWinControl::RecreateWnd() {
    if (!FHandle) return;
    DestroyHandle();
    CreateWnd();
}

std::wstring TWinControl::GetText() const {
    if (!FHandle) return TControl::GetText();
    const int length = GetWindowTextLengthW(FHandle);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(FHandle, text.data(), length + 1)));
    return text;
}

void TWinControl::SetTextBuf(const std::wstring& text) {
    TControl::SetTextBuf(text);
    if (FHandle) SetWindowTextW(FHandle, text.c_str());
}

void TWinControl::InsertControl(TControl* control) {
    control->FParent = this;
    FControls.push_back(control);
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        FTabList.push_back(w);
        if (FHandle && !IsLoading()) w->HandleNeeded();
    }
    control->RecordAnchorBase();
    control->ParentFontChanged();
    control->ParentColorChanged();
    control->Invalidate();
    if (control->Align() != alNone) Realign();
}

void TWinControl::RemoveControl(TControl* control) {
    if (!ContainsControl(control)) return;
    control->EraseParentArea();
    if (FCaptureControl == control) FCaptureControl = nullptr;
    if (Application) Application->ControlDestroyed(control);
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        if (TCustomForm* form = ParentForm()) form->ControlRemoved(w);
        std::erase(FTabList, w);
        if (w->HandleAllocated() && !w->IsDestroying()) w->DestroyHandle();
    }
    std::erase(FControls, control);
    control->FParent = nullptr;
    if (control->Align() != alNone) Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const {
    return std::find(FControls.begin(), FControls.end(), control) != FControls.end();
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled, bool allowWindowed) const {
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        if (!allowWindowed && c->IsWindowed()) continue;
        if (c->Visible() && (allowDisabled || c->Enabled()) && c->BoundsRect().Contains(p)) return c;
    }
    return nullptr;
}

void TWinControl::SetZOrder(TControl* control, bool top) {
    std::erase(FControls, control);
    if (top)
        FControls.push_back(control);
    else
        FControls.insert(FControls.begin(), control);
    if (auto* w = dynamic_cast<TWinControl*>(control); w && w->HandleAllocated())
        SetWindowPos(w->FHandle, top ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    control->Invalidate();
}

int TWinControl::TabOrder() const {
    if (!FParent) return -1;
    const auto& list = FParent->FTabList;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!FParent) return;
    auto& list = FParent->FTabList;
    std::erase(list, this);
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

// Visible and enabled up to the form; the form itself may still be hidden.
bool TWinControl::CanFocus() const {
    const TCustomForm* form = ParentForm();
    if (!form) return false;
    for (const TControl* c = this; c != form; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

void TWinControl::SetFocus() {
    if (TCustomForm* form = ParentForm(); form && form != this) {
        form->FocusControl(this);
        return;
    }
    ::SetFocus(Handle());
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
    for (TWinControl* w : FTabList) {
        list.push_back(w);
        w->GetTabOrderList(list);
    }
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return;
    auto start = std::find(list.begin(), list.end(), current);
    std::size_t index = start == list.end() ? (forward ? list.size() - 1 : 0)
                                            : static_cast<std::size_t>(start - list.begin());
    for (std::size_t step = 0; step < list.size(); ++step) {
        index = forward ? (index + 1) % list.size() : (index + list.size() - 1) % list.size();
        TWinControl* candidate = list[index];
        if (candidate == current) return;
        if ((!checkTabStop || candidate->FTabStop) && candidate->CanFocus()) {
            candidate->SetFocus();
            return;
        }
    }
}

void TWinControl::Broadcast(TMessage& m) {
    for (TControl* c : std::vector<TControl*>(FControls)) {
        c->WndProc(m);
        if (m.Result != 0) return;
    }
}

bool TWinControl::Showing() const {
    if (!Visible()) return false;
    if (!FParent) return FHandle && IsWindowVisible(FHandle);
    return FParent->Showing();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    Constraints().Apply(width, height);
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
    const bool resized = width != FWidth || height != FHeight;
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    RecordAnchorBase();
    if (FHandle) {
        SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (resized) {
        Realign();
        Resize();
    }
    RequestAlign();
}

TRect TWinControl::ClientRect() const {
    if (!FHandle) return TControl::ClientRect();
    RECT r;
    GetClientRect(FHandle, &r);
    return r;
}

TPoint TWinControl::ClientOrigin() const {
    if (!FHandle) return TControl::ClientOrigin();
    POINT p{0, 0};
    ::ClientToScreen(FHandle, &p);
    return p;
}

void TWinControl::Invalidate() {
    if (FHandle) InvalidateRect(FHandle, nullptr, !(ControlStyle() & csOpaque));
}

void TWinControl::Update() {
    if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::EnableAlign() {
    if (FAlignLevel > 0 && --FAlignLevel == 0) Realign();
}

void TWinControl::Realign() {
    if (FAlignLevel > 0 || FAligning || IsLoading() || IsDestroying()) return;
    FAligning = true;
    TRect rect = ClientRect();
    AdjustClientRect(rect);
    AlignControls(rect);
    FAligning = false;
}

void TWinControl::AlignControls(TRect& rect) {
    const auto place = [&](TAlign align) {
        std::vector<TControl*> list;
        for (TControl* c : FControls)
            if (c->Align() == align && c->Visible()) list.push_back(c);
        std::stable_sort(list.begin(), list.end(), [align](TControl* a, TControl* b) {
            switch (align) {
            case alTop: return a->Top() < b->Top();
            case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
            case alLeft: return a->Left() < b->Left();
            case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
            default: return false;
            }
        });
        for (TControl* c : list) {
            switch (align) {
            case alTop: c->SetBounds(rect.Left, rect.Top, rect.Width(), c->Height()); rect.Top += c->Height(); break;
            case alBottom:
                c->SetBounds(rect.Left, rect.Bottom - c->Height(), rect.Width(), c->Height());
                rect.Bottom -= c->Height();
                break;
            case alLeft: c->SetBounds(rect.Left, rect.Top, c->Width(), rect.Height()); rect.Left += c->Width(); break;
            case alRight:
                c->SetBounds(rect.Right - c->Width(), rect.Top, c->Width(), rect.Height());
                rect.Right -= c->Width();
                break;
            case alClient: c->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height()); break;
            default: break;
            }
        }
    };
    for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient}) place(a);
    AnchorControls();
}

// Controls anchored to the right or bottom edge keep their distance to it.
void TWinControl::AnchorControls() {
    const TRect client = ClientRect();
    for (TControl* c : std::vector<TControl*>(FControls)) {
        if (c->Align() != alNone || !(c->FAnchors & (akRight | akBottom))) continue;
        const int dx = client.Width() - c->FAnchorBase.cx, dy = client.Height() - c->FAnchorBase.cy;
        if (dx == 0 && dy == 0) continue;
        int left = c->Left(), top = c->Top(), width = c->Width(), height = c->Height();
        if (c->FAnchors & akRight) (c->FAnchors & akLeft ? width : left) += dx;
        if (c->FAnchors & akBottom) (c->FAnchors & akTop ? height : top) += dy;
        c->FAnchoring = true;
        c->SetBounds(left, top, width, height);
        c->FAnchoring = false;
        c->FAnchorBase = {client.Width(), client.Height()};
    }
}

void TWinControl::ChangeScale(int multiplier, int divisor) {
    if (multiplier == divisor) return;
    DisableAlign();
    for (TControl* c : std::vector<TControl*>(FControls)) c->ChangeScale(multiplier, divisor);
    TControl::ChangeScale(multiplier, divisor);
    EnableAlign();
}

void TWinControl::FontChanged() {
    if (FHandle) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
    for (TControl* c : std::vector<TControl*>(FControls)) c->Perform(CM_PARENTFONTCHANGED);
    Invalidate();
}

void TWinControl::ColorChanged() {
    for (TControl* c : std::vector<TControl*>(FControls)) c->Perform(CM_PARENTCOLORCHANGED);
    Invalidate();
}

void TWinControl::EnabledChanged() {
    if (FHandle) EnableWindow(FHandle, Enabled());
    Invalidate();
}

void TWinControl::VisibleChanged() {
    if (!FHandle) {
        if (Visible() && FParent && FParent->HandleAllocated()) HandleNeeded();
        return;
    }
    ShowWindow(FHandle, Visible() ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    Realign();
}

// A solid brush of the control's colour, made again only when it changes.
HBRUSH TWinControl::ColorBrush() {
    if (!FBrush || FBrushColor != Color()) {
        if (FBrush) DeleteObject(FBrush);
        FBrush = CreateSolidBrush(ColorToRGB(Color()));
        FBrushColor = Color();
    }
    return FBrush;
}

bool TWinControl::ReflectNotification(TMessage& m) {
    HWND child = nullptr;
    switch (m.Msg) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_HSCROLL:
    case WM_VSCROLL: child = reinterpret_cast<HWND>(m.LParam); break;
    case WM_NOTIFY: child = reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom; break;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
        if (item->CtlType != ODT_MENU) child = item->hwndItem;
        break;
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
        for (TControl* c : FControls)
            if (auto* w = dynamic_cast<TWinControl*>(c); w && w->FHandle && GetDlgCtrlID(w->FHandle) == static_cast<int>(item->CtlID))
                child = w->FHandle;
        break;
    }
    default: return false;
    }
    if (!child || child == FHandle) return false;
    auto* control = dynamic_cast<TWinControl*>(BoundTarget(child));
    if (!control || !control->FDispatching) return false;
    m.Result = control->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
    return true;
}

void TWinControl::WndProc(TMessage& m) {
    if (ReflectNotification(m)) return;
    switch (m.Msg) {
    case WM_PAINT: PaintMessage(m); return;
    case WM_PRINTCLIENT:
        m.Msg = WM_PAINT;
        PaintMessage(m);
        return;
    case WM_PRINT: PrintMessage(m); return;
    case WM_NCPAINT: NonClientPaintMessage(m); return;
    case WM_ERASEBKGND:
        if (FDefWndProc != DefWindowProcW) break;
        if (!DoubleBuffered) EraseBackground(reinterpret_cast<HDC>(m.WParam));
        m.Result = 1;
        return;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP:
        DispatchMouse(m);
        return;
    case WM_SETFOCUS:
        if (TCustomForm* form = ParentForm(); form && form != this) form->SetFocusedControl(this);
        break;
    case WM_SIZE:
    case WM_MOVE: SizeMessage(m); return;
    case WM_SETCURSOR:
        if (SetCursorMessage(m)) return;
        break;
    case CN_KEYDOWN:
    case CN_CHAR: HandleKey(m); return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN: {
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        SetTextColor(dc, ColorToRGB(Font().Color()));
        SetBkColor(dc, ColorToRGB(Color()));
        m.Result = reinterpret_cast<LRESULT>(ColorBrush());
        return;
    }
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR: Broadcast(m); return;
    case CM_ENTER: DoEnter(); return;
    case CM_EXIT: DoExit(); return;
    case CM_FOCUSCHANGED: Broadcast(m); m.Result = 0; return;
    default: break;
    }
    TControl::WndProc(m);
}

void TWinControl::SizeMessage(TMessage& m) {
    RECT r;
    GetWindowRect(FHandle, &r);
    if (HWND parent = GetParent(FHandle); parent && (GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    const bool resized = r.right - r.left != FWidth || r.bottom - r.top != FHeight || m.Msg == WM_SIZE;
    FLeft = r.left;
    FTop = r.top;
    FWidth = r.right - r.left;
    FHeight = r.bottom - r.top;
    DefaultHandler(m);
    if (m.Msg == WM_SIZE && resized) {
        Realign();
        Resize();
    }
}

void TWinControl::DefaultHandler(TMessage& m) {
    if (FHandle && FDefWndProc) m.Result = CallWindowProcW(FDefWndProc, FHandle, m.Msg, m.WParam, m.LParam);
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::Paint() {}

void TCustomControl::PaintWindow(HDC dc) {
    const TCanvasBinding binding(FCanvas, dc, Font());
    FCanvas.Brush().SetColor(Color());
    Paint();
}
