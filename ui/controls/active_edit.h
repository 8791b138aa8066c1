// The active edit: a one-line edit with an associated label, text shown
// right-aligned or centred while it does not have the focus (painted by the
// edit itself; the system always edits left-aligned), and an optional flat
// one-pixel border whose colour follows a focus flag.
#pragma once

#include <memory>

#include "ui/controls/active_label.h"
#include "ui/platform/edit_controls.h"
#include "ui/platform/ext_controls.h"

class TActiveEdit : public TEdit {
public:
    explicit TActiveEdit(TComponent* owner);
    ~TActiveEdit() override;

    // The alignment of the text shown while the edit does not have the
    // focus; while it has the focus this is left and the stored one waits.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TActiveLabel* AssocLabel() const { return FLink.Label(); }
    void SetAssocLabel(TActiveLabel* label) { FLink.SetLabel(label); }
    TColor LabelColor() const { return FLink.LabelColor; }
    void SetLabelColor(TColor value) { FLink.LabelColor = value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    TColor BorderColorF() const { return FBorderColorF; }
    void SetBorderColorF(TColor value);
    bool FlatStyle() const { return FFlatStyle; }
    void SetFlatStyle(bool value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    // The inset of the aligned text: a quarter of the smaller line height of
    // the screen's default font and the edit's font.
    int TextMargin() const { return FTextMargin; }

protected:
    void WndProc(TMessage& message) override;
    void PaintWindow(HDC dc) override;
    void PaintNonClient(HDC dc) override;
    void FontChanged() override;

private:
    // 3-D look, FlatStyle and a single border.
    bool IsFlat() const;
    void SetFocused(bool value);
    void FocusGained(TMessage& m);
    void FocusLost(TMessage& m);
    void UpdateTextMargin();
    TCanvas& Canvas();
    // One paint of the client area, on `dc` when printed, else on the
    // window's own paint.
    void PaintClient(TMessage& m, HDC dc);
    void PaintAlignedText(HDC dc);
    // The one-pixel BorderColor frame of a single border without the 3-D
    // look, on a context whose origin is `origin` in client coordinates.
    void FrameClient(HDC dc, TPoint origin);
    void PaintFlatBorder(HDC windowDC);
    void PaintFlatBorderNow();

    TLabelLink FLink;
    TAlignment FOldAlignment = taLeftJustify;
    TAlignment FAlignment = taLeftJustify;
    std::unique_ptr<TCanvas> FCanvas;
    int FTextMargin = 0;
    TColor FBorderColor = clGray;
    TColor FBorderColorF = clWhite;
    bool FFlatStyle = false;
    TBevelCut FBevelOuter = bvNone;
    bool FFocused = false;
};
