#include "tests/e2e/install_checks.h"

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <cstring>

#include "config/engine_library.h"
#include "tests/support/temp_dir.h"
#include "ui/platform/edit_controls.h"
#include "ui/platform/registry.h"
#include "ui/platform/sysutils.h"

namespace installed {

const std::vector<std::wstring> ProgramFiles{
    L"ZARVAN.EXE", L"TUNSEL.EXE", L"HHUPD.EXE", L"TREGSVR.EXE", L"CFX32.OCX", L"ZARVAN.INI",
    L"VerInfo\\3200877.05\\Instruct.htm", L"ORVIST.EXE", L"ZARVAN.HLP", L"ZARVAN.CNT", L"ORVIST.HLP", L"PELDUN.EXE"};
const std::vector<std::wstring> DatabaseFiles{
    L"DATA\\FIRME.DB",     L"DATA\\OPERATOR.DB",  L"DATA\\PLANCONT.DB", L"NEW\\DATA\\FIRME.DB",
    L"NEW\\DATA\\OPERATOR.DB", L"NEW\\FIRMA\\JURNAL.DB", L"NEW\\LUNA\\BALANTA.DB"};
const std::vector<std::wstring> EngineFiles{L"IDAPI32.DLL", L"bde.reg"};

std::vector<std::wstring> Missing(const std::wstring& dir, const std::vector<std::wstring>& names) {
    std::vector<std::wstring> missing;
    for (const std::wstring& name : names)
        if (!FileExists(IncludeTrailingBackslash(dir) + name)) missing.push_back(name);
    return missing;
}

std::vector<std::wstring> ZipFiles(const std::wstring& dir) {
    std::vector<std::wstring> zips;
    for (const std::wstring& name : FilesIn(IncludeTrailingBackslash(dir)))
        if (name.size() > 4 && SameTextAscii(name.substr(name.size() - 4), L".ZIP")) zips.push_back(name);
    return zips;
}

std::optional<std::wstring> MachineString(const std::wstring& key, const wchar_t* name) {
    TRegistry registry(HKEY_LOCAL_MACHINE, KEY_READ);
    if (!registry.OpenKeyReadOnly(key) || !registry.ValueExists(name)) return std::nullopt;
    return registry.ReadString(name);
}

std::wstring ProgramFilesDir() {
    return MachineString(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", L"ProgramFilesDir").value_or(L"");
}

std::wstring EngineDir() { return ProgramFilesDir() + L"\\Borland\\Common Files\\BDE"; }

std::optional<std::wstring> EngineSetting(const std::wstring& node, const std::wstring& name) {
    const auto engine = TEngineLibrary::Load(RegisteredEngineLibraryPath());
    if (!engine || engine->DbiInit() != dbiOk) return std::nullopt;
    std::optional<std::wstring> value;
    TDbiCursor cursor = nullptr;
    if (engine->DbiOpenCfgInfoList(nullptr, omReadOnly, cmPersistent, WideToAnsi(node).c_str(), &cursor) == dbiOk) {
        CFGDesc record{};
        while (engine->DbiGetNextRecord(cursor, lkNone, &record, nullptr) == dbiOk)
            if (SameTextAscii(AnsiToWide(record.szNodeName), name)) {
                value = AnsiToWide(record.szValue);
                break;
            }
        engine->DbiCloseCursor(&cursor);
    }
    engine->DbiExit();
    return value;
}

std::vector<std::wstring> ToolLog(const std::wstring& tool) {
    const std::wstring log = tool.substr(0, tool.find_last_of(L'.')) + L".LOG";
    if (!FileExists(log)) return {};
    std::vector<std::wstring> lines;
    for (const std::wstring& line : SplitLines(Utf8ToWide(ReadText(log))))
        if (!line.empty()) lines.push_back(line);
    return lines;
}

namespace {

std::wstring LinkTarget(const std::wstring& link) {
    IShellLinkW* shell = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shell))))
        return {};
    std::wstring target;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t path[MAX_PATH] = {};
        if (SUCCEEDED(file->Load(link.c_str(), STGM_READ)) && SUCCEEDED(shell->GetPath(path, MAX_PATH, nullptr, 0)))
            target = path;
        file->Release();
    }
    shell->Release();
    return target;
}

}  // namespace

std::vector<TShortcut> GroupShortcuts(const std::wstring& group) {
    wchar_t programs[MAX_PATH] = {};
    if (SHGetFolderPathW(nullptr, CSIDL_PROGRAMS, nullptr, 0, programs) != S_OK) return {};
    const std::wstring dir = std::wstring(programs) + L"\\" + group + L"\\";
    CoInitialize(nullptr);
    std::vector<TShortcut> shortcuts;
    for (const std::wstring& name : FilesIn(dir))
        if (name.size() > 4 && SameTextAscii(name.substr(name.size() - 4), L".lnk"))
            shortcuts.push_back({name.substr(0, name.size() - 4), LinkTarget(dir + name)});
    CoUninitialize();
    std::sort(shortcuts.begin(), shortcuts.end(), [](const TShortcut& a, const TShortcut& b) { return a.Name < b.Name; });
    return shortcuts;
}

}  // namespace installed
