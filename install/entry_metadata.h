// The times and attributes an archive entry asks for, read from the fields
// its archiver wrote: DOS or Unix external attributes, the NTFS and extended
// timestamp extra fields, the DOS time.
#pragma once

#include <windows.h>

#include <cstdint>
#include <ctime>
#include <optional>
#include <span>

inline constexpr std::uint16_t NtfsExtraField = 0x000a;
inline constexpr std::uint16_t ExtendedTimestampField = 0x5455;

struct TEntryTimes {
    std::optional<FILETIME> Creation;
    std::optional<FILETIME> LastAccess;
    std::optional<FILETIME> LastWrite;
};

// The entry's times: the NTFS field when present (all three times), else the
// extended timestamp (modification and access time, seconds in UTC), else
// the DOS time, which libzip gives as a time_t of the local time it holds.
TEntryTimes EntryTimes(std::span<const std::uint8_t> ntfsField, std::span<const std::uint8_t> timestampField,
                       std::optional<std::time_t> dosTime);

// Whether the entry is a directory: a stored name ending in "/", or the
// directory flag of the system that made the archive.
bool IsDirectoryEntry(bool nameEndsWithSlash, std::uint8_t madeBy, std::uint32_t externalAttributes);

// The Windows attributes to give the written file or directory. Archives made
// on DOS or Windows keep their read-only, hidden, system and archive flags;
// archives made on Unix give plain files, read-only only when the owner had
// no write permission; other systems give plain files. Directories are never
// made read-only. Never 0: a file without flags is FILE_ATTRIBUTE_NORMAL.
DWORD EntryAttributes(std::uint8_t madeBy, std::uint32_t externalAttributes, bool directory);

FILETIME UnixTimeToFileTime(std::int64_t seconds);
