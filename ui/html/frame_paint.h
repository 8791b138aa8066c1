// Paints a whole frame tree on a device context without windows: each
// page in its frame at its scroll position, the borders between frames.
// The renderer command and the benchmark use it; the viewer control paints
// each frame in its own window with PaintFrameContent.
#pragma once

#include <windows.h>

#include "ui/html/gdi_canvas.h"
#include "ui/html/html_frames.h"

// One page frame's visible part, its top-left corner at `at` of the context.
void PaintFrameContent(THtmlFrame& frame, TGdiHtmlCanvas& canvas, HDC dc, TPoint at, TSize visible, int focusedControl = -1);
// The borders between frames.
void PaintFrameGaps(const THtmlFrame& frame, TGdiHtmlCanvas& canvas, HDC dc);
// Lays out and paints everything in the tree's arranged area.
void PaintFrameTree(THtmlFrameTree& tree, TGdiHtmlCanvas& canvas, HDC dc);
