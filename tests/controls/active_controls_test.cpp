// The active family: the label's look, keys and clicks, the label highlight
// of edits, memos and combo boxes, the edit's aligned text and flat border,
// the combo box's own button and its completion.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/controls/active_test_support.h"
#include "ui/base/named_colors.h"
#include "ui/controls/active_combo.h"
#include "ui/controls/active_edit.h"
#include "ui/controls/active_memo.h"

namespace {

// A label painted alone on a bitmap of its size.
TBitmap PaintLabel(TActiveLabel& label) {
    TBitmap picture(label.Width(), label.Height());
    label.PaintTo(picture.Canvas().Handle(), 0, 0);
    return picture;
}

struct LabelLook : ActiveFixture {
    TActiveLabel* label = nullptr;
    void SetUp() override {
        ActiveFixture::SetUp();
        label = new TActiveLabel(form.get());
        label->SetParent(form.get());
        label->SetBounds(10, 10, 200, 20);
        label->SetColor(clWhite);
        label->Font().SetColor(clBlack);
    }
};

TEST_F(LabelLook, TheAcceleratorIsRedAndADisabledCaptionIsEngraved) {
    struct Case {
        const char* Name;
        const wchar_t* Caption;
        bool Enabled, ShowAccelChar;
        bool Red, Black, Grey, White;  // ink of each colour present
    };
    const Case cases[] = {
        {"accelerator", L"&Cale:", true, true, true, true, false, false},
        {"plain caption", L"Cale:", true, true, false, true, false, false},
        {"accelerators not shown", L"&Cale:", true, false, false, true, false, false},
        {"disabled", L"&Cale:", false, true, false, false, true, true},
        {"lone ampersand", L"&", true, true, false, false, false, false},
        {"empty", L"", true, true, false, false, false, false},
    };
    for (const Case& c : cases) {
        label->SetCaption(c.Caption);
        label->SetEnabled(c.Enabled);
        label->SetShowAccelChar(c.ShowAccelChar);
        const TBitmap picture = PaintLabel(*label);
        EXPECT_EQ(CountOf(picture, clRed) > 0, c.Red) << c.Name;
        EXPECT_EQ(CountOf(picture, clBlack) > 0, c.Black) << c.Name;
        EXPECT_EQ(CountOf(picture, clGray) > 0, c.Grey) << c.Name;
        if (!c.Enabled) {
            // The white copy lies one pixel below and right of the grey one.
            const TRect grey = InkOf(picture, clGray);
            label->SetColor(clBlack);
            const TRect white = InkOf(PaintLabel(*label), clWhite);
            label->SetColor(clWhite);
            EXPECT_EQ(white.Offset(-1, -1).Left, grey.Left) << c.Name;
            EXPECT_EQ(white.Offset(-1, -1).Top, grey.Top) << c.Name;
        }
    }
}

TEST_F(LabelLook, NoMoreThan255CharactersOfTheCaptionAreDrawn) {
    label->SetBounds(0, 0, 4000, 20);
    const std::wstring dots(255, L'.');
    const auto paintOf = [&](const std::wstring& caption) {
        label->SetCaption(caption);
        return PaintLabel(*label);
    };
    const TBitmap cut = paintOf(dots);
    EXPECT_TRUE(SamePixels(paintOf(dots + L"WWWW"), cut));
    EXPECT_FALSE(SamePixels(paintOf(dots.substr(1) + L"W"), cut));  // the 255th character is drawn
}

// A shown form with a label, its control and a second control that has
// the focus first.
struct LabelledControls : ActiveFixture {
    TActiveLabel* label = nullptr;
    TEdit* other = nullptr;
    void SetUp() override {
        ActiveFixture::SetUp();
        label = new TActiveLabel(form.get());
        label->SetParent(form.get());
        label->SetBounds(10, 12, 60, 16);
        label->SetCaption(L"&Cale:");
        label->Font().SetColor(clBlack);
        label->Font().SetStyle(fsItalic);
        other = Add<TEdit>(80, 200, 150, 21);
        other->SetTabOrder(0);
    }
    // The three kinds of labelled control, each linked to the label.
    TWinControl* AddLabelled(int kind) {
        switch (kind) {
        case 0: {
            auto* edit = Add<TActiveEdit>(80, 10, 150, 21);
            edit->SetAssocLabel(label);
            return edit;
        }
        case 1: {
            auto* memo = Add<TActiveMemo>(80, 10, 150, 60);
            memo->SetAssocLabel(label);
            return memo;
        }
        default: {
            auto* combo = Add<TActiveCombo>(80, 10, 150, 21);
            combo->Items().Add(L"Unu");
            combo->SetAssocLabel(label);
            return combo;
        }
        }
    }
    void FocusOther() {
        other->SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return other->Focused(); }));
    }
};

