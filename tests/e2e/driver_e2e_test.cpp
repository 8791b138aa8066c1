// The driver against real windows: the fixture program (a framework screen,
// a scaled modal second screen, the framework's message dialog and a plain
// message box) logs what reached it, and the tests read that log.
#include "tests/e2e/driver/driver.h"
#include "tests/e2e/scenario_name.h"
#include "tests/support/temp_dir.h"
#include "ui/platform/sysutils.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

constexpr wchar_t MainCaption[] = L"Ecran de proba";
constexpr wchar_t SecondCaption[] = L"A doua fereastra";

// The fixture's log, read line by line as it grows.
class FixtureLog {
public:
    explicit FixtureLog(std::wstring path) : FPath(std::move(path)) {}
    const std::wstring& Path() const { return FPath; }

    // Waits for that line after the last one found; true when it came.
    bool WaitFor(const std::string& line, DWORD milliseconds = 5000) {
        const DWORD start = GetTickCount();
        do {
            const std::vector<std::string> lines = Lines();
            for (std::size_t i = FNext; i < lines.size(); ++i)
                if (lines[i] == line) {
                    FNext = i + 1;
                    return true;
                }
            Sleep(10);
        } while (GetTickCount() - start < milliseconds);
        return false;
    }
    std::string Text() const { return FileExists(FPath) ? ReadText(FPath) : std::string(); }

private:
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(Text());
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    std::wstring FPath;
    std::size_t FNext = 0;
};

struct DriverTest : ::testing::Test {
    e2e::TDriver driver{ScenarioName()};
    FixtureLog log{driver.Screenshots().Folder() + L"fixture.log"};
    e2e::TProcess* fixture = nullptr;

    e2e::TFormWindow StartFixture() {
        DeleteFileW(log.Path().c_str());
        fixture = &driver.Start(TestProgramDir() + L"e2e_fixture.exe", L"\"" + log.Path() + L"\"");
        return driver.WaitScreen(MainCaption);
    }
    testing::AssertionResult Logged(const std::string& line) {
        if (log.WaitFor(line)) return testing::AssertionSuccess();
        return testing::AssertionFailure() << "the fixture did not log \"" << line << "\"; its log:\n" << log.Text();
    }
};

TEST_F(DriverTest, TypesIntoEditsAndClicksButtonsWhereTheirDefinitionPutsThem) {
    e2e::TFormWindow screen = StartFixture();
    screen.Type(L"EName", L"Ion Popescu");
    screen.Type(L"ECode", L"\u0218tefan/\\1");
    EXPECT_EQ(screen.TextOf(L"EName"), L"Ion Popescu");
    screen.Click(L"BNext");
    EXPECT_TRUE(Logged("BNext EName=Ion Popescu ECode=\xC8\x98tefan/\\1"));
    screen.Type(L"EName", L"Maria");
    EXPECT_EQ(screen.TextOf(L"EName"), L"Maria") << "typing replaces what the edit held";
    EXPECT_EQ(screen.TextOf(L"BNext"), L"&Continua");
    screen.Click(L"BExit");
    EXPECT_EQ(driver.WaitExit(*fixture), 1u);
    EXPECT_TRUE(Logged("Result=1"));
}

TEST_F(DriverTest, NamedKeysMoveThroughTheTextAndReachTheForm) {
    e2e::TFormWindow screen = StartFixture();
    screen.Type(L"EName", L"abcdef");
    for (e2e::TKeyStroke k : {e2e::keys::Home, e2e::keys::Right, e2e::keys::Right, e2e::keys::Backspace, e2e::keys::End,
                              e2e::keys::Left, e2e::keys::Delete})
        screen.Press(k);
    EXPECT_EQ(screen.TextOf(L"EName"), L"acde");

    const struct {
        e2e::TKeyStroke Key;
        const char* Line;
    } cases[] = {
        {e2e::keys::PageUp, "Key=33"}, {e2e::keys::PageDown, "Key=34"},     {e2e::keys::Up, "Key=38"},
        {e2e::keys::Down, "Key=40"},   {e2e::Ctrl('l'), "Key=76 Ctrl"},     {e2e::Alt('q'), "Key=81 Alt"},
        {e2e::keys::Tab, "Key=9"},     {e2e::WithShift(e2e::keys::Tab), "Key=9 Shift"},
    };
    for (const auto& c : cases) {
        screen.Press(c.Key);
        EXPECT_TRUE(Logged(c.Line));
    }
    // Tab and Shift+Tab brought the focus back to the name: Tab moves it on.
    screen.Press(e2e::keys::Tab);
    screen.Type(L"42");
    EXPECT_EQ(screen.TextOf(L"ECode"), L"42");
    screen.Press(e2e::keys::Enter);
    EXPECT_TRUE(Logged("BNext EName=acde ECode=42")) << "Enter presses the default button";
    screen.Press(e2e::keys::Esc);
    EXPECT_EQ(driver.WaitExit(*fixture), 2u) << "Esc presses the cancel button";
}

