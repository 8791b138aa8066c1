// The page of the framework's tab control: a tab that can look disabled
// while it stays selectable, a menu index kept for the program, and a
// background in the sheet's own colour (the tab control gives every page
// its accent colour when it paints).
#pragma once

#include "ui/platform/page_control.h"

class TZarvTabSheet2 : public TTabSheet {
public:
    explicit TZarvTabSheet2(TComponent* owner);

    // A tab drawn disabled still selects its page.
    bool TabEnabled() const { return FTabEnabled; }
    void SetTabEnabled(bool value);
    // 0 to 6, -1 at first; other values are ignored. Only stored.
    int MenuTabIndex() const { return FMenuTabIndex; }
    void SetMenuTabIndex(int value);
    // The colour of the first child that is a panel, in child order;
    // 0x00FF00 when there is none.
    TColor PanelColor() const;

protected:
    // Nothing: erasing fills the sheet with its colour, also into the
    // buffer of a double-buffered paint, and the children draw the rest.
    void PaintWindow(HDC dc) override;

private:
    void RepaintPageControl();

    int FMenuTabIndex = -1;
    bool FTabEnabled = true;
};
