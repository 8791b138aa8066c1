// Developer trace: nested blocks and lines stamped with the time of day,
// written only when "debug.pas" lies in the program's directory. Writing never
// disturbs the caller: the first failure switches tracing off.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

extern bool TraceEnabled;
extern std::int32_t TraceLevel;

// Decides TraceEnabled from the marker file and sets the trace file to
// `programDir` + TraceFileName. Runs once at start-up.
void InitTrace(const std::wstring& programDir);

inline constexpr std::wstring_view TraceFileName = L"INSTZARV.TRC";

void TraceBegin(std::wstring_view text);
void TraceEnd(std::wstring_view text);
void TraceLine(std::wstring_view text);

// A block: its begin line now, its end line when the scope ends.
class TTraceBlock {
public:
    explicit TTraceBlock(std::wstring_view name) : FName(name) { TraceBegin(FName); }
    ~TTraceBlock() { TraceEnd(FName); }
    TTraceBlock(const TTraceBlock&) = delete;
    TTraceBlock& operator=(const TTraceBlock&) = delete;

private:
    std::wstring FName;
};

// The line prefixes and the time stamp, apart from the writing.
std::wstring TraceBeginPrefix(std::int32_t level);
std::wstring TraceEndPrefix(std::int32_t level);
std::wstring TraceLinePrefix(std::int32_t level);
std::wstring TraceStamp(int hour, int minute, int second, int millisecond);
