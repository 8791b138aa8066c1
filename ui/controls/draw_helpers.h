// Drawing and colour helpers shared by the framework's controls: text with a
// coloured accelerator letter, darker and lighter shades, glyph strips with a
// see-through colour, and the bevelled face of a push button.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/controls/button_kinds.h"
#include "ui/platform/graphics/bitmap.h"
#include "ui/platform/ext_controls.h"
#include "ui/platform/graphics/canvas.h"

// Draws one line of text whose accelerator letter (the one after the first
// "&") is drawn in `shortcutColor`. With `underlineAccel` the system
// underlines the letter; otherwise, when `shortcutColor` is the font's own
// colour, the letter's underline is toggled so it still stands out.
// `format` takes DT_* flags; DT_CENTER and DT_RIGHT place the whole line.
void DrawShortcutText(TCanvas& canvas, std::wstring_view text, const TRect& rect, bool underlineAccel,
                      TColor shortcutColor, UINT format);

// The text with every "&" removed.
std::wstring WithoutAmpersands(std::wstring_view text);

// Each RGB channel c becomes c - c / divisor (at least 0); black stays black.
// A divisor of 0 leaves the colour as it is.
TColor DarkenColor(TColor color, int divisor);
// Each RGB channel c becomes c + (c + 255) / divisor (at most 255); white
// stays white. A divisor of 0 leaves the colour as it is.
TColor LightenColor(TColor color, int divisor);

// Every pixel of the bitmap's top-left colour becomes `color`.
void ReplaceBitmapBackground(TBitmap& bitmap, TColor color);

// Copies part of a picture, stretched to `dest` when the sizes differ, with
// the pixels of colour `key` left out. Parts outside the picture are cut off.
void DrawTransparentPart(TCanvas& canvas, const TRect& dest, const TBitmap& picture, const TRect& source, TColor key);

// The bevelled face of a push button over `client`, raised or pressed, in
// `faceColor`; new style draws 3-D edges, old style a framed face (rounded
// corners, a second frame when focused). Answers the content rectangle.
TRect DrawButtonFace(TCanvas& canvas, const TRect& client, int bevelWidth, TColor faceColor, bool focused,
                     bool isDown, bool isRounded, TButtonStyle style);

// The flat border of an edit or a combo box over its whole window of size
// `size`: the outer ring a 3-D ring when `bevel` is not bvNone (raised: light
// at top and left; lowered and space: dark there), else in `borderColor`;
// the ring inside it in `innerColor`, which covers the inner line of the
// system's sunken edge.
void DrawFlatBorder(TCanvas& canvas, TSize size, TBevelCut bevel, TColor borderColor, TColor innerColor);
