// The driver places components where the form library puts them: each case's
// definition is loaded into a real form, and every component's rectangle
// must equal the one the driver works out from the definition alone.
#include "tests/e2e/driver/driver_error.h"
#include "tests/e2e/driver/form_layout.h"
#include "ui/forms/framework.h"
#include "ui/platform/application.h"
#include "ui/platform/forms.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Loads definition text the way a form's construction does: the definition
// with alignment held back, then scaling to the display.
std::unique_ptr<TForm> LoadLikeTheLibrary(const std::wstring& text) {
    auto form = std::make_unique<TForm>(nullptr);
    form->DisableAlign();
    LoadFormDefinitionText(*form, text, L"case");
    form->EnableAlign();
    if (form->Scaled && form->PixelsPerInch != Screen->PixelsPerInch()) form->ScaleBy(Screen->PixelsPerInch(), form->PixelsPerInch);
    return form;
}

TRect LibraryRect(TForm& form, const std::wstring& name) {
    auto* control = dynamic_cast<TControl*>(form.FindComponent(name));
    TRect r = control->BoundsRect();
    for (TWinControl* p = control->Parent(); p && p != &form; p = p->Parent()) r = r.Offset(p->Left(), p->Top());
    return r;
}

std::string Show(const TRect& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + " " + std::to_string(r.Width()) + "x" +
           std::to_string(r.Height());
}

const wchar_t* const ScreenLikeForm = LR"(
TForm F {
  BorderStyle = bsNone
  ClientWidth = 517
  ClientHeight = 243
  PixelsPerInch = %PPI%
  TTitleBar TitleBar1 { Align = alTop Height = 25 }
  TPanel Buttons {
    Align = alBottom
    Height = 47
    BorderWidth = 3
    TButton BNext { Left = 13 Top = 9 Width = 91 Height = 27 }
    TPanel Strip { Align = alRight Width = 61 TButton BInner { Left = 5 Top = 3 Width = 33 Height = 19 } }
  }
  TPanel Side { Align = alLeft Width = 77 BevelInner = bvLowered BevelWidth = 3
    TPanel SideTop { Align = alTop Height = 33 }
    TPanel SideRest { Align = alClient BevelOuter = bvNone TEdit EIn { Left = 7 Top = 11 Width = 51 Height = 21 } }
  }
  TPanel Body {
    Align = alClient
    BevelOuter = bvNone
    TEdit EName { Left = 17 Top = 29 Width = 203 Height = 21 }
    TButton BLast { Left = 150 Top = 101 Width = 75 Height = 25 }
  }
}
)";

const wchar_t* const AlignOrderForm = LR"(
TForm F {
  BorderStyle = bsNone
  ClientWidth = 300
  ClientHeight = 200
  TPanel Second { Align = alTop Top = 40 Height = 30 }
  TPanel First { Align = alTop Top = 10 Height = 20 }
  TPanel Hidden { Align = alTop Top = 0 Height = 50 Visible = false }
  TPanel Bottom1 { Align = alBottom Top = 150 Height = 10 }
  TPanel Bottom2 { Align = alBottom Top = 170 Height = 15 }
  TPanel Right1 { Align = alRight Left = 200 Width = 20 }
  TPanel Right2 { Align = alRight Left = 250 Width = 30 }
  TPanel Left1 { Align = alLeft Left = 50 Width = 25 }
  TPanel Left2 { Align = alLeft Left = 5 Width = 35 }
  TPanel Rest { Align = alClient }
  TButton Free { Left = 90 Top = 80 Width = 40 Height = 20 }
}
)";

std::wstring WithPpi(const wchar_t* text, const wchar_t* ppi) {
    std::wstring s(text);
    s.replace(s.find(L"%PPI%"), 5, ppi);
    return s;
}

struct FormLayoutTest : ::testing::Test {
    void SetUp() override {
        Application->Initialize();
        FrameworkStartup();
    }
    void TearDown() override { FrameworkShutdown(); }
};

TEST_F(FormLayoutTest, EveryComponentLiesWhereTheLibraryPutsIt) {
    const struct {
        const char* Case;
        std::wstring Text;
    } cases[] = {
        {"designed for the display", WithPpi(ScreenLikeForm, L"96")},
        {"scaled down from 120 ppi", WithPpi(ScreenLikeForm, L"120")},
        {"scaled up from 72 ppi", WithPpi(ScreenLikeForm, L"72")},
        {"not scaled", WithPpi(ScreenLikeForm, L"120\n  Scaled = false")},
        {"aligned in position order", AlignOrderForm},
    };
    for (const auto& c : cases) {
        const std::unique_ptr<TForm> form = LoadLikeTheLibrary(c.Text);
        const e2e::TFormLayout layout(ParseFormDefinition(c.Text, L"case"), Screen->PixelsPerInch());
        EXPECT_EQ(Show(Bounds(0, 0, layout.ClientSize().cx, layout.ClientSize().cy)),
                  Show(Bounds(0, 0, form->ClientWidth(), form->ClientHeight())))
            << c.Case;
        for (const std::wstring& name : layout.Names()) {
            if (name == L"Hidden") continue;
            EXPECT_EQ(Show(layout.Bounds(name)), Show(LibraryRect(*form, name))) << c.Case << ": " << WideToUtf8(name);
        }
    }
}

TEST_F(FormLayoutTest, UnknownNamesAndMissingSizesAreReportedByName) {
    const e2e::TFormLayout layout(
        ParseFormDefinition(L"TForm F { BorderStyle = bsNone Width = 100 Height = 50 TButton B { Left = 1 } }", L"case"), 96);
    try {
        layout.Bounds(L"BMissing");
        FAIL() << "no error";
    } catch (const e2e::EDriverError& e) {
        EXPECT_NE(e.Message().find(L"no component BMissing; it has: B"), std::wstring::npos) << e.what();
    }
    try {
        layout.Bounds(L"B");
        FAIL() << "no error";
    } catch (const e2e::EDriverError& e) {
        EXPECT_NE(e.Message().find(L"gives no Width for B"), std::wstring::npos) << e.what();
    }
    EXPECT_EQ(layout.ClientSize(), TSize(100, 50));
}

}  // namespace
