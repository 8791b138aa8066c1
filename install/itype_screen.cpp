#include "install/itype_screen.h"

#include "core/installer_state.h"
#include "ui/controls/radio_group.h"
#include "ui/platform/std_controls.h"

namespace {

TMRadioGroup& Choices(const TIType& screen) { return dynamic_cast<TMRadioGroup&>(*screen.FindComponent(L"IType")); }
TControl& NextButton(const TIType& screen) { return dynamic_cast<TControl&>(*screen.FindComponent(L"BNext")); }

}  // namespace

TIType::TIType(TComponent* owner) : TWizardScreen(owner, L"TIType") {
    RegisterHandler(L"FormCreate", TNotifyEvent([this](TObject* s) { FormCreate(s); }));
    RegisterHandler(L"FormShow", TNotifyEvent([this](TObject* s) { FormShow(s); }));
    RegisterHandler(L"ITypeModify", TModifyEvent([this](TObject* s, bool& can) { ITypeModify(s, can); }));
    RegisterHandler(L"BNextClick", TNotifyEvent([this](TObject* s) { BNextClick(s); }));
}

// A return visit shows the earlier choice, with Continue enabled.
void TIType::FormCreate(TObject*) {
    NextButton(*this).SetEnabled(InstallerState.InstallType != itNone);
    Choices(*this).SetItemIndex(static_cast<int>(InstallerState.InstallType) - 1);
    FirstTime = true;
}

void TIType::FormShow(TObject*) {
    if (!FirstTime) return;
    BringToFront();
    FirstTime = false;
}

void TIType::ITypeModify(TObject*, bool& CanModify) {
    CanModify = true;
    NextButton(*this).SetEnabled(true);
}

void TIType::BNextClick(TObject*) {
    InstallerState.InstallType = static_cast<TInstallType>(Choices(*this).ItemIndex() + 1);
}
