// The registry wrapper on Wine's real registry, under a key of its own.
#include <gtest/gtest.h>

#include "ui/platform/registry.h"
#include "ui/platform/sysutils.h"

namespace {

const wchar_t Root[] = L"Software\\ZarvantoTest\\Registry";

struct RegistryTest : ::testing::Test {
    TRegistry reg{HKEY_CURRENT_USER};
    void SetUp() override { reg.DeleteKey(Root); }
    void TearDown() override { reg.DeleteKey(L"Software\\ZarvantoTest"); }
};

TEST_F(RegistryTest, WritesAndReadsBackStringsAndIntegers) {
    ASSERT_FALSE(reg.OpenKey(Root, false));
    ASSERT_TRUE(reg.OpenKey(Root + std::wstring(L"\\Sub"), true));
    reg.WriteString(L"DLLPATH", L"C:\\Program Files\\Cale \u0103\u00ee");
    reg.WriteInteger(L"VERSION", 500);
    reg.WriteString(L"Gol", L"");
    EXPECT_EQ(reg.ReadString(L"DLLPATH"), L"C:\\Program Files\\Cale \u0103\u00ee");
    EXPECT_EQ(reg.ReadInteger(L"VERSION"), 500u);
    EXPECT_EQ(reg.ReadString(L"Gol"), L"");
    EXPECT_TRUE(reg.ValueExists(L"dllpath"));
    EXPECT_TRUE(reg.KeyExists(Root));
    reg.CloseKey();
    ASSERT_TRUE(reg.OpenKeyReadOnly(Root));
    EXPECT_EQ(reg.GetKeyNames(), std::vector<std::wstring>{L"Sub"});
}

TEST_F(RegistryTest, MissingOrMistypedValuesThrowWithTheSystemText) {
    ASSERT_TRUE(reg.OpenKey(Root, true));
    reg.WriteInteger(L"Numar", 1);
    const auto expectError = [](auto read) {
        try {
            read();
            ADD_FAILURE() << "no error";
        } catch (const ERegistryError& e) {
            EXPECT_NE(e.ErrorCode(), 0u);
            EXPECT_GT(e.Message().size(), 30u);
        }
    };
    expectError([&] { reg.ReadString(L"Lipsa"); });
    expectError([&] { reg.ReadString(L"Numar"); });
    expectError([&] { reg.ReadInteger(L"Lipsa"); });
    reg.CloseKey();
    expectError([&] { reg.WriteString(L"X", L"y"); });
}

}  // namespace
