#include "trace_log.h"

#include "ui/platform/sysutils.h"

#include <windows.h>

#include <cstdio>

bool TraceEnabled = false;
std::int32_t TraceLevel = 0;

namespace {

std::wstring TraceFile;

std::wstring Repeat(std::wstring_view piece, std::int32_t times) {
    std::wstring result;
    for (std::int32_t i = 0; i < times; ++i) result += piece;
    return result;
}

std::wstring BarPrefix(std::int32_t level) {
    if (level == 0) return {};
    return Repeat(L" |", level > 0 ? level + 1 : 1);
}

std::wstring CurrentStamp() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return TraceStamp(now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
}

// Appends one line; a failed open or write switches tracing off.
void WriteTraceLine(const std::wstring& line) {
    HANDLE file = CreateFileW(TraceFile.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        TraceEnabled = false;
        return;
    }
    const std::string bytes = WideToUtf8(line + L"\r\n");
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        TraceEnabled = false;
    CloseHandle(file);
}

}  // namespace

void InitTrace(const std::wstring& programDir) {
    TraceFile = IncludeTrailingBackslash(programDir) + std::wstring(TraceFileName);
    TraceLevel = 0;
    TraceEnabled = FileExists(IncludeTrailingBackslash(programDir) + L"debug.pas");
}

std::wstring TraceBeginPrefix(std::int32_t level) { return BarPrefix(level) + L"BEGIN => "; }

std::wstring TraceEndPrefix(std::int32_t level) { return BarPrefix(level) + L"END <- "; }

std::wstring TraceLinePrefix(std::int32_t level) {
    return Repeat(L"  ", level >= 0 ? level + 1 : 1) + L"*       ";
}

std::wstring TraceStamp(int hour, int minute, int second, int millisecond) {
    wchar_t buffer[40];
    std::swprintf(buffer, std::size(buffer), L" <TIMP %02d:%02d:%02d.%03d > ", hour, minute, second, millisecond);
    return buffer;
}

void TraceBegin(std::wstring_view text) {
    if (!TraceEnabled) return;
    WriteTraceLine(TraceBeginPrefix(TraceLevel) + std::wstring(text) + CurrentStamp());
    ++TraceLevel;
}

void TraceEnd(std::wstring_view text) {
    if (!TraceEnabled) return;
    --TraceLevel;
    WriteTraceLine(TraceEndPrefix(TraceLevel) + std::wstring(text) + CurrentStamp());
}

void TraceLine(std::wstring_view text) {
    if (!TraceEnabled) return;
    WriteTraceLine(TraceLinePrefix(TraceLevel) + std::wstring(text) + CurrentStamp());
}
