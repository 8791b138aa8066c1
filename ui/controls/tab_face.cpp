#include "ui/controls/tab_face.h"

#include <vector>

#include "ui/controls/draw_helpers.h"

namespace {

TColor Plain(TColor color) { return RGBToColor(ColorToRGB(color)); }

// Paints one area of the pattern: the pixels of the seed's colour that the
// seed reaches through their four neighbours. The areas are taken from the
// pattern, not from the face being coloured, so a colour that happens to
// equal a key colour cannot run over into the next area.
void FillArea(TBitmap& face, const TBitmap& pattern, TPoint seed, TColor color) {
    const int width = pattern.Width(), height = pattern.Height();
    const auto inside = [&](TPoint p) { return p.X >= 0 && p.Y >= 0 && p.X < width && p.Y < height; };
    if (!inside(seed)) return;
    const TColor key = pattern.Pixel(seed.X, seed.Y);
    std::vector<bool> reached(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const auto reach = [&](TPoint p) {
        std::vector<bool>::reference seen = reached[static_cast<std::size_t>(p.Y) * width + p.X];
        if (seen || pattern.Pixel(p.X, p.Y) != key) return false;
        seen = true;
        return true;
    };
    std::vector<TPoint> pending{seed};
    reach(seed);
    while (!pending.empty()) {
        const TPoint p = pending.back();
        pending.pop_back();
        face.SetPixel(p.X, p.Y, color);
        for (const TPoint next : {TPoint{p.X + 1, p.Y}, TPoint{p.X - 1, p.Y}, TPoint{p.X, p.Y + 1}, TPoint{p.X, p.Y - 1}})
            if (inside(next) && reach(next)) pending.push_back(next);
    }
}

// Seven lines from row 8 up to row 2 across a tab body, each darker than the
// one below; the top two rows are inset as the body's rounded corners are.
void ShadeTop(TBitmap& face, int left, int right, TColor color) {
    for (int n = 6; n >= 0; --n) {
        const int inset = n >= 2 ? 0 : 2 - n;
        for (int x = left + inset; x <= right - inset; ++x) face.SetPixel(x, n + 2, color);
        color = DarkenColor(color, 7 * n + 5);
    }
}

}  // namespace

void ColourTabFace(TBitmap& face, const TBitmap& pattern, TColor background, TColor accent) {
    const int width = pattern.Width(), height = pattern.Height(), column = width / 3;
    const TColor backdrop = Plain(background), active = Plain(accent);
    FillArea(face, pattern, {0, 0}, backdrop);
    FillArea(face, pattern, {width - 15, 15}, active);
    ShadeTop(face, 2 * column + 1, width - 2, active);
    const TColor hot = DarkenColor(backdrop, 10);
    FillArea(face, pattern, {column + 10, 10}, hot);
    ShadeTop(face, column + 1, 2 * column - 2, hot);
    const TColor line = DarkenColor(backdrop, 3);
    FillArea(face, pattern, {0, height - 1}, line);       // the base line under the normal and hot tabs
    FillArea(face, pattern, {width - 10, 1}, line);       // the top edge of the active tab
}
