// The HTML canvas over GDI. It measures on a memory context of its own, so a
// layout needs no window, and draws on the device context it is bound to
// (Bind/Unbind, or the TGdiCanvasTarget guard), offset by an origin. Each
// font's character widths are read once per block of 256 characters, which
// keeps measuring a large page cheap.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

#include "ui/html/html_canvas.h"
#include "ui/platform/graphics/canvas.h"
#include "ui/platform/graphics/gdi_handle.h"

class TGdiHtmlCanvas : public THtmlCanvas {
public:
    TGdiHtmlCanvas();
    ~TGdiHtmlCanvas() override;
    TGdiHtmlCanvas(const TGdiHtmlCanvas&) = delete;
    TGdiHtmlCanvas& operator=(const TGdiHtmlCanvas&) = delete;

    // Draws on `dc` from now on, (0, 0) of the layout at `origin` of the context.
    void Bind(HDC dc, TPoint origin);
    void Unbind();

    int RegisterFont(const THtmlFont& font) override;
    TFontMetrics Metrics(int font) override;
    int TextWidth(int font, std::wstring_view text) override;
    void DrawText(int font, int x, int baseline, std::wstring_view text, TColor color) override;
    void FillRect(const TRect& rect, TColor color) override;
    void DrawLine(TPoint a, TPoint b, TColor color) override;
    void Ellipse(const TRect& rect, TColor fill, TColor outline) override;
    void DrawImage(const TRect& rect, const TBitmap& picture) override;
    void PushClip(const TRect& rect) override;
    void PopClip() override;

private:
    struct TFontEntry {
        THtmlFont Font;
        int Id = 0;
        TFontHandle Handle;
        TFontMetrics Metrics;
        std::array<std::unique_ptr<std::array<int, 256>>, 256> Widths;
    };
    TFontEntry& Entry(int font) { return *FFonts.at(static_cast<std::size_t>(font)); }
    const std::array<int, 256>& WidthBlock(TFontEntry& entry, unsigned block);
    void SelectFont(HDC dc, int font);
    HDC Target() const { return FTarget ? FTarget : FMeasure.Get(); }

    TMemoryDC FMeasure;
    HDC FTarget = nullptr;
    TPoint FOrigin;
    std::vector<std::unique_ptr<TFontEntry>> FFonts;
    // The font each context has selected, and what it had before.
    HDC FFontDC[2] = {};
    int FSelected[2] = {-1, -1};
    HGDIOBJ FOriginalFont[2] = {};
    int FClipDepth = 0;
    std::vector<INT> FAdvances;
    TCanvas FPictureCanvas;
};

// Binds a canvas to a device context for one paint.
class TGdiCanvasTarget {
public:
    TGdiCanvasTarget(TGdiHtmlCanvas& canvas, HDC dc, TPoint origin) : FCanvas(canvas) { canvas.Bind(dc, origin); }
    ~TGdiCanvasTarget() { FCanvas.Unbind(); }
    TGdiCanvasTarget(const TGdiCanvasTarget&) = delete;
    TGdiCanvasTarget& operator=(const TGdiCanvasTarget&) = delete;

private:
    TGdiHtmlCanvas& FCanvas;
};
