// INSTALL.EXE started from the CD drive of a fresh prefix, through the
// driver: the drives are as users meet them, the first instance relaunches
// itself from a temporary copy and the copy knows where the kit lies (it
// shows the first screen, which the tests abandon).
#include "tests/e2e/driver/driver.h"
#include "tests/e2e/scenario_name.h"
#include "tests/support/temp_dir.h"
#include "ui/platform/sysutils.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const wchar_t InstallTypeCaption[] = L"Alegeti tipul instalarii!";

std::vector<std::wstring> NewFolders(const std::vector<std::wstring>& before, const std::vector<std::wstring>& after) {
    std::vector<std::wstring> added;
    for (const std::wstring& f : after)
        if (std::find(before.begin(), before.end(), f) == before.end()) added.push_back(f);
    return added;
}

}  // namespace

TEST(Drives, EachDriveHasTheTypeUsersMeetAndTheHostRootIsOutOfReach) {
    const struct {
        const wchar_t* Root;
        UINT Type;
    } cases[] = {
        {L"A:\\", DRIVE_REMOVABLE}, {L"C:\\", DRIVE_FIXED}, {L"D:\\", DRIVE_CDROM}, {L"N:\\", DRIVE_REMOTE},
        {L"Z:\\", DRIVE_NO_ROOT_DIR},
    };
    for (const auto& c : cases) EXPECT_EQ(GetDriveTypeW(c.Root), c.Type) << WideToUtf8(c.Root);
    const DWORD drives = GetLogicalDrives();
    EXPECT_FALSE(drives & (1u << ('Z' - 'A'))) << "drive Z: exists";
    EXPECT_TRUE(drives & (1u << ('D' - 'A')));
    EXPECT_TRUE(FileExists(L"D:\\INSTALL.EXE"));
    EXPECT_TRUE(FileExists(L"A:\\DISK1"));
    EXPECT_TRUE(DirectoryExists(L"N:\\"));
}

TEST(Floppy, SwappingReplacesTheWholeDisk) {
    e2e::TDriver driver(ScenarioName());
    for (int disk : {2, 3, 1}) {
        driver.SwapFloppy(disk);
        for (int other = 1; other <= 3; ++other)
            EXPECT_EQ(FileExists(L"A:\\DISK" + std::to_wstring(other)), other == disk) << disk << " " << other;
    }
    EXPECT_TRUE(FileExists(L"A:\\INSTALL.EXE")) << "disk 1 carries the installer";
    EXPECT_THROW(driver.SwapFloppy(9), e2e::EDriverError);
}

TEST(Relaunch, InstallExeFromTheCdRunsItsCopyFromTheTemporaryFolder) {
    e2e::TDriver driver(ScenarioName());
    const std::wstring temp = TempDirectory();
    const std::vector<std::wstring> before = SubFolders(temp);

    e2e::TProcess& first = driver.Start(L"D:\\INSTALL.EXE");
    e2e::TProcess& copy = driver.FollowRelaunch(first, L"INSTZARV.EXE");
    EXPECT_EQ(driver.WaitExit(first), 0u);
    driver.WaitScreen(InstallTypeCaption).Click(L"BCancel");
    EXPECT_EQ(driver.WaitExit(copy), 0u);

    const std::vector<std::wstring> added = NewFolders(before, SubFolders(temp));
    ASSERT_EQ(added.size(), 1u);
    const std::wstring folder = temp + added[0] + L"\\";
    EXPECT_TRUE(SameTextAscii(copy.ImagePath(), folder + L"INSTZARV.EXE")) << WideToUtf8(copy.ImagePath());
    EXPECT_EQ(ReadText(folder + L"INSTZARV.DAT"), "D:\\\r\n");

    // Started again with tracing on, the copy tells what it read.
    WriteText(folder + L"debug.pas", "");
    const e2e::TProcess& again = driver.Start(folder + L"INSTZARV.EXE");
    driver.WaitScreen(InstallTypeCaption).Click(L"BCancel");
    EXPECT_EQ(driver.WaitExit(again), 0u);
    const std::string trace = ReadText(folder + L"INSTZARV.TRC");
    EXPECT_NE(trace.find("SourceDir=D: <TIMP"), std::string::npos) << trace;
    EXPECT_NE(trace.find("DiskCount=3 <TIMP"), std::string::npos) << trace;
    EXPECT_EQ(NewFolders(before, SubFolders(temp)).size(), 1u) << "the copy must not relaunch again";
}

TEST(Relaunch, AProgramThatStartsNothingIsReportedWithTheWindowsThere) {
    e2e::TDriver driver(ScenarioName());
    const e2e::TProcess& first = driver.Start(L"D:\\INSTALL.EXE");
    const e2e::TProcess& relaunched = driver.FollowRelaunch(first, L"INSTZARV.EXE");
    driver.WaitScreen(InstallTypeCaption).Click(L"BCancel");
    driver.WaitExit(relaunched);
    try {
        driver.FollowRelaunch(relaunched, L"NOTHING.EXE", 2000);
        FAIL() << "no error";
    } catch (const e2e::EDriverError& e) {
        EXPECT_NE(e.Message().find(L"without starting NOTHING.EXE"), std::wstring::npos) << e.what();
        EXPECT_NE(e.Message().find(L"windows of the program"), std::wstring::npos) << e.what();
    }
}
