#include "ui/forms/title_bar.h"

#include <algorithm>
#include <cmath>

#include "ui/forms/framework.h"
#include "ui/platform/application.h"
#include "ui/platform/form_definition.h"
#include "ui/platform/platform_classes.h"

namespace {
const TColor GrayCaption = static_cast<TColor>(8421504);
}

void FillGradient(TCanvas& canvas, const TRect& rect, TColor start, TColor end, bool vertical) {
    const COLORREF a = ColorToRGB(start), b = ColorToRGB(end);
    canvas.Brush().SetStyle(bsSolid);
    if (a == b) {
        canvas.Brush().SetColor(RGBToColor(a));
        canvas.FillRect(rect);
        return;
    }
    const int steps = vertical ? rect.Height() : rect.Width();
    if (steps <= 0) return;
    const int from[3] = {GetRValue(a), GetGValue(a), GetBValue(a)};
    const int to[3] = {GetRValue(b), GetGValue(b), GetBValue(b)};
    double step[3];
    for (int c = 0; c < 3; ++c) step[c] = static_cast<double>(to[c] - from[c]) / steps;
    for (int i = 0; i < steps; ++i) {
        int channel[3];
        for (int c = 0; c < 3; ++c)
            channel[c] = std::clamp(from[c] + static_cast<int>(std::ceil(i * step[c])), 0, 255);
        canvas.Pen().SetColor(RGBColor(static_cast<std::uint8_t>(channel[0]), static_cast<std::uint8_t>(channel[1]),
                                       static_cast<std::uint8_t>(channel[2])));
        if (vertical) {
            canvas.MoveTo(rect.Left, rect.Top + i);
            canvas.LineTo(rect.Right, rect.Top + i);
        } else {
            canvas.MoveTo(rect.Left + i, rect.Top);
            canvas.LineTo(rect.Left + i, rect.Bottom);
        }
    }
}

TTitleBar::TTitleBar(TComponent* owner) : TGraphicControl(owner) {
    auto* form = dynamic_cast<TCustomForm*>(owner);
    Scara = (form ? form->PixelsPerInch : 96) / 96.0;
    SetParentFont(false);
    Font().SetName(L"Ms Sans Serif");
    Font().SetStyle(fsBold);
    Font().SetColor(static_cast<TColor>(0));
    Font().SetSize(Scara == 1.0 ? 10 : 11);
    SetColor(static_cast<TColor>(5058564));
    SetBounds(0, 0, 100, static_cast<int>(std::lround(Scara * 25)));
    FControlStyle |= csOpaque;
}

void TTitleBar::UpdateCaptionArea() {
    IconSpace = FIconStyle == isNone || !IconFaceBitmap ? 10 : IconFaceBitmap->Width() / 2 + 15;
    FWidth = Width() - IconSpace - 10;
}

void TTitleBar::SetBounds(int left, int top, int width, int height) {
    TGraphicControl::SetBounds(left, top, width, height);
    UpdateCaptionArea();
}

void TTitleBar::SetVertical(bool value) {
    if (value == FVertical) return;
    FVertical = value;
    Invalidate();
}

void TTitleBar::SetStartColor(TColor value) {
    if (value == FStartColor) return;
    FStartColor = value;
    Invalidate();
}

void TTitleBar::SetEndColor(TColor value) {
    if (value == FEndColor) return;
    FEndColor = value;
    Invalidate();
}

void TTitleBar::SetCaptionColor(TColor value) {
    if (value == Font().Color()) return;
    Font().SetColor(value);
    Invalidate();
}

void TTitleBar::SetIconStyle(TIconStyle value) {
    if (value == FIconStyle) return;
    FIconStyle = value;
    UpdateCaptionArea();
    Invalidate();
}

void TTitleBar::TextChanged() { Invalidate(); }

// Redraws only the caption, straight onto the parent's window.
void TTitleBar::SetGrayed(bool value) {
    if (value == FGrayed) return;
    FGrayed = value;
    if (!Visible() || !Parent() || !Parent()->HandleAllocated() || !IsWindowVisible(Parent()->Handle())) return;
    HWND window = Parent()->Handle();
    HDC dc = GetDC(window);
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, Left(), Top(), nullptr);
    IntersectClipRect(dc, 0, 0, Width(), Height());
    Canvas().SetHandle(dc);
    DrawCaption(Canvas());
    Canvas().SetHandle(nullptr);
    RestoreDC(dc, saved);
    ReleaseDC(window, dc);
}

void TTitleBar::FillBackground(TCanvas& canvas) {
    const TRect client = ClientRect();
    if (HighColorDisplay && FStartColor != FEndColor) {
        FillGradient(canvas, client, FStartColor, FEndColor, FVertical);
        return;
    }
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(FStartColor);
    canvas.FillRect(client);
}

void TTitleBar::DrawCaption(TCanvas& canvas) {
    canvas.Font().Assign(Font());
    canvas.Font().SetColor(FGrayed ? GrayCaption : Font().Color());
    const std::wstring caption = Caption();
    TRect measure{0, 0, Screen->Width() / 2, 0};
    canvas.DrawText(caption, measure, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
    const int h = measure.Height();
    const int top = (Height() - h) / 2;
    const int x = static_cast<int>(std::lround(5 * Scara)) + IconSpace;
    TRect target{x, top, x + FWidth, top + top + h};
    canvas.Brush().SetStyle(bsClear);
    canvas.DrawText(caption, target, DT_LEFT | DT_NOPREFIX | DT_SINGLELINE);
}

void TTitleBar::Paint() {
    FillBackground(Canvas());
    DrawCaption(Canvas());
}

void RegisterTitleBar(TClassRegistry& r) {
    using V = const TDefValue&;
    using X = const TLoadContext&;
    r.RegisterClass<TTitleBar>(L"TTitleBar");
    r.RegisterProperty<TTitleBar>(L"Grayed", [](TTitleBar& c, V v, X) { c.SetGrayed(v.AsBool()); });
    r.RegisterProperty<TTitleBar>(L"Vertical", [](TTitleBar& c, V v, X) { c.SetVertical(v.AsBool()); });
    r.RegisterProperty<TTitleBar>(L"StartColor", [](TTitleBar& c, V v, X x) { c.SetStartColor(DefColor(v, x)); });
    r.RegisterProperty<TTitleBar>(L"EndColor", [](TTitleBar& c, V v, X x) { c.SetEndColor(DefColor(v, x)); });
    r.RegisterProperty<TTitleBar>(L"CaptionColor", [](TTitleBar& c, V v, X x) { c.SetCaptionColor(DefColor(v, x)); });
    r.RegisterProperty<TTitleBar>(L"IconStyle", [](TTitleBar& c, V v, X x) {
        c.SetIconStyle(static_cast<TIconStyle>(x.Enum(v, {{L"isNone", isNone}, {L"isSearch", isSearch}, {L"isDetail", isDetail}})));
    });
}
