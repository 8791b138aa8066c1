// Unpacking ZIP archives into a directory, safely: every stored name is
// checked before anything is written, so an archive naming a place outside
// the destination (or a device, a stream, a path too long for Windows) is
// refused whole. Each file is checked (size and CRC) and given the archive's
// times and attributes; one that replaces an earlier file is written under a
// temporary name beside it and only then moved over it. A failed entry
// leaves the earlier file as it was (or none, where there was none) and no
// temporary file behind. Data streams through one
// buffer: neither the archive nor an entry is held in memory.
//
// Errors are thrown as EArchiveError, whose message names the archive and,
// where one is concerned, the entry.
#pragma once

#include "ui/platform/sysutils.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class EArchiveError : public Exception {
public:
    EArchiveError(std::wstring archive, std::wstring entry, std::wstring reason);
    const std::wstring& Archive() const { return FArchive; }
    const std::wstring& Entry() const { return FEntry; }  // empty when the archive as a whole failed
    const std::wstring& Reason() const { return FReason; }

private:
    std::wstring FArchive, FEntry, FReason;
};

struct TZipEntry {
    std::wstring Name;       // as stored, with forward slashes
    std::uint64_t Size = 0;  // uncompressed
    bool Directory = false;
};

// Reports the bytes of `entry` written so far; the last report of an entry
// carries its full size and comes once the file is in place.
using TEntryProgress = std::function<void(const TZipEntry& entry, std::uint64_t written)>;
// Whether an entry is unpacked; every entry when empty.
using TEntryFilter = std::function<bool(const TZipEntry& entry)>;

class TZipArchive {
public:
    // Opens the archive for reading and lists its entries.
    explicit TZipArchive(const std::wstring& path);
    ~TZipArchive();
    TZipArchive(const TZipArchive&) = delete;
    TZipArchive& operator=(const TZipArchive&) = delete;

    const std::wstring& Path() const;
    const std::vector<TZipEntry>& Entries() const;

    // Writes the entries that `filter` accepts below `destination` (created
    // when missing; empty: the current directory), with their stored
    // sub-directories, over existing files (read-only ones too), in archive
    // order.
    void ExtractTo(const std::wstring& destination, const TEntryProgress& progress = {},
                   const TEntryFilter& filter = {});

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};

// Unpacks the whole of `archive` into `destination`.
void ExtractZip(const std::wstring& archive, const std::wstring& destination, const TEntryProgress& progress = {});
