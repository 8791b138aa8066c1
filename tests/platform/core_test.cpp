// Components, controls, forms and the message loop, on real windows.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/support/gui_support.h"
#include "ui/platform/application.h"
#include "ui/platform/std_controls.h"
#include "ui/platform/sysutils.h"

namespace {

// Records what happens to a component when it goes away.
class Probe : public TComponent {
public:
    Probe(TComponent* owner, std::vector<std::wstring>* log) : TComponent(owner), FLog(log) {}
    ~Probe() override { FLog->push_back(L"free " + Name()); }
    TComponent* Partner = nullptr;

protected:
    void Notification(TComponent* c, TOperation op) override {
        if (op == TOperation::opRemove && c == Partner) Partner = nullptr;
    }

private:
    std::vector<std::wstring>* FLog;
};

TEST(Component, OwnerFreesWhatItOwnsAndFindsByName) {
    std::vector<std::wstring> log;
    auto* owner = new Probe(nullptr, &log);
    auto* a = new Probe(owner, &log);
    a->SetName(L"Alfa");
    auto* b = new Probe(owner, &log);
    b->SetName(L"Beta");
    EXPECT_EQ(owner->FindComponent(L"beta"), b);
    EXPECT_EQ(owner->FindComponent(L"Gama"), nullptr);
    EXPECT_THROW(b->SetName(L"ALFA"), Exception);
    a->Free();
    EXPECT_EQ(owner->ComponentCount(), 1);
    owner->Free();
    // What it owns goes first, while the owner is whole; then the owner itself.
    EXPECT_EQ(log, (std::vector<std::wstring>{L"free Alfa", L"free Beta", L"free "}));
}

TEST(Component, FreeNotificationLetsAPartnerForgetIt) {
    std::vector<std::wstring> log;
    Probe watcher(nullptr, &log);
    auto* partner = new Probe(nullptr, &log);
    watcher.Partner = partner;
    partner->FreeNotification(&watcher);
    partner->Free();
    EXPECT_EQ(watcher.Partner, nullptr);
}

// A form that records the messages it is asked to note.
class RecordingForm : public TForm {
public:
    using TForm::TForm;
    std::vector<WPARAM> EnableMessages;

    void WndProc(TMessage& m) override {
        TForm::WndProc(m);
        if (m.Msg == WM_ENABLE) EnableMessages.push_back(m.WParam);
    }
};

struct FormFixture : ::testing::Test {
    TOwnedPtr<TForm> form{NewForm<TForm>(nullptr)};
    std::vector<std::wstring> errors;

    void SetUp() override {
        Application->Initialize();
        Application->OnException = [this](TObject*, const std::exception& e) {
            auto* own = dynamic_cast<const Exception*>(&e);
            errors.push_back(own ? own->Message() : L"?");
        };
        form->SetBounds(100, 100, 300, 200);
    }
    void TearDown() override { Application->OnException = nullptr; }

