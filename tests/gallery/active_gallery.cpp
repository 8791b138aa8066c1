// Paints the active edits, memo and combo boxes, the check boxes and the
// radio groups in their looks (focused and not, flat and 3-D, enabled and
// disabled) into active_gallery.png, and captures the same form from the
// display into active_gallery_screen.png (in $ZV_GALLERY_DIR, else beside
// the program). A focused look is taken while that control has the focus.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

#include "tests/support/gui_support.h"
#include "ui/base/named_colors.h"
#include "ui/controls/active_combo.h"
#include "ui/controls/active_edit.h"
#include "ui/controls/active_memo.h"
#include "ui/controls/check_box.h"
#include "ui/controls/radio_group.h"
#include "ui/forms/framework.h"
#include "ui/platform/application.h"
#include "ui/platform/sysutils.h"

namespace {

const TColor ScreenColor = static_cast<TColor>(11642264);

std::wstring GalleryPath(const wchar_t* name) {
    const char* dir = std::getenv("ZV_GALLERY_DIR");
    return (dir ? IncludeTrailingBackslash(Utf8ToWide(dir)) : ExtractFilePath(ModuleFileName())) + name;
}

class TGallery {
public:
    TGallery() : FForm(NewForm<TForm>(nullptr)) {
        FForm->SetBorderStyle(bsNone);
        FForm->SetBounds(0, 0, Width, Height);
        FForm->SetColor(ScreenColor);
    }

    template <class T>
    T* Add(TWinControl* parent, int left, int top, int width, int height) {
        auto* c = new T(FForm.get());
        c->SetParent(parent ? parent : FForm.get());
        c->SetBounds(left, top, width, height);
        return c;
    }
    TLabel* Heading(int left, int top, const wchar_t* text) {
        auto* label = Add<TLabel>(nullptr, left, top, 330, 16);
        label->Font().SetStyle(fsBold);
        label->SetCaption(text);
        return label;
    }
    TActiveLabel* Caption(int left, int top, const wchar_t* text) {
        auto* label = Add<TActiveLabel>(nullptr, left, top, 95, 16);
        label->SetCaption(text);
        return label;
    }
    // A look taken while `control` has the focus, over `area` of the form.
    void FocusedLook(TWinControl* control, TRect area) { FFocused.push_back({control, area}); }

    // Both pictures: everything unfocused first, then each focused look over it.
    void Paint(TBitmap& painted, TBitmap& shown) {
        FForm->Show();
        FForm->SetFocusedControl(nullptr);
        SetFocus(FForm->Handle());
        Settle();
        Take(painted, shown, {0, 0, Width, Height});
        for (const auto& [control, area] : FFocused) {
            control->SetFocus();
            Settle();
            Take(painted, shown, area);
        }
    }

    static constexpr int Width = 760, Height = 560;

private:
    static void Settle() { Pump(150); }

    void Take(TBitmap& painted, TBitmap& shown, const TRect& area) {
        TBitmap whole(Width, Height);
        FForm->PaintTo(whole.Canvas().Handle(), 0, 0);
        painted.Canvas().CopyRect(area, whole, area);
        HDC display = GetDC(nullptr);
        const TPoint origin = FForm->ClientOrigin();
        BitBlt(shown.Canvas().Handle(), area.Left, area.Top, area.Width(), area.Height(), display,
               origin.X + area.Left, origin.Y + area.Top, SRCCOPY);
        ReleaseDC(nullptr, display);
    }

