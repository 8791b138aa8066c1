#include "ui/platform/page_control.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "ui/platform/application.h"
#include "ui/platform/form_definition.h"
#include "ui/platform/platform_classes.h"
#include "ui/platform/sysutils.h"

namespace {

LRESULT Send(TWinControl& control, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(control.Handle(), msg, wParam, lParam);
}

}  // namespace

// --------------------------------------------------------------- TTabSheet

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    TControl::SetVisible(false);  // the page control shows its active page only
    SetParentColor(true);
    FControlStyle |= csAcceptsControls;
}

TTabSheet::~TTabSheet() {
    if (TPageControl* pageControl = std::exchange(FPageControl, nullptr)) pageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) { SetParent(pageControl); }

void TTabSheet::SetParent(TWinControl* parent) {
    if (parent == Parent()) return;
    if (TPageControl* old = std::exchange(FPageControl, nullptr)) old->RemovePage(this);
    TWinControl::SetParent(parent);
    if (auto* pageControl = dynamic_cast<TPageControl*>(parent)) {
        FPageControl = pageControl;
        pageControl->InsertPage(this);
    }
}

int TTabSheet::PageIndex() const {
    if (!FPageControl) return -1;
    const auto& pages = FPageControl->FPages;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index) {
    if (FPageControl) FPageControl->MovePage(this, index);
}

int TTabSheet::TabIndex() const {
    if (!FPageControl || !FPageControl->ShowsTab(*this)) return -1;
    int tab = 0;
    for (const TTabSheet* page : FPageControl->FPages) {
        if (page == this) return tab;
        if (FPageControl->ShowsTab(*page)) ++tab;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool value) {
    if (value == FTabVisible) return;
    FTabVisible = value;
    if (FPageControl) FPageControl->PageChanged(this);
}

void TTabSheet::SetImageIndex(int value) {
    if (value == FImageIndex) return;
    FImageIndex = value;
    if (FPageControl) FPageControl->PageChanged(this);
}

void TTabSheet::TextChanged() {
    TWinControl::TextChanged();
    if (FPageControl) FPageControl->PageChanged(this);
}

void TTabSheet::EnabledChanged() {
    TWinControl::EnabledChanged();
    if (FPageControl) FPageControl->PageChanged(this);
}

// ------------------------------------------------------------ TPageControl

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
    const INITCOMMONCONTROLSEX init{sizeof init, ICC_TAB_CLASSES};
    InitCommonControlsEx(&init);
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
    SetColor(clBtnFace);
    FControlStyle &= ~static_cast<unsigned>(csSetCaption);
}

TPageControl::~TPageControl() {
    MarkDestroying();
    for (TTabSheet* page : FPages) page->FPageControl = nullptr;
    FPages.clear();
    FActivePage = nullptr;
}

void TPageControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = WC_TABCONTROLW;
    p.WinClassName = L"PageControl";
    p.Style |= TCS_TABS;
    if (FMultiLine) p.Style |= TCS_MULTILINE;
    if (FTabWidth > 0) p.Style |= TCS_FIXEDWIDTH;
    if (FOwnerDraw) p.Style |= TCS_OWNERDRAWFIXED;
}

void TPageControl::CreateHandleDone() {
    TWinControl::CreateHandleDone();
    if (FTabWidth > 0 || FTabHeight > 0) Send(*this, TCM_SETITEMSIZE, 0, MAKELPARAM(FTabWidth, FTabHeight));
    SyncTabs();
}

TTabSheet* TPageControl::Pages(int index) const {
    if (index < 0 || index >= PageCount()) return nullptr;
    return FPages[static_cast<std::size_t>(index)];
}

TTabSheet* TPageControl::TabPage(int tabIndex) const {
    if (tabIndex < 0) return nullptr;
    for (TTabSheet* page : FPages)
        if (ShowsTab(*page) && tabIndex-- == 0) return page;
    return nullptr;
}

bool TPageControl::ShowsTab(const TTabSheet& page) const { return page.FTabVisible && CanShowTab(page); }

bool TPageControl::CanShowTab(const TTabSheet& page) const { return page.Enabled(); }

void TPageControl::SetActivePage(TTabSheet* page) {
    if ((page && page->FPageControl != this) || page == FActivePage) return;
    FActivePage = page;
    ShowActivePage();
    if (HandleAllocated()) Send(*this, TCM_SETCURSEL, static_cast<WPARAM>(page ? page->TabIndex() : -1));
}

void TPageControl::SetActivePageIndex(int index) {
    if (index == -1 || Pages(index)) SetActivePage(Pages(index));
}

int TPageControl::TabIndex() const {
    if (auto* self = const_cast<TPageControl*>(this); self->HandleAllocated())
        return static_cast<int>(Send(*self, TCM_GETCURSEL));
    return FActivePage ? FActivePage->TabIndex() : -1;
}

