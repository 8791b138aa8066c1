#include "install/component_extraction.h"

#include "core/installer_state.h"
#include "install/file_system.h"
#include "ui/platform/registry.h"
#include "ui/platform/sysutils.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <limits>

namespace {

constexpr std::array<std::wstring_view, 3> TemplateDirs{L"NEW\\DATA\\", L"NEW\\FIRMA\\", L"NEW\\LUNA\\"};

bool IsOptionalArchive(const std::wstring& archive) {
    const std::wstring upper = AsciiUpperCase(archive);
    return upper == L"ORVIST.ZIP" || upper == L"PELDUN.ZIP";
}

bool DatabaseExists(const std::wstring& dataDir) {
    return FileExists(dataDir + L"DATA\\FIRME.DB") || FileExists(dataDir + L"DATA\\OPERATOR.DB");
}

std::wstring& DataDirWithBackslash() {
    std::wstring& dataDir = InstallerState.DataDir;
    if (!dataDir.empty() && dataDir.back() != L'\\') dataDir += L'\\';
    return dataDir;
}

bool HasZipExtension(std::wstring_view name) {
    return name.size() > 4 && SameTextAscii(name.substr(name.size() - 4), L".ZIP");
}

std::int64_t KiB(std::uint64_t bytes) { return static_cast<std::int64_t>(bytes >> 10); }

// A VERSION value that is not text reads as an unknown, so older, engine.
std::wstring ReadVersion(const TRegistry& key) {
    try {
        return key.ReadString(L"VERSION");
    } catch (const ERegistryError&) {
        return {};
    }
}

// Makes pf\Borland\Common Files\BDE one level at a time; failures show when
// the archive is unpacked there.
std::wstring NewEngineDirectory() {
    TRegistry windows(HKEY_LOCAL_MACHINE, KEY_READ);
    windows.OpenKeyReadOnly(WindowsVersionKey);
    std::wstring directory = ExcludeTrailingBackslash(windows.ReadString(L"ProgramFilesDir"));
    for (const wchar_t* level : {L"\\Borland", L"\\Common Files", L"\\BDE"}) {
        directory += level;
        if (!DirectoryExists(directory)) CreateDirectoryW(directory.c_str(), nullptr);
    }
    return directory;
}

std::optional<std::wstring> Destination(const TCompRecord& component, ICopyProgress& progress) {
    switch (component.DestType) {
    case dtProgram: return InstallerState.ProgramDir;
    case dtDatabaseNew: ClearTemplateDirs(DataDirWithBackslash()); return InstallerState.DataDir;
    case dtDatabaseDat:
        if (DatabaseExists(DataDirWithBackslash())) return std::nullopt;
        return InstallerState.DataDir;
    case dtProgramFiles: return EngineDestination(progress);
    }
    return std::nullopt;
}

void ExtractComponent(const TCompRecord& component, ICopyProgress& progress) {
    progress.ShowStatus(std::wstring(component.CompName));
    const std::wstring archive = std::wstring(component.FileName) + L".ZIP";
    if (!FileExists(archive) && IsOptionalArchive(archive)) return;
    const std::optional<std::wstring> destination = Destination(component, progress);
    if (!destination) return;
    TZipArchive zip(archive);
    TUnzipGauge gauge(progress, zip);
    zip.ExtractTo(*destination, gauge.Callback());
    if (component.DestType == dtProgram) progress.OfferInfoPage();
}

}  // namespace

TUnzipGauge::TUnzipGauge(ICopyProgress& progress, const TZipArchive& archive) : FProgress(progress) {
    std::uint64_t total = 0;
    for (const TZipEntry& entry : archive.Entries()) total += entry.Size >> 10;
    FZipSize = static_cast<std::int64_t>(std::min<std::uint64_t>(total, std::numeric_limits<std::int64_t>::max()));
    FProgress.SetUnzipGauge(FZipSize, 0);
    FShown = 0;
}

void TUnzipGauge::Report(const TZipEntry& entry, std::uint64_t written) {
    const std::int64_t position = std::min(KiB(written) + FZipProgres, FZipSize);
    if (written == entry.Size) FZipProgres += KiB(entry.Size);
    if (position == FShown) return;
    FShown = position;
    FProgress.SetUnzipGauge(FZipSize, position);
}

double EngineVersionNumber(std::wstring_view version) {
    std::size_t separator = version.find(L'.');
    if (separator == std::wstring_view::npos) separator = version.find(L',');
    double number = 0;
    for (wchar_t c : version.substr(0, separator)) number = number * 10 + (static_cast<int>(c) - 48);
    return number;
}

void ClearTemplateDirs(const std::wstring& dataDir) {
    const std::wstring base = IncludeTrailingBackslash(dataDir);
    for (std::wstring_view sub : TemplateDirs) {
        const std::wstring dir = base + std::wstring(sub);
        for (const TDirectoryEntry& entry : ListDirectory(dir + L"*.*"))
            if (!entry.IsDirectory()) DeleteFileW((dir + entry.Name).c_str());
    }
}

std::optional<std::wstring> EngineDestination(ICopyProgress& progress) {
    TRegistry engine(HKEY_LOCAL_MACHINE, KEY_READ);
    if (engine.OpenKeyReadOnly(EngineInitKey)) {
        if (engine.ValueExists(L"VERSION")) {
            const std::wstring version = ReadVersion(engine);
            if (version != L"4.0" && EngineVersionNumber(version) < 4) InstallerState.OldBdeFound = true;
        }
        if (InstallerState.OldBdeFound) progress.WarnOlderEngine();
        return std::nullopt;
    }
    if (InstallerState.OldBdeFound) {
        engine.OpenKeyReadOnly(EngineDllPathKey);
        return engine.ReadString(L"DLLPATH");
    }
    return NewEngineDirectory();
}

void MakeProgramDirCurrent() {
    const std::wstring dir = ExcludeTrailingBackslash(InstallerState.ProposedProgramDir);
    if (!SetCurrentDirectoryW(dir.c_str()))
        throw EFileError(L"Nu pot face directorul curent " + dir, GetLastError());
}

void DeleteProgramZips(ICopyProgress& progress) {
    const std::wstring dir = ExcludeTrailingBackslash(InstallerState.ProgramDir);
    for (const TDirectoryEntry& entry : ListDirectory(dir + L"\\*.ZIP")) {
        // The wildcard also matches through short names ("A.ZIPX" as "A~1.ZIP").
        if (entry.IsDirectory() || !HasZipExtension(entry.Name)) continue;
        const std::wstring path = dir + L"\\" + entry.Name;
        if (!DeleteFileW(path.c_str())) progress.ReportUndeletable(path);
    }
}

void ExtractComponents(ICopyProgress& progress) {
    MakeProgramDirCurrent();
    for (std::size_t position = 0; position < Components.size(); ++position)
        if (IsComponentSelected(position, ComponentSets) && !Components[position].FileName.empty())
            ExtractComponent(Components[position], progress);
    DeleteProgramZips(progress);
}
