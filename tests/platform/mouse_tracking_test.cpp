// Mouse enter and leave follow the real cursor over windowless and windowed
// children and over a combo box's text part, which is a window of its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/gui_support.h"
#include "ui/platform/application.h"
#include "ui/platform/edit_controls.h"
#include "ui/platform/ext_controls.h"
#include "ui/platform/std_controls.h"

namespace {

struct MouseTrackingTest : ::testing::Test {
    TOwnedPtr<TForm> form;
    std::vector<std::wstring> log;
    TLabel* label = nullptr;
    TPanel* panel = nullptr;
    TComboBox* combo = nullptr;

    template <class T>
    T* Add(const wchar_t* name, TRect bounds) {
        auto* c = new T(form.get());
        c->SetName(name);
        c->SetParent(form.get());
        c->SetBoundsRect(bounds);
        c->OnMouseEnter = [this, name](TObject*) { log.push_back(std::wstring(L"+") + name); };
        c->OnMouseLeave = [this, name](TObject*) { log.push_back(std::wstring(L"-") + name); };
        return c;
    }

    void SetUp() override {
        Application->Initialize();
        form.reset(NewForm<TForm>(nullptr));
        form->SetBorderStyle(bsNone);
        form->SetBounds(200, 200, 400, 200);
        label = Add<TLabel>(L"label", {10, 10, 110, 40});
        label->SetAutoSize(false);
        panel = Add<TPanel>(L"panel", {150, 10, 250, 90});
        combo = Add<TComboBox>(L"combo", {10, 120, 210, 145});
        form->Show();
        MoveCursorTo({0, 0});
        Pump(100);
        log.clear();
    }
    void TearDown() override { form.reset(); }

    // Moves the real cursor to a point of a control and lets the messages run.
    void MoveOver(TControl* control, int x, int y) {
        MoveCursorTo(control->ClientToScreen({x, y}));
        Pump(60);
    }
};

TEST_F(MouseTrackingTest, EnterAndLeaveFollowTheCursorFromChildToChild) {
    MoveOver(label, 20, 10);
    EXPECT_EQ(Application->MouseControl(), label);
    MoveOver(panel, 20, 20);  // a windowed child: the form's leave must not undo the enter
    EXPECT_EQ(Application->MouseControl(), panel);
    EXPECT_TRUE(panel->MouseInControl());
    MoveOver(form.get(), 120, 100);
    EXPECT_EQ(Application->MouseControl(), form.get());
    EXPECT_EQ(log, (std::vector<std::wstring>{L"+label", L"-label", L"+panel", L"-panel"}));
}

TEST_F(MouseTrackingTest, TheTextPartOfAComboBoxCountsForTheComboBox) {
    RECT edit{};
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
    ASSERT_NE(info.hwndItem, nullptr);
    GetWindowRect(info.hwndItem, &edit);
    MoveCursorTo({(edit.left + edit.right) / 2, (edit.top + edit.bottom) / 2});
    Pump(60);
    EXPECT_EQ(WindowFromPoint({(edit.left + edit.right) / 2, (edit.top + edit.bottom) / 2}), info.hwndItem);
    EXPECT_EQ(Application->MouseControl(), combo);
    MoveCursorTo({50, 50});  // off the form altogether
    PumpUntil([] { return Application->MouseControl() == nullptr; }, 2000);
    EXPECT_EQ(Application->MouseControl(), nullptr);
    EXPECT_EQ(log, (std::vector<std::wstring>{L"+combo", L"-combo"}));
}

}  // namespace
