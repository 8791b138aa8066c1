// Small system helpers of the form library: typed exceptions carrying the
// Windows error text, text conversions, paths and files, number formatting.
#pragma once

#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Base of every exception the library throws. The message is wide text, shown
// as it stands by the application's default error report.
class Exception : public std::exception {
public:
    explicit Exception(std::wstring message);
    const std::wstring& Message() const { return FMessage; }
    const char* what() const noexcept override { return FNarrow.c_str(); }

private:
    std::wstring FMessage;
    std::string FNarrow;
};

// A failed Windows call: the message ends with the system's text for the code.
class EOSError : public Exception {
public:
    EOSError(std::wstring_view context, std::uint32_t errorCode);
    std::uint32_t ErrorCode() const { return FErrorCode; }

private:
    std::uint32_t FErrorCode;
};

class EFileError : public EOSError {
public:
    using EOSError::EOSError;
};

class ERegistryError : public EOSError {
public:
    using EOSError::EOSError;
};

// Binds an exported function of a loaded module by name; false when the
// module does not export it.
template <class Proc>
bool BindProcAddress(HMODULE module, const char* name, Proc& proc) {
    proc = reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
    return proc != nullptr;
}

// The system's text for a Windows error code, without the trailing line break.
std::wstring SysErrorMessage(std::uint32_t errorCode);

// Text in the system's ANSI code page <-> UTF-16.
std::wstring AnsiToWide(std::string_view text);
std::string WideToAnsi(std::wstring_view text);
// True when the text survives a round trip through the ANSI code page.
bool FitsAnsiCodePage(std::wstring_view text);
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

// ASCII-only case changes (letters a-z / A-Z); other characters stay.
std::wstring AsciiUpperCase(std::wstring_view text);
bool SameTextAscii(std::wstring_view a, std::wstring_view b);

// Paths.
std::wstring IncludeTrailingBackslash(std::wstring_view path);
std::wstring ExcludeTrailingBackslash(std::wstring_view path);
std::wstring ExtractFileDir(std::wstring_view path);   // without the final backslash
std::wstring ExtractFilePath(std::wstring_view path);  // with the final backslash
std::wstring ExtractFileName(std::wstring_view path);
std::wstring ModuleFileName();                         // path of the running program
std::wstring TempDirectory();                          // long form, with a final backslash

// Files. The queries never throw; the Read/Write helpers throw EFileError.
bool FileExists(std::wstring_view path);
bool DirectoryExists(std::wstring_view path);
bool ForceDirectories(std::wstring_view path);  // creates missing parents too
bool CreateDir(std::wstring_view path);         // one level: fails when the parent is missing
// A path that names its place whatever the current directory: a drive and a
// backslash ("C:\..."), or a network share ("\\server\share...").
bool IsAbsolutePath(std::wstring_view path);
std::vector<std::uint8_t> ReadFileBytes(std::wstring_view path);
void WriteFileBytes(std::wstring_view path, const void* data, std::size_t size);
// Writes the whole content under a temporary name beside `path`, then puts
// it in place of `path`: the old file stays intact when anything fails.
void ReplaceFileBytes(std::wstring_view path, const void* data, std::size_t size);

// Number formatting with the process-wide decimal separator.
struct TFormatSettings {
    wchar_t DecimalSeparator = L'.';
};
extern TFormatSettings FormatSettings;

// Formats like a picture of '0' (digit always shown) and '#' (digit when
// needed) around an optional point: "0.#0" gives at least one integer digit
// and exactly two decimals.
std::wstring FormatFloat(std::wstring_view format, double value);
