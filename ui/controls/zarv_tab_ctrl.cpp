#include "ui/controls/zarv_tab_ctrl.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "ui/base/design_themes.h"
#include "ui/base/image_container.h"
#include "ui/controls/draw_helpers.h"
#include "ui/controls/tab_face.h"
#include "ui/controls/zarv_tab_sheet.h"
#include "ui/platform/ext_controls.h"
#include "ui/platform/form_definition.h"
#include "ui/platform/graphics/gdi_handle.h"
#include "ui/platform/platform_classes.h"

namespace {

const TColor DefaultAccent = RGBColor(0xD6, 0xD6, 0xD6);
constexpr int TipTabCount = 15;  // plain tabs and the 14 module kinds
constexpr int CaptionHeight = 25;  // the caption sits in the lowest rows of a tab

TColor Plain(TColor color) { return RGBToColor(ColorToRGB(color)); }

// Sets a flag for the lifetime of the object, however the scope ends.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TFlagScope() { FFlag = false; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& FFlag;
};

// Pages of other classes draw their tabs enabled.
bool TabEnabled(const TTabSheet& page) {
    const auto* sheet = dynamic_cast<const TZarvTabSheet2*>(&page);
    return !sheet || sheet->TabEnabled();
}

void FillSpan(TCanvas& canvas, int left, int top, int right, int bottom) {
    canvas.FillRect({left, top, right + 1, bottom + 1});  // both ends included
}

}  // namespace

TZarvTabCtrl322::TZarvTabCtrl322(TComponent* owner)
    : TPageControl(owner), FMiddleColor(DefaultAccent), FDarkColor(DefaultAccent) {
    FTitleFont.OnChange = [this] { Invalidate(); };
    DoubleBuffered = true;
    SetOwnerDraw(true);
    SetParentColor(true);
    LoadFace();
    // Sizes from the start, so the fixed tab width is a creation style and
    // later sizes never need the window made again.
    UpdateTabSizes();
}

// ------------------------------------------------------------- properties

void TZarvTabCtrl322::SetPageIndex(int value) {
    if (IsLoading()) {
        FPendingPageIndex = value;  // the pages come later in the definition
        return;
    }
    if (FInPageChange || value < 0 || value >= PageCount()) return;
    const TFlagScope changing(FInPageChange);
    SetActivePage(Pages(value));
}

void TZarvTabCtrl322::Loaded() {
    TPageControl::Loaded();
    if (FPendingPageIndex >= 0) SetPageIndex(std::exchange(FPendingPageIndex, -1));
}

void TZarvTabCtrl322::SetActivePage(TTabSheet* page) {
    if (page && page->PageControl() != this) return;
    if (OnTabChange) {
        FOldPage = TabPage(TabIndex());
        bool allow = true;
        OnTabChange(this, FOldPage, page, allow);
        if (!allow) return;
    }
    if (page != ActivePage()) TPageControl::SetActivePage(page);
}

void TZarvTabCtrl322::SettingChanged(bool rebuildFace) {
    if (rebuildFace) LoadFace();
    UpdateTabSizes();
    Invalidate();
}

void TZarvTabCtrl322::SetTipTab(int value) {
    if (value == FTipTab || value < 0 || value >= TipTabCount) return;
    FTipTab = value;
    SettingChanged(true);
}

void TZarvTabCtrl322::SetTabWSize(int value) {
    if (value == FTabWSize) return;
    FTabWSize = value;
    SettingChanged(false);
}

void TZarvTabCtrl322::SetTabHSize(int value) {
    if (value == FTabHSize) return;
    FTabHSize = value;
    SettingChanged(true);
}

void TZarvTabCtrl322::SetCustomTabWidth(int value) {
    if (value == FCustomTabWidth) return;
    FCustomTabWidth = value;
    SettingChanged(false);
}

void TZarvTabCtrl322::SetShortcutColor(TColor value) {
    if (value == FShortcutColor) return;
    FShortcutColor = value;
    Invalidate();
}