TEST_F(DriverTest, AltLetterPressesTheButtonWithThatAccelerator) {
    e2e::TFormWindow screen = StartFixture();
    screen.Press(e2e::Alt('c'));
    EXPECT_TRUE(Logged("BNext EName= ECode="));
    screen.Press(e2e::Alt('A'));
    EXPECT_EQ(driver.WaitExit(*fixture), 2u);
}

TEST_F(DriverTest, FindsAModalScreenScaledFromItsDesignAndWaitsForItToClose) {
    e2e::TFormWindow screen = StartFixture();
    for (const bool keep : {false, true}) {
        screen.Click(L"BSecond");
        e2e::TFormWindow second = driver.WaitScreen(SecondCaption);
        // Designed at 120 pixels per inch, shown at 96.
        EXPECT_EQ(second.Layout().ClientSize(), TSize(320, 120));
        RECT client{};
        GetClientRect(second.Handle(), &client);
        EXPECT_EQ(TSize(client.right, client.bottom), TSize(320, 120));
        EXPECT_EQ(second.Layout().Bounds(L"BOk"), Bounds(16, 80, 88, 25));
        if (keep) {
            second.Type(L"ENote", L"nota");
            second.Click(L"BOk");
        } else {
            second.Click(L"BBack");
        }
        second.WaitGone();
        EXPECT_TRUE(Logged(keep ? "Second=1 ENote=nota" : "Second=4 ENote="));
    }
    screen.Click(L"BCancel");
    EXPECT_EQ(driver.WaitExit(*fixture), 2u);
}

TEST_F(DriverTest, RefusesToClickAScreenWhereAnotherWindowCoversIt) {
    e2e::TFormWindow screen = StartFixture();
    screen.Click(L"BSecond");
    e2e::TFormWindow second = driver.WaitScreen(SecondCaption);
    RECT cover{};
    GetWindowRect(second.Handle(), &cover);
    std::wstring covered;
    for (const wchar_t* name : {L"BNext", L"BDialog", L"BBox", L"BCancel", L"BSecond", L"BExit", L"EName", L"ECode"}) {
        const TRect r = screen.ComponentRect(name);
        if (TRect(cover).Contains({r.Left + r.Width() / 2, r.Top + r.Height() / 2})) covered = name;
    }
    ASSERT_FALSE(covered.empty()) << "the second screen covers no component of the first";
    try {
        screen.Click(covered);
        FAIL() << "clicked through the second screen";
    } catch (const e2e::EDriverError& e) {
        EXPECT_NE(e.Message().find(L"is covered"), std::wstring::npos) << e.what();
    }
    second.Click(L"BOk");
    EXPECT_TRUE(Logged("Second=1 ENote="));
    screen.Click(L"BCancel");
    EXPECT_EQ(driver.WaitExit(*fixture), 2u);
}

TEST_F(DriverTest, KeysGoToTheScreenTheyAreMeantForEvenWhenAnotherIsInFront) {
    e2e::TFormWindow screen = StartFixture();
    FixtureLog otherLog(driver.Screenshots().Folder() + L"other.log");
    e2e::TProcess& other = driver.Start(TestProgramDir() + L"e2e_fixture.exe", L"\"" + otherLog.Path() + L"\"");
    ASSERT_TRUE(otherLog.WaitFor("Started"));
    HWND otherWindow = nullptr;
    for (int i = 0; i < 500 && GetForegroundWindow() == screen.Handle(); ++i) Sleep(10);
    for (const e2e::TWindowInfo& w : driver.ProgramWindows())
        if (w.ProcessId == other.Id() && w.Text == MainCaption) otherWindow = w.Handle;
    ASSERT_TRUE(otherWindow);
    ASSERT_EQ(GetForegroundWindow(), otherWindow) << "the other fixture did not come to the front";

    screen.Press(e2e::Alt('c'));
    EXPECT_TRUE(Logged("BNext EName= ECode="));
    EXPECT_EQ(otherLog.Text().find("BNext"), std::string::npos) << otherLog.Text();
    e2e::TProgramWindow(driver, otherWindow, MainCaption).Press(e2e::keys::Esc);
    EXPECT_EQ(driver.WaitExit(other), 2u);
    screen.Press(e2e::keys::Esc);
    EXPECT_EQ(driver.WaitExit(*fixture), 2u);
}

