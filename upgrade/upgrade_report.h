// The program's report callback for the upgrade library: each text the
// library reports is traced, shown where the running screen wants it, and the
// window messages that piled up meanwhile are processed before it returns.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

extern std::function<void(const std::wstring& text)> ShowUpgradeReportText;

void WINAPI UpgradeReportProc(HGLOBAL text);

// The zero-terminated ANSI text of a global memory block, never read past the
// block's end; nothing when the block cannot be locked. The block is locked
// only while it is read and stays allocated.
std::optional<std::wstring> ReportBlockText(HGLOBAL block);
