// Makes the HTML viewer known to form definitions.
#pragma once

// windows.h first: it renames RegisterClass, and the registry's member must
// be renamed alike wherever it is declared and called.
#include <windows.h>

#include "ui/platform/form_definition.h"

// Registers TFrameViewer and its published properties; registering twice changes nothing.
void RegisterHtmlClasses(TClassRegistry& registry);
