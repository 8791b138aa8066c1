// The window procedure is sealed: whatever a handler throws is reported once
// by the application and the program goes on; a failing paint is validated
// (not asked for again) and leaks no GDI object.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/gui_support.h"
#include "ui/platform/application.h"
#include "ui/platform/std_controls.h"
#include "ui/platform/sysutils.h"

namespace {

class TFailingPaint : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int Paints = 0;

protected:
    void Paint() override {
        ++Paints;
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect(ClientRect());
        throw std::runtime_error("pictura lipseste");
    }
};

struct WindowProcTest : ::testing::Test {
    TOwnedPtr<TForm> form;
    std::vector<std::wstring> reports;

    void SetUp() override {
        Application->Initialize();
        Application->OnException = [this](TObject*, const std::exception& e) {
            const auto* own = dynamic_cast<const Exception*>(&e);
            reports.push_back(own ? own->Message() : AnsiToWide(e.what()));
        };
        form.reset(NewForm<TForm>(nullptr));
        form->SetBounds(100, 100, 300, 200);
    }
    void TearDown() override {
        form.reset();
        Application->OnException = nullptr;
    }
};

TEST_F(WindowProcTest, APaintThatThrowsIsReportedOnceValidatedAndLeaksNothing) {
    for (bool buffered : {false, true}) {
        reports.clear();
        auto* control = new TFailingPaint(form.get());
        control->SetParent(form.get());
        control->SetBounds(10, 10, 100, 50);
        control->DoubleBuffered = buffered;
        form->Show();
        Pump(200);
        EXPECT_EQ(control->Paints, 1) << buffered;
        EXPECT_EQ(reports.size(), 1u) << buffered;
        if (!reports.empty()) {
            EXPECT_EQ(reports[0], L"pictura lipseste");
        }
        const int before = LiveGdiObjects();
        for (int i = 0; i < 10; ++i) {
            control->Invalidate();
            Pump(20);
        }
        EXPECT_EQ(control->Paints, 11) << buffered;
        EXPECT_EQ(LiveGdiObjects(), before) << buffered;
        control->Free();
        form->Hide();
    }
}

TEST_F(WindowProcTest, AnythingThrownByAHandlerIsReportedAndTheLoopGoesOn) {
    auto* button = new TButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 10, 80, 25);
    button->OnClick = [](TObject*) { throw 42; };
    form->Show();
    Pump(50);
    const POINT p = button->ClientToScreen({40, 12});
    ClickAt(p);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], L"Eroare neprevazuta");
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    ClickAt(p);
    EXPECT_EQ(clicks, 1);
}

TEST_F(WindowProcTest, AReportThatFailsItselfDoesNotEscape) {
    Application->OnException = [](TObject*, const std::exception&) { throw std::logic_error("raportul cade"); };
    auto* button = new TButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 10, 80, 25);
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        ++clicks;
        throw std::runtime_error("clic");
    };
    form->Show();
    Pump(50);
    ClickAt(button->ClientToScreen({40, 12}));
    ClickAt(button->ClientToScreen({40, 12}));
    EXPECT_EQ(clicks, 2);
}

}  // namespace
