// The mini database engine: aliases and driver settings kept in a
// configuration file beside the library, databases that are directories named
// by an alias, and cursors over the settings of one configuration node.
#include "config/engine_api.h"
#include "kit/engine/config_store.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <type_traits>
#include <vector>

struct TDbiDatabaseRec {
    std::string Alias;
    std::string Directory;
};

struct TDbiCursorRec {
    std::string NodePath;
    TDbiOpenMode OpenMode = omReadOnly;
    TDbiCfgMode CfgMode = cmPersistent;
    std::vector<TConfigSetting> Rows;
    std::size_t Next = 0;
    std::optional<std::size_t> Current;
    bool WriteLocked = false;
};

namespace {

constexpr std::size_t MaxNodeName = sizeof(CFGDesc::szNodeName) - 1;
constexpr std::size_t MaxValue = sizeof(CFGDesc::szValue) - 1;
constexpr std::size_t MaxTypeName = 31;

struct TEngineState {
    int InitCount = 0;
    TConfigStore Config;
    std::vector<std::unique_ptr<TDbiDatabaseRec>> Databases;
    std::vector<std::unique_ptr<TDbiCursorRec>> Cursors;
};

std::mutex StateLock;
TEngineState State;

// Runs one call under the engine's lock; nothing escapes into the caller.
template <class Body>
TDbiResult Call(Body body) noexcept {
    try {
        std::lock_guard<std::mutex> guard(StateLock);
        return body();
    } catch (const std::bad_alloc&) {
        return dbiErrOutOfMemory;
    } catch (...) {
        return dbiErrInvalidParameter;
    }
}

std::wstring ConfigFile() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&State), &self);
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(self, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return ConfigFileOf(path);
        }
        path.resize(path.size() * 2);
    }
}

// True when `text` has at most `maxLength` characters; reads no further.
bool Fits(const char* text, std::size_t maxLength) { return strnlen(text, maxLength + 1) <= maxLength; }

bool Initialised() { return State.InitCount > 0; }

template <class T>
bool Owns(const std::vector<std::unique_ptr<T>>& list, const T* item) {
    for (const auto& p : list)
        if (p.get() == item) return true;
    return false;
}

template <class T>
void Remove(std::vector<std::unique_ptr<T>>& list, const T* item) {
    std::erase_if(list, [item](const auto& p) { return p.get() == item; });
}

