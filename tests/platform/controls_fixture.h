// A form to put controls on, the errors the application reports, message
// pumping and pictures of painted controls.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/gui_support.h"
#include "ui/platform/application.h"
#include "ui/platform/graphics/bitmap.h"
#include "ui/platform/sysutils.h"

struct ControlsFixture : ::testing::Test {
    TOwnedPtr<TForm> form;
    std::vector<std::wstring> errors;

    void SetUp() override {
        Application->Initialize();
        form.reset(NewForm<TForm>(nullptr));
        form->SetBounds(50, 50, 500, 400);
        Application->OnException = [this](TObject*, const std::exception& e) {
            const auto* own = dynamic_cast<const Exception*>(&e);
            errors.push_back(own ? own->Message() : AnsiToWide(e.what()));
        };
    }
    void TearDown() override {
        form.reset();
        Application->OnException = nullptr;
    }

    template <class T>
    T* Add(int left, int top, int width, int height, TWinControl* parent = nullptr) {
        auto* control = new T(form.get());
        control->SetParent(parent ? parent : form.get());
        control->SetBounds(left, top, width, height);
        return control;
    }
};


// The control painted on a bitmap of its size.
inline TBitmap Snapshot(TControl& control) {
    TBitmap picture(control.Width(), control.Height());
    control.PaintTo(picture.Canvas().Handle(), 0, 0);
    return picture;
}

// A colour as it is drawn (system colours resolved).
inline TColor Drawn(TColor color) { return RGBToColor(ColorToRGB(color)); }

// Bounds of the pixels in `area` whose colour is not `background`.
inline TRect InkBesides(const TBitmap& picture, const TRect& area, TColor background) {
    TRect box{area.Right, area.Bottom, area.Left, area.Top};
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if (picture.Pixel(x, y) != background)
                box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
    return box.IsEmpty() ? TRect{} : box;
}

inline std::wstring WindowText(HWND window) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, 1024);
    return buffer;
}
