#include "config/engine.h"

#include "config/engine_library.h"
#include "ui/platform/sysutils.h"

#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

namespace {

std::unique_ptr<TEngineLibrary> Engine;
bool EngineInitialised = false;

TEngineLibrary* LoadedEngine() {
    if (!Engine) Engine = TEngineLibrary::Load(RegisteredEngineLibraryPath());
    return Engine.get();
}

// The ANSI form of `text` when the code page holds it exactly and it has at
// most `maxLength` bytes.
std::optional<std::string> EngineText(std::wstring_view text, std::size_t maxLength) {
    if (!FitsAnsiCodePage(text)) return std::nullopt;
    std::string ansi = WideToAnsi(text);
    if (ansi.size() > maxLength) return std::nullopt;
    return ansi;
}

class TCfgCursor {
public:
    TCfgCursor(const TEngineLibrary& engine, const char* nodePath) : FEngine(engine) {
        if (engine.DbiOpenCfgInfoList(nullptr, omReadWrite, cmPersistent, nodePath, &FCursor) != dbiOk)
            FCursor = nullptr;
    }
    ~TCfgCursor() {
        if (FCursor) FEngine.DbiCloseCursor(&FCursor);
    }
    TCfgCursor(const TCfgCursor&) = delete;
    TCfgCursor& operator=(const TCfgCursor&) = delete;
    TDbiCursor Handle() const { return FCursor; }

private:
    const TEngineLibrary& FEngine;
    TDbiCursor FCursor = nullptr;
};

// One DbiInit of its own, left with DbiExit.
class TEngineSession {
public:
    explicit TEngineSession(const TEngineLibrary& engine) : FEngine(engine), FOpen(engine.DbiInit() == dbiOk) {}
    ~TEngineSession() {
        if (FOpen) FEngine.DbiExit();
    }
    TEngineSession(const TEngineSession&) = delete;
    TEngineSession& operator=(const TEngineSession&) = delete;
    bool Open() const { return FOpen; }

private:
    const TEngineLibrary& FEngine;
    bool FOpen;
};

bool IsNetDirRecord(const CFGDesc& record) {
    const std::string_view name(record.szNodeName, strnlen(record.szNodeName, sizeof record.szNodeName));
    return SameTextAscii(AnsiToWide(name), L"NET DIR");
}

bool ModifyNetDir(const TEngineLibrary& engine, const std::wstring& dir, const std::string& value) {
    const TCfgCursor cursor(engine, WideToAnsi(NetDirNodePath).c_str());
    if (!cursor.Handle() || engine.DbiSetToBegin(cursor.Handle()) != dbiOk) return false;
    CFGDesc record{};
    while (engine.DbiGetNextRecord(cursor.Handle(), lkWrite, &record, nullptr) == dbiOk) {
        if (!IsNetDirRecord(record)) continue;
        ForceDirectories(dir + L"NetDir");
        std::memset(record.szValue, 0, sizeof record.szValue);
        std::memcpy(record.szValue, value.data(), value.size());
        return engine.DbiModifyRecord(cursor.Handle(), &record, TRUE) == dbiOk;
    }
    return false;
}

}  // namespace

bool EngineInit() {
    if (EngineInitialised) return true;
    try {
        const TEngineLibrary* engine = LoadedEngine();
        EngineInitialised = engine && engine->DbiInit() == dbiOk;
    } catch (...) {
        EngineInitialised = false;
    }
    return EngineInitialised;
}

bool MainAliasExists() {
    try {
        if (!EngineInit()) return false;
        TDbiDatabase database = nullptr;
        if (Engine->DbiOpenDatabase(WideToAnsi(MainAliasName).c_str(), nullptr, omReadOnly, smShared, nullptr, 0,
                                    nullptr, &database) != dbiOk)
            return false;
        Engine->DbiCloseDatabase(&database);
        return true;
    } catch (...) {
        return false;
    }
}

bool AddAliases(const std::vector<std::wstring>& Names, const std::vector<std::wstring>& Dirs) {
    try {
        if (Names.size() != Dirs.size() || !EngineInit()) return false;
        bool allDone = true;
        for (std::size_t i = 0; i < Names.size(); ++i) {
            const auto name = EngineText(Names[i], DbiMaxNameLength);
            const auto parameters = EngineText(L"PATH:" + Dirs[i], DbiMaxNameLength);
            const bool added = name && parameters
                               && Engine->DbiAddAlias(nullptr, name->c_str(), "PARADOX", parameters->c_str(), TRUE)
                                      == dbiOk;
            allDone = allDone && added;
        }
        return Engine->DbiCfgSave(nullptr, nullptr, FALSE) == dbiOk && allDone;
    } catch (...) {
        return false;
    }
}

bool SetNetDir(const std::wstring& Dir) {
    try {
        if (Dir.empty()) return false;
        const std::wstring dir = IncludeTrailingBackslash(Dir);
        const auto value = EngineText(dir, MaxNetDirLength);
        const TEngineLibrary* engine = value ? LoadedEngine() : nullptr;
        if (!engine) return false;
        const TEngineSession session(*engine);
        return session.Open() && ModifyNetDir(*engine, dir, *value);
    } catch (...) {
        return false;
    }
}

void EngineDone() {
    if (EngineInitialised && Engine) Engine->DbiExit();
    EngineInitialised = false;
    Engine.reset();
}
