#include "tests/graphics/graphics_test_support.h"

#include <windows.h>

#include <zlib.h>

#include <algorithm>

TBytes BigEndian32(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
            static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

TBytes PngChunk(const std::string& type, const TBytes& data) {
    TBytes body(type.begin(), type.end());
    body.insert(body.end(), data.begin(), data.end());
    TBytes chunk = BigEndian32(static_cast<std::uint32_t>(data.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    const TBytes crc = BigEndian32(static_cast<std::uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
    chunk.insert(chunk.end(), crc.begin(), crc.end());
    return chunk;
}

TBytes MakePng(int width, int height, int bitDepth, int colorType, const std::vector<TBytes>& rows,
               const std::vector<TPngChunk>& extraChunks) {
    TBytes file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const auto append = [&file](const TBytes& bytes) { file.insert(file.end(), bytes.begin(), bytes.end()); };
    TBytes header = BigEndian32(static_cast<std::uint32_t>(width));
    const TBytes h = BigEndian32(static_cast<std::uint32_t>(height));
    header.insert(header.end(), h.begin(), h.end());
    header.insert(header.end(), {static_cast<std::uint8_t>(bitDepth), static_cast<std::uint8_t>(colorType), 0, 0, 0});
    append(PngChunk("IHDR", header));
    for (const TPngChunk& chunk : extraChunks) append(PngChunk(chunk.Type, chunk.Data));
    TBytes raw;
    for (const TBytes& row : rows) {
        raw.push_back(0);  // filter: none
        raw.insert(raw.end(), row.begin(), row.end());
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    TBytes packed(packedSize);
    compress(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()));
    packed.resize(packedSize);
    append(PngChunk("IDAT", packed));
    append(PngChunk("IEND", {}));
    return file;
}

namespace {

void Put(TBytes& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

TBytes MakeBmp(const TBmpLayout& layout) {
    const std::uint32_t masksSize = layout.Compression == BI_BITFIELDS ? 12 : 0;
    const auto offset = static_cast<std::uint32_t>(54 + masksSize + 4 * layout.Palette.size());
    std::size_t imageSize = 0;
    for (const TBytes& row : layout.Rows) imageSize += row.size();
    TBytes file;
    Put(file, 0x4D42, 2);
    Put(file, static_cast<std::uint32_t>(offset + imageSize), 4);
    Put(file, 0, 4);
    Put(file, offset, 4);
    Put(file, 40, 4);
    Put(file, static_cast<std::uint32_t>(layout.Width), 4);
    Put(file, static_cast<std::uint32_t>(layout.Height), 4);
    Put(file, 1, 2);
    Put(file, static_cast<std::uint32_t>(layout.BitCount), 2);
    Put(file, layout.Compression, 4);
    Put(file, static_cast<std::uint32_t>(imageSize), 4);
    Put(file, 3780, 4);
    Put(file, 3780, 4);
    Put(file, static_cast<std::uint32_t>(layout.Palette.size()), 4);
    Put(file, 0, 4);
    for (std::uint32_t mask : layout.Masks) Put(file, mask, 4);
    for (std::uint32_t rgb : layout.Palette) Put(file, rgb, 4);  // B, G, R, 0
    for (const TBytes& row : layout.Rows) file.insert(file.end(), row.begin(), row.end());
    return file;
}

void Fill(TBitmap& bitmap, TColor color) {
    bitmap.Canvas().Brush().SetStyle(bsSolid);
    bitmap.Canvas().Brush().SetColor(color);
    bitmap.Canvas().FillRect({0, 0, bitmap.Width(), bitmap.Height()});
}

TRect InkBounds(const TBitmap& bitmap, TColor color) {
    TRect box{bitmap.Width(), bitmap.Height(), 0, 0};
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            if (bitmap.Pixel(x, y) != color) continue;
            box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
        }
    }
    return box.IsEmpty() ? TRect{} : box;
}

int CountPixels(const TBitmap& bitmap, TColor color) {
    int count = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) count += bitmap.Pixel(x, y) == color;
    return count;
}
