// Binary interface of the suite's upgrade library UPGRADE.DLL, shared by the
// setup program and the sample library of the kit. All seven entry points and
// the report callback use the WINAPI calling convention; the entry points are
// exported under their plain names. See docs/upgrade-library.md.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

inline constexpr wchar_t UpgradeLibraryName[] = L"UPGRADE.DLL";

// GetAliasPath's buffer: 257 wide characters, an alias name in and its
// directory out, each at most 256 characters and zero-terminated.
inline constexpr std::size_t AliasPathBufferChars = 257;
inline constexpr std::size_t AliasPathMaxLength = AliasPathBufferChars - 1;

// The library's report callback: a global memory block holding zero-terminated
// ANSI text. The block stays the library's; the program only reads it.
using TUpgradeReportProc = void(WINAPI*)(HGLOBAL text);

using TGetAliasPathProc = void(WINAPI*)(wchar_t* aliasAndPath);
using TSetReportProcProc = void(WINAPI*)(TUpgradeReportProc report);
using TUpgradeStepProc = std::int32_t(WINAPI*)();
using TGetSemaforOKProc = BOOL(WINAPI*)(std::int32_t stepResult);
using TSetQuickVerifProc = void(WINAPI*)(BOOL quick);
