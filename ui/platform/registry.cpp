#include "ui/platform/registry.h"

#include "ui/platform/sysutils.h"

namespace {

std::wstring Trimmed(std::wstring_view path) {
    std::wstring p(path);
    while (!p.empty() && p.front() == L'\\') p.erase(0, 1);
    while (!p.empty() && p.back() == L'\\') p.pop_back();
    return p;
}

}  // namespace

TRegistry::TRegistry(HKEY root, REGSAM access) : FRoot(root), FAccess(access) {}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(HKEY root) {
    CloseKey();
    FRoot = root;
}

bool TRegistry::OpenKey(std::wstring_view path, bool create) {
    CloseKey();
    const std::wstring p = Trimmed(path);
    HKEY key = nullptr;
    LSTATUS status = create ? RegCreateKeyExW(FRoot, p.c_str(), 0, nullptr, 0, FAccess, nullptr, &key, nullptr)
                            : RegOpenKeyExW(FRoot, p.c_str(), 0, FAccess, &key);
    if (status != ERROR_SUCCESS) return false;
    FKey = key;
    FPath = p;
    return true;
}

bool TRegistry::OpenKeyReadOnly(std::wstring_view path) {
    const REGSAM saved = FAccess;
    FAccess = KEY_READ;
    const bool opened = OpenKey(path, false);
    FAccess = saved;
    return opened;
}

void TRegistry::CloseKey() {
    if (FKey) RegCloseKey(FKey);
    FKey = nullptr;
    FPath.clear();
}

HKEY TRegistry::RequireKey() const {
    if (!FKey) throw ERegistryError(L"Nicio cheie de registru deschisa", ERROR_INVALID_HANDLE);
    return FKey;
}

bool TRegistry::KeyExists(std::wstring_view path) const {
    HKEY key = nullptr;
    const std::wstring p = Trimmed(path);
    if (RegOpenKeyExW(FRoot, p.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

bool TRegistry::ValueExists(std::wstring_view name) const {
    const std::wstring n(name);
    return FKey && RegQueryValueExW(FKey, n.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::wstring TRegistry::ReadString(std::wstring_view name) const {
    const std::wstring n(name);
    DWORD bytes = 0;
    const DWORD types = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    LSTATUS status = RegGetValueW(RequireKey(), nullptr, n.c_str(), types, nullptr, nullptr, &bytes);
    std::wstring value;
    if (status == ERROR_SUCCESS) {
        value.resize(bytes / sizeof(wchar_t) + 1);
        status = RegGetValueW(FKey, nullptr, n.c_str(), types, nullptr, value.data(), &bytes);
    }
    if (status != ERROR_SUCCESS)
        throw ERegistryError(L"Nu pot citi valoarea \"" + n + L"\" din " + FPath, static_cast<std::uint32_t>(status));
    value.resize(bytes / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return value;
}

std::uint32_t TRegistry::ReadInteger(std::wstring_view name) const {
    const std::wstring n(name);
    DWORD value = 0, bytes = sizeof value;
    const LSTATUS status = RegGetValueW(RequireKey(), nullptr, n.c_str(), RRF_RT_REG_DWORD, nullptr, &value, &bytes);
    if (status != ERROR_SUCCESS)
        throw ERegistryError(L"Nu pot citi valoarea \"" + n + L"\" din " + FPath, static_cast<std::uint32_t>(status));
    return value;
}

void TRegistry::Write(std::wstring_view name, DWORD type, const void* data, DWORD size) {
    const std::wstring n(name);
    const LSTATUS status = RegSetValueExW(RequireKey(), n.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    if (status != ERROR_SUCCESS)
        throw ERegistryError(L"Nu pot scrie valoarea \"" + n + L"\" in " + FPath, static_cast<std::uint32_t>(status));
}

void TRegistry::WriteString(std::wstring_view name, std::wstring_view value) {
    const std::wstring v(value);
    Write(name, REG_SZ, v.c_str(), static_cast<DWORD>((v.size() + 1) * sizeof(wchar_t)));
}

void TRegistry::WriteExpandString(std::wstring_view name, std::wstring_view value) {
    const std::wstring v(value);
    Write(name, REG_EXPAND_SZ, v.c_str(), static_cast<DWORD>((v.size() + 1) * sizeof(wchar_t)));
}

void TRegistry::WriteInteger(std::wstring_view name, std::uint32_t value) {
    const DWORD v = value;
    Write(name, REG_DWORD, &v, sizeof v);
}

bool TRegistry::DeleteValue(std::wstring_view name) {
    const std::wstring n(name);
    return RegDeleteValueW(RequireKey(), n.c_str()) == ERROR_SUCCESS;
}

bool TRegistry::DeleteKey(std::wstring_view path) {
    const std::wstring p = Trimmed(path);
    if (p.empty()) return false;
    return RegDeleteTreeW(FRoot, p.c_str()) == ERROR_SUCCESS;
}

std::vector<std::wstring> TRegistry::GetKeyNames() const {
    std::vector<std::wstring> names;
    wchar_t buffer[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(RequireKey(), i, buffer, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(buffer, length);
    }
    return names;
}

std::vector<std::wstring> TRegistry::GetValueNames() const {
    std::vector<std::wstring> names;
    wchar_t buffer[16384];
    for (DWORD i = 0;; ++i) {
        DWORD length = 16384;
        if (RegEnumValueW(RequireKey(), i, buffer, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(buffer, length);
    }
    return names;
}