const char* const KindNames[] = {"edit", "memo", "combo"};

TEST_F(LabelledControls, AClickOnTheLabelOrItsAcceleratorFocusesTheControl) {
    for (int kind = 0; kind < 3; ++kind) {
        TWinControl* control = AddLabelled(kind);
        ASSERT_EQ(label->FocusControl(), control);
        ShowForm();
        int clicks = 0;
        label->OnClick = [&](TObject*) { ++clicks; };
        FocusOther();
        Click(*label);
        EXPECT_TRUE(PumpUntil([&] { return HoldsFocus(*control); }, 1000)) << KindNames[kind] << " by click";
        EXPECT_EQ(clicks, 1) << KindNames[kind];
        FocusOther();
        Alt(L'C');
        EXPECT_TRUE(PumpUntil([&] { return HoldsFocus(*control); }, 1000)) << KindNames[kind] << " by Alt+C";
        EXPECT_EQ(clicks, 2) << KindNames[kind];  // the accelerator clicks the label
        FocusOther();
        label->SetEnabled(false);
        Alt(L'C');
        EXPECT_TRUE(other->Focused()) << KindNames[kind] << " disabled label";
        label->SetEnabled(true);
        control->Free();
    }
}

TEST_F(LabelledControls, TheLabelTakesTheHighlightWhileTheControlHasTheFocus) {
    for (int kind = 0; kind < 3; ++kind) {
        TWinControl* control = AddLabelled(kind);
        ShowForm();
        FocusOther();
        control->SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return HoldsFocus(*control); })) << KindNames[kind];
        EXPECT_EQ(label->Font().Color(), clHighlightText) << KindNames[kind];
        EXPECT_GT(CountOf(PaintLabel(*label), Drawn(clHighlightText)), 0) << KindNames[kind];
        EXPECT_EQ(label->Font().Style(), TFontStyles(fsItalic)) << KindNames[kind];
        FocusOther();
        EXPECT_EQ(label->Font().Color(), clBlack) << KindNames[kind];
        EXPECT_EQ(label->Font().Style(), TFontStyles(fsItalic)) << KindNames[kind];
        control->Free();
    }
}

TEST_F(LabelledControls, ALabelFreedUnderItsControlIsForgotten) {
    auto* edit = static_cast<TActiveEdit*>(AddLabelled(0));
    auto* memo = Add<TActiveMemo>(80, 40, 150, 40);
    memo->SetAssocLabel(label);  // now the memo's label; the edit keeps naming it
    EXPECT_EQ(edit->AssocLabel(), label);
    ShowForm();
    label->Free();
    EXPECT_EQ(edit->AssocLabel(), nullptr);
    EXPECT_EQ(memo->AssocLabel(), nullptr);
    edit->SetFocus();
    memo->SetFocus();
    FocusOther();
    EXPECT_TRUE(other->Focused());
}

}  // namespace

