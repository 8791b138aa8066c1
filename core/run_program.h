// Starting a program from a command line, optionally waiting for its end.
#pragma once

#include <cstdint>
#include <string>

// Starts `commandLine` with the given show-window value. Returns -1 when the
// process cannot be created, its exit code when `wait`, else 0.
std::int32_t RunProgram(const std::wstring& commandLine, std::uint16_t show, bool wait);
