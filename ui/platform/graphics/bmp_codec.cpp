// BMP files: the Windows headers (core, info and later versions),
// uncompressed 1, 4, 8, 16, 24 and 32 bits per pixel, with bit-field masks
// for 16 and 32 bits. Every offset is checked against the data first.
#include "ui/platform/graphics/image_codecs.h"

#include "ui/platform/sysutils.h"

#include <windows.h>

#include <algorithm>
#include <bit>
#include <string>

namespace {

[[noreturn]] void Bad(const wchar_t* reason) { throw Exception(std::wstring(L"Imagine BMP invalida: ") + reason); }

class TReader {
public:
    explicit TReader(std::span<const std::uint8_t> bytes) : FBytes(bytes) {}
    bool Has(std::uint64_t offset, std::uint64_t count) const {
        return offset <= FBytes.size() && count <= FBytes.size() - offset;
    }
    const std::uint8_t* At(std::size_t offset) const { return FBytes.data() + offset; }
    std::uint16_t U16(std::size_t offset) const {
        return static_cast<std::uint16_t>(FBytes[offset] | FBytes[offset + 1] << 8);
    }
    std::uint32_t U32(std::size_t offset) const {
        return static_cast<std::uint32_t>(U16(offset)) | static_cast<std::uint32_t>(U16(offset + 2)) << 16;
    }

private:
    std::span<const std::uint8_t> FBytes;
};

// One colour channel of a bit-field pixel.
struct TChannel {
    std::uint32_t Mask = 0;
    int Shift = 0;
    std::uint32_t Max = 0;

    explicit TChannel(std::uint32_t mask = 0) : Mask(mask) {
        if (!mask) return;
        Shift = std::countr_zero(mask);
        Max = mask >> Shift;
    }
    std::uint32_t Value(std::uint32_t pixel) const { return Max ? ((pixel & Mask) >> Shift) * 255 / Max : 0; }
};

struct THeader {
    int Width = 0;
    int Height = 0;
    bool TopDown = false;
    int BitCount = 0;
    std::uint32_t Compression = BI_RGB;
    std::uint32_t ColorsUsed = 0;
    std::size_t PaletteOffset = 0;
    int PaletteEntrySize = 4;
    std::uint32_t Masks[3] = {};
    std::size_t PixelOffset = 0;
};

void ReadCoreHeader(const TReader& r, THeader& h) {
    if (!r.Has(14, 12)) Bad(L"antet trunchiat");
    h.Width = r.U16(18);
    h.Height = static_cast<std::int16_t>(r.U16(20));
    if (r.U16(22) != 1) Bad(L"numar de planuri gresit");
    h.BitCount = r.U16(24);
    h.PaletteOffset = 26;
    h.PaletteEntrySize = 3;
}

void ReadInfoHeader(const TReader& r, std::uint32_t size, THeader& h) {
    if (!r.Has(14, size)) Bad(L"antet trunchiat");
    h.Width = static_cast<std::int32_t>(r.U32(18));
    h.Height = static_cast<std::int32_t>(r.U32(22));
    if (r.U16(26) != 1) Bad(L"numar de planuri gresit");
    h.BitCount = r.U16(28);
    h.Compression = r.U32(30);
    h.ColorsUsed = r.U32(46);
    h.PaletteOffset = 14 + size;
    if (h.Compression != BI_BITFIELDS) return;
    // The masks follow a plain info header, or sit inside the later headers.
    if (size == 40) {
        if (!r.Has(54, 12)) Bad(L"masti trunchiate");
        h.PaletteOffset += 12;
    }
    for (int i = 0; i < 3; ++i) h.Masks[i] = r.U32(54 + 4 * i);
}

void Validate(THeader& h) {
    const bool knownDepth = h.BitCount == 1 || h.BitCount == 4 || h.BitCount == 8 || h.BitCount == 16 ||
                            h.BitCount == 24 || h.BitCount == 32;
    if (!knownDepth) Bad(L"numar de biti pe pixel necunoscut");
    const bool fields = h.Compression == BI_BITFIELDS && (h.BitCount == 16 || h.BitCount == 32);
    if (h.Compression != BI_RGB && !fields) Bad(L"compresie nesuportata");
    if (h.Height == INT32_MIN) Bad(L"inaltime gresita");
    h.TopDown = h.Height < 0;
    h.Height = h.TopDown ? -h.Height : h.Height;
    if (h.Width <= 0 || h.Height <= 0 || h.Width > MaxImageSide || h.Height > MaxImageSide ||
        static_cast<std::int64_t>(h.Width) * h.Height > MaxImagePixels)
        Bad(L"dimensiuni gresite");
    if (h.BitCount == 16 && h.Compression == BI_RGB) {
        h.Masks[0] = 0x7C00;
        h.Masks[1] = 0x03E0;
        h.Masks[2] = 0x001F;
    }
}

THeader ReadHeader(const TReader& r) {
    if (!r.Has(0, 18) || r.U16(0) != 0x4D42) Bad(L"antet trunchiat");
    THeader h;
    h.PixelOffset = r.U32(10);
    const std::uint32_t size = r.U32(14);
    if (size == 12) ReadCoreHeader(r, h);
    else if (size >= 40 && size <= 1024) ReadInfoHeader(r, size, h);
    else Bad(L"antet necunoscut");
    Validate(h);
    return h;
}

std::vector<std::uint32_t> ReadPalette(const TReader& r, const THeader& h) {
    if (h.BitCount > 8) return {};
    const std::uint32_t full = 1u << h.BitCount;
    const std::uint32_t count = h.ColorsUsed ? std::min(h.ColorsUsed, full) : full;
    if (!r.Has(h.PaletteOffset, static_cast<std::uint64_t>(count) * h.PaletteEntrySize)) Bad(L"paleta trunchiata");
    std::vector<std::uint32_t> palette(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t* entry = r.At(h.PaletteOffset + i * h.PaletteEntrySize);
        palette[i] = 0xFF000000u | entry[2] << 16 | entry[1] << 8 | entry[0];
    }
    return palette;
}

std::uint32_t IndexedPixel(const std::uint8_t* row, int x, int bits, const std::vector<std::uint32_t>& palette) {
    const int bit = x * bits;
    const unsigned index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
    return index < palette.size() ? palette[index] : 0xFF000000u;
}

std::uint32_t RgbPixel(const std::uint8_t* p) { return 0xFF000000u | p[2] << 16 | p[1] << 8 | p[0]; }

std::uint32_t LittleEndian(const std::uint8_t* p, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | p[i];
    return value;
}

void DecodeRow(const std::uint8_t* row, const THeader& h, const std::vector<std::uint32_t>& palette,
               std::uint32_t* out) {
    const int bytesPerPixel = h.BitCount / 8;
    const bool fields = h.BitCount == 16 || h.Compression == BI_BITFIELDS;
    const TChannel red(h.Masks[0]), green(h.Masks[1]), blue(h.Masks[2]);
    for (int x = 0; x < h.Width; ++x) {
        if (h.BitCount <= 8) {
            out[x] = IndexedPixel(row, x, h.BitCount, palette);
        } else if (!fields) {
            out[x] = RgbPixel(row + x * bytesPerPixel);
        } else {
            const std::uint32_t v = LittleEndian(row + x * bytesPerPixel, bytesPerPixel);
            out[x] = 0xFF000000u | red.Value(v) << 16 | green.Value(v) << 8 | blue.Value(v);
        }
    }
}

TPixelFormat FormatOf(const THeader& h) {
    switch (h.BitCount) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 16: return h.Masks[1] == 0x03E0 ? pf15bit : pf16bit;
    case 24: return pf24bit;
    default: return pf32bit;
    }
}

