#include "tests/e2e/driver/form_resources.h"

#include "tests/e2e/driver/driver_error.h"
#include "tests/e2e/driver/handles.h"

namespace e2e {

namespace {

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR list) {
    if (!IS_INTRESOURCE(name)) reinterpret_cast<std::vector<std::wstring>*>(list)->push_back(name);
    return TRUE;
}

std::wstring StringProperty(const TDefObject& object, std::wstring_view name) {
    for (const TDefProperty& p : object.Properties)
        if (SameTextAscii(p.Name, name) && p.Value.IsString()) return p.Value.AsString();
    return {};
}

}  // namespace

std::vector<TFormDefinition> ReadFormDefinitions(const std::wstring& programPath) {
    const TDataModule module(programPath.c_str());
    if (!module.Get()) throw EDriverError(L"cannot read the resources of " + programPath + L": " + SysErrorMessage(GetLastError()));
    std::vector<std::wstring> names;
    EnumResourceNamesW(module.Get(), L"FORMDEF", CollectName, reinterpret_cast<LONG_PTR>(&names));
    std::vector<TFormDefinition> list;
    for (const std::wstring& name : names) {
        HRSRC info = FindResourceW(module.Get(), name.c_str(), L"FORMDEF");
        HGLOBAL data = info ? LoadResource(module.Get(), info) : nullptr;
        const auto* bytes = data ? static_cast<const char*>(LockResource(data)) : nullptr;
        if (!bytes) continue;
        const std::wstring text = Utf8ToWide(std::string_view(bytes, SizeofResource(module.Get(), info)));
        list.push_back({name, ParseFormDefinition(text, name)});
    }
    return list;
}

std::wstring DefinitionCaption(const TDefObject& form) {
    std::wstring caption = StringProperty(form, L"Caption");
    if (!caption.empty()) return caption;
    for (const TDefObject& child : form.Children)
        if (SameTextAscii(child.Name, L"TitleBar1")) return StringProperty(child, L"Caption");
    return {};
}

const TFormDefinition* FindDefinitionByName(const std::vector<TFormDefinition>& list, std::wstring_view name) {
    for (const TFormDefinition& d : list)
        if (SameTextAscii(d.ResourceName, name)) return &d;
    return nullptr;
}

const TFormDefinition* FindDefinitionByCaption(const std::vector<TFormDefinition>& list, std::wstring_view caption) {
    for (const TFormDefinition& d : list)
        if (DefinitionCaption(d.Form) == caption) return &d;
    return nullptr;
}

}  // namespace e2e
