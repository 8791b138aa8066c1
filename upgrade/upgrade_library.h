// The suite's upgrade library, loaded from the installer's directory in
// upgrade mode and kept until the program ends, and the program's calls into
// its seven entry points.
#pragma once

#include "upgrade/upgrade_api.h"

#include <cstdint>
#include <string>
#include <string_view>

// Module handle of the loaded library; 0 when none is loaded.
extern HMODULE UpgradeLibraryHandle;

inline constexpr std::size_t MaxUpgradeLibraryPath = 254;

// Loads UPGRADE.DLL from the running program's directory.
bool LoadUpgradeLibrary();
// Loads `directory` + "UPGRADE.DLL" and binds the seven entry points. A path
// longer than 254 characters is refused without trying; a library lacking any
// entry point is unloaded again and refused.
bool LoadUpgradeLibrary(std::wstring_view directory);
// Unloads the library; also runs by itself when the program ends.
void FreeUpgradeLibrary();

// Replaces the alias name held by `aliasOrPath` with the alias's directory.
// Empty when no library is loaded or the name is longer than 256 characters.
void GetAliasPath(std::wstring& aliasOrPath);

// With no library loaded these do nothing; the steps then give 0 and
// GetSemaforOK false.
void SetReportProc(TUpgradeReportProc report);
std::int32_t DoStructureUpgrade();
std::int32_t DoListUpgrade();
std::int32_t DoConstUpgrade();
bool GetSemaforOK(std::int32_t stepResult);
void SetQuickVerif(bool quick);
