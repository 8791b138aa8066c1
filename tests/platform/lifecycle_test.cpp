// Freeing in order: a form's OnDestroy sees the whole form, handlers stop
// before the windows go, and nothing keeps pointing at what was freed.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/gui_support.h"
#include "ui/platform/application.h"
#include "ui/platform/edit_controls.h"
#include "ui/platform/std_controls.h"

namespace {

// A form with members of its own that its destructor changes, so a handler
// running after the destructor would see it.
class TMemberForm : public TForm {
public:
    explicit TMemberForm(TComponent* owner) : TForm(owner) {
        Edit = new TEdit(this);
        Edit->SetParent(this);
        Edit->SetBounds(10, 10, 100, 22);
        Other = new TEdit(this);
        Other->SetParent(this);
        Other->SetBounds(10, 40, 100, 22);
    }
    ~TMemberForm() override { Title = L"distrusa"; }

    std::wstring Title = L"Forma";
    TFont OwnFont;
    TEdit* Edit = nullptr;
    TEdit* Other = nullptr;
};

struct LifecycleTest : ::testing::Test {
    void SetUp() override { Application->Initialize(); }
};

TEST_F(LifecycleTest, OnDestroySeesTheWholeFormItsWindowAndItsControls) {
    auto* form = NewForm<TMemberForm>(nullptr);
    form->OwnFont.SetName(L"Arial");
    HWND window = form->Handle();
    std::wstring seenTitle, seenFont;
    bool windowAlive = false, editAlive = false;
    form->OnDestroy = [&](TObject* sender) {
        auto* self = static_cast<TMemberForm*>(sender);
        seenTitle = self->Title;
        seenFont = self->OwnFont.Name();
        windowAlive = IsWindow(window) != FALSE;
        editAlive = self->Edit->HandleAllocated() && IsWindow(self->Edit->Handle());
    };
    form->Free();
    EXPECT_EQ(seenTitle, L"Forma");
    EXPECT_EQ(seenFont, L"Arial");
    EXPECT_TRUE(windowAlive);
    EXPECT_TRUE(editAlive);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(LifecycleTest, AFormFreedWhileAChildHasTheFocusCallsNoHandlerAfterOnDestroy) {
    auto* form = NewForm<TMemberForm>(nullptr);
    form->Show();
    form->Edit->SetFocus();
    Pump(50);
    ASSERT_EQ(GetFocus(), form->Edit->Handle());
    ASSERT_EQ(Screen->ActiveControl(), form->Edit);
    bool destroyed = false;
    int handlersAfterDestroy = 0;
    form->OnDestroy = [&](TObject*) { destroyed = true; };
    const auto late = [&](TObject*) { handlersAfterDestroy += destroyed ? 1 : 0; };
    form->Edit->OnExit = late;
    form->Other->OnEnter = late;
    form->Edit->OnChange = late;
    form->OnDeactivate = late;
    form->Free();
    Pump(50);
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(handlersAfterDestroy, 0);
    EXPECT_EQ(Screen->ActiveControl(), nullptr);
    EXPECT_EQ(Screen->ActiveForm(), nullptr);
    EXPECT_EQ(Application->MouseControl(), nullptr);
}

TEST_F(LifecycleTest, FreeingTheApplicationsFormsFiresTheirOnDestroyBeforeShutdown) {
    TMemberForm* form = nullptr;
    Application->CreateForm(form);
    std::wstring seen;
    form->OnDestroy = [&](TObject* sender) { seen = static_cast<TMemberForm*>(sender)->Title; };
    Application->FreeForms();
    EXPECT_EQ(seen, L"Forma");
    EXPECT_EQ(Application->MainForm(), nullptr);
    EXPECT_EQ(Application->ComponentCount(), 0);
}

TEST_F(LifecycleTest, ReleaseFreesTheFormInOrderOnceTheQueuedMessagesAreHandled) {
    auto* form = NewForm<TMemberForm>(nullptr);
    std::wstring seen;
    form->OnDestroy = [&](TObject* sender) { seen = static_cast<TMemberForm*>(sender)->Title; };
    form->Release();
    EXPECT_TRUE(seen.empty());
    Pump(50);
    EXPECT_EQ(seen, L"Forma");
}

}  // namespace
