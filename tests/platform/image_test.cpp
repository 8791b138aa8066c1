// The picture control: resource pictures, auto size, placement and transparency.
#include <gtest/gtest.h>

#include <memory>

#include "ui/platform/application.h"
#include "ui/platform/form_definition.h"
#include "ui/platform/image_control.h"

namespace {

TEST(Image, PlacesThePictureByStretchProportionAndCentre) {
    TImage image(nullptr);
    image.Picture().SetSize(100, 50);
    image.SetBounds(0, 0, 60, 60);
    struct Case {
        bool Stretch, Proportional, Center;
        TRect Expected;
    };
    const Case cases[] = {
        {false, false, false, {0, 0, 100, 50}},   {false, false, true, {-20, 5, 80, 55}},
        {true, false, false, {0, 0, 60, 60}},     {true, true, false, {0, 0, 60, 30}},
        {true, true, true, {0, 15, 60, 45}},      {false, true, true, {0, 15, 60, 45}},
    };
    for (const Case& c : cases) {
        image.SetStretch(c.Stretch);
        image.SetProportional(c.Proportional);
        image.SetCenter(c.Center);
        EXPECT_EQ(image.DestRect(), c.Expected) << c.Stretch << c.Proportional << c.Center;
    }
    image.Picture().SetSize(20, 10);  // smaller than the control: proportional alone does not enlarge
    image.SetStretch(false);
    EXPECT_EQ(image.DestRect(), (TRect{20, 25, 40, 35}));
}

TEST(Image, LoadsItsPictureFromADefinitionAndDrawsItTransparently) {
    Application->Initialize();
    TOwnedPtr<TForm> form(new TForm(nullptr));
    LoadFormDefinitionText(*form,
                           L"TForm F {\n BorderStyle = bsNone\n Color = clRed\n ClientWidth = 100\n ClientHeight = 40\n"
                           L" TImage Ok {\n  Left = 4\n  Top = 6\n  Picture = \"OK\"\n  AutoSize = true\n"
                           L"  Transparent = true\n }\n}",
                           L"TImageForm");
    auto* image = static_cast<TImage*>(form->FindComponent(L"Ok"));
    EXPECT_EQ(image->Width(), 84);
    EXPECT_EQ(image->Height(), 28);
    image->Picture().SetTransparentColor(image->Picture().Pixel(0, 0));

    TBitmap shot(100, 40);
    form->PaintTo(shot.Canvas().Handle(), 0, 0);
    EXPECT_EQ(shot.Pixel(4, 6), clRed);                                   // key colour lets the form show
    EXPECT_EQ(shot.Pixel(4 + 14, 6 + 14), image->Picture().Pixel(14, 14));  // the glyph itself
}

TEST(Image, AMissingPictureNamesItself) {
    TImage image(nullptr);
    try {
        image.LoadPicture(L"NuExista");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find(L"NuExista"), std::wstring::npos);
    }
}

}  // namespace
