// Panels, bevels, gauges and timers.
#pragma once

#include <windows.h>

#include "ui/platform/forms.h"

using TBorderStyle = TFormBorderStyle;  // bsNone or bsSingle

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// Draws `width` rings of a 3-D frame inside `rect`: top and left in `topLeft`,
// bottom and right in `bottomRight`; `rect` shrinks by the rings drawn.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width);

// A container with a caption, an outer and an inner bevel and a border
// between them. Aligned children share what lies inside bevels and border.
class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* owner);

    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

protected:
    void CreateParams(TCreateParams& params) override;
    void AdjustClientRect(TRect& rect) const override;
    void Paint() override;

private:
    void FrameChanged();

    TBevelCut FBevelOuter = bvRaised;
    TBevelCut FBevelInner = bvNone;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TBorderStyle FBorderStyle = bsNone;
    TAlignment FAlignment = taCenter;
};

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

// A box, an etched frame or an etched line, in the button shadow and
// highlight colours; bsSpacer draws nothing.
class TBevel : public TGraphicControl {
public:
    explicit TBevel(TComponent* owner);

    TBevelShape Shape() const { return FShape; }
    void SetShape(TBevelShape value);
    TBevelStyle Style() const { return FStyle; }
    void SetStyle(TBevelStyle value);

protected:
    void Paint() override;

private:
    TBevelShape FShape = bsBox;
    TBevelStyle FStyle = bsLowered;
};

enum TGaugeKind { gkText, gkHorizontalBar, gkVerticalBar, gkPie };

// Progress between MinValue and MaxValue as a bar, a pie or text. The text
// "NN%" is centred and drawn in ForeColor over the empty part and in
// BackColor over the filled part. Painted through a memory bitmap.
class TGauge : public TGraphicControl {
public:
    explicit TGauge(TComponent* owner);

    TGaugeKind Kind() const { return FKind; }
    void SetKind(TGaugeKind value);
    // A minimum above the maximum raises the maximum (and the other way round).
    int MinValue() const { return FMinValue; }
    void SetMinValue(int value);
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int value);
    // Kept between MinValue and MaxValue.
    int Progress() const { return FProgress; }
    void SetProgress(int value);
    void AddProgress(int value);
    // Whole per cent of the way from MinValue to MaxValue; 0 when they are equal.
    int PercentDone() const;
    bool ShowText() const { return FShowText; }
    void SetShowText(bool value);
    TColor ForeColor() const { return FForeColor; }
    void SetForeColor(TColor value);
    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    void Loaded() override;

protected:
    void Paint() override;

private:
    // The filled share of the way, 0..1.
    double Fraction() const;
    void PaintOn(TCanvas& canvas, const TRect& inside);
    void Changed();

    TGaugeKind FKind = gkHorizontalBar;
    int FMinValue = 0;
    int FMaxValue = 100;
    int FProgress = 0;
    bool FShowText = true;
    TColor FForeColor = clBlack;
    TColor FBackColor = clWhite;
    TBorderStyle FBorderStyle = bsSingle;
};

// Fires OnTimer every Interval milliseconds while Enabled. A system timer
// exists only while the timer is enabled, has an interval and a handler;
// any change of the three starts the count again. It ticks in the
// program's message loop.
class TTimer : public TComponent, private TWindowTarget {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned value);
    void Loaded() override;
    // Whether a system timer is running now.
    bool Active() const { return FActive; }

    // The handler; assigning one (or an empty one) restarts or stops the timer.
    class TTimerEvent {
    public:
        explicit TTimerEvent(TTimer& timer) : FTimer(timer) {}
        TTimerEvent& operator=(TNotifyEvent handler);
        explicit operator bool() const { return static_cast<bool>(FHandler); }
        void operator()(TObject* sender) const { FHandler(sender); }

    private:
        TTimer& FTimer;
        TNotifyEvent FHandler;
    };
    TTimerEvent OnTimer{*this};

protected:
    virtual void Timer();

private:
    void HandleWindowMessage(HWND window, TMessage& m) override;
    void WindowUnbound(HWND window) override;
    void UpdateTimer();

    bool FEnabled = true;
    unsigned FInterval = 1000;
    bool FActive = false;
    HWND FWindow = nullptr;
};
