// Form definitions: the text format, building a form from it, and the errors
// that name the form and the line.
#include <gtest/gtest.h>

#include <memory>

#include "ui/platform/application.h"
#include "ui/platform/form_definition.h"
#include "ui/platform/std_controls.h"

namespace {

const wchar_t Sample[] = LR"(// sample
TSample Sample {
  Caption = "Fereastr\u0103 \"de\" proba"
  ClientWidth = 300
  ClientHeight = 120
  Color = clBtnFace
  Font.Style = [fsBold, fsItalic]
  BorderStyle = bsDialog
  KeyPreview = true
  OnCreate = SampleCreate
  TGroupBox Box {
    Align = alTop
    Height = 40
    Tag = -7
    TLabel Title {
      Left = 8
      Top = $10
      Caption = "&Titlu"
      ParentFont = false
      Font.Color = clRed
    }
  }
  TButton Ok {
    Left = 100
    Top = 80
    Caption = "OK"
    ModalResult = mrOk
    Default = true
    OnClick = OkClick
  }
}
)";

class SampleForm : public TForm {
public:
    explicit SampleForm(TComponent* owner) : TForm(owner) {
        RegisterHandler(L"SampleCreate", TNotifyEvent([this](TObject*) { Created = true; }));
        RegisterHandler(L"OkClick", TNotifyEvent([this](TObject*) { ++Clicks; }));
    }
    bool Created = false;
    int Clicks = 0;
};

