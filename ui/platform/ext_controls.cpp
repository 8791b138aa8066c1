#include "ui/platform/ext_controls.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "ui/platform/application.h"
#include "ui/platform/form_definition.h"
#include "ui/platform/graphics/bitmap.h"
#include "ui/platform/platform_classes.h"

namespace {

using TRegionHandle = TGdiHandle<HRGN>;

void FillSolid(TCanvas& canvas, const TRect& rect, TColor color) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(rect);
}

struct TBevelColors {
    TColor TopLeft;
    TColor BottomRight;
};

TBevelColors BevelColors(TBevelCut cut, TColor face) {
    switch (cut) {
    case bvRaised: return {clBtnHighlight, clBtnShadow};
    case bvLowered: return {clBtnShadow, clBtnHighlight};
    default: return {face, face};
    }
}

}  // namespace

void Frame3D(TCanvas& canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width) {
    for (int i = 0; i < width && !rect.IsEmpty(); ++i) {
        FillSolid(canvas, {rect.Left, rect.Top, rect.Right - 1, rect.Top + 1}, topLeft);
        FillSolid(canvas, {rect.Left, rect.Top, rect.Left + 1, rect.Bottom - 1}, topLeft);
        FillSolid(canvas, {rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom}, bottomRight);
        FillSolid(canvas, {rect.Right - 1, rect.Top, rect.Right, rect.Bottom}, bottomRight);
        rect = rect.Inflate(-1, -1);
    }
}

// ------------------------------------------------------------------ TPanel

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
    FControlStyle |= csAcceptsControls | csSetCaption;
}

void TPanel::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.WinClassName = L"Panel";
    p.ClassStyle |= CS_HREDRAW | CS_VREDRAW;  // the caption is centred on the whole panel
    if (FBorderStyle == bsSingle) AddBorderStyle(p);
}

void TPanel::FrameChanged() {
    Realign();
    Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut value) {
    if (value == FBevelOuter) return;
    FBevelOuter = value;
    FrameChanged();
}

void TPanel::SetBevelInner(TBevelCut value) {
    if (value == FBevelInner) return;
    FBevelInner = value;
    FrameChanged();
}

void TPanel::SetBevelWidth(int value) {
    value = std::max(1, value);
    if (value == FBevelWidth) return;
    FBevelWidth = value;
    FrameChanged();
}

void TPanel::SetBorderWidth(int value) {
    value = std::max(0, value);
    if (value == FBorderWidth) return;
    FBorderWidth = value;
    FrameChanged();
}

void TPanel::SetBorderStyle(TBorderStyle value) {
    if (value == FBorderStyle) return;
    FBorderStyle = value == bsNone ? bsNone : bsSingle;
    RecreateWnd();
    FrameChanged();
}

void TPanel::SetAlignment(TAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    Invalidate();
}

void TPanel::AdjustClientRect(TRect& rect) const {
    int inset = FBorderWidth;
    if (FBevelOuter != bvNone) inset += FBevelWidth;
    if (FBevelInner != bvNone) inset += FBevelWidth;
    rect = rect.Inflate(-inset, -inset);
}

void TPanel::Paint() {
    TCanvas& canvas = Canvas();
    TRect rect = ClientRect();
    if (FBevelOuter != bvNone) {
        const TBevelColors c = BevelColors(FBevelOuter, Color());
        Frame3D(canvas, rect, c.TopLeft, c.BottomRight, FBevelWidth);
    }
    Frame3D(canvas, rect, Color(), Color(), FBorderWidth);
    if (FBevelInner != bvNone) {
        const TBevelColors c = BevelColors(FBevelInner, Color());
        Frame3D(canvas, rect, c.TopLeft, c.BottomRight, FBevelWidth);
    }
    FillSolid(canvas, rect, Color());
    if (Caption().empty()) return;
    static constexpr UINT AlignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().Assign(Font());
    if (!Enabled()) canvas.Font().SetColor(clGrayText);
    canvas.DrawText(Caption(), rect, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | AlignmentFlags[FAlignment]);
}

// ------------------------------------------------------------------ TBevel

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 50, 50); }

void TBevel::SetShape(TBevelShape value) {
    if (value == FShape) return;
    FShape = value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle value) {
    if (value == FStyle) return;
    FStyle = value;
    Invalidate();
}

