// The active combo box: an associated label like the active edit's, an
// optional flat border with its own drop-down button, separator and arrow,
// and completion of typed text from its list.
#pragma once

#include "ui/controls/active_label.h"
#include "ui/platform/edit_controls.h"
#include "ui/platform/ext_controls.h"

class TActiveCombo : public TComboBox {
public:
    explicit TActiveCombo(TComponent* owner);

    TActiveLabel* AssocLabel() const { return FLink.Label(); }
    void SetAssocLabel(TActiveLabel* label) { FLink.SetLabel(label); }
    TColor LabelColor() const { return FLink.LabelColor; }
    void SetLabelColor(TColor value) { FLink.LabelColor = value; }
    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor value) { FButtonColor = value; }
    TColor ArrowColor() const { return FArrowColor; }
    void SetArrowColor(TColor value) { FArrowColor = value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    TColor BorderColorF() const { return FBorderColorF; }
    void SetBorderColorF(TColor value);
    bool FlatStyle() const { return FFlatStyle; }
    void SetFlatStyle(bool value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    // Typed text is completed from the first item that begins with it.
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool value) { FAutoComplete = value; }
    // The last key pressed was Escape while the list was open.
    bool WasDroppedDown() const { return FWasDroppedDown; }
    // The focus is in the combo box (its own look of it).
    bool FocusedLook() const { return fFocused; }

protected:
    void WndProc(TMessage& message) override;
    void PaintWindow(HDC dc) override;
    void PaintNonClient(HDC dc) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void Change() override;
    void CloseUp() override;

private:
    // 3-D look, FlatStyle and a single border.
    bool IsFlat() const;
    void Command(TMessage& m);
    void Complete();
    // The flat border and the button, on a context of the whole window.
    void PaintFlatParts(HDC dc);
    void PaintFlatPartsNow();
    void PaintButton();
    void RecreateWhenFlat();

    TCanvas FCanvas;
    TColor FButtonColor = clBtnFace;
    TColor FArrowColor = clBlack;
    TColor FBorderColor = clGray;
    TColor FBorderColorF = clWhite;
    bool FFlatStyle = false;
    bool fFocused = false;
    TBevelCut FBevelOuter = bvNone;
    TBorderStyle FBorderStyle = bsNone;
    TLabelLink FLink;
    bool FWasDroppedDown = false;
    bool FAutoComplete = false;
    WORD LastKey = 0;
    bool FTyping = false;  // the change being reported was typed
};
