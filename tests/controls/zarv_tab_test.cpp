// The framework's tab control: the face coloured from its template, tab
// sizes, the control's own painting, the page-change veto for the user's
// clicks and the program's changes, the hidden tab row, the hot tab under
// the real mouse, its sheets and form definitions.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/controls/button_test_support.h"
#include "tests/support/gui_support.h"
#include "ui/base/design_themes.h"
#include "ui/controls/draw_helpers.h"
#include "ui/controls/tab_face.h"
#include "ui/controls/zarv_tab_ctrl.h"
#include "ui/controls/zarv_tab_sheet.h"
#include "ui/platform/ext_controls.h"
#include "ui/platform/form_definition.h"
#include "ui/platform/graphics/gdi_handle.h"
#include "ui/platform/std_controls.h"

namespace {

using Lines = std::vector<std::wstring>;

const TColor ScreenColor = static_cast<TColor>(0xB1A598);
const TColor DefaultAccent = static_cast<TColor>(0xD6D6D6);
const TColor BodyKey = static_cast<TColor>(0xA449A3);
const TColor LineKey = static_cast<TColor>(0x00F2FF);

// Logs the tabs drawn and counts the faces built after construction.
class TLoggingTabs : public TZarvTabCtrl322 {
public:
    using TZarvTabCtrl322::TZarvTabCtrl322;
    struct TDraw {
        int Page;
        bool Active, Hot;
        friend bool operator==(const TDraw&, const TDraw&) = default;
    };
    std::vector<TDraw> Draws;
    int Builds = 0;

    void LoadFace() override {
        ++Builds;
        TZarvTabCtrl322::LoadFace();
    }

protected:
    void DrawTabState(TCanvas& canvas, int pageIndex, bool active, bool hot, bool enabled) override {
        Draws.push_back({pageIndex, active, hot});
        TZarvTabCtrl322::DrawTabState(canvas, pageIndex, active, hot, enabled);
    }
};

std::wstring Name(const TTabSheet* page) { return page ? page->Caption() : L"-"; }

struct TabFixture : ButtonFixture {
    TLoggingTabs* tabs = nullptr;
    std::vector<TZarvTabSheet2*> sheets;
    Lines asked;  // "old>new" for each OnTabChange question

    void SetUp() override {
        ButtonFixture::SetUp();
        form->SetBorderStyle(bsNone);
        form->SetColor(ScreenColor);
    }
    void TearDown() override {
        SetCursorPos(0, 0);
        ButtonFixture::TearDown();
    }