namespace {

// Where the client area of a control's window begins.
TPoint ClientOffset(TWinControl& control) {
    RECT frame;
    GetWindowRect(control.Handle(), &frame);
    const TPoint origin = control.ClientOrigin();
    return {origin.X - frame.left, origin.Y - frame.top};
}

const TColor Border = clMaroon, FocusedBorder = clTeal;

struct EditLook : ActiveFixture {
    TActiveEdit* edit = nullptr;
    TEdit* other = nullptr;
    void SetUp() override {
        ActiveFixture::SetUp();
        edit = Add<TActiveEdit>(20, 20, 160, 24);
        edit->SetColor(clGrid);
        edit->Font().SetColor(clBlack);
        edit->SetBorderColor(Border);
        edit->SetBorderColorF(FocusedBorder);
        other = Add<TEdit>(20, 200, 100, 21);
    }
    void MakeFlat(TBevelCut bevel = bvNone) {
        edit->SetFlatStyle(true);
        edit->SetBevelOuter(bevel);
    }
    void FocusEdit() {
        edit->SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return edit->Focused(); }));
        Pump(100);
    }
    void FocusOther() {
        other->SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return other->Focused(); }));
        Pump(100);
    }
    // What the client area shows besides the edit's colour (text, selection,
    // caret), in window coordinates.
    TRect TextInk(const TBitmap& picture) {
        const TPoint o = ClientOffset(*edit);
        const TRect client = edit->ClientRect().Offset(o.X, o.Y);
        const TColor background = Drawn(edit->Color());
        TBitmap inside(client.Width(), client.Height());
        inside.Canvas().CopyRect({0, 0, client.Width(), client.Height()}, picture, client);
        return InkWhere(inside, [background](TColor c) { return c != background; }).Offset(client.Left, client.Top);
    }
};

TEST_F(EditLook, TheFlatBorderHasItsColourOutsideAndTheEditsColourInside) {
    struct Case {
        const char* Name;
        std::function<void(EditLook&)> SetUp;
        TColor TopLeft, BottomRight, InnerTopLeft, InnerBottom;
    };
    const Case cases[] = {
        {"flat", [](EditLook& t) { t.MakeFlat(); }, Border, Border, clGrid, clGrid},
        {"raised ring", [](EditLook& t) { t.MakeFlat(bvRaised); }, Drawn(clBtnHighlight), Drawn(clBtnShadow), clGrid, clGrid},
        {"lowered ring", [](EditLook& t) { t.MakeFlat(bvLowered); }, Drawn(clBtnShadow), Drawn(clBtnHighlight), clGrid, clGrid},
        {"space ring", [](EditLook& t) { t.MakeFlat(bvSpace); }, Drawn(clBtnShadow), Drawn(clBtnHighlight), clGrid, clGrid},
        // The system's sunken edge shows where the flat border is off.
        {"3-D, not flat", [](EditLook&) {}, Drawn(clBtnShadow), Drawn(clBtnHighlight), Drawn(cl3DDkShadow), Drawn(cl3DLight)},
    };
    ShowForm();
    FocusOther();
    for (const Case& c : cases) {
        c.SetUp(*this);
        Pump(100);
        const int w = edit->Width(), h = edit->Height();
        for (const TBitmap& picture : {Painted(*edit), Shown(*edit)}) {
            EXPECT_EQ(picture.Pixel(0, 0), c.TopLeft) << c.Name;
            EXPECT_EQ(picture.Pixel(w - 1, h - 1), c.BottomRight) << c.Name;
            EXPECT_EQ(picture.Pixel(1, 1), c.InnerTopLeft) << c.Name;
            EXPECT_EQ(picture.Pixel(w / 2, h - 2), c.InnerBottom) << c.Name;
        }
        edit->SetFlatStyle(false);
        edit->SetBevelOuter(bvNone);
    }
}

TEST_F(EditLook, ASingleBorderWithoutThe3DLookIsFramedInBorderColor) {
    edit->SetCtl3D(false);
    ShowForm();
    for (const TBitmap& picture : {Painted(*edit), Shown(*edit)}) {
        const TPoint o = ClientOffset(*edit);
        const TRect client = edit->ClientRect().Offset(o.X, o.Y);
        EXPECT_EQ(picture.Pixel(client.Left, client.Top), Border);
        EXPECT_EQ(picture.Pixel(client.Right - 1, client.Bottom - 1), Border);
        EXPECT_EQ(picture.Pixel(client.Left + 1, client.Top + 1), clGrid);
    }
}

