// The engine's configuration: nodes named by a path ("\DRIVERS\PARADOX\INIT",
// "\DATABASES\ZARVAN") holding named settings, kept in a text file beside the
// engine library. Names compare without case (ASCII letters); text is 8-bit.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TConfigSetting {
    std::string Name;
    std::string Value;
};

struct TConfigNode {
    std::string Path;
    std::vector<TConfigSetting> Settings;
    bool Persistent = true;  // false: kept for this process only, never saved
};

inline constexpr std::string_view DatabasesNode = "\\DATABASES\\";
inline constexpr std::string_view ParadoxInitNode = "\\DRIVERS\\PARADOX\\INIT";

class TConfigStore {
public:
    // The settings a missing file stands for.
    static TConfigStore Defaults();
    // The defaults overlaid with the file's content; nothing when the file
    // exists but cannot be read. A missing file gives the defaults.
    static std::optional<TConfigStore> Load(const std::wstring& fileName);
    static TConfigStore Parse(std::string_view text);

    std::string Text() const;
    // Replaces the file as a whole; false when it cannot be written.
    bool Save(const std::wstring& fileName) const;

    const TConfigNode* Find(std::string_view path) const;
    TConfigNode* Find(std::string_view path);
    TConfigNode& Ensure(std::string_view path);
    const std::string* Value(std::string_view path, std::string_view name) const;
    void Set(std::string_view path, std::string_view name, std::string_view value);

    static std::string AliasPath(std::string_view alias) { return std::string(DatabasesNode) + std::string(alias); }

private:
    std::vector<TConfigNode> FNodes;
};

bool SameNameAscii(std::string_view a, std::string_view b);
// A name or value the file can hold: no line breaks, names without '=' and ']'.
bool IsStorableName(std::string_view name);
bool IsStorableValue(std::string_view value);

std::wstring AnsiToWideText(std::string_view text);
std::string WideToAnsiText(std::wstring_view text);

// The configuration file of the engine library at `libraryPath`: the same
// name with the extension ".CFG".
std::wstring ConfigFileOf(const std::wstring& libraryPath);
// The engine library named by the registry value DLLPATH (a directory, or
// several separated by ';'): the first that holds IDAPI32.DLL. Empty when none.
std::wstring RegisteredEngineLibrary();
