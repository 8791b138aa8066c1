// Check boxes, radio buttons and radio groups: states and their pictures,
// focused captions, accelerators, exclusivity, the column arrangement and
// the owner's veto.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/controls/active_test_support.h"
#include "ui/base/image_container.h"
#include "ui/controls/check_box.h"
#include "ui/controls/radio_group.h"
#include "ui/platform/ext_controls.h"

namespace {

using Lines = std::vector<std::wstring>;

const TColor Background = static_cast<TColor>(0xB1A598);

// The height of "Wg" in a font, by which the boxes are centred.
int TextHeightOf(const TFont& font) {
    TBitmap scratch(1, 1);
    scratch.Canvas().Font().Assign(font);
    return scratch.Canvas().TextHeight(L"Wg");
}

// True when the picture shows `cell` of the strip at `at`, with the
// background where the strip has its see-through colour.
bool ShowsCell(const TBitmap& painted, TPoint at, const TBitmap& strip, int cells, int cell) {
    const int w = strip.Width() / cells, h = strip.Height();
    const TColor key = strip.Pixel(0, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const TColor source = strip.Pixel(cell * w + x, y);
            if (painted.Pixel(at.X + x, at.Y + y) != (source == key ? Background : source)) return false;
        }
    return true;
}

TEST_F(ActiveFixture, ClicksCycleTheCheckBoxAndAllowGrayedAddsTheGrayedStep) {
    struct Case {
        bool AllowGrayed;
        std::vector<TCheckBoxState> States;  // after each click
    };
    const Case cases[] = {{false, {cbChecked, cbUnchecked, cbChecked}}, {true, {cbGrayed, cbChecked, cbUnchecked}}};
    ShowForm();
    for (const Case& c : cases) {
        auto* box = Add<TActiveCheckBox>(20, 20, 120, 17);
        box->SetCaption(L"Bifa");
        box->SetAllowGrayed(c.AllowGrayed);
        int clicks = 0;
        box->OnClick = [&](TObject*) { ++clicks; };
        for (std::size_t i = 0; i < c.States.size(); ++i) {
            Click(*box);
            EXPECT_EQ(box->State(), c.States[i]) << c.AllowGrayed << " click " << i;
        }
        EXPECT_EQ(clicks, 3);
        box->SetChecked(true);
        EXPECT_EQ(box->State(), cbChecked);
        box->SetChecked(false);
        EXPECT_EQ(box->State(), cbUnchecked);
        box->Free();
    }
}

TEST_F(ActiveFixture, TheCheckBoxShowsTheCellOfItsStateWhereItsAlignmentPutsIt) {
    const TBitmap& check = ContainerPicture(L"Check");
    ASSERT_EQ(check.Width(), 66);
    ASSERT_EQ(check.Height(), 15);
    struct Case {
        TCheckBoxState State;
        TLeftRight Alignment;
        int Width, FontHeight;
        int Cell;
        TPoint Box;
    };
    const Case cases[] = {
        {cbChecked, taRightJustify, 97, -11, 0, {0, 0}},
        {cbUnchecked, taRightJustify, 97, -11, 1, {0, 0}},
        {cbGrayed, taRightJustify, 97, -11, 2, {0, 0}},
        {cbChecked, taLeftJustify, 97, -11, 0, {75, 0}},
        {cbChecked, taLeftJustify, 22, -11, 0, {0, 0}},   // a caption-less tick: one whole cell
        {cbChecked, taRightJustify, 97, -24, 0, {0, -1}},  // a taller text: the box goes down
    };
    for (Case c : cases) {
        auto* box = Add<TActiveCheckBox>(10, 10, c.Width, 40);
        box->SetColor(Background);
        box->Font().SetHeight(c.FontHeight);
        if (c.Box.Y < 0) {
            c.Box.Y = (TextHeightOf(box->Font()) - check.Height()) / 2;
            ASSERT_GT(c.Box.Y, 0);
        }
        box->SetAlignment(c.Alignment);
        box->SetState(c.State);
        const TBitmap painted = PaintItem(*box);
        EXPECT_TRUE(ShowsCell(painted, c.Box, check, 3, c.Cell)) << c.State << " " << c.Alignment << " " << c.Width;
        box->Free();
    }
    auto* tick = Add<TActiveCheckBox>(10, 10, 22, 15);
    tick->SetColor(Background);
    tick->SetAlignment(taLeftJustify);
    tick->SetState(cbGrayed);
    const TBitmap painted = PaintItem(*tick);
    EXPECT_TRUE(ShowsCell(painted, {0, 0}, check, 3, 2));  // and nothing else: the cell covers it all

    tick->SetGlyph(SolidStrip(10, 8, {clBlue, clLime, clRed}));
    tick->SetCustomGlyph(true);
    const int down = (TextHeightOf(tick->Font()) - 8) / 2;  // a box lower than the text is centred on it
    EXPECT_EQ(InkOf(PaintItem(*tick), clRed), (TRect{12, down, 22, down + 8}));  // its own strip, the grayed cell
}

bool IsRedInk(TColor c) { return c == clRed; }
bool IsInk(TColor c) { return c != Background; }

TEST_F(ActiveFixture, TheFocusedCaptionIsRedWithItsAcceleratorUnderlined) {
    struct Case {
        const char* Name;
        std::function<TWinControl*()> Make;
        int PictureWidth;  // the caption starts to its right
    };
    const Case cases[] = {
        {"check box", [this] { return Add<TActiveCheckBox>(10, 10, 120, 17); }, 22},
        {"radio button", [this] { return Add<TMRadioButton>(10, 10, 120, 17); }, 11},
    };
    for (const Case& c : cases) {
        TWinControl* control = c.Make();
        control->SetColor(Background);
        control->Font().SetColor(clBlack);
        control->SetCaption(L"&LOCAL");
        const TRect box{0, 0, c.PictureWidth, control->Height()};
        const auto caption = [&](const TBitmap& p) {
            TBitmap part(p.Width() - box.Right, p.Height());
            part.Canvas().CopyRect({0, 0, part.Width(), part.Height()}, p, {box.Right, 0, p.Width(), p.Height()});
            return part;
        };
        const TBitmap focused = caption(PaintItem(*control, ODS_FOCUS, Background));
        const TBitmap plain = caption(PaintItem(*control, 0, Background));
        EXPECT_EQ(CountOf(focused, clBlack), 0) << c.Name;
        EXPECT_GT(CountOf(focused, clRed), CountOf(plain, clRed)) << c.Name;
        EXPECT_GT(CountOf(plain, clBlack), 0) << c.Name << ": the rest in the font's colour";
        EXPECT_GT(InkWhere(focused, IsRedInk).Bottom, InkWhere(plain, IsInk).Bottom) << c.Name << ": underlined";
        control->SetEnabled(false);
        const TBitmap disabled = caption(PaintItem(*control, 0, Background));
        EXPECT_EQ(CountOf(disabled, clRed), 0) << c.Name;
        EXPECT_GT(CountOf(disabled, Drawn(clGrayText)), 0) << c.Name;
        control->Free();
    }
}

TEST_F(ActiveFixture, AcceleratorsFocusTheCheckBoxWhichTogglesAndTheRadioButtonWhichDoesNot) {
    auto* box = Add<TActiveCheckBox>(10, 10, 120, 17);
    box->SetCaption(L"&Bifa");
    auto* radio = Add<TMRadioButton>(10, 40, 120, 17);
    radio->SetCaption(L"&Server");
    auto* other = Add<TEdit>(10, 80, 100, 21);
    ShowForm();
    other->SetFocus();
    Alt(L'B');
    EXPECT_TRUE(box->Focused());
    EXPECT_EQ(box->State(), cbChecked);
    Alt(L'B');
    EXPECT_EQ(box->State(), cbUnchecked);
    Alt(L'S');
    EXPECT_TRUE(radio->Focused());
    EXPECT_FALSE(radio->Checked());
}

TEST_F(ActiveFixture, CheckingARadioButtonUnchecksItsSiblingsAndOnlyThem) {
    std::vector<TMRadioButton*> radios;
    for (int i = 0; i < 3; ++i) radios.push_back(Add<TMRadioButton>(10, 10 + 25 * i, 120, 17));
    auto* panel = Add<TPanel>(200, 10, 150, 60);
    auto* elsewhere = new TMRadioButton(form.get());
    elsewhere->SetParent(panel);
    elsewhere->SetBounds(5, 5, 120, 17);
    elsewhere->SetChecked(true);
    int clicks = 0;
    for (TMRadioButton* r : radios) r->OnClick = [&](TObject*) { ++clicks; };
    radios[0]->SetChecked(true);
    EXPECT_TRUE(radios[0]->TabStop());
    ShowForm();
    Click(*radios[2]);
    EXPECT_TRUE(radios[2]->Checked());
    EXPECT_FALSE(radios[0]->Checked());
    EXPECT_FALSE(radios[0]->TabStop());
    EXPECT_TRUE(radios[2]->TabStop());
    EXPECT_TRUE(elsewhere->Checked());
    radios[2]->SetChecked(false);  // unchecking fires nothing
    EXPECT_EQ(clicks, 2);
}

struct RadioGroupFixture : ActiveFixture {
    TMRadioGroup* group = nullptr;
    void SetUp() override {
        ActiveFixture::SetUp();
        group = Add<TMRadioGroup>(20, 20, 200, 100);
        group->Items().Assign(Lines{L"&LOCAL", L"&SERVER", L"CLIEN&T"});
    }
};

TEST_F(RadioGroupFixture, ItemIndexAndColumnsAreClampedAndItemsRebuildTheButtons) {
    struct Case {
        int Set, Expected;
    };
    for (const Case c : {Case{1, 1}, Case{5, 2}, Case{-7, -1}, Case{0, 0}}) {
        group->SetItemIndex(c.Set);
        EXPECT_EQ(group->ItemIndex(), c.Expected) << c.Set;
        for (int i = 0; i < group->ButtonCount(); ++i) EXPECT_EQ(group->Buttons(i)->Checked(), i == c.Expected) << c.Set;
    }
    for (const Case c : {Case{0, 1}, Case{20, 16}, Case{-3, 1}, Case{2, 2}}) {
        group->SetColumns(c.Set);
        EXPECT_EQ(group->Columns(), c.Expected) << c.Set;
    }
    group->SetItemIndex(2);
    group->Items().Assign(Lines{L"Unu", L"Doi"});
    ASSERT_EQ(group->ButtonCount(), 2);
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_TRUE(group->Buttons(1)->Checked());
    EXPECT_EQ(group->Buttons(0)->Caption(), L"Unu");
    group->Items().Clear();
    EXPECT_EQ(group->ButtonCount(), 0);
    EXPECT_EQ(group->ItemIndex(), -1);
    group->Items().Add(L"Trei");
    EXPECT_EQ(group->ButtonCount(), 1);
    EXPECT_FALSE(group->Buttons(0)->Checked());
}

TEST_F(RadioGroupFixture, ButtonsRunDownTheFirstColumnThenTheNext) {
    struct Case {
        int Columns;
        Lines Items;
        std::vector<TRect> Bounds;
    };
    // 200 x 100, font height 11: three rows of 100 / 3 = 33 are spread to
    // 33 + (33 - 11) / 2 = 44.
    const Case cases[] = {
        {2, {L"1", L"2", L"3", L"4", L"5"},
         {{0, 0, 100, 44}, {0, 44, 100, 88}, {0, 88, 100, 132}, {100, 0, 200, 44}, {100, 44, 200, 88}}},
        {1, {L"1", L"2", L"3"}, {{0, 0, 200, 44}, {0, 44, 200, 88}, {0, 88, 200, 132}}},
        {3, {L"1", L"2", L"3"}, {{0, 0, 66, 100}, {66, 0, 132, 100}, {132, 0, 198, 100}}},
    };
    ASSERT_EQ(group->Font().Height(), -11);
    for (const Case& c : cases) {
        group->SetColumns(c.Columns);
        group->Items().Assign(c.Items);
        ASSERT_EQ(group->ButtonCount(), static_cast<int>(c.Bounds.size()));
        for (int i = 0; i < group->ButtonCount(); ++i) {
            EXPECT_EQ(group->Buttons(i)->BoundsRect(), c.Bounds[static_cast<std::size_t>(i)]) << c.Columns << " " << i;
            EXPECT_TRUE(group->Buttons(i)->Visible());
        }
    }
}

TEST_F(RadioGroupFixture, OnModifyVetoesRealClicksAndTheSpaceBar) {
    struct Case {
        bool Allow;
        bool BySpace;
    };
    auto* other = Add<TEdit>(20, 200, 100, 21);
    ShowForm();
    for (const Case c : {Case{false, false}, Case{false, true}, Case{true, false}, Case{true, true}}) {
        group->SetItemIndex(0);
        int asked = 0, clicks = 0;
        group->OnModify = [&](TObject*, bool& canModify) {
            ++asked;
            canModify = c.Allow;
        };
        group->OnClick = [&](TObject*) { ++clicks; };
        TMGroupButton* target = group->Buttons(2);
        if (c.BySpace) {
            target->SetFocus();
            ASSERT_TRUE(PumpUntil([&] { return target->Focused(); }));
            Keys({VK_SPACE});
        } else {
            ClickAt(*target, {5, 5});  // on the circle: the spread rows reach below the group
        }
        const std::string name = std::string(c.Allow ? "allowed" : "vetoed") + (c.BySpace ? " space" : " click");
        EXPECT_GT(asked, 0) << name;
        EXPECT_EQ(group->ItemIndex(), c.Allow ? 2 : 0) << name;
        EXPECT_EQ(target->Checked(), c.Allow) << name;
        EXPECT_EQ(clicks, c.Allow ? 1 : 0) << name;
        group->OnModify = nullptr;
        group->OnClick = nullptr;
        other->SetFocus();
    }
}

TEST_F(RadioGroupFixture, HomeEndAndThePageKeysMoveTheSelectionAndTheFocus) {
    ShowForm();
    group->SetItemIndex(1);
    group->Buttons(1)->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return group->Buttons(1)->Focused(); }));
    struct Case {
        WORD Key;
        int Expected;
    };
    for (const Case c : {Case{VK_END, 2}, Case{VK_NEXT, 2}, Case{VK_HOME, 0}, Case{VK_PRIOR, 0}, Case{VK_NEXT, 1}}) {
        Keys({c.Key});
        EXPECT_EQ(group->ItemIndex(), c.Expected) << c.Key;
        EXPECT_TRUE(group->Buttons(c.Expected)->Focused()) << c.Key;
    }
}

TEST_F(RadioGroupFixture, TheControlsStartAtTheirSizesWithoutDoubleClicksAndFollowTheGroup) {
    auto* box = Add<TActiveCheckBox>(0, 0, 0, 0);
    auto* radio = new TMRadioButton(form.get());
    radio->SetParent(form.get());
    EXPECT_EQ(TSize(TActiveCheckBox(nullptr).Width(), TActiveCheckBox(nullptr).Height()), TSize(97, 17));
    EXPECT_EQ(TSize(radio->Width(), radio->Height()), TSize(113, 17));
    for (TWinControl* c : std::initializer_list<TWinControl*>{box, radio, group, group->Buttons(0)})
        EXPECT_EQ(GetClassLongW(c->Handle(), GCL_STYLE) & CS_DBLCLKS, 0u) << WideToUtf8(c->ClassName());
    EXPECT_FALSE(radio->TabStop());
    EXPECT_TRUE(box->TabStop());
    group->SetEnabled(false);
    for (int i = 0; i < group->ButtonCount(); ++i) EXPECT_FALSE(group->Buttons(i)->Enabled());
    group->SetEnabled(true);
    EXPECT_TRUE(group->Buttons(2)->Enabled());
}

}  // namespace
