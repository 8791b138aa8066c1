// Makes the framework's controls known to form definitions.
#pragma once

// windows.h first: it renames RegisterClass, and the registry's member must
// be renamed alike wherever it is declared and called.
#include <windows.h>

#include "ui/controls/button_kinds.h"
#include "ui/platform/form_definition.h"
#include "ui/platform/graphics/bitmap.h"

// Registers the classes of ui/controls and their published properties;
// registering twice changes nothing.
void RegisterControlClasses(TClassRegistry& registry);

// A button kind as a definition writes it: its name ("mkOK") or its number.
TMButtonKind DefKind(const TDefValue& value, const TLoadContext& context);

// A glyph as a definition names it: a picture of the image container, else
// the program's PICTURE resource of that name; an empty name, no glyph.
TBitmap DefGlyph(const TDefValue& value);

// The active family (label, edit, memo, combo box) and the check boxes,
// radio buttons and radio groups.
void RegisterActiveControls(TClassRegistry& registry);
void RegisterCheckControls(TClassRegistry& registry);
