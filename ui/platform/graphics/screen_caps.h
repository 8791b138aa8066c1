// What the screen offers: its resolution and colour depth.
#pragma once

// Logical pixels per inch of the screen, vertically (96 on most displays).
int ScreenPixelsPerInch();
// True when the screen shows more than 256 colours (bits per pixel > 8).
bool IsHighColorDisplay();
