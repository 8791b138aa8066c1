// Unpacking the joined component archives into their destinations: program
// files into ProgramDir, the databases into DataDir (an existing database is
// never overwritten, the blank templates are emptied first), the database
// engine under Program Files unless an engine is registered already; then
// deleting the archives.
//
// Errors stop the copy at the component concerned; the components after it
// are not unpacked and the archives are not deleted. They are thrown as
// Exception (ui/platform/sysutils.h): EArchiveError for an archive that is
// missing, damaged or refused and for a destination that cannot be written,
// ERegistryError for an engine setting that cannot be read, EFileError when
// the program directory cannot be made current. The screen lets them reach
// the application's default error report.
#pragma once

#include "install/copy_progress.h"
#include "install/zip_extract.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr wchar_t EngineInitKey[] = L"\\Software\\Borland\\Database Engine\\Settings\\SYSTEM\\INIT";
inline constexpr wchar_t EngineDllPathKey[] = L"\\Software\\Borland\\Database Engine";
inline constexpr wchar_t WindowsVersionKey[] = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

// Unpacks every component that ComponentSets selects for InstallType, in
// catalogue order, from the archives in the program directory (made the
// current directory), then deletes every ZIP file there.
void ExtractComponents(ICopyProgress& progress);

// ProposedProgramDir, without a final backslash, becomes the current
// directory: the joined archives are opened by their bare names.
void MakeProgramDirCurrent();

// Deletes every *.ZIP file directly in ProgramDir; each one that cannot be
// deleted is reported and the rest are still tried.
void DeleteProgramZips(ICopyProgress& progress);

// The major number of an engine version text: the characters before the
// first "." (else the first ","), each taken as a digit ("5.01" gives 5,
// "4,1" gives 4, "" gives 0).
double EngineVersionNumber(std::wstring_view version);

// Deletes the files of the three template directories below `dataDir`
// (NEW\DATA, NEW\FIRMA, NEW\LUNA); what cannot be deleted stays, silently.
void ClearTemplateDirs(const std::wstring& dataDir);

// Where the engine archive goes, or nothing when an engine is registered
// (warning once per check when that engine is older than version 4).
std::optional<std::wstring> EngineDestination(ICopyProgress& progress);

// The unpacking gauge of one archive, in KiB: its maximum is the sum of the
// entries' sizes in whole KiB; the position is the KiB of the finished entries
// plus those of the entry being written.
class TUnzipGauge {
public:
    TUnzipGauge(ICopyProgress& progress, const TZipArchive& archive);
    void Report(const TZipEntry& entry, std::uint64_t written);
    TEntryProgress Callback() {
        return [this](const TZipEntry& entry, std::uint64_t written) { Report(entry, written); };
    }
    std::int64_t ZipSize() const { return FZipSize; }
    std::int64_t ZipProgres() const { return FZipProgres; }

private:
    ICopyProgress& FProgress;
    std::int64_t FZipSize = 0;
    std::int64_t FZipProgres = 0;
    std::int64_t FShown = -1;
};
