#include "core/installer_state.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The file names of the components a set selects, in catalogue order.
std::wstring Selected(TInstallType type, const TComponentSetTable& sets) {
    InstallerState.InstallType = type;
    std::wstring names;
    for (std::size_t i = 0; i < ComponentCount; ++i)
        if (IsComponentSelected(i, sets)) names += std::wstring(Components[i].FileName) + L" ";
    return names;
}

}  // namespace

TEST(InstallerState, StartsWithItsInitialValues) {
    InitInstallerState();
    EXPECT_FALSE(InstallerState.ExeDir.empty());
    EXPECT_EQ(InstallerState.ExeDir.back(), L'\\');
    EXPECT_EQ(InstallerState.SourceDir, L"");
    EXPECT_EQ(InstallerState.DiskCount, 1);
    EXPECT_FALSE(InstallerState.UpgradeMode);
    EXPECT_EQ(InstallerState.InstallType, itNone);
    EXPECT_EQ(InstallerState.WizardState, 0);
    for (const auto* dir : {&InstallerState.ProposedProgramDir, &InstallerState.ProgramDir,
                            &InstallerState.ProposedDataDir, &InstallerState.DataDir})
        EXPECT_EQ(*dir, L"C:\\Zarvant");
    EXPECT_FALSE(InstallerState.OldBdeFound);
    EXPECT_DOUBLE_EQ(InstallerState.ProductVersion, 3200877.05);
}

TEST(InstallerState, SelectionPerInstallationType) {
    struct Case {
        TInstallType type;
        const TComponentSetTable* sets;
        std::wstring expected;
    } cases[] = {
        {itNone, &ComponentSets, L""},
        {itLocal, &ComponentSets, L"EXE ORVIST DBDAT DBNEW BDE32 HELP PELDUN "},
        {itServer, &ComponentSets, L"EXE ORVIST DBDAT DBNEW BDE32 HELP PELDUN "},
        {itClient, &ComponentSets, L"EXE ORVIST BDE32 HELP PELDUN "},
        {itNone, &UpgradeComponentSets, L""},
        {itLocal, &UpgradeComponentSets, L"EXE ORVIST DBNEW HELP PELDUN "},
        {itServer, &UpgradeComponentSets, L"EXE ORVIST DBNEW HELP PELDUN "},
        {itClient, &UpgradeComponentSets, L"EXE ORVIST HELP PELDUN "},
        {static_cast<TInstallType>(7), &ComponentSets, L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Selected(c.type, *c.sets), c.expected) << "type " << int(c.type);
    InstallerState.InstallType = itNone;
}
