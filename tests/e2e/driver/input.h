// Keyboard and mouse input as a person gives it, through SendInput: the
// system delivers it to whatever window is in front or under the pointer.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/platform/types.h"

namespace e2e {

struct TKeyStroke {
    WORD Key = 0;
    bool Ctrl = false;
    bool Alt = false;
    bool Shift = false;
};

// Alt+letter (accelerators) and Ctrl+letter; the letter in either case.
TKeyStroke Alt(wchar_t letter);
TKeyStroke Ctrl(wchar_t letter);
TKeyStroke WithShift(TKeyStroke stroke);

namespace keys {
inline constexpr TKeyStroke Enter{VK_RETURN}, Esc{VK_ESCAPE}, Tab{VK_TAB}, Backspace{VK_BACK}, Delete{VK_DELETE},
    Left{VK_LEFT}, Right{VK_RIGHT}, Up{VK_UP}, Down{VK_DOWN}, Home{VK_HOME}, End{VK_END}, PageUp{VK_PRIOR},
    PageDown{VK_NEXT};
}  // namespace keys

// Modifiers down, the key down and up, modifiers up again.
void PressKey(TKeyStroke stroke);
// Each character as a Unicode key press (VK_PACKET), whatever the keyboard layout.
void TypeText(std::wstring_view text);

enum class TClick { Left, Right, Double };
// Moves the pointer there (screen coordinates, absolute move) and clicks.
// Throws when the pointer did not arrive where it was sent.
void ClickAt(TPoint point, TClick click);
void MovePointer(TPoint point);

}  // namespace e2e
