#include "upgrade/upgrade_library.h"

#include "config/engine.h"
#include "tests/config/engine_sandbox.h"
#include "ui/platform/sysutils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

std::wstring SampleLibrary() { return KitProgramsDir() + L"UPGRADE.DLL"; }

bool IsLoaded(const std::wstring& path) { return GetModuleHandleW(path.c_str()) != nullptr; }

// A folder under `base` whose path plus "\UPGRADE.DLL" has `length` characters.
std::wstring FolderForPathLength(const std::wstring& base, std::size_t length) {
    std::wstring dir = ExcludeTrailingBackslash(base);
    const std::size_t wanted = length - 1 - std::wstring_view(UpgradeLibraryName).size();
    while (dir.size() < wanted) {
        const std::size_t remaining = wanted - dir.size();
        std::size_t part = remaining - 1;
        if (remaining > 101) part = remaining == 102 ? 99 : 100;
        dir += L"\\" + std::wstring(part, L'u');
        if (!ForceDirectories(dir)) return {};
    }
    return dir;
}

class UpgradeLibrary : public ::testing::Test {
protected:
    void TearDown() override { FreeUpgradeLibrary(); }
    TempDir Temp;
};

}  // namespace

TEST_F(UpgradeLibrary, LoadsFromAPathOfAtMost254Characters) {
    for (const auto& [length, loads] : {std::pair{254u, true}, std::pair{255u, false}}) {
        const std::wstring dir = FolderForPathLength(Temp / std::to_wstring(length), length);
        const std::wstring path = dir + L"\\" + UpgradeLibraryName;
        ASSERT_EQ(path.size(), length);
        ASSERT_TRUE(CopyFileW(SampleLibrary().c_str(), path.c_str(), FALSE));

        EXPECT_EQ(LoadUpgradeLibrary(dir), loads) << length;
        EXPECT_EQ(UpgradeLibraryHandle != nullptr, loads);
        EXPECT_EQ(IsLoaded(path), loads);

        FreeUpgradeLibrary();
        EXPECT_EQ(UpgradeLibraryHandle, nullptr);
        EXPECT_FALSE(IsLoaded(path));
    }
}

TEST_F(UpgradeLibrary, RefusesAnythingButALibraryWithAllSevenEntryPoints) {
    struct Case {
        const char* name;
        std::function<void(const std::wstring& path)> place;
        bool loads;
    } cases[] = {
        {"sample library", [](auto& path) { CopyFileW(SampleLibrary().c_str(), path.c_str(), FALSE); }, true},
        {"SetQuickVerif missing",
         [](auto& path) { CopyFileW((TestProgramDir() + L"incomplete_upgrade.dll").c_str(), path.c_str(), FALSE); },
         false},
        {"not a library", [](auto& path) { WriteText(path, "MZ nu este o biblioteca"); }, false},
        {"no file", [](auto&) {}, false},
    };
    for (const Case& c : cases) {
        const std::wstring dir = Temp / (std::wstring(c.name, c.name + std::strlen(c.name)) + L"\\");
        ASSERT_TRUE(ForceDirectories(dir));
        const std::wstring path = dir + UpgradeLibraryName;
        c.place(path);

        EXPECT_EQ(LoadUpgradeLibrary(dir), c.loads) << c.name;
        EXPECT_EQ(UpgradeLibraryHandle != nullptr, c.loads) << c.name;
        EXPECT_EQ(IsLoaded(path), c.loads) << c.name;
        FreeUpgradeLibrary();
    }
}

TEST_F(UpgradeLibrary, CallsWithoutALibraryDoNothing) {
    std::wstring alias = L"ZARVAN";
    GetAliasPath(alias);
    EXPECT_EQ(alias, L"");
    SetReportProc(nullptr);
    SetQuickVerif(true);
    EXPECT_EQ(DoStructureUpgrade(), 0);
    EXPECT_FALSE(GetSemaforOK(0));
}

TEST_F(UpgradeLibrary, GetAliasPathGivesTheAliasDirectoryFromTheEngine) {
    TEngineSandbox sandbox;
    const std::wstring data = sandbox.MakeDir(L"Zarvant\\DATA");
    ASSERT_TRUE(AddAliases({L"ZARVAN"}, {data + L"\\"}));
    EngineDone();
    ASSERT_TRUE(LoadUpgradeLibrary(ExtractFilePath(SampleLibrary())));

    struct Case {
        std::wstring alias;
        std::wstring expected;
    } cases[] = {
        {L"ZARVAN", data + L"\\"},
        {L"zarvan", data + L"\\"},
        {L"FIRMAALIAS", L""},
        {L"", L""},
        {std::wstring(AliasPathMaxLength, L'Z'), L""},
        {std::wstring(AliasPathMaxLength + 1, L'Z'), L""},
    };
    for (const Case& c : cases) {
        std::wstring value = c.alias;
        GetAliasPath(value);
        EXPECT_EQ(value, c.expected) << c.alias.substr(0, 20) << " (" << c.alias.size() << ")";
    }
}
