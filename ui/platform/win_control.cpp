#include "ui/platform/win_control.h"

#include <windowsx.h>
#include <commctrl.h>

#include <algorithm>
#include <map>

#include "ui/platform/application.h"
#include "ui/platform/forms.h"
#include "ui/platform/sysutils.h"

LRESULT CALLBACK ControlWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

namespace {

const wchar_t ControlProp[] = L"Zarvanto.Control";
thread_local TWinControl* CreatingControl = nullptr;

struct RegisteredClass {
    std::wstring Name;
    WNDPROC DefaultProc;
};

// Registers (once) the window class a control is created with: a plain
// window, or a superclass of a system class with the control's class style.
const RegisteredClass& EnsureWindowClass(const TCreateParams& p) {
    static std::map<std::wstring, RegisteredClass> classes;
    const std::wstring key = p.WinClassName + L"#" + std::to_wstring(p.ClassStyle);
    if (auto it = classes.find(key); it != classes.end()) return it->second;

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    WNDPROC defaultProc = DefWindowProcW;
    if (!p.SysClassName.empty()) {
        if (!GetClassInfoExW(nullptr, p.SysClassName.c_str(), &wc))
            throw EOSError(L"Clasa de fereastra " + p.SysClassName, GetLastError());
        defaultProc = wc.lpfnWndProc;
        wc.cbSize = sizeof wc;
        wc.style = (wc.style & ~static_cast<UINT>(CS_DBLCLKS | CS_GLOBALCLASS)) | (p.ClassStyle & CS_DBLCLKS);
    } else {
        wc.style = p.ClassStyle;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    }
    const std::wstring name = L"Zarvanto." + p.WinClassName + L"." + std::to_wstring(classes.size());
    wc.lpfnWndProc = ControlWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name.c_str();
    if (!RegisterClassExW(&wc)) throw EOSError(L"Inregistrarea clasei " + name, GetLastError());
    return classes.emplace(key, RegisteredClass{name, defaultProc}).first->second;
}

int NextControlId() {
    static int id = 100;
    return ++id;
}

bool IsDialogKey(WORD key) {
    switch (key) {
    case VK_TAB: case VK_RETURN: case VK_ESCAPE: case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
    case VK_EXECUTE: case VK_CANCEL: return true;
    default: return false;
    }
}

}  // namespace

LRESULT CALLBACK ControlWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* control = static_cast<TWinControl*>(GetPropW(window, ControlProp));
    if (!control) {
        control = CreatingControl;
        if (!control) return DefWindowProcW(window, msg, wParam, lParam);
        CreatingControl = nullptr;
        control->Attach(window);
    }
    TMessage m{msg, wParam, lParam, 0};
    try {
        control->WndProc(m);
    } catch (const std::exception& e) {
        Application->HandleException(e);
    }
    if (msg == WM_NCDESTROY) control->Detach();
    return m.Result;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    MarkDestroying();
    DestroyComponents();
    while (!FControls.empty()) {
        TControl* child = FControls.back();
        RemoveControl(child);
        delete child;
    }
    DestroyHandle();
    if (FBrush) DeleteObject(FBrush);
    if (Application) Application->ControlDestroyed(this);
}

void TWinControl::Attach(HWND window) {
    FHandle = window;
    SetPropW(window, ControlProp, this);
}

void TWinControl::Detach() {
    if (!FHandle) return;
    RemovePropW(FHandle, ControlProp);
    FHandle = nullptr;
}

TWinControl* TWinControl::FindControl(HWND window) {
    for (HWND w = window; w; w = GetParent(w))
        if (auto* c = static_cast<TWinControl*>(GetPropW(w, ControlProp))) return c;
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
    const RegisteredClass& cls = EnsureWindowClass(p);
    FDefWndProc = cls.DefaultProc;
    const auto id = (p.Style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextControlId())) : nullptr;
    CreatingControl = this;
    HWND window = CreateWindowExW(p.ExStyle, cls.Name.c_str(), p.Caption.c_str(), p.Style, p.X, p.Y, p.Width,
                                  p.Height, p.WndParent, id, GetModuleHandleW(nullptr), nullptr);
    CreatingControl = nullptr;
    if (!window) throw EOSError(L"Crearea ferestrei \"" + Name() + L"\"", GetLastError());
    if (!FHandle) Attach(window);
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
    HWND window = FHandle;
    DestroyWindow(window);
    Detach();
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

void TWinControl::EraseBackground(HDC dc) {
    const RECT r = ClientRect();
    FillRect(dc, &r, ColorBrush());
}

void TWinControl::PaintWindow(HDC dc) {
    TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(m);
}

void TWinControl::PaintControls(HDC dc) {
    for (TControl* c : std::vector<TControl*>(FControls)) {
        if (c->IsWindowed() || !c->Visible()) continue;
        RECT clip;
        const RECT bounds = c->BoundsRect();
        if (GetClipBox(dc, &clip) != NULLREGION && !IntersectRect(&clip, &clip, &bounds)) continue;
        c->PaintTo(dc, c->Left(), c->Top());
    }
}

void TWinControl::PaintHandler(HDC dc) {
    PaintWindow(dc);
    PaintControls(dc);
}

