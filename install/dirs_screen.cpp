#include "install/dirs_screen.h"

#include "core/installer_state.h"
#include "install/dir_dialog.h"
#include "ui/forms/msg_dialog.h"
#include "ui/platform/sysutils.h"

bool EnsureDirectory(const std::wstring& path) {
    if (!IsAbsolutePath(path)) return false;
    return DirectoryExists(path) || CreateDir(path);
}

TDirs::TDirs(TComponent* owner) : TWizardScreen(owner, L"TDirs") {
    RegisterHandler(L"FormCreate", TNotifyEvent([this](TObject* s) { FormCreate(s); }));
    RegisterHandler(L"BProgramClick", TNotifyEvent([this](TObject* s) { BProgramClick(s); }));
    RegisterHandler(L"LProgramClick", TNotifyEvent([this](TObject* s) { BProgramClick(s); }));
    RegisterHandler(L"BDateClick", TNotifyEvent([this](TObject* s) { BDateClick(s); }));
    RegisterHandler(L"LDateClick", TNotifyEvent([this](TObject* s) { BDateClick(s); }));
    RegisterHandler(L"RDateChange", TNotifyEvent([this](TObject* s) { RDateChange(s); }));
    RegisterHandler(L"BNextClick", TNotifyEvent([this](TObject* s) { BNextClick(s); }));
}

TControl& TDirs::Part(const wchar_t* name) const { return dynamic_cast<TControl&>(*FindComponent(name)); }

void TDirs::FormCreate(TObject*) {
    const TInstallType type = InstallerState.InstallType;
    Part(L"RProgram").SetText(InstallerState.ProposedProgramDir);
    if (type == itLocal) {
        for (const wchar_t* name : {L"RDate", L"BDate", L"netmemo", L"LDate"}) Part(name).Hide();
        Part(L"BNext").SetEnabled(true);
    } else if (type == itServer) {
        Part(L"RDate").SetText(InstallerState.ProposedDataDir);
        Part(L"netmemo").Hide();
        Part(L"BNext").SetEnabled(true);
    } else {
        Part(L"RDate").SetText(L"");
        Part(L"netmemo").Show();
        Part(L"BNext").SetEnabled(false);
    }
}

void TDirs::BProgramClick(TObject*) {
    const auto picked = PickDirectory();
    if (!picked) return;
    Part(L"RProgram").SetText(*picked);
    if (InstallerState.InstallType == itLocal) Part(L"RDate").SetText(*picked);
}

void TDirs::BDateClick(TObject*) {
    if (const auto picked = PickDirectory()) Part(L"RDate").SetText(*picked);
}

void TDirs::RDateChange(TObject*) { Part(L"BNext").SetEnabled(true); }

bool TDirs::AcceptDataDir() {
    const std::wstring data = Part(L"RDate").Text();
    switch (InstallerState.InstallType) {
    case itLocal: InstallerState.DataDir = InstallerState.ProgramDir; return true;
    case itServer:
        if (!EnsureDirectory(data)) return false;
        InstallerState.DataDir = data;
        return true;
    default:
        if (IsAbsolutePath(data) && DirectoryExists(data)) {
            InstallerState.DataDir = data;
            return true;
        }
        MsgDialog(L"La instalarea client baza de date trebuie sa existe!", L"Eroare!", mtError, TextAlignCenter,
                  MsgButton(mbCancel), mbCancel, 0);
        return false;
    }
}

// The program directory is created even when the data directory failed; the
// proposals keep what was accepted either way.
void TDirs::BNextClick(TObject*) {
    InstallerState.ProgramDir = Part(L"RProgram").Text();
    bool ok = AcceptDataDir();
    if (!EnsureDirectory(InstallerState.ProgramDir)) ok = false;
    InstallerState.ProposedProgramDir = InstallerState.ProgramDir;
    InstallerState.ProposedDataDir = InstallerState.DataDir;
    if (ok) ModalResult = mrOk;
}
