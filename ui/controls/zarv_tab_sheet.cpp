#include "ui/controls/zarv_tab_sheet.h"

#include "ui/platform/ext_controls.h"

TZarvTabSheet2::TZarvTabSheet2(TComponent* owner) : TTabSheet(owner) {
    DoubleBuffered = true;
    SetParentColor(false);  // a page has its own colour (clWindow) until the tab control paints
    SetColor(clWindow);
}

void TZarvTabSheet2::SetTabEnabled(bool value) {
    if (value == FTabEnabled) return;
    FTabEnabled = value;
    RepaintPageControl();
}

void TZarvTabSheet2::SetMenuTabIndex(int value) {
    if (value < 0 || value > 6 || value == FMenuTabIndex) return;
    FMenuTabIndex = value;
    RepaintPageControl();
}

TColor TZarvTabSheet2::PanelColor() const {
    for (int i = 0; i < ControlCount(); ++i)
        if (const auto* panel = dynamic_cast<const TPanel*>(Controls(i))) return panel->Color();
    return clLime;
}

void TZarvTabSheet2::PaintWindow(HDC) {}

void TZarvTabSheet2::RepaintPageControl() {
    if (PageControl()) PageControl()->Invalidate();
}
