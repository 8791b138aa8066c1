// What layout and painting need of a drawing surface: fonts registered once
// and then named by number, text measuring, text, rectangles, lines,
// ellipses and pictures. TGdiHtmlCanvas draws with GDI; TMemoryHtmlCanvas
// has fixed metrics and records what is drawn, for tests.
#pragma once

#include <string>
#include <string_view>

#include "ui/platform/graphics/colors.h"
#include "ui/platform/types.h"

class TBitmap;

struct THtmlFont {
    std::wstring Face;
    int Size = 16;  // pixels, the em height
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strike = false;
    friend bool operator==(const THtmlFont&, const THtmlFont&) = default;
};

struct TFontMetrics {
    int Ascent = 0;
    int Descent = 0;
    int Height() const { return Ascent + Descent; }
};

class THtmlCanvas {
public:
    virtual ~THtmlCanvas() = default;

    // A number naming the font in the calls below; the same description
    // gives the same number.
    virtual int RegisterFont(const THtmlFont& font) = 0;
    virtual TFontMetrics Metrics(int font) = 0;
    virtual int TextWidth(int font, std::wstring_view text) = 0;

    // `baseline` is the y of the text's base line.
    virtual void DrawText(int font, int x, int baseline, std::wstring_view text, TColor color) = 0;
    virtual void FillRect(const TRect& rect, TColor color) = 0;
    // From a to b, both ends included.
    virtual void DrawLine(TPoint a, TPoint b, TColor color) = 0;
    virtual void Ellipse(const TRect& rect, TColor fill, TColor outline) = 0;
    virtual void DrawImage(const TRect& rect, const TBitmap& picture) = 0;
    // Drawing outside the rectangle is cut off until PopClip.
    virtual void PushClip(const TRect& rect) = 0;
    virtual void PopClip() = 0;

    // A one-pixel outline.
    void FrameRect(const TRect& r, TColor color) {
        if (r.IsEmpty()) return;
        FillRect({r.Left, r.Top, r.Right, r.Top + 1}, color);
        FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, color);
        FillRect({r.Left, r.Top, r.Left + 1, r.Bottom}, color);
        FillRect({r.Right - 1, r.Top, r.Right, r.Bottom}, color);
    }
};
