#include "upgrade/upgrade_library.h"

#include "ui/platform/sysutils.h"

#include <algorithm>
#include <array>
#include <cstdint>

HMODULE UpgradeLibraryHandle = nullptr;

namespace {

struct TUpgradeEntryPoints {
    TGetAliasPathProc GetAliasPath = nullptr;
    TUpgradeStepProc DoStructureUpgrade = nullptr;
    TUpgradeStepProc DoListUpgrade = nullptr;
    TSetReportProcProc SetReportProc = nullptr;
    TUpgradeStepProc DoConstUpgrade = nullptr;
    TSetQuickVerifProc SetQuickVerif = nullptr;
    TGetSemaforOKProc GetSemaforOK = nullptr;
};

TUpgradeEntryPoints Bound;

bool BindAll(HMODULE module, TUpgradeEntryPoints& entry) {
    return BindProcAddress(module, "GetAliasPath", entry.GetAliasPath)
           && BindProcAddress(module, "DoStructureUpgrade", entry.DoStructureUpgrade)
           && BindProcAddress(module, "DoListUpgrade", entry.DoListUpgrade)
           && BindProcAddress(module, "SetReportProc", entry.SetReportProc)
           && BindProcAddress(module, "DoConstUpgrade", entry.DoConstUpgrade)
           && BindProcAddress(module, "SetQuickVerif", entry.SetQuickVerif)
           && BindProcAddress(module, "GetSemaforOK", entry.GetSemaforOK);
}

// Unloads the library when the program ends.
struct TUpgradeLibraryUnloader {
    ~TUpgradeLibraryUnloader() { FreeUpgradeLibrary(); }
} UpgradeLibraryUnloader;

}  // namespace

bool LoadUpgradeLibrary() { return LoadUpgradeLibrary(ExtractFilePath(ModuleFileName())); }

bool LoadUpgradeLibrary(std::wstring_view directory) {
    if (UpgradeLibraryHandle) return true;
    const std::wstring path = IncludeTrailingBackslash(directory) + UpgradeLibraryName;
    if (path.size() > MaxUpgradeLibraryPath) return false;
    const HMODULE module = LoadLibraryW(path.c_str());
    if (reinterpret_cast<std::uintptr_t>(module) < 32) return false;
    TUpgradeEntryPoints entry;
    if (!BindAll(module, entry)) {
        FreeLibrary(module);
        return false;
    }
    Bound = entry;
    UpgradeLibraryHandle = module;
    return true;
}

void FreeUpgradeLibrary() {
    if (!UpgradeLibraryHandle) return;
    Bound = TUpgradeEntryPoints{};
    FreeLibrary(UpgradeLibraryHandle);
    UpgradeLibraryHandle = nullptr;
}

void GetAliasPath(std::wstring& aliasOrPath) {
    std::array<wchar_t, AliasPathBufferChars> buffer{};
    static_assert(sizeof buffer == 514);
    if (!Bound.GetAliasPath || aliasOrPath.size() > AliasPathMaxLength) {
        aliasOrPath.clear();
        return;
    }
    std::copy(aliasOrPath.begin(), aliasOrPath.end(), buffer.begin());
    Bound.GetAliasPath(buffer.data());
    aliasOrPath.assign(buffer.data(), std::find(buffer.begin(), buffer.end(), L'\0'));
}

void SetReportProc(TUpgradeReportProc report) {
    if (Bound.SetReportProc) Bound.SetReportProc(report);
}

std::int32_t DoStructureUpgrade() { return Bound.DoStructureUpgrade ? Bound.DoStructureUpgrade() : 0; }
std::int32_t DoListUpgrade() { return Bound.DoListUpgrade ? Bound.DoListUpgrade() : 0; }
std::int32_t DoConstUpgrade() { return Bound.DoConstUpgrade ? Bound.DoConstUpgrade() : 0; }

bool GetSemaforOK(std::int32_t stepResult) {
    return Bound.GetSemaforOK && Bound.GetSemaforOK(stepResult) != FALSE;
}

void SetQuickVerif(bool quick) {
    if (Bound.SetQuickVerif) Bound.SetQuickVerif(quick ? TRUE : FALSE);
}
