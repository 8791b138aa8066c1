#include "ui/html/memory_canvas.h"

int TMemoryHtmlCanvas::RegisterFont(const THtmlFont& font) {
    for (std::size_t i = 0; i < FFonts.size(); ++i)
        if (FFonts[i] == font) return static_cast<int>(i);
    FFonts.push_back(font);
    return static_cast<int>(FFonts.size() - 1);
}

int TMemoryHtmlCanvas::CharWidth(int font) const {
    const THtmlFont& f = Font(font);
    return f.Size / 2 + (f.Bold ? 1 : 0);
}

TFontMetrics TMemoryHtmlCanvas::Metrics(int font) {
    const int size = Font(font).Size;
    const int ascent = size * 4 / 5;
    return {ascent, size - ascent};
}

int TMemoryHtmlCanvas::TextWidth(int font, std::wstring_view text) {
    return CharWidth(font) * static_cast<int>(text.size());
}

void TMemoryHtmlCanvas::DrawText(int font, int x, int baseline, std::wstring_view text, TColor color) {
    Texts.push_back({font, x, baseline, std::wstring(text), color});
}

void TMemoryHtmlCanvas::FillRect(const TRect& rect, TColor color) { Fills.emplace_back(rect, color); }
