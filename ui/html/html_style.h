// The computed style of an element: what the page's defaults, its
// presentational attributes, its style sheets and its inline style say, in
// pixels and colours ready for layout.
#pragma once

#include <cstdint>

#include "ui/platform/graphics/colors.h"

enum class TDisplay : std::uint8_t { Inline, Block, ListItem, Table, TableRowGroup, TableRow, TableCell, TableCaption, None };
enum class TTextAlign : std::uint8_t { Left, Center, Right, Justify };
enum class TVerticalAlign : std::uint8_t { Baseline, Top, Middle, Bottom, Sub, Super };
enum class TWhiteSpace : std::uint8_t { Normal, Pre, NoWrap };
enum class TListStyle : std::uint8_t { Disc, Circle, Square, Decimal, LowerAlpha, UpperAlpha, LowerRoman, UpperRoman, None };

// A length that may be absent, in pixels or a per cent of the containing width.
struct TLength {
    enum TUnit : std::uint8_t { Auto, Px, Percent };
    TUnit Unit = Auto;
    float Value = 0;

    bool IsAuto() const { return Unit == Auto; }
    // Pixels against a containing width; `fallback` when absent.
    int Resolve(int containing, int fallback) const {
        if (Unit == Px) return static_cast<int>(Value);
        if (Unit == Percent) return static_cast<int>(Value * static_cast<float>(containing) / 100.0f);
        return fallback;
    }
    static TLength Pixels(float v) { return {Px, v}; }
    static TLength Percents(float v) { return {Percent, v}; }
};

struct TSides {
    int Top = 0, Right = 0, Bottom = 0, Left = 0;
    int Horizontal() const { return Left + Right; }
    int Vertical() const { return Top + Bottom; }
};

// The faces the style refers to: the viewer's default face, its face for
// preformatted text, or a name of the document's face table.
inline constexpr std::uint16_t DefaultFace = 0;
inline constexpr std::uint16_t MonospaceFace = 1;

struct THtmlStyle {
    // Inherited by the children.
    std::uint16_t Face = DefaultFace;
    int FontSize = 16;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strike = false;
    TColor Color = clBlack;
    TTextAlign Align = TTextAlign::Left;
    TWhiteSpace WhiteSpace = TWhiteSpace::Normal;
    TListStyle ListStyle = TListStyle::Disc;
    bool Hidden = false;  // visibility: hidden

    // The element's own.
    TDisplay Display = TDisplay::Inline;
    TColor Background = clNone;
    TSides Margin;
    bool AutoMarginLeft = false, AutoMarginRight = false;
    TSides Padding;
    TSides Border;
    TColor BorderColor = clGray;
    bool BorderInset = false;  // drawn in two shades, as table and hr borders are
    TLength Width;
    TLength Height;
    TVerticalAlign VAlign = TVerticalAlign::Baseline;
};
