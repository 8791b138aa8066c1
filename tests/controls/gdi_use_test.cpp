// Painting the buttons again and again holds on to no GDI objects.
#include <gtest/gtest.h>

#include "tests/controls/button_test_support.h"
#include "tests/graphics/graphics_test_support.h"
#include "ui/controls/mbutton.h"
#include "ui/controls/nice_button.h"

namespace {

TEST_F(ButtonFixture, RepeatedPaintsLeakNoGdiObjects) {
    auto* bevelled = Add<TMButton>(10, 10, 90, 40);
    bevelled->SetKind(mkOK);
    bevelled->SetLightButton(false);
    auto* light = Add<TMButton>(10, 60, 90, 40);
    light->SetKind(mkCancel);
    light->SetCaption(L"Unu#Doi");
    auto* plain = Add<TNiceButton>(110, 10, 100, 28);
    plain->SetKind(mkAbort);
    auto* buffered = Add<TNiceButton>(110, 60, 100, 28);
    buffered->SetKind(mkYes);
    buffered->SetBuffered(true);
    TWinControl* const buttons[] = {bevelled, light, plain, buffered};
    const auto paintAll = [&] {
        for (TWinControl* b : buttons) {
            b->Perform(WM_SETFOCUS);
            for (UINT state : {0u, static_cast<UINT>(ODS_SELECTED | ODS_FOCUS)}) PaintItem(*b, state);
            b->Perform(WM_KILLFOCUS);
            b->SetEnabled(false);
            PaintItem(*b);
            b->SetEnabled(true);
        }
        buffered->SetCaption(buffered->Caption() == L"&Da" ? L"D&a" : L"&Da");  // rebuild its looks too
    };
    paintAll();  // fonts and look buffers made once
    const int before = LiveGdiObjects();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 50; ++i) paintAll();
    EXPECT_LE(LiveGdiObjects(), before + 2);
}

}  // namespace