// The focused colour is drawn when the focus arrives; a paint clears the
// focus flag, so the next frame drawn shows BorderColor again, focus or not.
TEST_F(EditLook, TheFocusedBorderColourLastsUntilTheNextFrameIsDrawn) {
    MakeFlat();
    ShowForm();
    FocusOther();
    EXPECT_EQ(Shown(*edit).Pixel(0, 0), Border);
    FocusEdit();
    EXPECT_EQ(Shown(*edit).Pixel(0, 0), FocusedBorder);
    RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    Pump(50);
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(Shown(*edit).Pixel(0, 0), Border);
    FocusOther();
    EXPECT_EQ(Shown(*edit).Pixel(0, 0), Border);
}

TEST_F(EditLook, AlignedTextShowsWhileUnfocusedAndEditingIsLeftAligned) {
    MakeFlat();
    edit->SetText(L"12345");
    ShowForm();
    for (TAlignment alignment : {taRightJustify, taCenter}) {
        edit->SetAlignment(alignment);
        FocusOther();
        const TPoint o = ClientOffset(*edit);
        const TRect client = edit->ClientRect().Offset(o.X, o.Y);
        const int margin = edit->TextMargin() - 2;
        for (const TBitmap& picture : {Painted(*edit), Shown(*edit)}) {
            const TRect ink = TextInk(picture);
            ASSERT_FALSE(ink.IsEmpty()) << alignment;
            if (alignment == taRightJustify) {
                EXPECT_LE(ink.Right, client.Right - margin) << "flush right";
                EXPECT_GE(ink.Right, client.Right - margin - 3) << "flush right";
            } else {
                EXPECT_LE(std::abs((ink.Left - client.Left) - (client.Right - ink.Right)), 3) << "centred";
            }
        }
        FocusEdit();
        EXPECT_EQ(edit->Alignment(), taLeftJustify);
        EXPECT_LT(TextInk(Shown(*edit)).Left, client.Left + 6) << "edited left-aligned";
        FocusOther();
        EXPECT_EQ(edit->Alignment(), alignment);
        EXPECT_GT(TextInk(Shown(*edit)).Left, client.Left + 20) << "aligned again";
    }
    // Set to left, it stays left: the alignment once put aside does not return.
    edit->SetAlignment(taLeftJustify);
    FocusEdit();
    FocusOther();
    EXPECT_EQ(edit->Alignment(), taLeftJustify);
    edit->SetAlignment(taRightJustify);
    FocusEdit();
    edit->SetAlignment(taCenter);  // while focused: the window is made again
    FocusOther();
    EXPECT_EQ(edit->Alignment(), taCenter);
}

TEST_F(EditLook, APasswordCharacterHidesTheTextInTheAlignedPaintToo) {
    auto* plain = Add<TActiveEdit>(20, 60, 160, 24);
    for (TActiveEdit* e : {edit, plain}) {
        e->SetColor(clWhite);
        e->SetAlignment(taRightJustify);
    }
    edit->SetPasswordChar(L'*');
    edit->SetText(L"abc");
    plain->SetText(L"***");
    ShowForm();
    FocusOther();
    EXPECT_TRUE(SamePixels(Painted(*edit), Painted(*plain)));
    EXPECT_TRUE(SamePixels(Shown(*edit), Shown(*plain)));
    EXPECT_FALSE(TextInk(Painted(*edit)).IsEmpty());
}

