#include "ui/platform/graphics/bitmap.h"

#include "ui/platform/graphics/image_codecs.h"
#include "ui/platform/sysutils.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <utility>
#include <vector>

namespace {

std::uint32_t Channel(std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xFFu; }

std::uint32_t Premultiplied(std::uint32_t pixel) {
    const std::uint32_t a = pixel >> 24;
    if (a == 255) return pixel;
    const auto scale = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    return a << 24 | scale(Channel(pixel, 16)) << 16 | scale(Channel(pixel, 8)) << 8 | scale(Channel(pixel, 0));
}

std::uint32_t Straight(std::uint32_t pixel) {
    const std::uint32_t a = pixel >> 24;
    if (a == 255) return pixel;
    if (a == 0) return 0;
    const auto scale = [a](std::uint32_t c) { return std::min<std::uint32_t>(255, (c * 255 + a / 2) / a); };
    return a << 24 | scale(Channel(pixel, 16)) << 16 | scale(Channel(pixel, 8)) << 8 | scale(Channel(pixel, 0));
}

std::wstring SizeText(int width, int height) { return std::to_wstring(width) + L" x " + std::to_wstring(height); }

TDecodedImage Decode(std::span<const std::uint8_t> bytes) {
    try {
        if (IsPngData(bytes)) return DecodePng(bytes);
        if (IsBmpData(bytes)) return DecodeBmp(bytes);
    } catch (const std::bad_alloc&) {
        throw Exception(L"Imaginea nu incape in memorie");
    }
    throw Exception(L"Imaginea nu este in format BMP sau PNG");
}

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

TBitmap::~TBitmap() = default;

TBitmap::TBitmap(TBitmap&& other) noexcept { Swap(other); }

TBitmap& TBitmap::operator=(TBitmap&& other) noexcept {
    if (this != &other) {
        TBitmap taken(std::move(other));
        Swap(taken);
    }
    return *this;
}

void TBitmap::Swap(TBitmap& other) noexcept {
    std::swap(FWidth, other.FWidth);
    std::swap(FHeight, other.FHeight);
    std::swap(FDib, other.FDib);
    std::swap(FBits, other.FBits);
    std::swap(FDC, other.FDC);
    std::swap(FCanvas, other.FCanvas);
    std::swap(FTransparent, other.FTransparent);
    std::swap(FTransparentColor, other.FTransparentColor);
    std::swap(FTransparentMode, other.FTransparentMode);
    std::swap(FPixelFormat, other.FPixelFormat);
    std::swap(FHasAlpha, other.FHasAlpha);
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == 0 || height == 0) width = height = 0;
    if (width == FWidth && height == FHeight) return;
    Allocate(width, height);
    FHasAlpha = false;
}

// A new zero-filled DIB in place of the old one; the context and the canvas stay.
void TBitmap::Allocate(int width, int height) {
    TBitmapHandle dib;
    void* bits = nullptr;
    if (width > 0) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dib.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!dib || !bits) throw EOSError(L"Nu pot crea o imagine de " + SizeText(width, height), GetLastError());
    }
    if (FDC) FDC->SelectBitmap(dib.Get());
    FDib = std::move(dib);
    FBits = static_cast<std::uint32_t*>(bits);
    FWidth = width;
    FHeight = height;
}

HDC TBitmap::SourceDC() const {
    if (!FDC) {
        FDC = std::make_unique<TMemoryDC>();
        FDC->SelectBitmap(FDib.Get());
    }
    return FDC->Get();
}

TCanvas& TBitmap::Canvas() {
    if (!FCanvas) {
        auto canvas = std::make_unique<TCanvas>();
        canvas->SetHandle(SourceDC());
        FCanvas = std::move(canvas);
    }
    return *FCanvas;
}

// GDI may still be drawing into the DIB; the pixels are read after it is done.
std::uint32_t* TBitmap::RawBits() const {
    if (FBits) GdiFlush();
    return FBits;
}

std::uint32_t* TBitmap::Bits() { return RawBits(); }
const std::uint32_t* TBitmap::Bits() const { return RawBits(); }

std::uint32_t* TBitmap::ScanLine(int y) {
    return y >= 0 && y < FHeight ? RawBits() + static_cast<std::size_t>(y) * FWidth : nullptr;
}

