// Helpers of the graphics tests: counting GDI objects and building small
// picture files byte by byte.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "tests/support/gui_support.h"
#include "ui/platform/graphics/bitmap.h"

using TBytes = std::vector<std::uint8_t>;


// A PNG file: IHDR, the extra chunks in order, one IDAT of the given
// unfiltered scanlines (filter bytes are added), IEND.
struct TPngChunk {
    std::string Type;
    TBytes Data;
};
TBytes MakePng(int width, int height, int bitDepth, int colorType, const std::vector<TBytes>& rows,
               const std::vector<TPngChunk>& extraChunks = {});
// A chunk with its length and CRC, to splice into files.
TBytes PngChunk(const std::string& type, const TBytes& data);
TBytes BigEndian32(std::uint32_t value);

// A BMP file with a 40-byte info header. `rows` are the stored rows in file
// order, padding included; `palette` is 0x00RRGGBB entries; `masks` (red,
// green, blue) follow the header when compression is BI_BITFIELDS.
struct TBmpLayout {
    int Width = 0;
    int Height = 0;  // negative: top-down
    int BitCount = 24;
    std::uint32_t Compression = 0;
    std::vector<std::uint32_t> Palette;
    std::vector<std::uint32_t> Masks;
    std::vector<TBytes> Rows;
};
TBytes MakeBmp(const TBmpLayout& layout);

// A bitmap filled with one colour.
void Fill(TBitmap& bitmap, TColor color);
// Bounding box of the pixels of a colour; empty when there are none.
TRect InkBounds(const TBitmap& bitmap, TColor color);
int CountPixels(const TBitmap& bitmap, TColor color);
