#include "config/engine_setup.h"

#include "config/engine.h"
#include "core/installer_state.h"
#include "core/run_program.h"
#include "ui/forms/trace_log.h"
#include "ui/platform/registry.h"
#include "ui/platform/sysutils.h"

namespace {

const wchar_t BlwKey[] = L"\\Software\\Borland\\BLW32";
const wchar_t DatabaseEngineKey[] = L"\\Software\\Borland\\Database Engine";
const wchar_t WindowsKey[] = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const wchar_t ScriptTail[] = L"\\Borland\\Common Files\\BDE\\bde.reg";

std::string RewriteLine(std::string line, const std::string& escaped) {
    const std::size_t at = line.find(EnginePlaceholder);
    if (at == std::string::npos) return line;
    const std::size_t after = at + sizeof EnginePlaceholder - 1;
    return line.substr(0, at) + escaped + line.substr(after, KeptAfterPlaceholder);
}

void CountOneMoreUser() {
    TRegistry registry(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKey(DatabaseEngineKey, false))
        throw ERegistryError(std::wstring(L"Cheia ") + DatabaseEngineKey, ERROR_FILE_NOT_FOUND);
    int count = 0;
    try {
        if (registry.ValueExists(L"UseCount")) count = ParseUseCount(registry.ReadString(L"UseCount"));
    } catch (const ERegistryError&) {
        count = 0;  // a value that is not a string
    }
    registry.WriteString(L"UseCount", std::to_wstring(count + 1));
}

std::wstring ProgramFilesDir() {
    TRegistry registry(HKEY_LOCAL_MACHINE, KEY_READ);
    if (!registry.OpenKeyReadOnly(WindowsKey))
        throw ERegistryError(std::wstring(L"Cheia ") + WindowsKey, ERROR_FILE_NOT_FOUND);
    return registry.ReadString(L"ProgramFilesDir");
}

void ImportEngineScript() {
    const std::wstring programFiles = ProgramFilesDir();
    const std::wstring script = programFiles + ScriptTail;
    const std::vector<std::uint8_t> bytes = ReadFileBytes(script);
    const std::string text =
        RewriteEngineScript(std::string(bytes.begin(), bytes.end()), WideToAnsi(programFiles));
    ReplaceFileBytes(script, text.data(), text.size());
    RunProgram(L"regedit /s \"" + script + L"\"", SW_MINIMIZE, true);
}

}  // namespace

std::string RewriteEngineScript(std::string_view script, std::string_view programFilesDir) {
    std::string escaped;
    for (char c : programFilesDir) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    std::string result;
    std::size_t start = 0;
    while (start < script.size()) {
        std::size_t end = script.find('\n', start);
        if (end == std::string_view::npos) end = script.size();
        std::string line(script.substr(start, end - start));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        result += RewriteLine(std::move(line), escaped) + "\r\n";
        start = end + 1;
    }
    return result;
}

int ParseUseCount(std::wstring_view text) {
    const bool negative = !text.empty() && text[0] == L'-';
    if (!text.empty() && (text[0] == L'-' || text[0] == L'+')) text.remove_prefix(1);
    if (text.empty()) return 0;
    long long value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return 0;
        value = value * 10 + (c - L'0');
        if (value > 0x7FFFFFFF) return 0;
    }
    return static_cast<int>(negative ? -value : value);
}

std::vector<std::wstring> AliasDirectories(const std::wstring& dataDir) {
    const std::wstring base = IncludeTrailingBackslash(dataDir);
    std::vector<std::wstring> dirs;
    for (std::wstring_view sub : AliasSubdirs) dirs.push_back(base + std::wstring(sub));
    return dirs;
}

bool RegisterEngine() {
    if (TRegistry(HKEY_LOCAL_MACHINE).KeyExists(BlwKey)) {
        CountOneMoreUser();
        return false;
    }
    ImportEngineScript();
    return true;
}

void DoConfigBDE() {
    const TTraceBlock block(L"DoConfigBDE");
    const bool newEngine = RegisterEngine();
    TraceLine(newEngine ? L"BDE nou inregistrat" : L"BDE existent: UseCount + 1");
    std::vector<std::wstring> names(AliasNames.begin(), AliasNames.end());
    AddAliases(names, AliasDirectories(InstallerState.DataDir));
    if (newEngine) SetNetDir(InstallerState.DataDir);
}
