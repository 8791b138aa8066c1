// The form definitions a program carries (its FORMDEF resources), read from
// the program file as data, so the driver places its clicks by exactly the
// layout the running program was built with.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/platform/form_definition.h"

namespace e2e {

struct TFormDefinition {
    std::wstring ResourceName;  // as the resource compiler stored it (upper case)
    TDefObject Form;
};

// Throws when the file cannot be read as a program or a definition does not parse.
std::vector<TFormDefinition> ReadFormDefinitions(const std::wstring& programPath);

// The caption a definition gives its form: the form's own, else its title bar's.
std::wstring DefinitionCaption(const TDefObject& form);

// The definition with that resource name (any case), or with that caption.
const TFormDefinition* FindDefinitionByName(const std::vector<TFormDefinition>& list, std::wstring_view name);
const TFormDefinition* FindDefinitionByCaption(const std::vector<TFormDefinition>& list, std::wstring_view caption);

}  // namespace e2e
