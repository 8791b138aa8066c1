// Painting of windowed controls: the paint message with its optional back
// buffer, the windowless children painted over the window's own content,
// the non-client hook, and painting a control onto any context (PaintTo).
#include "ui/platform/win_control.h"

#include <vector>

#include "ui/platform/graphics/gdi_handle.h"

void TWinControl::EraseBackground(HDC dc) {
    const RECT r = ClientRect();
    FillRect(dc, &r, ColorBrush());
}

void TWinControl::PaintWindow(HDC dc) {
    TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(m);
}

void TWinControl::PaintControls(HDC dc) {
    for (TControl* c : std::vector<TControl*>(FControls)) {
        if (c->IsWindowed() || !c->Visible()) continue;
        RECT clip;
        const RECT bounds = c->BoundsRect();
        if (GetClipBox(dc, &clip) != NULLREGION && !IntersectRect(&clip, &clip, &bounds)) continue;
        c->PaintTo(dc, c->Left(), c->Top());
    }
}

void TWinControl::PaintHandler(HDC dc) {
    PaintWindow(dc);
    PaintControls(dc);
}

void TWinControl::PaintMessage(TMessage& m) {
    const bool ownClass = FDefWndProc == DefWindowProcW;
    bool hasGraphic = false;
    for (TControl* c : FControls) hasGraphic |= !c->IsWindowed();
    if (!ownClass && !DoubleBuffered && !hasGraphic && !m.WParam) {
        DefaultHandler(m);
        return;
    }
    if (m.WParam) {
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        if (ownClass) EraseBackground(dc);
        PaintHandler(dc);
        return;
    }
    // The paint ends (and the area is validated) however the handlers end.
    const TPaintDC paint(FHandle);
    if (!DoubleBuffered) {
        PaintHandler(paint.Get());
        return;
    }
    const RECT r = ClientRect();
    TBackBuffer buffer(paint.Get(), r.right, r.bottom);
    if (ownClass) EraseBackground(buffer.Get());
    PaintHandler(buffer.Get());
    buffer.CopyTo(paint.Get(), 0, 0);
}

void TWinControl::NonClientPaintMessage(TMessage& m) {
    DefaultHandler(m);
    const TWindowDC dc(FHandle);
    if (dc.Get()) PaintNonClient(dc.Get());
}

// WM_PRINT: the frame and the non-client hook for PRF_NONCLIENT, the client
// area (offset to its place in the window) for PRF_CLIENT.
void TWinControl::PrintMessage(TMessage& m) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    RECT window, client;
    GetWindowRect(FHandle, &window);
    GetClientRect(FHandle, &client);
    if (m.LParam & PRF_NONCLIENT) {
        PaintBorder(dc, window.right - window.left, window.bottom - window.top);
        PaintNonClient(dc);
    }
    if (m.LParam & PRF_CLIENT) {
        POINT origin{0, 0};
        ::ClientToScreen(FHandle, &origin);
        const TSavedDC saved(dc);
        OffsetViewportOrgEx(dc, origin.x - window.left, origin.y - window.top, nullptr);
        IntersectClipRect(dc, 0, 0, client.right, client.bottom);
        TMessage print{WM_PAINT, m.WParam, 0, 0};
        PaintMessage(print);
    }
}

// The frame of a window with a border: the sunken client edge, or a plain
// line for a thin border.
void TWinControl::PaintBorder(HDC dc, int width, int height) {
    RECT r{0, 0, width, height};
    const LONG_PTR exStyle = GetWindowLongPtrW(FHandle, GWL_EXSTYLE);
    if (exStyle & WS_EX_CLIENTEDGE) {
        DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
        return;
    }
    if (GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_BORDER) FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}


// System controls clip their painting to their client rectangle in device
// coordinates, so each window is painted on a surface of its own whose
// origin is its client origin, and then copied into place. The frame goes
// through the control's own WM_PRINT, so a control that draws its own
// border shows it here as well.
void TWinControl::PaintTo(HDC dc, int x, int y) {
    HandleNeeded();
    RECT window, client;
    GetWindowRect(FHandle, &window);
    GetClientRect(FHandle, &client);
    POINT origin{0, 0};
    ::ClientToScreen(FHandle, &origin);
    const int width = window.right - window.left, height = window.bottom - window.top;
    const int ox = origin.x - window.left, oy = origin.y - window.top;
    TBackBuffer whole(dc, width, height);
    whole.CopyFrom(dc, x, y);  // what the control leaves unpainted
    if (ox != 0 || oy != 0 || client.right != width || client.bottom != height)
        Perform(WM_PRINT, reinterpret_cast<WPARAM>(whole.Get()), PRF_NONCLIENT);
    {
        TBackBuffer inside(dc, client.right, client.bottom);
        BitBlt(inside.Get(), 0, 0, client.right, client.bottom, whole.Get(), ox, oy, SRCCOPY);
        TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(inside.Get()), 0, 0};
        PaintMessage(m);
        PrintSystemChildren(inside.Get());
        for (TControl* c : std::vector<TControl*>(FControls))
            if (c->IsWindowed() && c->Visible()) c->PaintTo(inside.Get(), c->Left(), c->Top());
        BitBlt(whole.Get(), ox, oy, client.right, client.bottom, inside.Get(), 0, 0, SRCCOPY);
    }
    whole.CopyTo(dc, x, y);
}

// The windows a system control makes for itself (the edit of a combo box)
// belong to no control; they print themselves, bottom first.
void TWinControl::PrintSystemChildren(HDC dc) {
    std::vector<HWND> windows;
    for (HWND w = GetWindow(FHandle, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (!BoundTarget(w) && IsWindowVisible(w)) windows.push_back(w);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        RECT r;
        GetWindowRect(*it, &r);
        MapWindowPoints(nullptr, FHandle, reinterpret_cast<POINT*>(&r), 2);
        const TSavedDC saved(dc);
        OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
        IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
        SendMessageW(*it, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    }
}