void TZarvTabCtrl322::SetMiddleColor(TColor value) {
    if (value == FMiddleColor) return;
    FMiddleColor = value;
    ColorsChanged(true);
}

void TZarvTabCtrl322::SetDarkColor(TColor value) {
    if (value == FDarkColor) return;
    FDarkColor = value;
    ColorsChanged(true);
}

void TZarvTabCtrl322::SetDarkColorUse(bool value) {
    if (value == FDarkColorUse) return;
    FDarkColorUse = value;
    ColorsChanged(false);  // true only while a designer edits the form
}

// ------------------------------------------------------------------ face

TColor TZarvTabCtrl322::Accent() const {
    return FTipTab == 0 ? FMiddleColor : Plain(TabStripStartColor(FTipTab - 1));
}

void TZarvTabCtrl322::LoadFace() {
    FImageBuffer = &ContainerPicture(FTipTab == 0 ? L"TabCtrlFace" : L"MenuTabCtrlFace120");
    FTabCtlFace.Assign(*FImageBuffer);
    CreateFace();
}

void TZarvTabCtrl322::CreateFace() {
    if (FImageBuffer && !FImageBuffer->Empty()) ColourTabFace(FTabCtlFace, *FImageBuffer, FBackgroundColor, Accent());
}

// The accent as the face holds it, inside the active tab's body.
TColor TZarvTabCtrl322::FaceBody() const {
    return FTabCtlFace.Pixel(FTabCtlFace.Width() - 20, FTabCtlFace.Height() - 20);
}

// The colour of a panel, a form or a tab sheet under the control; white
// under anything else.
TColor TZarvTabCtrl322::ParentBackground() const {
    TWinControl* parent = Parent();
    if (dynamic_cast<TPanel*>(parent) || dynamic_cast<TForm*>(parent) || dynamic_cast<TZarvTabSheet2*>(parent))
        return parent->Color();
    return clWhite;
}

bool TZarvTabCtrl322::FaceOutOfDate() const {
    if (FTabCtlFace.Empty() || ParentBackground() != FBackgroundColor) return true;
    return FTipTab >= 1 && FaceBody() != Plain(TabStripStartColor(FTipTab - 1));
}

// ------------------------------------------------------------- tab sizes

int TZarvTabCtrl322::TabWidthRule() const {
    if (FCustomTabWidth == -1) return 0;
    int width = FTabCtlFace.Width() / 2;
    if (FCustomTabWidth != 0)
        width = FCustomTabWidth;
    else if (MultiLine())
        width = Width() - 2;
    else if (PageCount() > 0)
        width = Width() / PageCount() - 2;
    return std::max(1, width);  // a fixed width stays fixed, however small
}

int TZarvTabCtrl322::TabHeightRule() const {
    const int faceHeight = FTabCtlFace.Height();
    if (FTabHSize == 0) return faceHeight;
    if (FTabHSize == -1) return 1;
    return std::max(FTabHSize, faceHeight - 12);
}

void TZarvTabCtrl322::UpdateTabSizes() {
    SetTabWidth(TabWidthRule());
    SetTabHeight(TabHeightRule());
}

// -------------------------------------------------------------- painting

TRect TZarvTabCtrl322::ItemRect(const TTabSheet& page) {
    if (!HandleAllocated()) return ClientRect();
    RECT r{};
    if (!SendMessageW(Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(page.TabIndex()), reinterpret_cast<LPARAM>(&r)))
        return {};
    return r;
}

// The display rectangle with its top four rows below the tabs' lowest row:
// the frame then meets the tabs whatever gap the system's tab control
// leaves between tabs and pages.
TRect TZarvTabCtrl322::PageArea() {
    TRect area = DisplayRect();
    int tabsBottom = -1;
    for (int i = 0; i < PageCount(); ++i)
        if (Pages(i)->TabIndex() >= 0) tabsBottom = std::max(tabsBottom, ItemRect(*Pages(i)).Bottom);
    if (tabsBottom >= 0) area.Top = tabsBottom + 4;
    return area;
}

