// A page control on the system tab control: one tab per page that shows a
// tab (TabVisible, and CanShowTab agreeing), the page of the selected tab
// shown in the display rectangle and the others hidden. Pages are TTabSheet
// children; giving a sheet the page control as its parent makes it the last
// page.
#pragma once

#include <functional>
#include <vector>

#include "ui/platform/forms.h"

class TPageControl;

class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* pageControl);
    void SetParent(TWinControl* parent) override;
    // Position among the pages, -1 without a page control.
    int PageIndex() const;
    void SetPageIndex(int index);
    // Position among the shown tabs, -1 when the page shows no tab.
    int TabIndex() const;
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);

protected:
    void TextChanged() override;
    void EnabledChanged() override;

private:
    friend class TPageControl;

    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
    int FImageIndex = -1;
};

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;
using TDrawTabEvent = std::function<void(TObject* Sender, int TabIndex, const TRect& Rect, bool Active)>;

class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet* Pages(int index) const;
    // The page whose tab is `tabIndex` among the shown tabs, or nullptr.
    TTabSheet* TabPage(int tabIndex) const;
    // The page shows a tab: TabVisible, and CanShowTab agrees.
    bool ShowsTab(const TTabSheet& page) const;
    TTabSheet* ActivePage() const { return FActivePage; }
    // Shows the page and selects its tab; a page of another control is
    // ignored. The program's own changes fire no events. Every change the
    // program makes passes here (SetActivePageIndex, SetTabIndex and a
    // definition's ActivePage too), so a derived control can refuse or
    // follow it; the user's changes pass CanChange and Change instead.
    virtual void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const { return FActivePage ? FActivePage->PageIndex() : -1; }
    void SetActivePageIndex(int index);
    // The selected tab among the shown ones (-1: none).
    int TabIndex() const;
    void SetTabIndex(int index);

    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool value);
    // Fixed tab size in pixels; 0 keeps the system's size. Turning the fixed
    // width on or off remakes the window; other changes keep it.
    int TabWidth() const { return FTabWidth; }
    void SetTabWidth(int value);
    int TabHeight() const { return FTabHeight; }
    void SetTabHeight(int value);
    // Tabs drawn by DrawTab (OnDrawTab) on Canvas.
    bool OwnerDraw() const { return FOwnerDraw; }
    void SetOwnerDraw(bool value);
    TCanvas& Canvas() { return FCanvas; }

    // Where the pages are shown, in client coordinates.
    TRect DisplayRect() const;
    void Loaded() override;
    // Sets ActivePage from a page's name once the definition is loaded.
    void SetActivePageName(const std::wstring& name);

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;
    TDrawTabEvent OnDrawTab;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void WndProc(TMessage& message) override;
    void AdjustClientRect(TRect& rect) const override;
    void AlignControls(TRect& rect) override;
    // The user is about to leave the selected tab; false keeps it.
    virtual bool CanChange();
    // The user selected another tab; its page is shown, then OnChange fires.
    virtual void Change();
    // Draws one tab of an owner-drawn control on Canvas.
    virtual void DrawTab(int tabIndex, const TRect& rect, bool active);
    // Whether a page with TabVisible may show its tab: only enabled pages do.
    virtual bool CanShowTab(const TTabSheet& page) const;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void MovePage(TTabSheet* page, int index);
    void PageChanged(TTabSheet* page);
    void SyncTabs();
    void ShowActivePage();
    void SendItemSize();
    void Notify(TMessage& m);
    void DrawItem(TMessage& m);

    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
    std::wstring FPendingActivePage;
    bool FMultiLine = false;
    int FTabWidth = 0;
    int FTabHeight = 0;
    bool FOwnerDraw = false;
    TCanvas FCanvas;
};
