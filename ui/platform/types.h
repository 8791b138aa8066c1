// Geometry types of the form library: points, sizes and rectangles in pixels,
// convertible to and from their Win32 counterparts.
#pragma once

#include <windows.h>

#include <algorithm>

struct TPoint {
    int X = 0;
    int Y = 0;

    constexpr TPoint() = default;
    constexpr TPoint(int x, int y) : X(x), Y(y) {}
    TPoint(const POINT& p) : X(p.x), Y(p.y) {}
    operator POINT() const { return POINT{X, Y}; }
    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;

    constexpr TSize() = default;
    constexpr TSize(int w, int h) : cx(w), cy(h) {}
    friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr TRect() = default;
    constexpr TRect(int l, int t, int r, int b) : Left(l), Top(t), Right(r), Bottom(b) {}
    TRect(const RECT& r) : Left(r.left), Top(r.top), Right(r.right), Bottom(r.bottom) {}
    operator RECT() const { return RECT{Left, Top, Right, Bottom}; }

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    constexpr TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    constexpr TRect Inflate(int dx, int dy) const { return {Left - dx, Top - dy, Right + dx, Bottom + dy}; }
    constexpr TRect Intersect(const TRect& o) const {
        TRect r{std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right), std::min(Bottom, o.Bottom)};
        return r.IsEmpty() ? TRect{} : r;
    }
    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TRect Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }
