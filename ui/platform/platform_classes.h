// Helpers for registering the library's classes with the definition reader.
#pragma once

#include "ui/platform/ext_controls.h"

class TClassRegistry;
struct TDefValue;
struct TLoadContext;

// Property values that several classes share.
TColor DefColor(const TDefValue& value, const TLoadContext& context);
TFontStyles DefFontStyles(const TDefValue& value, const TLoadContext& context);
TAlignment DefAlignment(const TDefValue& value, const TLoadContext& context);
// A modal result: a number or its name (mrOk, mrCancel, ...).
int DefModalResult(const TDefValue& value, const TLoadContext& context);
// bsNone or bsSingle, as edits, panels and gauges take them.
TBorderStyle DefBorderStyle(const TDefValue& value, const TLoadContext& context);
TBevelCut DefBevelCut(const TDefValue& value, const TLoadContext& context);

// The standard controls (labels, edits, buttons, panels, ...).
void RegisterStandardControlClasses(TClassRegistry& registry);

// Pictures (TImage).
void RegisterImageControl(TClassRegistry& registry);

// Edits, memos and combo boxes; panels, bevels, gauges and timers; page
// controls and tab sheets; drive combo boxes and directory lists.
void RegisterEditControls(TClassRegistry& registry);
void RegisterExtControls(TClassRegistry& registry);
void RegisterPageControl(TClassRegistry& registry);
void RegisterFileControls(TClassRegistry& registry);
