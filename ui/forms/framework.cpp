#include "ui/forms/framework.h"

#include "ui/base/framework_state.h"
#include "ui/controls/controls_registry.h"
#include "ui/forms/form_classes.h"
#include "ui/platform/form_definition.h"

void RegisterFrameworkClasses(TClassRegistry& registry) {
    RegisterControlClasses(registry);
    RegisterFormClasses(registry);
}

void FrameworkStartup() {
    RegisterFrameworkClasses(TClassRegistry::Instance());
    InitFrameworkState();
}

void FrameworkShutdown() { FreeFrameworkState(); }
