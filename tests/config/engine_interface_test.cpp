#include "config/engine.h"

#include "tests/config/engine_sandbox.h"
#include "ui/platform/sysutils.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

long Probe(const std::wstring& arguments) {
    return RunAndWait(L"\"" + TestProgramDir() + L"engine_probe.exe\" " + arguments);
}

// One command-line argument: backslashes before the closing quote are doubled
// so that they stay backslashes.
std::wstring Quoted(const std::wstring& text) {
    std::wstring trailing;
    for (auto it = text.rbegin(); it != text.rend() && *it == L'\\'; ++it) trailing += L'\\';
    return L"\"" + text + trailing + L"\"";
}

std::string Ansi(const std::wstring& text) { return WideToAnsi(text); }

std::string AliasNode(const char* alias) { return std::string("\\DATABASES\\") + alias; }

}  // namespace

TEST(EngineInterface, AliasesSavedByOneProcessAreFoundByTheNext) {
    TEngineSandbox sandbox;
    const std::wstring data = sandbox.MakeDir(L"Zarvant\\DATA");
    const std::wstring firma = sandbox.MakeDir(L"Zarvant\\NEW\\FIRMA");
    const std::wstring luna = sandbox.MakeDir(L"Zarvant\\NEW\\LUNA");
    ASSERT_EQ(Probe(L"exists"), 0);

    ASSERT_EQ(Probe(L"add FIRMAALIAS " + Quoted(firma) + L" LUNAALIAS " + Quoted(luna) + L" ZARVAN " + Quoted(data)),
              1);

    EXPECT_EQ(Probe(L"exists"), 1);
    EXPECT_EQ(SavedSetting(sandbox.EngineLibrary(), AliasNode("ZARVAN"), "PATH"), Ansi(data));
    EXPECT_EQ(SavedSetting(sandbox.EngineLibrary(), AliasNode("FIRMAALIAS"), "PATH"), Ansi(firma));
    EXPECT_EQ(SavedSetting(sandbox.EngineLibrary(), AliasNode("LUNAALIAS"), "TYPE"), "PARADOX");
}

TEST(EngineInterface, MainAliasIsFoundOnlyWithEngineAliasAndDirectory) {
    struct Case {
        const char* name;
        std::function<void(const TEngineSandbox&, const std::wstring& data)> arrange;
        long expected;
    } cases[] = {
        {"alias with its directory", [](auto&, auto& data) { Probe(L"add ZARVAN " + Quoted(data)); }, 1},
        {"no DLLPATH value", [](auto& s, auto& data) { Probe(L"add ZARVAN " + Quoted(data)); s.RemoveDllPath(); }, 0},
        {"DLLPATH without the engine",
         [](auto& s, auto& data) {
             Probe(L"add ZARVAN " + Quoted(data));
             s.SetDllPath(s.MakeDir(L"Empty"));
         },
         0},
        {"no alias ZARVAN", [](auto&, auto& data) { Probe(L"add FIRMAALIAS " + Quoted(data)); }, 0},
        {"alias directory gone",
         [](auto&, auto& data) {
             Probe(L"add ZARVAN " + Quoted(data));
             RemoveTree(data);
         },
         0},
    };
    for (const Case& c : cases) {
        TEngineSandbox sandbox;
        const std::wstring data = sandbox.MakeDir(L"Zarvant\\DATA");
        c.arrange(sandbox, data);
        EXPECT_EQ(Probe(L"exists"), c.expected) << c.name;
    }
}

TEST(EngineInterface, AddAliasesRefusesListsOfDifferentLengthOrNoEngine) {
    TEngineSandbox sandbox;
    const std::wstring data = sandbox.MakeDir(L"DATA");
    EXPECT_FALSE(AddAliases({L"ZARVAN", L"FIRMAALIAS"}, {data}));
    EXPECT_FALSE(AddAliases({L"ZARVAN"}, {data, data}));
    EngineDone();
    EXPECT_EQ(Probe(L"exists"), 0);

    sandbox.RemoveDllPath();
    EXPECT_FALSE(AddAliases({L"ZARVAN"}, {data}));
}

TEST(EngineInterface, FailedAliasDoesNotStopTheOthersFromBeingSaved) {
    TEngineSandbox sandbox;
    const std::wstring data = sandbox.MakeDir(L"DATA");
    const std::wstring tooLong(256, L'A');
    const std::wstring outsideCodePage = data + L"\\\u4E2D";
    ASSERT_FALSE(FitsAnsiCodePage(outsideCodePage));

    EXPECT_FALSE(AddAliases({tooLong, L"FIRMAALIAS", L"ZARVAN"}, {data, outsideCodePage, data}));
    EXPECT_FALSE(AddAliases({L"ZARVAN"}, {data}));
    EngineDone();

    EXPECT_EQ(Probe(L"exists"), 1);
    EXPECT_EQ(SavedSetting(sandbox.EngineLibrary(), AliasNode("FIRMAALIAS"), "PATH"), std::nullopt);
}

TEST(EngineInterface, SetNetDirPointsTheDriverAtTheDirectoryAndCreatesNetDir) {
    TEngineSandbox sandbox;
    const std::wstring base = sandbox.Temp().Path();
    struct Case {
        std::wstring dir;
        std::wstring expected;
    } cases[] = {
        {base + L"Date", base + L"Date\\"},
        {base + L"Server\\", base + L"Server\\"},
        {base + L"New\\Deep\\Tree", base + L"New\\Deep\\Tree\\"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Probe(L"netdir " + Quoted(c.dir)), 1) << Ansi(c.dir);
        EXPECT_EQ(SavedSetting(sandbox.EngineLibrary(), "\\DRIVERS\\PARADOX\\INIT", "NET DIR"), Ansi(c.expected));
        EXPECT_TRUE(DirectoryExists(c.expected + L"NetDir")) << Ansi(c.expected);
    }
}

TEST(EngineInterface, SetNetDirRefusesWhatTheEngineCannotHold) {
    TEngineSandbox sandbox;
    const std::wstring base = sandbox.Temp().Path();
    // A directory name padded so that the path with its final backslash has `length` characters.
    const auto withLength = [&](std::size_t length) { return base + std::wstring(length - 1 - base.size(), L'n'); };
    struct Case {
        std::wstring dir;
        bool expected;
    } cases[] = {
        {withLength(MaxNetDirLength), true},
        {withLength(MaxNetDirLength + 1), false},
        {L"", false},
        {base + L"\u4E2D", false},
    };
    for (const Case& c : cases) {
        const auto before = SavedSetting(sandbox.EngineLibrary(), "\\DRIVERS\\PARADOX\\INIT", "NET DIR");
        EXPECT_EQ(SetNetDir(c.dir), c.expected) << c.dir.size();
        EngineDone();
        const auto after = SavedSetting(sandbox.EngineLibrary(), "\\DRIVERS\\PARADOX\\INIT", "NET DIR");
        if (c.expected) {
            EXPECT_EQ(after, Ansi(c.dir + L"\\"));
        } else {
            EXPECT_EQ(after, before);
            EXPECT_FALSE(DirectoryExists(c.dir + L"\\NetDir"));
        }
    }
}

TEST(EngineInterface, SetNetDirLeavesAnInitialisedEngineInitialised) {
    TEngineSandbox sandbox;
    const std::wstring data = sandbox.MakeDir(L"DATA");
    ASSERT_TRUE(AddAliases({L"ZARVAN"}, {data}));
    ASSERT_TRUE(MainAliasExists());

    EXPECT_TRUE(SetNetDir(sandbox.Temp().Path()));
    EXPECT_TRUE(MainAliasExists());
}
