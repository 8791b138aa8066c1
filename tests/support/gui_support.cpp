#include "tests/support/gui_support.h"

#include "ui/platform/application.h"

bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds) return false;
        Application->ProcessMessages();
        Sleep(1);
    }
    return true;
}

void Pump(DWORD milliseconds) { PumpUntil([] { return false; }, milliseconds); }

int LiveGdiObjects() {
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0) return static_cast<int>(reported);
    // Wine answers 0 (not implemented). Its GDI accepts a handle's table
    // index alone, so counting the indices that name a live object gives
    // the same number.
    int count = 0;
    for (ULONG_PTR index = 1; index < 0x10000; ++index)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
    return count;
}
