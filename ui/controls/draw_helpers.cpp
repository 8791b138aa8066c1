#include "ui/controls/draw_helpers.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr UINT PlacementFlags = DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM;

// Width of a piece of text as DrawText lays it out on one line.
int PieceWidth(TCanvas& canvas, std::wstring_view piece, const TRect& rect, UINT format) {
    TRect measured = rect;
    canvas.DrawText(piece, measured, (format & ~PlacementFlags) | DT_CALCRECT | DT_SINGLELINE);
    return measured.Width();
}

// Draws a piece at the rectangle's left edge and moves that edge past it.
void DrawPiece(TCanvas& canvas, std::wstring_view piece, TRect& rect, UINT format) {
    if (piece.empty()) return;
    TRect target = rect;
    canvas.DrawText(piece, target, format);
    rect.Left += PieceWidth(canvas, piece, rect, format);
}

// The accelerator letter in its own colour (or with its underline toggled).
void DrawAccelerator(TCanvas& canvas, wchar_t letter, TRect& rect, bool underlineAccel, TColor shortcutColor,
                     UINT format) {
    TFont& font = canvas.Font();
    const TColor savedColor = font.Color();
    const TFontStyles savedStyle = font.Style();
    font.SetColor(shortcutColor);
    // A letter the system underlines stands out already; a second underline
    // from the font would not coincide with it on every system.
    if (shortcutColor == savedColor && !underlineAccel) {
        TFontStyles toggled = savedStyle;
        if (toggled.Contains(fsUnderline))
            toggled.Exclude(fsUnderline);
        else
            toggled.Include(fsUnderline);
        font.SetStyle(toggled);
    }
    // A doubled "&" is a literal ampersand, drawn as such either way.
    const std::wstring piece = underlineAccel || letter == L'&' ? std::wstring{L'&', letter} : std::wstring{letter};
    DrawPiece(canvas, piece, rect, format);
    font.SetColor(savedColor);
    font.SetStyle(savedStyle);
}

std::uint8_t ClampChannel(double value) { return static_cast<std::uint8_t>(std::clamp(std::trunc(value), 0.0, 255.0)); }

template <class F>
TColor MapChannels(TColor color, F map) {
    const COLORREF rgb = ColorToRGB(color);
    return RGBColor(map(GetRValue(rgb)), map(GetGValue(rgb)), map(GetBValue(rgb)));
}

void Edge(HDC dc, const TRect& rect, UINT edge, UINT flags) {
    RECT r = rect;
    DrawEdge(dc, &r, edge, flags);
}

void DrawNewStyleFace(TCanvas& canvas, TRect r, TColor faceColor, bool isDown) {
    canvas.Brush().SetColor(faceColor);
    canvas.Brush().SetStyle(bsSolid);
    const HDC dc = canvas.Handle();
    if (isDown) {
        Edge(dc, r, BDR_SUNKENINNER, BF_TOPLEFT);
        Edge(dc, r, BDR_SUNKENOUTER, BF_BOTTOMRIGHT);
        r = r.Inflate(-1, -1);
        Edge(dc, r, BDR_SUNKENOUTER, BF_TOPLEFT | BF_MIDDLE);
    } else {
        Edge(dc, r, BDR_RAISEDOUTER, BF_BOTTOMRIGHT);
        --r.Right;
        --r.Bottom;
        Edge(dc, r, BDR_RAISEDINNER, BF_TOPLEFT);
        ++r.Left;
        ++r.Top;
        Edge(dc, r, BDR_RAISEDINNER, BF_BOTTOMRIGHT | BF_MIDDLE);
    }
    // The edges fill their middle with the system face colour; the face is ours.
    canvas.FillRect(r);
}

// A frame `width` pixels wide: top and left in one colour, bottom and right in the other.
void BevelFrame(TCanvas& canvas, TRect r, TColor topColor, TColor bottomColor, int width) {
    canvas.Pen().SetWidth(1);
    --r.Bottom;
    --r.Right;
    for (; width > 0; --width) {
        canvas.Pen().SetColor(topColor);
        canvas.Polyline({TPoint{r.Left, r.Bottom}, TPoint{r.Left, r.Top}, TPoint{r.Right, r.Top}});
        canvas.Pen().SetColor(bottomColor);
        canvas.Polyline({TPoint{r.Right, r.Top}, TPoint{r.Right, r.Bottom}, TPoint{r.Left - 1, r.Bottom}});
        r = r.Inflate(-1, -1);
    }
}

void DrawOldStyleFace(TCanvas& canvas, TRect r, int bevelWidth, TColor faceColor, bool focused, bool isDown,
                      bool isRounded) {
    canvas.Pen().SetColor(clWindowFrame);
    canvas.Brush().SetColor(faceColor);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Rectangle(r);
    if (isRounded) {
        for (const TPoint corner : {TPoint{r.Left, r.Top}, TPoint{r.Left, r.Bottom - 1}, TPoint{r.Right - 1, r.Top},
                                    TPoint{r.Right - 1, r.Bottom - 1}})
            canvas.SetPixels(corner.X, corner.Y, faceColor);
    }
    if (focused) {
        r = r.Inflate(-1, -1);
        canvas.Brush().SetStyle(bsClear);
        canvas.Rectangle(r);
        canvas.Brush().SetStyle(bsSolid);
    }
    r = r.Inflate(-1, -1);
    if (!isDown) {
        BevelFrame(canvas, r, clBtnHighlight, clBtnShadow, bevelWidth);
        return;
    }
    canvas.Pen().SetColor(clBtnShadow);
    canvas.Polyline({TPoint{r.Left, r.Bottom - 1}, TPoint{r.Left, r.Top}, TPoint{r.Right, r.Top}});
}

}  // namespace

