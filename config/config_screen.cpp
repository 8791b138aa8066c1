#include "config/config_screen.h"

#include "config/engine_setup.h"
#include "config/helper_tools.h"
#include "config/program_group.h"
#include "core/installer_state.h"
#include "core/step_panel.h"
#include "ui/platform/ext_controls.h"

namespace {

TPanel& StepPanel(const TCustomForm& form, const wchar_t* name) { return dynamic_cast<TPanel&>(*form.FindComponent(name)); }

}  // namespace

TConfig::TConfig(TComponent* owner) : TWizardScreen(owner, L"TConfig", true) {
    RegisterHandler(L"FormCreate", TNotifyEvent([this](TObject* s) { FormCreate(s); }));
    RegisterHandler(L"BNextClick", TNotifyEvent([this](TObject* s) { BNextClick(s); }));
}

void TConfig::FormCreate(TObject*) {
    InstallerState.WizardState = wsConfig;
    for (const wchar_t* name : {L"BBDE", L"BCFGSYS", L"BGROUP"}) SetStepPending(StepPanel(*this, name));
}

// An error of the engine step (a missing or read-only registry script, say)
// reaches the default error report: the later steps do not run and
// Continue stays disabled.
void TConfig::BNextClick(TObject*) {
    auto& next = dynamic_cast<TControl&>(*FindComponent(L"BNext"));
    next.SetEnabled(false);
    DoConfigBDE();
    SetStepDone(StepPanel(*this, L"BBDE"));
    DoConfigConfigSys();
    SetStepDone(StepPanel(*this, L"BCFGSYS"));
    DoConfigGroup();
    SetStepDone(StepPanel(*this, L"BGROUP"));
    ModalResult = mrOk;
    next.SetEnabled(true);
}