// The base line in the face's line colour, and the edges of the page area
// in its body colour, so the page shows as one flat surface below the tabs.
void TZarvTabCtrl322::DrawFrame(TCanvas& canvas, const TRect& area, TColor body) {
    const TRect client = ClientRect();
    const int top = area.Top, right = client.Right, bottom = client.Bottom;
    canvas.Brush().SetColor(FTabCtlFace.Pixel(0, FTabCtlFace.Height() - 1));
    FillSpan(canvas, client.Left + 3, top - 5, right - 2, top - 5);
    canvas.Brush().SetColor(body);
    FillSpan(canvas, right - 1, top - 3, right - 1, bottom - 1);
    FillSpan(canvas, right - 2, top - 2, right - 2, bottom - 2);
    FillSpan(canvas, 2, top - 6, 2, bottom - 2);
    FillSpan(canvas, 3, top - 6, 3, bottom - 3);
    FillSpan(canvas, 2, bottom - 1, right - 1, bottom - 1);
    FillSpan(canvas, 3, bottom - 2, right - 1, bottom - 2);
}

void TZarvTabCtrl322::PaintWindow(HDC dc) {
    const TCanvasBinding binding(Canvas(), dc);
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    canvas.Brush().SetStyle(bsSolid);
    if (FTabHSize == -1) {
        // No tab row: only the background the erase would have left.
        canvas.Brush().SetColor(Color());
        canvas.FillRect(client);
        return;
    }
    if (FaceOutOfDate()) {
        FBackgroundColor = ParentBackground();
        LoadFace();
    }
    canvas.Brush().SetColor(FBackgroundColor);
    canvas.FillRect(client);
    if (FTabCtlFace.Empty()) return;
    const TColor body = FaceBody();
    const TRect area = PageArea();
    canvas.Brush().SetColor(body);
    canvas.FillRect({area.Left, area.Top - 4, client.Right, client.Bottom});
    DrawFrame(canvas, area, body);
    const int hotTab = Focused() ? static_cast<int>(SendMessageW(Handle(), TCM_GETCURFOCUS, 0, 0)) : -1;
    const int selectedTab = TabIndex();
    for (int i = 0; i < PageCount(); ++i) {
        TTabSheet* page = Pages(i);
        const int tab = page->TabIndex();
        if (tab < 0) continue;
        page->SetColor(body);  // repaints the page when its colour changed
        DrawTabState(canvas, i, tab == selectedTab, tab == hotTab, TabEnabled(*page));
    }
}

void TZarvTabCtrl322::DrawTabState(TCanvas& canvas, int pageIndex, bool active, bool hot, bool enabled) {
    const TTabSheet* page = Pages(pageIndex);
    if (!page || FTabCtlFace.Width() < 9) return;
    const TRect tab = ItemRect(*page);
    if (tab.IsEmpty()) return;
    DrawTabFace(canvas, tab, active ? 2 : hot ? 1 : 0);
    DrawCaption(canvas, *page, tab, active || hot, enabled);
}

// The face's lowest rows in three slices of a third of a column each: the
// left cap, the middle repeated while a whole slice fits, the right cap.
// Nothing lands outside the tab, however narrow.
void TZarvTabCtrl322::DrawTabFace(TCanvas& canvas, const TRect& tab, int column) {
    const int columnWidth = FTabCtlFace.Width() / 3, slice = columnWidth / 3, offset = column * columnWidth;
    const int rows = std::min(tab.Height(), FTabCtlFace.Height());
    const int sourceTop = FTabCtlFace.Height() - rows, top = tab.Bottom - rows;
    if (top > tab.Top) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(FTabCtlFace.Pixel(0, 0));
        canvas.FillRect({tab.Left, tab.Top, tab.Right, top});
    }
    const auto copy = [&](int x, int sourceX) {
        const int left = std::max(x, tab.Left), right = std::min(x + slice, tab.Right);
        if (left >= right) return;
        const int from = sourceX + left - x;
        canvas.CopyRect({left, top, right, tab.Bottom}, FTabCtlFace, {from, sourceTop, from + right - left, sourceTop + rows});
    };
    copy(tab.Left, offset);
    const int width = TabWidth() != 0 ? TabWidth() : tab.Width();
    for (int x = tab.Left + slice, remaining = width - slice; remaining >= slice; x += slice, remaining -= slice)
        copy(x, offset + slice);
    copy(tab.Right - slice, offset + 2 * slice);
}

