// Colours of the form library: Windows colour values 0x00BBGGRR, system
// colours 0xFF0000nn (nn a COLOR_* index, resolved when drawn), and a
// process-wide table of colour names for form definitions.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace colors_detail {
constexpr std::int32_t System(int index) { return static_cast<std::int32_t>(0xFF000000u | static_cast<unsigned>(index)); }
}  // namespace colors_detail

enum TColor : std::int32_t {
    clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
    clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
    clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
    clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
    clLtGray = 0xC0C0C0, clDkGray = 0x808080,
    clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF, clMedGray = 0xA4A0A0,

    clScrollBar = colors_detail::System(COLOR_SCROLLBAR),
    clBackground = colors_detail::System(COLOR_BACKGROUND),
    clActiveCaption = colors_detail::System(COLOR_ACTIVECAPTION),
    clInactiveCaption = colors_detail::System(COLOR_INACTIVECAPTION),
    clMenu = colors_detail::System(COLOR_MENU),
    clWindow = colors_detail::System(COLOR_WINDOW),
    clWindowFrame = colors_detail::System(COLOR_WINDOWFRAME),
    clMenuText = colors_detail::System(COLOR_MENUTEXT),
    clWindowText = colors_detail::System(COLOR_WINDOWTEXT),
    clCaptionText = colors_detail::System(COLOR_CAPTIONTEXT),
    clActiveBorder = colors_detail::System(COLOR_ACTIVEBORDER),
    clInactiveBorder = colors_detail::System(COLOR_INACTIVEBORDER),
    clAppWorkSpace = colors_detail::System(COLOR_APPWORKSPACE),
    clHighlight = colors_detail::System(COLOR_HIGHLIGHT),
    clHighlightText = colors_detail::System(COLOR_HIGHLIGHTTEXT),
    clBtnFace = colors_detail::System(COLOR_BTNFACE),
    clBtnShadow = colors_detail::System(COLOR_BTNSHADOW),
    clGrayText = colors_detail::System(COLOR_GRAYTEXT),
    clBtnText = colors_detail::System(COLOR_BTNTEXT),
    clInactiveCaptionText = colors_detail::System(COLOR_INACTIVECAPTIONTEXT),
    clBtnHighlight = colors_detail::System(COLOR_BTNHIGHLIGHT),
    cl3DDkShadow = colors_detail::System(COLOR_3DDKSHADOW),
    cl3DLight = colors_detail::System(COLOR_3DLIGHT),
    clInfoText = colors_detail::System(COLOR_INFOTEXT),
    clInfoBk = colors_detail::System(COLOR_INFOBK),
    clHotLight = colors_detail::System(COLOR_HOTLIGHT),
    clGradientActiveCaption = colors_detail::System(COLOR_GRADIENTACTIVECAPTION),
    clGradientInactiveCaption = colors_detail::System(COLOR_GRADIENTINACTIVECAPTION),
    clMenuHighlight = colors_detail::System(COLOR_MENUHILIGHT),
    clMenuBar = colors_detail::System(COLOR_MENUBAR),

    clNone = 0x1FFFFFFF,
    clDefault = 0x20000000,
};

// True for the system colours 0xFF0000nn.
constexpr bool IsSystemColor(TColor color) {
    return (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0xFF000000u;
}
// The colour as drawn: system colours through GetSysColor, others their low 24 bits.
COLORREF ColorToRGB(TColor color);
// A plain colour from a COLORREF or from its components.
constexpr TColor RGBToColor(COLORREF rgb) { return static_cast<TColor>(rgb & 0x00FFFFFFu); }
constexpr TColor RGBColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<TColor>(red | (green << 8) | (blue << 16));
}

// Adds a name to the colour table. Names are compared without regard to
// case; for a name, and for a value with several names, the first
// registration wins, and every registration comes before the standard names.
void RegisterColorName(std::wstring_view name, TColor value);
bool IdentToColor(std::wstring_view name, TColor& out);
bool ColorToIdent(TColor value, std::wstring& out);

// A colour from its name, "$BBGGRR" hexadecimal text (also "0x...") or a
// decimal, possibly negative, integer. Throws Exception on other text.
TColor StringToColor(std::wstring_view text);
// The colour's name when it has one, else "$" and eight hexadecimal digits.
std::wstring ColorToString(TColor color);
