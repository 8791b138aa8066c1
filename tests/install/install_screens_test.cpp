// The install-type and directories screens on real windows, driven by real
// clicks and keys.
#include <gtest/gtest.h>

#include "core/installer_state.h"
#include "install/dirs_screen.h"
#include "install/itype_screen.h"
#include "tests/support/gui_support.h"
#include "ui/controls/radio_group.h"
#include "ui/forms/framework.h"
#include "ui/platform/application.h"

namespace {

struct InstallScreensTest : ::testing::Test {
    void SetUp() override {
        Application->Initialize();
        FrameworkStartup();
        InitInstallerState();
    }
    void TearDown() override { FrameworkShutdown(); }
};

TEST_F(InstallScreensTest, ClickingARowChoosesTheTypeAndEnablesContinue) {
    TOwnedPtr<TIType> screen(NewForm<TIType>(nullptr));
    screen->SetBounds(100, 100, screen->Width(), screen->Height());
    screen->Show();
    Pump(100);
    auto& group = dynamic_cast<TMRadioGroup&>(*screen->FindComponent(L"IType"));
    auto& next = dynamic_cast<TControl&>(*screen->FindComponent(L"BNext"));
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_FALSE(next.Enabled());
    ClickAt(group.ClientToScreen({20, 30}));
    Pump(100);
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_TRUE(next.Enabled());
}

}  // namespace
