// String lists, edits, memos and combo boxes on real windows.
#include "tests/platform/controls_fixture.h"
#include "ui/platform/edit_controls.h"
#include "ui/platform/std_controls.h"

namespace {

using Lines = std::vector<std::wstring>;

TEST(StringList, TextSplitsAtEveryKindOfBreakAndJoinsWithCrLf) {
    struct Case {
        const wchar_t* Text;
        Lines Expected;
    };
    const Case cases[] = {
        {L"", {}},
        {L"unu", {L"unu"}},
        {L"unu\r\ndoi", {L"unu", L"doi"}},
        {L"unu\ndoi\rtrei", {L"unu", L"doi", L"trei"}},
        {L"unu\r\n", {L"unu", L""}},
        {L"\r\n\r\n", {L"", L"", L""}},
    };
    for (const Case& c : cases) {
        TStringList list;
        list.SetText(c.Text);
        EXPECT_EQ(list.ToVector(), c.Expected) << WideToUtf8(c.Text);
        TStringList copy;
        copy.SetText(list.Text());
        EXPECT_EQ(copy.ToVector(), c.Expected) << "round trip of " << WideToUtf8(c.Text);
    }
}

TEST(StringList, KeepsOrderWhenSortedAndReportsBadIndexes) {
    TStringList list;
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    list.Add(L"Gama");
    list.Add(L"alfa");
    list.SetSorted(true);
    EXPECT_EQ(list.Add(L"Beta"), 1);
    list.Insert(0, L"delta");  // a sorted list puts it in its place
    EXPECT_EQ(list.ToVector(), (Lines{L"alfa", L"Beta", L"delta", L"Gama"}));
    EXPECT_EQ(list.IndexOf(L"GAMA"), 3);
    EXPECT_EQ(list.IndexOf(L"omega"), -1);
    EXPECT_EQ(changes, 5);

    list.Assign(Lines{L"x", L"y"});
    EXPECT_EQ(changes, 6);  // one notice for the whole assignment
    EXPECT_THROW(list.Strings(2), EStringListError);
    EXPECT_THROW(list.Delete(-1), EStringListError);
    EXPECT_THROW(list.Insert(3, L"z"), EStringListError);
}

TEST_F(ControlsFixture, MemoLinesStayInStepWithTheWindowBeforeDuringAndAfterIt) {
    auto* memo = Add<TMemo>(10, 10, 200, 100);
    TStrings& lines = memo->Lines();
    lines.Add(L"unu");
    lines.Add(L"trei");
    lines.Insert(1, L"doi");
    lines.Add(L"patru");
    lines.Delete(3);
    lines.Set(0, L"zero");
    EXPECT_FALSE(memo->HandleAllocated());
    EXPECT_EQ(memo->Text(), L"zero\r\ndoi\r\ntrei");

    HWND window = memo->Handle();
    EXPECT_EQ(WindowText(window), L"zero\r\ndoi\r\ntrei");
    lines.Add(L"patru");
    lines.Delete(0);
    EXPECT_EQ(WindowText(window), L"doi\r\ntrei\r\npatru");

    // Typed text shows in the lines.
    memo->SetSelStart(static_cast<int>(memo->Text().size()));
    SendMessageW(window, WM_CHAR, L'\r', 1);
    SendMessageW(window, WM_CHAR, L'x', 1);
    EXPECT_EQ(lines.ToVector(), (Lines{L"doi", L"trei", L"patru", L"x"}));

    memo->SetScrollBars(ssBoth);  // a new window keeps the text
    EXPECT_NE(memo->Handle(), window);
    EXPECT_EQ(lines.Count(), 4);
    EXPECT_EQ(lines.Strings(3), L"x");

    memo->SetText(L"a\nb");  // bare line feeds become CR LF, as the system edit needs
    EXPECT_EQ(WindowText(memo->Handle()), L"a\r\nb");
    memo->SetReadOnly(true);
    lines.Add(L"c");  // the program still writes into a read-only memo
    EXPECT_EQ(lines.ToVector(), (Lines{L"a", L"b", L"c"}));
    int changes = 0;
    memo->OnChange = [&](TObject*) { ++changes; };
    lines.Assign(Lines{L"p", L"q", L"r"});  // one new text, one change
    lines.Set(1, L"Q");
    EXPECT_EQ(memo->Text(), L"p\r\nQ\r\nr");
    EXPECT_EQ(changes, 2);
    lines.Clear();
    EXPECT_EQ(lines.Count(), 0);
    EXPECT_THROW(lines.Strings(0), EStringListError);
}

TEST_F(ControlsFixture, EditReportsEachChangeOnceWhetherTypedOrSet) {
    auto* edit = Add<TEdit>(10, 10, 100, 21);
    std::vector<std::wstring> seen;
    edit->OnChange = [&](TObject*) { seen.push_back(edit->Text()); };
    edit->SetText(L"fara fereastra");
    edit->HandleNeeded();
    edit->SetText(L"ab");
    edit->SetText(L"ab");  // no change, no event
    edit->SetSelStart(2);
    PostMessageW(edit->Handle(), WM_CHAR, L'c', 1);
    Application->ProcessMessages();
    edit->SetSelStart(0);
    edit->SetSelLength(1);
    edit->SetSelText(L"X");
    EXPECT_EQ(seen, (Lines{L"fara fereastra", L"ab", L"abc", L"Xbc"}));
    EXPECT_EQ(edit->SelStart(), 1);
}

TEST_F(ControlsFixture, EditPropertiesReachTheWindowAndSurviveItsRecreation) {
    auto* edit = Add<TEdit>(10, 10, 100, 21);
    edit->SetText(L"secret");
    edit->SetMaxLength(8);
    edit->SetReadOnly(true);
    HWND first = edit->Handle();
    EXPECT_TRUE(GetWindowLongW(first, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    edit->SetAlignment(taRightJustify);
    edit->SetPasswordChar(L'*');
    edit->SetBorderStyle(bsNone);
    HWND window = edit->Handle();
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & ES_RIGHT);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_FALSE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(SendMessageW(window, EM_GETPASSWORDCHAR, 0, 0), L'*');
    EXPECT_EQ(SendMessageW(window, EM_GETLIMITTEXT, 0, 0), 8);
    EXPECT_EQ(WindowText(window), L"secret");
}

TEST_F(ControlsFixture, EditColoursItsTextAndBackground) {
    auto* edit = Add<TEdit>(10, 10, 100, 21);
    edit->SetColor(clYellow);
    edit->Font().SetColor(clRed);
    HDC dc = GetDC(edit->Handle());
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(form->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit->Handle())));
    EXPECT_EQ(GetTextColor(dc), ColorToRGB(clRed));
    EXPECT_EQ(GetBkColor(dc), ColorToRGB(clYellow));
    LOGBRUSH info{};
    GetObjectW(brush, sizeof info, &info);
    EXPECT_EQ(info.lbColor, ColorToRGB(clYellow));
    ReleaseDC(edit->Handle(), dc);
}

