// The picture button: a face cut from the shared 9-slice face bitmap, the
// kind's picture left of the face and a bold caption centred on it, with
// looks for normal, hot, pressed and disabled that can be kept in buffers.
// One picture button at a time is hot (mouse over or focused); a keyboard
// or program click flashes the pressed look for 20 ms; the parts of the
// rectangle that show neither glyph nor face let the mouse through.
#pragma once

#include <array>
#include <memory>

#include "ui/base/globals.h"
#include "ui/controls/button_kinds.h"
#include "ui/platform/graphics/bitmap.h"
#include "ui/platform/std_controls.h"

class TNiceButton : public TButton {
public:
    explicit TNiceButton(TComponent* owner);
    ~TNiceButton() override;

    // The platform's click, then a pressed flash unless the mouse did it.
    void Click() override;
    // Whether a screen point falls on what the last paint drew (glyph or face).
    virtual bool PointInButton(TPoint screenPoint);

    // Marks the caption as explicit: later kind changes keep it.
    void SetCaption(const std::wstring& text);
    bool CaptionVisible() const { return FCaptionV; }
    void SetCaptionVisible(bool value);
    // The own picture, shown only with kind mkCustom.
    const TBitmap& Glyph() const { return FGlyph; }
    void SetGlyph(const TBitmap& value);
    void SetModalResult(int value);
    bool ModalResultAssigned() const { return MRAssigned; }
    TMButtonKind Kind() const { return FKind; }
    // Values outside the 59 kinds are ignored.
    void SetKind(TMButtonKind value);
    bool ForcedDown() const { return FForcedDown; }
    void SetForcedDown(bool value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    TButtonLayout ButtonLayout() const { return FButtonLayout; }
    void SetButtonLayout(TButtonLayout value);
    bool InsideDraw() const { return FInsideDraw; }
    void SetInsideDraw(bool value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Buffered() const { return FBuffered; }
    void SetBuffered(bool value);
    bool InvisibleClick() const { return FInvisibleClick; }
    void SetInvisibleClick(bool value) { FInvisibleClick = value; }
    bool Hot() const { return FDrawFace; }

    bool FaraAddWiz = false;  // kept for form definitions; no effect

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void WndProc(TMessage& message) override;
    void SetButtonStyle(bool isDefault) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void EnabledChanged() override;
    void TextChanged() override;
    virtual void DrawItem(const DRAWITEMSTRUCT& item);
    // Paints one look on a canvas of the button's size.
    virtual void PaintState(TCanvas& canvas, bool isDown, bool hot, bool enabled);

    class TFlashTimer;
    std::unique_ptr<TFlashTimer> FTimer;
    bool FCaptionV = true;
    bool MRAssigned = false;
    bool CpAssigned = false;
    std::array<std::unique_ptr<TBitmap>, 4> BuffBitmap;  // normal, hot, pressed, disabled
    bool FStretch = false;
    bool FBuffered = false;
    bool FBufferFilled = false;
    int GlyphWidth = 0;
    int GlyphHeight = 0;
    TMButtonKind FKind = mkCustom;
    TBitmap FGlyph;
    int FNumGlyphs = 3;
    TButtonLayout FButtonLayout = blGlyphLeft;
    bool FInsideDraw = false;
    bool FMouseDown = false;
    bool FDrawFace = false;
    bool FInvisibleClick = false;
    TCanvas FCanvas;
    bool FForcedDown = false;

private:
    void SetDrawFace(bool value);
    void MouseEnterAction();
    void MouseLeaveAction();
    void BuffersStale();
    void PaintFromBuffers(bool isDown);
    void RebuildBuffers();
    bool HasCaption() const;
    const TBitmap& Picture();
    void PaintFace(TCanvas& canvas, bool isDown, bool hot, int x0);
    void PaintLowColorFace(TCanvas& canvas, bool isDown, bool hot, int x0);
    void PaintCaption(TCanvas& canvas, bool isDown, bool hot, bool enabled, int x0);
    void PaintGlyph(TCanvas& canvas, bool hot, bool enabled);

    bool FSettingKindCaption = false;
};
