// Paints the framework's tab control into tab_gallery.png (in
// $ZV_GALLERY_DIR, else beside the program): plain tabs on a panel, module
// tabs of both themes on a form of another colour, each with an active, a
// hot and a disabled tab, and tabs higher and lower than the face. The hot
// tabs are drawn as the mouse draws them, over the painted form; the display
// itself, with the real cursor over a tab, goes into tab_gallery_screen.png.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <initializer_list>

#include "ui/controls/draw_helpers.h"
#include "ui/controls/zarv_tab_ctrl.h"
#include "ui/controls/zarv_tab_sheet.h"
#include "ui/forms/framework.h"
#include "ui/platform/application.h"
#include "ui/platform/ext_controls.h"
#include "ui/platform/graphics/gdi_handle.h"
#include "ui/platform/std_controls.h"
#include "ui/platform/sysutils.h"

namespace {

const TColor ScreenColor = static_cast<TColor>(11642264);
const TColor PanelColor = static_cast<TColor>(0xEFEFEF);

std::wstring GalleryPath(const wchar_t* name) {
    const char* dir = std::getenv("ZV_GALLERY_DIR");
    return (dir ? IncludeTrailingBackslash(Utf8ToWide(dir)) : ExtractFilePath(ModuleFileName())) + name;
}

// Lets the gallery draw a tab as the mouse draws it.
class TGalleryTabs : public TZarvTabCtrl322 {
public:
    using TZarvTabCtrl322::TZarvTabCtrl322;
    using TZarvTabCtrl322::DrawTabState;
};

struct TTabSpec {
    const wchar_t* Caption;
    bool TabEnabled = true;
};

TGalleryTabs* AddTabs(TForm& form, TWinControl* parent, TRect bounds, std::initializer_list<TTabSpec> tabs) {
    auto* control = new TGalleryTabs(&form);
    control->SetParent(parent);
    control->SetBoundsRect(bounds);
    for (const TTabSpec& tab : tabs) {
        auto* sheet = new TZarvTabSheet2(&form);
        sheet->SetPageControl(control);
        sheet->SetCaption(tab.Caption);
        sheet->SetTabEnabled(tab.TabEnabled);
        auto* text = new TLabel(&form);
        text->SetParent(sheet);
        text->SetBounds(10, 10, 240, 16);
        text->SetCaption(std::wstring(L"Pagina ") + WithoutAmpersands(tab.Caption));
    }
    return control;
}

void Heading(TForm& form, int left, int top, const wchar_t* text) {
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(left, top, 360, 16);
    label->Font().SetStyle(fsBold);
    label->SetCaption(text);
}

// Draws a tab hot onto the picture of the whole form.
void DrawHot(TBitmap& shot, TForm& form, TGalleryTabs& control, int pageIndex) {
    const TPoint origin = control.ClientOrigin(), formOrigin = form.ClientOrigin();
    const TSavedDC saved(shot.Canvas().Handle());
    OffsetViewportOrgEx(shot.Canvas().Handle(), origin.X - formOrigin.X, origin.Y - formOrigin.Y, nullptr);
    TCanvas canvas;
    const TCanvasBinding binding(canvas, shot.Canvas().Handle());
    control.DrawTabState(canvas, pageIndex, false, true, true);
}

TEST(Gallery, TabControl) {
    Application->Initialize();
    FrameworkStartup();
    {
        TOwnedPtr<TForm> form(NewForm<TForm>(nullptr));
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 780, 560);
        form->SetColor(ScreenColor);

        Heading(*form, 12, 8, L"Plain tabs on a panel: active, hot, disabled");
        auto* panel = new TPanel(form.get());
        panel->SetParent(form.get());
        panel->SetBounds(12, 28, 372, 200);
        panel->SetBevelOuter(bvNone);
        panel->SetColor(PanelColor);
        auto* plain = AddTabs(*form, panel, {10, 10, 362, 190},
                              {{L"&General"}, {L"&Detalii"}, {L"Ne&activ", false}, {L"N&ote"}});
        plain->SetPageIndex(0);

        Heading(*form, 400, 8, L"Module tabs (TipTab 1) on the form");
        auto* date = AddTabs(*form, form.get(), {400, 28, 770, 160}, {{L"&Firma"}, {L"&Luna"}, {L"&Rapoarte", false}});
        date->SetTipTab(1);
        date->SetPageIndex(1);

        Heading(*form, 400, 176, L"Module tabs (TipTab 2), own widths of 110");
        auto* liste = AddTabs(*form, form.get(), {400, 196, 770, 330}, {{L"&Clienti"}, {L"&Furnizori"}, {L"&Stoc"}});
        liste->SetTipTab(2);
        liste->SetCustomTabWidth(110);
        liste->SetPageIndex(2);

        Heading(*form, 12, 244, L"TabHSize 40: higher than the face");
        auto* high = AddTabs(*form, form.get(), {12, 264, 384, 400}, {{L"&Unu"}, {L"&Doi"}, {L"&Trei"}});
        high->SetTabHSize(40);
        high->SetMiddleColor(static_cast<TColor>(0xE0C8A0));
        high->LoadFace();

        Heading(*form, 400, 346, L"TabHSize 5: 16 high");
        auto* low = AddTabs(*form, form.get(), {400, 366, 770, 470}, {{L"&Unu"}, {L"&Doi"}, {L"&Trei"}});
        low->SetTabHSize(5);

        Heading(*form, 12, 416, L"TabHSize -1: no tab row");
        auto* hidden = AddTabs(*form, form.get(), {12, 436, 384, 548}, {{L"&Unu"}, {L"&Doi"}});
        hidden->SetTabHSize(-1);
        hidden->SetPageIndex(1);

        form->Show();
        Application->ProcessMessages();
        TBitmap shot(form->ClientWidth(), form->ClientHeight());
        form->PaintTo(shot.Canvas().Handle(), 0, 0);
        DrawHot(shot, *form, *plain, 1);
        DrawHot(shot, *form, *date, 0);
        DrawHot(shot, *form, *liste, 0);
        DrawHot(shot, *form, *high, 1);
        const std::wstring path = GalleryPath(L"tab_gallery.png");
        shot.SaveToPngFile(path);
        EXPECT_TRUE(FileExists(path));

        // The display, with the real cursor over the second plain tab.
        RECT tab{};
        SendMessageW(plain->Handle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
        const TPoint cursor = plain->ClientToScreen({(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
        SetCursorPos(cursor.X, cursor.Y);
        for (int i = 0; i < 30; ++i) {
            Application->ProcessMessages();
            Sleep(10);
        }
        EXPECT_EQ(plain->LastFocused(), 1);
        TBitmap screen(form->ClientWidth(), form->ClientHeight());
        const TScreenDC display;
        const TPoint origin = form->ClientOrigin();
        BitBlt(screen.Canvas().Handle(), 0, 0, screen.Width(), screen.Height(), display.Get(), origin.X, origin.Y, SRCCOPY);
        screen.SaveToPngFile(GalleryPath(L"tab_gallery_screen.png"));
    }
    FrameworkShutdown();
}

}  // namespace
