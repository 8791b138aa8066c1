// The framework's check box: an owner-drawn button whose box comes from the
// image container's "Check" picture (three cells: checked, unchecked,
// grayed) or from its own glyph, with the caption red while it has the focus.
#pragma once

#include <cstdint>

#include "ui/platform/graphics/bitmap.h"
#include "ui/platform/std_controls.h"

enum TCheckBoxState : std::uint8_t { cbUnchecked, cbChecked, cbGrayed };
// taLeftJustify puts the box at the right, taRightJustify at the left.
using TLeftRight = TAlignment;

// The box cell of a state in a strip of three cells.
int CheckCell(TCheckBoxState state);

class TMCustomCheckBox : public TOwnerDrawButton {
public:
    explicit TMCustomCheckBox(TComponent* owner);

    TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(TLeftRight value);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { FAllowGrayed = value; }
    TCheckBoxState State() const { return FState; }
    // A new state repaints and fires OnClick (not while loading).
    void SetState(TCheckBoxState value);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    const TBitmap& Glyph() const { return FGlyph; }
    void SetGlyph(const TBitmap& value);
    bool CustomGlyph() const { return FCustomGlyph; }
    void SetCustomGlyph(bool value) { FCustomGlyph = value; }
    // Unchecked, then grayed when allowed, then checked, then unchecked.
    void Toggle();

protected:
    void WndProc(TMessage& message) override;
    void DrawButton(const DRAWITEMSTRUCT& item) override;
    void ButtonClicked() override { Toggle(); }

private:
    TCanvas Canvas;
    TLeftRight FAlignment = taRightJustify;
    bool FAllowGrayed = false;
    bool FCustomGlyph = false;
    TCheckBoxState FState = cbUnchecked;
    TBitmap FGlyph;
};

class TActiveCheckBox : public TMCustomCheckBox {
public:
    using TMCustomCheckBox::TMCustomCheckBox;
};