    TButton* AddButton(const std::wstring& caption, int modalResult, int left) {
        auto* button = new TButton(form.get());
        button->SetParent(form.get());
        button->SetBounds(left, 150, 75, 25);
        button->SetCaption(caption);
        button->ModalResult = modalResult;
        return button;
    }
};

TEST_F(FormFixture, ShowModalDisablesOtherWindowsAndReturnsTheButtonsResult) {
    std::unique_ptr<RecordingForm> other(NewForm<RecordingForm>(nullptr));
    other->Show();
    TButton* ok = AddButton(L"OK", mrOk, 10);
    form->HandleNeeded();
    bool otherWasDisabled = false;
    form->OnShow = [&](TObject*) {
        otherWasDisabled = !IsWindowEnabled(other->Handle());
        PostMessageW(ok->Handle(), BM_CLICK, 0, 0);
    };
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_TRUE(otherWasDisabled);
    EXPECT_TRUE(IsWindowEnabled(other->Handle()));
    EXPECT_EQ(other->EnableMessages, (std::vector<WPARAM>{FALSE, TRUE}));
    EXPECT_FALSE(form->Visible());
}

TEST_F(FormFixture, ClosingAModalFormGivesCancel) {
    form->OnShow = [&](TObject*) { PostMessageW(form->Handle(), WM_CLOSE, 0, 0); };
    EXPECT_EQ(form->ShowModal(), mrCancel);
}

TEST_F(FormFixture, EnterAndEscapePressTheDefaultAndCancelButtons) {
    struct Case {
        WORD Key;
        int Expected;
    };
    for (const Case& c : {Case{VK_RETURN, mrYes}, Case{VK_ESCAPE, mrNo}}) {
        TOwnedPtr<TForm> f(NewForm<TForm>(nullptr));
        auto* edit = new TButtonControl(f.get());  // any focusable control that does not want the key
        edit->SetParent(f.get());
        auto* yes = new TButton(f.get());
        yes->SetParent(f.get());
        yes->ModalResult = mrYes;
        yes->SetDefault(true);
        auto* no = new TButton(f.get());
        no->SetParent(f.get());
        no->ModalResult = mrNo;
        no->Cancel = true;
        f->SetActiveControl(edit);
        f->OnShow = [&](TObject*) {
            PostMessageW(edit->Handle(), WM_KEYDOWN, c.Key, 1);
        };
        EXPECT_EQ(f->ShowModal(), c.Expected) << c.Key;
    }
}

TEST_F(FormFixture, KeyPreviewLetsTheFormSwallowAKeyBeforeItsControl) {
    auto* button = AddButton(L"&Alfa", mrOk, 10);
    std::vector<std::wstring> seen;
    form->KeyPreview = true;
    form->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
        seen.push_back(L"form");
        if (key == 'Q') key = 0;
    };
    button->OnKeyDown = [&](TObject*, WORD&, TShiftState) { seen.push_back(L"button"); };
    form->OnShow = [&](TObject*) {
        PostMessageW(button->Handle(), WM_KEYDOWN, 'Q', 1);
        PostMessageW(button->Handle(), WM_KEYDOWN, 'W', 1);
        PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
    };
    form->ShowModal();
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"form", L"form", L"button"}));
}

TEST_F(FormFixture, AnAcceleratorLetterClicksItsButton) {
    AddButton(L"&Da", mrYes, 10);
    AddButton(L"&Nu", mrNo, 100);
    form->OnShow = [&](TObject*) { PostMessageW(form->Handle(), WM_SYSCHAR, 'n', 1 << 29); };
    EXPECT_EQ(form->ShowModal(), mrNo);
}

TEST_F(FormFixture, AnExceptionInAHandlerIsReportedAndTheLoopGoesOn) {
    TButton* failing = AddButton(L"Esec", mrNone, 10);
    TButton* ok = AddButton(L"OK", mrOk, 100);
    failing->OnClick = [](TObject*) { throw Exception(L"Ceva nu a mers"); };
    form->OnShow = [&](TObject*) {
        PostMessageW(failing->Handle(), BM_CLICK, 0, 0);
        PostMessageW(ok->Handle(), BM_CLICK, 0, 0);
    };
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(errors, (std::vector<std::wstring>{L"Ceva nu a mers"}));
}

TEST_F(FormFixture, TabMovesTheFocusInTabOrder) {
    TButton* first = AddButton(L"1", mrNone, 10);
    TButton* second = AddButton(L"2", mrNone, 100);
    TButton* third = AddButton(L"3", mrNone, 200);
    third->SetTabOrder(0);
    std::vector<std::wstring> focused;
    for (TButton* b : {first, second, third})
        b->OnEnter = [&focused](TObject* s) { focused.push_back(static_cast<TButton*>(s)->Caption()); };
    form->OnShow = [&](TObject*) {
        PostMessageW(form->Handle(), WM_KEYDOWN, VK_TAB, 1);
        PostMessageW(form->Handle(), WM_KEYDOWN, VK_TAB, 1);
        PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
    };
    form->ShowModal();
    EXPECT_EQ(focused, (std::vector<std::wstring>{L"3", L"1", L"2"}));
}

TEST(Align, ChildrenShareTheClientAreaInAlignOrder) {
    TOwnedPtr<TForm> form(NewForm<TForm>(nullptr));
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 200, 100);
    struct Case {
        TAlign Align;
        int Size;
        TRect Expected;
    };
    const Case cases[] = {
        {alTop, 10, {0, 0, 200, 10}},      {alBottom, 20, {0, 80, 200, 100}}, {alLeft, 30, {0, 10, 30, 80}},
        {alRight, 40, {160, 10, 200, 80}}, {alClient, 0, {30, 10, 160, 80}},
    };
    std::vector<TControl*> controls;
    for (const Case& c : cases) {
        auto* panel = new TGroupBox(form.get());
        panel->SetBounds(0, 0, c.Size, c.Size);
        panel->SetParent(form.get());
        panel->SetAlign(c.Align);
        controls.push_back(panel);
    }
    for (std::size_t i = 0; i < controls.size(); ++i) EXPECT_EQ(controls[i]->BoundsRect(), cases[i].Expected) << i;
    form->SetBounds(0, 0, 300, 100);
    EXPECT_EQ(controls[4]->BoundsRect(), (TRect{30, 10, 260, 80}));
}