TEST(FormDefinition, BuildsTheFormItsControlsAndTheirHandlers) {
    std::unique_ptr<SampleForm> form(new SampleForm(nullptr));
    LoadFormDefinitionText(*form, Sample, L"TSample");
    EXPECT_EQ(form->Name(), L"Sample");
    EXPECT_EQ(form->Caption(), L"Fereastr\u0103 \"de\" proba");
    EXPECT_EQ(form->ClientWidth(), 300);
    EXPECT_EQ(form->ClientHeight(), 120);
    EXPECT_EQ(form->BorderStyle(), bsDialog);
    EXPECT_TRUE(form->KeyPreview);
    EXPECT_TRUE(form->Font().Style().Contains(fsItalic));
    form->OnCreate(form.get());
    EXPECT_TRUE(form->Created);

    auto* box = dynamic_cast<TGroupBox*>(form->FindComponent(L"Box"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Parent(), form.get());
    EXPECT_EQ(box->Width(), 300);  // aligned to the top once loaded
    EXPECT_EQ(box->Tag, -7);
    EXPECT_TRUE(box->Font().Style().Contains(fsBold));  // from its parent

    auto* title = dynamic_cast<TLabel*>(form->FindComponent(L"Title"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Parent(), box);
    EXPECT_EQ(title->Top(), 16);
    EXPECT_EQ(title->Font().Color(), clRed);
    EXPECT_FALSE(title->IsLoading());

    auto* ok = dynamic_cast<TButton*>(form->FindComponent(L"Ok"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->ModalResult, mrOk);
    EXPECT_TRUE(ok->Default());
    ok->Click();
    EXPECT_EQ(form->Clicks, 1);
    EXPECT_EQ(form->ModalResult, mrOk);
}

TEST(FormDefinition, ErrorsNameTheFormAndTheLine) {
    struct Case {
        const wchar_t* Text;
        const wchar_t* Expected;
    };
    const Case cases[] = {
        {L"TForm F {\n  TNimic X {\n  }\n}", L"Definitia formei \"TBad\", linia 2: clasa necunoscuta \"TNimic\""},
        {L"TForm F {\n\n  Culoare = clRed\n}", L"Definitia formei \"TBad\", linia 3: proprietate necunoscuta \"Culoare\""},
        {L"TForm F {\n  OnCreate = Lipsa\n}", L"Definitia formei \"TBad\", linia 2: metoda necunoscuta \"Lipsa\""},
        {L"TForm F {\n  Color = clNuExista\n}", L"Definitia formei \"TBad\", linia 2: culoare necunoscuta"},
        {L"TForm F {\n  Left = \"zece\"\n}", L"Definitia formei \"TBad\", linia 2: Left: linia 2: se astepta un numar"},
        {L"TForm F {\n  Caption = \"neterminat\n}", L"Definitia formei \"TBad\", linia 2: sir neterminat"},
        {L"TForm F {\n  Left = 1\n", L"Definitia formei \"TBad\", linia 3: lipseste \"}\""},
        {L"TForm F {\n  Align = alNicaieri\n}", L"Definitia formei \"TBad\", linia 2: valoare necunoscuta \"alNicaieri\""},
        {L"TForm F {\n  TLabel L {\n    TButton B {\n    }\n  }\n}", L"linia 3: \"B\" nu poate sta"},
    };
    for (const Case& c : cases) {
        TOwnedPtr<TForm> form(new TForm(nullptr));
        try {
            LoadFormDefinitionText(*form, c.Text, L"TBad");
            ADD_FAILURE() << "no error for: " << std::string(c.Text, c.Text + wcslen(c.Text));
        } catch (const EFormDefinitionError& e) {
            EXPECT_NE(e.Message().find(c.Expected), std::wstring::npos)
                << WideToUtf8(e.Message()) << "\n expected: " << WideToUtf8(c.Expected);
        }
    }
}

TEST(FormDefinition, AHandlerOfTheWrongTypeIsRefused) {
    TOwnedPtr<TForm> form(new TForm(nullptr));
    form->RegisterHandler(L"Taste", TNotifyEvent([](TObject*) {}));
    EXPECT_THROW(LoadFormDefinitionText(*form, L"TForm F {\n  OnKeyDown = Taste\n}", L"TBad"), EFormDefinitionError);
}

TEST(FormDefinition, AFormReadsItsDefinitionFromTheProgramAndThenFiresOnCreate) {
    class ResourceSample : public TForm {
    public:
        explicit ResourceSample(TComponent* owner) : TForm(owner, L"TResourceSample") {
            RegisterHandler(L"ResourceSampleCreate", TNotifyEvent([this](TObject*) {
                ButtonAtCreate = FindComponent(L"Inchide") != nullptr;
            }));
        }
        bool ButtonAtCreate = false;
    };
    std::unique_ptr<ResourceSample> form(NewForm<ResourceSample>(nullptr));
    EXPECT_TRUE(form->ButtonAtCreate);
    EXPECT_EQ(form->Caption(), L"Din resurse");
    EXPECT_EQ(form->ClientWidth(), 200);
}

TEST(FormDefinition, AFormDesignedAtAnotherResolutionIsScaledToTheScreen) {
    const int screen = Screen->PixelsPerInch();
    TOwnedPtr<TForm> form(new TForm(nullptr));
    const std::wstring text = L"TForm F {\n BorderStyle = bsNone\n ClientWidth = 400\n PixelsPerInch = " +
                              std::to_wstring(screen * 2) +
                              L"\n Font.Height = -22\n TButton B {\n Left = 100\n Width = 80\n }\n}";
    LoadFormDefinitionText(*form, text, L"TScaled");
    form->ScaleBy(screen, form->PixelsPerInch);
    auto* button = static_cast<TControl*>(form->FindComponent(L"B"));
    EXPECT_EQ(form->ClientWidth(), 200);
    EXPECT_EQ(form->Font().Height(), -11);
    EXPECT_EQ(button->Left(), 50);
    EXPECT_EQ(button->Width(), 40);
}

TEST(FormDefinition, AMissingResourceIsAnError) {
    class Missing : public TForm {
    public:
        explicit Missing(TComponent* owner) : TForm(owner, L"TFaraDefinitie") {}
    };
    EXPECT_THROW(NewForm<Missing>(nullptr), EFormDefinitionError);
}

}  // namespace
