// What the button tests share: the framework started on a fresh form,
// painting a button's draw-item request into a bitmap, reading ink.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "ui/forms/framework.h"
#include "ui/platform/application.h"
#include "ui/platform/graphics/bitmap.h"

struct ButtonFixture : ::testing::Test {
    TOwnedPtr<TForm> form;

    void SetUp() override {
        Application->Initialize();
        FrameworkStartup();
        form.reset(NewForm<TForm>(nullptr));
        form->SetBounds(40, 40, 500, 300);
        form->HandleNeeded();
    }
    void TearDown() override {
        form.reset();
        FrameworkShutdown();
    }

    template <class T>
    T* Add(int left, int top, int width, int height) {
        auto* control = new T(form.get());
        control->SetParent(form.get());
        control->SetBounds(left, top, width, height);
        control->HandleNeeded();
        return control;
    }
};

// The button's look for an item state (ODS_*), painted through its draw-item
// request into a bitmap of its size that starts out in `background`.
inline TBitmap PaintItem(TWinControl& button, UINT state = 0, TColor background = clBlack) {
    TBitmap picture(button.Width(), button.Height());
    TCanvas& canvas = picture.Canvas();
    canvas.Brush().SetColor(background);
    canvas.FillRect({0, 0, button.Width(), button.Height()});
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = button.Handle();
    item.hDC = canvas.Handle();
    item.rcItem = RECT{0, 0, button.Width(), button.Height()};
    button.Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    return picture;
}

// A colour as it is drawn (system colours resolved).
inline TColor Drawn(TColor color) { return RGBToColor(ColorToRGB(color)); }

// Bounds of the pixels that pass a test; empty when none does.
inline TRect InkWhere(const TBitmap& picture, const std::function<bool(TColor)>& test) {
    TRect box{picture.Width(), picture.Height(), 0, 0};
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (test(picture.Pixel(x, y)))
                box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
    return box.IsEmpty() ? TRect{} : box;
}

inline TRect InkOf(const TBitmap& picture, TColor color) {
    return InkWhere(picture, [color](TColor c) { return c == color; });
}

inline int CountOf(const TBitmap& picture, TColor color) {
    int count = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) count += picture.Pixel(x, y) == color;
    return count;
}

inline bool SamePixels(const TBitmap& a, const TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return true;
}

// A glyph strip of solid cells in the given colours; only its top-left pixel
// is magenta, the see-through colour, so each cell's ink fills its box.
inline TBitmap SolidStrip(int cellWidth, int height, std::initializer_list<TColor> cells) {
    TBitmap strip(cellWidth * static_cast<int>(cells.size()), height);
    int left = 0;
    for (TColor c : cells) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < cellWidth; ++x) strip.SetPixel(left + x, y, c);
        left += cellWidth;
    }
    strip.SetPixel(0, 0, clFuchsia);
    return strip;
}
