// Page controls, the drive and directory lists, and definitions that build
// every control of the library.
#include "tests/platform/controls_fixture.h"

#include <commctrl.h>

#include "tests/support/temp_dir.h"
#include "ui/platform/edit_controls.h"
#include "ui/platform/ext_controls.h"
#include "ui/platform/file_controls.h"
#include "ui/platform/form_definition.h"
#include "ui/platform/page_control.h"
#include "ui/platform/std_controls.h"

namespace {

using Lines = std::vector<std::wstring>;

std::wstring TabText(TPageControl& pages, int tab) {
    wchar_t buffer[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = 64;
    SendMessageW(pages.Handle(), TCM_GETITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
    return buffer;
}

Lines TabTexts(TPageControl& pages) {
    Lines texts;
    const int count = static_cast<int>(SendMessageW(pages.Handle(), TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) texts.push_back(TabText(pages, i));
    return texts;
}

struct PageFixture : ControlsFixture {
    TPageControl* pages = nullptr;
    std::vector<TTabSheet*> sheets;

    void SetUp() override {
        ControlsFixture::SetUp();
        pages = Add<TPageControl>(10, 10, 300, 200);
        for (const wchar_t* caption : {L"Unu", L"Doi", L"Trei"}) {
            auto* sheet = new TTabSheet(form.get());
            sheet->SetPageControl(pages);
            sheet->SetCaption(caption);
            sheets.push_back(sheet);
        }
    }
    // A click on a tab, as the user makes it.
    void ClickTab(int tab) {
        RECT r{};
        SendMessageW(pages->Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&r));
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageW(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(pages->Handle(), WM_LBUTTONUP, 0, at);
    }
    std::vector<bool> Shown() {
        std::vector<bool> shown;
        for (TTabSheet* sheet : sheets) shown.push_back(sheet->Visible() && IsWindowVisible(sheet->Handle()));
        return shown;
    }
};

TEST_F(PageFixture, TheUserChangesThePageUnlessMayChangeRefuses) {
    form->Show();
    EXPECT_EQ(TabTexts(*pages), (Lines{L"Unu", L"Doi", L"Trei"}));
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    Lines events;
    bool allow = false;
    pages->OnChanging = [&](TObject*, bool& allowChange) {
        events.push_back(L"changing from " + pages->ActivePage()->Caption());
        allowChange = allow;
    };
    pages->OnChange = [&](TObject*) { events.push_back(L"change to " + pages->ActivePage()->Caption()); };

    ClickTab(1);
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    EXPECT_EQ(pages->TabIndex(), 0);
    EXPECT_EQ(Shown(), (std::vector<bool>{true, false, false}));

    allow = true;
    ClickTab(2);
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
    EXPECT_EQ(pages->ActivePageIndex(), 2);
    EXPECT_EQ(Shown(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(events, (Lines{L"changing from Unu", L"changing from Unu", L"change to Trei"}));

    events.clear();
    pages->SetActivePage(sheets[1]);  // the program's change fires nothing
    EXPECT_EQ(pages->TabIndex(), 1);
    EXPECT_EQ(Shown(), (std::vector<bool>{false, true, false}));
    EXPECT_TRUE(events.empty());
}

TEST_F(PageFixture, AFailingMayChangeKeepsThePageAndIsReported) {
    form->Show();
    pages->OnChanging = [](TObject*, bool&) { throw Exception(L"Nu acum"); };
    ClickTab(1);
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    EXPECT_EQ(pages->TabIndex(), 0);
    EXPECT_EQ(errors, (Lines{L"Nu acum"}));
}

TEST_F(PageFixture, PagesFillTheDisplayRectangleOfTheTabControl) {
    pages->SetTabHeight(30);
    RECT expected;
    GetClientRect(pages->Handle(), &expected);
    SendMessageW(pages->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&expected));
    EXPECT_EQ(pages->DisplayRect(), TRect(expected));
    for (TTabSheet* sheet : sheets) EXPECT_EQ(sheet->BoundsRect(), TRect(expected));
    RECT tab;
    SendMessageW(pages->Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
    EXPECT_EQ(tab.bottom - tab.top, 30);

    pages->SetBounds(10, 10, 400, 250);  // resizing moves the pages with it
    GetClientRect(pages->Handle(), &expected);
    SendMessageW(pages->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&expected));
    EXPECT_EQ(sheets[1]->BoundsRect(), TRect(expected));
}

TEST_F(PageFixture, HiddenTabsRemovedPagesAndOrderKeepTabsAndPagesInStep) {
    pages->HandleNeeded();
    pages->SetActivePage(sheets[1]);
    sheets[1]->SetTabVisible(false);  // the active page loses its tab: the first visible one takes over
    EXPECT_EQ(TabTexts(*pages), (Lines{L"Unu", L"Trei"}));
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    EXPECT_EQ(sheets[2]->TabIndex(), 1);
    EXPECT_EQ(pages->TabPage(1), sheets[2]);
    EXPECT_EQ(sheets[1]->TabIndex(), -1);

    sheets[2]->SetPageIndex(0);
    sheets[1]->SetTabVisible(true);
    sheets[1]->SetCaption(L"Doi!");
    EXPECT_EQ(TabTexts(*pages), (Lines{L"Trei", L"Unu", L"Doi!"}));
    EXPECT_EQ(pages->Pages(0), sheets[2]);
    EXPECT_EQ(pages->TabIndex(), 1);  // still the first page, now second

    sheets[0]->Free();  // the active page goes: the next one shows
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_EQ(TabTexts(*pages), (Lines{L"Trei", L"Doi!"}));

    TPageControl other(nullptr);
    auto* stranger = new TTabSheet(form.get());
    stranger->SetPageControl(&other);
    pages->SetActivePage(stranger);  // a page of another control is ignored
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    stranger->SetPageControl(pages);  // moving it over makes it the last page here
    EXPECT_EQ(other.PageCount(), 0);
    EXPECT_EQ(stranger->PageIndex(), 2);
    EXPECT_EQ(stranger->Parent(), pages);
}

TEST_F(PageFixture, DisabledPagesShowNoTabUnlessCanShowTabSaysOtherwise) {
    pages->HandleNeeded();
    pages->SetActivePage(sheets[1]);
    sheets[1]->SetEnabled(false);  // the active page loses its tab: the first one with a tab takes over
    EXPECT_EQ(TabTexts(*pages), (Lines{L"Unu", L"Trei"}));
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    EXPECT_EQ(sheets[1]->TabIndex(), -1);
    EXPECT_EQ(pages->TabPage(1), sheets[2]);
    sheets[1]->SetEnabled(true);
    EXPECT_EQ(TabTexts(*pages), (Lines{L"Unu", L"Doi", L"Trei"}));

    // A control whose pages keep their tabs whatever their state.
    struct TAllTabs : TPageControl {
        using TPageControl::TPageControl;
        bool CanShowTab(const TTabSheet&) const override { return true; }
    };
    auto* all = Add<TAllTabs>(10, 220, 300, 100);
    for (const wchar_t* caption : {L"A", L"B"}) {
        auto* sheet = new TTabSheet(form.get());
        sheet->SetEnabled(false);
        sheet->SetPageControl(all);
        sheet->SetCaption(caption);
    }
    EXPECT_EQ(TabTexts(*all), (Lines{L"A", L"B"}));
    EXPECT_EQ(all->Pages(1)->TabIndex(), 1);
}

TEST_F(PageFixture, EveryChangeTheProgramMakesPassesTheVirtualPageSelection) {
    // Refuses every page but the first; counts what it was asked.
    struct TFirstOnly : TPageControl {
        using TPageControl::TPageControl;
        int Asked = 0;
        void SetActivePage(TTabSheet* page) override {
            ++Asked;
            if (page == Pages(0)) TPageControl::SetActivePage(page);
        }
    };
    auto* only = Add<TFirstOnly>(10, 220, 300, 100);
    for (const wchar_t* caption : {L"A", L"B"}) {
        auto* sheet = new TTabSheet(form.get());
        sheet->SetPageControl(only);
        sheet->SetCaption(caption);
    }
    only->HandleNeeded();
    only->SetTabIndex(1);
    only->SetActivePageIndex(1);
    EXPECT_EQ(only->Asked, 2);
    EXPECT_EQ(only->ActivePage(), only->Pages(0));
    EXPECT_EQ(only->TabIndex(), 0);
}

TEST_F(PageFixture, NewTabSizesKeepTheWindowUnlessTheFixedWidthTurnsOnOrOff) {
    const HWND window = pages->Handle();
    pages->SetTabHeight(26);
    EXPECT_EQ(pages->Handle(), window);
    pages->SetTabWidth(90);  // fixed width on: a creation style
    const HWND fixed = pages->Handle();
    EXPECT_NE(fixed, window);
    EXPECT_TRUE(GetWindowLongW(fixed, GWL_STYLE) & TCS_FIXEDWIDTH);
    pages->SetTabWidth(70);
    pages->SetTabHeight(30);
    EXPECT_EQ(pages->Handle(), fixed);
    RECT tab;
    SendMessageW(fixed, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
    EXPECT_EQ(tab.right - tab.left, 70);
    EXPECT_EQ(tab.bottom - tab.top, 30);
    for (TTabSheet* sheet : sheets) EXPECT_EQ(sheet->BoundsRect(), pages->DisplayRect());
    EXPECT_EQ(TabTexts(*pages), (Lines{L"Unu", L"Doi", L"Trei"}));
}

TEST_F(PageFixture, OwnerDrawnTabsAreDrawnByDrawTab) {
    pages->SetOwnerDraw(true);
    pages->SetTabWidth(80);
    pages->SetActivePage(sheets[1]);
    std::vector<std::pair<int, bool>> drawn;
    pages->OnDrawTab = [&](TObject* sender, int tab, const TRect& rect, bool active) {
        EXPECT_EQ(sender, pages);
        drawn.emplace_back(tab, active);
        pages->Canvas().Brush().SetColor(active ? clRed : clLime);
        pages->Canvas().FillRect(rect);
    };
    const TBitmap picture = Snapshot(*pages);
    std::sort(drawn.begin(), drawn.end());
    drawn.erase(std::unique(drawn.begin(), drawn.end()), drawn.end());
    EXPECT_EQ(drawn, (std::vector<std::pair<int, bool>>{{0, false}, {1, true}, {2, false}}));
    for (int tab = 0; tab < 3; ++tab) {
        RECT r;
        SendMessageW(pages->Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&r));
        EXPECT_EQ(r.right - r.left, 80);
        EXPECT_EQ(picture.Pixel((r.left + r.right) / 2, (r.top + r.bottom) / 2), tab == 1 ? clRed : clLime) << tab;
    }
}

// A tree in a fresh temporary folder: Alfa with three subfolders.
struct FolderFixture : ControlsFixture {
    TempDir temp;
    std::wstring alfa;
    TDirectoryListBox* list = nullptr;
    int listChanges = 0;

    void SetUp() override {
        ControlsFixture::SetUp();
        alfa = temp / L"Alfa";
        for (const wchar_t* name : {L"", L"\\gama", L"\\Beta", L"\\Delta"}) CreateDirectoryW((alfa + name).c_str(), nullptr);
        WriteText(alfa + L"\\fisier.txt", "nu e director");
        list = Add<TDirectoryListBox>(10, 40, 300, 200);
        list->OnChange = [this](TObject*) { ++listChanges; };
    }
    // The names of the last `count` items.
    Lines Tail(int count) {
        Lines tail;
        for (int i = list->ItemCount() - count; i < list->ItemCount(); ++i) tail.push_back(list->Items(i));
        return tail;
    }
    int IndexOf(const std::wstring& name) {
        for (int i = 0; i < list->ItemCount(); ++i)
            if (list->Items(i) == name) return i;
        return -1;
    }
};

TEST_F(FolderFixture, TheListShowsThePathFromTheRootAndTheSubfolders) {
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_TRUE(SameTextAscii(list->Directory(), ExcludeTrailingBackslash(current)));

    ASSERT_TRUE(list->SetDirectory(alfa + L"\\"));
    EXPECT_TRUE(SameTextAscii(list->Directory(), alfa));
    EXPECT_EQ(listChanges, 1);
    // Root, each folder of the path, then the subfolders in order.
    std::vector<std::wstring> parts{std::wstring{static_cast<wchar_t>(std::towlower(alfa[0])), L':', L'\\'}};
    for (std::size_t start = 3; start < alfa.size();) {
        const std::size_t end = std::min(alfa.find(L'\\', start), alfa.size());
        parts.push_back(alfa.substr(start, end - start));
        start = end + 1;
    }
    const int depth = static_cast<int>(parts.size());
    ASSERT_EQ(list->ItemCount(), depth + 3);
    for (int i = 0; i < depth; ++i) EXPECT_EQ(list->Items(i), parts[static_cast<std::size_t>(i)]);
    EXPECT_EQ(Tail(3), (Lines{L"Beta", L"Delta", L"gama"}));
    EXPECT_EQ(list->ItemIndex(), depth - 1);
    EXPECT_TRUE(SameTextAscii(list->ItemPath(depth), alfa + L"\\Beta"));
    EXPECT_TRUE(SameTextAscii(list->ItemPath(0), parts[0]));

    HWND window = list->Handle();
    EXPECT_EQ(SendMessageW(window, LB_GETCOUNT, 0, 0), depth + 3);
    EXPECT_EQ(SendMessageW(window, LB_GETCURSEL, 0, 0), depth - 1);
    wchar_t text[64] = {};
    SendMessageW(window, LB_GETTEXT, static_cast<WPARAM>(depth + 1), reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"Delta");
}

TEST_F(FolderFixture, ADoubleClickOrEnterOpensAnItem) {
    ASSERT_TRUE(list->SetDirectory(alfa));
    form->Show();
    RECT r{};
    const int delta = IndexOf(L"Delta");
    SendMessageW(list->Handle(), LB_GETITEMRECT, static_cast<WPARAM>(delta), reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM(r.left + 30, (r.top + r.bottom) / 2);
    SendMessageW(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list->Handle(), WM_LBUTTONUP, 0, at);
    SendMessageW(list->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(list->Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(SameTextAscii(list->Directory(), alfa + L"\\Delta"));
    EXPECT_EQ(list->ItemCount(), delta);  // the path down to Delta, which has no subfolders

    list->SetItemIndex(IndexOf(L"Alfa"));
    PostMessageW(list->Handle(), WM_KEYDOWN, VK_RETURN, 1);
    Application->ProcessMessages();
    EXPECT_TRUE(SameTextAscii(list->Directory(), alfa));
    EXPECT_EQ(listChanges, 3);
}

TEST_F(FolderFixture, TheDriveListMovesTheDirectoryListAndFollowsIt) {
    auto* drives = Add<TDriveComboBox>(10, 10, 200, 21);
    int driveChanges = 0;
    drives->OnChange = [&](TObject*) { ++driveChanges; };
    drives->SetDirList(list);
    const DWORD mask = GetLogicalDrives();
    int count = 0;
    for (int bit = 0; bit < 26; ++bit) count += (mask >> bit) & 1;
    ASSERT_EQ(drives->Items().Count(), count);
    for (int i = 0; i < count; ++i) {
        const std::wstring item = drives->Items().Strings(i);
        EXPECT_TRUE(std::iswlower(item[0]) && item[1] == L':') << WideToUtf8(item);
    }
    EXPECT_EQ(drives->Drive(), list->Drive());
    EXPECT_EQ(drives->Text().substr(0, 2), (std::wstring{list->Drive(), L':'}));

    // Another drive for the list: the combo shows it, without an event of its own.
    ASSERT_TRUE(list->SetDirectory(alfa));
    const wchar_t alfaDrive = static_cast<wchar_t>(std::towlower(alfa[0]));
    EXPECT_EQ(drives->Drive(), alfaDrive);
    EXPECT_EQ(driveChanges, 0);

    // The user picks another drive: the list moves to it.
    const wchar_t other = alfaDrive == L'z' ? L'c' : L'z';
    ASSERT_TRUE(mask & (1u << (other - L'a')));
    for (int i = 0; i < count; ++i)
        if (drives->Items().Strings(i)[0] == other) drives->SetItemIndex(i);
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(drives->Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(drives->Handle()));
    EXPECT_EQ(list->Drive(), other);
    EXPECT_EQ(drives->Drive(), other);
    EXPECT_EQ(driveChanges, 1);
    EXPECT_EQ(listChanges, 2);
    EXPECT_TRUE(errors.empty());
}

TEST_F(FolderFixture, AnUnreachableDriveOrFolderIsReportedAndTheListStays) {
    auto* drives = Add<TDriveComboBox>(10, 10, 200, 21);
    drives->SetDirList(list);
    ASSERT_TRUE(list->SetDirectory(alfa));
    listChanges = 0;
    wchar_t missing = 0;
    for (wchar_t letter = L'y'; letter > L'c' && !missing; --letter)
        if (!(GetLogicalDrives() & (1u << (letter - L'a')))) missing = letter;
    ASSERT_NE(missing, 0);
    const std::wstring upper(1, static_cast<wchar_t>(std::towupper(missing)));
    const std::wstring unavailable = L"Unitatea " + upper + L": nu este disponibila";

    struct Case {
        std::function<void()> Action;
        std::wstring Message;
    };
    const Case cases[] = {
        {[&] { list->SetDrive(missing); }, unavailable},
        {[&] { drives->SetDrive(missing); }, unavailable},
        {[&] { list->SetDirectory(upper + L":\\Date"); }, unavailable},
        {[&] { list->SetDirectory(alfa + L"\\Lipsa"); }, L"Directorul \"" + alfa + L"\\Lipsa\" nu exista"},
        {[&] { list->SetDirectory(alfa + L"\\fisier.txt"); }, L"Directorul \"" + alfa + L"\\fisier.txt\" nu exista"},
    };
    for (const Case& c : cases) {
        errors.clear();
        c.Action();
        EXPECT_EQ(errors, (Lines{c.Message}));
        EXPECT_TRUE(SameTextAscii(list->Directory(), alfa));
        EXPECT_EQ(drives->Drive(), static_cast<wchar_t>(std::towlower(alfa[0])));
    }
    EXPECT_EQ(listChanges, 0);
}

class DefinitionForm : public TForm {
public:
    explicit DefinitionForm(TComponent* owner) : TForm(owner) {
        RegisterHandler(L"Changed", TNotifyEvent([this](TObject*) { ++Changes; }));
        RegisterHandler(L"Tick", TNotifyEvent([this](TObject*) { ++Ticks; }));
        RegisterHandler(L"Changing", TTabChangingEvent([](TObject*, bool&) {}));
    }
    int Changes = 0;
    int Ticks = 0;
    template <class T>
    T& Get(const wchar_t* name) {
        auto* component = dynamic_cast<T*>(FindComponent(name));
        if (!component) throw Exception(std::wstring(L"lipseste ") + name);
        return *component;
    }
};

std::wstring Escaped(const std::wstring& path) {
    std::wstring result;
    for (wchar_t c : path) result += c == L'\\' ? std::wstring(L"\\\\") : std::wstring(1, c);
    return result;
}

TEST_F(ControlsFixture, DefinitionsBuildEveryControl) {
    TempDir temp;
    const std::wstring text = LR"(TDefinitionForm F {
  ClientWidth = 600
  ClientHeight = 400
  TEdit Edit {
    Text = "abc"
    MaxLength = 10
    ReadOnly = true
    BorderStyle = bsNone
    Alignment = taRightJustify
    PasswordChar = "*"
    AutoSelect = false
    OnChange = Changed
  }
  TMemo Memo {
    Top = 30
    Lines = ("unu", "doi")
    ScrollBars = ssVertical
    WordWrap = false
    WantReturns = false
    WantTabs = true
    Alignment = taCenter
    OnChange = Changed
  }
  TComboBox Combo {
    Top = 130
    ItemIndex = 0
    Items = ("gama", "alfa", "beta")
    Sorted = true
    Style = csDropDownList
    DropDownCount = 4
    OnChange = Changed
  }
  TPanel Panel {
    Left = 300
    Width = 200
    Height = 120
    Caption = "Panou"
    BevelOuter = bvLowered
    BevelInner = bvRaised
    BevelWidth = 2
    BorderWidth = 1
    BorderStyle = bsSingle
    Alignment = taLeftJustify
    TGauge Gauge {
      Align = alClient
      Kind = gkVerticalBar
      MinValue = 10
      MaxValue = 20
      Progress = 15
      ShowText = false
      ForeColor = clNavy
      BackColor = clSilver
      BorderStyle = bsNone
    }
    TBevel Bevel {
      Shape = bsTopLine
      Style = bsRaised
    }
  }
  TTimer Timer {
    Interval = 25
    Enabled = false
    OnTimer = Tick
  }
  TPageControl Pages {
    Top = 160
    ActivePage = Second
    TabWidth = 70
    TabHeight = 24
    MultiLine = true
    OnChanging = Changing
    TTabSheet First {
      Caption = "Intai"
    }
    TTabSheet Second {
      Caption = "Al doilea"
      ImageIndex = 3
      TEdit Inner {
      }
    }
    TTabSheet Hidden {
      Caption = "Ascuns"
      TabVisible = false
    }
  }
  TDriveComboBox Drives {
    Left = 300
    Top = 200
    DirList = Folders
  }
  TDirectoryListBox Folders {
    Left = 300
    Top = 230
    Directory = ")" + Escaped(temp.Path()) + LR"("
    DirLabel = FolderLabel
    OnChange = Changed
  }
  TLabel FolderLabel {
    Top = 380
  }
}
)";
    std::unique_ptr<DefinitionForm> f(new DefinitionForm(nullptr));
    LoadFormDefinitionText(*f, text, L"TDefinitionForm");
    EXPECT_EQ(f->Changes, 0);  // nothing is reported while the definition loads

    auto& edit = f->Get<TEdit>(L"Edit");
    EXPECT_EQ(edit.Text(), L"abc");
    EXPECT_EQ(edit.MaxLength(), 10);
    EXPECT_TRUE(edit.ReadOnly());
    EXPECT_EQ(edit.BorderStyle(), bsNone);
    EXPECT_EQ(edit.Alignment(), taRightJustify);
    EXPECT_EQ(edit.PasswordChar(), L'*');
    EXPECT_FALSE(edit.AutoSelect);

    auto& memo = f->Get<TMemo>(L"Memo");
    EXPECT_EQ(memo.Lines().ToVector(), (Lines{L"unu", L"doi"}));
    EXPECT_EQ(memo.ScrollBars(), ssVertical);
    EXPECT_FALSE(memo.WordWrap());
    EXPECT_FALSE(memo.WantReturns());
    EXPECT_TRUE(memo.WantTabs);
    EXPECT_EQ(memo.Alignment(), taCenter);

    auto& combo = f->Get<TComboBox>(L"Combo");
    EXPECT_EQ(combo.Items().ToVector(), (Lines{L"alfa", L"beta", L"gama"}));
    EXPECT_EQ(combo.Style(), csDropDownList);
    EXPECT_EQ(combo.DropDownCount(), 4);
    EXPECT_EQ(combo.Text(), L"alfa");

    auto& panel = f->Get<TPanel>(L"Panel");
    EXPECT_EQ(panel.Caption(), L"Panou");
    EXPECT_EQ(panel.BevelOuter(), bvLowered);
    EXPECT_EQ(panel.BevelInner(), bvRaised);
    EXPECT_EQ(panel.BevelWidth(), 2);
    EXPECT_EQ(panel.BorderWidth(), 1);
    EXPECT_EQ(panel.BorderStyle(), bsSingle);
    EXPECT_EQ(panel.Alignment(), taLeftJustify);

    auto& gauge = f->Get<TGauge>(L"Gauge");
    EXPECT_EQ(gauge.Parent(), &panel);
    EXPECT_EQ(gauge.Kind(), gkVerticalBar);
    EXPECT_EQ(gauge.PercentDone(), 50);
    EXPECT_EQ(gauge.ForeColor(), clNavy);
    EXPECT_EQ(gauge.BackColor(), clSilver);
    EXPECT_FALSE(gauge.ShowText());
    EXPECT_EQ(gauge.BorderStyle(), bsNone);
    EXPECT_EQ(gauge.Left(), 5);  // inside both bevels and the border
    EXPECT_EQ(f->Get<TBevel>(L"Bevel").Shape(), bsTopLine);
    EXPECT_EQ(f->Get<TBevel>(L"Bevel").Style(), bsRaised);

    auto& timer = f->Get<TTimer>(L"Timer");
    EXPECT_EQ(timer.Interval(), 25u);
    EXPECT_FALSE(timer.Enabled());
    timer.SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return f->Ticks > 0; }));

    auto& pages = f->Get<TPageControl>(L"Pages");
    auto& second = f->Get<TTabSheet>(L"Second");
    EXPECT_EQ(pages.PageCount(), 3);
    EXPECT_EQ(pages.ActivePage(), &second);
    EXPECT_EQ(second.Parent(), &pages);
    EXPECT_EQ(second.ImageIndex(), 3);
    EXPECT_EQ(f->Get<TEdit>(L"Inner").Parent(), &second);
    EXPECT_TRUE(pages.MultiLine());
    EXPECT_TRUE(static_cast<bool>(pages.OnChanging));
    EXPECT_EQ(TabTexts(pages), (Lines{L"Intai", L"Al doilea"}));
    EXPECT_EQ(pages.TabIndex(), 1);

    auto& folders = f->Get<TDirectoryListBox>(L"Folders");
    EXPECT_TRUE(SameTextAscii(IncludeTrailingBackslash(folders.Directory()), temp.Path()));
    EXPECT_EQ(f->Get<TDriveComboBox>(L"Drives").DirList(), &folders);
    EXPECT_EQ(f->Get<TDriveComboBox>(L"Drives").Drive(), folders.Drive());
    EXPECT_EQ(f->Get<TLabel>(L"FolderLabel").Caption(), folders.Directory());

    edit.SetText(L"nou");
    EXPECT_EQ(f->Changes, 1);
}

TEST_F(ControlsFixture, DefinitionsRefuseUnknownPagesListsAndValues) {
    struct Case {
        const wchar_t* Text;
        const wchar_t* Expected;
    };
    const Case cases[] = {
        {L"TForm F {\n  TPageControl P {\n    ActivePage = Nimic\n  }\n}", L"\"Nimic\" nu este o pagina"},
        {L"TForm F {\n  TDriveComboBox D {\n    DirList = Nimic\n  }\n}", L"\"Nimic\" nu este o lista de directoare"},
        {L"TForm F {\n  TEdit E {\n    PasswordChar = \"**\"\n  }\n}", L"linia 3: se astepta un singur caracter"},
        {L"TForm F {\n  TGauge G {\n    Kind = gkCeas\n  }\n}", L"linia 3: valoare necunoscuta \"gkCeas\""},
    };
    for (const Case& c : cases) {
        TOwnedPtr<TForm> f(new TForm(nullptr));
        try {
            LoadFormDefinitionText(*f, c.Text, L"TBad");
            ADD_FAILURE() << "no error for " << WideToUtf8(c.Text);
        } catch (const Exception& e) {
            EXPECT_NE(e.Message().find(c.Expected), std::wstring::npos) << WideToUtf8(e.Message());
        }
    }
}

}  // namespace
