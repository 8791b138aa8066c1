#include "config/end_screen.h"

#include "core/installer_state.h"

TEndScreen::TEndScreen(TComponent* owner) : TWizardScreen(owner, L"TEndScreen", true) {
    RegisterHandler(L"FormCreate", TNotifyEvent([](TObject*) { InstallerState.WizardState = wsEnd; }));
}