void Put16(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::uint8_t* p, std::uint32_t v) {
    Put16(p, v);
    Put16(p + 2, v >> 16);
}

}  // namespace

bool IsBmpData(std::span<const std::uint8_t> bytes) { return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M'; }

TDecodedImage DecodeBmp(std::span<const std::uint8_t> bytes) {
    const TReader r(bytes);
    const THeader h = ReadHeader(r);
    const std::uint64_t stride = (static_cast<std::uint64_t>(h.Width) * h.BitCount + 31) / 32 * 4;
    if (!r.Has(h.PixelOffset, stride * h.Height)) Bad(L"date trunchiate");
    const std::vector<std::uint32_t> palette = ReadPalette(r, h);
    TDecodedImage image;
    image.Width = h.Width;
    image.Height = h.Height;
    image.Format = FormatOf(h);
    image.Pixels.resize(static_cast<std::size_t>(h.Width) * h.Height);
    for (int y = 0; y < h.Height; ++y) {
        const int sourceRow = h.TopDown ? y : h.Height - 1 - y;
        DecodeRow(r.At(h.PixelOffset + sourceRow * stride), h, palette, image.Pixels.data() + y * h.Width);
    }
    return image;
}

std::vector<std::uint8_t> EncodeBmp24(int width, int height, const std::uint32_t* pixels) {
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    const std::size_t imageSize = stride * height;
    std::vector<std::uint8_t> bytes(54 + imageSize);
    std::uint8_t* p = bytes.data();
    Put16(p, 0x4D42);
    Put32(p + 2, static_cast<std::uint32_t>(bytes.size()));
    Put32(p + 10, 54);
    Put32(p + 14, 40);
    Put32(p + 18, static_cast<std::uint32_t>(width));
    Put32(p + 22, static_cast<std::uint32_t>(height));  // bottom-up
    Put16(p + 26, 1);
    Put16(p + 28, 24);
    Put32(p + 34, static_cast<std::uint32_t>(imageSize));
    Put32(p + 38, 3780);  // 96 pixels per inch
    Put32(p + 42, 3780);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = p + 54 + (height - 1 - y) * stride;
        const std::uint32_t* source = pixels + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<std::uint8_t>(source[x]);
            row[3 * x + 1] = static_cast<std::uint8_t>(source[x] >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(source[x] >> 16);
        }
    }
    return bytes;
}
