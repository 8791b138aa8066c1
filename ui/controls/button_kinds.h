// The framework's button kinds: each gives a default caption, a default
// modal result, a default width of a bevelled button and a picture of the
// image container. Also the layout and style switches the buttons share.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "ui/platform/graphics/bitmap.h"

enum TMButtonKind : std::uint8_t {
    mkFirst, mkPrev, mkNext, mkLast, mkAdd, mkDelete, mkRecord, mkView, mkPrint, mkOK,
    mkCancel, mkHelp, mkCustom, mkYes, mkNo, mkClose, mkAbort, mkRetry, mkIgnore, mkAll,
    mkEdit, mkAnalitic, mkDetalii, mkZarvan, mkSave, mkPlus, mkUnelte, mkConfig, mkStoc, mkSold,
    mkIntr, mkTransf, mkIes, mkBani, mkMail, mkBigExit, mkPlusAdd, mkPlusBlue, mkPlusPorto, mkPlusPeach,
    mkPlusSnorkel, mkMinusDel, mkFirstPag, mkLastPag, mkPrevPag, mkNextPag, mknPrev, mknNext, mkFind, mkFindNext,
    mkGrafic, mkSaveAs, mknFirst, mknLast, mkContr, mkExpl, mkPermis, mkAction, mkAdvanced,
};
static_assert(sizeof(TMButtonKind) == 1);

inline constexpr std::size_t ButtonKindCount = mkAdvanced + 1;  // 59

// Whether a value names one of the kinds (0 to 58).
constexpr bool IsButtonKind(int value) { return value >= 0 && value < static_cast<int>(ButtonKindCount); }

extern const std::array<std::wstring_view, ButtonKindCount> KindCaptions;
extern const std::array<int, ButtonKindCount> KindModalResults;
extern const std::array<int, ButtonKindCount> KindWidths;
// The enumeration names as form definitions write them ("mkOK").
extern const std::array<std::wstring_view, ButtonKindCount> KindNames;

// The kind's glyph strip from the image container. The top bit of the kind
// byte is ignored; kinds without a picture and values above 58 give the
// empty bitmap.
const TBitmap& KindGlyph(TMButtonKind kind);
// The same for the picture button, whose mkIgnore shows "PrnSetup".
const TBitmap& NiceKindGlyph(TMButtonKind kind);

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };

// bsNew, or bsAutoDetect on a system that draws new-style controls (all
// that this program runs on).
constexpr bool IsNewStyle(TButtonStyle style) { return style != bsWin31; }
