// Button kinds and their pictures.
#include <gtest/gtest.h>

#include "tests/controls/button_test_support.h"
#include "ui/controls/button_kinds.h"
#include "ui/platform/sysutils.h"

namespace {

struct ButtonKinds : ::testing::Test {
    void SetUp() override {
        Application->Initialize();
        FrameworkStartup();
    }
    void TearDown() override { FrameworkShutdown(); }
};

TEST_F(ButtonKinds, EveryKindWithAPictureFindsItInTheContainer) {
    for (int k = 0; k < static_cast<int>(ButtonKindCount); ++k) {
        const auto kind = static_cast<TMButtonKind>(k);
        const bool none = kind == mkLast || kind == mkCustom || kind == mkIgnore;
        EXPECT_EQ(&KindGlyph(kind) == &EmptyBitmap(), none) << WideToUtf8(std::wstring(KindNames[k]));
    }
    struct Case {
        TMButtonKind Kind;
        int Width, Height;
    };
    for (const Case& c : {Case{mkOK, 84, 28}, Case{mkTransf, 90, 24}, Case{mkAction, 48, 8}, Case{mkContr, 78, 11},
                          Case{mkYes, 84, 28}, Case{mkAbort, 70, 22}}) {
        EXPECT_EQ(KindGlyph(c.Kind).Width(), c.Width) << WideToUtf8(std::wstring(KindNames[c.Kind]));
        EXPECT_EQ(KindGlyph(c.Kind).Height(), c.Height) << WideToUtf8(std::wstring(KindNames[c.Kind]));
    }
}

TEST_F(ButtonKinds, TheTopBitIsIgnoredAndUnknownKindsHaveNoPicture) {
    EXPECT_EQ(&KindGlyph(static_cast<TMButtonKind>(0x80 | mkOK)), &ContainerPicture(L"OK"));
    EXPECT_EQ(&KindGlyph(static_cast<TMButtonKind>(0x80 | mkAdvanced)), &ContainerPicture(L"Avansat"));
    for (int value : {59, 0x7F, 0x80 | 59, 0xFF})
        EXPECT_EQ(&KindGlyph(static_cast<TMButtonKind>(value)), &EmptyBitmap()) << value;
}

TEST_F(ButtonKinds, ThePictureButtonShowsPrinterSetupForIgnore) {
    EXPECT_EQ(&NiceKindGlyph(mkIgnore), &ContainerPicture(L"PrnSetup"));
    EXPECT_EQ(&NiceKindGlyph(static_cast<TMButtonKind>(0x80 | mkIgnore)), &ContainerPicture(L"PrnSetup"));
    EXPECT_EQ(&NiceKindGlyph(mkCancel), &KindGlyph(mkCancel));
    EXPECT_EQ(&NiceKindGlyph(static_cast<TMButtonKind>(200)), &EmptyBitmap());
}

}  // namespace
