// The caption strip at the top of every framework form: a gradient (or one
// solid colour) with the form's caption in bold, gray while the form is
// disabled.
#pragma once

#include <cstdint>

#include "ui/platform/control.h"

enum TIconStyle : std::uint8_t { isNone, isSearch, isDetail };

class TTitleBar : public TGraphicControl {
public:
    // The owner must be a form: its pixels per inch give the scale.
    explicit TTitleBar(TComponent* owner);

    bool Vertical() const { return FVertical; }
    void SetVertical(bool value);
    bool Grayed() const { return FGrayed; }
    void SetGrayed(bool value);
    TIconStyle IconStyle() const { return FIconStyle; }
    void SetIconStyle(TIconStyle value);
    TColor StartColor() const { return FStartColor; }
    void SetStartColor(TColor value);
    TColor EndColor() const { return FEndColor; }
    void SetEndColor(TColor value);
    TColor CaptionColor() const { return Font().Color(); }
    void SetCaptionColor(TColor value);
    void SetBounds(int left, int top, int width, int height) override;

    int IconSpace = 10;         // room before the caption
    double Scara = 1.0;         // the owner form's pixels per inch / 96
    int CaptionAreaWidth() const { return FWidth; }

protected:
    void Paint() override;
    void TextChanged() override;

private:
    void UpdateCaptionArea();
    void FillBackground(TCanvas& canvas);
    void DrawCaption(TCanvas& canvas);

    bool FVertical = false;
    bool FGrayed = false;
    int FWidth = 0;
    TIconStyle FIconStyle = isNone;
    TColor FStartColor = static_cast<TColor>(5058564);
    TColor FEndColor = static_cast<TColor>(15724527);
};

// Fills `rect` with a gradient from `start` to `end`, column by column
// (row by row when vertical); equal colours give one solid fill.
void FillGradient(TCanvas& canvas, const TRect& rect, TColor start, TColor end, bool vertical);

void RegisterTitleBar(class TClassRegistry& registry);