void TWinControl::PaintMessage(TMessage& m) {
    const bool ownClass = FDefWndProc == DefWindowProcW;
    bool hasGraphic = false;
    for (TControl* c : FControls) hasGraphic |= !c->IsWindowed();
    if (!ownClass && !DoubleBuffered && !hasGraphic && !m.WParam) {
        DefaultHandler(m);
        return;
    }
    PAINTSTRUCT ps{};
    HDC dc = m.WParam ? reinterpret_cast<HDC>(m.WParam) : BeginPaint(FHandle, &ps);
    if (DoubleBuffered && !m.WParam) {
        const RECT r = ClientRect();
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, std::max<LONG>(r.right, 1), std::max<LONG>(r.bottom, 1));
        HGDIOBJ old = SelectObject(memory, bitmap);
        if (ownClass) EraseBackground(memory);
        PaintHandler(memory);
        BitBlt(dc, 0, 0, r.right, r.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
    } else {
        if (m.WParam && ownClass) EraseBackground(dc);
        PaintHandler(dc);
    }
    if (!m.WParam) EndPaint(FHandle, &ps);
}

namespace {

// A memory surface of the given size compatible with `dc`, origin at 0, 0.
class TOffscreen {
public:
    TOffscreen(HDC dc, int width, int height)
        : FDC(CreateCompatibleDC(dc)), FBitmap(CreateCompatibleBitmap(dc, std::max(width, 1), std::max(height, 1))),
          FOld(SelectObject(FDC, FBitmap)) {}
    ~TOffscreen() {
        SelectObject(FDC, FOld);
        DeleteObject(FBitmap);
        DeleteDC(FDC);
    }
    TOffscreen(const TOffscreen&) = delete;
    TOffscreen& operator=(const TOffscreen&) = delete;
    HDC DC() const { return FDC; }

private:
    HDC FDC;
    HBITMAP FBitmap;
    HGDIOBJ FOld;
};

}  // namespace

// The frame of a window with a border: the sunken client edge, or a plain
// line for a thin border.
void TWinControl::PaintBorder(HDC dc, int width, int height) {
    RECT r{0, 0, width, height};
    const LONG_PTR exStyle = GetWindowLongPtrW(FHandle, GWL_EXSTYLE);
    if (exStyle & WS_EX_CLIENTEDGE) {
        DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
        return;
    }
    if (GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_BORDER) FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

// System controls clip their painting to their client rectangle in device
// coordinates, so each window is painted on a surface of its own whose
// origin is its client origin, and then copied into place.
void TWinControl::PaintTo(HDC dc, int x, int y) {
    HandleNeeded();
    RECT window, client;
    GetWindowRect(FHandle, &window);
    GetClientRect(FHandle, &client);
    POINT origin{0, 0};
    ::ClientToScreen(FHandle, &origin);
    const int width = window.right - window.left, height = window.bottom - window.top;
    const int ox = origin.x - window.left, oy = origin.y - window.top;
    TOffscreen whole(dc, width, height);
    BitBlt(whole.DC(), 0, 0, width, height, dc, x, y, SRCCOPY);  // what the control leaves unpainted
    if (ox != 0 || oy != 0 || client.right != width || client.bottom != height) PaintBorder(whole.DC(), width, height);
    {
        TOffscreen inside(dc, client.right, client.bottom);
        BitBlt(inside.DC(), 0, 0, client.right, client.bottom, whole.DC(), ox, oy, SRCCOPY);
        TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(inside.DC()), 0, 0};
        PaintMessage(m);
        for (TControl* c : std::vector<TControl*>(FControls))
            if (c->IsWindowed() && c->Visible()) c->PaintTo(inside.DC(), c->Left(), c->Top());
        BitBlt(whole.DC(), ox, oy, client.right, client.bottom, inside.DC(), 0, 0, SRCCOPY);
    }
    BitBlt(dc, x, y, width, height, whole.DC(), 0, 0, SRCCOPY);
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
    auto* control = static_cast<TWinControl*>(GetPropW(child, ControlProp));
    if (!control) return false;
    m.Result = control->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
    return true;
}

void TWinControl::TrackMouse(TControl* over) {
    if (Application->MouseControl() != over) Application->SetMouseControl(over);
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, FHandle, 0};
    TrackMouseEvent(&track);
}

void TWinControl::DispatchMouse(TMessage& m) {
    const TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    TControl* target = FCaptureControl ? FCaptureControl : ControlAtPos(p);
    if (m.Msg == WM_MOUSEMOVE) TrackMouse(target ? target : this);
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

void TWinControl::WndProc(TMessage& m) {
    if (ReflectNotification(m)) return;
    switch (m.Msg) {
    case WM_PAINT: PaintMessage(m); return;
    case WM_PRINTCLIENT:
        m.Msg = WM_PAINT;
        PaintMessage(m);
        return;
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
    case WM_MOUSELEAVE:
        if (Application->MouseControl() == this || (Application->MouseControl() && Application->MouseControl()->Parent() == this)) {
            POINT p;
            GetCursorPos(&p);
            if (WindowFromPoint(p) != FHandle) Application->SetMouseControl(nullptr);
        }
        break;
    case WM_SETFOCUS:
        if (TCustomForm* form = ParentForm(); form && form != this) form->SetFocusedControl(this);
        break;
    case WM_SIZE:
    case WM_MOVE: {
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
        return;
    }
    case WM_SETCURSOR:
        if (LOWORD(m.LParam) == HTCLIENT && reinterpret_cast<HWND>(m.WParam) == FHandle) {
            POINT p;
            GetCursorPos(&p);
            const TPoint local = ScreenToClient(p);
            TControl* over = ControlAtPos(local);
            HCURSOR cursor = CursorHandle(Screen->Cursor());
            if (!cursor) cursor = CursorHandle(over && over->Cursor != crDefault ? over->Cursor : Cursor);
            if (cursor) {
                SetCursor(cursor);
                m.Result = TRUE;
                return;
            }
        }
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