    TOwnedPtr<TForm> FForm;
    struct TFocusedLook {
        TWinControl* Control;
        TRect Area;
    };
    std::vector<TFocusedLook> FFocused;
};

void AddEdits(TGallery& g) {
    g.Heading(10, 8, L"TActiveEdit, TActiveLabel");
    struct TRow {
        const wchar_t* Label;
        const wchar_t* Text;
        std::function<void(TActiveEdit&)> SetUp;
        bool Focused;
    };
    const auto flat = [](TActiveEdit& e) {
        e.SetColor(clGrid);
        e.SetFlatStyle(true);
        e.SetBorderColor(cl3);
        e.SetBorderColorF(cl2);
    };
    const TRow rows[] = {
        {L"&Program:", L"C:\\Zarvant\\", flat, true},
        {L"&Date:", L"C:\\Zarvant\\DATA\\", flat, false},
        {L"3-&D:", L"C:\\Zarvant\\", [](TActiveEdit&) {}, false},
        {L"3-D, &focus:", L"C:\\Zarvant\\", [](TActiveEdit&) {}, true},
        {L"D&reapta:", L"1234,56", [flat](TActiveEdit& e) { flat(e); e.SetAlignment(taRightJustify); }, false},
        {L"Dreapta, f&ocus:", L"1234,56", [flat](TActiveEdit& e) { flat(e); e.SetAlignment(taRightJustify); }, true},
        {L"C&entru:", L"1234,56", [flat](TActiveEdit& e) { flat(e); e.SetAlignment(taCenter); }, false},
        {L"P&arola:", L"secret", [flat](TActiveEdit& e) { flat(e); e.SetPasswordChar(L'*'); e.SetAlignment(taRightJustify); }, false},
        {L"&bvRaised:", L"ridicat", [flat](TActiveEdit& e) { flat(e); e.SetBevelOuter(bvRaised); }, false},
        {L"bv&Lowered:", L"coborat", [flat](TActiveEdit& e) { flat(e); e.SetBevelOuter(bvLowered); }, false},
        {L"Fara 3-D:", L"Ctl3D false", [](TActiveEdit& e) { e.SetCtl3D(false); e.SetBorderColor(clRed); }, false},
        {L"De&zactivat:", L"C:\\Zarvant\\", [flat](TActiveEdit& e) { flat(e); e.SetEnabled(false); }, false},
    };
    int top = 30;
    for (const TRow& row : rows) {
        TActiveLabel* label = g.Caption(10, top + 3, row.Label);
        auto* edit = g.Add<TActiveEdit>(nullptr, 110, top, 200, 21);
        edit->SetText(row.Text);
        row.SetUp(*edit);
        edit->SetAssocLabel(label);
        if (!edit->Enabled()) label->SetEnabled(false);
        if (row.Focused) g.FocusedLook(edit, {0, top - 2, 330, top + 24});
        top += 27;
    }
}

void AddCombos(TGallery& g) {
    g.Heading(350, 8, L"TActiveCombo, TActiveMemo");
    struct TRow {
        const wchar_t* Label;
        std::function<void(TActiveCombo&)> SetUp;
        bool Focused;
    };
    const auto flat = [](TActiveCombo& c) {
        c.SetColor(clGrid);
        c.SetFlatStyle(true);
        c.SetBorderStyle(bsSingle);
        c.SetBorderColor(cl3);
        c.SetBorderColorF(cl2);
        c.SetButtonColor(cl3);
    };
    const TRow rows[] = {
        {L"&Tip:", flat, false},
        {L"Tip, foc&us:", flat, true},
        {L"bvLo&wered:", [flat](TActiveCombo& c) { flat(c); c.SetBevelOuter(bvLowered); }, false},
        {L"bsNone:", [flat](TActiveCombo& c) { flat(c); c.SetBorderStyle(bsNone); }, false},
        {L"3-D:", [](TActiveCombo&) {}, false},
        {L"Dezactivat:", [flat](TActiveCombo& c) { flat(c); c.SetEnabled(false); }, false},
    };
    int top = 30;
    for (const TRow& row : rows) {
        TActiveLabel* label = g.Caption(350, top + 3, row.Label);
        auto* combo = g.Add<TActiveCombo>(nullptr, 450, top, 200, 21);
        for (const wchar_t* item : {L"LOCAL", L"SERVER", L"CLIENT"}) combo->Items().Add(item);
        combo->SetItemIndex(1);
        row.SetUp(*combo);
        combo->SetAssocLabel(label);
        if (!combo->Enabled()) label->SetEnabled(false);
        if (row.Focused) g.FocusedLook(combo, {340, top - 2, 760, top + 24});
        top += 27;
    }
    auto* memo = g.Add<TActiveMemo>(nullptr, 350, top + 4, 300, 60);
    memo->SetColor(ScreenColor);
    memo->Lines().Add(L"Instalarea s-a incheiat. Programul poate fi pornit");
    memo->Lines().Add(L"din grupul Zarvanto (TActiveMemo fara bordura).");
}

void AddCheckBoxes(TGallery& g) {
    g.Heading(10, 360, L"TActiveCheckBox");
    struct TBox {
        const wchar_t* Caption;
        std::function<void(TActiveCheckBox&)> SetUp;
        bool Focused;
    };
    const TBox boxes[] = {
        {L"&Nebifat", [](TActiveCheckBox&) {}, false},
        {L"&Bifat", [](TActiveCheckBox& c) { c.SetState(cbChecked); }, false},
        {L"&Gri", [](TActiveCheckBox& c) { c.SetState(cbGrayed); }, false},
        {L"&Dezactivat", [](TActiveCheckBox& c) { c.SetState(cbChecked); c.SetEnabled(false); }, false},
        {L"&Focalizat", [](TActiveCheckBox& c) { c.SetState(cbChecked); }, true},
        {L"La &dreapta", [](TActiveCheckBox& c) { c.SetAlignment(taLeftJustify); c.SetState(cbChecked); }, false},
    };
    int top = 382;
    for (const TBox& box : boxes) {
        auto* check = g.Add<TActiveCheckBox>(nullptr, 10, top, 120, 17);
        check->SetColor(ScreenColor);
        check->SetCaption(box.Caption);
        box.SetUp(*check);
        if (box.Focused) g.FocusedLook(check, check->BoundsRect());
        top += 22;
    }
    for (TCheckBoxState state : {cbUnchecked, cbChecked, cbGrayed}) {
        auto* tick = g.Add<TActiveCheckBox>(nullptr, 150 + 30 * state, 382, 22, 15);
        tick->SetColor(ScreenColor);
        tick->SetAlignment(taLeftJustify);
        tick->SetState(state);
    }
}

void AddRadioGroups(TGallery& g) {
    g.Heading(240, 360, L"TMRadioGroup");
    struct TGroup {
        int Left, Top, Width, Height, Columns, ItemIndex;
        std::function<void(TMRadioGroup&)> SetUp;
        bool Focused;
    };
    const TGroup groups[] = {
        {240, 382, 110, 66, 1, 1, [](TMRadioGroup&) {}, false},
        {360, 382, 110, 66, 1, 0, [](TMRadioGroup&) {}, true},
        {480, 382, 110, 66, 1, 2, [](TMRadioGroup& r) { r.SetEnabled(false); }, false},
        {240, 460, 250, 66, 2, 3, [](TMRadioGroup& r) {
             r.Items().Assign(std::vector<std::wstring>{L"&Unu", L"&Doi", L"&Trei", L"&Patru", L"&Cinci"});
         }, false},
        {510, 460, 110, 66, 1, 2, [](TMRadioGroup& r) {
             for (int i = 0; i < r.ButtonCount(); ++i) r.Buttons(i)->SetAlignment(taLeftJustify);
         }, false},
    };
    for (const TGroup& look : groups) {
        auto* group = g.Add<TMRadioGroup>(nullptr, look.Left, look.Top, look.Width, look.Height);
        group->Items().Assign(std::vector<std::wstring>{L"&LOCAL", L"&SERVER", L"CLIEN&T"});
        group->SetColumns(look.Columns);
        look.SetUp(*group);
        group->SetItemIndex(look.ItemIndex);
        if (look.Focused) g.FocusedLook(group->Buttons(look.ItemIndex), group->BoundsRect());
    }
}

TEST(Gallery, ActiveControlsCheckBoxesAndRadioGroups) {
    Application->Initialize();
    FrameworkStartup();
    {
        TGallery gallery;
        AddEdits(gallery);
        AddCombos(gallery);
        AddCheckBoxes(gallery);
        AddRadioGroups(gallery);
        TBitmap painted(TGallery::Width, TGallery::Height), shown(TGallery::Width, TGallery::Height);
        gallery.Paint(painted, shown);
        painted.SaveToPngFile(GalleryPath(L"active_gallery.png"));
        shown.SaveToPngFile(GalleryPath(L"active_gallery_screen.png"));
        EXPECT_EQ(painted.Pixel(TGallery::Width - 2, TGallery::Height - 2), ScreenColor);
        EXPECT_EQ(shown.Pixel(TGallery::Width - 2, TGallery::Height - 2), ScreenColor);
    }
    FrameworkShutdown();
}

}  // namespace
