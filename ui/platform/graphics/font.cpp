#include "ui/platform/graphics/font.h"

#include "ui/platform/graphics/screen_caps.h"

#include <algorithm>
#include <utility>

namespace {

BYTE PitchAndFamily(TFontPitch pitch) {
    switch (pitch) {
    case fpVariable: return VARIABLE_PITCH;
    case fpFixed: return FIXED_PITCH;
    default: return DEFAULT_PITCH;
    }
}

}  // namespace

TFont::TFont() : FPixelsPerInch(ScreenPixelsPerInch()) {}

template <typename T>
void TFont::Update(T TDescription::*field, T value, bool alteredHandle) {
    if (FDesc.*field == value) return;
    FDesc.*field = std::move(value);
    Changed(alteredHandle);
}

void TFont::SetName(std::wstring_view name) { Update(&TDescription::Name, std::wstring(name), true); }
void TFont::SetHeight(int height) { Update(&TDescription::Height, height, true); }
void TFont::SetStyle(TFontStyles style) { Update(&TDescription::Style, style, true); }
// The colour is applied when drawing; the GDI font stays.
void TFont::SetColor(TColor color) { Update(&TDescription::Color, color, false); }
void TFont::SetCharset(BYTE charset) { Update(&TDescription::Charset, charset, true); }
void TFont::SetPitch(TFontPitch pitch) { Update(&TDescription::Pitch, pitch, true); }

int TFont::Size() const { return -MulDiv(FDesc.Height, 72, FPixelsPerInch); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, FPixelsPerInch, 72)); }

void TFont::SetPixelsPerInch(int pixelsPerInch) {
    if (pixelsPerInch <= 0 || pixelsPerInch == FPixelsPerInch) return;
    FPixelsPerInch = pixelsPerInch;
    Changed(false);
}

HFONT TFont::Handle() const {
    if (!FHandle) {
        LOGFONTW lf{};
        lf.lfHeight = FDesc.Height;
        lf.lfWeight = FDesc.Style.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = FDesc.Style.Contains(fsItalic);
        lf.lfUnderline = FDesc.Style.Contains(fsUnderline);
        lf.lfStrikeOut = FDesc.Style.Contains(fsStrikeOut);
        lf.lfCharSet = FDesc.Charset;
        lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
        lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        lf.lfQuality = DEFAULT_QUALITY;
        lf.lfPitchAndFamily = PitchAndFamily(FDesc.Pitch);
        const std::size_t length = std::min<std::size_t>(FDesc.Name.size(), LF_FACESIZE - 1);
        std::copy_n(FDesc.Name.data(), length, lf.lfFaceName);
        FHandle.Reset(CreateFontIndirectW(&lf));
    }
    return FHandle.Get();
}

void TFont::Assign(const TFont& source) {
    if (&source == this || (FDesc == source.FDesc && FPixelsPerInch == source.FPixelsPerInch)) return;
    const bool alteredHandle = [&] {
        TDescription withOurColour = source.FDesc;
        withOurColour.Color = FDesc.Color;
        return !(withOurColour == FDesc);
    }();
    FDesc = source.FDesc;
    FPixelsPerInch = source.FPixelsPerInch;
    Changed(alteredHandle);
}
