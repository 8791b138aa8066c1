// The face of the framework's tab control: a template picture in three key
// colours (backdrop, tab body, lines) coloured at run time to match the
// control's parent. Its three columns of equal width hold the normal, the
// hot and the active tab; the active tab has no base line, so it opens into
// the page below it.
#pragma once

#include "ui/platform/graphics/bitmap.h"

// Colours `face`, a copy of `pattern`, for a parent of colour `background`
// and an active tab (and page) in `accent`: the backdrop takes the
// background, the hot tab the background slightly darkened, the active tab
// the accent, the lines the background darkened by a third, and both tab
// bodies darken towards their top edge.
void ColourTabFace(TBitmap& face, const TBitmap& pattern, TColor background, TColor accent);
