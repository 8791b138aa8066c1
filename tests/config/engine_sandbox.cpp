#include "tests/config/engine_sandbox.h"

#include "config/engine.h"
#include "config/engine_library.h"
#include "ui/platform/sysutils.h"

#include <cstring>
#include <stdexcept>

namespace {

constexpr wchar_t BorlandKey[] = L"Software\\Borland";

void DeleteMachineTree(const std::wstring& key) {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, key.c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
}

bool CopyMachineTree(const std::wstring& from, const std::wstring& to) {
    HKEY source = nullptr, target = nullptr;
    bool copied = false;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, from.c_str(), 0, KEY_READ, &source) == ERROR_SUCCESS) {
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, to.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target, nullptr)
            == ERROR_SUCCESS) {
            copied = RegCopyTreeW(source, nullptr, target) == ERROR_SUCCESS;
            RegCloseKey(target);
        }
        RegCloseKey(source);
    }
    return copied;
}

}  // namespace

std::wstring KitProgramsDir() {
    wchar_t value[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableW(L"ZV_KIT_PROGRAMS", value, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) throw std::runtime_error("ZV_KIT_PROGRAMS is not set");
    return IncludeTrailingBackslash(value);
}

TBorlandKeyGuard::TBorlandKeyGuard()
    : FBackup(L"Software\\ZarvantoTests\\Borland." + std::to_wstring(GetCurrentProcessId())) {
    DeleteMachineTree(FBackup);
    FSaved = MachineKeyExists(BorlandKey) && CopyMachineTree(BorlandKey, FBackup);
    DeleteMachineTree(BorlandKey);
}

TBorlandKeyGuard::~TBorlandKeyGuard() {
    DeleteMachineTree(BorlandKey);
    if (FSaved) CopyMachineTree(FBackup, BorlandKey);
    DeleteMachineTree(FBackup);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\ZarvantoTests");
}

TEngineSandbox::TEngineSandbox() {
    MakeDir(L"BDE");
    if (!CopyFileW((KitProgramsDir() + L"IDAPI32.DLL").c_str(), EngineLibrary().c_str(), FALSE))
        throw std::runtime_error("cannot copy IDAPI32.DLL");
    SetDllPath(ExcludeTrailingBackslash(EngineDir()));
}

TEngineSandbox::~TEngineSandbox() { EngineDone(); }

std::wstring TEngineSandbox::MakeDir(const std::wstring& relative) const {
    const std::wstring dir = ExcludeTrailingBackslash(FTemp / relative);
    if (!ForceDirectories(dir)) throw std::runtime_error("cannot create a folder");
    return dir;
}

void TEngineSandbox::SetDllPath(const std::wstring& value) const {
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    if (RegSetKeyValueW(HKEY_LOCAL_MACHINE, EngineKey, L"DLLPATH", REG_SZ, value.c_str(), bytes) != ERROR_SUCCESS)
        throw std::runtime_error("cannot set DLLPATH");
}

void TEngineSandbox::RemoveDllPath() const { RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, EngineKey, L"DLLPATH"); }

long RunAndWait(const std::wstring& commandLine) {
    std::wstring line = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<long>(code);
}

std::optional<std::string> SavedSetting(const std::wstring& library, const std::string& node, const char* name) {
    const auto engine = TEngineLibrary::Load(library);
    if (!engine || engine->DbiInit() != dbiOk) return std::nullopt;
    std::optional<std::string> value;
    TDbiCursor cursor = nullptr;
    if (engine->DbiOpenCfgInfoList(nullptr, omReadOnly, cmPersistent, node.c_str(), &cursor) == dbiOk) {
        CFGDesc record{};
        while (!value && engine->DbiGetNextRecord(cursor, lkNone, &record, nullptr) == dbiOk)
            if (SameTextAscii(AnsiToWide(record.szNodeName), AnsiToWide(name))) value = record.szValue;
        engine->DbiCloseCursor(&cursor);
    }
    engine->DbiExit();
    return value;
}

bool MachineKeyExists(const std::wstring& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

std::optional<std::wstring> MachineString(const std::wstring& key, const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD bytes = sizeof value;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(value);
}
