#include "app/embedded_font.h"

#include <windows.h>

namespace {
HANDLE Registered = nullptr;
}  // namespace

bool LoadEmbeddedTypeface() {
    if (Registered) return true;
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, L"HelveticaR", MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!info) return false;
    HGLOBAL data = LoadResource(module, info);
    void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes) return false;
    DWORD fonts = 0;
    Registered = AddFontMemResourceEx(bytes, SizeofResource(module, info), nullptr, &fonts);
    return Registered != nullptr;
}

void FreeEmbeddedTypeface() {
    if (!Registered) return;
    RemoveFontMemResourceEx(Registered);
    Registered = nullptr;
}
