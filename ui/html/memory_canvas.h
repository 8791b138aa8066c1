// A canvas without a device: every character is half the font's size wide
// (bold ones a pixel more), the ascent is four fifths of the size and the
// descent the rest, so layouts come out the same on every machine. It
// records the text it is asked to draw.
#pragma once

#include <vector>

#include "ui/html/html_canvas.h"

struct TDrawnText {
    int Font;
    int X;
    int Baseline;
    std::wstring Text;
    TColor Color;
};

class TMemoryHtmlCanvas : public THtmlCanvas {
public:
    int RegisterFont(const THtmlFont& font) override;
    TFontMetrics Metrics(int font) override;
    int TextWidth(int font, std::wstring_view text) override;
    void DrawText(int font, int x, int baseline, std::wstring_view text, TColor color) override;
    void FillRect(const TRect& rect, TColor color) override;
    void DrawLine(TPoint, TPoint, TColor) override {}
    void Ellipse(const TRect&, TColor, TColor) override {}
    void DrawImage(const TRect& rect, const TBitmap&) override { Images.push_back(rect); }
    void PushClip(const TRect&) override {}
    void PopClip() override {}

    const THtmlFont& Font(int font) const { return FFonts.at(static_cast<std::size_t>(font)); }
    int CharWidth(int font) const;

    std::vector<TDrawnText> Texts;
    std::vector<std::pair<TRect, TColor>> Fills;
    std::vector<TRect> Images;

private:
    std::vector<THtmlFont> FFonts;
};
