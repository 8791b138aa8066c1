// The framework's page control. It paints everything itself: a face picture
// coloured to match its parent (tab_face.h), tabs cut from the face in
// slices, the selected tab and the page area in one accent colour, the tab
// under the mouse hot and each caption's accelerator letter in a shortcut
// colour. OnTabChange may refuse any change of the page, the user's and the
// program's alike; with TabHSize -1 the tab row is hidden and only the
// program changes the page. Its pages are TZarvTabSheet2.
#pragma once

#include <functional>

#include "ui/platform/graphics/bitmap.h"
#include "ui/platform/page_control.h"

class TClassRegistry;

// OldTab and NewTab may be nullptr; setting AllowChange false refuses.
using TTabChangeEvent = std::function<void(TObject* Sender, TTabSheet* OldTab, TTabSheet* NewTab, bool& AllowChange)>;

class TZarvTabCtrl322 : public TPageControl {
public:
    explicit TZarvTabCtrl322(TComponent* owner);

    // The active page's index, -1 without one. Setting it is ignored
    // outside 0 to PageCount() - 1 and while an earlier assignment is still
    // changing the page (from its OnTabChange, say).
    int PageIndex() const { return ActivePageIndex(); }
    void SetPageIndex(int value);
    // Asks OnTabChange first, even for the active page; a refusal changes
    // nothing. Selecting a tab (SetTabIndex) comes here as well, so the page
    // shown is always the page of the selected tab.
    void SetActivePage(TTabSheet* page) override;
    TTabSheet* GetPage(int index) const { return Pages(index); }

    // 0: plain tabs in MiddleColor; 1 to 14: module tabs in the tab-strip
    // colour of module kind TipTab - 1. Other values are ignored.
    int TipTab() const { return FTipTab; }
    void SetTipTab(int value);
    // Kept for form definitions; nothing reads it.
    int TabWSize() const { return FTabWSize; }
    void SetTabWSize(int value);
    // 0: tabs as high as the face; -1: no tab row, the user cannot change
    // the page and the control draws nothing of its own; other values: that
    // height, at least the face's height - 12. Above a face lower than its
    // tab shows the backdrop.
    int TabHSize() const { return FTabHSize; }
    void SetTabHSize(int value);
    // -1: the system's width; 0: the control's width shared out among the
    // pages (half the face without pages); other values: that width.
    int CustomTabWidth() const { return FCustomTabWidth; }
    void SetCustomTabWidth(int value);
    TFont& TitleFont() { return FTitleFont; }
    void SetTitleFont(const TFont& font) { FTitleFont.Assign(font); }
    TColor ShortcutColor() const { return FShortcutColor; }
    void SetShortcutColor(TColor value);
    // The accent of plain tabs; it shows when the face is next built.
    TColor MiddleColor() const { return FMiddleColor; }
    void SetMiddleColor(TColor value);
    // Kept for form definitions; no drawing reads them.
    TColor DarkColor() const { return FDarkColor; }
    void SetDarkColor(TColor value);
    bool DarkColorUse() const { return FDarkColorUse; }
    void SetDarkColorUse(bool value);

    // The parent's colour the face was built for; 0x0000FF until the first paint.
    TColor BackgroundColor() const { return FBackgroundColor; }
    // The page whose tab the mouse made hot; -1 none.
    int LastFocused() const { return FLastFocused; }
    const TBitmap& TabCtlFace() const { return FTabCtlFace; }

    // Takes the face picture of the tab style and builds the face. The face
    // is built again only when the parent's colour, the theme's colour,
    // TipTab or TabHSize change.
    virtual void LoadFace();
    // Colours the face in place from the picture it was copied from.
    void CreateFace();
    void Loaded() override;

    TTabChangeEvent OnTabChange;
    bool FaraAddWiz = false;  // kept for form definitions; no effect

protected:
    // Called by the colour setters; does nothing here.
    virtual void ColorsChanged(bool redraw) { (void)redraw; }
    // Draws the tab of a page from the face: the active, the hot or the
    // normal column, a left cap, middle slices and a right cap, and the
    // caption over it.
    virtual void DrawTabState(TCanvas& canvas, int pageIndex, bool active, bool hot, bool enabled);
    void PaintWindow(HDC dc) override;
    void WndProc(TMessage& message) override;
    // Mouse moves stop here: the system's tab control would track a hot
    // tab of its own and ask for repaints that draw the hot tab normal.
    void DefaultHandler(TMessage& message) override;
    // A page's Enabled never hides its tab.
    bool CanShowTab(const TTabSheet& page) const override;
    bool CanChange() override;
    void Change() override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseLeave() override;

private:
    TColor Accent() const;
    TColor ParentBackground() const;
    TColor FaceBody() const;
    bool FaceOutOfDate() const;
    void UpdateTabSizes();
    int TabWidthRule() const;
    int TabHeightRule() const;
    void SettingChanged(bool rebuildFace);
    TRect PageArea();
    void DrawFrame(TCanvas& canvas, const TRect& area, TColor body);
    void DrawTabFace(TCanvas& canvas, const TRect& tab, int column);
    void DrawCaption(TCanvas& canvas, const TTabSheet& page, const TRect& tab, bool emphasised, bool enabled);
    void RedrawTab(int pageIndex, bool hot);
    TRect ItemRect(const TTabSheet& page);
    void TrackHotTab(TPoint at);

    bool FInPageChange = false;
    TColor FBackgroundColor = clRed;
    TColor FMiddleColor;
    TColor FDarkColor;
    bool FDarkColorUse = false;
    int FTabWSize = 0;
    int FTabHSize = 0;
    TFont FTitleFont;
    TFont FTmpFont;
    int FCustomTabWidth = 0;
    TTabSheet* FOldPage = nullptr;
    int FTipTab = 0;
    TColor FShortcutColor = clRed;
    TBitmap FTabCtlFace;
    const TBitmap* FImageBuffer = nullptr;  // the container's picture, not owned
    int FLastFocused = -1;
    int FPendingPageIndex = -1;
};

// The tab control and its sheets for form definitions.
void RegisterTabControl(TClassRegistry& registry);