struct ComboLook : ActiveFixture {
    TActiveCombo* combo = nullptr;
    TEdit* other = nullptr;
    void SetUp() override {
        ActiveFixture::SetUp();
        other = Add<TEdit>(20, 200, 100, 21);
        combo = Add<TActiveCombo>(20, 20, 160, 24);
        for (const wchar_t* item : {L"Alfa", L"Beta", L"Bravo"}) combo->Items().Add(item);
        combo->SetColor(clWhite);
        combo->SetFlatStyle(true);
        combo->SetBorderStyle(bsSingle);
        combo->SetBorderColor(Border);
        combo->SetBorderColorF(FocusedBorder);
        combo->SetButtonColor(clYellow);
        combo->SetArrowColor(clBlue);
    }
    void FocusOther() {
        other->SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return other->Focused(); }));
        Pump(50);
    }
    // The button's left edge and the client rectangle.
    TRect Client() { return combo->ClientRect(); }
    int ButtonLeft() { return Client().Right - GetSystemMetrics(SM_CXHTHUMB) - 5; }
};

TEST_F(ComboLook, TheOwnButtonHasAGapASeparatorAndATriangularArrow) {
    struct Case {
        const char* Name;
        TBorderStyle Style;
        TColor Outer, Separator;
    };
    const Case cases[] = {{"single", bsSingle, Border, Border}, {"no border", bsNone, clWhite, clWhite}};
    ShowForm();
    FocusOther();
    for (const Case& c : cases) {
        combo->SetBorderStyle(c.Style);
        Pump(50);
        const TRect client = Client();
        const int left = ButtonLeft(), middle = client.Height() / 2, r = client.Right, t = client.Top;
        for (const TBitmap& picture : {Painted(*combo), Shown(*combo)}) {
            EXPECT_EQ(picture.Pixel(0, 0), c.Outer) << c.Name;
            EXPECT_EQ(picture.Pixel(1, 1), clWhite) << c.Name;
            EXPECT_EQ(picture.Pixel(left, middle), clWhite) << c.Name << " gap";
            EXPECT_EQ(picture.Pixel(left + 1, middle), clWhite) << c.Name << " gap";
            EXPECT_EQ(picture.Pixel(left + 2, middle), c.Separator) << c.Name << " separator";
            EXPECT_EQ(picture.Pixel(left + 4, client.Top + 2), clYellow) << c.Name << " button";
            EXPECT_EQ(picture.Pixel(r - 2, client.Bottom - 2), clYellow) << c.Name << " button";
            for (const TPoint corner : {TPoint{r - 13, t + 8}, TPoint{r - 7, t + 8}, TPoint{r - 10, t + 11}})
                EXPECT_EQ(picture.Pixel(corner.X, corner.Y), clBlue) << c.Name << " arrow " << corner.X << "," << corner.Y;
            EXPECT_EQ(picture.Pixel(r - 10, t + 12), clYellow) << c.Name << " below the arrow";
            EXPECT_EQ(picture.Pixel(r - 14, t + 8), clYellow) << c.Name << " left of the arrow";
        }
    }
}

TEST_F(ComboLook, ABevelledButtonLooksPressedOnlyWhileTheListIsOpenUnderTheMouse) {
    struct Case {
        TBevelCut Bevel;
        bool Open, MouseOver;
        TColor TopLeft;  // of the button proper
        int Shift;       // of the arrow
    };
    const TColor light = Drawn(clBtnHighlight), dark = Drawn(clBtnShadow);
    const Case cases[] = {
        {bvLowered, false, true, light, 0},  {bvLowered, true, true, dark, 1},   {bvLowered, true, false, light, 1},
        {bvRaised, false, true, clYellow, 0}, {bvRaised, true, true, dark, 1},   {bvRaised, true, false, clYellow, 1},
        {bvSpace, true, true, clYellow, 0},
    };
    ShowForm();
    for (const Case& c : cases) {
        combo->SetBevelOuter(c.Bevel);
        MoveTo(*form, c.MouseOver ? TPoint{combo->Left() + 40, combo->Top() + 10} : TPoint{300, 250});
        if (c.Open) combo->SetDroppedDown(true);
        Pump(100);
        const std::string name = std::to_string(c.Bevel) + (c.Open ? " open" : " closed") + (c.MouseOver ? " over" : " away");
        ASSERT_EQ(combo->MouseInControl(), c.MouseOver) << name;
        const TBitmap picture = Painted(*combo);
        const TRect client = Client();
        EXPECT_EQ(picture.Pixel(ButtonLeft() + 3, client.Top + 1), c.TopLeft) << name;
        const int r = client.Right + c.Shift, t = client.Top + c.Shift;
        EXPECT_EQ(picture.Pixel(r - 13, t + 8), clBlue) << name;
        EXPECT_EQ(picture.Pixel(r - 10, t + 11), clBlue) << name;
        combo->SetDroppedDown(false);
        Pump(50);
    }
}

