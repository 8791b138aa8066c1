// Fonts: a description (face, height, style, colour, character set) and the
// GDI font made from it when first needed.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/platform/graphics/colors.h"
#include "ui/platform/graphics/gdi_handle.h"
#include "ui/platform/graphics/graphics_object.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };

// A set of font styles.
class TFontStyles {
public:
    constexpr TFontStyles() = default;
    constexpr TFontStyles(TFontStyle style) : FBits(Bit(style)) {}

    constexpr bool Contains(TFontStyle style) const { return (FBits & Bit(style)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr TFontStyles& Include(TFontStyle style) { FBits |= Bit(style); return *this; }
    constexpr TFontStyles& Exclude(TFontStyle style) { FBits &= static_cast<std::uint8_t>(~Bit(style)); return *this; }
    constexpr TFontStyles operator|(TFontStyles other) const { return FromBits(FBits | other.FBits); }
    constexpr TFontStyles operator&(TFontStyles other) const { return FromBits(FBits & other.FBits); }
    constexpr TFontStyles operator-(TFontStyles other) const { return FromBits(FBits & ~other.FBits); }
    friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

private:
    static constexpr std::uint8_t Bit(TFontStyle style) { return static_cast<std::uint8_t>(1u << style); }
    static constexpr TFontStyles FromBits(unsigned bits) {
        TFontStyles styles;
        styles.FBits = static_cast<std::uint8_t>(bits);
        return styles;
    }
    std::uint8_t FBits = 0;
};

constexpr TFontStyles operator|(TFontStyle a, TFontStyle b) { return TFontStyles(a) | TFontStyles(b); }

enum TFontPitch { fpDefault, fpVariable, fpFixed };

class TFont : public TGraphicsObject {
public:
    TFont();

    const std::wstring& Name() const { return FDesc.Name; }
    void SetName(std::wstring_view name);
    // Pixels; negative values give the character height, positive the cell height.
    int Height() const { return FDesc.Height; }
    void SetHeight(int height);
    // Points, converted through PixelsPerInch.
    int Size() const;
    void SetSize(int points);
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int pixelsPerInch);
    TFontStyles Style() const { return FDesc.Style; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return FDesc.Color; }
    void SetColor(TColor color);
    BYTE Charset() const { return FDesc.Charset; }
    void SetCharset(BYTE charset);
    TFontPitch Pitch() const { return FDesc.Pitch; }
    void SetPitch(TFontPitch pitch);

    // The GDI font of the current description, made on first use.
    HFONT Handle() const;
    // Takes the other font's description and resolution; one OnChange at most.
    void Assign(const TFont& source);
    // Same description (the resolution is not part of it).
    bool operator==(const TFont& other) const { return FDesc == other.FDesc; }

private:
    struct TDescription {
        std::wstring Name = L"MS Sans Serif";
        int Height = -11;
        TFontStyles Style;
        TColor Color = clWindowText;
        BYTE Charset = DEFAULT_CHARSET;
        TFontPitch Pitch = fpDefault;
        bool operator==(const TDescription&) const = default;
    };

    template <typename T>
    void Update(T TDescription::*field, T value, bool alteredHandle);
    void DropHandle() override { FHandle.Reset(); }

    TDescription FDesc;
    int FPixelsPerInch;
    mutable TFontHandle FHandle;
};
