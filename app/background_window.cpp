#include "app/background_window.h"

#include "app/embedded_font.h"
#include "core/installer_state.h"
#include "info/info_form.h"
#include "ui/platform/ext_controls.h"
#include "ui/platform/std_controls.h"
#include "ui/platform/sysutils.h"

TInstaller::TInstaller(TComponent* owner) : TForm(owner, L"TInstaller") {
    RegisterHandler(L"FormCreate", TNotifyEvent([this](TObject* s) { FormCreate(s); }));
    RegisterHandler(L"FormShow", TNotifyEvent([this](TObject* s) { FormShow(s); }));
    RegisterHandler(L"FormResize", TNotifyEvent([this](TObject* s) { FormResize(s); }));
    RegisterHandler(L"FormDestroy", TNotifyEvent([this](TObject* s) { FormDestroy(s); }));
    RegisterHandler(L"caciula_iClick", TNotifyEvent([this](TObject* s) { caciula_iClick(s); }));
}

template <class T>
T& TInstaller::Part(const wchar_t* name) const {
    return dynamic_cast<T&>(*FindComponent(name));
}

std::wstring TInstaller::VersionText(double version) { return L"ver." + FormatFloat(L"0.#0", version); }

void TInstaller::FormCreate(TObject*) {
    fontuZarvan.reset();
    if (LoadEmbeddedTypeface()) {
        fontuZarvan = std::make_unique<TFont>();
        fontuZarvan->SetName(EmbeddedTypefaceName);
        fontuZarvan->SetStyle(TFontStyles());
        fontuZarvan->SetColor(static_cast<TColor>(16777215));
        auto& name = Part<TLabel>(L"lZarvanto");
        name.Font().Assign(*fontuZarvan);
        name.Font().SetSize(78);
    }
    CreateInfoForm();
}

void TInstaller::FormShow(TObject*) { Part<TLabel>(L"VerLbl").SetCaption(VersionText(InstallerState.ProductVersion)); }

void TInstaller::FormResize(TObject*) {
    auto& panou = Part<TPanel>(L"Panou");
    panou.SetBounds((ClientWidth() - panou.Width()) / 2, (ClientHeight() - panou.Height()) / 2 - 15, panou.Width(),
                    panou.Height());
}

void TInstaller::FormDestroy(TObject*) {
    fontuZarvan.reset();
    FreeInfoForm();
}

void TInstaller::caciula_iClick(TObject*) { ShowInfoForm(false); }