    // A 400 x 200 control with `count` pages "&P0", "&P1", ...
    TLoggingTabs* AddTabs(int count, TWinControl* parent = nullptr) {
        tabs = new TLoggingTabs(form.get());
        tabs->SetParent(parent ? parent : form.get());
        tabs->SetBounds(10, 10, 400, 200);
        for (int i = 0; i < count; ++i) {
            auto* sheet = new TZarvTabSheet2(form.get());
            sheet->SetPageControl(tabs);
            sheet->SetCaption(L"&P" + std::to_wstring(i));
            sheets.push_back(sheet);
        }
        tabs->HandleNeeded();
        return tabs;
    }
    // Records each question; `refuse` says which ones are answered no.
    void Ask(std::function<bool(TTabSheet*, TTabSheet*)> refuse = {}) {
        tabs->OnTabChange = [this, refuse](TObject* sender, TTabSheet* oldTab, TTabSheet* newTab, bool& allow) {
            EXPECT_EQ(sender, tabs);
            EXPECT_TRUE(allow);
            asked.push_back(Name(oldTab) + L">" + Name(newTab));
            if (refuse && refuse(oldTab, newTab)) allow = false;
        };
    }
    TRect Item(int tab) {
        RECT r{};
        SendMessageW(tabs->Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&r));
        return r;
    }
    TPoint ScreenPoint(TPoint client) { return tabs->ClientToScreen(client); }
    void MoveMouse(TPoint client) {
        const TPoint p = ScreenPoint(client);
        SetCursorPos(p.X, p.Y);
        Pump(60);
    }
    // A click of the real mouse in the middle of a tab.
    void ClickTab(int tab) {
        const TRect r = Item(tab);
        MoveMouse({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
        INPUT input[2]{};
        input[0].type = input[1].type = INPUT_MOUSE;
        input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, input, sizeof(INPUT));
        Pump(100);
    }
    TBitmap Shot() {
        TBitmap picture(tabs->Width(), tabs->Height());
        tabs->PaintTo(picture.Canvas().Handle(), 0, 0);
        return picture;
    }
};

TColor Darker(TColor color, int divisor) { return DarkenColor(Drawn(color), divisor); }

// ------------------------------------------------------------------- face

TEST(TabFace, TheTemplateAreasTakeTheirColoursAndTheBodiesDarkenTowardTheirTop) {
    Application->Initialize();
    FrameworkStartup();
    struct Case {
        const char* Name;
        const wchar_t* Picture;
        TColor Background, Accent;
    };
    const Case cases[] = {
        {"plain on the screens' colour", L"TabCtrlFace", ScreenColor, DefaultAccent},
        {"module face", L"MenuTabCtrlFace120", clWhite, static_cast<TColor>(12040119)},
        {"a system colour as background", L"TabCtrlFace", clBtnFace, clNavy},
        {"a background in the body's key colour", L"TabCtrlFace", BodyKey, DefaultAccent},
        {"an accent in the lines' key colour", L"MenuTabCtrlFace120", ScreenColor, LineKey},
    };
    for (const Case& c : cases) {
        const TBitmap& pattern = ContainerPicture(c.Picture);
        ASSERT_EQ(pattern.Width(), 360) << c.Name;
        TBitmap face;
        face.Assign(pattern);
        ColourTabFace(face, pattern, c.Background, c.Accent);
        const int h = face.Height();
        const TColor back = Drawn(c.Background), accent = Drawn(c.Accent);
        EXPECT_EQ(face.Pixel(0, 0), back) << c.Name;
        EXPECT_EQ(face.Pixel(239, 10), back) << c.Name;  // between the hot and the active body
        EXPECT_EQ(face.Pixel(0, h - 1), Darker(back, 3)) << c.Name;        // base line
        EXPECT_EQ(face.Pixel(239, h - 1), Darker(back, 3)) << c.Name;
        EXPECT_EQ(face.Pixel(300, 1), Darker(back, 3)) << c.Name;          // top line of the active tab
        EXPECT_EQ(face.Pixel(240, h - 1), accent) << c.Name;                // the active tab opens downward
        EXPECT_EQ(face.Pixel(340, h - 20), accent) << c.Name;
        EXPECT_EQ(face.Pixel(180, h - 2), Darker(back, 10)) << c.Name;     // hot body
        // Rows 8 up to 2: each darker than the one below, the top two inset.
        TColor active = accent, hot = Darker(back, 10);
        for (int row = 8; row >= 2; --row) {
            const int inset = row >= 4 ? 0 : 4 - row;
            EXPECT_EQ(face.Pixel(241 + inset, row), active) << c.Name << " row " << row;
            EXPECT_EQ(face.Pixel(358 - inset, row), active) << c.Name << " row " << row;
            EXPECT_EQ(face.Pixel(121 + inset, row), hot) << c.Name << " row " << row;
            active = DarkenColor(active, 7 * (row - 2) + 5);
            hot = DarkenColor(hot, 7 * (row - 2) + 5);
        }
        EXPECT_EQ(face.Pixel(242, 2), back) << c.Name;  // the rounded corner
    }
    FrameworkShutdown();
}

// -------------------------------------------------------------- tab sizes

TEST_F(TabFixture, TabWidthsFollowCustomTabWidthAndThePages) {
    struct Case {
        const char* Name;
        int Pages;
        int CustomTabWidth;
        bool MultiLine;
        int ControlWidth;
        int TabWidth;   // the fixed width asked of the system
        int ItemWidth;  // what the first tab is; -1: not checked
    };
    const Case cases[] = {
        {"no pages: half the face", 0, 0, false, 400, 180, -1},
        {"four pages share 400", 4, 0, false, 400, 98, 98},
        {"three pages share 500", 3, 0, false, 500, 164, 164},
        {"multi-line: the whole width", 2, 0, true, 400, 398, -1},
        {"own width", 3, 120, false, 400, 120, 120},
        {"negative own width", 2, -7, false, 400, 1, 1},
        {"the system's width", 3, -1, false, 400, 0, -1},
    };
    for (const Case& c : cases) {
        auto* t = AddTabs(c.Pages);
        t->SetMultiLine(c.MultiLine);
        t->SetCustomTabWidth(c.CustomTabWidth);
        t->SetBounds(10, 10, c.ControlWidth, 200);
        EXPECT_EQ(t->TabWidth(), c.TabWidth) << c.Name;
        if (c.ItemWidth >= 0) {
            EXPECT_EQ(Item(0).Width(), c.ItemWidth) << c.Name;
        }
        t->Free();
        sheets.clear();
    }
    auto* automatic = AddTabs(2);
    automatic->SetCustomTabWidth(-1);
    sheets[1]->SetCaption(L"O pagina cu un nume mult mai lung");
    EXPECT_GT(Item(1).Width(), Item(0).Width());  // each tab as wide as its caption
}

TEST_F(TabFixture, TabHeightsComeFromTheFaceAndTabHSize) {
    struct Case {
        int TipTab, TabHSize, Height;
    };
    const Case cases[] = {{0, 0, 28}, {0, 5, 16}, {0, 30, 30}, {0, -1, 1}, {1, 0, 31}, {1, 5, 19}, {2, 40, 40}};
    AddTabs(3);
    for (const Case& c : cases) {
        tabs->SetTipTab(c.TipTab);
        tabs->SetTabHSize(c.TabHSize);
        EXPECT_EQ(Item(0).Height(), c.Height) << c.TipTab << " " << c.TabHSize;
        EXPECT_EQ(tabs->TabHeight(), c.Height) << c.TipTab << " " << c.TabHSize;
    }
}

TEST_F(TabFixture, SharedWidthsFollowResizingAlsoBeforeTheFormShows) {
    const HWND window = AddTabs(4)->Handle();
    tabs->SetAlign(alClient);
    EXPECT_EQ(Item(2).Width(), form->ClientWidth() / 4 - 2);
    form->SetBounds(40, 40, 640, 300);
    EXPECT_EQ(Item(2).Width(), form->ClientWidth() / 4 - 2);
    EXPECT_GT(Item(2).Width(), 150);
    EXPECT_EQ(tabs->Handle(), window);  // new sizes, same window
    for (TZarvTabSheet2* sheet : sheets) EXPECT_EQ(sheet->BoundsRect(), tabs->DisplayRect());
}

// --------------------------------------------------------------- painting

TEST_F(TabFixture, TheFirstPaintBuildsTheFaceForTheParentAndLaterPaintsKeepIt) {
    AddTabs(3);
    EXPECT_EQ(tabs->BackgroundColor(), clRed);  // the placeholder
    Shot();
    EXPECT_EQ(tabs->Builds, 1);
    EXPECT_EQ(tabs->BackgroundColor(), ScreenColor);
    EXPECT_EQ(tabs->TabCtlFace().Pixel(0, 0), ScreenColor);
    // Every tab is drawn once, after the build: the first one active.
    EXPECT_EQ(tabs->Draws, (std::vector<TLoggingTabs::TDraw>{{0, true, false}, {1, false, false}, {2, false, false}}));
    Shot();
    EXPECT_EQ(tabs->Builds, 1);

    struct Change {
        const char* Name;
        std::function<void()> Make;
        int Builds;  // after the change and a paint
    };
    const Change changes[] = {
        {"shortcut colour", [&] { tabs->SetShortcutColor(clBlue); }, 1},
        {"width", [&] { tabs->SetCustomTabWidth(90); }, 1},
        {"the parent's colour", [&] { form->SetColor(clTeal); }, 2},
        {"TipTab", [&] { tabs->SetTipTab(2); }, 3},
        {"TabHSize", [&] { tabs->SetTabHSize(4); }, 4},
        {"a TipTab outside the themes' table", [&] { tabs->SetTipTab(15); }, 4},
    };
    for (const Change& c : changes) {
        c.Make();
        Shot();
        EXPECT_EQ(tabs->Builds, c.Builds) << c.Name;
    }
    EXPECT_EQ(tabs->TipTab(), 2);
    EXPECT_EQ(tabs->BackgroundColor(), clTeal);
}

TEST_F(TabFixture, TheParentsColourIsTheBackdropForPanelsFormsAndSheetsAndWhiteElsewhere) {
    struct Case {
        const char* Name;
        std::function<TWinControl*()> Parent;
        TColor Backdrop;
    };
    const Case cases[] = {
        {"form", [&]() -> TWinControl* { return form.get(); }, ScreenColor},
        {"panel",
         [&]() -> TWinControl* {
             auto* panel = Add<TPanel>(0, 0, 480, 260);
             panel->SetColor(clSilver);
             return panel;
         },
         clSilver},
        {"tab sheet",
         [&]() -> TWinControl* {
             auto* outer = Add<TZarvTabCtrl322>(0, 0, 480, 260);
             auto* sheet = new TZarvTabSheet2(form.get());
             sheet->SetPageControl(outer);
             sheet->SetColor(clCream);
             return sheet;
         },
         clCream},
        {"group box",
         [&]() -> TWinControl* {
             auto* group = Add<TGroupBox>(0, 0, 480, 260);
             group->SetColor(clSilver);
             return group;
         },
         clWhite},
    };
    for (const Case& c : cases) {
        AddTabs(2, c.Parent());
        const TBitmap shot = Shot();
        EXPECT_EQ(tabs->BackgroundColor(), c.Backdrop) << c.Name;
        const TRect second = Item(1);
        EXPECT_EQ(shot.Pixel(second.Left + 20, second.Top + 4), Drawn(c.Backdrop)) << c.Name;
        EXPECT_EQ(shot.Pixel(second.Left + 20, second.Bottom - 1), Darker(c.Backdrop, 3)) << c.Name;
    }
}

TEST_F(TabFixture, TabsAreCutFromTheFaceInSlicesOverThePageAreaInTheAccent) {
    AddTabs(4);
    sheets[2]->SetTabEnabled(false);
    tabs->SetPageIndex(1);
    const TBitmap shot = Shot();
    const TColor back = ScreenColor, line = Darker(ScreenColor, 3);
    const TRect active = Item(1), normal = Item(0), disabled = Item(2), last = Item(3);
    ASSERT_EQ(active.Width(), 98);
    ASSERT_EQ(active.Height(), 28);
    struct Probe {
        const char* Name;
        TPoint At;
        TColor Expected;
    };
    const Probe probes[] = {
        {"active: the left cap's corner", {active.Left, active.Bottom - 10}, back},
        {"active: the left cap's body", {active.Left + 1, active.Bottom - 10}, DefaultAccent},
        {"active: the right cap's body", {active.Right - 2, active.Bottom - 10}, DefaultAccent},
        {"active: the right cap's corner", {active.Right - 1, active.Bottom - 10}, back},
        {"active: the top line", {active.Left + 50, active.Top + 1}, line},
        {"active: open toward the page", {active.Left + 50, active.Bottom - 1}, DefaultAccent},
        {"normal: backdrop", {normal.Left + 50, normal.Bottom - 10}, back},
        {"normal: base line", {normal.Left + 50, normal.Bottom - 1}, line},
        {"base line beyond the tabs", {last.Right + 2, last.Bottom - 1}, line},
        {"page area under the tabs", {normal.Left + 5, normal.Bottom}, DefaultAccent},
        {"left of the page area", {1, normal.Bottom + 20}, back},
        {"page area's left edge", {2, normal.Bottom + 20}, DefaultAccent},
        {"page area's right edge", {399, normal.Bottom + 20}, DefaultAccent},
        {"page area's bottom edge", {200, 199}, DefaultAccent},
        {"the page itself", {200, 120}, DefaultAccent},
    };
    for (const Probe& p : probes) EXPECT_EQ(shot.Pixel(p.At.X, p.At.Y), p.Expected) << p.Name;
    EXPECT_EQ(sheets[1]->Color(), DefaultAccent);

    // Captions: the accelerator in the shortcut colour, except on the disabled tab.
    const auto inside = [&](const TRect& r, TColor color) {
        int count = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) count += shot.Pixel(x, y) == color;
        return count;
    };
    EXPECT_GT(inside(active, clRed), 0);
    EXPECT_GT(inside(normal, clRed), 0);
    EXPECT_EQ(inside(disabled, clRed), 0);
    EXPECT_GT(inside(disabled, Drawn(clInactiveCaptionText)), 0);
    EXPECT_EQ(inside(disabled, clBlack), 0);
}

