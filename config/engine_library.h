// The database engine library, loaded from the directory the registry names
// and bound by export name; unloaded with the object.
#pragma once

#include "config/engine_api.h"

#include <memory>
#include <string>

class TEngineLibrary {
public:
    // The library at `path` with all its entry points; nothing when it cannot
    // be loaded or lacks one of them.
    static std::unique_ptr<TEngineLibrary> Load(const std::wstring& path);
    ~TEngineLibrary();
    TEngineLibrary(const TEngineLibrary&) = delete;
    TEngineLibrary& operator=(const TEngineLibrary&) = delete;

    TDbiResult DbiInit() const { return DbiInitFn(DbiInterfaceVersion, nullptr); }

    TDbiInitFnProc DbiInitFn = nullptr;
    TDbiExitProc DbiExit = nullptr;
    TDbiOpenDatabaseProc DbiOpenDatabase = nullptr;
    TDbiCloseDatabaseProc DbiCloseDatabase = nullptr;
    TDbiAddAliasProc DbiAddAlias = nullptr;
    TDbiCfgSaveProc DbiCfgSave = nullptr;
    TDbiOpenCfgInfoListProc DbiOpenCfgInfoList = nullptr;
    TDbiSetToBeginProc DbiSetToBegin = nullptr;
    TDbiGetNextRecordProc DbiGetNextRecord = nullptr;
    TDbiModifyRecordProc DbiModifyRecord = nullptr;
    TDbiCloseCursorProc DbiCloseCursor = nullptr;

private:
    explicit TEngineLibrary(HMODULE module) : FModule(module) {}
    bool BindAll();

    HMODULE FModule;
};

// The engine library that HKEY_LOCAL_MACHINE\Software\Borland\Database Engine
// "DLLPATH" points at: the first of its directories (separated by ';') that
// holds IDAPI32.DLL. Empty when there is none.
std::wstring RegisteredEngineLibraryPath();
