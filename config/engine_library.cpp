#include "config/engine_library.h"

#include "ui/platform/registry.h"
#include "ui/platform/sysutils.h"

namespace {

// A string value under HKEY_LOCAL_MACHINE; empty when it cannot be read.
std::wstring RegistryString(const wchar_t* key, const wchar_t* name) {
    TRegistry registry(HKEY_LOCAL_MACHINE, KEY_READ);
    if (!registry.OpenKeyReadOnly(key) || !registry.ValueExists(name)) return {};
    try {
        return registry.ReadString(name);
    } catch (const ERegistryError&) {
        return {};
    }
}

}  // namespace

std::unique_ptr<TEngineLibrary> TEngineLibrary::Load(const std::wstring& path) {
    if (path.empty()) return nullptr;
    const HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!module) return nullptr;
    std::unique_ptr<TEngineLibrary> library(new TEngineLibrary(module));
    if (!library->BindAll()) return nullptr;
    return library;
}

TEngineLibrary::~TEngineLibrary() { FreeLibrary(FModule); }

bool TEngineLibrary::BindAll() {
    const HMODULE m = FModule;
    return BindProcAddress(m, "DbiInitFn", DbiInitFn) && BindProcAddress(m, "DbiExit", DbiExit)
           && BindProcAddress(m, "DbiOpenDatabase", DbiOpenDatabase)
           && BindProcAddress(m, "DbiCloseDatabase", DbiCloseDatabase)
           && BindProcAddress(m, "DbiAddAlias", DbiAddAlias) && BindProcAddress(m, "DbiCfgSave", DbiCfgSave)
           && BindProcAddress(m, "DbiOpenCfgInfoList", DbiOpenCfgInfoList)
           && BindProcAddress(m, "DbiSetToBegin", DbiSetToBegin)
           && BindProcAddress(m, "DbiGetNextRecord", DbiGetNextRecord)
           && BindProcAddress(m, "DbiModifyRecord", DbiModifyRecord)
           && BindProcAddress(m, "DbiCloseCursor", DbiCloseCursor);
}

std::wstring RegisteredEngineLibraryPath() {
    const std::wstring list = RegistryString(L"Software\\Borland\\Database Engine", L"DLLPATH");
    std::size_t start = 0;
    while (start < list.size()) {
        auto end = list.find(L';', start);
        if (end == std::wstring::npos) end = list.size();
        const std::wstring dir = list.substr(start, end - start);
        start = end + 1;
        if (dir.empty()) continue;
        const std::wstring path = IncludeTrailingBackslash(dir) + EngineLibraryName;
        if (FileExists(path)) return path;
    }
    return {};
}
