#include "ui/html/gdi_canvas.h"

#include "ui/platform/graphics/bitmap.h"

namespace {

constexpr int MeasureSlot = 0, TargetSlot = 1;

}  // namespace

TGdiHtmlCanvas::TGdiHtmlCanvas() { FFontDC[MeasureSlot] = FMeasure.Get(); }

TGdiHtmlCanvas::~TGdiHtmlCanvas() {
    Unbind();
    if (FOriginalFont[MeasureSlot]) SelectObject(FMeasure.Get(), FOriginalFont[MeasureSlot]);
}

void TGdiHtmlCanvas::Bind(HDC dc, TPoint origin) {
    Unbind();
    FTarget = dc;
    FOrigin = origin;
    FFontDC[TargetSlot] = dc;
    FSelected[TargetSlot] = -1;
    FOriginalFont[TargetSlot] = nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
}

void TGdiHtmlCanvas::Unbind() {
    if (!FTarget) return;
    while (FClipDepth > 0) PopClip();
    if (FOriginalFont[TargetSlot]) SelectObject(FTarget, FOriginalFont[TargetSlot]);
    FTarget = nullptr;
    FFontDC[TargetSlot] = nullptr;
    FSelected[TargetSlot] = -1;
    FOriginalFont[TargetSlot] = nullptr;
    FOrigin = {};
}

int TGdiHtmlCanvas::RegisterFont(const THtmlFont& font) {
    for (std::size_t i = 0; i < FFonts.size(); ++i)
        if (FFonts[i]->Font == font) return static_cast<int>(i);
    auto entry = std::make_unique<TFontEntry>();
    entry->Font = font;
    entry->Id = static_cast<int>(FFonts.size());
    LOGFONTW lf{};
    lf.lfHeight = -std::max(font.Size, 1);
    lf.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.Italic;
    lf.lfUnderline = font.Underline;
    lf.lfStrikeOut = font.Strike;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, font.Face.c_str(), LF_FACESIZE);
    entry->Handle.Reset(CreateFontIndirectW(&lf));
    HDC dc = FMeasure.Get();
    FFonts.push_back(std::move(entry));
    const int id = static_cast<int>(FFonts.size() - 1);
    SelectFont(dc, id);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    FFonts.back()->Metrics = {tm.tmAscent, tm.tmDescent};
    return id;
}

void TGdiHtmlCanvas::SelectFont(HDC dc, int font) {
    const int slot = dc == FFontDC[TargetSlot] && dc != FMeasure.Get() ? TargetSlot : MeasureSlot;
    if (FSelected[slot] == font) return;
    HGDIOBJ previous = SelectObject(dc, Entry(font).Handle.Get());
    if (!FOriginalFont[slot]) FOriginalFont[slot] = previous;
    FSelected[slot] = font;
}

TFontMetrics TGdiHtmlCanvas::Metrics(int font) { return Entry(font).Metrics; }

const std::array<int, 256>& TGdiHtmlCanvas::WidthBlock(TFontEntry& entry, unsigned block) {
    auto& slot = entry.Widths[block];
    if (!slot) {
        slot = std::make_unique<std::array<int, 256>>();
        HDC dc = FMeasure.Get();
        SelectFont(dc, entry.Id);
        const UINT first = block << 8;
        if (!GetCharWidth32W(dc, first, first + 255, slot->data())) {
            for (unsigned i = 0; i < 256; ++i) {
                const wchar_t c = static_cast<wchar_t>(first + i);
                SIZE size{};
                GetTextExtentPoint32W(dc, &c, 1, &size);
                (*slot)[i] = size.cx;
            }
        }
    }
    return *slot;
}

int TGdiHtmlCanvas::TextWidth(int font, std::wstring_view text) {
    TFontEntry& entry = Entry(font);
    int width = 0;
    unsigned lastBlock = 0x10000;
    const std::array<int, 256>* widths = nullptr;
    for (wchar_t c : text) {
        const unsigned block = static_cast<unsigned>(c) >> 8;
        if (block != lastBlock) {
            widths = &WidthBlock(entry, block);
            lastBlock = block;
        }
        width += (*widths)[static_cast<unsigned>(c) & 0xFF];
    }
    return width;
}

void TGdiHtmlCanvas::DrawText(int font, int x, int baseline, std::wstring_view text, TColor color) {
    HDC dc = Target();
    SelectFont(dc, font);
    SetTextColor(dc, ColorToRGB(color));
    // Each character advances by the width measuring gave it, so the text
    // ends exactly where layout expects it to.
    TFontEntry& entry = Entry(font);
    FAdvances.resize(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned>(text[i]);
        FAdvances[i] = WidthBlock(entry, c >> 8)[c & 0xFF];
    }
    ExtTextOutW(dc, x + FOrigin.X, baseline + FOrigin.Y, 0, nullptr, text.data(), static_cast<UINT>(text.size()),
                FAdvances.data());
}

void TGdiHtmlCanvas::FillRect(const TRect& rect, TColor color) {
    if (rect.IsEmpty() || color == clNone) return;
    HDC dc = Target();
    SetDCBrushColor(dc, ColorToRGB(color));
    const RECT r = rect.Offset(FOrigin.X, FOrigin.Y);
    ::FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void TGdiHtmlCanvas::DrawLine(TPoint a, TPoint b, TColor color) {
    HDC dc = Target();
    HGDIOBJ old = SelectObject(dc, GetStockObject(DC_PEN));
    SetDCPenColor(dc, ColorToRGB(color));
    MoveToEx(dc, a.X + FOrigin.X, a.Y + FOrigin.Y, nullptr);
    LineTo(dc, b.X + FOrigin.X, b.Y + FOrigin.Y);
    SetPixelV(dc, b.X + FOrigin.X, b.Y + FOrigin.Y, ColorToRGB(color));
    SelectObject(dc, old);
}

void TGdiHtmlCanvas::Ellipse(const TRect& rect, TColor fill, TColor outline) {
    HDC dc = Target();
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(DC_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(fill == clNone ? NULL_BRUSH : DC_BRUSH));
    SetDCPenColor(dc, ColorToRGB(outline));
    if (fill != clNone) SetDCBrushColor(dc, ColorToRGB(fill));
    const TRect r = rect.Offset(FOrigin.X, FOrigin.Y);
    ::Ellipse(dc, r.Left, r.Top, r.Right, r.Bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
}

void TGdiHtmlCanvas::DrawImage(const TRect& rect, const TBitmap& picture) {
    if (picture.Empty() || rect.IsEmpty()) return;
    FPictureCanvas.SetHandle(Target());
    FPictureCanvas.StretchDraw(rect.Offset(FOrigin.X, FOrigin.Y), picture);
    FPictureCanvas.SetHandle(nullptr);
}

void TGdiHtmlCanvas::PushClip(const TRect& rect) {
    HDC dc = Target();
    SaveDC(dc);
    ++FClipDepth;
    const TRect r = rect.Offset(FOrigin.X, FOrigin.Y);
    IntersectClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
}

void TGdiHtmlCanvas::PopClip() {
    if (FClipDepth == 0) return;
    HDC dc = Target();
    RestoreDC(dc, -1);
    --FClipDepth;
    // The restored context has the font it had when saved.
    const int slot = dc == FMeasure.Get() ? MeasureSlot : TargetSlot;
    FSelected[slot] = -1;
}
