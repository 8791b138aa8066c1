#include "ui/html/frame_paint.h"

void PaintFrameContent(THtmlFrame& frame, TGdiHtmlCanvas& canvas, HDC dc, TPoint at, TSize visible, int focusedControl) {
    if (!frame.Page || frame.Set) return;
    const TGdiCanvasTarget target(canvas, dc, {at.X - frame.Scroll.X, at.Y - frame.Scroll.Y});
    const TRect area = Bounds(frame.Scroll.X, frame.Scroll.Y, visible.cx, visible.cy);
    canvas.PushClip(area);
    const THtmlLayout* layout = frame.Page->CurrentLayout();
    const TColor back = layout && layout->Background != clNone ? layout->Background : clWhite;
    canvas.FillRect(area, back);
    frame.Page->Paint(canvas, area, focusedControl);
    canvas.PopClip();
}

void PaintFrameGaps(const THtmlFrame& frame, TGdiHtmlCanvas& canvas, HDC dc) {
    const TGdiCanvasTarget target(canvas, dc, {0, 0});
    for (const TRect& gap : frame.Gaps) {
        canvas.FillRect(gap, clBtnFace);
        if (gap.Width() > gap.Height()) {
            canvas.FillRect({gap.Left, gap.Top, gap.Right, gap.Top + 1}, clBtnHighlight);
            canvas.FillRect({gap.Left, gap.Bottom - 1, gap.Right, gap.Bottom}, clBtnShadow);
        } else {
            canvas.FillRect({gap.Left, gap.Top, gap.Left + 1, gap.Bottom}, clBtnHighlight);
            canvas.FillRect({gap.Right - 1, gap.Top, gap.Right, gap.Bottom}, clBtnShadow);
        }
    }
    for (const auto& child : frame.Children) PaintFrameGaps(*child, canvas, dc);
}

void PaintFrameTree(THtmlFrameTree& tree, TGdiHtmlCanvas& canvas, HDC dc) {
    tree.LayoutPages(canvas);
    for (THtmlFrame* frame : tree.Pages())
        PaintFrameContent(*frame, canvas, dc, {frame->Bounds.Left, frame->Bounds.Top},
                          {frame->Bounds.Width(), frame->Bounds.Height()});
    PaintFrameGaps(tree.Root(), canvas, dc);
}