void TPageControl::SetTabIndex(int index) {
    if (TTabSheet* page = TabPage(index)) SetActivePage(page);
}

void TPageControl::SetMultiLine(bool value) {
    if (value == FMultiLine) return;
    FMultiLine = value;
    RecreateWnd();
}

void TPageControl::SetTabWidth(int value) {
    value = std::max(0, value);
    if (value == FTabWidth) return;
    const bool fixedWidthChanges = (value == 0) != (FTabWidth == 0);
    FTabWidth = value;
    if (fixedWidthChanges)
        RecreateWnd();  // TCS_FIXEDWIDTH is a creation style
    else
        SendItemSize();
}

void TPageControl::SetTabHeight(int value) {
    value = std::max(0, value);
    if (value == FTabHeight) return;
    FTabHeight = value;
    SendItemSize();
}

// The tab size of a live window; the row of tabs, and so the pages, move.
void TPageControl::SendItemSize() {
    if (!HandleAllocated()) return;
    Send(*this, TCM_SETITEMSIZE, 0, MAKELPARAM(FTabWidth, FTabHeight));
    Realign();
}

void TPageControl::SetOwnerDraw(bool value) {
    if (value == FOwnerDraw) return;
    FOwnerDraw = value;
    RecreateWnd();
}

TRect TPageControl::DisplayRect() const {
    const TRect client = ClientRect();
    if (auto* self = const_cast<TPageControl*>(this); self->HandleAllocated()) {
        RECT r = client;
        Send(*self, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    // Until the window exists: one row of tabs of the font's height.
    const int tabRow = (FTabHeight > 0 ? FTabHeight : std::abs(Font().Height()) + 8) + 2;
    return {client.Left + 4, client.Top + tabRow + 4, client.Right - 4, client.Bottom - 4};
}

void TPageControl::AdjustClientRect(TRect& rect) const { rect = DisplayRect(); }

void TPageControl::AlignControls(TRect& rect) {
    const TRect display = rect;
    TWinControl::AlignControls(rect);
    for (TTabSheet* page : FPages) page->SetBounds(display.Left, display.Top, display.Width(), display.Height());
}

void TPageControl::InsertPage(TTabSheet* page) {
    FPages.push_back(page);
    if (!FActivePage && ShowsTab(*page)) FActivePage = page;
    ShowActivePage();
    SyncTabs();
}

void TPageControl::RemovePage(TTabSheet* page) {
    const auto it = std::find(FPages.begin(), FPages.end(), page);
    if (it == FPages.end()) return;
    const auto index = it - FPages.begin();
    FPages.erase(it);
    if (IsDestroying()) return;
    if (page == FActivePage) {
        // The next page with a tab takes its place, else the one before.
        const auto visible = [this](TTabSheet* p) { return ShowsTab(*p); };
        auto next = std::find_if(FPages.begin() + index, FPages.end(), visible);
        if (next == FPages.end()) {
            auto before = std::find_if(FPages.rbegin(), FPages.rend(), visible);
            FActivePage = before == FPages.rend() ? nullptr : *before;
        } else {
            FActivePage = *next;
        }
        ShowActivePage();
    }
    SyncTabs();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
    const auto it = std::find(FPages.begin(), FPages.end(), page);
    if (it == FPages.end()) return;
    FPages.erase(it);
    index = std::clamp(index, 0, PageCount());
    FPages.insert(FPages.begin() + index, page);
    SyncTabs();
}

void TPageControl::PageChanged(TTabSheet* page) {
    if (page == FActivePage && !ShowsTab(*page)) {
        const auto next = std::find_if(FPages.begin(), FPages.end(), [this](TTabSheet* p) { return ShowsTab(*p); });
        FActivePage = next == FPages.end() ? nullptr : *next;
        ShowActivePage();
    } else if (!FActivePage && ShowsTab(*page)) {
        FActivePage = page;
        ShowActivePage();
    }
    SyncTabs();
}

void TPageControl::ShowActivePage() {
    for (TTabSheet* page : FPages)
        if (page != FActivePage) page->SetVisible(false);
    if (FActivePage) {
        FActivePage->SetVisible(true);
        FActivePage->BringToFront();
    }
}

// Rebuilds the native tabs from the pages that show a tab.
void TPageControl::SyncTabs() {
    if (!HandleAllocated() || IsDestroying()) return;
    Send(*this, TCM_DELETEALLITEMS);
    int tab = 0;
    for (TTabSheet* page : FPages) {
        if (!ShowsTab(*page)) continue;
        std::wstring caption = page->Caption();
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
        item.pszText = caption.data();
        item.iImage = page->FImageIndex;
        item.lParam = reinterpret_cast<LPARAM>(page);
        Send(*this, TCM_INSERTITEMW, static_cast<WPARAM>(tab++), reinterpret_cast<LPARAM>(&item));
    }
    Send(*this, TCM_SETCURSEL, static_cast<WPARAM>(FActivePage ? FActivePage->TabIndex() : -1));
    Realign();  // the rows of tabs, and so the display rectangle, may have changed
}

bool TPageControl::CanChange() {
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    return allow;
}

void TPageControl::Change() {
    if (TTabSheet* page = TabPage(TabIndex()); page != FActivePage) {
        FActivePage = page;
        ShowActivePage();
    }
    if (OnChange) OnChange(this);
}

void TPageControl::Notify(TMessage& m) {
    switch (reinterpret_cast<const NMHDR*>(m.LParam)->code) {
    case TCN_SELCHANGING:
        try {
            m.Result = CanChange() ? FALSE : TRUE;
        } catch (const std::exception& e) {
            m.Result = TRUE;  // a failing check keeps the page
            Application->HandleException(e);
        }
        break;
    case TCN_SELCHANGE: Change(); break;
    default: break;
    }
}

void TPageControl::DrawTab(int tabIndex, const TRect& rect, bool active) {
    if (OnDrawTab) {
        OnDrawTab(this, tabIndex, rect, active);
        return;
    }
    FCanvas.FillRect(rect);
    if (TTabSheet* page = TabPage(tabIndex)) {
        TRect text = rect;
        FCanvas.Brush().SetStyle(bsClear);
        FCanvas.DrawText(page->Caption(), text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
}

void TPageControl::DrawItem(TMessage& m) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
    TCanvasBinding binding(FCanvas, item->hDC);
    FCanvas.Font().Assign(Font());
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(Color());
    const int tab = static_cast<int>(item->itemID);
    DrawTab(tab, item->rcItem, tab == TabIndex());
    m.Result = TRUE;
}

void TPageControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_NOTIFY: Notify(m); return;
    case CN_DRAWITEM: DrawItem(m); return;
    default: break;
    }
    TWinControl::WndProc(m);
}

void TPageControl::SetActivePageName(const std::wstring& name) {
    if (IsLoading()) {
        FPendingActivePage = name;  // its page may come later in the definition
        return;
    }
    const auto it = std::find_if(FPages.begin(), FPages.end(), [&](TTabSheet* p) { return SameTextAscii(p->Name(), name); });
    if (it != FPages.end()) {
        SetActivePage(*it);
        return;
    }
    throw Exception(L"\"" + name + L"\" nu este o pagina a lui \"" + Name() + L"\"");
}

void TPageControl::Loaded() {
    TWinControl::Loaded();
    if (!FPendingActivePage.empty()) SetActivePageName(std::exchange(FPendingActivePage, std::wstring()));
}

// ------------------------------------------------------------ registration

void RegisterPageControl(TClassRegistry& r) {
    using V = const TDefValue&;
    using X = const TLoadContext&;
    r.RegisterClass<TPageControl>(L"TPageControl");
    r.RegisterClass<TTabSheet>(L"TTabSheet");
    r.RegisterProperty<TPageControl>(L"ActivePage", [](TPageControl& c, V v, X) { c.SetActivePageName(v.AsIdent()); });
    r.RegisterProperty<TPageControl>(L"ActivePageIndex", [](TPageControl& c, V v, X) { c.SetActivePageIndex(v.AsInt()); });
    r.RegisterProperty<TPageControl>(L"MultiLine", [](TPageControl& c, V v, X) { c.SetMultiLine(v.AsBool()); });
    r.RegisterProperty<TPageControl>(L"TabWidth", [](TPageControl& c, V v, X) { c.SetTabWidth(v.AsInt()); });
    r.RegisterProperty<TPageControl>(L"TabHeight", [](TPageControl& c, V v, X) { c.SetTabHeight(v.AsInt()); });
    r.RegisterProperty<TPageControl>(L"OwnerDraw", [](TPageControl& c, V v, X) { c.SetOwnerDraw(v.AsBool()); });
    r.RegisterEvent(L"OnChange", &TPageControl::OnChange);
    r.RegisterEvent(L"OnChanging", &TPageControl::OnChanging);
    r.RegisterEvent(L"OnDrawTab", &TPageControl::OnDrawTab);
    r.RegisterProperty<TTabSheet>(L"TabVisible", [](TTabSheet& c, V v, X) { c.SetTabVisible(v.AsBool()); });
    r.RegisterProperty<TTabSheet>(L"ImageIndex", [](TTabSheet& c, V v, X) { c.SetImageIndex(v.AsInt()); });
    r.RegisterProperty<TTabSheet>(L"PageIndex", [](TTabSheet& c, V v, X) { c.SetPageIndex(v.AsInt()); });
}