TEST(GraphicControl, ClickOnAWindowlessControlReachesIt) {
    Application->Initialize();
    TOwnedPtr<TForm> form(NewForm<TForm>(nullptr));
    auto* label = new TLabel(form.get());
    label->SetParent(form.get());
    label->SetBounds(20, 20, 50, 20);
    label->SetCaption(L"Eticheta");
    int clicks = 0;
    label->OnClick = [&](TObject*) { ++clicks; };
    HWND h = form->Handle();
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(25, 25));
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 25));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(30, 30));
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(150, 150));
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 25));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(100, 100));  // released outside: no click
    EXPECT_EQ(clicks, 1);
}

}  // namespace

namespace {

TEST(Hint, ShowsAfterThePauseAndHidesWhenTheMouseLeaves) {
    Application->Initialize();
    TOwnedPtr<TForm> form(NewForm<TForm>(nullptr));
    auto* label = new TLabel(form.get());
    label->SetParent(form.get());
    label->SetBounds(20, 20, 50, 20);
    label->Hint = L"Directorul programului";
    form->ShowHint = true;  // the label inherits it
    auto* silent = new TLabel(form.get());
    silent->SetParent(form.get());
    silent->SetBounds(100, 20, 50, 20);
    silent->Hint = L"Nu se vede";
    silent->ParentShowHint = false;
    form->SetBounds(0, 0, 300, 200);
    form->Show();
    const auto moveTo = [&](int x, int y) {
        const TPoint p = form->ClientToScreen({x, y});
        SetCursorPos(p.X, p.Y);
        SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    };
    moveTo(25, 25);
    EXPECT_FALSE(Application->Hint().Visible());
    Pump(Application->HintPause + 300);
    EXPECT_TRUE(Application->Hint().Visible());
    EXPECT_EQ(Application->Hint().Text(), L"Directorul programului");
    moveTo(105, 25);
    Pump(Application->HintPause + 300);
    EXPECT_FALSE(Application->Hint().Visible());
}

}  // namespace

#include "tests/graphics/graphics_test_support.h"

namespace {

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    *reinterpret_cast<int*>(count) += 1 + (GetWindow(window, GW_CHILD) ? 1 : 0);
    return TRUE;
}

TEST_F(FormFixture, AModalFormInsideAModalFormReturnsToItsOwnLoop) {
    TButton* ok = AddButton(L"OK", mrOk, 10);
    TOwnedPtr<TForm> inner(NewForm<TForm>(nullptr));
    auto* innerButton = new TButton(inner.get());
    innerButton->SetParent(inner.get());
    innerButton->ModalResult = mrYes;
    int innerResult = 0;
    bool outerDisabledInside = false;
    form->OnShow = [&](TObject*) { PostMessageW(form->Handle(), WM_USER + 1, 0, 0); };
    inner->OnShow = [&](TObject*) {
        outerDisabledInside = !IsWindowEnabled(form->Handle());
        PostMessageW(innerButton->Handle(), BM_CLICK, 0, 0);
    };
    form->OnActivate = [&](TObject*) {
        if (innerResult != 0 || inner->Visible()) return;
        innerResult = inner->ShowModal();
        PostMessageW(ok->Handle(), BM_CLICK, 0, 0);
    };
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(innerResult, mrYes);
    EXPECT_TRUE(outerDisabledInside);
}

TEST_F(FormFixture, AThousandRepaintsLeaveNoGdiObjectsOrWindowsBehind) {
    AddButton(L"OK", mrOk, 10);
    auto* label = new TLabel(form.get());
    label->SetParent(form.get());
    label->SetCaption(L"Eticheta");
    form->DoubleBuffered = true;
    form->Show();
    const auto windows = [] {
        int count = 0;
        EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
        return count;
    };
    const auto repaint = [&] {
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    };
    repaint();
    const int gdiBefore = LiveGdiObjects(), windowsBefore = windows();
    for (int i = 0; i < 1000; ++i) repaint();
    EXPECT_EQ(LiveGdiObjects(), gdiBefore);
    EXPECT_EQ(windows(), windowsBefore);
}

}  // namespace
