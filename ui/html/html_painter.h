// Paints a layout on a canvas: the items that meet the visible rectangle,
// the selected text highlighted, form controls drawn in their state.
#pragma once

#include "ui/html/html_canvas.h"
#include "ui/html/html_layout.h"

class THtmlForms;

struct TTextRange {
    int Start = 0;  // offsets into THtmlLayout::Text
    int End = 0;
    bool Empty() const { return End <= Start; }
};

// `visible` is in page coordinates; the canvas maps them to its surface.
void PaintLayout(const THtmlLayout& layout, THtmlCanvas& canvas, const TRect& visible, const TTextRange& selection,
                 const THtmlForms* forms, int focusedControl = -1);