void TBevel::Paint() {
    TCanvas& canvas = Canvas();
    const TColor dark = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor light = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
    const int w = Width(), h = Height();
    switch (FShape) {
    case bsBox: {
        TRect rect = ClientRect();
        Frame3D(canvas, rect, dark, light, 1);
        break;
    }
    case bsFrame: {
        // Etched: a light outline one pixel down and right of a dark one.
        TRect outer{1, 1, w, h}, inner{0, 0, w - 1, h - 1};
        Frame3D(canvas, outer, light, light, 1);
        Frame3D(canvas, inner, dark, dark, 1);
        break;
    }
    case bsTopLine:
        FillSolid(canvas, {0, 0, w, 1}, dark);
        FillSolid(canvas, {0, 1, w, 2}, light);
        break;
    case bsBottomLine:
        FillSolid(canvas, {0, h - 2, w, h - 1}, dark);
        FillSolid(canvas, {0, h - 1, w, h}, light);
        break;
    case bsLeftLine:
        FillSolid(canvas, {0, 0, 1, h}, dark);
        FillSolid(canvas, {1, 0, 2, h}, light);
        break;
    case bsRightLine:
        FillSolid(canvas, {w - 2, 0, w - 1, h}, dark);
        FillSolid(canvas, {w - 1, 0, w, h}, light);
        break;
    case bsSpacer: break;
    }
}

// ------------------------------------------------------------------ TGauge

TGauge::TGauge(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 100, 100);
    FControlStyle |= csOpaque;  // painted whole: no erasing underneath, no flicker
}

void TGauge::Changed() { Invalidate(); }

void TGauge::SetKind(TGaugeKind value) {
    if (value == FKind) return;
    FKind = value;
    Changed();
}

void TGauge::SetMinValue(int value) {
    if (value == FMinValue) return;
    FMinValue = value;
    if (!IsLoading()) {
        FMaxValue = std::max(FMaxValue, value);
        FProgress = std::clamp(FProgress, FMinValue, FMaxValue);
    }
    Changed();
}

void TGauge::SetMaxValue(int value) {
    if (value == FMaxValue) return;
    FMaxValue = value;
    if (!IsLoading()) {
        FMinValue = std::min(FMinValue, value);
        FProgress = std::clamp(FProgress, FMinValue, FMaxValue);
    }
    Changed();
}

void TGauge::SetProgress(int value) {
    if (!IsLoading()) value = std::clamp(value, FMinValue, FMaxValue);
    if (value == FProgress) return;
    const int before = PercentDone();
    FProgress = value;
    // A new percentage shows at once, even in a loop that handles no messages.
    if (PercentDone() != before)
        Repaint();
    else
        Changed();
}

void TGauge::AddProgress(int value) {
    const std::int64_t sum = static_cast<std::int64_t>(FProgress) + value;
    SetProgress(static_cast<int>(std::clamp<std::int64_t>(sum, FMinValue, FMaxValue)));
}

void TGauge::Loaded() {
    TGraphicControl::Loaded();
    FMaxValue = std::max(FMaxValue, FMinValue);
    FProgress = std::clamp(FProgress, FMinValue, FMaxValue);
}

double TGauge::Fraction() const {
    const std::int64_t range = static_cast<std::int64_t>(FMaxValue) - FMinValue;
    if (range <= 0) return 0.0;
    return static_cast<double>(static_cast<std::int64_t>(FProgress) - FMinValue) / static_cast<double>(range);
}

int TGauge::PercentDone() const {
    const std::int64_t range = static_cast<std::int64_t>(FMaxValue) - FMinValue;
    if (range <= 0) return 0;
    return static_cast<int>((static_cast<std::int64_t>(FProgress) - FMinValue) * 100 / range);
}

void TGauge::SetShowText(bool value) {
    if (value == FShowText) return;
    FShowText = value;
    Changed();
}

void TGauge::SetForeColor(TColor value) {
    if (value == FForeColor) return;
    FForeColor = value;
    Changed();
}

void TGauge::SetBackColor(TColor value) {
    if (value == FBackColor) return;
    FBackColor = value;
    Changed();
}

void TGauge::SetBorderStyle(TBorderStyle value) {
    if (value == FBorderStyle) return;
    FBorderStyle = value == bsNone ? bsNone : bsSingle;
    Changed();
}

void TGauge::Paint() {
    const TRect client = ClientRect();
    if (client.IsEmpty()) return;
    TBitmap buffer(client.Width(), client.Height());
    TCanvas& canvas = buffer.Canvas();
    TRect inside = client;
    if (FBorderStyle == bsSingle) Frame3D(canvas, inside, clWindowFrame, clWindowFrame, 1);
    if (!inside.IsEmpty()) PaintOn(canvas, inside);
    Canvas().Draw(0, 0, buffer);
}

