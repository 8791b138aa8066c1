#include "app/wizard.h"

#include "app/bootstrap.h"

#include "config/config_screen.h"
#include "config/end_screen.h"
#include "config/engine.h"
#include "core/installer_state.h"
#include "install/copy_screen.h"
#include "install/dirs_screen.h"
#include "install/itype_screen.h"
#include "install/zip_extract.h"
#include "ui/forms/msg_dialog.h"
#include "ui/forms/trace_log.h"
#include "ui/platform/application.h"
#include "ui/platform/sysutils.h"
#include "upgrade/upgrade_library.h"

std::array<TScreenEntry, WizardStepCount> ScreenTable;

namespace {

template <class T>
TScreenEntry ScreenOf() {
    return {[](TComponent* owner) -> TCustomForm* { return NewForm<T>(owner); }, nullptr};
}

const wchar_t ClientQuestion[] =
    L"Baza de date se afla la distanta, pe SERVER.\r______________________________________________\r\r"
    L"Daca nu aveti acces la SERVER pentru a lansa UPGRADE,\r\raveti acum ocazia sa o faceti de pe acest "
    L"calculator.\r\r-Acest mesaj va apare la fiecare instalare de tip CLIENT.\rNu este nevoie sa lansati UPGRADE la "
    L"SERVER decat o singura data.\r________________________________________________\r\rFac UPGRADE la baza de date "
    L"de pe SERVER?\r";

// Shows the step's screen modally and answers its result. The screen is
// freed afterwards, also when showing it throws.
int ShowStep(TScreenEntry& entry) {
    TOwnedPtr<TCustomForm> screen(entry.Create(Application));
    entry.Instance = screen.get();
    struct TForget {
        TScreenEntry& Entry;
        ~TForget() { Entry.Instance = nullptr; }
    } forget{entry};
    const TPoint at = ScreenPlacement(Screen->Width(), Screen->Height(), screen->Width(), screen->Height());
    screen->SetBounds(at.X, at.Y, screen->Width(), screen->Height());
    return screen->ShowModal();
}

// In upgrade mode the wizard starts at the find-installation step, once the
// upgrade library is loaded; without it the program ends.
void StartUpgrade() {
    InstallerState.WizardState = wsFindApp;
    if (LoadUpgradeLibrary()) return;
    InstallerState.WizardState = wsFinish;
    MsgDialog(L"Nu am putut incarca UPGRADE.DLL", L"Program incomplet!", mtError, TextAlignCenter, MsgButton(mbCancel),
              mbCancel, 0);
}

}  // namespace

void InitScreenTable() {
    ScreenTable = {};
    ScreenTable[wsInstallType] = ScreenOf<TIType>();
    ScreenTable[wsDirectories] = ScreenOf<TDirs>();
    ScreenTable[wsCopy] = ScreenOf<TCopy>();
    ScreenTable[wsConfig] = ScreenOf<TConfig>();
    ScreenTable[wsEnd] = ScreenOf<TEndScreen>();
}

TPoint ScreenPlacement(int screenWidth, int screenHeight, int formWidth, int formHeight) {
    return {(screenWidth - formWidth) / 2, ((screenHeight - formHeight) / 9) * 8};
}

std::uint8_t StepAfterResult(std::uint8_t step, int result) {
    switch (result) {
    case ScreenNext: return static_cast<std::uint8_t>(step + 1);
    case ScreenAbandon: return wsFinish;
    case ScreenBack: return static_cast<std::uint8_t>(step - 1);
    default: return step;
    }
}

std::uint8_t ApplyStepRules(std::uint8_t step) {
    if (step == wsUpgradeCopy && AskClientUpgrade()) InstallerState.InstallType = itServer;
    if (step == wsUpgradeData && InstallerState.InstallType == itClient) step = wsEnd;
    if (step == wsUpgradeData + 1) step = wsEnd;
    return step;
}

bool AskClientUpgrade() {
    if (InstallerState.InstallType != itClient) return true;
    MsgPrefix.clear();
    const int answer = MsgDialog(ClientQuestion, L"UPGRADE baza de date SERVER ?", mtConfirmation, TextAlignCenter,
                                 MsgButton(mbYes) | MsgButton(mbNo), mbNo, 0);
    MsgPrefix = L"PENTRU CONTINUARE";
    return answer != mrNo;
}

void PrepareUpgradePackage() {
    const std::wstring package = InstallerState.ExeDir + L"UPGRADE.ZIP";
    if (!InstallerState.UpgradeMode) {
        DeleteFileW(package.c_str());
        return;
    }
    if (FileExists(package)) {
        ExtractZip(package, InstallerState.ExeDir);
        DeleteFileW(package.c_str());
        return;
    }
    if (!FileExists(InstallerState.ExeDir + L"UPGRADE.dll"))
        MsgDialog(L"Nu gasesc Upgrade.zip", L"", mtError, TextAlignCenter, MsgButton(mbOK), mbOK, 0);
}

void RunWizard() {
    TraceBegin(L"RunWizard");
    InstallerState.UpgradeMode = MainAliasExists();
    TraceLine(InstallerState.UpgradeMode ? L"UpgradeMode" : L"Instalare noua");
    Application->ProcessMessages();
    PrepareUpgradePackage();
    ReadDiskCount();
    TraceLine(L"DiskCount=" + std::to_wstring(InstallerState.DiskCount));
    if (InstallerState.UpgradeMode) StartUpgrade();
    while (InstallerState.WizardState != wsFinish) {
        TScreenEntry& entry = ScreenTable.at(InstallerState.WizardState);
        if (!entry.Create) {
            TraceLine(L"Pasul " + std::to_wstring(InstallerState.WizardState) + L" nu are inca ecran");
            InstallerState.WizardState = wsFinish;
            break;
        }
        const int result = ShowStep(entry);
        InstallerState.WizardState = ApplyStepRules(StepAfterResult(InstallerState.WizardState, result));
    }
    TraceEnd(L"RunWizard");
}
