// The registry, one open key at a time, in the process's own view. Failed
// writes and reads of values that are missing or of another type throw
// ERegistryError with the Windows error text.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TRegistry {
public:
    explicit TRegistry(HKEY root = HKEY_CURRENT_USER, REGSAM access = KEY_ALL_ACCESS);
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey() const { return FRoot; }
    void SetRootKey(HKEY root);
    // Opens `path` below the root; with `create`, makes missing keys.
    // False when the key cannot be opened (it does not exist, or no access).
    bool OpenKey(std::wstring_view path, bool create);
    bool OpenKeyReadOnly(std::wstring_view path);
    void CloseKey();
    HKEY CurrentKey() const { return FKey; }

    bool KeyExists(std::wstring_view path) const;
    bool ValueExists(std::wstring_view name) const;
    std::wstring ReadString(std::wstring_view name) const;
    void WriteString(std::wstring_view name, std::wstring_view value);
    void WriteExpandString(std::wstring_view name, std::wstring_view value);
    std::uint32_t ReadInteger(std::wstring_view name) const;
    void WriteInteger(std::wstring_view name, std::uint32_t value);
    bool DeleteValue(std::wstring_view name);
    // Deletes a key below the root with everything under it.
    bool DeleteKey(std::wstring_view path);
    std::vector<std::wstring> GetKeyNames() const;
    std::vector<std::wstring> GetValueNames() const;

private:
    HKEY RequireKey() const;
    void Write(std::wstring_view name, DWORD type, const void* data, DWORD size);

    HKEY FRoot;
    REGSAM FAccess;
    HKEY FKey = nullptr;
    std::wstring FPath;
};
