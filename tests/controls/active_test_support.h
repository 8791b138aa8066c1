// What the tests of the active family and of the check and radio controls
// share: the framework started on a shown form, real mouse and keyboard
// input, and pictures of controls as painted and as the display shows them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/controls/button_test_support.h"
#include "tests/support/gui_support.h"
#include "ui/platform/sysutils.h"

struct ActiveFixture : ButtonFixture {
    std::vector<std::wstring> errors;

    void SetUp() override {
        ButtonFixture::SetUp();
        Application->OnException = [this](TObject*, const std::exception& e) {
            const auto* own = dynamic_cast<const Exception*>(&e);
            errors.push_back(own ? own->Message() : AnsiToWide(e.what()));
        };
    }
    void TearDown() override {
        EXPECT_TRUE(errors.empty()) << WideToUtf8(errors.empty() ? std::wstring() : errors.front());
        ButtonFixture::TearDown();
        Application->OnException = nullptr;
    }

    // Shows the form in front and waits until it is active.
    void ShowForm() {
        form->Show();
        SetForegroundWindow(form->Handle());
        ASSERT_TRUE(PumpUntil([&] { return form->Active(); }));
        Pump(50);
    }

    // The real cursor over a point of a control (client coordinates).
    static void MoveTo(const TControl& control, TPoint at) {
        const TPoint p = control.ClientToScreen(at);
        SetCursorPos(p.X, p.Y);
        Pump(60);
    }
    static void ClickAt(const TControl& control, TPoint at) {
        MoveTo(control, at);
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_MOUSE;
        input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, input, sizeof(INPUT));
        Pump(120);
    }
    static void Click(const TControl& control) { ClickAt(control, {control.Width() / 2, control.Height() / 2}); }

    // Keys pressed and released in order, held ones (Alt) around the rest.
    static void Keys(std::initializer_list<WORD> keys, WORD held = 0) {
        std::vector<INPUT> input;
        const auto key = [&input](WORD vk, bool up) {
            INPUT i{};
            i.type = INPUT_KEYBOARD;
            i.ki.wVk = vk;
            i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
            input.push_back(i);
        };
        if (held) key(held, false);
        for (WORD k : keys) {
            key(k, false);
            key(k, true);
        }
        if (held) key(held, true);
        SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
        Pump(150);
    }
    static void Alt(wchar_t letter) { Keys({static_cast<WORD>(letter)}, VK_MENU); }

    // The whole window of a control (frame included) as PaintTo paints it.
    static TBitmap Painted(TWinControl& control) {
        TBitmap picture(control.Width(), control.Height());
        control.PaintTo(picture.Canvas().Handle(), 0, 0);
        return picture;
    }
    // The whole window of a control as the display shows it.
    static TBitmap Shown(TWinControl& control) {
        RECT r;
        GetWindowRect(control.Handle(), &r);
        TBitmap picture(r.right - r.left, r.bottom - r.top);
        HDC display = GetDC(nullptr);
        BitBlt(picture.Canvas().Handle(), 0, 0, picture.Width(), picture.Height(), display, r.left, r.top, SRCCOPY);
        ReleaseDC(nullptr, display);
        return picture;
    }
};
