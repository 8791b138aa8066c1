#include "core/installer_state.h"

#include "ui/platform/sysutils.h"

TInstallerState InstallerState;

void InitInstallerState() {
    InstallerState = TInstallerState{};
    InstallerState.ExeDir = ExtractFilePath(ModuleFileName());
}

bool IsComponentSelected(std::size_t position, const TComponentSetTable& sets) {
    const std::size_t type = InstallerState.InstallType;
    if (type >= sets.size() || position >= ComponentCount) return false;
    return (sets[type] & ComponentBit(position)) != 0;
}