// Which keys a memo takes and which go to the form: Tab moves on unless
// WantTabs, Enter presses the default button unless WantReturns, Escape
// always reaches the Cancel button.
TEST_F(ControlsFixture, MemoTakesTabAndEnterOnlyWhenItWantsThemAndNeverEscape) {
    struct Case {
        bool WantTabs, WantReturns;
        WORD Key;
        const wchar_t* Typed;
        int Result;
        bool FocusMoved;
    };
    const Case cases[] = {
        {false, true, VK_TAB, L"", mrNone, true},
        {true, true, VK_TAB, L"\t", mrNone, false},
        {true, true, VK_RETURN, L"\r\n", mrNone, false},
        {true, false, VK_RETURN, L"", mrYes, false},
        {true, true, VK_ESCAPE, L"", mrNo, false},
    };
    for (const Case& c : cases) {
        TOwnedPtr<TForm> f(NewForm<TForm>(nullptr));
        const auto add = [&f]<class T>(T* control, int top) {
            control->SetParent(f.get());
            control->SetTop(top);
            return control;
        };
        auto* memo = add(new TMemo(f.get()), 0);
        memo->WantTabs = c.WantTabs;
        memo->SetWantReturns(c.WantReturns);
        auto* next = add(new TEdit(f.get()), 100);
        next->SetText(L"gata");
        auto* yes = add(new TButton(f.get()), 130);
        yes->ModalResult = mrYes;
        yes->SetDefault(true);
        auto* no = add(new TButton(f.get()), 160);
        no->ModalResult = mrNo;
        no->Cancel = true;
        f->SetActiveControl(memo);
        f->Show();
        Application->ProcessMessages();
        PostMessageW(memo->Handle(), WM_KEYDOWN, c.Key, 1);
        Application->ProcessMessages();
        EXPECT_EQ(memo->Text(), c.Typed) << c.Key;
        EXPECT_EQ(f->ModalResult, c.Result) << c.Key;
        EXPECT_EQ(f->ActiveControl(), c.FocusMoved ? static_cast<TWinControl*>(next) : memo) << c.Key;
        if (c.FocusMoved) {
            EXPECT_EQ(next->SelLength(), 4);  // an edit reached by Tab selects its text
        }
    }
}