namespace {

// The filled part of a gauge as a region: a rectangle for the bars, a wedge
// from twelve o'clock clockwise for the pie.
TRegionHandle FilledRegion(TGaugeKind kind, const TRect& r, double fraction) {
    switch (kind) {
    case gkHorizontalBar: {
        const int right = r.Left + static_cast<int>(r.Width() * fraction);
        return TRegionHandle(CreateRectRgn(r.Left, r.Top, right, r.Bottom));
    }
    case gkVerticalBar: {
        const int top = r.Bottom - static_cast<int>(r.Height() * fraction);
        return TRegionHandle(CreateRectRgn(r.Left, top, r.Right, r.Bottom));
    }
    case gkPie: {
        if (fraction >= 1.0) return TRegionHandle(CreateEllipticRgn(r.Left, r.Top, r.Right + 1, r.Bottom + 1));
        const double cx = (r.Left + r.Right) / 2.0, cy = (r.Top + r.Bottom) / 2.0;
        std::vector<POINT> points{{static_cast<LONG>(cx), static_cast<LONG>(cy)}};
        const int steps = std::max(1, static_cast<int>(fraction * 180));
        for (int i = 0; i <= steps; ++i) {
            const double angle = 2 * std::numbers::pi * fraction * i / steps;
            points.push_back({static_cast<LONG>(std::lround(cx + std::sin(angle) * r.Width() / 2.0)),
                              static_cast<LONG>(std::lround(cy - std::cos(angle) * r.Height() / 2.0))});
        }
        return TRegionHandle(CreatePolygonRgn(points.data(), static_cast<int>(points.size()), WINDING));
    }
    default: return TRegionHandle(CreateRectRgn(0, 0, 0, 0));
    }
}

// Draws `text` centred in `rect`, clipped to `clip`.
void DrawClippedText(TCanvas& canvas, const TRect& rect, const std::wstring& text, TColor color, HRGN clip) {
    const HDC dc = canvas.Handle();
    SelectClipRgn(dc, clip);
    canvas.Font().SetColor(color);
    canvas.Brush().SetStyle(bsClear);
    TRect r = rect;
    canvas.DrawText(text, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    SelectClipRgn(dc, nullptr);
}

}  // namespace

void TGauge::PaintOn(TCanvas& canvas, const TRect& inside) {
    FillSolid(canvas, inside, FBackColor);
    const TRegionHandle filled = FilledRegion(FKind, inside, Fraction());
    if (FKind == gkPie) {
        canvas.Pen().SetColor(FForeColor);
        canvas.Brush().SetStyle(bsClear);
        canvas.Ellipse(inside);
    }
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(FForeColor);
    FillRgn(canvas.Handle(), filled.Get(), canvas.Brush().Handle());
    if (!FShowText) return;
    const TRegionHandle empty(CreateRectRgn(inside.Left, inside.Top, inside.Right, inside.Bottom));
    CombineRgn(empty.Get(), empty.Get(), filled.Get(), RGN_DIFF);
    const std::wstring text = std::to_wstring(PercentDone()) + L"%";
    canvas.Font().Assign(Font());
    DrawClippedText(canvas, inside, text, FForeColor, empty.Get());
    DrawClippedText(canvas, inside, text, FBackColor, filled.Get());
}

// ------------------------------------------------------------------ TTimer

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
    if (FActive) KillTimer(FWindow, 1);
    if (FWindow) DestroyWindow(FWindow);
}

TTimer::TTimerEvent& TTimer::TTimerEvent::operator=(TNotifyEvent handler) {
    FHandler = std::move(handler);
    FTimer.UpdateTimer();
    return *this;
}

