#include "install/archive_assembly.h"

#include "tests/install/install_support.h"
#include "ui/platform/sysutils.h"

#include <gtest/gtest.h>

namespace {

using TFiles = std::map<std::wstring, std::string>;

class ArchiveAssembly : public ::testing::Test {
protected:
    TStateGuard Guard;
    TempDir Source, Program;
    TRecordingProgress Progress;

    void SetUp() override {
        InstallerState.SourceDir = ExcludeTrailingBackslash(Source.Path());
        InstallerState.ProposedProgramDir = ExcludeTrailingBackslash(Program.Path());
        InstallerState.InstallType = itLocal;
        InstallerState.DiskCount = 6;
    }

    std::string Joined(const std::wstring& archive) const { return ReadText(Program / archive); }
    bool ProgramHas(const std::wstring& name) const { return FileExists(Program / name); }
};

TEST(ArchivePiece, RecognisesPiecesOfSelectedComponents) {
    TStateGuard guard;
    struct Case {
        const wchar_t* Name;
        TInstallType Type;
        const TComponentSetTable* Sets;
        bool Piece;
    };
    const Case cases[] = {
        {L"EXE.1", itLocal, &ComponentSets, true},
        {L"exe.1", itLocal, &ComponentSets, true},
        {L"EXE.12", itLocal, &ComponentSets, true},
        {L"EXE.A1", itLocal, &ComponentSets, true},  // only the last character must be a digit
        {L"HELP.1", itClient, &ComponentSets, true},
        {L"DBDAT.1", itServer, &ComponentSets, true},
        {L"DBDAT.1", itClient, &ComponentSets, false},
        {L"DBNEW.2", itClient, &ComponentSets, false},
        {L"BDE32.1", itLocal, &UpgradeComponentSets, false},
        {L"EXE.1", itNone, &ComponentSets, false},
        {L"README.1", itLocal, &ComponentSets, false},
        {L"UPGRADE.1", itLocal, &ComponentSets, false},
        {L"EXE.ZIP", itLocal, &ComponentSets, false},
        {L"DISK1", itLocal, &ComponentSets, false},
        {L"INSTALL.CFG", itLocal, &ComponentSets, false},
        {L"EXE", itLocal, &ComponentSets, false},
        {L"EXE.", itLocal, &ComponentSets, false},
        {L".1", itLocal, &ComponentSets, false},
    };
    for (const Case& c : cases) {
        InstallerState.InstallType = c.Type;
        EXPECT_EQ(IsArchivePiece(c.Name, *c.Sets), c.Piece) << c.Name << " for type " << int(c.Type);
    }
}

TEST(ArchivePiece, JoinOrderFollowsPieceNumbers) {
    EXPECT_EQ(JoinOrder({L"EXE.10", L"HELP.1", L"EXE.9", L"exe.1", L"EXE.2", L"EXE.1", L"EXE.11"}),
              (std::vector<std::wstring>{L"EXE.1", L"EXE.2", L"EXE.9", L"EXE.10", L"EXE.11", L"HELP.1"}));
}

// A folder on a fixed drive (a CD or a hard disk) is one disk: only DISK1
// is needed, every piece there is joined, and nothing else.
TEST_F(ArchiveAssembly, FixedDriveIsOneDiskAndJoinsEverySelectedPiece) {
    InstallerState.InstallType = itClient;
    InstallerState.SourceDir += L"\\";
    WriteText(Program / L"EXE.ZIP", "an archive of an earlier run");
    WriteFiles(Source.Path(), {{L"DISK1", ""}, {L"EXE.1", "exe-1|"}, {L"EXE.2", "exe-2|"}, {L"HELP.1", "help"},
                               {L"DBDAT.1", "sample"}, {L"DBNEW.1", "blank"}, {L"README.1", "readme"},
                               {L"UPGRADE.1", "upgrade"}, {L"INSTALL.CFG", "[General]"}});

    ASSERT_TRUE(AssembleArchives(Progress, ComponentSets));

    EXPECT_EQ(InstallerState.DiskCount, 1);
    EXPECT_EQ(InstallerState.SourceDir, ExcludeTrailingBackslash(Source.Path()));
    EXPECT_TRUE(Progress.DiskRequests.empty());
    EXPECT_EQ(Joined(L"EXE.ZIP"), "exe-1|exe-2|");
    EXPECT_EQ(Joined(L"HELP.ZIP"), "help");
    for (const wchar_t* absent : {L"DBDAT.ZIP", L"DBNEW.ZIP", L"README.ZIP", L"UPGRADE.ZIP", L"INSTALL.ZIP"})
        EXPECT_FALSE(ProgramHas(absent)) << absent;
    EXPECT_EQ(Progress.Statuses, (std::vector<std::wstring>{AssemblyStatus, L"EXE.1", L"EXE.2", L"HELP.1"}));
    EXPECT_EQ(Progress.DiskGauge, (std::vector<std::pair<std::int32_t, std::int32_t>>{{1, 0}, {1, 1}}));
}

TEST_F(ArchiveAssembly, MissingMarkerIsAskedForUntilItAppears) {
    WriteFiles(Source.Path(), {{L"EXE.1", "exe"}});
    int asked = 0;
    Progress.AnswerDiskPrompt = [&](std::int32_t) {
        if (++asked == 2) WriteText(Source / L"DISK1", "");
        return true;
    };
    ASSERT_TRUE(AssembleArchives(Progress, ComponentSets));
    EXPECT_EQ(Progress.DiskRequests, (std::vector<std::int32_t>{1, 1}));
    EXPECT_EQ(Joined(L"EXE.ZIP"), "exe");
}

TEST_F(ArchiveAssembly, PiecesNumberedTenAndMoreOnOneDiskJoinInNumberOrder) {
    TFiles files{{L"DISK1", ""}};
    std::string expected;
    for (int i = 1; i <= 12; ++i) {
        const std::string piece = "<" + std::to_string(i) + ">";
        files[L"EXE." + std::to_wstring(i)] = piece;
        expected += piece;
    }
    WriteFiles(Source.Path(), files);
    ASSERT_TRUE(AssembleArchives(Progress, ComponentSets));
    EXPECT_EQ(Joined(L"EXE.ZIP"), expected);
}

TEST_F(ArchiveAssembly, LowerCasePieceJoinsIntoTheSameArchive) {
    WriteFiles(Source.Path(), {{L"DISK1", ""}, {L"exe.1", "lower|"}, {L"EXE.2", "upper"}});
    ASSERT_TRUE(AssembleArchives(Progress, ComponentSets));
    EXPECT_EQ(Joined(L"exe.ZIP"), "lower|upper");
    EXPECT_EQ(Joined(L"EXE.ZIP"), "lower|upper");
}

class FloppyAssembly : public ArchiveAssembly {
protected:
    void SetUp() override {
        if (!TRemovableDrive::Available()) GTEST_SKIP() << "needs Wine's mount manager";
        ArchiveAssembly::SetUp();
        Drive = std::make_unique<TRemovableDrive>();
        // The drive's root itself, as the marker of a floppy kit names it.
        InstallerState.SourceDir = Drive->Drive() + L"\\";
        InstallerState.DiskCount = 3;
    }
    std::unique_ptr<TRemovableDrive> Drive;

