#include "install/archive_assembly.h"

#include "install/file_system.h"
#include "ui/platform/sysutils.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <tuple>

namespace {

std::wstring_view BaseName(std::wstring_view name) { return name.substr(0, name.find(L'.')); }

std::wstring_view Extension(std::wstring_view name) {
    const auto point = name.rfind(L'.');
    return point == std::wstring_view::npos ? std::wstring_view() : name.substr(point);
}

// The piece number of a name whose extension is all digits; names with other
// extensions sort after the numbered pieces of their component.
struct TPieceKey {
    std::wstring Component;
    bool Numbered = false;
    std::uint64_t Number = 0;
    std::wstring UpperName;
    std::wstring_view Name;  // last, so that the order is the same on every run

    explicit TPieceKey(std::wstring_view name)
        : Component(AsciiUpperCase(BaseName(name))), UpperName(AsciiUpperCase(name)), Name(name) {
        const std::wstring_view digits = Extension(name).substr(1);
        Numbered = !digits.empty() && digits.size() <= 18
                   && std::all_of(digits.begin(), digits.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
        if (Numbered)
            for (wchar_t c : digits) Number = Number * 10 + static_cast<std::uint64_t>(c - L'0');
    }
    bool operator<(const TPieceKey& other) const {
        return std::tie(Component, other.Numbered, Number, UpperName, Name)
               < std::tie(other.Component, Numbered, other.Number, other.UpperName, other.Name);
    }
};

bool IsRemovableDrive(std::wstring_view path) {
    return GetDriveTypeW(PathRoot(path).c_str()) == DRIVE_REMOVABLE;
}

std::vector<std::wstring> PiecesOnDisk(const TComponentSetTable& sets) {
    std::vector<std::wstring> pieces;
    for (const TDirectoryEntry& entry : ListDirectory(InstallerState.SourceDir + L"\\*.*"))
        if (!entry.IsDirectory() && IsArchivePiece(entry.Name, sets)) pieces.push_back(entry.Name);
    return JoinOrder(std::move(pieces));
}

// One copy buffer for a whole assembly: a fresh block of this size per piece
// would cost its page faults again every time.
class TPieceJoiner {
public:
    TPieceJoiner() : FBuffer(std::make_unique_for_overwrite<std::uint8_t[]>(PieceCopyBlock)) {}
    void Join(ICopyProgress& progress, const std::wstring& name) const;

private:
    void CopyRest(HANDLE source, HANDLE target) const;
    std::unique_ptr<std::uint8_t[]> FBuffer;
};

void TPieceJoiner::CopyRest(HANDLE source, HANDLE target) const {
    for (;;) {
        DWORD read = 0, written = 0;
        if (!ReadFile(source, FBuffer.get(), static_cast<DWORD>(PieceCopyBlock), &read, nullptr)) return;
        if (read > 0 && (!WriteFile(target, FBuffer.get(), read, &written, nullptr) || written != read)) return;
        if (read < PieceCopyBlock) return;
    }
}

void TPieceJoiner::Join(ICopyProgress& progress, const std::wstring& name) const {
    progress.ShowStatus(name);
    const std::wstring source = InstallerState.SourceDir + L"\\" + name;
    const std::wstring target = JoinPath(InstallerState.ProposedProgramDir, std::wstring(BaseName(name)) + L".ZIP");
    TFileHandle input(CreateFileW(source.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!input.IsOpen()) return;
    const bool first = Extension(name) == L".1";
    TFileHandle output(CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   first ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!output.IsOpen()) return;
    if (!first && SetFilePointer(output.Get(), 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER
        && GetLastError() != NO_ERROR)
        return;
    CopyRest(input.Get(), output.Get());
}

}  // namespace

bool IsArchivePiece(std::wstring_view name, const TComponentSetTable& sets) {
    const std::wstring_view extension = Extension(name);
    if (extension.empty() || extension.back() < L'0' || extension.back() > L'9') return false;
    const std::wstring base = AsciiUpperCase(BaseName(name));
    for (std::size_t position = 0; position < Components.size(); ++position)
        if (!Components[position].FileName.empty() && Components[position].FileName == base)
            return IsComponentSelected(position, sets);
    return false;
}

std::vector<std::wstring> JoinOrder(std::vector<std::wstring> pieces) {
    std::sort(pieces.begin(), pieces.end(),
              [](const std::wstring& a, const std::wstring& b) { return TPieceKey(a) < TPieceKey(b); });
    pieces.erase(std::unique(pieces.begin(), pieces.end(),
                             [](const std::wstring& a, const std::wstring& b) { return SameTextAscii(a, b); }),
                 pieces.end());
    return pieces;
}

bool DiskPrompt(ICopyProgress& progress, std::int32_t n) {
    const std::wstring marker = InstallerState.SourceDir + L"\\DISK" + std::to_wstring(n);
    while (!FileExists(marker))
        if (!progress.AskForDisk(n)) return false;
    return true;
}

void JoinPiece(ICopyProgress& progress, const std::wstring& name) { TPieceJoiner().Join(progress, name); }

bool AssembleArchives(ICopyProgress& progress, const TComponentSetTable& sets) {
    progress.ShowStatus(AssemblyStatus);
    TInstallerState& state = InstallerState;
    if (!IsRemovableDrive(state.SourceDir)) state.DiskCount = 1;
    const std::int32_t disks = std::max(state.DiskCount, 0);
    progress.SetDiskGauge(disks, 0);
    state.SourceDir = ExcludeTrailingBackslash(state.SourceDir);
    const TPieceJoiner joiner;
    for (std::int32_t n = 1; n <= disks; ++n) {
        if (!DiskPrompt(progress, n)) return false;
        progress.SetDiskGauge(disks, n);
        for (const std::wstring& piece : PiecesOnDisk(sets)) joiner.Join(progress, piece);
    }
    return true;
}
