// Helpers of the tests that show windows: pumping messages for a while and
// counting the process's GDI objects.
#pragma once

#include <windows.h>

#include <functional>

// Handles messages until `done` answers true or `milliseconds` pass; false
// when the time ran out.
bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds = 3000);
// Handles messages for `milliseconds`.
void Pump(DWORD milliseconds);
// GDI objects alive in this process.
int LiveGdiObjects();

// Real input, as a person gives it: the cursor moved to a screen point (the
// windows under it see the move), and left clicks there.
void MoveCursorTo(POINT screen);
void ClickAt(POINT screen, bool doubleClick = false);
