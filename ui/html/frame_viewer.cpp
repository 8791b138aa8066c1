#include "ui/html/frame_viewer.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/html/frame_paint.h"
#include "ui/platform/sysutils.h"

namespace {

// Posted to the viewer after a link replaced frames: their windows go in a
// message of their own, never inside one of their own handlers.
constexpr UINT CM_HTMLREBUILD = WM_APP + 0x3101;
constexpr int WheelLines = 3;

// Opens the clipboard for one copy and closes it however the copy ends.
class TClipboard {
public:
    explicit TClipboard(HWND owner) : FOpen(OpenClipboard(owner) != FALSE) {}
    ~TClipboard() {
        if (FOpen) CloseClipboard();
    }
    TClipboard(const TClipboard&) = delete;
    TClipboard& operator=(const TClipboard&) = delete;
    bool Open() const { return FOpen; }

private:
    bool FOpen;
};

bool PutUnicodeText(HWND owner, const std::wstring& text) {
    const TClipboard clipboard(owner);
    if (!clipboard.Open() || !EmptyClipboard()) return false;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (!memory) return false;
    if (void* data = GlobalLock(memory)) {
        std::copy(text.c_str(), text.c_str() + text.size() + 1, static_cast<wchar_t*>(data));
        GlobalUnlock(memory);
    }
    if (!SetClipboardData(CF_UNICODETEXT, memory)) {
        GlobalFree(memory);
        return false;
    }
    return true;  // the clipboard owns the memory now
}

bool IsTextField(const THtmlFormControl& c) {
    return c.Kind == TControlKind::Text || c.Kind == TControlKind::Password || c.Kind == TControlKind::TextArea;
}

}  // namespace

// ------------------------------------------------------------------ frame view

THtmlFrameView::THtmlFrameView(TFrameViewer& viewer, THtmlFrame& frame)
    : TCustomControl(&viewer), FViewer(viewer), FFrame(&frame) {
    SetTabStop(true);
    DoubleBuffered = true;
    SetControlStyle(ControlStyle() | csOpaque);
}

void THtmlFrameView::Detach() {
    FFrame = nullptr;
    FSelecting = false;
    Hide();
}

void THtmlFrameView::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    if (!FFrame || FFrame->Scrolling != TScrolling::No) p.Style |= WS_VSCROLL | WS_HSCROLL;
}

void THtmlFrameView::CreateHandleDone() { Relayout(); }

void THtmlFrameView::Resize() {
    TCustomControl::Resize();
    if (!FFitting) Relayout();
}

void THtmlFrameView::Relayout() {
    if (!FFrame || !FFrame->Page) return;
    FFitting = true;
    // Showing or hiding a scroll bar changes the width the page has, so
    // the layout is made again until the width stays.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int width = std::max(ClientWidth(), 1);
        const THtmlLayout& layout = FFrame->Page->Layout(FViewer.HtmlCanvas(), width);
        if (!FFrame->PendingFragment.empty()) {
            const int top = layout.AnchorTop(FFrame->PendingFragment);
            if (top >= 0) FFrame->Scroll.Y = top;
            FFrame->PendingFragment.clear();
        }
        UpdateScrollBars();
        if (std::max(ClientWidth(), 1) == width) break;
    }
    FFitting = false;
    Invalidate();
}

void THtmlFrameView::UpdateScrollBars() {
    const THtmlLayout* layout = FFrame && FFrame->Page ? FFrame->Page->CurrentLayout() : nullptr;
    const int contentHeight = layout ? layout->Height : 0, contentWidth = layout ? layout->Width : 0;
    const int maxY = std::max(contentHeight - ClientHeight(), 0), maxX = std::max(contentWidth - ClientWidth(), 0);
    FFrame->Scroll = {std::clamp(FFrame->Scroll.X, 0, maxX), std::clamp(FFrame->Scroll.Y, 0, maxY)};
    if (!HandleAllocated() || FFrame->Scrolling == TScrolling::No) return;
    const UINT always = FFrame->Scrolling == TScrolling::Yes ? SIF_DISABLENOSCROLL : 0;
    SCROLLINFO v{sizeof v, SIF_RANGE | SIF_PAGE | SIF_POS | always, 0, std::max(contentHeight - 1, 0),
                 static_cast<UINT>(std::max(ClientHeight(), 0)), FFrame->Scroll.Y, 0};
    SetScrollInfo(Handle(), SB_VERT, &v, TRUE);
    SCROLLINFO h{sizeof h, SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(contentWidth - 1, 0),
                 static_cast<UINT>(std::max(ClientWidth(), 0)), FFrame->Scroll.X, 0};
    SetScrollInfo(Handle(), SB_HORZ, &h, TRUE);
}

