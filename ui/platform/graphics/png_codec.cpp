// PNG through libpng's simplified interface, which keeps libpng's error
// recovery (setjmp/longjmp) inside libpng and reports failures as results.
#include "ui/platform/graphics/image_codecs.h"

#include "ui/platform/sysutils.h"

#include <png.h>

#include <string>

namespace {

// libpng's state for one picture, freed on every way out.
class TPngImage {
public:
    TPngImage() { FImage.version = PNG_IMAGE_VERSION; }
    ~TPngImage() { png_image_free(&FImage); }
    TPngImage(const TPngImage&) = delete;
    TPngImage& operator=(const TPngImage&) = delete;
    png_image* operator->() { return &FImage; }
    png_image* Get() { return &FImage; }

private:
    png_image FImage{};
};

[[noreturn]] void Fail(const wchar_t* what, const png_image& image) {
    throw Exception(std::wstring(what) + AnsiToWide(image.message));
}

TPixelFormat SourceFormat(png_uint_32 format) {
    if (format & PNG_FORMAT_FLAG_COLORMAP) return pf8bit;
    if (format & PNG_FORMAT_FLAG_ALPHA) return pf32bit;
    if (!(format & PNG_FORMAT_FLAG_COLOR)) return pf8bit;
    return pf24bit;
}

void CheckSize(png_uint_32 width, png_uint_32 height) {
    if (width == 0 || height == 0 || width > MaxImageSide || height > MaxImageSide ||
        static_cast<std::int64_t>(width) * height > MaxImagePixels)
        throw Exception(L"Imagine PNG prea mare: " + std::to_wstring(width) + L" x " + std::to_wstring(height));
}

// Straight BGRA words to packed BGR bytes.
std::vector<std::uint8_t> ToBgr(std::size_t count, const std::uint32_t* pixels) {
    std::vector<std::uint8_t> bgr(count * 3);
    for (std::size_t i = 0; i < count; ++i) {
        bgr[i * 3] = static_cast<std::uint8_t>(pixels[i]);
        bgr[i * 3 + 1] = static_cast<std::uint8_t>(pixels[i] >> 8);
        bgr[i * 3 + 2] = static_cast<std::uint8_t>(pixels[i] >> 16);
    }
    return bgr;
}

}  // namespace

bool IsPngData(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 8 && png_sig_cmp(bytes.data(), 0, 8) == 0;
}

TDecodedImage DecodePng(std::span<const std::uint8_t> bytes) {
    constexpr const wchar_t* Damaged = L"Imagine PNG invalida: ";
    TPngImage image;
    if (!png_image_begin_read_from_memory(image.Get(), bytes.data(), bytes.size())) Fail(Damaged, *image.Get());
    CheckSize(image->width, image->height);
    TDecodedImage decoded;
    decoded.Width = static_cast<int>(image->width);
    decoded.Height = static_cast<int>(image->height);
    decoded.Format = SourceFormat(image->format);
    decoded.Pixels.resize(static_cast<std::size_t>(decoded.Width) * decoded.Height);
    image->format = PNG_FORMAT_BGRA;
    if (!png_image_finish_read(image.Get(), nullptr, decoded.Pixels.data(), 0, nullptr)) Fail(Damaged, *image.Get());
    return decoded;
}

std::vector<std::uint8_t> EncodePng(int width, int height, const std::uint32_t* pixels, bool withAlpha) {
    constexpr const wchar_t* Failed = L"Nu pot scrie imaginea PNG: ";
    TPngImage image;
    image->width = static_cast<png_uint_32>(width);
    image->height = static_cast<png_uint_32>(height);
    image->format = withAlpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
    const std::size_t count = static_cast<std::size_t>(width) * height;
    std::vector<std::uint8_t> packed;
    const void* source = pixels;
    if (!withAlpha) {
        packed = ToBgr(count, pixels);
        source = packed.data();
    }
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(image.Get(), nullptr, &size, 0, source, 0, nullptr)) Fail(Failed, *image.Get());
    std::vector<std::uint8_t> bytes(size);
    if (!png_image_write_to_memory(image.Get(), bytes.data(), &size, 0, source, 0, nullptr))
        Fail(Failed, *image.Get());
    bytes.resize(size);
    return bytes;
}
