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

namespace {

INPUT AbsoluteMouse(POINT p, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(p.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(p.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    return input;
}

}  // namespace

void MoveCursorTo(POINT screen) {
    INPUT move = AbsoluteMouse(screen, MOUSEEVENTF_MOVE);
    SendInput(1, &move, sizeof move);
    Pump(30);
}

void ClickAt(POINT screen, bool doubleClick) {
    MoveCursorTo(screen);
    for (int i = 0; i < (doubleClick ? 2 : 1); ++i) {
        INPUT clicks[2] = {AbsoluteMouse(screen, MOUSEEVENTF_LEFTDOWN), AbsoluteMouse(screen, MOUSEEVENTF_LEFTUP)};
        SendInput(2, clicks, sizeof clicks[0]);
    }
    Pump(30);
}
