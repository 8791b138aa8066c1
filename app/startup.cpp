#include "app/startup.h"

#include "app/embedded_font.h"
#include "app/wizard.h"
#include "config/engine.h"
#include "core/wizard_screen.h"
#include "info/info_form.h"
#include "ui/forms/framework.h"
#include "ui/html/html_registry.h"
#include "ui/platform/application.h"
#include "ui/platform/form_definition.h"
#include "upgrade/upgrade_library.h"

void StartProgram() {
    FrameworkStartup();
    RegisterHtmlClasses(TClassRegistry::Instance());
    InitScreenTable();
    ShowInstructions = [] { ShowInfoForm(false); };
}

// The application's forms go first, while the framework still stands.
void StopProgram() {
    Application->FreeForms();
    ShowInstructions = nullptr;
    EngineDone();
    FreeUpgradeLibrary();
    FreeEmbeddedTypeface();
    FrameworkShutdown();
}
