// The two helper tools the program files bring along: the HTML help
// update and the chart control's registration, each run minimised and
// waited for; their exit codes do not matter.
#pragma once

#include <string>
#include <vector>

// The command lines, plain concatenations without quotes.
std::vector<std::wstring> HelperToolCommands(const std::wstring& programDir);

void DoConfigConfigSys();
