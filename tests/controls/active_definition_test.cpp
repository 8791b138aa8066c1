// Form definitions create the active family, the check boxes and the radio
// groups with their published properties; painting them again and again
// leaves no GDI objects behind.
#include <gtest/gtest.h>

#include "tests/controls/active_test_support.h"
#include "ui/base/named_colors.h"
#include "ui/controls/active_combo.h"
#include "ui/controls/active_edit.h"
#include "ui/controls/active_memo.h"
#include "ui/controls/check_box.h"
#include "ui/controls/radio_group.h"
#include "ui/platform/form_definition.h"

namespace {

const wchar_t* const Screen = LR"(TForm Dirs {
  TActiveLabel LProgram {
    Caption = "&Program:"
    Autosize = false
    Width = 70
  }
  TActiveEdit RProgram {
    AssocLabel = LProgram
    FlatStyle = true
    Color = clGrid
    BorderColor = cl3
    BorderColorF = cl2
    BevelOuter = bvLowered
    Alignment = taRightJustify
    LabelColor = clRed
    Text = "C:\\Zarvant"
  }
  TActiveMemo MText {
    BorderStyle = bsNone
    AssocLabel = LProgram
    FaraAddWiz = true
    Lines = ("Instalarea", "s-a incheiat")
  }
  TActiveCombo CTip {
    AutoComplete = true
    FlatStyle = true
    BorderStyle = bsSingle
    ArrowColor = clBlue
    ButtonColor = cl3
    Items = ("Unu", "Doi")
  }
  TMRadioGroup RGTip {
    Columns = 2
    ItemIndex = 1
    Items = ("&LOCAL", "&SERVER", "CLIEN&T")
    OnModify = TipModify
  }
  TMRadioGroup RGLate {
    ItemIndex = 9
    Items = ("Unu", "Doi")
  }
  TActiveCheckBox CBStruct {
    Alignment = taLeftJustify
    AllowGrayed = true
    State = cbGrayed
    Glyph = "Radio"
    CustomGlyph = true
  }
  TMRadioButton RBOne {
    Checked = true
    Alignment = taLeftJustify
  }
})";

