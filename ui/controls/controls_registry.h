// Makes the framework's controls known to form definitions.
#pragma once

// windows.h first: it renames RegisterClass, and the registry's member must
// be renamed alike wherever it is declared and called.
#include <windows.h>

#include "ui/controls/button_kinds.h"
#include "ui/platform/form_definition.h"

// Registers the classes of ui/controls and their published properties;
// registering twice changes nothing.
void RegisterControlClasses(TClassRegistry& registry);

// A button kind as a definition writes it: its name ("mkOK") or its number.
TMButtonKind DefKind(const TDefValue& value, const TLoadContext& context);