void TTimer::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned value) {
    if (value == FInterval) return;
    FInterval = value;
    UpdateTimer();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::Timer() {
    if (OnTimer) OnTimer(this);
}

void TTimer::HandleWindowMessage(HWND window, TMessage& m) {
    if (m.Msg != WM_TIMER) {
        m.Result = DefWindowProcW(window, m.Msg, m.WParam, m.LParam);
        return;
    }
    if (FActive) Timer();
}

void TTimer::WindowUnbound(HWND window) {
    if (FWindow == window) FWindow = nullptr;
}

void TTimer::UpdateTimer() {
    if (FActive) KillTimer(FWindow, 1);
    FActive = false;
    if (!FEnabled || FInterval == 0 || !OnTimer || IsLoading() || IsDestroying()) return;
    if (!FWindow) {
        static const TRegisteredClass& cls = RegisterWindowClass({L"Timer", L"", 0, false});
        FWindow = CreateBoundWindow(*this, cls, 0, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr);
    }
    if (!SetTimer(FWindow, 1, FInterval, nullptr)) throw EOSError(L"Pornirea temporizatorului", GetLastError());
    FActive = true;
}

// ------------------------------------------------------------ registration

void RegisterExtControls(TClassRegistry& r) {
    using V = const TDefValue&;
    using X = const TLoadContext&;
    r.RegisterClass<TPanel>(L"TPanel");
    r.RegisterProperty<TPanel>(L"BevelOuter", [](TPanel& c, V v, X x) { c.SetBevelOuter(DefBevelCut(v, x)); });
    r.RegisterProperty<TPanel>(L"BevelInner", [](TPanel& c, V v, X x) { c.SetBevelInner(DefBevelCut(v, x)); });
    r.RegisterProperty<TPanel>(L"BevelWidth", [](TPanel& c, V v, X) { c.SetBevelWidth(v.AsInt()); });
    r.RegisterProperty<TPanel>(L"BorderWidth", [](TPanel& c, V v, X) { c.SetBorderWidth(v.AsInt()); });
    r.RegisterProperty<TPanel>(L"BorderStyle", [](TPanel& c, V v, X x) { c.SetBorderStyle(DefBorderStyle(v, x)); });
    r.RegisterProperty<TPanel>(L"Alignment", [](TPanel& c, V v, X x) { c.SetAlignment(DefAlignment(v, x)); });

    r.RegisterClass<TBevel>(L"TBevel");
    r.RegisterProperty<TBevel>(L"Shape", [](TBevel& c, V v, X x) {
        c.SetShape(static_cast<TBevelShape>(
            x.Enum(v, {{L"bsBox", bsBox}, {L"bsFrame", bsFrame}, {L"bsTopLine", bsTopLine}, {L"bsBottomLine", bsBottomLine},
                       {L"bsLeftLine", bsLeftLine}, {L"bsRightLine", bsRightLine}, {L"bsSpacer", bsSpacer}})));
    });
    r.RegisterProperty<TBevel>(L"Style", [](TBevel& c, V v, X x) {
        c.SetStyle(static_cast<TBevelStyle>(x.Enum(v, {{L"bsLowered", bsLowered}, {L"bsRaised", bsRaised}})));
    });

    r.RegisterClass<TGauge>(L"TGauge");
    r.RegisterProperty<TGauge>(L"Kind", [](TGauge& c, V v, X x) {
        c.SetKind(static_cast<TGaugeKind>(x.Enum(
            v, {{L"gkText", gkText}, {L"gkHorizontalBar", gkHorizontalBar}, {L"gkVerticalBar", gkVerticalBar}, {L"gkPie", gkPie}})));
    });
    r.RegisterProperty<TGauge>(L"MinValue", [](TGauge& c, V v, X) { c.SetMinValue(v.AsInt()); });
    r.RegisterProperty<TGauge>(L"MaxValue", [](TGauge& c, V v, X) { c.SetMaxValue(v.AsInt()); });
    r.RegisterProperty<TGauge>(L"Progress", [](TGauge& c, V v, X) { c.SetProgress(v.AsInt()); });
    r.RegisterProperty<TGauge>(L"ShowText", [](TGauge& c, V v, X) { c.SetShowText(v.AsBool()); });
    r.RegisterProperty<TGauge>(L"ForeColor", [](TGauge& c, V v, X x) { c.SetForeColor(DefColor(v, x)); });
    r.RegisterProperty<TGauge>(L"BackColor", [](TGauge& c, V v, X x) { c.SetBackColor(DefColor(v, x)); });
    r.RegisterProperty<TGauge>(L"BorderStyle", [](TGauge& c, V v, X x) { c.SetBorderStyle(DefBorderStyle(v, x)); });

    r.RegisterClass<TTimer>(L"TTimer");
    r.RegisterProperty<TTimer>(L"Enabled", [](TTimer& c, V v, X) { c.SetEnabled(v.AsBool()); });
    r.RegisterProperty<TTimer>(L"Interval", [](TTimer& c, V v, X x) {
        if (v.AsInt() < 0) x.Fail(v.Line, L"intervalul nu poate fi negativ");
        c.SetInterval(static_cast<unsigned>(v.AsInt()));
    });
    r.RegisterProperty<TTimer>(L"OnTimer", [](TTimer& c, V v, X x) { c.OnTimer = x.Handler<TNotifyEvent>(v); });
}
