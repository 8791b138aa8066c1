// Form definitions create both buttons and set their published properties.
#include <gtest/gtest.h>

#include "tests/controls/button_test_support.h"
#include "ui/controls/mbutton.h"
#include "ui/controls/nice_button.h"
#include "ui/platform/form_definition.h"

namespace {

TEST_F(ButtonFixture, FormDefinitionsSetTheButtonsPublishedProperties) {
    TForm f(nullptr);
    LoadFormDefinitionText(f, LR"(TForm F {
  TMButton BNext {
    Kind = mknNext
    Caption = "&Continua"
    ModalResult = 1
    ButtonLayout = blGlyphTop
    Spacing = 5
    Margin = 3
    Color = 11642264
    ColorOver = clGrid
    LightButton = false
    Style = bsWin31
    NumGlyphs = 2
    Delta = 7
    CaptionVisible = false
  }
  TMButton BOk {
    ModalResult = mrNone
    Kind = mkOK
  }
  TNiceButton BCancel {
    Kind = mkCancel
    Caption = "&Abandon"
    Glyph = "OK"
    Buffered = true
    InsideDraw = true
    Stretch = true
    ForcedDown = true
    InvisibleClick = true
  }
})", L"TButtons");
    auto* next = dynamic_cast<TMButton*>(f.FindComponent(L"BNext"));
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->Kind(), mknNext);
    EXPECT_EQ(next->Caption(), L"&Continua");
    EXPECT_EQ(next->ModalResult, mrOk);
    EXPECT_EQ(next->ButtonLayout(), blGlyphTop);
    EXPECT_EQ(next->Spacing(), 5);
    EXPECT_EQ(next->Margin(), 3);
    EXPECT_EQ(next->Color(), static_cast<TColor>(11642264));
    EXPECT_EQ(next->ColorOver(), static_cast<TColor>(0xDFDFDF));
    EXPECT_FALSE(next->LightButton());
    EXPECT_EQ(next->Style(), bsWin31);
    EXPECT_EQ(next->NumGlyphs(), 2);
    EXPECT_EQ(next->Delta(), 7);
    EXPECT_FALSE(next->CaptionVisible());

    auto* ok = dynamic_cast<TMButton*>(f.FindComponent(L"BOk"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->ModalResult, mrNone);  // set before the kind, and kept
    EXPECT_EQ(ok->Caption(), L"O&K");

    auto* cancel = dynamic_cast<TNiceButton*>(f.FindComponent(L"BCancel"));
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->Caption(), L"&Abandon");
    EXPECT_EQ(cancel->ModalResult, mrCancel);
    EXPECT_EQ(cancel->Glyph().Width(), 84);
    EXPECT_TRUE(cancel->Buffered());
    EXPECT_TRUE(cancel->InsideDraw());
    EXPECT_TRUE(cancel->Stretch());
    EXPECT_TRUE(cancel->ForcedDown());
    EXPECT_TRUE(cancel->InvisibleClick());
}

TEST_F(ButtonFixture, ABadButtonPropertyStopsTheLoadNamingTheLine) {
    struct Case {
        const wchar_t* Property;
        const wchar_t* Named;
    };
    for (const Case& c : {Case{L"Kind = mkBogus", L"mkBogus"}, Case{L"Kind = 59", L"59"},
                          Case{L"Glyph = \"NuExista\"", L"NuExista"}, Case{L"ButtonLayout = blGlyphCenter", L"blGlyphCenter"}}) {
        TForm f(nullptr);
        const std::wstring text = std::wstring(L"TForm F {\n  TMButton B {\n    ") + c.Property + L"\n  }\n}";
        try {
            LoadFormDefinitionText(f, text, L"TBad");
            ADD_FAILURE() << WideToUtf8(c.Property);
        } catch (const EFormDefinitionError& e) {
            EXPECT_NE(e.Message().find(c.Named), std::wstring::npos) << WideToUtf8(e.Message());
            EXPECT_NE(e.Message().find(L"3"), std::wstring::npos) << WideToUtf8(e.Message());
        }
    }
}

}  // namespace