// The caption centred on one line in the tab's lowest rows, its accelerator
// letter in the shortcut colour; a disabled tab shows it in the inactive
// caption colour without the accelerator.
void TZarvTabCtrl322::DrawCaption(TCanvas& canvas, const TTabSheet& page, const TRect& tab, bool emphasised,
                                  bool enabled) {
    FTmpFont.Assign(FTipTab != 0 && emphasised ? Font() : FTitleFont);
    std::wstring caption = page.Caption();
    TColor shortcut = FShortcutColor;
    if (!enabled) {
        FTmpFont.SetColor(clInactiveCaptionText);
        caption = WithoutAmpersands(caption);
        shortcut = clInactiveCaptionText;
    }
    canvas.Font().Assign(FTmpFont);
    canvas.Brush().SetStyle(bsClear);
    const TRect text{tab.Left, std::max(tab.Top, tab.Bottom - CaptionHeight), tab.Right, tab.Bottom};
    DrawShortcutText(canvas, caption, text, false, shortcut, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    canvas.Brush().SetStyle(bsSolid);
}

// ------------------------------------------------------------ page changes

bool TZarvTabCtrl322::CanShowTab(const TTabSheet&) const { return true; }

bool TZarvTabCtrl322::CanChange() {
    FOldPage = TabPage(TabIndex());
    return TPageControl::CanChange();
}

// The user's change has shown the new page; a refusal goes back through
// SetActivePage, which asks OnTabChange again for the way back.
void TZarvTabCtrl322::Change() {
    TPageControl::Change();
    if (!OnTabChange) return;
    bool allow = true;
    OnTabChange(this, FOldPage, TabPage(TabIndex()), allow);
    if (allow) return;
    for (int i = 0; i < PageCount(); ++i)
        if (Pages(i) == FOldPage) {
            SetActivePage(FOldPage);
            return;
        }
}

void TZarvTabCtrl322::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_NOTIFY:
        if (FTabHSize == -1) {
            m.Result = 1;  // the hidden tab row refuses every change the user tries
            return;
        }
        break;
    case WM_ERASEBKGND:
        m.Result = 1;  // the paint covers the whole client area
        return;
    case WM_NCHITTEST:
        // The system's tab control lets the mouse through beside its tabs;
        // this one paints its whole area, and the mouse over it is over it.
        m.Result = HTCLIENT;
        return;
    case TCM_INSERTITEMW:
        TPageControl::WndProc(m);
        if (PageCount() > 0 && !FTabCtlFace.Empty()) UpdateTabSizes();
        return;
    case WM_SIZE:
        TPageControl::WndProc(m);
        // Also before the control shows: an aligned control gets its size
        // while its form is still hidden.
        if (LOWORD(m.LParam) > 0 && HIWORD(m.LParam) > 0) UpdateTabSizes();
        return;
    default: break;
    }
    TPageControl::WndProc(m);
}

// ------------------------------------------------------------ hot tab

void TZarvTabCtrl322::DefaultHandler(TMessage& m) {
    if (m.Msg != WM_MOUSEMOVE) TPageControl::DefaultHandler(m);
}

// Draws one tab straight onto the window, outside a paint. The control has
// no frame, so its window's context is its client area's.
void TZarvTabCtrl322::RedrawTab(int pageIndex, bool hot) {
    TTabSheet* page = Pages(pageIndex);
    if (!page || page->TabIndex() < 0) return;
    const TWindowDC dc(Handle());
    const TCanvasBinding binding(Canvas(), dc.Get());
    DrawTabState(Canvas(), pageIndex, page == ActivePage(), hot, TabEnabled(*page));
}

