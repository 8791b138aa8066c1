#include "install/component_extraction.h"

#include "tests/config/engine_sandbox.h"
#include "tests/install/install_support.h"
#include "tests/install/zip_writer.h"
#include "ui/platform/registry.h"
#include "ui/platform/sysutils.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using TFiles = std::map<std::wstring, std::string>;

void RegisterEngine(const std::optional<std::wstring>& version) {
    TRegistry key(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(key.OpenKey(EngineInitKey, true));
    if (version) key.WriteString(L"VERSION", *version);
}

std::wstring ProgramFilesEngineDir() {
    TRegistry key(HKEY_LOCAL_MACHINE, KEY_READ);
    key.OpenKeyReadOnly(WindowsVersionKey);
    return ExcludeTrailingBackslash(key.ReadString(L"ProgramFilesDir")) + L"\\Borland\\Common Files\\BDE";
}

// Removes what a test put under Program Files: the engine file and the
// folders that did not exist before.
class TProgramFilesCleanup {
public:
    explicit TProgramFilesCleanup(std::wstring engineFile) : FFile(std::move(engineFile)) {
        for (std::wstring dir = ProgramFilesEngineDir(); !dir.ends_with(L"\\"); dir = ExtractFileDir(dir)) {
            if (!DirectoryExists(dir)) FCreated.push_back(dir);
            if (SameTextAscii(ExtractFileName(dir), L"Borland")) break;
        }
    }
    ~TProgramFilesCleanup() {
        DeleteFileW((ProgramFilesEngineDir() + L"\\" + FFile).c_str());
        for (const std::wstring& dir : FCreated) RemoveDirectoryW(dir.c_str());
    }
    TProgramFilesCleanup(const TProgramFilesCleanup&) = delete;
    TProgramFilesCleanup& operator=(const TProgramFilesCleanup&) = delete;

private:
    std::wstring FFile;
    std::vector<std::wstring> FCreated;  // deepest first
};

class ComponentCopy : public ::testing::Test {
protected:
    TBorlandKeyGuard Engine;
    TStateGuard Guard;
    TempDir Root;
    std::wstring Program = ExcludeTrailingBackslash(Root / L"Zarvant");
    std::wstring EngineFile = L"ZVTEST" + std::to_wstring(GetCurrentProcessId()) + L".DLL";
    TRecordingProgress Progress;

    void SetUp() override {
        MakeFolder(Program);
        InstallerState.ProgramDir = InstallerState.ProposedProgramDir = Program;
        InstallerState.DataDir = InstallerState.ProposedDataDir = Program;
        InstallerState.InstallType = itLocal;
    }

    std::wstring InProgram(const std::wstring& name) const { return Program + L"\\" + name; }

    void WriteArchive(const std::wstring& name, const std::vector<TZipEntrySpec>& entries) const {
        WriteZip(InProgram(name), entries);
    }

    // One archive per component, each with a file of its own.
    void WriteComponentArchives(bool optional = true) const {
        WriteArchive(L"EXE.ZIP", {Entry("ZARVAN.EXE", SampleContent(300'000, 1)),
                                  Entry("VerInfo/3200877.05/Instruct.htm", "<html></html>")});
        if (optional) {
            WriteArchive(L"ORVIST.ZIP", {Entry("ORVIST.EXE", "orvist")});
            WriteArchive(L"PELDUN.ZIP", {Entry("PELDUN.EXE", "peldun")});
        }
        WriteArchive(L"DBDAT.ZIP", {Entry("DATA/FIRME.DB", "sample firms"), Entry("DATA/PLANCONT.DB", "sample accounts")});
        WriteArchive(L"DBNEW.ZIP", {Entry("NEW/DATA/FIRME.DB", "blank firms"), Entry("NEW/FIRMA/JURNAL.DB", "blank journal")});
        WriteArchive(L"BDE32.ZIP", {Entry(WideToUtf8(EngineFile), "engine")});
        WriteArchive(L"HELP.ZIP", {Entry("ZARVAN.HLP", SampleContent(5'000, 2))});
    }

    std::vector<std::wstring> ZipsLeft() const {
        std::vector<std::wstring> names;
        for (const auto& [name, content] : TreeFiles(Program))
            if (name.find(L'\\') == std::wstring::npos && SameTextAscii(name.substr(name.size() - 4), L".ZIP"))
                names.push_back(name);
        return names;
    }
};

TEST_F(ComponentCopy, LocalInstallationOnAnEmptyDirectoryPlacesEveryComponent) {
    TProgramFilesCleanup cleanup(EngineFile);
    WriteComponentArchives();
    WriteText(InProgram(L"MINE.ZIP"), "the user's own archive");

    ExtractComponents(Progress);

    std::vector<std::wstring> names;
    for (const TCompRecord& c : Components) names.emplace_back(c.CompName);
    EXPECT_EQ(Progress.Statuses, names);
    EXPECT_EQ(InstallerState.DataDir, Program + L"\\");
    const TFiles files = TreeFiles(Program);
    for (const wchar_t* name : {L"ZARVAN.EXE", L"VerInfo\\3200877.05\\Instruct.htm", L"ORVIST.EXE", L"PELDUN.EXE",
                                L"ZARVAN.HLP", L"DATA\\FIRME.DB", L"DATA\\PLANCONT.DB", L"NEW\\DATA\\FIRME.DB",
                                L"NEW\\FIRMA\\JURNAL.DB"})
        EXPECT_TRUE(files.contains(name)) << WideToUtf8(name);
    EXPECT_EQ(ReadText(ProgramFilesEngineDir() + L"\\" + EngineFile), "engine");
    EXPECT_EQ(Progress.InfoOffers, 4) << "after EXE, ORVIST, HELP and PELDUN";
    EXPECT_TRUE(ZipsLeft().empty());
    EXPECT_TRUE(Progress.Undeletable.empty());
    EXPECT_EQ(Progress.OlderEngineWarnings, 0);
    ASSERT_FALSE(Progress.UnzipGauge.empty());
    EXPECT_EQ(Progress.UnzipGauge.back().first, Progress.UnzipGauge.back().second);
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_TRUE(SameTextAscii(current, Program));
}

TEST_F(ComponentCopy, ExistingDatabaseIsKeptAndTemplatesAreEmptied) {
    RegisterEngine(L"5.01");
    for (const wchar_t* existing : {L"FIRME.DB", L"OPERATOR.DB"}) {
        SCOPED_TRACE(WideToUtf8(existing));
        TempDir data;
        InstallerState.DataDir = ExcludeTrailingBackslash(data.Path());
        WriteFiles(data.Path(), {{std::wstring(L"DATA\\") + existing, "the user's data"},
                                 {L"NEW\\DATA\\OLD.DB", "old template"},
                                 {L"NEW\\LUNA\\LOCKED.DB", "read-only template"},
                                 {L"NEW\\LUNA\\sub\\x.db", "in a sub-folder"}});
        SetFileAttributesW((data / L"NEW\\LUNA\\LOCKED.DB").c_str(), FILE_ATTRIBUTE_READONLY);
        WriteComponentArchives();

        ExtractComponents(Progress);

        const TFiles files = TreeFiles(data.Path());
        EXPECT_EQ(files.at(std::wstring(L"DATA\\") + existing), "the user's data");
        EXPECT_FALSE(files.contains(L"DATA\\PLANCONT.DB")) << "DBDAT is not unpacked";
        EXPECT_EQ(files.at(L"NEW\\DATA\\FIRME.DB"), "blank firms");
        EXPECT_FALSE(files.contains(L"NEW\\DATA\\OLD.DB"));
        EXPECT_TRUE(files.contains(L"NEW\\LUNA\\LOCKED.DB"));
        EXPECT_TRUE(files.contains(L"NEW\\LUNA\\sub\\x.db"));
        SetFileAttributesW((data / L"NEW\\LUNA\\LOCKED.DB").c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(ComponentCopy, ClientGetsNoDatabaseAndOptionalArchivesMayBeMissing) {
    RegisterEngine(L"5.01");
    InstallerState.InstallType = itClient;
    WriteComponentArchives(false);
    WriteArchive(L"EXE.ZIP", {Entry("a.txt", std::string(1023, 'a')), Entry("b.txt", "b")});

    ExtractComponents(Progress);

    EXPECT_EQ(InstallerState.DataDir, Program) << "DataDir is not touched";
    const TFiles files = TreeFiles(Program);
    EXPECT_FALSE(files.contains(L"DATA\\FIRME.DB"));
    EXPECT_FALSE(files.contains(L"NEW\\DATA\\FIRME.DB"));
    EXPECT_TRUE(files.contains(L"ZARVAN.HLP"));
    EXPECT_EQ(Progress.InfoOffers, 2) << "after EXE and HELP";
    EXPECT_TRUE(ZipsLeft().empty()) << "DBDAT.ZIP and DBNEW.ZIP are deleted too";
    // EXE.ZIP holds only entries under 1 KiB: its gauge has nothing to show;
    // HELP.ZIP holds 4 whole KiB.
    EXPECT_EQ(Progress.UnzipGauge, (std::vector<std::pair<std::int64_t, std::int64_t>>{{0, 0}, {4, 0}, {4, 4}}));
}

TEST_F(ComponentCopy, MissingArchiveStopsTheCopyThere) {
    RegisterEngine(L"5.01");
    WriteComponentArchives();
    DeleteFileW(InProgram(L"HELP.ZIP").c_str());
    try {
        ExtractComponents(Progress);
        ADD_FAILURE() << "no error";
    } catch (const EArchiveError& e) {
        EXPECT_TRUE(SameTextAscii(e.Archive(), InProgram(L"HELP.ZIP"))) << e.what();
    }
    EXPECT_FALSE(FileExists(InProgram(L"PELDUN.EXE"))) << "components after it are not unpacked";
    EXPECT_TRUE(FileExists(InProgram(L"EXE.ZIP"))) << "the archives are not deleted";
}

TEST_F(ComponentCopy, ZipThatCannotBeDeletedIsReportedAndTheRestGo) {
    RegisterEngine(L"5.01");
    InstallerState.InstallType = itClient;
    InstallerState.ProgramDir += L"\\";
    WriteComponentArchives();
    WriteText(InProgram(L"LOCKED.ZIP"), "held open");
    WriteText(InProgram(L"notes.zipx"), "not a ZIP file");
    HANDLE held = CreateFileW(InProgram(L"LOCKED.ZIP").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    ExtractComponents(Progress);
    CloseHandle(held);

    EXPECT_EQ(Progress.Undeletable, (std::vector<std::wstring>{InProgram(L"LOCKED.ZIP")}));
    EXPECT_EQ(ZipsLeft(), (std::vector<std::wstring>{L"LOCKED.ZIP"}));
    EXPECT_TRUE(FileExists(InProgram(L"notes.zipx")));
}

TEST_F(ComponentCopy, RegisteredEngineIsNeverOverwrittenAndAnOlderOneIsReported) {
    struct Case {
        std::optional<std::wstring> Version;
        bool Older;
    };
    const Case cases[] = {{L"5.01", false}, {L"4.0", false}, {L"4,1", false}, {L"5", false},
                          {std::nullopt, false}, {L"3.5", true}, {L"", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Version ? WideToUtf8(*c.Version) : "no VERSION");
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Borland");
        RegisterEngine(c.Version);
        InstallerState.OldBdeFound = false;
        Progress.OlderEngineWarnings = 0;
        EXPECT_EQ(EngineDestination(Progress), std::nullopt);
        EXPECT_EQ(InstallerState.OldBdeFound, c.Older);
        EXPECT_EQ(Progress.OlderEngineWarnings, c.Older ? 1 : 0);
    }
}

TEST_F(ComponentCopy, OlderEngineFoundEarlierSendsTheEngineToItsDllPath) {
    RegisterEngine(L"3.5");
    WriteComponentArchives();
    ExtractComponents(Progress);
    EXPECT_EQ(Progress.OlderEngineWarnings, 1);
    EXPECT_FALSE(FileExists(ProgramFilesEngineDir() + L"\\" + EngineFile));

    // The engine's key has gone since; the flag stays for the rest of the run.
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Borland");
    TempDir dllPath;
    TRegistry key(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(key.OpenKey(EngineDllPathKey, true));
    key.WriteString(L"DLLPATH", ExcludeTrailingBackslash(dllPath.Path()));
    ASSERT_TRUE(InstallerState.OldBdeFound);
    EXPECT_EQ(EngineDestination(Progress), ExcludeTrailingBackslash(dllPath.Path()));
}

TEST(EngineVersion, NumberIsTheTextBeforeTheSeparator) {
    const std::pair<const wchar_t*, double> cases[] = {
        {L"5.01", 5}, {L"3.5", 3}, {L"4,1", 4}, {L"5", 5}, {L"", 0}, {L"4.0", 4}, {L"12.0", 12}, {L"3,9.1", 269}};
    for (const auto& [text, number] : cases) EXPECT_EQ(EngineVersionNumber(text), number) << WideToUtf8(text);
}

}  // namespace
