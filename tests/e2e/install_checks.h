// What a finished installation leaves on the computer, as the end-to-end
// scenarios check it from a process of their own: files, the engine's
// registry keys and settings, the helper tools' logs, the program group.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace installed {

// Files a component brings, relative to its destination.
extern const std::vector<std::wstring> ProgramFiles;   // EXE, ORVIST, HELP, PELDUN
extern const std::vector<std::wstring> DatabaseFiles;  // DBDAT and DBNEW
extern const std::vector<std::wstring> EngineFiles;    // BDE32

// The relative files of `names` that are missing below `dir`.
std::vector<std::wstring> Missing(const std::wstring& dir, const std::vector<std::wstring>& names);
// The ZIP files directly in `dir`.
std::vector<std::wstring> ZipFiles(const std::wstring& dir);

// The program-files directory of the prefix and the engine's place under it.
std::wstring ProgramFilesDir();
std::wstring EngineDir();

std::optional<std::wstring> MachineString(const std::wstring& key, const wchar_t* name);

// A setting of the engine's configuration as the engine itself gives it to
// this process (the engine found through the registry, as the program finds
// it): "PATH" of "\DATABASES\ALIAS", "NET DIR" of "\DRIVERS\PARADOX\INIT".
std::optional<std::wstring> EngineSetting(const std::wstring& node, const std::wstring& name);

// The lines a helper tool logged beside itself.
std::vector<std::wstring> ToolLog(const std::wstring& tool);

// The shortcuts of a Start-menu group: name (without ".lnk") and target.
struct TShortcut {
    std::wstring Name, Target;
    friend bool operator==(const TShortcut&, const TShortcut&) = default;
};
std::vector<TShortcut> GroupShortcuts(const std::wstring& group);

}  // namespace installed