TEST_F(TabFixture, TabsHigherOrLowerThanTheFaceShowItsLowestRows) {
    AddTabs(2);
    Shot();
    const TBitmap& face = tabs->TabCtlFace();
    for (const int size : {40, 5}) {
        tabs->SetTabHSize(size);
        const TBitmap shot = Shot();
        const TRect r = Item(0);
        const int rows = std::min(r.Height(), face.Height());
        for (int y = r.Top; y < r.Bottom - rows; ++y) EXPECT_EQ(shot.Pixel(r.Left + 50, y), ScreenColor) << size;
        for (int row = 0; row < rows; ++row)
            EXPECT_EQ(shot.Pixel(r.Left + 5, r.Bottom - rows + row), face.Pixel(240 + 5, face.Height() - rows + row))
                << size << " row " << row;
    }
}

TEST_F(TabFixture, MiddleColorShowsOnlyWhenTheFaceIsNextBuilt) {
    AddTabs(2);
    form->Show();
    Pump(50);
    tabs->SetMiddleColor(clAqua);
    EXPECT_FALSE(GetUpdateRect(tabs->Handle(), nullptr, FALSE));  // no repaint asked
    const auto accent = [&] { return Shot().Pixel(Item(0).Left + 5, Item(0).Bottom - 5); };
    EXPECT_EQ(accent(), DefaultAccent);
    tabs->SetTabHSize(2);  // any rebuild
    EXPECT_EQ(accent(), clAqua);
}

