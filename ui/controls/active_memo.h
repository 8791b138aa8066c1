// The active memo: a memo without a border at creation, with an associated
// label that takes the memo's label colour while the memo has the focus.
#pragma once

#include "ui/controls/active_label.h"
#include "ui/platform/edit_controls.h"

class TActiveMemo : public TMemo {
public:
    explicit TActiveMemo(TComponent* owner);

    TActiveLabel* AssocLabel() const { return FLink.Label(); }
    void SetAssocLabel(TActiveLabel* label) { FLink.SetLabel(label); }
    TColor LabelColor() const { return FLink.LabelColor; }
    void SetLabelColor(TColor value) { FLink.LabelColor = value; }

    bool FaraAddWiz = false;  // kept for form definitions; no effect

protected:
    void WndProc(TMessage& message) override;

private:
    TLabelLink FLink;
};
