#include "sysutils.h"

#include <windows.h>

#include <cmath>
#include <cstdio>

Exception::Exception(std::wstring message)
    : FMessage(std::move(message)), FNarrow(WideToUtf8(FMessage)) {}

EOSError::EOSError(std::wstring_view context, std::uint32_t errorCode)
    : Exception(std::wstring(context) + L": " + SysErrorMessage(errorCode)),
      FErrorCode(errorCode) {}

std::wstring SysErrorMessage(std::uint32_t errorCode) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, errorCode, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : std::wstring();
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    if (text.empty()) text = L"eroare de sistem " + std::to_wstring(errorCode);
    return text;
}

namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), n);
    return result;
}

std::string FromWide(UINT codePage, std::wstring_view text, BOOL* usedDefault) {
    if (text.empty()) return {};
    const DWORD flags = usedDefault ? WC_NO_BEST_FIT_CHARS : 0;
    const int n = WideCharToMultiByte(codePage, flags, text.data(), static_cast<int>(text.size()),
                                      nullptr, 0, nullptr, usedDefault);
    std::string result(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), static_cast<int>(text.size()), result.data(), n,
                        nullptr, usedDefault);
    return result;
}

}  // namespace

std::wstring AnsiToWide(std::string_view text) { return ToWide(CP_ACP, text); }
std::string WideToAnsi(std::wstring_view text) { return FromWide(CP_ACP, text, nullptr); }
std::wstring Utf8ToWide(std::string_view text) { return ToWide(CP_UTF8, text); }
std::string WideToUtf8(std::wstring_view text) { return FromWide(CP_UTF8, text, nullptr); }

bool FitsAnsiCodePage(std::wstring_view text) {
    BOOL usedDefault = FALSE;
    const std::string ansi = FromWide(CP_ACP, text, &usedDefault);
    return !usedDefault && AnsiToWide(ansi) == text;
}

std::wstring AsciiUpperCase(std::wstring_view text) {
    std::wstring result(text);
    for (wchar_t& c : result)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    return result;
}

bool SameTextAscii(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && AsciiUpperCase(a) == AsciiUpperCase(b);
}

std::wstring IncludeTrailingBackslash(std::wstring_view path) {
    std::wstring result(path);
    if (result.empty() || result.back() != L'\\') result += L'\\';
    return result;
}

std::wstring ExcludeTrailingBackslash(std::wstring_view path) {
    std::wstring result(path);
    if (!result.empty() && result.back() == L'\\') result.pop_back();
    return result;
}

std::wstring ExtractFilePath(std::wstring_view path) {
    const auto slash = path.find_last_of(L"\\/:");
    return slash == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, slash + 1));
}

std::wstring ExtractFileDir(std::wstring_view path) {
    std::wstring dir = ExtractFilePath(path);
    if (dir.size() > 1 && dir.back() == L'\\' && dir[dir.size() - 2] != L':') dir.pop_back();
    return dir;
}

std::wstring ExtractFileName(std::wstring_view path) {
    const auto slash = path.find_last_of(L"\\/:");
    return std::wstring(slash == std::wstring_view::npos ? path : path.substr(slash + 1));
}

