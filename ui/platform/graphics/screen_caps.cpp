#include "ui/platform/graphics/screen_caps.h"

#include "ui/platform/graphics/gdi_handle.h"

int ScreenPixelsPerInch() {
    // The system resolution does not change while the process runs.
    static const int pixelsPerInch = [] {
        TScreenDC screen;
        const int value = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
        return value > 0 ? value : 96;
    }();
    return pixelsPerInch;
}

bool IsHighColorDisplay() {
    TScreenDC screen;
    if (!screen.Get()) return false;
    return GetDeviceCaps(screen.Get(), BITSPIXEL) * GetDeviceCaps(screen.Get(), PLANES) > 8;
}