// ------------------------------------------------------------ page changes

TEST_F(TabFixture, ClicksChangeThePageUnlessOnTabChangeRefusesAndTheWayBackIsAskedAgain) {
    struct Case {
        const char* Name;
        int TabHSize;
        std::function<bool(TTabSheet*, TTabSheet*)> Refuse;
        int Clicked;
        Lines Asked;
        int Active;
    };
    const auto toP1 = [](TTabSheet*, TTabSheet* to) { return to && to->Caption() == L"&P1"; };
    const auto always = [](TTabSheet*, TTabSheet*) { return true; };
    const Case cases[] = {
        {"allowed", 0, {}, 2, {L"&P0>&P2"}, 2},
        {"refused, way back allowed", 0, toP1, 1, {L"&P0>&P1", L"&P1>&P0"}, 0},
        {"refused both ways", 0, always, 1, {L"&P0>&P1", L"&P1>&P0"}, 1},
        {"a disabled tab is selectable", 0, {}, 3, {L"&P0>&P3"}, 3},
        {"no tab row", -1, {}, 1, {}, 0},
    };
    form->Show();
    for (const Case& c : cases) {
        AddTabs(4);
        sheets[3]->SetTabEnabled(false);
        tabs->SetTabHSize(c.TabHSize);
        Ask(c.Refuse);
        asked.clear();
        Pump(50);
        ClickTab(c.Clicked);
        EXPECT_EQ(asked, c.Asked) << c.Name;
        EXPECT_EQ(tabs->PageIndex(), c.Active) << c.Name;
        EXPECT_EQ(tabs->TabIndex(), c.Active) << c.Name;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(IsWindowVisible(sheets[i]->Handle()) != FALSE, i == c.Active) << c.Name << i;
        tabs->Free();
        sheets.clear();
    }
}

