// A panel that drags its whole form: a left press on the panel's own area
// (not on a control inside it) followed by mouse moves moves the form.
#pragma once

#include "ui/platform/ext_controls.h"

class TMovePanel : public TPanel {
public:
    explicit TMovePanel(TComponent* owner);

    TPoint Orig;        // where the drag started, in panel coordinates
    bool Down = false;  // a drag is in progress

protected:
    void WndProc(TMessage& message) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void EndDrag();
    bool FEndingDrag = false;
};
