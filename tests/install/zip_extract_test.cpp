#include "install/entry_metadata.h"
#include "install/file_system.h"
#include "install/zip_extract.h"

#include "tests/install/install_support.h"
#include "tests/install/zip_writer.h"
#include "ui/platform/sysutils.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using TFiles = std::map<std::wstring, std::string>;

std::uint64_t Ticks(const FILETIME& t) { return static_cast<std::uint64_t>(t.dwHighDateTime) << 32 | t.dwLowDateTime; }

WIN32_FILE_ATTRIBUTE_DATA FileData(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    EXPECT_TRUE(GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) << WideToUtf8(path);
    return data;
}

// 2026-11-02 10:00:00 local time, the writer's default DOS time, in UTC.
std::uint64_t DefaultDosTimeTicks() {
    const SYSTEMTIME local{2026, 11, 0, 2, 10, 0, 0, 0};
    SYSTEMTIME utc;
    FILETIME result;
    TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc);
    SystemTimeToFileTime(&utc, &result);
    return Ticks(result);
}

// Wine keeps no creation time of its own on Linux file systems.
bool KeepsCreationTimes(const std::wstring& probe) {
    WriteText(probe, "");
    HANDLE file = CreateFileW(probe.c_str(), FILE_WRITE_ATTRIBUTES | FILE_READ_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    const FILETIME old{0x12345678, 0x01c00000};
    FILETIME read{};
    SetFileTime(file, &old, nullptr, nullptr);
    GetFileTime(file, &read, nullptr, nullptr);
    CloseHandle(file);
    DeleteFileW(probe.c_str());
    return Ticks(read) == Ticks(old);
}

bool HasTemporaryFile(const TFiles& files) {
    return std::any_of(files.begin(), files.end(), [](const auto& f) {
        return ExtractFileName(f.first).starts_with(L"~zv") && f.first.ends_with(L".tmp");
    });
}

class ZipExtract : public ::testing::Test {
protected:
    TempDir Root;
    std::wstring Archive = Root / L"ARHIVA.ZIP";
    std::wstring Destination = Root / L"dest";
};

TEST_F(ZipExtract, WritesTheTreeOverExistingFilesWithProgressPerEntry) {
    const std::string big = SampleContent(3'500'000, 1);
    WriteZip(Archive, {Entry("PROG/").Stored().MadeBy(MadeOnDos, 0x10), Entry("PROG/A.EXE", big),
                       Entry("PROG/sub/b.txt", "new b"), Entry("empty.txt").Stored(),
                       Entry("stored.txt", "stored as it is").Stored()});
    WriteFiles(Destination, {{L"PROG\\sub\\b.txt", "old b"}, {L"keep.txt", "not in the archive"}});
    SetFileAttributesW((Destination + L"\\PROG\\sub\\b.txt").c_str(), FILE_ATTRIBUTE_READONLY);

    std::map<std::wstring, std::vector<std::uint64_t>> reports;
    TZipArchive zip(Archive);
    zip.ExtractTo(Destination,
                  [&](const TZipEntry& entry, std::uint64_t written) { reports[entry.Name].push_back(written); });

    const TFiles files = TreeFiles(Destination);
    EXPECT_EQ(files, (TFiles{{L"PROG\\A.EXE", big}, {L"PROG\\sub\\b.txt", "new b"}, {L"empty.txt", ""},
                             {L"stored.txt", "stored as it is"}, {L"keep.txt", "not in the archive"}}));
    for (const TZipEntry& entry : zip.Entries()) {
        const auto& calls = reports[entry.Name];
        ASSERT_FALSE(calls.empty()) << WideToUtf8(entry.Name);
        EXPECT_EQ(calls.back(), entry.Size) << WideToUtf8(entry.Name);
        EXPECT_TRUE(std::is_sorted(calls.begin(), calls.end()));
        EXPECT_EQ(std::count(calls.begin(), calls.end(), entry.Size), 1) << "one last report";
    }
    EXPECT_GE(reports[L"PROG/A.EXE"].size(), 3u) << "a large entry reports while it is written";
    EXPECT_FALSE(HasTemporaryFile(files));
}

TEST_F(ZipExtract, RestoresTimesFromTheDosTimeAndTheExtraFields) {
    const std::uint64_t modified = 133'000'000'000'000'000, accessed = modified + 50'000'000,
                        created = modified - 70'000'000;
    const std::uint32_t unixTime = 1'700'000'000;
    WriteZip(Archive, {Entry("dos.txt", "d"),
                       Entry("ntfs.txt", "n").MadeBy(MadeOnNtfs, 0x20).WithExtra(NtfsTimesExtra(modified, accessed, created)),
                       Entry("unix.txt", "u").MadeBy(MadeOnUnix, 0100644u << 16).WithExtra(TimestampExtra(unixTime)),
                       Entry("folder/").Stored().WithExtra(NtfsTimesExtra(modified, accessed, created)),
                       Entry("folder/inside.txt", "i")});
    ExtractZip(Archive, Destination);

    EXPECT_EQ(Ticks(FileData(Destination + L"\\dos.txt").ftLastWriteTime), DefaultDosTimeTicks());
    const auto ntfs = FileData(Destination + L"\\ntfs.txt");
    EXPECT_EQ(Ticks(ntfs.ftLastWriteTime), modified);
    EXPECT_EQ(Ticks(ntfs.ftLastAccessTime), accessed);
    if (KeepsCreationTimes(Root / L"probe")) {
        EXPECT_EQ(Ticks(ntfs.ftCreationTime), created);
    }
    EXPECT_EQ(Ticks(FileData(Destination + L"\\unix.txt").ftLastWriteTime), Ticks(UnixTimeToFileTime(unixTime)));
    EXPECT_EQ(Ticks(FileData(Destination + L"\\folder").ftLastWriteTime), modified)
        << "a directory keeps its time although a file was written into it";
}

TEST_F(ZipExtract, AttributesFollowTheSystemThatMadeTheArchive) {
    WriteZip(Archive, {Entry("win_ro.txt", "1").MadeBy(MadeOnNtfs, 0x21),
                       Entry("win_hidden.txt", "2").MadeBy(MadeOnDos, 0x22),
                       Entry("win_plain.txt", "3").MadeBy(MadeOnDos, 0),
                       Entry("unix_rw.txt", "4").MadeBy(MadeOnUnix, 0100644u << 16),
                       Entry("unix_exec", "5").MadeBy(MadeOnUnix, 0100755u << 16),
                       Entry("unix_ro.txt", "6").MadeBy(MadeOnUnix, 0100444u << 16),
                       Entry("unix_dir").Stored().MadeBy(MadeOnUnix, 040555u << 16)});
    ExtractZip(Archive, Destination);
    // Wine gives every file the archive flag; the others are what matters.
    constexpr DWORD Checked =
        FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
    const std::pair<const wchar_t*, DWORD> expected[] = {
        {L"win_ro.txt", FILE_ATTRIBUTE_READONLY}, {L"win_hidden.txt", FILE_ATTRIBUTE_HIDDEN},
        {L"win_plain.txt", 0},                    {L"unix_rw.txt", 0},
        {L"unix_exec", 0},                        {L"unix_ro.txt", FILE_ATTRIBUTE_READONLY},
        {L"unix_dir", FILE_ATTRIBUTE_DIRECTORY},
    };
    for (const auto& [name, attributes] : expected)
        EXPECT_EQ(GetFileAttributesW((Destination + L"\\" + name).c_str()) & Checked, attributes) << WideToUtf8(name);
}

TEST(EntryAttributes, MapsEachSystemsFlags) {
    struct Case {
        std::uint8_t MadeBy;
        std::uint32_t External;
        bool Directory;
        DWORD Expected;
    };
    const Case cases[] = {
        {MadeOnDos, 0x27, false, 0x27},                                      // read-only, hidden, system, archive
        {MadeOnNtfs, 0x20 | 0x100 | 0x2000, false, FILE_ATTRIBUTE_ARCHIVE},  // temporary, not indexed: dropped
        {MadeOnDos, 0, false, FILE_ATTRIBUTE_NORMAL},
        {MadeOnDos, 0x11, true, FILE_ATTRIBUTE_DIRECTORY},                   // a directory is never read-only
        {MadeOnUnix, (0100600u << 16) | 0x02, false, FILE_ATTRIBUTE_ARCHIVE},  // DOS bits of a Unix archive ignored
        {MadeOnUnix, 0100400u << 16, false, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE},
        {MadeOnUnix, 0, false, FILE_ATTRIBUTE_ARCHIVE},                      // no mode stored
        {MadeOnUnix, 040500u << 16, true, FILE_ATTRIBUTE_DIRECTORY},
        {19, 0100444u << 16, false, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE},  // macOS
        {1, 0xFFFFFFFF, false, FILE_ATTRIBUTE_ARCHIVE},                      // Amiga: nothing is trusted
    };
    for (const Case& c : cases)
        EXPECT_EQ(EntryAttributes(c.MadeBy, c.External, c.Directory), c.Expected)
            << int(c.MadeBy) << " " << std::hex << c.External;
    EXPECT_TRUE(IsDirectoryEntry(false, MadeOnUnix, 040755u << 16));
    EXPECT_TRUE(IsDirectoryEntry(false, MadeOnDos, 0x10));
    EXPECT_FALSE(IsDirectoryEntry(false, MadeOnUnix, 0x10));
}

TEST_F(ZipExtract, FilterChoosesTheEntries) {
    WriteZip(Archive, {Entry("IDAPI32.CFG", "engine"), Entry("ZARVAN.EXE", "program")});
    TZipArchive(Archive).ExtractTo(Destination, {}, [](const TZipEntry& e) { return !e.Name.starts_with(L"IDAPI"); });
    EXPECT_EQ(TreeFiles(Destination), (TFiles{{L"ZARVAN.EXE", "program"}}));
}

// Hostile and damaged archives: each is refused with an error naming the
// archive and the entry, writes nothing anywhere, and leaves the file it
// would have replaced as it was.
struct THostileCase {
    const char* What;
    std::vector<TZipEntrySpec> Entries;
    std::string Entry;  // expected in the error; empty: the archive as a whole
    bool CutArchive = false;
};

std::vector<THostileCase> HostileCases() {
    const std::string longName = "d/" + std::string(120, 'x') + "/" + std::string(140, 'y') + ".txt";
    auto one = [](const char* what, std::string name) {
        return THostileCase{what, {Entry("data.txt", "new"), Entry(name, "evil")}, name};
    };
    return {
        one("parent", "../victim.txt"),
        one("parent inside", "sub/../../victim.txt"),
        one("parent with backslashes", "..\\victim.txt"),
        one("only dots", ".../victim.txt"),
        one("rooted", "/zv_rooted.txt"),
        one("rooted with a backslash", "\\zv_rooted.txt"),
        one("drive", "C:/zv_drive.txt"),
        one("drive relative", "C:zv_drive.txt"),
        one("UNC", "//zvserver/share/zv_unc.txt"),
        one("UNC with backslashes", "\\\\zvserver\\share\\zv_unc.txt"),
        one("device", "CON"),
        one("device with extension", "nul.txt"),
        one("device in any case", "Aux"),
        one("device as a directory", "sub/com1/x.txt"),
        one("printer port", "LPT9.log"),
        one("console input", "conin$"),
        one("alternate stream", "data.txt:hidden"),
        one("default stream", "data.txt::$DATA"),
        one("trailing space", "data.txt "),
        one("too long", longName),
        {"CRC mismatch", {Entry("data.txt", "new data").WithCrc(0x12345678)}, "data.txt"},
        {"truncated entry", {Entry("data.txt", SampleContent(200'000, 7)).CutData(5'000)}, "data.txt"},
        // A new file is written under its own name: a failure must take it away again.
        {"CRC mismatch of a new file", {Entry("fresh.txt", "new data").WithCrc(0x12345678)}, "fresh.txt"},
        {"truncated new file", {Entry("fresh.txt", SampleContent(200'000, 5)).CutData(5'000)}, "fresh.txt"},
        {"archive cut short", {Entry("data.txt", SampleContent(100'000, 3))}, "", true},
    };
}

TEST_F(ZipExtract, HostileArchiveIsRefusedAndChangesNothing) {
    WriteText(Root / L"victim.txt", "old victim");
    WriteFiles(Destination, {{L"data.txt", "old data"}});
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    const std::wstring outside[] = {PathRoot(Root.Path()) + L"zv_rooted.txt",
                                    IncludeTrailingBackslash(current) + L"zv_drive.txt", L"C:\\zv_drive.txt"};

    for (const THostileCase& c : HostileCases()) {
        SCOPED_TRACE(c.What);
        std::string bytes = MakeZip(c.Entries);
        if (c.CutArchive) bytes.resize(bytes.size() / 2);
        WriteText(Archive, bytes);
        const TFiles before = TreeFiles(Root.Path());
        try {
            ExtractZip(Archive, Destination);
            ADD_FAILURE() << "no error";
        } catch (const EArchiveError& e) {
            EXPECT_EQ(e.Archive(), Archive);
            EXPECT_EQ(e.Entry(), Utf8ToWide(c.Entry));
            EXPECT_NE(e.Message().find(Archive), std::wstring::npos);
            if (!c.Entry.empty()) {
                EXPECT_NE(e.Message().find(Utf8ToWide(c.Entry)), std::wstring::npos) << e.what();
            }
        }
        EXPECT_EQ(TreeFiles(Root.Path()), before);
        for (const std::wstring& path : outside) EXPECT_FALSE(FileExists(path)) << WideToUtf8(path);
    }
    EXPECT_EQ(ReadText(Root / L"victim.txt"), "old victim");
    EXPECT_EQ(ReadText(Destination + L"\\data.txt"), "old data");
}

TEST_F(ZipExtract, MissingArchiveIsNamed) {
    try {
        TZipArchive zip(Archive);
        ADD_FAILURE() << "no error";
    } catch (const EArchiveError& e) {
        EXPECT_EQ(e.Archive(), Archive);
        EXPECT_TRUE(e.Entry().empty());
    }
}

TEST_F(ZipExtract, EmptyDestinationIsTheCurrentDirectory) {
    TStateGuard guard;
    WriteZip(Archive, {Entry("here.txt", "here")});
    MakeFolder(Destination);
    ASSERT_TRUE(SetCurrentDirectoryW(Destination.c_str()));
    ExtractZip(Archive, L"");
    EXPECT_EQ(ReadText(Destination + L"\\here.txt"), "here");
}

TEST_F(ZipExtract, SameNameTwiceKeepsTheLaterEntry) {
    std::vector<TZipEntrySpec> entries;
    for (int i = 0; i < 40; ++i) entries.push_back(Entry("t" + std::to_string(i) + ".db", "table"));
    entries.push_back(Entry("SAME.TXT", "first"));
    entries.push_back(Entry("big.bin", SampleContent(1'500'000, 4)));
    entries.push_back(Entry("same.txt", "second"));
    WriteZip(Archive, entries);
    ExtractZip(Archive, Destination);
    const TFiles files = TreeFiles(Destination);
    EXPECT_EQ(files.size(), 42u);
    const auto same = std::find_if(files.begin(), files.end(), [](const auto& f) { return SameTextAscii(f.first, L"same.txt"); });
    ASSERT_NE(same, files.end());
    EXPECT_EQ(same->second, "second");
}

TEST_F(ZipExtract, FolderWhereAFileShouldBeStopsWithTheEntryNamed) {
    WriteZip(Archive, {Entry("a.txt", "a"), Entry("sub", "a file"), Entry("z.txt", "z")});
    MakeFolder(Destination + L"\\sub");
    try {
        ExtractZip(Archive, Destination);
        ADD_FAILURE() << "no error";
    } catch (const EArchiveError& e) {
        EXPECT_EQ(e.Entry(), L"sub");
    }
    EXPECT_TRUE(DirectoryExists(Destination + L"\\sub"));
    EXPECT_FALSE(HasTemporaryFile(TreeFiles(Destination)));
}

TEST_F(ZipExtract, FileWhereAFolderShouldBeIsAnError) {
    WriteZip(Archive, {Entry("sub/x.txt", "x")});
    WriteFiles(Destination, {{L"sub", "a file where a folder should be"}});
    EXPECT_THROW(ExtractZip(Archive, Destination), EArchiveError);
    EXPECT_EQ(TreeFiles(Destination), (TFiles{{L"sub", "a file where a folder should be"}}));
}

}  // namespace
