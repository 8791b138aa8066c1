// Panels, bevels, gauges and timers: what they paint and when they fire.
#include "tests/graphics/graphics_test_support.h"
#include "tests/platform/controls_fixture.h"
#include "ui/platform/edit_controls.h"
#include "ui/platform/ext_controls.h"

namespace {

struct Pixel {
    int X, Y;
    TColor Expected;
};

void ExpectPixels(const TBitmap& picture, std::initializer_list<Pixel> pixels, const std::string& what) {
    for (const Pixel& p : pixels)
        EXPECT_EQ(picture.Pixel(p.X, p.Y), Drawn(p.Expected)) << what << " at (" << p.X << ", " << p.Y << ")";
}

TEST_F(ControlsFixture, PanelDrawsItsBevelsAndBorderAndLaysChildrenInside) {
    auto* panel = Add<TPanel>(10, 10, 100, 60);
    panel->SetColor(clYellow);
    panel->SetBevelOuter(bvRaised);
    panel->SetBevelInner(bvLowered);
    panel->SetBevelWidth(2);
    panel->SetBorderWidth(3);
    auto* child = Add<TPanel>(0, 0, 10, 10, panel);
    child->SetAlign(alClient);
    EXPECT_EQ(child->BoundsRect(), (TRect{7, 7, 93, 53}));

    const TBitmap picture = Snapshot(*panel);
    // Outer ring raised (light at the top left), then the border in the
    // panel's colour, then the inner ring lowered.
    ExpectPixels(picture,
                 {{0, 30, clBtnHighlight}, {1, 30, clBtnHighlight}, {50, 0, clBtnHighlight}, {99, 30, clBtnShadow},
                  {98, 30, clBtnShadow}, {50, 59, clBtnShadow}, {2, 30, clYellow}, {4, 30, clYellow}, {5, 30, clBtnShadow},
                  {6, 30, clBtnShadow}, {50, 5, clBtnShadow}, {94, 30, clBtnHighlight}, {50, 54, clBtnHighlight}},
                 "bevels");
}

// A new window for the panel means new windows for what it holds; what the
// user typed or picked there stays.
TEST_F(ControlsFixture, RecreatingAPanelKeepsWhatTheUserEnteredInItsControls) {
    auto* panel = Add<TPanel>(10, 10, 300, 100);
    auto* inner = Add<TPanel>(5, 5, 200, 80, panel);
    auto* edit = Add<TEdit>(5, 5, 100, 21, inner);
    auto* combo = Add<TComboBox>(5, 40, 100, 21, inner);
    combo->SetStyle(csDropDownList);
    combo->Items().Assign(std::vector<std::wstring>{L"unu", L"doi"});
    SendMessageW(edit->Handle(), WM_CHAR, L'x', 1);
    SendMessageW(combo->Handle(), CB_SETCURSEL, 1, 0);
    HWND before = edit->Handle();
    panel->SetBorderStyle(bsSingle);
    EXPECT_NE(edit->Handle(), before);
    EXPECT_EQ(edit->Text(), L"x");
    EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(ControlsFixture, PanelCaptionFollowsItsAlignmentAndIsCentredVertically) {
    struct Case {
        TAlignment Alignment;
        const char* Name;
    };
    for (const Case& c : {Case{taLeftJustify, "left"}, Case{taCenter, "centre"}, Case{taRightJustify, "right"}}) {
        auto* panel = Add<TPanel>(10, 10, 200, 40);
        panel->SetBevelOuter(bvNone);
        panel->SetColor(clWhite);
        panel->SetCaption(L"Titlu");
        panel->SetAlignment(c.Alignment);
        const TBitmap picture = Snapshot(*panel);
        const TRect ink = InkBesides(picture, {0, 0, 200, 40}, clWhite);
        ASSERT_FALSE(ink.IsEmpty()) << c.Name;
        const int left = ink.Left, right = 200 - ink.Right;
        switch (c.Alignment) {
        case taLeftJustify: EXPECT_LE(left, 2) << c.Name; break;
        case taRightJustify: EXPECT_LE(right, 2) << c.Name; break;
        case taCenter: EXPECT_LE(std::abs(left - right), 3) << c.Name; break;
        }
        EXPECT_LE(std::abs(ink.Top - (40 - ink.Bottom)), 3) << c.Name;
        panel->Free();
    }
}

TEST_F(ControlsFixture, BevelDrawsEachShapeOnItsEdges) {
    struct Case {
        TBevelShape Shape;
        std::vector<Pixel> Pixels;
    };
    const TColor dark = clBtnShadow, light = clBtnHighlight, none = clFuchsia;
    const Case cases[] = {
        {bsBox, {{0, 20, dark}, {20, 0, dark}, {39, 20, light}, {20, 29, light}, {20, 15, none}}},
        {bsFrame, {{0, 20, dark}, {1, 20, light}, {38, 20, dark}, {39, 20, light}, {20, 15, none}}},
        {bsTopLine, {{20, 0, dark}, {20, 1, light}, {20, 29, none}, {0, 20, none}}},
        {bsBottomLine, {{20, 28, dark}, {20, 29, light}, {20, 0, none}}},
        {bsLeftLine, {{0, 15, dark}, {1, 15, light}, {39, 15, none}}},
        {bsRightLine, {{38, 15, dark}, {39, 15, light}, {0, 15, none}}},
        {bsSpacer, {{0, 0, none}, {39, 29, none}}},
    };
    TBevel bevel(nullptr);
    bevel.SetBounds(0, 0, 40, 30);
    for (const Case& c : cases) {
        bevel.SetShape(c.Shape);
        TBitmap picture(40, 30);
        picture.Canvas().Brush().SetColor(none);
        picture.Canvas().FillRect({0, 0, 40, 30});
        bevel.PaintTo(picture.Canvas().Handle(), 0, 0);
        for (const Pixel& p : c.Pixels)
            EXPECT_EQ(picture.Pixel(p.X, p.Y), Drawn(p.Expected)) << "shape " << c.Shape << " at " << p.X << "," << p.Y;
    }
    bevel.SetStyle(bsRaised);  // raised swaps the two colours
    bevel.SetShape(bsTopLine);
    TBitmap picture(40, 30);
    bevel.PaintTo(picture.Canvas().Handle(), 0, 0);
    EXPECT_EQ(picture.Pixel(20, 0), Drawn(light));
    EXPECT_EQ(picture.Pixel(20, 1), Drawn(dark));
}

struct GaugeFixture : ::testing::Test {
    TGauge gauge{nullptr};
    void SetUp() override {
        gauge.SetBounds(0, 0, 200, 20);
        gauge.SetBorderStyle(bsNone);
        gauge.SetForeColor(clNavy);
        gauge.SetBackColor(clWhite);
    }
    // Filled pixels of a row (horizontal bar) or a column (vertical bar).
    int Filled(const TBitmap& picture, bool vertical) {
        int count = 0;
        const int length = vertical ? picture.Height() : picture.Width();
        for (int i = 0; i < length; ++i) count += (vertical ? picture.Pixel(2, i) : picture.Pixel(i, 1)) == clNavy;
        return count;
    }
};

TEST_F(GaugeFixture, FillsItsShareOfTheWayWithoutDividingByZero) {
    struct Case {
        int Min, Max, Progress;
        int Percent, FilledWidth;
    };
    const Case cases[] = {
        {0, 100, 0, 0, 0},       {0, 100, 50, 50, 100},    {0, 100, 100, 100, 200}, {0, 100, 150, 100, 200},
        {0, 100, -5, 0, 0},      {0, 3, 1, 33, 66},        {-50, 50, 0, 50, 100},   {10, 10, 10, 0, 0},
        {0, 2000000000, 1000000000, 50, 100},
    };
    gauge.SetShowText(false);
    for (const Case& c : cases) {
        gauge.SetMinValue(c.Min);
        gauge.SetMaxValue(c.Max);
        gauge.SetMinValue(c.Min);
        gauge.SetProgress(c.Progress);
        EXPECT_EQ(gauge.PercentDone(), c.Percent) << c.Min << ".." << c.Max << " at " << c.Progress;
        EXPECT_EQ(Filled(Snapshot(gauge), false), c.FilledWidth) << c.Min << ".." << c.Max << " at " << c.Progress;
    }
    gauge.SetMinValue(0);
    gauge.SetMaxValue(10);
    gauge.SetProgress(8);
    gauge.AddProgress(5);
    EXPECT_EQ(gauge.Progress(), 10);
    gauge.SetMinValue(20);  // a minimum above the maximum lifts the maximum and the progress
    EXPECT_EQ(gauge.MaxValue(), 20);
    EXPECT_EQ(gauge.Progress(), 20);
}

TEST_F(GaugeFixture, AVerticalBarFillsFromTheBottom) {
    gauge.SetBounds(0, 0, 20, 100);
    gauge.SetKind(gkVerticalBar);
    gauge.SetShowText(false);
    gauge.SetProgress(25);
    const TBitmap picture = Snapshot(gauge);
    EXPECT_EQ(Filled(picture, true), 25);
    EXPECT_EQ(picture.Pixel(2, 99), clNavy);
    EXPECT_EQ(picture.Pixel(2, 0), clWhite);
}

// The percentage is centred; over the filled part it takes the background
// colour, over the empty part the bar colour.
TEST_F(GaugeFixture, ThePercentageIsCentredAndInvertedOverTheBar) {
    struct Case {
        int Progress;
        bool InkOnBar, InkOnEmpty;
    };
    for (const Case& c : {Case{0, false, true}, Case{50, true, true}, Case{100, true, false}}) {
        gauge.SetProgress(c.Progress);
        gauge.SetShowText(false);
        const TBitmap plain = Snapshot(gauge);
        gauge.SetShowText(true);
        const TBitmap withText = Snapshot(gauge);
        TRect text{200, 20, 0, 0};
        bool inkOnBar = false, inkOnEmpty = false;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 200; ++x) {
                if (plain.Pixel(x, y) == withText.Pixel(x, y)) continue;
                text = {std::min(text.Left, x), std::min(text.Top, y), std::max(text.Right, x + 1), std::max(text.Bottom, y + 1)};
                const bool onBar = plain.Pixel(x, y) == clNavy;
                (onBar ? inkOnBar : inkOnEmpty) = true;
                EXPECT_EQ(withText.Pixel(x, y) == clWhite, onBar) << x << "," << y << " at " << c.Progress << "%";
            }
        EXPECT_EQ(inkOnBar, c.InkOnBar) << c.Progress;
        EXPECT_EQ(inkOnEmpty, c.InkOnEmpty) << c.Progress;
        EXPECT_LE(std::abs(text.Left - (200 - text.Right)), 3) << c.Progress;
        EXPECT_LE(std::abs(text.Top - (20 - text.Bottom)), 3) << c.Progress;
        TBitmap measure(1, 1);
        measure.Canvas().Font().Assign(gauge.Font());
        EXPECT_NEAR(text.Width(), measure.Canvas().TextWidth(std::to_wstring(c.Progress) + L"%"), 3) << c.Progress;
    }
}

TEST_F(GaugeFixture, TextAndPieKindsAndTheBorder) {
    gauge.SetBounds(0, 0, 60, 60);
    gauge.SetShowText(false);
    gauge.SetKind(gkPie);
    gauge.SetProgress(25);  // the first quarter, from twelve o'clock clockwise
    TBitmap picture = Snapshot(gauge);
    EXPECT_EQ(picture.Pixel(40, 20), clNavy);
    EXPECT_EQ(picture.Pixel(20, 20), clWhite);
    EXPECT_EQ(picture.Pixel(40, 40), clWhite);
    gauge.SetKind(gkText);
    EXPECT_EQ(CountPixels(Snapshot(gauge), clNavy), 0);
    gauge.SetBorderStyle(bsSingle);
    picture = Snapshot(gauge);
    EXPECT_EQ(picture.Pixel(0, 30), Drawn(clWindowFrame));
    EXPECT_EQ(picture.Pixel(1, 30), clWhite);
}

TEST_F(ControlsFixture, TimerTicksInTheMessageLoopUntilDisabled) {
    TTimer timer(nullptr);
    int ticks = 0;
    timer.SetInterval(10);
    EXPECT_FALSE(timer.Active());  // enabled, but no handler: no system timer
    timer.OnTimer = [&](TObject* sender) {
        EXPECT_EQ(sender, &timer);
        ++ticks;
    };
    EXPECT_TRUE(timer.Active());
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Active());
    const int stopped = ticks;
    Pump(100);
    EXPECT_EQ(ticks, stopped);
    timer.SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return ticks > stopped; }));
    timer.OnTimer = nullptr;
    EXPECT_FALSE(timer.Active());
}

