// Values of style properties and presentational attributes: colours and lengths.
#pragma once

#include <string_view>

#include "ui/html/html_style.h"

// "#rgb", "#rrggbb", "rrggbb" (old pages leave the mark out), "rgb(r, g, b)"
// or a colour name; false for anything else.
bool ParseHtmlColor(std::wstring_view text, TColor& out);
// A length: px, pt, em (of `fontSize`), ex, in, cm, mm, % or a bare number
// (pixels); "auto" gives an automatic length. False for anything else.
bool ParseCssLength(std::wstring_view text, int fontSize, TLength& out);
// A length in whole pixels; percentages of `containing`.
bool ParseCssPixels(std::wstring_view text, int fontSize, int containing, int& out);