TEST_F(TabFixture, ProgramChangesAreAskedTooAndARefusalChangesNothing) {
    AddTabs(3);
    auto* other = new TZarvTabCtrl322(form.get());
    auto* stranger = new TZarvTabSheet2(form.get());
    stranger->SetPageControl(other);
    Ask([](TTabSheet*, TTabSheet* to) { return to && to->Caption() == L"&P2"; });
    struct Step {
        const char* Name;
        std::function<void()> Change;
        Lines Asked;
        int Active;
    };
    const Step steps[] = {
        {"PageIndex", [&] { tabs->SetPageIndex(1); }, {L"&P0>&P1"}, 1},
        {"PageIndex of the active page", [&] { tabs->SetPageIndex(1); }, {L"&P1>&P1"}, 1},
        {"refused PageIndex", [&] { tabs->SetPageIndex(2); }, {L"&P1>&P2"}, 1},
        {"PageIndex out of range", [&] { tabs->SetPageIndex(3); }, {}, 1},
        {"negative PageIndex", [&] { tabs->SetPageIndex(-1); }, {}, 1},
        {"ActivePage", [&] { tabs->SetActivePage(sheets[0]); }, {L"&P1>&P0"}, 0},
        {"a page of another control", [&] { tabs->SetActivePage(stranger); }, {}, 0},
        {"TabIndex", [&] { tabs->SetTabIndex(1); }, {L"&P0>&P1"}, 1},
        {"refused TabIndex", [&] { tabs->SetTabIndex(2); }, {L"&P1>&P2"}, 1},
    };
    for (const Step& s : steps) {
        asked.clear();
        s.Change();
        EXPECT_EQ(asked, s.Asked) << s.Name;
        EXPECT_EQ(tabs->PageIndex(), s.Active) << s.Name;
        EXPECT_EQ(tabs->TabIndex(), s.Active) << s.Name;
    }
}

