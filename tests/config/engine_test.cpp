// The engine library itself, called through its exports.
#include "config/engine_library.h"

#include "tests/config/engine_sandbox.h"
#include "ui/platform/sysutils.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

class Engine : public ::testing::Test {
protected:
    void SetUp() override {
        Library = TEngineLibrary::Load(Sandbox.EngineLibrary());
        ASSERT_TRUE(Library);
    }
    void TearDown() override {
        while (Library && Library->DbiExit() == dbiOk) {
        }
    }

    TDbiResult AddAlias(const char* name, const char* type, const char* parameters, BOOL persistent = TRUE) {
        return Library->DbiAddAlias(nullptr, name, type, parameters, persistent);
    }
    TDbiResult Open(const char* name) {
        TDbiDatabase database = nullptr;
        const TDbiResult result =
            Library->DbiOpenDatabase(name, nullptr, omReadOnly, smShared, nullptr, 0, nullptr, &database);
        if (result == dbiOk) Library->DbiCloseDatabase(&database);
        return result;
    }

    TEngineSandbox Sandbox;
    std::unique_ptr<TEngineLibrary> Library;
};

// Text that ends right before an inaccessible page, without a terminator.
class TUnterminatedText {
public:
    explicit TUnterminatedText(std::size_t length) {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        FPage = info.dwPageSize;
        FBase = static_cast<char*>(VirtualAlloc(nullptr, 2 * FPage, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        DWORD old = 0;
        VirtualProtect(FBase + FPage, FPage, PAGE_NOACCESS, &old);
        FText = FBase + FPage - length;
        std::memset(FText, 'A', length);
    }
    ~TUnterminatedText() { VirtualFree(FBase, 0, MEM_RELEASE); }
    const char* Text() const { return FText; }

private:
    std::size_t FPage = 0;
    char* FBase = nullptr;
    char* FText = nullptr;
};

}  // namespace

TEST_F(Engine, EntersOnlyWithInterfaceVersion500AndCountsItsUsers) {
    EXPECT_EQ(AddAlias("X", "PARADOX", "PATH:C:\\"), dbiErrNotInitialized);
    EXPECT_EQ(Library->DbiInitFn(499, nullptr), dbiErrInterfaceVersion);
    EXPECT_EQ(Library->DbiInitFn(501, nullptr), dbiErrInterfaceVersion);
    EXPECT_EQ(Library->DbiExit(), dbiErrNotInitialized);

    ASSERT_EQ(Library->DbiInitFn(500, nullptr), dbiOk);
    ASSERT_EQ(Library->DbiInit(), dbiOk);
    EXPECT_EQ(Library->DbiExit(), dbiOk);
    EXPECT_EQ(AddAlias("X", "PARADOX", "PATH:C:\\"), dbiOk);
    EXPECT_EQ(Library->DbiExit(), dbiOk);
    EXPECT_EQ(Open("X"), dbiErrNotInitialized);
}

TEST_F(Engine, AliasesAreCheckedBeforeTheyAreAdded) {
    ASSERT_EQ(Library->DbiInit(), dbiOk);
    const std::string data = WideToAnsi(Sandbox.MakeDir(L"DATA"));
    const std::string longest(DbiMaxNameLength, 'L');
    const std::string tooLong(DbiMaxNameLength + 1, 'L');
    const TUnterminatedText unterminated(DbiMaxNameLength + 1);
    struct Case {
        const char* name;
        const char* type;
        std::string parameters;
        TDbiResult expected;
    } cases[] = {
        {"ZARVAN", "PARADOX", "PATH:" + data, dbiOk},
        {"zarvan", "PARADOX", "PATH:" + data, dbiErrAliasExists},
        {longest.c_str(), "PARADOX", "PATH:" + data, dbiOk},
        {tooLong.c_str(), "PARADOX", "PATH:" + data, dbiErrTextTooLong},
        {unterminated.Text(), "PARADOX", "PATH:" + data, dbiErrTextTooLong},
        {"LONGPARAMS", "PARADOX", "PATH:" + std::string(DbiMaxNameLength - 4, 'p'), dbiErrTextTooLong},
        {"OTHER", "DBASE", "PATH:" + data, dbiErrUnknownDriver},
        {"NOPATH", "PARADOX", "LANGDRIVER:x", dbiErrBadAliasParameters},
        {"EMPTYPATH", "PARADOX", "PATH:", dbiErrBadAliasParameters},
        {"NOCOLON", "PARADOX", "PATH", dbiErrBadAliasParameters},
        {"A\\B", "PARADOX", "PATH:" + data, dbiErrInvalidParameter},
        {"A]B", "PARADOX", "PATH:" + data, dbiErrInvalidParameter},
        {nullptr, "PARADOX", "PATH:" + data, dbiErrInvalidParameter},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AddAlias(c.name, c.type, c.parameters.c_str()), c.expected)
            << (c.name ? std::string(c.name, strnlen(c.name, 40)) : "(null)") << " " << c.parameters.substr(0, 40);
    EXPECT_EQ(Open("zarvan"), dbiOk);
}

TEST_F(Engine, OnlyPersistentAliasesAreSaved) {
    ASSERT_EQ(Library->DbiInit(), dbiOk);
    const std::string data = WideToAnsi(Sandbox.MakeDir(L"DATA"));
    ASSERT_EQ(AddAlias("SAVED", "PARADOX", ("PATH:" + data).c_str(), TRUE), dbiOk);
    ASSERT_EQ(AddAlias("SESSION", "PARADOX", ("PATH:" + data).c_str(), FALSE), dbiOk);
    EXPECT_EQ(Open("SESSION"), dbiOk);
    EXPECT_EQ(Open("NOSUCH"), dbiErrUnknownDatabase);
    ASSERT_EQ(Library->DbiCfgSave(nullptr, nullptr, FALSE), dbiOk);
    Library->DbiExit();
    Library.reset();

    EXPECT_EQ(SavedSetting(Sandbox.EngineLibrary(), "\\DATABASES\\SAVED", "PATH"), data);
    EXPECT_EQ(SavedSetting(Sandbox.EngineLibrary(), "\\DATABASES\\SESSION", "PATH"), std::nullopt);
}

TEST_F(Engine, ConfigurationRecordsChangeOnlyUnderAWriteLock) {
    ASSERT_EQ(Library->DbiInit(), dbiOk);
    TDbiCursor readOnly = nullptr, cursor = nullptr;
    EXPECT_EQ(Library->DbiOpenCfgInfoList(nullptr, omReadWrite, cmPersistent, "\\DRIVERS\\NONE", &cursor),
              dbiErrUnknownNode);
    ASSERT_EQ(Library->DbiOpenCfgInfoList(nullptr, omReadOnly, cmPersistent, "\\drivers\\paradox\\init", &readOnly),
              dbiOk);
    CFGDesc record{};
    EXPECT_EQ(Library->DbiGetNextRecord(readOnly, lkWrite, &record, nullptr), dbiErrReadOnly);

    ASSERT_EQ(Library->DbiOpenCfgInfoList(nullptr, omReadWrite, cmPersistent, "\\DRIVERS\\PARADOX\\INIT", &cursor),
              dbiOk);
    EXPECT_EQ(Library->DbiModifyRecord(cursor, &record, TRUE), dbiErrNoCurrentRecord);
    ASSERT_EQ(Library->DbiGetNextRecord(cursor, lkNone, &record, nullptr), dbiOk);
    EXPECT_EQ(Library->DbiModifyRecord(cursor, &record, TRUE), dbiErrNotLocked);
    ASSERT_EQ(Library->DbiSetToBegin(cursor), dbiOk);
    ASSERT_EQ(Library->DbiGetNextRecord(cursor, lkWrite, &record, nullptr), dbiOk);
    std::memset(record.szValue, 'v', sizeof record.szValue);
    EXPECT_EQ(Library->DbiModifyRecord(cursor, &record, TRUE), dbiErrTextTooLong);

    TDbiResult result = dbiOk;
    for (int i = 0; i < 100 && result == dbiOk; ++i)
        result = Library->DbiGetNextRecord(cursor, lkNone, &record, nullptr);
    EXPECT_EQ(result, dbiErrEndOfList);

    const TDbiCursor closed = cursor;
    EXPECT_EQ(Library->DbiCloseCursor(&cursor), dbiOk);
    EXPECT_EQ(cursor, nullptr);
    EXPECT_EQ(Library->DbiSetToBegin(closed), dbiErrInvalidHandle);
    EXPECT_EQ(Library->DbiCloseCursor(&readOnly), dbiOk);
}
