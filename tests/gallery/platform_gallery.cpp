// Paints a form holding every standard control of the form library into
// platform_gallery.png (in $ZV_GALLERY_DIR, else beside the program), so the
// controls can be looked at together.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "ui/platform/application.h"
#include "ui/platform/edit_controls.h"
#include "ui/platform/ext_controls.h"
#include "ui/platform/file_controls.h"
#include "ui/platform/graphics/bitmap.h"
#include "ui/platform/page_control.h"
#include "ui/platform/std_controls.h"
#include "ui/platform/sysutils.h"

namespace {

template <class T>
T* Add(TWinControl* parent, int left, int top, int width, int height) {
    auto* c = new T(parent->ParentForm() ? static_cast<TComponent*>(parent->ParentForm()) : parent);
    c->SetParent(parent);
    c->SetBounds(left, top, width, height);
    return c;
}

std::wstring GalleryPath(const wchar_t* name) {
    const char* dir = std::getenv("ZV_GALLERY_DIR");
    return (dir ? IncludeTrailingBackslash(Utf8ToWide(dir)) : ExtractFilePath(ModuleFileName())) + name;
}

TEST(Gallery, StandardControls) {
    Application->Initialize();
    TOwnedPtr<TForm> form(NewForm<TForm>(nullptr));
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 640, 400);
    form->SetColor(static_cast<TColor>(11642264));

    auto* label = Add<TLabel>(form.get(), 12, 12, 120, 16);
    label->SetCaption(L"&Program:");
    auto* edit = Add<TEdit>(form.get(), 80, 10, 200, 21);
    edit->SetText(L"C:\\Zarvanto");
    label->SetFocusControl(edit);
    auto* combo = Add<TComboBox>(form.get(), 300, 10, 150, 21);
    combo->Items().Add(L"Local");
    combo->Items().Add(L"Server");
    combo->SetItemIndex(1);
    auto* button = Add<TButton>(form.get(), 470, 8, 80, 25);
    button->SetCaption(L"O&K");
    button->SetDefault(true);

    auto* memo = Add<TMemo>(form.get(), 12, 44, 268, 80);
    memo->Lines().Add(L"Prima linie a memo-ului");
    memo->Lines().Add(L"A doua linie");
    auto* group = Add<TGroupBox>(form.get(), 300, 44, 250, 80);
    group->SetCaption(L"Grup");
    auto* bevel = Add<TBevel>(group, 10, 24, 230, 2);
    (void)bevel;

    auto* panel = Add<TPanel>(form.get(), 12, 136, 268, 40);
    panel->SetCaption(L"Panou ridicat");
    auto* lowered = Add<TPanel>(form.get(), 300, 136, 250, 40);
    lowered->SetCaption(L"Panou coborat");
    lowered->SetBevelOuter(bvLowered);
    auto* gauge = Add<TGauge>(form.get(), 12, 188, 268, 19);
    gauge->SetProgress(42);
    gauge->SetForeColor(static_cast<TColor>(7891292));
    gauge->SetBackColor(static_cast<TColor>(0xDFDFDF));

    auto* pages = Add<TPageControl>(form.get(), 12, 220, 268, 160);
    for (const wchar_t* caption : {L"Unu", L"Doi"}) {
        auto* sheet = new TTabSheet(form.get());
        sheet->SetPageControl(pages);
        sheet->SetCaption(caption);
    }
    auto* drives = Add<TDriveComboBox>(form.get(), 300, 220, 250, 21);
    auto* dirs = Add<TDirectoryListBox>(form.get(), 300, 248, 250, 132);
    drives->SetDirList(dirs);

    form->Show();
    Application->ProcessMessages();
    TBitmap shot(640, 400);
    form->PaintTo(shot.Canvas().Handle(), 0, 0);
    shot.SaveToPngFile(GalleryPath(L"platform_gallery.png"));
    // What the display shows, for comparison with the painted copy.
    for (int i = 0; i < 20; ++i) {
        Application->ProcessMessages();
        Sleep(10);
    }
    TBitmap screen(640, 400);
    HDC display = GetDC(nullptr);
    const TPoint origin = form->ClientOrigin();
    BitBlt(screen.Canvas().Handle(), 0, 0, 640, 400, display, origin.X, origin.Y, SRCCOPY);
    ReleaseDC(nullptr, display);
    screen.SaveToPngFile(GalleryPath(L"platform_gallery_screen.png"));
    EXPECT_EQ(shot.Pixel(5, 5), static_cast<TColor>(11642264));
}

}  // namespace