TEST_F(TabFixture, PageIndexInsideTheQuestionOfAPageIndexChangeIsIgnored) {
    AddTabs(3);
    tabs->OnTabChange = [&](TObject*, TTabSheet*, TTabSheet*, bool&) {
        asked.push_back(L"asked");
        tabs->SetPageIndex(2);
    };
    tabs->SetPageIndex(1);
    EXPECT_EQ(tabs->PageIndex(), 1);
    EXPECT_EQ(asked, (Lines{L"asked"}));

    tabs->OnTabChange = [&](TObject*, TTabSheet*, TTabSheet*, bool&) { throw Exception(L"Nu acum"); };
    EXPECT_THROW(tabs->SetPageIndex(0), Exception);
    tabs->OnTabChange = nullptr;
    tabs->SetPageIndex(2);  // the failed change left nothing behind
    EXPECT_EQ(tabs->PageIndex(), 2);
}

TEST_F(TabFixture, WithoutATabRowTheProgramStillChangesThePageAndNothingOfTheControlsOwnIsDrawn) {
    AddTabs(3);
    tabs->SetTabHSize(-1);
    const TBitmap shot = Shot();
    EXPECT_TRUE(tabs->Draws.empty());
    EXPECT_EQ(tabs->Builds, 1);  // from the setter, not from painting
    EXPECT_EQ(InkWhere(shot, [](TColor c) { return c != ScreenColor && c != Drawn(clWindow); }), TRect{});
    tabs->SetPageIndex(2);
    EXPECT_EQ(tabs->ActivePage(), sheets[2]);
    tabs->SetActivePage(sheets[1]);
    EXPECT_EQ(tabs->ActivePage(), sheets[1]);
}

// --------------------------------------------------------------- hot tab

TEST_F(TabFixture, TheMouseMakesOneTabHotRedrawingOnlyTheTwoTabsConcerned) {
    AddTabs(3);
    form->Show();
    Pump(100);
    tabs->Draws.clear();
    const TRect first = Item(0), third = Item(2);
    const auto onScreen = [&](TPoint client) {
        const TScreenDC screen;
        const TPoint p = ScreenPoint(client);
        return RGBToColor(GetPixel(screen.Get(), p.X, p.Y));
    };
    using D = TLoggingTabs::TDraw;
    struct Step {
        const char* Name;
        TPoint To;
        std::vector<D> Draws;
        int Hot;
    };
    const Step steps[] = {
        {"over the active tab", {first.Left + 40, first.Top + 10}, {{0, true, true}}, 0},
        {"to the third tab", {third.Left + 40, third.Top + 10}, {{0, true, false}, {2, false, true}}, 2},
        {"along the same tab", {third.Left + 60, third.Top + 12}, {}, 2},
        {"off the tabs, over the control", {third.Right + 2, third.Top + 10}, {}, 2},
        {"out of the control", {-5, 250}, {{2, false, false}}, -1},
    };
    for (const Step& s : steps) {
        tabs->Draws.clear();
        MoveMouse(s.To);
        EXPECT_EQ(tabs->Draws, s.Draws) << s.Name;
        EXPECT_EQ(tabs->LastFocused(), s.Hot) << s.Name;
    }
    MoveMouse({third.Left + 40, third.Top + 10});
    EXPECT_EQ(onScreen({third.Left + 5, third.Bottom - 5}), Darker(ScreenColor, 10));
    EXPECT_EQ(onScreen({first.Left + 5, first.Bottom - 5}), DefaultAccent);
}

TEST_F(TabFixture, PaintingRebuildingAndHotTabsHoldOnToNoGdiObjects) {
    AddTabs(3);
    sheets[1]->SetTabEnabled(false);
    tabs->SetTipTab(1);
    const TRect second = Item(1), third = Item(2);
    const auto round = [&](int i) {
        form->SetColor(i % 2 ? clTeal : ScreenColor);  // a new face at each paint
        Shot();
        for (const TRect& r : {second, third})
            tabs->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(r.Left + 10, r.Top + 10));
        tabs->Perform(CM_MOUSELEAVE);
    };
    round(0);
    const int before = LiveGdiObjects();
    ASSERT_GT(before, 0);
    for (int i = 1; i <= 40; ++i) round(i);
    EXPECT_LE(LiveGdiObjects(), before + 2);
    EXPECT_EQ(tabs->Builds, 1 + 41);  // the TipTab, then one per paint
}

