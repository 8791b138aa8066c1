// Writes ZIP archives byte by byte for the tests, so that an archive can say
// anything: hostile names, another system's attributes, extra fields, a
// wrong CRC or data cut short.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

inline constexpr std::uint8_t MadeOnDos = 0, MadeOnUnix = 3, MadeOnNtfs = 10;

// One entry, described by chaining: Entry("a.txt", "data").Stored().MadeBy(...).
struct TZipEntrySpec {
    std::string Name;  // stored bytes (UTF-8)
    std::string Data;
    bool Deflate = true;
    std::uint8_t System = MadeOnDos;            // high byte of "version made by"
    std::uint32_t External = 0x20;              // FILE_ATTRIBUTE_ARCHIVE
    std::uint16_t DosTime = 10 << 11;           // 10:00:00
    std::uint16_t DosDate = (46 << 9) | (11 << 5) | 2;  // 2026-11-02
    std::string Extra;                          // the same extra fields in both headers
    std::optional<std::uint32_t> Crc;           // a wrong CRC when set
    std::optional<std::size_t> KeepDataBytes;   // stored data cut to this many bytes

    TZipEntrySpec& Stored() { Deflate = false; return *this; }
    TZipEntrySpec& MadeBy(std::uint8_t system, std::uint32_t external) { System = system; External = external; return *this; }
    TZipEntrySpec& WithExtra(std::string extra) { Extra = std::move(extra); return *this; }
    TZipEntrySpec& WithCrc(std::uint32_t crc) { Crc = crc; return *this; }
    TZipEntrySpec& CutData(std::size_t keep) { KeepDataBytes = keep; return *this; }
};

inline TZipEntrySpec Entry(std::string name, std::string data = {}) {
    TZipEntrySpec entry;
    entry.Name = std::move(name);
    entry.Data = std::move(data);
    return entry;
}

std::string MakeZip(const std::vector<TZipEntrySpec>& entries);
void WriteZip(const std::wstring& path, const std::vector<TZipEntrySpec>& entries);

// Extra fields.
std::string NtfsTimesExtra(std::uint64_t modified, std::uint64_t accessed, std::uint64_t created);
std::string TimestampExtra(std::uint32_t modifiedUnixTime);

// Content that deflates partly, like real program files.
std::string SampleContent(std::size_t size, unsigned seed);