struct ComboFixture : ControlsFixture {
    TComboBox* combo = nullptr;
    Lines changes;
    int selects = 0;

    void SetUp() override {
        ControlsFixture::SetUp();
        combo = Add<TComboBox>(10, 10, 120, 21);
        combo->OnChange = [this](TObject*) { changes.push_back(combo->Text()); };
        combo->OnSelect = [this](TObject*) { ++selects; };
    }
    int WindowCount() { return static_cast<int>(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0)); }
    int WindowSelection() { return static_cast<int>(SendMessageW(combo->Handle(), CB_GETCURSEL, 0, 0)); }
};

TEST_F(ComboFixture, ItemsAndSelectionAreTheSameBeforeAndAfterTheWindow) {
    combo->Items().Assign(Lines{L"gama", L"Alfa", L"beta"});
    combo->SetSorted(true);
    combo->SetItemIndex(2);
    EXPECT_EQ(combo->Text(), L"gama");
    combo->Items().Insert(0, L"delta");  // sorted: lands after "beta", before the selection
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_FALSE(combo->HandleAllocated());

    EXPECT_EQ(WindowCount(), 4);
    EXPECT_EQ(WindowSelection(), 3);
    EXPECT_EQ(WindowText(combo->Handle()), L"gama");
    combo->Items().Add(L"epsilon");
    combo->Items().Delete(0);
    EXPECT_EQ(combo->Items().ToVector(), (Lines{L"beta", L"delta", L"epsilon", L"gama"}));
    EXPECT_EQ(WindowCount(), 4);
    EXPECT_EQ(combo->ItemIndex(), 3);

    combo->SetStyle(csDropDownList);  // a new window, the same content
    EXPECT_EQ(WindowCount(), 4);
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_EQ(combo->Text(), L"gama");
    combo->SetItemIndex(7);  // out of range: nothing selected
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), L"");
    EXPECT_TRUE(changes.empty());  // the program's ItemIndex is no change of text
}

TEST_F(ComboFixture, SettingTextOfADropDownListSelectsTheItem) {
    combo->SetStyle(csDropDownList);
    combo->Items().Assign(Lines{L"unu", L"doi", L"trei"});
    for (bool withWindow : {false, true}) {
        if (withWindow) combo->HandleNeeded();
        changes.clear();
        combo->SetItemIndex(0);
        combo->SetText(L"DOI");
        EXPECT_EQ(combo->ItemIndex(), 1) << withWindow;
        EXPECT_EQ(combo->Text(), L"doi") << withWindow;
        combo->SetText(L"patru");
        EXPECT_EQ(combo->ItemIndex(), -1) << withWindow;
        EXPECT_EQ(changes, (Lines{L"doi", L""})) << withWindow;
    }
}

TEST_F(ComboFixture, ChoosingAndTypingFireTheirEvents) {
    combo->Items().Assign(Lines{L"unu", L"doi", L"trei"});
    combo->SetItemIndex(0);
    form->Show();
    PostMessageW(combo->Handle(), WM_KEYDOWN, VK_DOWN, 1);  // the next item, as the user picks it
    Application->ProcessMessages();
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(changes, (Lines{L"doi"}));
    EXPECT_EQ(selects, 1);

    HWND edit = GetWindow(combo->Handle(), GW_CHILD);
    ASSERT_NE(edit, nullptr);
    SendMessageW(edit, EM_SETSEL, 3, 3);
    PostMessageW(edit, WM_CHAR, L'!', 1);
    Application->ProcessMessages();
    EXPECT_EQ(combo->Text(), L"doi!");
    EXPECT_EQ(changes, (Lines{L"doi", L"doi!"}));
    EXPECT_EQ(selects, 1);
}

TEST_F(ComboFixture, DroppingDownAndClosingUpAreReported) {
    combo->Items().Assign(Lines{L"unu", L"doi"});
    Lines events;
    combo->OnDropDown = [&](TObject*) { events.push_back(L"drop"); };
    combo->OnCloseUp = [&](TObject*) { events.push_back(L"close"); };
    form->Show();
    combo->SetDroppedDown(true);
    EXPECT_TRUE(combo->DroppedDown());
    combo->SetDroppedDown(false);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(events, (Lines{L"drop", L"close"}));
}

}  // namespace
