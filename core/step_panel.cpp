#include "core/step_panel.h"

#include "ui/platform/application.h"
#include "ui/platform/ext_controls.h"

void SetStepPending(TPanel& panel) {
    panel.SetBevelOuter(bvNone);
    panel.Font().SetColor(static_cast<TColor>(0));
    panel.SetAlignment(taRightJustify);
}

void SetStepDone(TPanel& panel) {
    panel.SetBevelOuter(bvRaised);
    panel.Font().SetColor(static_cast<TColor>(255));
    panel.SetAlignment(taLeftJustify);
    panel.Repaint();
    Application->ProcessMessages();
}
