// The wizard driver's arithmetic and step changes, and the background
// window's placement and version label.
#include <gtest/gtest.h>

#include "app/background_window.h"
#include "app/startup.h"
#include "app/wizard.h"
#include "core/installer_state.h"
#include "ui/forms/framework.h"
#include "ui/platform/application.h"
#include "ui/platform/ext_controls.h"
#include "ui/platform/std_controls.h"
#include "ui/platform/sysutils.h"

namespace {

TEST(Wizard, ScreensSitCentredWithEightNinthsOfTheFreeHeightAbove) {
    struct Case {
        int ScreenWidth, ScreenHeight, Width, Height;
        TPoint Expected;
    };
    const Case cases[] = {
        {1920, 1080, 637, 114, {641, 856}},
        {800, 600, 637, 114, {81, 432}},
        {640, 480, 700, 500, {-30, -16}},  // larger than the display: signed division toward zero
        {1024, 768, 600, 340, {212, 376}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScreenPlacement(c.ScreenWidth, c.ScreenHeight, c.Width, c.Height), c.Expected)
            << c.ScreenWidth << "x" << c.ScreenHeight;
}

TEST(Wizard, ResultsMoveForwardBackOrToTheEnd) {
    InitInstallerState();
    struct Case {
        std::uint8_t From;
        int Result;
        std::uint8_t To;
    };
    const Case cases[] = {
        {wsInstallType, 1, wsDirectories}, {wsDirectories, 4, wsInstallType}, {wsCopy, 2, wsFinish},
        {wsConfig, 1, wsEnd},              {wsEnd, 1, wsFinish},              {wsEnd, 4, wsConfig},
        {wsFindApp, 4, wsFinish},          {wsUpgradeData, 1, wsEnd},         {wsDirectories, 3, wsDirectories},
        {wsUpgradeCopy, 1, wsUpgradeData},
    };
    for (const Case& c : cases) {
        InstallerState.InstallType = itLocal;
        EXPECT_EQ(ApplyStepRules(StepAfterResult(c.From, c.Result)), c.To) << int(c.From) << " " << c.Result;
    }
}

TEST(Wizard, AClientUpgradeSkipsTheDatabaseWhenItIsNotAskedFor) {
    InitInstallerState();
    InstallerState.InstallType = itClient;
    EXPECT_EQ(ApplyStepRules(wsUpgradeData), wsEnd);
    InstallerState.InstallType = itLocal;
    EXPECT_TRUE(AskClientUpgrade()) << "only a client is asked";
    EXPECT_EQ(ApplyStepRules(wsUpgradeCopy), wsUpgradeCopy);
    EXPECT_EQ(InstallerState.InstallType, itServer) << "an upgrade of a local installation goes on as a server";
}

struct BackgroundWindowTest : ::testing::Test {
    void SetUp() override {
        Application->Initialize();
        StartProgram();
        InitInstallerState();
        FormatSettings.DecimalSeparator = L'.';
    }
    void TearDown() override { StopProgram(); }
};

TEST_F(BackgroundWindowTest, ThePanelIsCentredFifteenPixelsAboveTheMiddle) {
    TOwnedPtr<TInstaller> window(NewForm<TInstaller>(nullptr));
    window->SetBounds(0, 0, 1920 + 0, 1080);
    auto& panou = dynamic_cast<TPanel&>(*window->FindComponent(L"Panou"));
    EXPECT_EQ(window->ClientWidth(), 1920);
    EXPECT_EQ(panou.Left(), 585);
    EXPECT_EQ(panou.Top(), 275);
    window->SetBounds(0, 0, 800, 600);  // smaller than its design: still placed by the same rule
    EXPECT_EQ(panou.Left(), (800 - 750) / 2);
    EXPECT_EQ(panou.Top(), (600 - 499) / 2 - 15);
}

TEST_F(BackgroundWindowTest, TheVersionLabelHasTwoDecimalsAndThePoint) {
    EXPECT_EQ(TInstaller::VersionText(3200877.05), L"ver.3200877.05");
    EXPECT_EQ(TInstaller::VersionText(851.1), L"ver.851.10");
    TOwnedPtr<TInstaller> window(NewForm<TInstaller>(nullptr));
    window->Show();
    EXPECT_EQ(dynamic_cast<TLabel&>(*window->FindComponent(L"VerLbl")).Caption(), L"ver.3200877.05");
    const auto& name = dynamic_cast<TLabel&>(*window->FindComponent(L"lZarvanto"));
    EXPECT_EQ(name.Font().Name(), L"Helvetica Black_r") << "the embedded typeface is in use";
    EXPECT_EQ(name.Font().Size(), 78);
}

}  // namespace
