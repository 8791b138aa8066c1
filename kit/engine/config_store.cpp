#include "kit/engine/config_store.h"

#include <windows.h>

#include <algorithm>
#include <memory>

namespace {

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

struct FileCloser {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
using FileHandle = std::unique_ptr<void, FileCloser>;

FileHandle OpenFile(const std::wstring& name, DWORD access, DWORD disposition) {
    HANDLE h = CreateFileW(name.c_str(), access, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return FileHandle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

std::optional<std::string> ReadWholeFile(const std::wstring& name) {
    FileHandle file = OpenFile(name, GENERIC_READ, OPEN_EXISTING);
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 16 * 1024 * 1024) return std::nullopt;
    std::string text(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!text.empty() && (!ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr)
                          || read != text.size()))
        return std::nullopt;
    return text;
}

bool WriteWholeFile(const std::wstring& name, const std::string& text) {
    FileHandle file = OpenFile(name, GENERIC_WRITE, CREATE_ALWAYS);
    DWORD written = 0;
    return file && (text.empty() || (WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written,
                                               nullptr) && written == text.size()));
}

std::wstring ConvertToWide(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), n);
    return result;
}

std::wstring RegistryString(const wchar_t* key, const wchar_t* name) {
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key, name, RRF_RT_REG_SZ, nullptr, nullptr, &bytes)
        != ERROR_SUCCESS)
        return {};
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key, name, RRF_RT_REG_SZ, nullptr, value.data(),
                     &bytes) != ERROR_SUCCESS)
        return {};
    value.resize(wcsnlen(value.c_str(), value.size()));
    return value;
}

}  // namespace

bool SameNameAscii(std::string_view a, std::string_view b) {
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

bool IsStorableValue(std::string_view value) { return value.find_first_of("\r\n") == std::string_view::npos; }

bool IsStorableName(std::string_view name) {
    return !Trim(name).empty() && Trim(name).size() == name.size() && IsStorableValue(name)
           && name.find_first_of("=]") == std::string_view::npos;
}

TConfigStore TConfigStore::Defaults() {
    TConfigStore store;
    store.Set("\\SYSTEM\\INIT", "VERSION", "5.0");
    store.Set(ParadoxInitNode, "TYPE", "FILE");
    store.Set(ParadoxInitNode, "NET DIR", "C:\\");
    return store;
}

TConfigStore TConfigStore::Parse(std::string_view text) {
    TConfigStore store = Defaults();
    std::string node;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            node = std::string(Trim(line.substr(1, line.size() - 2)));
            if (!node.empty()) store.Ensure(node);
            continue;
        }
        const auto equals = line.find('=');
        if (node.empty() || equals == std::string_view::npos || Trim(line.substr(0, equals)).empty()) continue;
        store.Set(node, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
    }
    return store;
}

std::optional<TConfigStore> TConfigStore::Load(const std::wstring& fileName) {
    const DWORD attributes = GetFileAttributesW(fileName.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return Defaults();
        return std::nullopt;
    }
    const auto text = ReadWholeFile(fileName);
    if (!text) return std::nullopt;
    return Parse(*text);
}

std::string TConfigStore::Text() const {
    std::string text = "; Zarvanto database engine configuration\r\n";
    for (const TConfigNode& node : FNodes) {
        if (!node.Persistent) continue;
        text += "[" + node.Path + "]\r\n";
        for (const TConfigSetting& setting : node.Settings) text += setting.Name + "=" + setting.Value + "\r\n";
    }
    return text;
}

bool TConfigStore::Save(const std::wstring& fileName) const {
    const std::wstring temporary = fileName + L".NEW";
    if (!WriteWholeFile(temporary, Text())) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    constexpr DWORD flags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (MoveFileExW(temporary.c_str(), fileName.c_str(), flags)) return true;
    DeleteFileW(temporary.c_str());
    return false;
}

const TConfigNode* TConfigStore::Find(std::string_view path) const {
    for (const TConfigNode& node : FNodes)
        if (SameNameAscii(node.Path, path)) return &node;
    return nullptr;
}

TConfigNode* TConfigStore::Find(std::string_view path) {
    return const_cast<TConfigNode*>(static_cast<const TConfigStore*>(this)->Find(path));
}

TConfigNode& TConfigStore::Ensure(std::string_view path) {
    if (TConfigNode* node = Find(path)) return *node;
    FNodes.push_back(TConfigNode{std::string(path), {}, true});
    return FNodes.back();
}

const std::string* TConfigStore::Value(std::string_view path, std::string_view name) const {
    const TConfigNode* node = Find(path);
    if (!node) return nullptr;
    for (const TConfigSetting& setting : node->Settings)
        if (SameNameAscii(setting.Name, name)) return &setting.Value;
    return nullptr;
}

void TConfigStore::Set(std::string_view path, std::string_view name, std::string_view value) {
    TConfigNode& node = Ensure(path);
    for (TConfigSetting& setting : node.Settings)
        if (SameNameAscii(setting.Name, name)) {
            setting.Value = value;
            return;
        }
    node.Settings.push_back(TConfigSetting{std::string(name), std::string(value)});
}

std::wstring AnsiToWideText(std::string_view text) { return ConvertToWide(CP_ACP, text); }

std::string WideToAnsiText(std::wstring_view text) {
    if (text.empty()) return {};
    const int n =
        WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result.data(), n, nullptr, nullptr);
    return result;
}

std::wstring ConfigFileOf(const std::wstring& libraryPath) {
    const auto slash = libraryPath.find_last_of(L"\\/");
    const auto dot = libraryPath.find_last_of(L'.');
    const bool hasExtension = dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash);
    return (hasExtension ? libraryPath.substr(0, dot) : libraryPath) + L".CFG";
}

std::wstring RegisteredEngineLibrary() {
    const std::wstring list = RegistryString(L"Software\\Borland\\Database Engine", L"DLLPATH");
    std::size_t start = 0;
    while (start <= list.size()) {
        const auto end = std::min(list.find(L';', start), list.size());
        std::wstring dir = list.substr(start, end - start);
        start = end + 1;
        if (dir.empty()) continue;
        if (dir.back() != L'\\') dir += L'\\';
        const std::wstring path = dir + L"IDAPI32.DLL";
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return path;
    }
    return {};
}
