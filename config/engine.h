// The setup program's operations on the database engine. The engine library
// is found through the registry value DLLPATH and entered with interface
// version 500. No engine result reaches the user; callers see true or false.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

inline constexpr wchar_t MainAliasName[] = L"ZARVAN";
inline constexpr wchar_t NetDirNodePath[] = L"\\DRIVERS\\PARADOX\\INIT";
// Longest network directory the engine holds, its final backslash included.
inline constexpr std::size_t MaxNetDirLength = 127;

// Initialises the engine once; it stays initialised until EngineDone.
bool EngineInit();
// True when the main alias "ZARVAN" opens read-only.
bool MainAliasExists();
// Adds Names[i] as a Paradox alias of Dirs[i] for each i, then saves the
// configuration. True only when every call succeeded; a name or directory that
// the ANSI code page cannot hold exactly counts as a failed call.
bool AddAliases(const std::vector<std::wstring>& Names, const std::vector<std::wstring>& Dirs);
// Points the Paradox driver's "NET DIR" at `Dir` (with a final backslash) and
// creates Dir\NetDir. False, with nothing changed, when the directory is empty,
// longer than 127 characters with its backslash or outside the ANSI code page.
bool SetNetDir(const std::wstring& Dir);
// Leaves the engine and unloads it; runs at program end.
void EngineDone();
