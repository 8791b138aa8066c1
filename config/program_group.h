// The suite's program group, made by the shell from Program Manager macros
// sent over DDE (application "ProgMan").
#pragma once

#include <string>
#include <vector>

// The macro lines: the group, the main program, "Tunsel" and "Orvist" when
// ORVIST.EXE was installed, "Peldun" when PELDUN.EXE was, and showing the
// group.
std::vector<std::wstring> ProgramGroupMacros(const std::wstring& programDir, const std::wstring& proposedProgramDir);

// Sends the lines, each followed by CR LF, as execute requests to the
// shell's DDE server in the ANSI code page, one request per line. False when
// no conversation could be opened.
bool SendProgramManagerMacros(const std::vector<std::wstring>& lines);
// The same to another DDE service (the shell's is "ProgMan").
bool SendShellMacros(const std::string& service, const std::vector<std::wstring>& lines);

// The whole group step; "Eroare DDE!" when the shell does not answer.
void DoConfigGroup();
