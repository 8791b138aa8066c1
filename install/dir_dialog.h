// The directory picker: a drive list and a directory tree; O&K answers the
// directory the tree shows.
#pragma once

#include <optional>
#include <string>

#include "core/wizard_screen.h"

class TDirDialog : public TWizardScreen {
public:
    explicit TDirDialog(TComponent* owner);
    // The directory the tree shows now.
    std::wstring Directory() const;
};

// Shows a new picker modally and frees it; the chosen directory with a final
// backslash when the user pressed O&K, nothing otherwise.
std::optional<std::wstring> PickDirectory();
