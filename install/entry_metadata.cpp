#include "install/entry_metadata.h"

#include <zip.h>

namespace {

constexpr std::uint32_t UnixTypeMask = 0170000, UnixDirectory = 0040000, UnixOwnerWrite = 0200;
constexpr DWORD DosKeptFlags =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

bool MadeOnDos(std::uint8_t madeBy) {
    return madeBy == ZIP_OPSYS_DOS || madeBy == ZIP_OPSYS_OS_2 || madeBy == ZIP_OPSYS_WINDOWS_NTFS
           || madeBy == ZIP_OPSYS_VFAT;
}

bool MadeOnUnix(std::uint8_t madeBy) { return madeBy == ZIP_OPSYS_UNIX || madeBy == ZIP_OPSYS_OS_X; }

std::uint16_t Read16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(Read16(bytes, at)) | static_cast<std::uint32_t>(Read16(bytes, at + 2)) << 16;
}

FILETIME Read64Time(std::span<const std::uint8_t> bytes, std::size_t at) {
    return FILETIME{Read32(bytes, at), Read32(bytes, at + 4)};
}

// NTFS field: 4 reserved bytes, then tagged attributes; tag 1 holds the
// modification, access and creation times as FILETIMEs.
std::optional<TEntryTimes> NtfsTimes(std::span<const std::uint8_t> field) {
    for (std::size_t at = 4; at + 4 <= field.size();) {
        const std::uint16_t tag = Read16(field, at), size = Read16(field, at + 2);
        at += 4;
        if (at + size > field.size()) break;
        if (tag == 1 && size >= 24)
            return TEntryTimes{Read64Time(field, at + 16), Read64Time(field, at + 8), Read64Time(field, at)};
        at += size;
    }
    return std::nullopt;
}

// Extended timestamp: a flags byte, then the modification time (bit 0) and
// the access time (bit 1) in seconds since 1970, UTC.
std::optional<TEntryTimes> ExtendedTimes(std::span<const std::uint8_t> field) {
    if (field.empty() || !(field[0] & 1) || field.size() < 5) return std::nullopt;
    TEntryTimes times;
    times.LastWrite = UnixTimeToFileTime(static_cast<std::int32_t>(Read32(field, 1)));
    if ((field[0] & 2) && field.size() >= 9) times.LastAccess = UnixTimeToFileTime(static_cast<std::int32_t>(Read32(field, 5)));
    return times;
}

}  // namespace

FILETIME UnixTimeToFileTime(std::int64_t seconds) {
    const std::uint64_t ticks = static_cast<std::uint64_t>(seconds * 10'000'000 + 116'444'736'000'000'000);
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

TEntryTimes EntryTimes(std::span<const std::uint8_t> ntfsField, std::span<const std::uint8_t> timestampField,
                       std::optional<std::time_t> dosTime) {
    if (auto times = NtfsTimes(ntfsField)) return *times;
    if (auto times = ExtendedTimes(timestampField)) return *times;
    TEntryTimes times;
    if (dosTime) times.LastWrite = UnixTimeToFileTime(*dosTime);
    return times;
}

bool IsDirectoryEntry(bool nameEndsWithSlash, std::uint8_t madeBy, std::uint32_t externalAttributes) {
    if (nameEndsWithSlash) return true;
    if (MadeOnUnix(madeBy)) return (externalAttributes >> 16 & UnixTypeMask) == UnixDirectory;
    return MadeOnDos(madeBy) && (externalAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

DWORD EntryAttributes(std::uint8_t madeBy, std::uint32_t externalAttributes, bool directory) {
    DWORD attributes = 0;
    if (MadeOnDos(madeBy)) {
        attributes = externalAttributes & DosKeptFlags;
    } else if (MadeOnUnix(madeBy)) {
        const std::uint32_t mode = externalAttributes >> 16;
        attributes = directory ? 0 : FILE_ATTRIBUTE_ARCHIVE;
        if (mode != 0 && !(mode & UnixOwnerWrite)) attributes |= FILE_ATTRIBUTE_READONLY;
    } else if (!directory) {
        attributes = FILE_ATTRIBUTE_ARCHIVE;
    }
    if (directory) attributes = (attributes & ~FILE_ATTRIBUTE_READONLY) | FILE_ATTRIBUTE_DIRECTORY;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}
