#include "upgrade/upgrade_report.h"

#include "config/engine.h"
#include "tests/config/engine_sandbox.h"
#include "ui/platform/sysutils.h"
#include "upgrade/upgrade_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

std::wstring SampleLibraryDir() { return KitProgramsDir(); }

std::wstring FromCodePage(const std::string& bytes) {
    std::wstring text(bytes.size(), L'\0');
    const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                                      static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(n));
    return text;
}

HGLOBAL BlockWith(const std::string& bytes) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
    return block;
}

struct TReportedText {
    std::wstring Text;
    ULONGLONG Tick;
};

class TReportCapture {
public:
    TReportCapture() {
        ShowUpgradeReportText = [this](const std::wstring& text) { Texts.push_back({text, GetTickCount64()}); };
    }
    ~TReportCapture() { ShowUpgradeReportText = nullptr; }
    bool Has(const std::wstring& text) const {
        return std::any_of(Texts.begin(), Texts.end(), [&](const TReportedText& t) { return t.Text == text; });
    }
    std::vector<TReportedText> Texts;
};

// An upgrade database: alias ZARVAN on a DATA folder holding two tables.
class TUpgradeDatabase {
public:
    TUpgradeDatabase() : Data(Sandbox.MakeDir(L"Zarvant\\DATA") + L"\\") {
        WriteText(Data + L"FIRME.DB", "");
        WriteText(Data + L"OPERATOR.DB", "");
        if (!AddAliases({L"ZARVAN"}, {Data})) throw std::runtime_error("cannot add the alias");
        EngineDone();
    }
    ~TUpgradeDatabase() { FreeUpgradeLibrary(); }

    TEngineSandbox Sandbox;
    std::wstring Data;
};

const std::vector<TReportedText>* WatchedTexts = nullptr;
std::size_t TextsWhenDispatched = 0;

LRESULT CALLBACK WatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        TextsWhenDispatched = WatchedTexts->size();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

TEST(UpgradeReport, CopiesTheTextAndLeavesTheBlockToItsOwner) {
    struct Case {
        const char* name;
        std::string bytes;
        std::wstring expected;
    } cases[] = {
        {"plain", std::string("Verific structura tabelei FIRME.DB\0", 35), L"Verific structura tabelei FIRME.DB"},
        {"code page", std::string("Actualizare \xEEn curs\0", 20), FromCodePage("Actualizare \xEEn curs")},
        {"stops at the terminator", std::string("Liste\0ramas", 11), L"Liste"},
        {"no terminator", "ABC", L"ABC"},
        {"empty", std::string("\0", 1), L""},
    };
    for (const Case& c : cases) {
        TReportCapture capture;
        HGLOBAL block = BlockWith(c.bytes);
        UpgradeReportProc(block);
        ASSERT_EQ(capture.Texts.size(), 1u) << c.name;
        EXPECT_EQ(capture.Texts[0].Text, c.expected) << c.name;
        EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u) << c.name;
        EXPECT_EQ(GlobalFree(block), nullptr) << c.name << ": the block was freed by the report";
    }
    TReportCapture capture;
    UpgradeReportProc(nullptr);
    EXPECT_TRUE(capture.Texts.empty());
}

TEST(UpgradeReport, TextsArriveWhileALongStepRuns) {
    TUpgradeDatabase database;
    WriteText(database.Data + L"UPGRADE.SLOW", "250");
    ASSERT_TRUE(LoadUpgradeLibrary(SampleLibraryDir()));
    TReportCapture capture;

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WatchProc;
    windowClass.lpszClassName = L"ZvReportWatch";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    WatchedTexts = &capture.Texts;
    TextsWhenDispatched = 0;
    PostMessageW(window, WM_APP, 0, 0);

    SetReportProc(UpgradeReportProc);
    const std::int32_t result = DoStructureUpgrade();
    const ULONGLONG finished = GetTickCount64();
    DestroyWindow(window);

    EXPECT_TRUE(GetSemaforOK(result));
    EXPECT_TRUE(capture.Has(L"Verific structura tabelei FIRME.DB"));
    EXPECT_TRUE(capture.Has(L"Verific structura tabelei OPERATOR.DB"));
    ASSERT_GE(capture.Texts.size(), 3u);
    EXPECT_GE(finished - capture.Texts.front().Tick, 500u) << "the first text came only when the step ended";
    EXPECT_GE(TextsWhenDispatched, 1u) << "the posted message was not handled during the step";
    EXPECT_LT(TextsWhenDispatched, capture.Texts.size());
    EXPECT_NE(ReadText(database.Data + L"UPGRADE.LOG").find("STRUCTURI: Verific structura tabelei FIRME.DB\r\n"),
              std::string::npos);
}

TEST(SampleUpgradeLibrary, StepsFollowTheSwitchFilesOfTheDatabase) {
    TUpgradeDatabase database;
    ASSERT_TRUE(LoadUpgradeLibrary(SampleLibraryDir()));
    const std::wstring failSwitch = database.Data + L"UPGRADE.FAIL";
    struct Case {
        const char* fail;  // nullptr: no switch file
        bool structures, lists, constants;
    } cases[] = {
        {nullptr, true, true, true},
        {"LISTE\r\n", true, false, true},
        {"STRUCTURI\r\nCONSTANTE", false, true, false},
        {"", false, false, false},
    };
    for (const Case& c : cases) {
        DeleteFileW(failSwitch.c_str());
        if (c.fail) WriteText(failSwitch, c.fail);
        const std::string label = c.fail ? c.fail : "(none)";
        EXPECT_EQ(GetSemaforOK(DoStructureUpgrade()), c.structures) << label;
        EXPECT_EQ(GetSemaforOK(DoListUpgrade()), c.lists) << label;
        EXPECT_EQ(GetSemaforOK(DoConstUpgrade()), c.constants) << label;
    }
    DeleteFileW(failSwitch.c_str());

    TReportCapture capture;
    SetReportProc(UpgradeReportProc);
    SetQuickVerif(true);
    EXPECT_EQ(ReadText(database.Data + L"UPGRADE.QUICK"), "1");
    DoStructureUpgrade();
    EXPECT_TRUE(capture.Has(L"Verific structura tabelei FIRME.DB"));
    EXPECT_FALSE(capture.Has(L"Verific indecsii tabelei FIRME.DB"));
    SetQuickVerif(false);
    EXPECT_EQ(ReadText(database.Data + L"UPGRADE.QUICK"), "0");
}

TEST(SampleUpgradeLibrary, StepFailsWithoutADatabase) {
    TEngineSandbox sandbox;
    ASSERT_TRUE(LoadUpgradeLibrary(SampleLibraryDir()));
    TReportCapture capture;
    SetReportProc(UpgradeReportProc);
    EXPECT_FALSE(GetSemaforOK(DoListUpgrade()));
    EXPECT_TRUE(capture.Has(L"Nu gasesc baza de date ZARVAN"));
    FreeUpgradeLibrary();
}
