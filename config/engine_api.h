// Binary interface of the database engine library IDAPI32.DLL, shared by the
// setup program and the engine itself. Every entry point uses the WINAPI
// calling convention and is exported under its plain name. Strings are
// zero-terminated 8-bit text in the system's ANSI code page.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

using TDbiResult = std::uint16_t;

// Results of every call; see docs/engine.md.
enum : TDbiResult {
    dbiOk = 0,
    dbiErrNotInitialized = 1,
    dbiErrInterfaceVersion = 2,
    dbiErrInvalidParameter = 3,
    dbiErrInvalidHandle = 4,
    dbiErrTextTooLong = 5,
    dbiErrUnknownDatabase = 6,
    dbiErrDirectoryNotFound = 7,
    dbiErrAliasExists = 8,
    dbiErrUnknownDriver = 9,
    dbiErrBadAliasParameters = 10,
    dbiErrDatabaseTypeMismatch = 11,
    dbiErrUnknownNode = 12,
    dbiErrEndOfList = 13,
    dbiErrNoCurrentRecord = 14,
    dbiErrReadOnly = 15,
    dbiErrNotLocked = 16,
    dbiErrConfigRead = 17,
    dbiErrConfigWrite = 18,
    dbiErrOutOfMemory = 19,
};

inline constexpr std::uint16_t DbiInterfaceVersion = 500;
inline constexpr wchar_t EngineLibraryName[] = L"IDAPI32.DLL";

// Longest alias name and longest alias parameter string, without the terminator.
inline constexpr std::size_t DbiMaxNameLength = 255;

enum TDbiOpenMode : std::int32_t { omReadWrite = 0, omReadOnly = 1 };
enum TDbiShareMode : std::int32_t { smShared = 0, smExclusive = 1 };
// Persistent: the configuration file (changes are written through at once).
// Session: this process's view only.
enum TDbiCfgMode : std::int32_t { cmPersistent = 0, cmSession = 1 };
enum TDbiLock : std::int32_t { lkNone = 0, lkRead = 1, lkWrite = 2 };

struct TDbiEnvironment;  // reserved: always pass no environment record
struct TDbiConfigRec;    // reserved: always pass no configuration handle
struct TDbiDatabaseRec;
struct TDbiCursorRec;
using TDbiConfig = TDbiConfigRec*;
using TDbiDatabase = TDbiDatabaseRec*;
using TDbiCursor = TDbiCursorRec*;

// One record of a configuration list: a setting of a configuration node.
struct CFGDesc {
    char szNodeName[32];
    char szValue[128];
};
static_assert(sizeof(CFGDesc) == 160);

using TDbiInitFnProc = TDbiResult(WINAPI*)(std::uint16_t interfaceVersion, const TDbiEnvironment* environment);
using TDbiExitProc = TDbiResult(WINAPI*)();
using TDbiOpenDatabaseProc = TDbiResult(WINAPI*)(const char* name, const char* databaseType, TDbiOpenMode openMode,
                                                 TDbiShareMode shareMode, const char* password,
                                                 std::uint16_t optionCount, const char* const* options,
                                                 TDbiDatabase* database);
using TDbiCloseDatabaseProc = TDbiResult(WINAPI*)(TDbiDatabase* database);
using TDbiAddAliasProc = TDbiResult(WINAPI*)(TDbiConfig config, const char* alias, const char* driverType,
                                             const char* parameters, BOOL persistent);
using TDbiCfgSaveProc = TDbiResult(WINAPI*)(TDbiConfig config, const char* fileName, BOOL systemWide);
using TDbiOpenCfgInfoListProc = TDbiResult(WINAPI*)(TDbiConfig config, TDbiOpenMode openMode, TDbiCfgMode cfgMode,
                                                    const char* nodePath, TDbiCursor* cursor);
using TDbiSetToBeginProc = TDbiResult(WINAPI*)(TDbiCursor cursor);
using TDbiGetNextRecordProc = TDbiResult(WINAPI*)(TDbiCursor cursor, TDbiLock lock, void* record,
                                                  void* recordProperties);
using TDbiModifyRecordProc = TDbiResult(WINAPI*)(TDbiCursor cursor, const void* record, BOOL freeLock);
using TDbiCloseCursorProc = TDbiResult(WINAPI*)(TDbiCursor* cursor);
