// A database engine of a test's own: HKLM\Software\Borland set aside and
// emptied, IDAPI32.DLL copied into a fresh folder and DLLPATH pointing there.
// Everything is put back when the sandbox goes away.
#pragma once

#include "tests/support/temp_dir.h"

#include <windows.h>

#include <optional>
#include <string>

// Folder of the kit's built programs (IDAPI32.DLL, UPGRADE.DLL, bde.reg).
std::wstring KitProgramsDir();

inline constexpr wchar_t EngineKey[] = L"Software\\Borland\\Database Engine";

class TBorlandKeyGuard {
public:
    TBorlandKeyGuard();
    ~TBorlandKeyGuard();
    TBorlandKeyGuard(const TBorlandKeyGuard&) = delete;
    TBorlandKeyGuard& operator=(const TBorlandKeyGuard&) = delete;

private:
    std::wstring FBackup;
    bool FSaved = false;
};

class TEngineSandbox {
public:
    TEngineSandbox();
    ~TEngineSandbox();

    const TempDir& Temp() const { return FTemp; }
    // The engine's folder, with a trailing backslash, and its library.
    std::wstring EngineDir() const { return FTemp / L"BDE\\"; }
    std::wstring EngineLibrary() const { return EngineDir() + L"IDAPI32.DLL"; }
    // Creates a folder (and its parents) under the sandbox; returns it without
    // a trailing backslash.
    std::wstring MakeDir(const std::wstring& relative) const;

    void SetDllPath(const std::wstring& value) const;
    void RemoveDllPath() const;

private:
    TBorlandKeyGuard FGuard;
    TempDir FTemp;
};

// Starts a command line and waits for it; its exit code, or -1 when it could
// not be started.
long RunAndWait(const std::wstring& commandLine);

// A setting as the engine at `library` reads it from its configuration file
// (the library is loaded afresh, so the caller must have let go of it).
std::optional<std::string> SavedSetting(const std::wstring& library, const std::string& node, const char* name);

// Whether the registry key exists under HKEY_LOCAL_MACHINE.
bool MachineKeyExists(const std::wstring& key);
std::optional<std::wstring> MachineString(const std::wstring& key, const wchar_t* name);