TEST_F(DriverTest, AnswersTheFrameworksMessageDialog) {
    e2e::TFormWindow screen = StartFixture();
    const struct {
        const char* How;
        void (*Answer)(e2e::TDialogWindow&);
        const char* Line;
    } cases[] = {
        {"button Nu", [](e2e::TDialogWindow& d) { d.ClickButton(L"Nu"); }, "Dialog=7"},
        {"button &Da", [](e2e::TDialogWindow& d) { d.ClickButton(L"&Da"); }, "Dialog=6"},
        {"right click", [](e2e::TDialogWindow& d) { d.RightClick(); }, "Dialog=6"},
        {"Alt+N", [](e2e::TDialogWindow& d) { d.Press(e2e::Alt('n')); }, "Dialog=7"},
        {"Enter", [](e2e::TDialogWindow& d) { d.Press(e2e::keys::Enter); }, "Dialog=6"},
    };
    for (const auto& c : cases) {
        screen.Click(L"BDialog");
        e2e::TDialogWindow dialog = driver.ExpectDialog(L"Confirmare...");
        EXPECT_FALSE(dialog.IsSystemMessageBox());
        EXPECT_EQ(dialog.ButtonCaptions(), (std::vector<std::wstring>{L"&Da", L"&Nu"})) << c.How;
        c.Answer(dialog);
        dialog.WaitGone();
        EXPECT_TRUE(Logged(c.Line)) << c.How;
    }
    screen.Press(e2e::keys::Esc);
    EXPECT_EQ(driver.WaitExit(*fixture), 2u);
}

TEST_F(DriverTest, ReadsAndAnswersAPlainMessageBox) {
    e2e::TFormWindow screen = StartFixture();
    for (const bool cancel : {true, false}) {
        screen.Click(L"BBox");
        e2e::TDialogWindow box = driver.ExpectDialog(L"Fereastra Windows");
        EXPECT_TRUE(box.IsSystemMessageBox());
        EXPECT_EQ(box.MessageText(), L"Mesaj simplu");
        if (cancel)
            box.ClickButton(L"Cancel");
        else
            box.Press(e2e::keys::Enter);
        box.WaitGone();
        EXPECT_TRUE(Logged(cancel ? "Box=2" : "Box=1"));
    }
    screen.Click(L"PBody", e2e::TClick::Double);
    EXPECT_TRUE(Logged("DblClick"));
    screen.Click(L"BCancel");
    EXPECT_EQ(driver.WaitExit(*fixture), 2u);
}

TEST_F(DriverTest, ScreenshotsShowTheDisplayAsItIs) {
    e2e::TFormWindow screen = StartFixture();
    const TRect title = screen.ComponentRect(L"TitleBar1");
    const TRect body = screen.ComponentRect(L"PBody");
    screen.Click(L"BSecond");
    driver.WaitScreen(SecondCaption).Click(L"BOk");
    ASSERT_EQ(driver.Screenshots().Saved().size(), 2u);
    EXPECT_EQ(ExtractFileName(driver.Screenshots().Saved()[0]), L"01-Ecran_de_proba.png");
    EXPECT_EQ(ExtractFileName(driver.Screenshots().Saved()[1]), L"02-A_doua_fereastra.png");

    TBitmap shot;
    shot.LoadFromFile(driver.Screenshots().Saved()[0]);
    ASSERT_EQ(TSize(shot.Width(), shot.Height()), TSize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_EQ(shot.Pixel(title.Right - 5, title.Top + title.Height() / 2), static_cast<TColor>(7891292)) << "title bar";
    EXPECT_EQ(shot.Pixel(body.Right - 5, body.Bottom - 5), static_cast<TColor>(11642264)) << "screen colour";
    EXPECT_NE(shot.Pixel(5, 5), static_cast<TColor>(11642264)) << "the screen is not the whole display";
    screen.Click(L"BCancel");
    EXPECT_EQ(driver.WaitExit(*fixture), 2u);
}

TEST_F(DriverTest, AScreenThatDoesNotComeIsReportedWithTheWindowsThatDo) {
    e2e::TFormWindow screen = StartFixture();
    try {
        driver.WaitScreen(L"Ecran inexistent", 300);
        FAIL() << "no error";
    } catch (const e2e::EDriverError& e) {
        EXPECT_NE(e.Message().find(L"no screen \"Ecran inexistent\" within 300 ms"), std::wstring::npos) << e.what();
        EXPECT_NE(e.Message().find(L"\"Ecran de proba\" visible"), std::wstring::npos) << e.what();
    }
    EXPECT_TRUE(FileExists(driver.Screenshots().Folder() + L"02-FAILED.png"));
    screen.Press(e2e::keys::Esc);
    EXPECT_EQ(driver.WaitExit(*fixture), 2u);
}

TEST_F(DriverTest, WaitsUntilTheScreenHasRepainted) {
    e2e::TFormWindow screen = StartFixture();
    for (int i = 0; i < 5; ++i) {
        InvalidateRect(screen.Handle(), nullptr, FALSE);
        driver.WaitIdle(screen.Handle());
        EXPECT_FALSE(GetUpdateRect(screen.Handle(), nullptr, FALSE)) << "returned before the repaint";
    }
    screen.Click(L"BCancel");
    EXPECT_EQ(driver.WaitExit(*fixture), 2u);
}

}  // namespace
