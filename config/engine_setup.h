// Preparing the database engine for the installed suite: registered once
// (or counted one more user), the suite's aliases added, and on a newly
// registered engine the network directory set.
#pragma once

#include <string>
#include <string_view>
#include <vector>

inline constexpr char EnginePlaceholder[] = "$ProgDir$";
inline constexpr std::size_t KeptAfterPlaceholder = 1000;

// The registry script rewritten for the program-files directory: in each
// line the first placeholder becomes the directory with every backslash
// doubled, and at most 1000 characters after it are kept; each line ends
// with CR LF. 8-bit text in and out.
std::string RewriteEngineScript(std::string_view script, std::string_view programFilesDir);

// The use count as the engine's registry keeps it: a decimal number held as
// a string; anything else counts as 0.
int ParseUseCount(std::wstring_view text);

// The directories of the suite's aliases: DataDir joined with each of its
// sub-directories, one backslash between.
std::vector<std::wstring> AliasDirectories(const std::wstring& dataDir);

// Registers the engine when none was registered before (rewriting and
// importing its registry script), else counts one more user. True when the
// engine is new. Registry and file errors throw.
bool RegisterEngine();

// The whole engine step: registration, the aliases, the network directory.
void DoConfigBDE();