TEST_F(ActiveFixture, AScreenDefinitionCreatesTheControlsWithTheirProperties) {
    TForm f(nullptr);
    int modifies = 0;
    f.RegisterHandler(L"TipModify", TModifyEvent([&](TObject*, bool&) { ++modifies; }));
    LoadFormDefinitionText(f, Screen, L"TDirs");
    const auto find = [&f](const wchar_t* name) { return f.FindComponent(name); };

    auto* label = dynamic_cast<TActiveLabel*>(find(L"LProgram"));
    ASSERT_NE(label, nullptr);
    EXPECT_FALSE(label->AutoSize());
    EXPECT_EQ(label->Width(), 70);

    auto* edit = dynamic_cast<TActiveEdit*>(find(L"RProgram"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->AssocLabel(), label);
    EXPECT_TRUE(edit->FlatStyle());
    EXPECT_EQ(edit->Color(), clGrid);
    EXPECT_EQ(edit->BorderColor(), cl3);
    EXPECT_EQ(edit->BorderColorF(), cl2);
    EXPECT_EQ(edit->BevelOuter(), bvLowered);
    EXPECT_EQ(edit->Alignment(), taRightJustify);
    EXPECT_EQ(edit->LabelColor(), clRed);
    EXPECT_EQ(edit->Text(), L"C:\\Zarvant");

    auto* memo = dynamic_cast<TActiveMemo*>(find(L"MText"));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->BorderStyle(), bsNone);
    EXPECT_TRUE(memo->FaraAddWiz);
    EXPECT_EQ(memo->AssocLabel(), label);
    EXPECT_EQ(label->FocusControl(), memo);  // the last control that named it
    EXPECT_EQ(memo->Lines().Count(), 2);

    auto* combo = dynamic_cast<TActiveCombo*>(find(L"CTip"));
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->AutoComplete());
    EXPECT_TRUE(combo->FlatStyle());
    EXPECT_EQ(combo->BorderStyle(), bsSingle);
    EXPECT_EQ(combo->ArrowColor(), clBlue);
    EXPECT_EQ(combo->ButtonColor(), cl3);
    EXPECT_EQ(combo->Items().Count(), 2);

    auto* group = dynamic_cast<TMRadioGroup*>(find(L"RGTip"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->Columns(), 2);
    ASSERT_EQ(group->ButtonCount(), 3);
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_TRUE(group->Buttons(1)->Checked());
    EXPECT_EQ(group->Buttons(2)->Caption(), L"CLIEN&T");
    EXPECT_TRUE(group->CanModify());
    EXPECT_EQ(modifies, 1);
    // An index read before its items is clamped once they are there.
    auto* late = dynamic_cast<TMRadioGroup*>(find(L"RGLate"));
    ASSERT_NE(late, nullptr);
    EXPECT_EQ(late->ItemIndex(), 1);
    EXPECT_TRUE(late->Buttons(1)->Checked());

    auto* box = dynamic_cast<TActiveCheckBox*>(find(L"CBStruct"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Alignment(), taLeftJustify);
    EXPECT_TRUE(box->AllowGrayed());
    EXPECT_EQ(box->State(), cbGrayed);
    EXPECT_TRUE(box->CustomGlyph());
    EXPECT_EQ(box->Glyph().Width(), 22);

    auto* radio = dynamic_cast<TMRadioButton*>(find(L"RBOne"));
    ASSERT_NE(radio, nullptr);
    EXPECT_TRUE(radio->Checked());
    EXPECT_EQ(radio->Alignment(), taLeftJustify);
}

TEST_F(ActiveFixture, ABadPropertyOfTheFamilyStopsTheLoadNamingTheLine) {
    struct Case {
        const wchar_t* Class;
        const wchar_t* Property;
        const wchar_t* Named;
    };
    const Case cases[] = {
        {L"TActiveEdit", L"AssocLabel = LNone", L"LNone"},
        {L"TActiveEdit", L"BevelOuter = bvDeep", L"bvDeep"},
        {L"TActiveCheckBox", L"Alignment = taCenter", L"taCenter"},
        {L"TActiveCheckBox", L"State = cbMaybe", L"cbMaybe"},
        {L"TActiveCombo", L"BorderStyle = bsSizeable", L"bsSizeable"},
        {L"TMRadioGroup", L"OnModify = Missing", L"Missing"},
    };
    for (const Case& c : cases) {
        TForm f(nullptr);
        const std::wstring text = std::wstring(L"TForm F {\n  ") + c.Class + L" X {\n    " + c.Property + L"\n  }\n}";
        try {
            LoadFormDefinitionText(f, text, L"TBad");
            ADD_FAILURE() << WideToUtf8(c.Property);
        } catch (const EFormDefinitionError& e) {
            EXPECT_NE(e.Message().find(c.Named), std::wstring::npos) << WideToUtf8(e.Message());
            EXPECT_NE(e.Message().find(L"3"), std::wstring::npos) << WideToUtf8(e.Message());
        }
    }
}

TEST_F(ActiveFixture, RepeatedPaintsLeaveNoGdiObjectsBehind) {
    TOwnedPtr<TForm> shown(NewForm<TForm>(nullptr));
    TForm& f = *shown;
    f.RegisterHandler(L"TipModify", TModifyEvent([](TObject*, bool&) {}));
    LoadFormDefinitionText(f, Screen, L"TDirs");
    f.SetBounds(40, 40, 500, 300);
    int top = 0;
    for (int i = 0; i < f.ControlCount(); ++i) {
        f.Controls(i)->SetBounds(10, top, 200, 24);
        top += 30;
    }
    f.Show();
    Pump(100);
    auto* edit = dynamic_cast<TActiveEdit*>(f.FindComponent(L"RProgram"));
    auto* combo = dynamic_cast<TActiveCombo*>(f.FindComponent(L"CTip"));
    const auto paint = [&] {
        RedrawWindow(f.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        TBitmap picture(500, 300);
        f.PaintTo(picture.Canvas().Handle(), 0, 0);
        edit->SetFocus();
        combo->SetFocus();
        Application->ProcessMessages();
    };
    paint();
    const int before = LiveGdiObjects();
    for (int i = 0; i < 200; ++i) paint();
    EXPECT_EQ(LiveGdiObjects(), before);
}

}  // namespace