const std::uint32_t* TBitmap::ScanLine(int y) const {
    return y >= 0 && y < FHeight ? RawBits() + static_cast<std::size_t>(y) * FWidth : nullptr;
}

TColor TBitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return static_cast<TColor>(-1);
    const std::uint32_t v = RawBits()[static_cast<std::size_t>(y) * FWidth + x];
    return RGBColor(static_cast<std::uint8_t>(Channel(v, 16)), static_cast<std::uint8_t>(Channel(v, 8)),
                    static_cast<std::uint8_t>(Channel(v, 0)));
}

void TBitmap::SetPixel(int x, int y, TColor color) {
    if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return;
    const COLORREF rgb = ColorToRGB(color);
    RawBits()[static_cast<std::size_t>(y) * FWidth + x] =
        OpaqueAlpha() | GetRValue(rgb) << 16 | GetGValue(rgb) << 8 | GetBValue(rgb);
}

TColor TBitmap::TransparentColor() const {
    if (FTransparentMode == tmFixed) return FTransparentColor;
    return Empty() ? clNone : Pixel(0, FHeight - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
    FTransparentColor = color;
    FTransparentMode = color == clDefault ? tmAuto : tmFixed;
}

void TBitmap::Assign(const TBitmap& source) {
    if (&source == this) return;
    SetSize(source.FWidth, source.FHeight);
    if (!Empty()) std::memcpy(RawBits(), source.RawBits(), static_cast<std::size_t>(FWidth) * FHeight * 4);
    FTransparent = source.FTransparent;
    FTransparentColor = source.FTransparentColor;
    FTransparentMode = source.FTransparentMode;
    FPixelFormat = source.FPixelFormat;
    FHasAlpha = source.FHasAlpha;
}

void TBitmap::LoadFromStream(std::span<const std::uint8_t> bytes) {
    TDecodedImage image = Decode(bytes);
    SetSize(image.Width, image.Height);
    FHasAlpha = std::any_of(image.Pixels.begin(), image.Pixels.end(), [](std::uint32_t p) { return p >> 24 != 255; });
    FPixelFormat = image.Format;
    const auto store = [this](std::uint32_t p) { return FHasAlpha ? Premultiplied(p) : (p & 0x00FFFFFFu); };
    std::transform(image.Pixels.begin(), image.Pixels.end(), RawBits(), store);
}

void TBitmap::LoadFromFile(std::wstring_view path) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    try {
        LoadFromStream(bytes);
    } catch (const Exception& e) {
        throw Exception(std::wstring(path) + L": " + e.Message());
    }
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, std::wstring_view name) {
    const std::wstring id(name);
    const std::wstring what = L"Resursa PICTURE \"" + id + L"\"";
    const HRSRC resource = FindResourceW(instance, id.c_str(), L"PICTURE");
    if (!resource) throw Exception(what + L" nu exista");
    const HGLOBAL loaded = LoadResource(instance, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) throw EOSError(what, GetLastError());
    try {
        LoadFromStream({static_cast<const std::uint8_t*>(data), SizeofResource(instance, resource)});
    } catch (const Exception& e) {
        throw Exception(what + L": " + e.Message());
    }
}

void TBitmap::SaveToFile(std::wstring_view path) const {
    if (Empty()) throw Exception(L"Imaginea goala nu poate fi salvata in " + std::wstring(path));
    const std::vector<std::uint8_t> bytes = EncodeBmp24(FWidth, FHeight, RawBits());
    WriteFileBytes(path, bytes.data(), bytes.size());
}

void TBitmap::SaveToPngFile(std::wstring_view path) const {
    if (Empty()) throw Exception(L"Imaginea goala nu poate fi salvata in " + std::wstring(path));
    const std::uint32_t* bits = RawBits();
    std::vector<std::uint32_t> straight;
    if (FHasAlpha) {
        straight.resize(static_cast<std::size_t>(FWidth) * FHeight);
        std::transform(bits, bits + straight.size(), straight.begin(), Straight);
        bits = straight.data();
    }
    const std::vector<std::uint8_t> bytes = EncodePng(FWidth, FHeight, bits, FHasAlpha);
    WriteFileBytes(path, bytes.data(), bytes.size());
}