TEST_F(ComboLook, TypingCompletesFromTheListAndTakingTextAwayReportsNoChange) {
    combo->SetAutoComplete(true);
    std::vector<std::wstring> changes;
    combo->OnChange = [&](TObject*) { changes.push_back(combo->Text()); };
    ShowForm();
    combo->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return HoldsFocus(*combo); }));
    const auto selection = [&] {
        DWORD start = 0, end = 0;
        SendMessageW(combo->Handle(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return std::pair<int, int>(static_cast<int>(start), static_cast<int>(end - start));
    };
    Keys({'B'});
    EXPECT_EQ(combo->Text(), L"Beta");  // "Beta" comes before "Bravo"
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(selection(), (std::pair<int, int>{1, 3}));
    Keys({VK_BACK});
    EXPECT_EQ(combo->Text(), L"B");  // the completed part went
    Keys({'R'});
    EXPECT_EQ(combo->Text(), L"Bravo");
    EXPECT_EQ(selection(), (std::pair<int, int>{2, 3}));
    Keys({VK_DELETE});
    EXPECT_EQ(combo->Text(), L"Br");
    EXPECT_EQ(changes, (std::vector<std::wstring>{L"Beta", L"Bravo"}));

    combo->SetText(L"");  // set by the program: reported, not completed
    Keys({'A'});
    EXPECT_EQ(combo->Text(), L"Alfa");  // the first item is examined last, but examined
    EXPECT_EQ(combo->ItemIndex(), 0);
    SendMessageW(combo->Handle(), CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    Keys({'X'}, VK_CONTROL);  // cut: nothing is left, and nothing completes it
    EXPECT_EQ(combo->Text(), L"");

    combo->SetAutoComplete(false);
    combo->SetText(L"");
    Keys({'B'});
    EXPECT_EQ(combo->Text(), L"b");  // as typed
}

TEST_F(ComboLook, EscapeOnTheOpenListIsRememberedAndClosingTheListIsReported) {
    int closeUps = 0;
    combo->OnCloseUp = [&](TObject*) { ++closeUps; };
    ShowForm();
    combo->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return HoldsFocus(*combo); }));
    combo->SetDroppedDown(true);
    Pump(50);
    ASSERT_TRUE(combo->DroppedDown());
    Keys({VK_ESCAPE});
    EXPECT_TRUE(combo->WasDroppedDown());
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(closeUps, 1);
    Keys({VK_ESCAPE});
    EXPECT_FALSE(combo->WasDroppedDown());
    EXPECT_EQ(closeUps, 1);
}

TEST_F(ComboLook, TheFocusedBorderFollowsTheFocus) {
    ShowForm();
    for (int round = 0; round < 2; ++round) {
        combo->SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return HoldsFocus(*combo); }));
        Pump(50);
        EXPECT_TRUE(combo->FocusedLook());
        EXPECT_EQ(Shown(*combo).Pixel(0, 0), FocusedBorder);
        EXPECT_EQ(Shown(*combo).Pixel(ButtonLeft() + 2, Client().Height() / 2), FocusedBorder);
        other->SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return other->Focused(); }));
        Pump(50);
        EXPECT_FALSE(combo->FocusedLook());
        EXPECT_EQ(Shown(*combo).Pixel(0, 0), Border);
    }
}

}  // namespace
