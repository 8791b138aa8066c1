#include "app/bootstrap.h"
#include "ui/forms/framework.h"

#include "core/installer_state.h"
#include "core/run_program.h"
#include "tests/support/temp_dir.h"
#include "ui/platform/sysutils.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Points TMP/TEMP at a folder of the test for the object's lifetime.
class TempEnvironment {
public:
    explicit TempEnvironment(const std::wstring& dir) {
        for (const wchar_t* name : {L"TMP", L"TEMP"}) {
            wchar_t old[MAX_PATH] = {};
            GetEnvironmentVariableW(name, old, MAX_PATH);
            FSaved.emplace_back(name, old);
            SetEnvironmentVariableW(name, ExcludeTrailingBackslash(dir).c_str());
        }
    }
    ~TempEnvironment() {
        for (const auto& [name, value] : FSaved) SetEnvironmentVariableW(name.c_str(), value.c_str());
    }

private:
    std::vector<std::pair<std::wstring, std::wstring>> FSaved;
};

bool IsGuidName(const std::wstring& name) {
    if (name.size() != 32) return false;
    for (wchar_t c : name)
        if (!((c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F'))) return false;
    return true;
}

std::wstring ExitWith() { return TestProgramDir() + L"exit_with.exe"; }

}  // namespace

TEST(Marker, AnsiPathIsWrittenAsItStandsAndReadBack) {
    EXPECT_EQ(EncodeMarker(L"E:\\KIT\\"), "E:\\KIT\\\r\n");
    TempDir dir;
    WriteText(dir / L"m.dat", "E:\\KIT\\\r\n");
    EXPECT_EQ(ReadMarkerLine(dir / L"m.dat").value(), L"E:\\KIT\\");
}

TEST(Marker, PathOutsideTheCodePageSurvivesTheRoundTrip) {
    const std::wstring path = L"D:\\Kit \u0103\u0219\u021B\\";  // ă ș ț
    ASSERT_FALSE(FitsAnsiCodePage(path));
    TempDir dir;
    const std::string bytes = EncodeMarker(path);
    WriteText(dir / L"m.dat", bytes);
    EXPECT_EQ(ReadMarkerLine(dir / L"m.dat").value(), path);
}

TEST(Marker, MissingEmptyOrUnreadableMarkerGivesNothing) {
    TempDir dir;
    EXPECT_FALSE(ReadMarkerLine(dir / L"none.dat").has_value());
    WriteText(dir / L"empty.dat", "");
    EXPECT_FALSE(ReadMarkerLine(dir / L"empty.dat").has_value());
    WriteText(dir / L"blank.dat", "\r\n");
    EXPECT_FALSE(ReadMarkerLine(dir / L"blank.dat").has_value());
    WriteText(dir / L"locked.dat", "E:\\KIT\\\r\n");
    HANDLE lock = CreateFileW((dir / L"locked.dat").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(ReadMarkerLine(dir / L"locked.dat").has_value());
    CloseHandle(lock);
}

TEST(Bootstrap, MarkerGivesSourceDirWithoutItsLastCharacter) {
    TempDir dir;
    InitInstallerState();
    InstallerState.ExeDir = dir.Path();
    struct Case {
        std::string marker;
        std::wstring sourceDir;
    } cases[] = {{"E:\\KIT\\\r\n", L"E:\\KIT"}, {"D:\\\r\n", L"D:"}, {"E:\\KIT\\\r\nsecond line\r\n", L"E:\\KIT"}};
    for (const auto& c : cases) {
        WriteText(dir / MarkerFileName, c.marker);
        ASSERT_TRUE(BootstrapInstance());
        EXPECT_EQ(InstallerState.SourceDir, c.sourceDir);
    }
    EXPECT_TRUE(BufferedLook);
    EXPECT_EQ(FormatSettings.DecimalSeparator, L'.');
}

TEST(DiskCount, ReadFromTheConfigurationFile) {
    struct Case {
        const char* content;  // nullptr: no file
        int expected;
    } cases[] = {
        {nullptr, 6},
        {"[Other]\r\nNrDiscuri=2\r\n", 6},
        {"[General]\r\nNrDiscuri=1\r\n", 1},
        {"[General]\r\nNrDiscuri=trei\r\n", 0},
        {"[General]\r\nNrDiscuri=12abc\r\n", 12},
    };
    for (const auto& c : cases) {
        TempDir dir;
        if (c.content) WriteText(dir / L"INSTZARV.CFG", c.content);
        EXPECT_EQ(DiskCountFromConfig(dir.Path()), c.expected) << (c.content ? c.content : "(no file)");
    }
}

TEST(RunProgram, ResultsForMissingWaitedAndUnwaitedPrograms) {
    TempDir dir;
    EXPECT_EQ(RunProgram(dir / L"missing.exe", SW_MINIMIZE, true), -1);
    EXPECT_EQ(RunProgram(L"\"" + ExitWith() + L"\" 3", SW_MINIMIZE, true), 3);
    EXPECT_EQ(RunProgram(L"\"" + ExitWith() + L"\" 0", SW_MINIMIZE, true), 0);
    EXPECT_EQ(RunProgram(L"\"" + ExitWith() + L"\" 7", SW_SHOW, false), 0);
}

TEST(Relaunch, MakesTheTemporaryCopyWithItsMarker) {
    TempDir temp, dist;
    TempEnvironment environment(temp.Path());
    ASSERT_TRUE(CopyFileW(ExitWith().c_str(), (dist / L"INSTALL.EXE").c_str(), FALSE));
    WriteText(dist / L"UPGRADE.1", "PK-upgrade");
    WriteText(dist / L"INSTALL.CFG", "[General]\r\nNrDiscuri=3\r\n");
    InitInstallerState();
    InstallerState.ExeDir = dist.Path();

    const std::wstring made = RelaunchFromTemp();
    const auto folders = SubFolders(temp.Path());
    ASSERT_EQ(folders.size(), 1u);
    EXPECT_TRUE(IsGuidName(folders[0])) << WideToUtf8(folders[0]);
    EXPECT_EQ(made, temp.Path() + folders[0] + L"\\");
    EXPECT_TRUE(FileExists(made + L"INSTZARV.EXE"));
    EXPECT_EQ(ReadText(made + L"UPGRADE.ZIP"), "PK-upgrade");
    EXPECT_EQ(ReadText(made + L"INSTZARV.CFG"), "[General]\r\nNrDiscuri=3\r\n");
    EXPECT_EQ(ReadText(made + L"INSTZARV.DAT"), WideToAnsi(dist.Path()) + "\r\n");
}

TEST(Relaunch, MissingFilesAreSkippedAndEveryStartMakesANewFolder) {
    TempDir temp, dist;
    TempEnvironment environment(temp.Path());
    InitInstallerState();
    InstallerState.ExeDir = dist.Path();
    const std::wstring first = RelaunchFromTemp();
    const std::wstring second = RelaunchFromTemp();
    EXPECT_NE(first, second);
    EXPECT_EQ(SubFolders(temp.Path()).size(), 2u);
    EXPECT_FALSE(FileExists(first + L"UPGRADE.ZIP"));
    EXPECT_FALSE(FileExists(first + L"INSTZARV.EXE"));
    EXPECT_TRUE(FileExists(first + L"INSTZARV.DAT"));
}
