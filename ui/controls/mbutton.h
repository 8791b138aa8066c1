// The bevelled button: an owner-drawn push button with a glyph and a caption
// laid out around each other. In its light style it lies flat in its Color
// and shows a raised face only while hot (mouse over or focused).
#pragma once

#include "ui/controls/button_kinds.h"
#include "ui/platform/graphics/bitmap.h"
#include "ui/platform/std_controls.h"

// Where glyph and caption go inside a client area of size `client` (both
// relative to its top-left corner). Margin -1 centres, spacing -1 spreads
// evenly; divisions truncate toward zero.
struct TGlyphLayout {
    TPoint Glyph;
    TPoint Text;
};
TGlyphLayout CalcGlyphLayout(TSize client, TSize glyph, TSize text, TButtonLayout layout, int margin, int spacing);

// The caption as it is measured: each "#" a line break (a lone "#" stays).
std::wstring MeasuredCaption(std::wstring_view caption);

// A button's BM_SETSTYLE keeps the owner-drawn type whatever style it asks for.
void KeepOwnerDrawn(TMessage& message);

class TMButton : public TButton {
public:
    explicit TMButton(TComponent* owner);
    ~TMButton() override;

    TColor ColorOver() const { return FColorOver; }
    void SetColorOver(TColor value);
    bool LightButton() const { return FLightButton; }
    void SetLightButton(bool value);
    // The own glyph strip; empty: the kind's picture.
    const TBitmap& Glyph() const { return FGlyph; }
    void SetGlyph(const TBitmap& value);
    // Sets ModalResult for good: later kind changes keep it.
    void SetModalResult(int value);
    bool ModalResultAssigned() const { return MRAssigned; }
    bool CaptionVisible() const { return FCaption; }
    void SetCaptionVisible(bool value);
    TMButtonKind Kind() const { return FKind; }
    // Values outside the 59 kinds are ignored.
    void SetKind(TMButtonKind value);
    TButtonStyle Style() const { return FStyle; }
    void SetStyle(TButtonStyle value);
    int Delta() const { return FDelta; }
    void SetDelta(int value) { FDelta = value; }
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    TButtonLayout ButtonLayout() const { return FButtonLayout; }
    void SetButtonLayout(TButtonLayout value);
    // Mouse over or focused.
    bool Hot() const { return FDrawFace; }
    // The platform asked for the default-button look.
    bool DefaultLook() const { return IsFocused; }
    // The glyph strip the last paint used.
    const TBitmap* LastGlyph() const { return FOriginal; }

    bool FaraAddWiz = false;  // kept for form definitions; no effect

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void SetButtonStyle(bool isDefault) override;
    void MouseEnter() override;
    void MouseLeave() override;
    virtual void DrawItem(const DRAWITEMSTRUCT& item);

    TColor FColorOver = clBtnFace;
    bool MRAssigned = false;
    bool FLightButton = true;
    bool FDrawFace = false;
    bool IsFocused = false;
    const TBitmap* FOriginal = nullptr;
    TCanvas FCanvas;
    TMButtonKind FKind = mkCustom;
    TButtonStyle FStyle = bsAutoDetect;
    int FDelta = 0;
    int FSpacing = 0;
    int FMargin = -1;
    int FNumGlyphs = 3;
    TButtonLayout FButtonLayout = blGlyphLeft;
    bool FCaption = true;
    TBitmap FGlyph;
    TColor FDisableColor = static_cast<TColor>(-1);

private:
    void SetDrawFace(bool value);
    TRect DrawFace(const TRect& client, bool isDown, bool focused);
    // Glyph and caption inside the content rectangle; answers the caption's rectangle.
    TRect DrawGlyphAndCaption(const TRect& content, int glyphState);
    TSize MeasureCaption(const std::wstring& caption, int width);
    void DrawCaption(const std::wstring& caption, const TRect& textRect);
    void DrawFocus(const TRect& content, const TRect& textRect, bool isDown);
};
