// Captures a message dialog of each type and a title form from the display
// into PNG files (in $ZV_GALLERY_DIR, else beside the program).
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

#include "ui/forms/form_classes.h"
#include "ui/forms/framework.h"
#include "ui/forms/msg_dialog.h"
#include "ui/platform/application.h"
#include "ui/platform/graphics/bitmap.h"
#include "ui/platform/sysutils.h"

namespace {

std::wstring GalleryPath(const std::wstring& name) {
    const char* dir = std::getenv("ZV_GALLERY_DIR");
    return (dir ? IncludeTrailingBackslash(Utf8ToWide(dir)) : ExtractFilePath(ModuleFileName())) + name;
}

void Capture(HWND window, const std::wstring& name) {
    RECT r;
    GetWindowRect(window, &r);
    TBitmap shot(r.right - r.left, r.bottom - r.top);
    HDC display = GetDC(nullptr);
    BitBlt(shot.Canvas().Handle(), 0, 0, shot.Width(), shot.Height(), display, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, display);
    shot.SaveToPngFile(GalleryPath(name));
}

std::function<void(TMessageForm&)> OnOpen;
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (auto* d = dynamic_cast<TMessageForm*>(Screen->Forms(i)); d && d->Visible() && OnOpen) {
            auto action = OnOpen;
            OnOpen = nullptr;
            action(*d);
        }
}

class TGalleryScreen : public TTitleForm {
public:
    explicit TGalleryScreen(TComponent* owner) : TTitleForm(owner, L"TTestScreen") {}
};

TEST(Gallery, MessageDialogsAndATitleForm) {
    Application->Initialize();
    FrameworkStartup();
    TOwnedPtr<TGalleryScreen> screen(NewForm<TGalleryScreen>(nullptr));
    screen->Position = poScreenCenter;
    Application->SetMainForm(screen.get());
    screen->Show();
    for (int i = 0; i < 10; ++i) {
        Application->ProcessMessages();
        Sleep(20);
    }
    Capture(screen->Handle(), L"title_form.png");

    const UINT_PTR timer = SetTimer(nullptr, 0, 300, Tick);
    struct Case {
        TMsgDlgType Type;
        const wchar_t* Text;
        TMsgDlgButtons Buttons;
        TMsgDlgBtn Default;
        const wchar_t* File;
    };
    const Case cases[] = {
        {mtWarning, L"Introduceti discul 2 in unitatea A:", MsgButton(mbOK) | MsgButton(mbCancel), mbOK, L"dialog_warning.png"},
        {mtError, L"Nu am putut incarca UPGRADE.DLL", MsgButton(mbCancel), mbCancel, L"dialog_error.png"},
        {mtInformation, L"Instalarea s-a incheiat cu succes.", MsgButton(mbOK), mbOK, L"dialog_information.png"},
        {mtConfirmation, L"Doriti sa abandonati instalarea?", MsgButton(mbYes) | MsgButton(mbNo), mbNo, L"dialog_confirmation.png"},
    };
    for (const Case& c : cases) {
        bool captured = false;
        OnOpen = [&](TMessageForm& d) {
            Application->ProcessMessages();
            UpdateWindow(d.Handle());
            Capture(d.Handle(), c.File);
            captured = true;
            d.ModalResult = 99;
        };
        EXPECT_EQ(MsgDialog(c.Text, L"", c.Type, TextAlignCenter, c.Buttons, c.Default, 0), 99);
        EXPECT_TRUE(captured);
    }
    KillTimer(nullptr, timer);
    Application->SetMainForm(nullptr);
    screen.reset();
    FrameworkShutdown();
}

}  // namespace
