// Bitmaps: 32 bits per pixel, top-down DIB sections with their own memory
// device context and canvas. Pixels are 0xAARRGGBB words (B, G, R, A bytes).
// The alpha byte counts only in pictures loaded with see-through pixels
// (HasAlpha), whose colours are then premultiplied by alpha as AlphaBlend
// expects; elsewhere it is 0, as GDI drawing leaves it, and code writing
// Bits() directly keeps it so (the transparent-colour match looks at all
// four bytes on some systems). BMP and PNG pictures load from files, memory
// and resources.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "ui/platform/graphics/canvas.h"
#include "ui/platform/graphics/colors.h"
#include "ui/platform/graphics/gdi_handle.h"

// The pixel format of the picture a bitmap was loaded from; the bitmap
// itself always holds 32 bits per pixel.
enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };
// tmAuto: the transparent colour is the bottom-left pixel; tmFixed: the one set.
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    TBitmap(TBitmap&& other) noexcept;
    TBitmap& operator=(TBitmap&& other) noexcept;
    void Swap(TBitmap& other) noexcept;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Empty() const { return FWidth == 0 || FHeight == 0; }
    // A new size gives new, black pixels (nothing of the old picture is
    // kept) and drops the alpha channel; the same size changes nothing.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, FHeight); }
    void SetHeight(int height) { SetSize(FWidth, height); }

    HBITMAP Handle() const { return FDib.Get(); }
    TCanvas& Canvas();

    // Direct pixel access (rows top-down, Width() words each); nullptr when empty.
    std::uint32_t* Bits();
    const std::uint32_t* Bits() const;
    std::uint32_t* ScanLine(int y);
    const std::uint32_t* ScanLine(int y) const;
    // A pixel's colour (alpha left out); -1 outside the bitmap.
    TColor Pixel(int x, int y) const;
    // Sets an opaque pixel; ignored outside the bitmap.
    void SetPixel(int x, int y, TColor color);

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { FTransparent = value; }
    TColor TransparentColor() const;
    // Fixes the transparent colour (TransparentMode becomes tmFixed).
    void SetTransparentColor(TColor color);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode mode) { FTransparentMode = mode; }

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat format) { FPixelFormat = format; }
    // The picture has see-through pixels in its alpha channel.
    bool HasAlpha() const { return FHasAlpha; }

    // A deep copy of the picture and its settings.
    void Assign(const TBitmap& source);

    // BMP or PNG bytes, told apart by their signature. Throws Exception on
    // anything else or on damaged data; the bitmap is then unchanged.
    void LoadFromStream(std::span<const std::uint8_t> bytes);
    void LoadFromFile(std::wstring_view path);
    // A picture stored as a resource of type PICTURE.
    void LoadFromResourceName(HINSTANCE instance, std::wstring_view name);
    // 24-bit BMP.
    void SaveToFile(std::wstring_view path) const;
    // PNG, with an alpha channel when HasAlpha.
    void SaveToPngFile(std::wstring_view path) const;

private:
    friend class TCanvas;
    // The memory context holding the DIB, made on first use.
    HDC SourceDC() const;
    void Allocate(int width, int height);
    std::uint32_t* RawBits() const;
    std::uint32_t OpaqueAlpha() const { return FHasAlpha ? 0xFF000000u : 0; }

    int FWidth = 0;
    int FHeight = 0;
    // Declared in this order so that the canvas lets go of the context
    // before the context lets go of the DIB.
    TBitmapHandle FDib;
    std::uint32_t* FBits = nullptr;
    mutable std::unique_ptr<TMemoryDC> FDC;
    std::unique_ptr<TCanvas> FCanvas;
    bool FTransparent = false;
    TColor FTransparentColor = clNone;
    TTransparentMode FTransparentMode = tmAuto;
    TPixelFormat FPixelFormat = pfDevice;
    bool FHasAlpha = false;
};
