#include "tests/e2e/driver/input.h"

#include <cwctype>
#include <vector>

#include "tests/e2e/driver/driver_error.h"

namespace e2e {

namespace {

bool IsExtendedKey(WORD key) {
    switch (key) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_INSERT: case VK_DELETE: return true;
    default: return false;
    }
}

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(key) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

INPUT CharInput(wchar_t c, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = c;
    input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    return input;
}

INPUT MouseInput(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    return input;
}

void Send(std::vector<INPUT> inputs) {
    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    if (sent != inputs.size())
        throw EDriverError(L"SendInput delivered " + std::to_wstring(sent) + L" of " + std::to_wstring(inputs.size()) +
                           L" events: " + SysErrorMessage(GetLastError()));
}

// Absolute coordinates run from 0 to 65536 over the primary display; the
// system scales them back with a truncating multiply, so round up.
LONG Normalized(int pixel, int extent) { return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + extent - 1) / extent); }

TKeyStroke Letter(wchar_t letter) { return {static_cast<WORD>(std::towupper(letter))}; }

}  // namespace

TKeyStroke Alt(wchar_t letter) {
    TKeyStroke s = Letter(letter);
    s.Alt = true;
    return s;
}

TKeyStroke Ctrl(wchar_t letter) {
    TKeyStroke s = Letter(letter);
    s.Ctrl = true;
    return s;
}

TKeyStroke WithShift(TKeyStroke stroke) {
    stroke.Shift = true;
    return stroke;
}

void PressKey(TKeyStroke stroke) {
    std::vector<WORD> modifiers;
    if (stroke.Ctrl) modifiers.push_back(VK_CONTROL);
    if (stroke.Alt) modifiers.push_back(VK_MENU);
    if (stroke.Shift) modifiers.push_back(VK_SHIFT);
    std::vector<INPUT> inputs;
    for (WORD m : modifiers) inputs.push_back(KeyInput(m, false));
    inputs.push_back(KeyInput(stroke.Key, false));
    inputs.push_back(KeyInput(stroke.Key, true));
    for (auto m = modifiers.rbegin(); m != modifiers.rend(); ++m) inputs.push_back(KeyInput(*m, true));
    Send(std::move(inputs));
}

void TypeText(std::wstring_view text) {
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        inputs.push_back(CharInput(c, false));
        inputs.push_back(CharInput(c, true));
    }
    if (!inputs.empty()) Send(std::move(inputs));
}

void MovePointer(TPoint point) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    Send({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Normalized(point.X, width), Normalized(point.Y, height))});
    POINT at{};
    for (int i = 0; i < 100 && GetCursorPos(&at) && (at.x != point.X || at.y != point.Y); ++i) Sleep(5);
    if (at.x != point.X || at.y != point.Y)
        throw EDriverError(L"the pointer went to " + std::to_wstring(at.x) + L"," + std::to_wstring(at.y) +
                           L" instead of " + std::to_wstring(point.X) + L"," + std::to_wstring(point.Y));
}

void ClickAt(TPoint point, TClick click) {
    MovePointer(point);
    const DWORD down = click == TClick::Right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    const DWORD up = click == TClick::Right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    std::vector<INPUT> inputs{MouseInput(down), MouseInput(up)};
    if (click == TClick::Double) inputs.insert(inputs.end(), {MouseInput(down), MouseInput(up)});
    Send(std::move(inputs));
}

}  // namespace e2e
