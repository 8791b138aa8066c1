// A drawing surface over a device context. The canvas's font, pen and brush
// are selected into the context by the first call that needs them and stay
// there until the canvas lets the context go (SetHandle or destruction),
// when the context gets its own objects back. The canvas never owns the
// context; a bitmap's canvas draws on the bitmap's own memory context.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <span>
#include <string_view>

#include "ui/platform/graphics/colors.h"
#include "ui/platform/graphics/font.h"
#include "ui/platform/graphics/pen_brush.h"
#include "ui/platform/types.h"

class TBitmap;

enum TFillStyle { fsSurface, fsBorder };

class TCanvas {
public:
    TCanvas();
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    HDC Handle() const { return FDC; }
    // Binds the canvas to a device context (nullptr: none), releasing the previous one.
    void SetHandle(HDC dc);
    bool HandleAllocated() const { return FDC != nullptr; }

    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    TPen& Pen() { return FPen; }
    const TPen& Pen() const { return FPen; }
    TBrush& Brush() { return FBrush; }
    const TBrush& Brush() const { return FBrush; }
    // Selects font, pen and brush and sets the text colours, ahead of Win32
    // calls made directly on Handle().
    void Prepare();
    // Raster operation of CopyRect and of opaque bitmap drawing.
    DWORD CopyMode() const { return FCopyMode; }
    void SetCopyMode(DWORD mode) { FCopyMode = mode; }

    // A pixel's colour; -1 outside the surface or without a context.
    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor color);

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    TPoint PenPos() const;
    void SetPenPos(TPoint point) { MoveTo(point.X, point.Y); }

    // With the brush.
    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    // Outlined with the pen, filled with the brush.
    void Rectangle(const TRect& rect);
    void Rectangle(int left, int top, int right, int bottom) { Rectangle(TRect(left, top, right, bottom)); }
    void RoundRect(const TRect& rect, int cornerWidth, int cornerHeight);
    void Ellipse(const TRect& rect);
    void Polygon(std::span<const TPoint> points);
    void Polygon(std::initializer_list<TPoint> points) { Polygon(std::span(points.begin(), points.size())); }
    // With the pen only.
    void Polyline(std::span<const TPoint> points);
    void Polyline(std::initializer_list<TPoint> points) { Polyline(std::span(points.begin(), points.size())); }
    void DrawFocusRect(const TRect& rect);

    // Text in the font and its colour, on the brush colour unless the brush is bsClear.
    void TextOut(int x, int y, std::wstring_view text);
    // Text clipped to rect, started at (x, y); the rect is filled first when the brush is solid.
    void TextRect(const TRect& rect, int x, int y, std::wstring_view text);
    // Win32 DrawText with DT_* flags; returns the text height. With
    // DT_CALCRECT nothing is drawn and rect receives the text's extent.
    int DrawText(std::wstring_view text, TRect& rect, UINT flags);
    TSize TextExtent(std::wstring_view text);
    int TextWidth(std::wstring_view text) { return TextExtent(text).cx; }
    int TextHeight(std::wstring_view text) { return TextExtent(text).cy; }

    // A bitmap at its own size, or stretched into rect. Pictures with an
    // alpha channel are blended; transparent ones leave their transparent
    // colour's pixels untouched; others are copied with CopyMode.
    void Draw(int x, int y, const TBitmap& bitmap);
    void StretchDraw(const TRect& rect, const TBitmap& bitmap);
    // As StretchDraw, with `key` as the transparent colour (clNone: none)
    // whatever the bitmap's own settings, so shared pictures stay untouched.
    void StretchDrawKeyed(const TRect& rect, const TBitmap& bitmap, TColor key);
    // The `source` part of a bitmap stretched into `dest`, leaving the
    // pixels of colour `key` untouched.
    void DrawPartKeyed(const TRect& dest, const TBitmap& bitmap, const TRect& source, TColor key);
    // Part of another canvas, stretched when the sizes differ.
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);
    void CopyRect(const TRect& dest, const TBitmap& source, const TRect& sourceRect);
    // Fills with the brush from (x, y): fsSurface the area of colour `color`,
    // fsBorder the area up to a border of colour `color`.
    void FloodFill(int x, int y, TColor color, TFillStyle style);

    // The part of the surface that drawing can reach.
    TRect ClipRect() const;

private:
    enum TToolSlot { tsPen, tsBrush, tsFont, tsCount };

    void Select(TToolSlot slot, HGDIOBJ object);
    void Deselect(TToolSlot slot);
    void CopyRect(const TRect& dest, HDC source, const TRect& sourceRect);
    void RequirePen();
    void RequireBrush();
    void RequireText();

    HDC FDC = nullptr;
    TFont FFont;
    TPen FPen;
    TBrush FBrush;
    HGDIOBJ FOriginal[tsCount] = {};  // the context's own object of each slot while ours is selected
    DWORD FCopyMode = SRCCOPY;
};
