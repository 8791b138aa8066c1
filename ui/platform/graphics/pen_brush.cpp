#include "ui/platform/graphics/pen_brush.h"

namespace {

int PenStyleFlag(TPenStyle style) {
    switch (style) {
    case psDash: return PS_DASH;
    case psDot: return PS_DOT;
    case psDashDot: return PS_DASHDOT;
    case psDashDotDot: return PS_DASHDOTDOT;
    case psClear: return PS_NULL;
    case psInsideFrame: return PS_INSIDEFRAME;
    default: return PS_SOLID;
    }
}

int HatchStyle(TBrushStyle style) {
    switch (style) {
    case bsHorizontal: return HS_HORIZONTAL;
    case bsVertical: return HS_VERTICAL;
    case bsFDiagonal: return HS_FDIAGONAL;
    case bsBDiagonal: return HS_BDIAGONAL;
    case bsCross: return HS_CROSS;
    default: return HS_DIAGCROSS;
    }
}

}  // namespace

void TPen::SetColor(TColor color) {
    if (color == FColor) return;
    FColor = color;
    Changed(true);
}

void TPen::SetWidth(int width) {
    if (width < 0 || width == FWidth) return;
    FWidth = width;
    Changed(true);
}

void TPen::SetStyle(TPenStyle style) {
    if (style == FStyle) return;
    FStyle = style;
    Changed(true);
}

void TPen::SetMode(TPenMode mode) {
    if (mode == FMode) return;
    FMode = mode;
    Changed(false);
}

int TPen::Rop2() const {
    switch (FMode) {
    case pmNotXor: return R2_NOTXORPEN;
    case pmXor: return R2_XORPEN;
    case pmNot: return R2_NOT;
    case pmBlack: return R2_BLACK;
    case pmWhite: return R2_WHITE;
    default: return R2_COPYPEN;
    }
}

HPEN TPen::Handle() const {
    if (!FHandle) FHandle.Reset(CreatePen(PenStyleFlag(FStyle), FWidth, ColorToRGB(FColor)));
    return FHandle.Get();
}

void TPen::Assign(const TPen& source) {
    if (&source == this) return;
    const bool alteredHandle = FColor != source.FColor || FWidth != source.FWidth || FStyle != source.FStyle;
    if (!alteredHandle && FMode == source.FMode) return;
    FColor = source.FColor;
    FWidth = source.FWidth;
    FStyle = source.FStyle;
    FMode = source.FMode;
    Changed(alteredHandle);
}

void TBrush::SetColor(TColor color) {
    if (color == FColor) return;
    FColor = color;
    Changed(true);
}

void TBrush::SetStyle(TBrushStyle style) {
    if (style == FStyle) return;
    FStyle = style;
    Changed(true);
}

HBRUSH TBrush::Handle() const {
    if (!FHandle) {
        const COLORREF rgb = ColorToRGB(FColor);
        if (FStyle == bsSolid) FHandle.Reset(CreateSolidBrush(rgb));
        else if (FStyle == bsClear) {
            const LOGBRUSH hollow{BS_NULL, 0, 0};
            FHandle.Reset(CreateBrushIndirect(&hollow));
        }
        else FHandle.Reset(CreateHatchBrush(HatchStyle(FStyle), rgb));
    }
    return FHandle.Get();
}

void TBrush::Assign(const TBrush& source) {
    if (&source == this || (FColor == source.FColor && FStyle == source.FStyle)) return;
    FColor = source.FColor;
    FStyle = source.FStyle;
    Changed(true);
}