std::wstring ModuleFileName() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n < buffer.size()) {
            buffer.resize(n);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring TempDirectory() {
    wchar_t shortPath[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathW(MAX_PATH + 1, shortPath);
    if (n == 0 || n > MAX_PATH) return {};
    std::wstring longPath(32768, L'\0');
    const DWORD m = GetLongPathNameW(shortPath, longPath.data(), static_cast<DWORD>(longPath.size()));
    longPath.resize(m > 0 && m < longPath.size() ? m : 0);
    return IncludeTrailingBackslash(longPath.empty() ? std::wstring(shortPath) : longPath);
}

bool FileExists(std::wstring_view path) {
    const DWORD attributes = GetFileAttributesW(std::wstring(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(std::wstring_view path) {
    const DWORD attributes = GetFileAttributesW(std::wstring(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateDir(std::wstring_view path) { return CreateDirectoryW(std::wstring(path).c_str(), nullptr) != FALSE; }

bool IsAbsolutePath(std::wstring_view path) {
    const auto isLetter = [](wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); };
    if (path.size() >= 3 && isLetter(path[0]) && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/')) return true;
    return path.size() > 2 && path[0] == L'\\' && path[1] == L'\\' && path[2] != L'\\' && path[2] != L'?' &&
           path[2] != L'.';
}

bool ForceDirectories(std::wstring_view path) {
    const std::wstring dir = ExcludeTrailingBackslash(path);
    if (dir.empty()) return false;
    if (DirectoryExists(dir) || (dir.size() == 2 && dir[1] == L':')) return true;
    const std::wstring parent = ExtractFileDir(dir);
    if (!parent.empty() && parent != dir && !ForceDirectories(parent)) return false;
    return CreateDirectoryW(dir.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

namespace {

struct HandleCloser {
    HANDLE Handle;
    ~HandleCloser() {
        if (Handle != INVALID_HANDLE_VALUE) CloseHandle(Handle);
    }
};

}  // namespace

std::vector<std::uint8_t> ReadFileBytes(std::wstring_view path) {
    const std::wstring name(path);
    HandleCloser file{CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.Handle == INVALID_HANDLE_VALUE) throw EFileError(L"Nu pot deschide " + name, GetLastError());
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Handle, &size)) throw EFileError(L"Nu pot citi " + name, GetLastError());
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() && (!ReadFile(file.Handle, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)
                           || read != bytes.size()))
        throw EFileError(L"Nu pot citi " + name, GetLastError());
    return bytes;
}

void WriteFileBytes(std::wstring_view path, const void* data, std::size_t size) {
    const std::wstring name(path);
    HandleCloser file{CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.Handle == INVALID_HANDLE_VALUE) throw EFileError(L"Nu pot crea " + name, GetLastError());
    DWORD written = 0;
    if (size && (!WriteFile(file.Handle, data, static_cast<DWORD>(size), &written, nullptr) || written != size))
        throw EFileError(L"Nu pot scrie " + name, GetLastError());
}

void ReplaceFileBytes(std::wstring_view path, const void* data, std::size_t size) {
    const std::wstring target(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        throw EFileError(L"Nu pot scrie " + target, ERROR_ACCESS_DENIED);
    const std::wstring temporary = target + L".~new";
    try {
        WriteFileBytes(temporary, data, size);
    } catch (...) {
        DeleteFileW(temporary.c_str());
        throw;
    }
    if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        throw EFileError(L"Nu pot inlocui " + target, error);
    }
}

TFormatSettings FormatSettings;

std::wstring FormatFloat(std::wstring_view format, double value) {
    const auto point = format.find(L'.');
    const std::wstring_view whole = format.substr(0, point);
    const std::wstring_view fraction = point == std::wstring_view::npos ? std::wstring_view() : format.substr(point + 1);
    int minWhole = 0;
    for (wchar_t c : whole) minWhole += c == L'0';
    int maxDecimals = 0, minDecimals = 0;
    for (std::size_t i = 0; i < fraction.size(); ++i) {
        if (fraction[i] == L'0' || fraction[i] == L'#') ++maxDecimals;
        if (fraction[i] == L'0') minDecimals = maxDecimals;
    }
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.*f", maxDecimals, value);
    std::string text = buffer;
    auto dot = text.find('.');
    if (dot != std::string::npos) {
        std::size_t keep = text.size();
        while (keep > dot + 1 + static_cast<std::size_t>(minDecimals) && text[keep - 1] == '0') --keep;
        text.resize(keep);
        if (text.back() == '.') text.pop_back();
    }
    dot = text.find('.');
    const std::size_t sign = (!text.empty() && text[0] == '-') ? 1 : 0;
    std::size_t wholeDigits = (dot == std::string::npos ? text.size() : dot) - sign;
    if (wholeDigits == 1 && text[sign] == '0' && minWhole == 0 && dot != std::string::npos) {
        text.erase(sign, 1);
        wholeDigits = 0;
    }
    if (static_cast<int>(wholeDigits) < minWhole)
        text.insert(sign, static_cast<std::size_t>(minWhole) - wholeDigits, '0');
    std::wstring result(text.begin(), text.end());
    for (wchar_t& c : result)
        if (c == L'.') c = FormatSettings.DecimalSeparator;
    return result;
}