void DrawShortcutText(TCanvas& canvas, std::wstring_view text, const TRect& rect, bool underlineAccel,
                      TColor shortcutColor, UINT format) {
    const std::size_t amp = text.find(L'&');
    if (amp == std::wstring_view::npos) {
        TRect target = rect;
        canvas.DrawText(text, target, format);
        return;
    }
    std::wstring shown(text);
    shown.erase(amp, 1);
    TRect line = rect;
    canvas.DrawText(shown, line, (format & ~PlacementFlags) | DT_CALCRECT | DT_SINGLELINE);
    if (format & DT_VCENTER) {
        line.Top = rect.Top;
        line.Bottom = rect.Bottom;
    }
    line.Right += 2;
    if (format & DT_CENTER) {
        line = line.Offset((rect.Right - line.Right) / 2, 0);
        format &= ~static_cast<UINT>(DT_CENTER);
    } else if (format & DT_RIGHT) {
        line = line.Offset(rect.Right - line.Right, 0);
        format &= ~static_cast<UINT>(DT_RIGHT);
    }
    DrawPiece(canvas, text.substr(0, amp), line, format);
    if (amp + 1 >= text.size()) return;
    DrawAccelerator(canvas, text[amp + 1], line, underlineAccel, shortcutColor, format);
    DrawPiece(canvas, text.substr(amp + 2), line, format);
}

std::wstring WithoutAmpersands(std::wstring_view text) {
    std::wstring result(text);
    std::erase(result, L'&');
    return result;
}

TColor DarkenColor(TColor color, int divisor) {
    if (color == clBlack || divisor == 0) return color;
    return MapChannels(color, [divisor](std::uint8_t c) { return ClampChannel(c - c / static_cast<double>(divisor)); });
}

TColor LightenColor(TColor color, int divisor) {
    if (color == clWhite || divisor == 0) return color;
    return MapChannels(color,
                       [divisor](std::uint8_t c) { return ClampChannel(c + (c + 255) / static_cast<double>(divisor)); });
}

void ReplaceBitmapBackground(TBitmap& bitmap, TColor color) {
    if (bitmap.Empty()) return;
    std::uint32_t* bits = bitmap.Bits();
    const std::uint32_t key = bits[0] & 0x00FFFFFFu;
    const COLORREF rgb = ColorToRGB(color);
    const std::uint32_t alpha = bitmap.HasAlpha() ? 0xFF000000u : 0;
    const std::uint32_t replacement = alpha | GetRValue(rgb) << 16 | GetGValue(rgb) << 8 | GetBValue(rgb);
    std::replace_if(bits, bits + static_cast<std::size_t>(bitmap.Width()) * bitmap.Height(),
                    [key](std::uint32_t p) { return (p & 0x00FFFFFFu) == key; }, replacement);
}

void DrawTransparentPart(TCanvas& canvas, const TRect& dest, const TBitmap& picture, const TRect& source, TColor key) {
    const TRect part = source.Intersect({0, 0, picture.Width(), picture.Height()});
    if (part.IsEmpty() || dest.IsEmpty()) return;
    // Cutting the source keeps the scale of the parts that remain.
    const auto scaled = [](int offset, int destSize, int sourceSize) { return MulDiv(offset, destSize, sourceSize); };
    const TRect target{dest.Left + scaled(part.Left - source.Left, dest.Width(), source.Width()),
                       dest.Top + scaled(part.Top - source.Top, dest.Height(), source.Height()),
                       dest.Right - scaled(source.Right - part.Right, dest.Width(), source.Width()),
                       dest.Bottom - scaled(source.Bottom - part.Bottom, dest.Height(), source.Height())};
    if (target.IsEmpty()) return;
    canvas.DrawPartKeyed(target, picture, part, key);
}

TRect DrawButtonFace(TCanvas& canvas, const TRect& client, int bevelWidth, TColor faceColor, bool focused,
                     bool isDown, bool isRounded, TButtonStyle style) {
    if (IsNewStyle(style))
        DrawNewStyleFace(canvas, client, faceColor, isDown);
    else
        DrawOldStyleFace(canvas, client, bevelWidth, faceColor, focused, isDown, isRounded);
    const TRect content{client.Left + 1, client.Top + 1, client.Right - 2, client.Bottom - 2};
    return isDown ? content.Offset(1, 1) : content;
}

void DrawFlatBorder(TCanvas& canvas, TSize size, TBevelCut bevel, TColor borderColor, TColor innerColor) {
    TRect outer{0, 0, size.cx, size.cy};
    if (bevel == bvRaised)
        Frame3D(canvas, outer, clBtnHighlight, clBtnShadow, 1);
    else if (bevel != bvNone)
        Frame3D(canvas, outer, clBtnShadow, clBtnHighlight, 1);
    else
        Frame3D(canvas, outer, borderColor, borderColor, 1);
    TRect inner{1, 1, size.cx - 1, size.cy - 1};
    Frame3D(canvas, inner, innerColor, innerColor, 1);
}