void THtmlFrameView::ScrollTo(int x, int y) {
    if (!FFrame) return;
    const TPoint before = FFrame->Scroll;
    FFrame->Scroll = {x, y};
    UpdateScrollBars();
    if (FFrame->Scroll != before) Invalidate();
}

int THtmlFrameView::LineStep() const { return 20; }

void THtmlFrameView::Scroll(int bar, WORD request) {
    const bool vertical = bar == SB_VERT;
    const int page = std::max((vertical ? ClientHeight() : ClientWidth()) - LineStep(), LineStep());
    int pos = vertical ? FFrame->Scroll.Y : FFrame->Scroll.X;
    switch (request) {
    case SB_LINEUP: pos -= LineStep(); break;
    case SB_LINEDOWN: pos += LineStep(); break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_TOP: pos = 0; break;
    case SB_BOTTOM: pos = 1 << 30; break;
    case SB_THUMBTRACK: case SB_THUMBPOSITION: {
        SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(Handle(), bar, &info);
        pos = info.nTrackPos;
        break;
    }
    default: return;
    }
    if (vertical) ScrollTo(FFrame->Scroll.X, pos);
    else ScrollTo(pos, FFrame->Scroll.Y);
}

void THtmlFrameView::Paint() {
    HDC dc = Canvas().Handle();
    if (!FFrame || !FFrame->Page) {
        const RECT r = ClientRect();
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return;
    }
    if (!FFrame->Page->CurrentLayout()) FFrame->Page->Layout(FViewer.HtmlCanvas(), std::max(ClientWidth(), 1));
    PaintFrameContent(*FFrame, FViewer.HtmlCanvas(), dc, {0, 0}, {ClientWidth(), ClientHeight()}, FFocusedControl);
    if (!FViewer.NoFocusRect && Focused()) {
        const RECT r = ClientRect();
        DrawFocusRect(dc, &r);
    }
}

void THtmlFrameView::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_VSCROLL: case WM_HSCROLL:
        if (FFrame && m.LParam == 0) {
            Scroll(m.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(m.WParam));
            m.Result = 0;
            return;
        }
        break;
    case WM_MOUSEWHEEL:
        if (FFrame) {
            const int notches = GET_WHEEL_DELTA_WPARAM(m.WParam) / WHEEL_DELTA;
            ScrollTo(FFrame->Scroll.X, FFrame->Scroll.Y - notches * WheelLines * LineStep());
            m.Result = 0;
            return;
        }
        break;
    case WM_GETDLGCODE: m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return;
    case WM_SETFOCUS: case WM_KILLFOCUS:
        if (!FViewer.NoFocusRect) Invalidate();
        break;
    default: break;
    }
    TCustomControl::WndProc(m);
}

void THtmlFrameView::CopyToClipboard() {
    if (!FFrame || !FFrame->Page) return;
    const std::wstring text = FFrame->Page->SelectedText();
    if (!text.empty()) PutUnicodeText(Handle(), text);
}

void THtmlFrameView::SelectAll() {
    if (!FFrame || !FFrame->Page || !FFrame->Page->CurrentLayout() || FViewer.NoSelect) return;
    FFrame->Page->Selection = {0, static_cast<int>(FFrame->Page->CurrentLayout()->Text.size())};
    Invalidate();
}

void THtmlFrameView::KeyDown(WORD& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == 0 || !FFrame) return;
    const TPoint at = FFrame->Scroll;
    const int page = std::max(ClientHeight() - LineStep(), LineStep());
    const bool typing = FFocusedControl >= 0 && IsTextField(FFrame->Page->Forms().Controls[static_cast<std::size_t>(FFocusedControl)]);
    if (shift.Contains(ssCtrl) && (key == 'C' || key == VK_INSERT)) CopyToClipboard();
    else if (shift.Contains(ssCtrl) && key == 'A') SelectAll();
    else if (key == VK_UP) ScrollTo(at.X, at.Y - LineStep());
    else if (key == VK_DOWN) ScrollTo(at.X, at.Y + LineStep());
    else if (key == VK_LEFT && !typing) ScrollTo(at.X - LineStep(), at.Y);
    else if (key == VK_RIGHT && !typing) ScrollTo(at.X + LineStep(), at.Y);
    else if (key == VK_PRIOR || (key == VK_SPACE && !typing && shift.Contains(ssShift))) ScrollTo(at.X, at.Y - page);
    else if (key == VK_NEXT || (key == VK_SPACE && !typing)) ScrollTo(at.X, at.Y + page);
    else if (key == VK_HOME && !typing) ScrollTo(0, 0);
    else if (key == VK_END && !typing) ScrollTo(at.X, 1 << 30);
    else return;
    key = 0;
}