// The tab under the pointer becomes hot and the one that was hot normal:
// two tabs redrawn, no repaint of the control.
void TZarvTabCtrl322::TrackHotTab(TPoint at) {
    for (int i = 0; i < PageCount(); ++i) {
        TTabSheet* page = Pages(i);
        if (i == FLastFocused || page->TabIndex() < 0 || !ItemRect(*page).Contains(at)) continue;
        if (FLastFocused >= 0) RedrawTab(FLastFocused, false);
        RedrawTab(i, true);
        FLastFocused = i;
        return;
    }
}

void TZarvTabCtrl322::MouseMove(TShiftState shift, int x, int y) {
    if (Enabled() && FTabHSize != -1 && HandleAllocated()) TrackHotTab({x, y});
    TPageControl::MouseMove(shift, x, y);
}

void TZarvTabCtrl322::MouseLeave() {
    if (FLastFocused >= 0 && HandleAllocated() && FTabHSize != -1) RedrawTab(FLastFocused, false);
    FLastFocused = -1;
    TPageControl::MouseLeave();
}

// ------------------------------------------------------------ registration

void RegisterTabControl(TClassRegistry& r) {
    using V = const TDefValue&;
    using X = const TLoadContext&;
    using C = TZarvTabCtrl322;
    r.RegisterClass<C>(L"TZarvTabCtrl322");
    r.RegisterClass<TZarvTabSheet2>(L"TZarvTabSheet2");
    r.RegisterProperty<C>(L"PageIndex", [](C& c, V v, X) { c.SetPageIndex(v.AsInt()); });
    r.RegisterProperty<C>(L"TipTab", [](C& c, V v, X) { c.SetTipTab(v.AsInt()); });
    r.RegisterProperty<C>(L"TabWSize", [](C& c, V v, X) { c.SetTabWSize(v.AsInt()); });
    r.RegisterProperty<C>(L"TabHSize", [](C& c, V v, X) { c.SetTabHSize(v.AsInt()); });
    r.RegisterProperty<C>(L"CustomTabWidth", [](C& c, V v, X) { c.SetCustomTabWidth(v.AsInt()); });
    r.RegisterProperty<C>(L"ShortcutColor", [](C& c, V v, X x) { c.SetShortcutColor(DefColor(v, x)); });
    r.RegisterProperty<C>(L"MiddleColor", [](C& c, V v, X x) { c.SetMiddleColor(DefColor(v, x)); });
    r.RegisterProperty<C>(L"DarkColor", [](C& c, V v, X x) { c.SetDarkColor(DefColor(v, x)); });
    r.RegisterProperty<C>(L"DarkColorUse", [](C& c, V v, X) { c.SetDarkColorUse(v.AsBool()); });
    r.RegisterProperty<C>(L"TitleFont.Name", [](C& c, V v, X) { c.TitleFont().SetName(v.AsString()); });
    r.RegisterProperty<C>(L"TitleFont.Height", [](C& c, V v, X) { c.TitleFont().SetHeight(v.AsInt()); });
    r.RegisterProperty<C>(L"TitleFont.Color", [](C& c, V v, X x) { c.TitleFont().SetColor(DefColor(v, x)); });
    r.RegisterProperty<C>(L"TitleFont.Style", [](C& c, V v, X x) { c.TitleFont().SetStyle(DefFontStyles(v, x)); });
    r.RegisterProperty<C>(L"FaraAddWiz", [](C& c, V v, X) { c.FaraAddWiz = v.AsBool(); });
    r.RegisterEvent(L"OnTabChange", &C::OnTabChange);
    r.RegisterProperty<TZarvTabSheet2>(L"TabEnabled", [](TZarvTabSheet2& c, V v, X) { c.SetTabEnabled(v.AsBool()); });
    r.RegisterProperty<TZarvTabSheet2>(L"MenuTabIndex",
                                       [](TZarvTabSheet2& c, V v, X) { c.SetMenuTabIndex(v.AsInt()); });
}