bool IsDirectory(const std::string& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesW(AnsiToWideText(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// "NAME:value;NAME:value", names and values storable in the file.
std::optional<std::vector<TConfigSetting>> ParseAliasParameters(std::string_view text) {
    std::vector<TConfigSetting> settings;
    while (!text.empty()) {
        const auto end = text.find(';');
        const std::string_view item = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (item.empty()) continue;
        const auto colon = item.find(':');
        if (colon == std::string_view::npos) return std::nullopt;
        const std::string_view name = item.substr(0, colon), value = item.substr(colon + 1);
        if (!IsStorableName(name) || name.size() > MaxNodeName || !IsStorableValue(value)) return std::nullopt;
        settings.push_back(TConfigSetting{std::string(name), std::string(value)});
    }
    return settings;
}

const std::string* AliasSetting(const std::vector<TConfigSetting>& settings, std::string_view name) {
    for (const TConfigSetting& s : settings)
        if (SameNameAscii(s.Name, name)) return &s.Value;
    return nullptr;
}

void FillRecord(CFGDesc& record, const TConfigSetting& row, bool valueFits) {
    std::memset(&record, 0, sizeof record);
    std::memcpy(record.szNodeName, row.Name.data(), std::min(row.Name.size(), MaxNodeName));
    if (valueFits) std::memcpy(record.szValue, row.Value.data(), row.Value.size());
}

TDbiResult WriteThrough(const std::string& nodePath, const std::string& name, const std::string& value) {
    const std::wstring file = ConfigFile();
    auto stored = TConfigStore::Load(file);
    if (!stored) return dbiErrConfigRead;
    stored->Set(nodePath, name, value);
    return stored->Save(file) ? dbiOk : dbiErrConfigWrite;
}

}  // namespace

extern "C" {

TDbiResult WINAPI DbiInitFn(std::uint16_t interfaceVersion, const TDbiEnvironment* environment) {
    return Call([&]() -> TDbiResult {
        if (interfaceVersion != DbiInterfaceVersion) return dbiErrInterfaceVersion;
        if (environment) return dbiErrInvalidParameter;
        if (State.InitCount == 0) {
            auto config = TConfigStore::Load(ConfigFile());
            if (!config) return dbiErrConfigRead;
            State.Config = std::move(*config);
        }
        ++State.InitCount;
        return dbiOk;
    });
}

TDbiResult WINAPI DbiExit() {
    return Call([&]() -> TDbiResult {
        if (!Initialised()) return dbiErrNotInitialized;
        if (--State.InitCount == 0) State = TEngineState{};
        return dbiOk;
    });
}

TDbiResult WINAPI DbiOpenDatabase(const char* name, const char* databaseType, TDbiOpenMode openMode,
                                  TDbiShareMode shareMode, const char* /*password*/, std::uint16_t optionCount,
                                  const char* const* options, TDbiDatabase* database) {
    return Call([&]() -> TDbiResult {
        if (!database) return dbiErrInvalidParameter;
        *database = nullptr;
        if (!Initialised()) return dbiErrNotInitialized;
        if (!name || (openMode != omReadWrite && openMode != omReadOnly)
            || (shareMode != smShared && shareMode != smExclusive) || (optionCount && !options))
            return dbiErrInvalidParameter;
        if (!Fits(name, DbiMaxNameLength) || (databaseType && !Fits(databaseType, MaxTypeName)))
            return dbiErrTextTooLong;
        const std::string alias = TConfigStore::AliasPath(name);
        if (!State.Config.Find(alias)) return dbiErrUnknownDatabase;
        const std::string* type = State.Config.Value(alias, "TYPE");
        if (databaseType && *databaseType && (!type || !SameNameAscii(*type, databaseType)))
            return dbiErrDatabaseTypeMismatch;
        const std::string* path = State.Config.Value(alias, "PATH");
        if (!path || !IsDirectory(*path)) return dbiErrDirectoryNotFound;
        State.Databases.push_back(std::make_unique<TDbiDatabaseRec>(TDbiDatabaseRec{name, *path}));
        *database = State.Databases.back().get();
        return dbiOk;
    });
}

TDbiResult WINAPI DbiCloseDatabase(TDbiDatabase* database) {
    return Call([&]() -> TDbiResult {
        if (!database) return dbiErrInvalidParameter;
        if (!Owns(State.Databases, *database)) return dbiErrInvalidHandle;
        Remove(State.Databases, *database);
        *database = nullptr;
        return dbiOk;
    });
}

TDbiResult WINAPI DbiAddAlias(TDbiConfig config, const char* alias, const char* driverType, const char* parameters,
                              BOOL persistent) {
    return Call([&]() -> TDbiResult {
        if (!Initialised()) return dbiErrNotInitialized;
        if (config) return dbiErrInvalidHandle;
        if (!alias || !driverType || !parameters) return dbiErrInvalidParameter;
        if (!Fits(alias, DbiMaxNameLength) || !Fits(parameters, DbiMaxNameLength) || !Fits(driverType, MaxTypeName))
            return dbiErrTextTooLong;
        const std::string name = alias;
        if (!IsStorableName(name) || name.find('\\') != std::string::npos) return dbiErrInvalidParameter;
        if (!IsStorableName(driverType) || !State.Config.Find(std::string("\\DRIVERS\\") + driverType + "\\INIT"))
            return dbiErrUnknownDriver;
        const auto settings = ParseAliasParameters(parameters);
        if (!settings) return dbiErrBadAliasParameters;
        const std::string* path = AliasSetting(*settings, "PATH");
        if (!path || path->empty()) return dbiErrBadAliasParameters;
        const std::string nodePath = TConfigStore::AliasPath(name);
        if (State.Config.Find(nodePath)) return dbiErrAliasExists;
        TConfigNode& node = State.Config.Ensure(nodePath);
        node.Persistent = persistent != FALSE;
        node.Settings.push_back(TConfigSetting{"TYPE", driverType});
        for (const TConfigSetting& s : *settings) State.Config.Set(nodePath, s.Name, s.Value);
        return dbiOk;
    });
}

TDbiResult WINAPI DbiCfgSave(TDbiConfig config, const char* fileName, BOOL /*systemWide*/) {
    return Call([&]() -> TDbiResult {
        if (!Initialised()) return dbiErrNotInitialized;
        if (config) return dbiErrInvalidHandle;
        if (fileName && !Fits(fileName, MAX_PATH)) return dbiErrTextTooLong;
        const std::wstring target = fileName && *fileName ? AnsiToWideText(fileName) : ConfigFile();
        return State.Config.Save(target) ? dbiOk : dbiErrConfigWrite;
    });
}

TDbiResult WINAPI DbiOpenCfgInfoList(TDbiConfig config, TDbiOpenMode openMode, TDbiCfgMode cfgMode,
                                     const char* nodePath, TDbiCursor* cursor) {
    return Call([&]() -> TDbiResult {
        if (!cursor) return dbiErrInvalidParameter;
        *cursor = nullptr;
        if (!Initialised()) return dbiErrNotInitialized;
        if (config) return dbiErrInvalidHandle;
        if (!nodePath || (openMode != omReadWrite && openMode != omReadOnly)
            || (cfgMode != cmPersistent && cfgMode != cmSession))
            return dbiErrInvalidParameter;
        if (!Fits(nodePath, DbiMaxNameLength)) return dbiErrTextTooLong;
        const TConfigNode* node = State.Config.Find(nodePath);
        if (!node) return dbiErrUnknownNode;
        auto rec = std::make_unique<TDbiCursorRec>();
        rec->NodePath = node->Path;
        rec->OpenMode = openMode;
        rec->CfgMode = node->Persistent ? cfgMode : cmSession;
        rec->Rows = node->Settings;
        State.Cursors.push_back(std::move(rec));
        *cursor = State.Cursors.back().get();
        return dbiOk;
    });
}

TDbiResult WINAPI DbiSetToBegin(TDbiCursor cursor) {
    return Call([&]() -> TDbiResult {
        if (!Owns(State.Cursors, cursor)) return dbiErrInvalidHandle;
        cursor->Next = 0;
        cursor->Current.reset();
        cursor->WriteLocked = false;
        return dbiOk;
    });
}

TDbiResult WINAPI DbiGetNextRecord(TDbiCursor cursor, TDbiLock lock, void* record, void* /*recordProperties*/) {
    return Call([&]() -> TDbiResult {
        if (!Owns(State.Cursors, cursor)) return dbiErrInvalidHandle;
        if (lock != lkNone && lock != lkRead && lock != lkWrite) return dbiErrInvalidParameter;
        if (lock == lkWrite && cursor->OpenMode == omReadOnly) return dbiErrReadOnly;
        if (cursor->Next >= cursor->Rows.size()) return dbiErrEndOfList;
        cursor->Current = cursor->Next++;
        cursor->WriteLocked = lock == lkWrite;
        const TConfigSetting& row = cursor->Rows[*cursor->Current];
        const bool valueFits = row.Value.size() <= MaxValue;
        if (record) FillRecord(*static_cast<CFGDesc*>(record), row, valueFits);
        return valueFits ? dbiOk : dbiErrTextTooLong;
    });
}

TDbiResult WINAPI DbiModifyRecord(TDbiCursor cursor, const void* record, BOOL freeLock) {
    return Call([&]() -> TDbiResult {
        if (!Owns(State.Cursors, cursor)) return dbiErrInvalidHandle;
        if (!record) return dbiErrInvalidParameter;
        if (cursor->OpenMode == omReadOnly) return dbiErrReadOnly;
        if (!cursor->Current) return dbiErrNoCurrentRecord;
        if (!cursor->WriteLocked) return dbiErrNotLocked;
        const auto& desc = *static_cast<const CFGDesc*>(record);
        TConfigSetting& row = cursor->Rows[*cursor->Current];
        if (!Fits(desc.szNodeName, MaxNodeName) || !SameNameAscii(desc.szNodeName, row.Name))
            return dbiErrInvalidParameter;
        if (!Fits(desc.szValue, MaxValue)) return dbiErrTextTooLong;
        const std::string value = desc.szValue;
        if (!IsStorableValue(value)) return dbiErrInvalidParameter;
        if (cursor->CfgMode == cmPersistent)
            if (const TDbiResult result = WriteThrough(cursor->NodePath, row.Name, value)) return result;
        State.Config.Set(cursor->NodePath, row.Name, value);
        row.Value = value;
        if (freeLock) cursor->WriteLocked = false;
        return dbiOk;
    });
}

TDbiResult WINAPI DbiCloseCursor(TDbiCursor* cursor) {
    return Call([&]() -> TDbiResult {
        if (!cursor) return dbiErrInvalidParameter;
        if (!Owns(State.Cursors, *cursor)) return dbiErrInvalidHandle;
        Remove(State.Cursors, *cursor);
        *cursor = nullptr;
        return dbiOk;
    });
}

}  // extern "C"

static_assert(std::is_same_v<decltype(&DbiInitFn), TDbiInitFnProc>);
static_assert(std::is_same_v<decltype(&DbiExit), TDbiExitProc>);
static_assert(std::is_same_v<decltype(&DbiOpenDatabase), TDbiOpenDatabaseProc>);
static_assert(std::is_same_v<decltype(&DbiCloseDatabase), TDbiCloseDatabaseProc>);
static_assert(std::is_same_v<decltype(&DbiAddAlias), TDbiAddAliasProc>);
static_assert(std::is_same_v<decltype(&DbiCfgSave), TDbiCfgSaveProc>);
static_assert(std::is_same_v<decltype(&DbiOpenCfgInfoList), TDbiOpenCfgInfoListProc>);
static_assert(std::is_same_v<decltype(&DbiSetToBegin), TDbiSetToBeginProc>);
static_assert(std::is_same_v<decltype(&DbiGetNextRecord), TDbiGetNextRecordProc>);
static_assert(std::is_same_v<decltype(&DbiModifyRecord), TDbiModifyRecordProc>);
static_assert(std::is_same_v<decltype(&DbiCloseCursor), TDbiCloseCursorProc>);
