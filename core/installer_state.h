// The record every screen of the installer shares, and the constant tables of
// what the distribution holds and which installation receives what.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

enum TInstallType : std::uint8_t { itNone = 0, itLocal = 1, itServer = 2, itClient = 3 };

enum TDestType : std::uint8_t {
    dtDatabaseDat = 0,   // DataDir; skipped when a database already exists there
    dtDatabaseNew = 1,   // DataDir, after the template directories were emptied
    dtProgram = 2,       // ProgramDir
    dtProgramFiles = 3,  // the database engine's directory under Program Files
};

struct TCompRecord {
    std::wstring_view FileName;  // archive base name: pieces FileName.1, ..., joined FileName.ZIP
    std::wstring_view CompName;  // shown while the archive is unpacked
    TDestType DestType;
};

constexpr std::size_t ComponentCount = 7;

// Unpacking order is catalogue order.
inline constexpr std::array<TCompRecord, ComponentCount> Components{{
    {L"EXE", L"Fisiere executabile", dtProgram},
    {L"ORVIST", L"Orvist ZARVAN", dtProgram},
    {L"DBDAT", L"ZARVAN: baza de date si exemple", dtDatabaseDat},
    {L"DBNEW", L"ZARVAN: baza de date martor", dtDatabaseNew},
    {L"BDE32", L"Borland Database Engine", dtProgramFiles},
    {L"HELP", L"Help Zarvanto", dtProgram},
    {L"PELDUN", L"Peldun ZARVAN", dtProgram},
}};

// A set of catalogue positions: bit n stands for position n.
using TComponentSet = std::uint8_t;
using TComponentSetTable = std::array<TComponentSet, 4>;  // indexed by TInstallType

constexpr TComponentSet ComponentBit(std::size_t position) {
    return static_cast<TComponentSet>(1u << position);
}

namespace component_sets_detail {
constexpr TComponentSet All = 0x7F;
constexpr TComponentSet Database = ComponentBit(2) | ComponentBit(3);  // DBDAT, DBNEW
}  // namespace component_sets_detail

// What a fresh installation receives per installation type.
inline constexpr TComponentSetTable ComponentSets{
    0,
    component_sets_detail::All,
    component_sets_detail::All,
    static_cast<TComponentSet>(component_sets_detail::All & ~component_sets_detail::Database),
};

// What an upgrade refreshes: never the sample database, and a client never
// the blank templates either.
inline constexpr TComponentSetTable UpgradeComponentSets{
    0,
    static_cast<TComponentSet>(component_sets_detail::All & ~(ComponentBit(2) | ComponentBit(4))),
    static_cast<TComponentSet>(component_sets_detail::All & ~(ComponentBit(2) | ComponentBit(4))),
    static_cast<TComponentSet>(component_sets_detail::All & ~(component_sets_detail::Database | ComponentBit(4))),
};

// The suite's database aliases: alias i names DataDir joined with AliasSubdirs[i].
inline constexpr std::array<std::wstring_view, 4> AliasNames{L"ZARVANALIAS", L"FIRMAALIAS", L"LUNAALIAS",
                                                             L"ZARVAN"};
inline constexpr std::array<std::wstring_view, 4> AliasSubdirs{L"NEW\\DATA", L"NEW\\FIRMA", L"NEW\\LUNA",
                                                               L"DATA"};

// The wizard's steps, an index into its screen table: Next adds one, Back
// subtracts one.
enum TWizardStep : std::uint8_t {
    wsInstallType = 0, wsDirectories = 1, wsCopy = 2, wsConfig = 3, wsEnd = 4, wsFinish = 5,
    wsFindApp = 6, wsUpgradeCopy = 7, wsUpgradeData = 8,
};
inline constexpr std::size_t WizardStepCount = 9;

struct TInstallerState {
    std::wstring ExeDir;      // directory of the running copy, with a trailing backslash
    std::wstring SourceDir;   // distribution directory, without a trailing backslash
    std::int32_t DiskCount = 1;
    bool UpgradeMode = false;
    TInstallType InstallType = itNone;
    std::uint8_t WizardState = 0;
    std::wstring ProposedProgramDir = L"C:\\Zarvant";
    std::wstring ProgramDir = L"C:\\Zarvant";
    std::wstring ProposedDataDir = L"C:\\Zarvant";
    std::wstring DataDir = L"C:\\Zarvant";
    bool OldBdeFound = false;
    double ProductVersion = 3200877.05;
};

extern TInstallerState InstallerState;

// Puts the record back to its initial values, ExeDir computed from the
// running program. Runs once before any window exists.
void InitInstallerState();

// True when the component at `position` belongs to the set that `sets` gives
// the current installation type. Unknown types select nothing.
bool IsComponentSelected(std::size_t position, const TComponentSetTable& sets);