TEST_F(ControlsFixture, AFailingTimerHandlerIsReportedAndTheTimerGoesOn) {
    TTimer timer(nullptr);
    int ticks = 0;
    timer.SetInterval(10);
    timer.OnTimer = [&](TObject*) {
        if (++ticks <= 2) throw Exception(L"Eroare la tic " + std::to_wstring(ticks));
    };
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    EXPECT_EQ(errors, (std::vector<std::wstring>{L"Eroare la tic 1", L"Eroare la tic 2"}));
}

TEST_F(ControlsFixture, PaintingLeavesNoGdiObjectsBehind) {
    auto* panel = Add<TPanel>(0, 0, 200, 100);
    panel->SetCaption(L"Panou");
    panel->SetBevelInner(bvLowered);
    auto* bevel = Add<TBevel>(0, 0, 50, 50, panel);
    bevel->SetShape(bsFrame);
    auto* gauge = Add<TGauge>(60, 10, 100, 40, panel);
    TBitmap picture(200, 100);
    const auto paint = [&](int cycle) {
        gauge->SetKind(static_cast<TGaugeKind>(cycle % 4));
        gauge->SetProgress(cycle % 101);
        panel->PaintTo(picture.Canvas().Handle(), 0, 0);
    };
    paint(0);
    const int before = LiveGdiObjects();
    for (int cycle = 1; cycle <= 200; ++cycle) paint(cycle);
    EXPECT_EQ(LiveGdiObjects(), before);
}

}  // namespace
