// The caption label of the active family, and the link that ties an edit,
// memo or combo box to its label: a click on the label, or its accelerator,
// focuses the control, and while the control has the focus the label's
// text takes the control's label colour.
#pragma once

#include <vector>

#include "ui/platform/std_controls.h"

// True when the keyboard focus is in the control's window, or in a window
// of its own that the library does not bind (the edit of a combo box).
bool HoldsFocus(TWinControl& control);

// A label drawn on one line, its accelerator letter in red (underlined
// while the focus control has the focus), engraved when disabled. At most
// 255 characters of the caption are drawn. It does not size itself.
class TLabelLink;

class TActiveLabel : public TLabel {
public:
    explicit TActiveLabel(TComponent* owner);
    ~TActiveLabel() override;
    // The platform's click, then the focus control takes the focus.
    void Click() override;

    static constexpr std::size_t MaxDrawnLength = 255;

protected:
    void BeforeDestruction() override;
    void Paint() override;
    void WndProc(TMessage& message) override;

private:
    friend class TLabelLink;
    void DrawEngraved(std::wstring_view text, UINT format);
    // Tells the controls that name this label that it goes away.
    void ReleaseLinks();

    std::vector<TLabelLink*> FLinks;
};

// The associated label of a control. A label that goes away is forgotten,
// whichever control its focus control is by then.
class TLabelLink {
public:
    explicit TLabelLink(TWinControl& control) : FControl(control) {}
    ~TLabelLink() { SetLabel(nullptr); }
    TLabelLink(const TLabelLink&) = delete;
    TLabelLink& operator=(const TLabelLink&) = delete;

    TActiveLabel* Label() const { return FLabel; }
    // Stores the label; a label given becomes the label of this control.
    void SetLabel(TActiveLabel* label);
    // The label's colour and style are saved, and its text takes LabelColor.
    void Highlight();
    // The saved colour and style go back to the label.
    void Restore();

    TColor LabelColor = clHighlightText;

private:
    friend class TActiveLabel;
    TWinControl& FControl;
    TActiveLabel* FLabel = nullptr;
    TColor FOldColor = clWindowText;
    TFontStyles FOldStyle;
};