    const std::vector<TFiles> Disks{
        {{L"DISK1", ""}, {L"INSTALL.CFG", "[General]"}, {L"EXE.1", "e1|"}, {L"EXE.2", "e2|"}},
        {{L"DISK2", ""}, {L"EXE.3", "e3"}, {L"HELP.1", "h1|"}},
        {{L"DISK3", ""}, {L"HELP.2", "h2"}},
    };
};

TEST_F(FloppyAssembly, AsksForEachDiskAndAgainWhenTheDiskWasNotChanged) {
    Drive->Insert(Disks[0]);
    std::vector<std::int32_t> changed;
    Progress.AnswerDiskPrompt = [&](std::int32_t n) {
        // Disk 2 is asked for twice: the first O&K comes without a change.
        if (n == 3 || std::count(Progress.DiskRequests.begin(), Progress.DiskRequests.end(), n) == 2) {
            Drive->Insert(Disks[n - 1]);
        }
        return true;
    };

    ASSERT_TRUE(AssembleArchives(Progress, ComponentSets));

    EXPECT_EQ(InstallerState.DiskCount, 3);
    EXPECT_EQ(InstallerState.SourceDir, Drive->Drive());
    EXPECT_EQ(Progress.DiskRequests, (std::vector<std::int32_t>{2, 2, 3}));
    EXPECT_EQ(Joined(L"EXE.ZIP"), "e1|e2|e3");
    EXPECT_EQ(Joined(L"HELP.ZIP"), "h1|h2");
    EXPECT_EQ(Progress.DiskGauge,
              (std::vector<std::pair<std::int32_t, std::int32_t>>{{3, 0}, {3, 1}, {3, 2}, {3, 3}}));

    // Again (Back, then Continue): "R:" is still the root of a removable drive.
    Drive->Insert(Disks[0]);
    Progress.DiskRequests.clear();
    Progress.AnswerDiskPrompt = [&](std::int32_t n) {
        Drive->Insert(Disks[n - 1]);
        return true;
    };
    ASSERT_TRUE(AssembleArchives(Progress, ComponentSets));
    EXPECT_EQ(Progress.DiskRequests, (std::vector<std::int32_t>{2, 3}));
    EXPECT_EQ(Joined(L"EXE.ZIP"), "e1|e2|e3");
}

TEST_F(FloppyAssembly, CancelStopsAndLeavesWhatWasJoined) {
    Drive->Insert(Disks[0]);
    ASSERT_FALSE(AssembleArchives(Progress, ComponentSets));
    EXPECT_EQ(Progress.DiskRequests, (std::vector<std::int32_t>{2}));
    EXPECT_EQ(Joined(L"EXE.ZIP"), "e1|e2|");
    EXPECT_FALSE(ProgramHas(L"HELP.ZIP"));
}

TEST_F(FloppyAssembly, NoDisksOrANegativeCountJoinNothing) {
    Drive->Insert(Disks[0]);
    for (std::int32_t count : {0, -2}) {
        InstallerState.DiskCount = count;
        Progress.DiskGauge.clear();
        EXPECT_TRUE(AssembleArchives(Progress, ComponentSets)) << count;
        EXPECT_TRUE(Progress.DiskRequests.empty());
        EXPECT_FALSE(ProgramHas(L"EXE.ZIP"));
        EXPECT_EQ(Progress.DiskGauge, (std::vector<std::pair<std::int32_t, std::int32_t>>{{0, 0}}));
    }
}

}  // namespace
