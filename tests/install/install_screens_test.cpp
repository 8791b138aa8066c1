// The install-type and directories screens on real windows, driven by real
// clicks and keys.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/installer_state.h"
#include "install/dirs_screen.h"
#include "install/itype_screen.h"
#include "tests/support/gui_support.h"
#include "tests/support/temp_dir.h"
#include "ui/controls/radio_group.h"
#include "ui/forms/framework.h"
#include "ui/platform/application.h"
#include "ui/platform/sysutils.h"

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

TEST(Directories, OneLevelIsCreatedForWhatWasTypedAndNothingElse) {
    TempDir root;
    const std::wstring base = root.Path();
    struct Case {
        const char* Name;
        std::wstring Typed;
        bool Usable;
    };
    const Case cases[] = {
        {"with a final backslash", base + L"Nou\\", true},
        {"an existing directory", ExcludeTrailingBackslash(base), true},
        {"a missing parent", base + L"Lipsa\\Date", false},
        {"a relative path", L"relativ", false},
        {"a character Windows refuses", base + L"a|b", false},
        {"longer than a path may be", base + std::wstring(300, L'x'), false},
        {"Romanian letters outside the code page", base + L"\u0218coal\u0103", true},
    };
    for (const Case& c : cases) EXPECT_EQ(EnsureDirectory(c.Typed), c.Usable) << c.Name;
    EXPECT_TRUE(DirectoryExists(base + L"Nou"));
    EXPECT_TRUE(DirectoryExists(base + L"\u0218coal\u0103"));
    EXPECT_FALSE(DirectoryExists(base + L"Lipsa"));
    EXPECT_FALSE(DirectoryExists(L"relativ")) << "nothing lands in the current directory";
    std::vector<std::wstring> made = SubFolders(base);
    std::sort(made.begin(), made.end());
    EXPECT_EQ(made, (std::vector<std::wstring>{L"Nou", L"\u0218coal\u0103"}));
}

}  // namespace
