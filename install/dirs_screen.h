// The second screen of a fresh installation: the program directory and,
// by installation type, the database directory. Continue checks them,
// creates what is missing (one level) and stores ProgramDir and DataDir.
#pragma once

#include "core/wizard_screen.h"

class TDirs : public TWizardScreen {
public:
    explicit TDirs(TComponent* owner);

private:
    void FormCreate(TObject* Sender);
    void BProgramClick(TObject* Sender);
    void BDateClick(TObject* Sender);
    void RDateChange(TObject* Sender);
    void BNextClick(TObject* Sender);
    // The data directory as the type asks it; false when it is not usable.
    bool AcceptDataDir();
    TControl& Part(const wchar_t* name) const;
};

// Whether `path` names an existing directory or one this call created, one
// level only. A relative path is refused: it would land in the working copy's
// folder, not where the user means.
bool EnsureDirectory(const std::wstring& path);
