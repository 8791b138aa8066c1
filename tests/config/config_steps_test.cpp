// The configuration steps apart from the screen: the engine's registry
// script, its use count, the alias directories, the helper tools' command
// lines and the program group's macros, and the group made by Wine's shell.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include "config/engine_setup.h"
#include "config/helper_tools.h"
#include "config/program_group.h"
#include "core/installer_state.h"
#include "tests/config/engine_sandbox.h"
#include "tests/support/gui_support.h"
#include "tests/support/temp_dir.h"
#include "ui/platform/registry.h"
#include "ui/platform/sysutils.h"

namespace {

TEST(EngineScript, TheFirstPlaceholderOfEachLineBecomesTheEscapedDirectory) {
    const std::string longTail(1200, 'x');
    struct Case {
        const char* Name;
        std::string Script, Expected;
    };
    const Case cases[] = {
        {"value", "\"DLLPATH\"=\"$ProgDir$\\\\Borland\\\\Common Files\\\\BDE\"\r\n",
         "\"DLLPATH\"=\"C:\\\\Program Files\\\\Borland\\\\Common Files\\\\BDE\"\r\n"},
        {"two placeholders", "a=$ProgDir$;b=$ProgDir$\n", "a=C:\\\\Program Files;b=$ProgDir$\r\n"},
        {"no placeholder, LF ends", "REGEDIT4\n\n[KEY]\n", "REGEDIT4\r\n\r\n[KEY]\r\n"},
        {"last line without a break", "x=$ProgDir$", "x=C:\\\\Program Files\r\n"},
        {"at most 1000 after it", "v=$ProgDir$" + longTail, "v=C:\\\\Program Files" + longTail.substr(0, 1000) + "\r\n"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(RewriteEngineScript(c.Script, "C:\\Program Files"), c.Expected) << c.Name;
}

TEST(EngineScript, UseCountsAreDecimalNumbersHeldAsStrings) {
    const std::pair<const wchar_t*, int> cases[] = {{L"3", 3}, {L"0", 0}, {L"", 0}, {L"abc", 0}, {L"12a", 0},
                                                    {L"-2", -2}, {L"+7", 7}, {L" 3", 0}, {L"99999999999", 0}};
    for (const auto& [text, expected] : cases) EXPECT_EQ(ParseUseCount(text), expected) << WideToUtf8(text);
}

TEST(Aliases, DirectoriesJoinTheDataDirectoryWithOneBackslash) {
    for (const wchar_t* dataDir : {L"D:\\Date\\", L"D:\\Date"})
        EXPECT_EQ(AliasDirectories(dataDir), (std::vector<std::wstring>{L"D:\\Date\\NEW\\DATA", L"D:\\Date\\NEW\\FIRMA",
                                                                          L"D:\\Date\\NEW\\LUNA", L"D:\\Date\\DATA"}))
            << WideToUtf8(dataDir);
}

TEST(HelperTools, CommandLinesArePlainConcatenations) {
    EXPECT_EQ(HelperToolCommands(L"C:\\Zarvant"),
              (std::vector<std::wstring>{L"C:\\Zarvant\\HHUPD.EXE /Q",
                                         L"C:\\Zarvant\\TREGSVR.EXE -Q C:\\Zarvant\\CFX32.OCX"}));
}

TEST(ProgramGroup, ItemsFollowTheProgramsThatWereInstalled) {
    TempDir dir;
    const std::wstring p = ExcludeTrailingBackslash(dir.Path());
    const std::wstring group = L"[CreateGroup(\"Zarvanto\")]", show = L"[ShowGroup(\"Zarvanto\",8)]";
    const std::wstring main = L"[AddItem(\"" + p + L"\\ZARVAN.EXE\", \"Zarvan\")]";
    EXPECT_EQ(ProgramGroupMacros(p, p), (std::vector<std::wstring>{group, main, show}));
    WriteText(p + L"\\ORVIST.EXE", "");
    WriteText(p + L"\\PELDUN.EXE", "");
    EXPECT_EQ(ProgramGroupMacros(p, p),
              (std::vector<std::wstring>{group, main, L"[AddItem(\"" + p + L"\\TUNSEL.EXE\", \"Tunsel\")]",
                                         L"[AddItem(\"" + p + L"\\ORVIST.EXE\", \"Orvist\")]",
                                         L"[AddItem(\"" + p + L"\\PELDUN.EXE\", \"Peldun\")]", show}));
}

// Wine's shell answers the Program Manager macros with Start-menu folders
// and shortcuts.
TEST(ProgramGroup, TheShellMakesTheGroupFromTheMacros) {
    wchar_t programs[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_PROGRAMS, nullptr, 0, programs), S_OK);
    const std::wstring group = std::wstring(programs) + L"\\Zarvanto proba";
    RemoveTree(group);
    ASSERT_TRUE(SendProgramManagerMacros({L"[CreateGroup(\"Zarvanto proba\")]",
                                          L"[AddItem(\"C:\\windows\\notepad.exe\", \"Nota\")]",
                                          L"[ShowGroup(\"Zarvanto proba\",8)]"}));
    EXPECT_TRUE(PumpUntil([&] { return FileExists(group + L"\\Nota.lnk"); }, 10000)) << WideToUtf8(group);
    RemoveTree(group);
}

TEST(ProgramGroup, NoServerMeansNoConversationAndNothingElse) {
    // Nobody answers, and no program of that name can be started either.
    EXPECT_FALSE(SendShellMacros("ZarvantoNimeni", {L"[CreateGroup(\"Nimic\")]"}));
}

TEST(HelperTools, MissingToolsArePassedOver) {
    TempDir dir;
    InstallerState.ProgramDir = ExcludeTrailingBackslash(dir.Path());
    EXPECT_NO_THROW(DoConfigConfigSys());
}

class RegistryValueGuard {
public:
    RegistryValueGuard(const wchar_t* key, const wchar_t* name) : FKey(key), FName(name) {
        FOld = MachineString(key, name);
    }
    ~RegistryValueGuard() {
        TRegistry r(HKEY_LOCAL_MACHINE);
        if (r.OpenKey(FKey, true)) {
            if (FOld)
                r.WriteString(FName, *FOld);
            else
                r.DeleteValue(FName);
        }
    }

private:
    std::wstring FKey, FName;
    std::optional<std::wstring> FOld;
};

struct RegisterEngineTest : ::testing::Test {
    TEngineSandbox sandbox;
    void WriteMachine(const wchar_t* key, const wchar_t* name, const wchar_t* value) {
        TRegistry r(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(r.OpenKey(key, true));
        r.WriteString(name, value);
    }
    std::optional<std::wstring> UseCount() { return MachineString(EngineKey, L"UseCount"); }
};

TEST_F(RegisterEngineTest, AnEngineRegisteredBeforeCountsOneMoreUser) {
    struct Case {
        const wchar_t* Before;  // nullptr: no value
        const wchar_t* After;
    };
    for (const Case& c : {Case{L"3", L"4"}, Case{nullptr, L"1"}, Case{L"trei", L"1"}}) {
        WriteMachine(L"Software\\Borland\\BLW32", L"LIBPATH", L"C:\\BDE");
        TRegistry r(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(r.OpenKey(EngineKey, true));
        r.DeleteValue(L"UseCount");
        if (c.Before) r.WriteString(L"UseCount", c.Before);
        EXPECT_FALSE(RegisterEngine());
        EXPECT_EQ(UseCount().value_or(L"?"), c.After) << (c.Before ? WideToUtf8(c.Before) : "none");
    }
}

TEST_F(RegisterEngineTest, ANewEngineIsRegisteredByItsRewrittenScript) {
    RegistryValueGuard keep(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", L"ProgramFilesDir");
    const std::wstring programFiles = sandbox.MakeDir(L"Program Files");
    WriteMachine(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", L"ProgramFilesDir", programFiles.c_str());
    const std::wstring engineDir = sandbox.MakeDir(L"Program Files\\Borland\\Common Files\\BDE");
    CopyFileW((KitProgramsDir() + L"bde.reg").c_str(), (engineDir + L"\\bde.reg").c_str(), FALSE);
    EXPECT_TRUE(RegisterEngine());
    EXPECT_EQ(MachineString(EngineKey, L"DLLPATH").value_or(L""), engineDir);
    EXPECT_TRUE(MachineKeyExists(L"Software\\Borland\\BLW32"));
    const std::string script = ReadText(engineDir + L"\\bde.reg");
    EXPECT_EQ(script.find("$ProgDir$"), std::string::npos);
    EXPECT_NE(script.find("\r\n"), std::string::npos);
    EXPECT_FALSE(FileExists(engineDir + L"\\bde.reg.~new"));
}

TEST_F(RegisterEngineTest, WithoutTheProgramFilesSettingTheStepFailsWithARegistryError) {
    RegistryValueGuard keep(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", L"ProgramFilesDir");
    TRegistry r(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(r.OpenKey(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", false));
    r.DeleteValue(L"ProgramFilesDir");
    EXPECT_THROW(RegisterEngine(), ERegistryError);
    EXPECT_FALSE(MachineKeyExists(L"Software\\Borland\\BLW32"));
}

TEST_F(RegisterEngineTest, AMissingOrReadOnlyScriptFailsAndLeavesTheScriptWhole) {
    RegistryValueGuard keep(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", L"ProgramFilesDir");
    const std::wstring programFiles = sandbox.MakeDir(L"Program Files");
    WriteMachine(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", L"ProgramFilesDir", programFiles.c_str());
    const std::wstring engineDir = sandbox.MakeDir(L"Program Files\\Borland\\Common Files\\BDE");
    EXPECT_THROW(RegisterEngine(), EFileError);  // no script at all
    const std::wstring script = engineDir + L"\\bde.reg";
    WriteText(script, "REGEDIT4\r\n\"X\"=\"$ProgDir$\"\r\n");
    SetFileAttributesW(script.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_THROW(RegisterEngine(), EFileError);
    SetFileAttributesW(script.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadText(script), "REGEDIT4\r\n\"X\"=\"$ProgDir$\"\r\n");
    EXPECT_FALSE(FileExists(script + L".~new"));
    EXPECT_FALSE(MachineKeyExists(L"Software\\Borland\\BLW32"));
}

}  // namespace
