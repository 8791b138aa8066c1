// Pens and brushes of a canvas: a description and the GDI object made from
// it when first needed.
#pragma once

#include <windows.h>

#include "ui/platform/graphics/colors.h"
#include "ui/platform/graphics/gdi_handle.h"
#include "ui/platform/graphics/graphics_object.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// How the pen combines with what is drawn over (the raster operation).
enum TPenMode { pmCopy, pmNotXor, pmXor, pmNot, pmBlack, pmWhite };

class TPen : public TGraphicsObject {
public:
    TPen() = default;

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    int Width() const { return FWidth; }
    void SetWidth(int width);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle style);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode mode);
    // The R2_* value of Mode.
    int Rop2() const;

    HPEN Handle() const;
    void Assign(const TPen& source);

private:
    void DropHandle() override { FHandle.Reset(); }

    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
    mutable TPenHandle FHandle;
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
public:
    TBrush() = default;

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle style);

    HBRUSH Handle() const;
    void Assign(const TBrush& source);

private:
    void DropHandle() override { FHandle.Reset(); }

    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    mutable TBrushHandle FHandle;
};
