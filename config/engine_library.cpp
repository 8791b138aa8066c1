#include "config/engine_library.h"

#include "ui/platform/sysutils.h"

namespace {

template <class Proc>
bool Bind(HMODULE module, const char* name, Proc& proc) {
    proc = reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
    return proc != nullptr;
}

std::wstring RegistryString(const wchar_t* key, const wchar_t* name) {
    constexpr DWORD types = RRF_RT_REG_SZ;
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key, name, types, nullptr, nullptr, &bytes) != ERROR_SUCCESS) return {};
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key, name, types, nullptr, value.data(), &bytes) != ERROR_SUCCESS) return {};
    value.resize(wcsnlen(value.c_str(), value.size()));
    return value;
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
    return Bind(FModule, "DbiInitFn", DbiInitFn) && Bind(FModule, "DbiExit", DbiExit)
           && Bind(FModule, "DbiOpenDatabase", DbiOpenDatabase) && Bind(FModule, "DbiCloseDatabase", DbiCloseDatabase)
           && Bind(FModule, "DbiAddAlias", DbiAddAlias) && Bind(FModule, "DbiCfgSave", DbiCfgSave)
           && Bind(FModule, "DbiOpenCfgInfoList", DbiOpenCfgInfoList)
           && Bind(FModule, "DbiSetToBegin", DbiSetToBegin) && Bind(FModule, "DbiGetNextRecord", DbiGetNextRecord)
           && Bind(FModule, "DbiModifyRecord", DbiModifyRecord) && Bind(FModule, "DbiCloseCursor", DbiCloseCursor);
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