void THtmlFrameView::KeyPress(wchar_t& key) {
    TCustomControl::KeyPress(key);
    if (key == 0 || !FFrame || FFocusedControl < 0) return;
    THtmlFormControl& c = FFrame->Page->Forms().Controls[static_cast<std::size_t>(FFocusedControl)];
    if (!IsTextField(c)) return;
    if (key == L'\b') {
        if (!c.Value.empty()) c.Value.pop_back();
    } else if (key == L'\r' && c.Kind == TControlKind::TextArea) {
        c.Value += L"\r\n";
    } else if (key >= L' ') {
        c.Value += key;
    } else {
        return;
    }
    key = 0;
    Invalidate();
}

void THtmlFrameView::ClickControl(int index) {
    THtmlForms& forms = FFrame->Page->Forms();
    const THtmlFormControl& c = forms.Controls[static_cast<std::size_t>(index)];
    FFocusedControl = IsTextField(c) ? index : -1;
    switch (c.Kind) {
    case TControlKind::Checkbox: case TControlKind::Radio: forms.Click(index); break;
    case TControlKind::Select: forms.CycleOption(index); break;
    case TControlKind::Reset: forms.Reset(c.Form); break;
    case TControlKind::Submit: FViewer.Submit(*this, index); return;
    default: break;
    }
    Invalidate();
}

void THtmlFrameView::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !FFrame || !FFrame->Page) return;
    if (CanFocus()) SetFocus();
    const TPoint p = PagePoint(x, y);
    if (const int control = FFrame->Page->ControlAt(p); control >= 0) {
        ClickControl(control);
        return;
    }
    FFocusedControl = -1;
    FDownAt = p;
    FDragged = false;
    FSelecting = true;
    FAnchorOffset = FFrame->Page->TextOffsetAt(FViewer.HtmlCanvas(), p);
    if (!FFrame->Page->Selection.Empty()) {
        FFrame->Page->Selection = {};
        Invalidate();
    }
}

void THtmlFrameView::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    if (!FFrame || !FFrame->Page) return;
    const TPoint p = PagePoint(x, y);
    if (FSelecting && shift.Contains(ssLeft) && !FViewer.NoSelect) {
        if (std::abs(p.X - FDownAt.X) + std::abs(p.Y - FDownAt.Y) > 3) FDragged = true;
        if (FDragged) {
            const int offset = FFrame->Page->TextOffsetAt(FViewer.HtmlCanvas(), p);
            FFrame->Page->Selection = {std::min(offset, FAnchorOffset), std::max(offset, FAnchorOffset)};
            Invalidate();
        }
    }
    const TCursor wanted = FFrame->Page->LinkAt(p) >= 0 ? crHandPoint : crDefault;
    if (wanted != Cursor) {
        Cursor = wanted;
        SetCursor(CursorHandle(wanted == crDefault ? crArrow : wanted));
    }
}

void THtmlFrameView::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    if (button != mbLeft || !FFrame || !FSelecting) return;
    FSelecting = false;
    if (FDragged) return;
    if (const int link = FFrame->Page->LinkAt(PagePoint(x, y)); link >= 0) FViewer.FollowLink(*this, link);
}

// ------------------------------------------------------------------ viewer

TFrameViewer::TFrameViewer(TComponent* owner) : TCustomControl(owner), FTree(FOptions) {
    SetTabStop(false);
    SetColor(clBtnFace);
    Rebuild();
}

// The frame windows refer to the tree: they go first.
void TFrameViewer::BeforeDestruction() {
    FreeViews();
    TCustomControl::BeforeDestruction();
}

TFrameViewer::~TFrameViewer() { FreeViews(); }

void TFrameViewer::FreeViews() {
    for (THtmlFrameView* view : std::vector<THtmlFrameView*>(FViews)) view->Free();
    FViews.clear();
}

