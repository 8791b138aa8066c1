// Reading and writing BMP and PNG pictures as 32-bit pixel arrays. Internal
// to the graphics library: TBitmap is the public face.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "ui/platform/graphics/bitmap.h"

// Pixels top-down, 0xAARRGGBB with straight (not premultiplied) alpha;
// opaque pictures have alpha 255 throughout.
struct TDecodedImage {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;
    TPixelFormat Format = pf24bit;
};

// Largest picture accepted, per side and in total pixels.
inline constexpr int MaxImageSide = 32768;
inline constexpr std::int64_t MaxImagePixels = 16LL * 1024 * 1024;

bool IsPngData(std::span<const std::uint8_t> bytes);
bool IsBmpData(std::span<const std::uint8_t> bytes);
// Both throw Exception with the reason when the data is not a picture they can read.
TDecodedImage DecodePng(std::span<const std::uint8_t> bytes);
TDecodedImage DecodeBmp(std::span<const std::uint8_t> bytes);

// `pixels` as above; a 24-bit bottom-up BMP file, or a PNG (RGBA when withAlpha, else RGB).
std::vector<std::uint8_t> EncodeBmp24(int width, int height, const std::uint32_t* pixels);
std::vector<std::uint8_t> EncodePng(int width, int height, const std::uint32_t* pixels, bool withAlpha);