// ----------------------------------------------------------------- sheets

TEST_F(TabFixture, SheetsKeepMenuIndicesInRangeAndReportTheirFirstPanelsColour) {
    AddTabs(1);
    TZarvTabSheet2& sheet = *sheets[0];
    EXPECT_EQ(sheet.MenuTabIndex(), -1);
    EXPECT_TRUE(sheet.TabEnabled());
    struct Case {
        int Value, Stored;
    };
    for (const Case c : {Case{3, 3}, {7, 3}, {-2, 3}, {0, 0}, {6, 6}, {-1, 6}}) {
        sheet.SetMenuTabIndex(c.Value);
        EXPECT_EQ(sheet.MenuTabIndex(), c.Stored) << c.Value;
    }

    EXPECT_EQ(sheet.PanelColor(), static_cast<TColor>(0x00FF00));
    auto* label = new TLabel(form.get());
    label->SetParent(&sheet);
    EXPECT_EQ(sheet.PanelColor(), static_cast<TColor>(0x00FF00));
    for (const TColor color : {clTeal, clMaroon}) {
        auto* panel = new TPanel(form.get());
        panel->SetParent(&sheet);
        panel->SetColor(color);
    }
    EXPECT_EQ(sheet.PanelColor(), clTeal);
}

// ------------------------------------------------------------ definitions

TEST_F(TabFixture, FormDefinitionsBuildTabControlsWithTheirSheets) {
    TForm f(nullptr);
    Lines events;
    f.RegisterHandler(L"TabChange", TTabChangeEvent([&](TObject*, TTabSheet*, TTabSheet* to, bool&) {
                          events.push_back(Name(to));
                      }));
    LoadFormDefinitionText(f, LR"(TForm F {
  TZarvTabCtrl322 Tabs {
    Width = 400
    PageIndex = 1
    TipTab = 2
    TabHSize = 5
    TabWSize = 9
    CustomTabWidth = 120
    ShortcutColor = clBlue
    MiddleColor = clCream
    DarkColor = clGray
    DarkColorUse = true
    TitleFont.Name = "Arial"
    TitleFont.Height = -13
    TitleFont.Style = [fsBold]
    TitleFont.Color = clNavy
    FaraAddWiz = true
    OnTabChange = TabChange
    TZarvTabSheet2 First {
      Caption = "&Unu"
    }
    TZarvTabSheet2 Second {
      Caption = "&Doi"
      TabEnabled = false
      MenuTabIndex = 4
      Color = clSilver
    }
  }
})", L"TTabs");
    auto* t = dynamic_cast<TZarvTabCtrl322*>(f.FindComponent(L"Tabs"));
    auto* second = dynamic_cast<TZarvTabSheet2*>(f.FindComponent(L"Second"));
    ASSERT_NE(t, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(t->PageCount(), 2);
    EXPECT_EQ(t->ActivePage(), second);
    EXPECT_EQ(t->TipTab(), 2);
    EXPECT_EQ(t->TabHSize(), 5);
    EXPECT_EQ(t->TabWSize(), 9);
    EXPECT_EQ(t->CustomTabWidth(), 120);
    EXPECT_EQ(t->TabWidth(), 120);
    EXPECT_EQ(t->ShortcutColor(), clBlue);
    EXPECT_EQ(t->MiddleColor(), clCream);
    EXPECT_EQ(t->DarkColor(), clGray);
    EXPECT_TRUE(t->DarkColorUse());
    EXPECT_EQ(t->TitleFont().Name(), L"Arial");
    EXPECT_EQ(t->TitleFont().Height(), -13);
    EXPECT_EQ(t->TitleFont().Style(), TFontStyles(fsBold));
    EXPECT_EQ(t->TitleFont().Color(), clNavy);
    EXPECT_TRUE(t->FaraAddWiz);
    EXPECT_FALSE(second->TabEnabled());
    EXPECT_EQ(second->MenuTabIndex(), 4);
    EXPECT_EQ(second->Color(), clSilver);
    EXPECT_EQ(events, (Lines{L"&Doi"}));  // the definition's PageIndex, once the pages exist
}

}  // namespace
