// Paints every button kind of both framework buttons in each of their looks
// (normal, hot, pressed, disabled) on the screens' colour into
// button_gallery.png (in $ZV_GALLERY_DIR, else beside the program), so the
// buttons can be looked at together.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

#include "ui/controls/mbutton.h"
#include "ui/controls/nice_button.h"
#include "ui/forms/framework.h"
#include "ui/platform/application.h"
#include "ui/platform/sysutils.h"

namespace {

const TColor ScreenColor = static_cast<TColor>(11642264);
const TColor InkColor = static_cast<TColor>(0x3A3A3A);
constexpr int Columns = 3;
constexpr int LabelWidth = 96;
constexpr int Gap = 8;

std::wstring GalleryPath(const wchar_t* name) {
    const char* dir = std::getenv("ZV_GALLERY_DIR");
    return (dir ? IncludeTrailingBackslash(Utf8ToWide(dir)) : ExtractFilePath(ModuleFileName())) + name;
}

// A button's look, painted through its draw-item request at (x, y) of the sheet.
void PaintLook(TWinControl& button, TBitmap& sheet, int x, int y, UINT state) {
    TBitmap look(button.Width(), button.Height());
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = button.Handle();
    item.hDC = look.Canvas().Handle();
    item.rcItem = RECT{0, 0, button.Width(), button.Height()};
    button.Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    sheet.Canvas().Draw(x, y, look);
}

struct TLooks {
    std::function<void()> MakeHot, EndHot;
};

// The four looks of one button in a row: normal, hot, pressed, disabled.
void PaintRow(TWinControl& button, const TLooks& looks, TBitmap& sheet, int x, int y) {
    const int step = button.Width() + Gap;
    PaintLook(button, sheet, x, y, 0);
    looks.MakeHot();
    PaintLook(button, sheet, x + step, y, 0);
    PaintLook(button, sheet, x + 2 * step, y, ODS_SELECTED);
    looks.EndHot();
    button.SetEnabled(false);
    PaintLook(button, sheet, x + 3 * step, y, 0);
}

void Label(TBitmap& sheet, int x, int y, int height, std::wstring_view text, bool bold = false) {
    TCanvas& canvas = sheet.Canvas();
    canvas.Font().SetName(L"MS Sans Serif");
    canvas.Font().SetHeight(-11);
    canvas.Font().SetStyle(bold ? TFontStyles(fsBold) : TFontStyles());
    canvas.Font().SetColor(InkColor);
    canvas.Brush().SetStyle(bsClear);
    TRect r{x, y, x + 600, y + height};
    canvas.DrawText(text, r, DT_SINGLELINE | DT_VCENTER);
}

constexpr int Rows = (static_cast<int>(ButtonKindCount) + Columns - 1) / Columns;
constexpr int SectionHeight(int buttonHeight) { return 24 + Rows * (buttonHeight + Gap) + 2 * Gap; }

// Paints one section (a heading and every kind) and answers where it ends.
template <class T>
int PaintSection(TForm& form, TBitmap& sheet, int top, const wchar_t* heading, TSize size,
                 const std::function<void(T&, TMButtonKind)>& setUp, const std::function<TLooks(T&)>& looks) {
    Label(sheet, Gap, top, 20, heading, true);
    top += 24;
    const int groupWidth = LabelWidth + 4 * (size.cx + Gap) + 2 * Gap;
    for (int k = 0; k < static_cast<int>(ButtonKindCount); ++k) {
        const int x = Gap + (k % Columns) * groupWidth, y = top + (k / Columns) * (size.cy + Gap);
        Label(sheet, x, y, size.cy, KindNames[k]);
        auto* button = new T(&form);
        button->SetParent(&form);
        button->SetBounds(0, 0, size.cx, size.cy);
        setUp(*button, static_cast<TMButtonKind>(k));
        PaintRow(*button, looks(*button), sheet, x + LabelWidth, y);
        button->Free();
    }
    return top - 24 + SectionHeight(size.cy);
}

constexpr int WizardHeight = 24 + 2 * (51 + Gap) + 2 * Gap;

// The wizard's buttons as a screen shows them: at rest, and with "&Continua" hot.
int PaintWizardRow(TForm& form, TBitmap& sheet, int top) {
    Label(sheet, Gap, top, 20, L"A wizard screen: at rest, and with the first button hot", true);
    top += 24;
    struct TWizardButton {
        TMButtonKind Kind;
        const wchar_t* Caption;
    };
    const TWizardButton buttons[] = {{mknPrev, L"&Inapoi"}, {mknNext, L"&Continua"}, {mkCancel, L"&Abandon"}, {mkClose, L"I&esire"}};
    for (int row = 0; row < 2; ++row) {
        const int y = top + row * (51 + Gap);
        int x = Gap + LabelWidth;
        for (const TWizardButton& w : buttons) {
            TMButton b(&form);
            b.SetParent(&form);
            b.SetBounds(0, 0, 67, 51);
            b.SetColor(ScreenColor);
            b.SetButtonLayout(blGlyphTop);
            b.SetSpacing(5);
            b.SetKind(w.Kind);
            b.SetCaption(w.Caption);
            if (row == 1 && w.Kind == mknNext) b.Perform(CM_MOUSEENTER);
            PaintLook(b, sheet, x, y, 0);
            x += 67 + Gap;
        }
        TNiceButton nice(&form);
        nice.SetParent(&form);
        nice.SetBounds(0, 0, 100, 28);
        nice.SetColor(ScreenColor);
        nice.SetKind(mkAbort);
        PaintLook(nice, sheet, x + 4 * Gap, y + (51 - 28) / 2, 0);
    }
    return top - 24 + WizardHeight;
}

TEST(Gallery, Buttons) {
    Application->Initialize();
    FrameworkStartup();
    BufferedLook = true;  // as the program runs
    {
        TOwnedPtr<TForm> form(NewForm<TForm>(nullptr));
        form->SetColor(ScreenColor);
        TBitmap sheet(Gap + Columns * (LabelWidth + 4 * (100 + Gap) + 2 * Gap), Gap + SectionHeight(51) + SectionHeight(28) + WizardHeight);
        sheet.Canvas().Brush().SetColor(ScreenColor);
        sheet.Canvas().FillRect({0, 0, sheet.Width(), sheet.Height()});

        const auto light = [](TMButton& b, TMButtonKind kind) {
            b.SetColor(ScreenColor);
            b.SetButtonLayout(blGlyphTop);
            b.SetSpacing(5);
            b.SetKind(kind);
        };
        const auto mlooks = [](TMButton& b) {
            return TLooks{[&b] { b.Perform(CM_MOUSEENTER); }, [&b] { b.Perform(CM_MOUSELEAVE); }};
        };
        int top = PaintSection<TMButton>(*form, sheet, Gap, L"TMButton (light, glyph above, 90 x 51):  normal, hot, pressed, disabled",
                                         {90, 51}, light, mlooks);

        const auto nice = [](TNiceButton& b, TMButtonKind kind) {
            b.SetColor(ScreenColor);
            b.SetKind(kind);
        };
        const auto nlooks = [](TNiceButton& b) {
            return TLooks{[&b] { b.Perform(WM_MOUSEMOVE, 0, MAKELPARAM(b.Width() - 20, b.Height() / 2)); },
                          [&b] { b.Perform(WM_KILLFOCUS); b.Perform(CM_MOUSELEAVE); }};
        };
        top = PaintSection<TNiceButton>(*form, sheet, top, L"TNiceButton (100 x 28):  normal, hot, pressed, disabled",
                                        {100, 28}, nice, nlooks);
        top = PaintWizardRow(*form, sheet, top);

        const std::wstring path = GalleryPath(L"button_gallery.png");
        sheet.SaveToPngFile(path);
        EXPECT_TRUE(FileExists(path));
        EXPECT_EQ(top, sheet.Height());
    }
    BufferedLook = false;
    FrameworkShutdown();
}

}  // namespace