void TFrameViewer::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    if (FBorderStyle == hbsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TFrameViewer::CreateHandleDone() { ArrangeViews(); }

bool TFrameViewer::LoadFromFile(const std::wstring& path) {
    const bool loaded = FTree.LoadFromFile(path);
    Rebuild();
    return loaded;
}

bool TFrameViewer::LoadFromFile(const std::string& ansiPath) { return LoadFromFile(AnsiToWide(ansiPath)); }

std::wstring TFrameViewer::CurrentFile() const {
    const THtmlFrame& root = const_cast<THtmlFrameTree&>(FTree).Root();
    return root.Page ? root.Page->Path() : std::wstring();
}

void TFrameViewer::OptionsChanged() {
    for (THtmlFrame* frame : FTree.Pages())
        if (frame->Page) frame->Page->DropLayout();
    for (THtmlFrameView* view : FViews) view->Relayout();
}

void TFrameViewer::SetDefaultFontName(const std::wstring& name) {
    FOptions.DefaultFace = name;
    OptionsChanged();
}

void TFrameViewer::SetPreFontName(const std::wstring& name) {
    FOptions.MonospaceFace = name;
    OptionsChanged();
}

void TFrameViewer::SetBorderStyle(THtmlBorderStyle style) {
    if (style == FBorderStyle) return;
    FBorderStyle = style;
    RecreateWnd();
}

THtmlFrameView* TFrameViewer::ViewOf(const THtmlFrame* frame) const {
    for (THtmlFrameView* view : FViews)
        if (view->Frame() == frame) return view;
    return nullptr;
}

void TFrameViewer::Rebuild() {
    FreeViews();
    FTree.Arrange(ClientRect());
    for (THtmlFrame* frame : FTree.Pages()) {
        auto* view = new THtmlFrameView(*this, *frame);
        view->SetBoundsRect(frame->Bounds);
        view->SetParent(this);
        FViews.push_back(view);
    }
    Invalidate();
}

void TFrameViewer::RebuildLater() {
    for (THtmlFrameView* view : FViews) view->Detach();
    if (HandleAllocated()) PostMessageW(Handle(), CM_HTMLREBUILD, 0, 0);
    else Rebuild();
}

void TFrameViewer::ArrangeViews() {
    FTree.Arrange(ClientRect());
    for (THtmlFrameView* view : FViews)
        if (THtmlFrame* frame = view->Frame()) view->SetBoundsRect(frame->Bounds);
    Invalidate();
}

void TFrameViewer::Resize() {
    TCustomControl::Resize();
    ArrangeViews();
}

void TFrameViewer::Paint() {
    HDC dc = Canvas().Handle();
    const RECT r = ClientRect();
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    PaintFrameGaps(FTree.Root(), FCanvas, dc);
}

void TFrameViewer::WndProc(TMessage& m) {
    if (m.Msg == CM_HTMLREBUILD) {
        Rebuild();
        return;
    }
    if (m.Msg == WM_SETFOCUS && !FViews.empty()) {
        // The viewer hands the focus to its first frame.
        FViews.front()->SetFocus();
        return;
    }
    TCustomControl::WndProc(m);
}

void TFrameViewer::FollowLink(THtmlFrameView& from, int link) {
    THtmlFrame* frame = from.Frame();
    if (!frame || !frame->Page || !frame->Page->CurrentLayout()) return;
    const THtmlLayout& layout = *frame->Page->CurrentLayout();
    if (link < 0 || link >= static_cast<int>(layout.Links.size())) return;
    const TLayoutLink target = layout.Links[static_cast<std::size_t>(link)];
    THtmlFrame* changed = FTree.Navigate(*frame, target.Href, target.Target);
    if (!changed) return;
    // A page that stays a page keeps its window; anything else changes the
    // windows the viewer needs.
    if (THtmlFrameView* view = ViewOf(changed); view && !changed->IsFrameSet()) {
        view->Relayout();
        return;
    }
    RebuildLater();
}

void TFrameViewer::Submit(THtmlFrameView& from, int control) {
    THtmlFrame* frame = from.Frame();
    if (!frame || !frame->Page || !OnFormSubmit) return;
    const THtmlForms& forms = frame->Page->Forms();
    const int form = forms.Controls[static_cast<std::size_t>(control)].Form;
    const THtmlForm info = form >= 0 ? forms.Forms[static_cast<std::size_t>(form)] : THtmlForm{};
    OnFormSubmit(info.Action, info.Target, info.EncType, info.Method, forms.Fields(form, control));
}
