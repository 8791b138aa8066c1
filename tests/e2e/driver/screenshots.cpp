#include "tests/e2e/driver/screenshots.h"

#include <cwctype>

#include "tests/e2e/driver/driver_error.h"

namespace e2e {

TBitmap CaptureDisplay() {
    TBitmap shot(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const TScreenDC display;
    BitBlt(shot.Canvas().Handle(), 0, 0, shot.Width(), shot.Height(), display.Get(), 0, 0, SRCCOPY);
    return shot;
}

TScreenshots::TScreenshots(std::wstring folder) : FFolder(IncludeTrailingBackslash(folder)) {
    if (!ForceDirectories(FFolder)) throw EDriverError(L"cannot make the screenshot folder " + FFolder);
}

std::wstring TScreenshots::Save(std::wstring_view label) {
    wchar_t number[8];
    swprintf(number, std::size(number), L"%02u-", static_cast<unsigned>(FSaved.size() + 1));
    const std::wstring path = FFolder + number + FileNameOf(label) + L".png";
    CaptureDisplay().SaveToPngFile(path);
    FSaved.push_back(path);
    return path;
}

std::wstring FileNameOf(std::wstring_view label) {
    std::wstring name;
    for (wchar_t c : label) name += (c < 128 && (std::iswalnum(c) || c == L'-' || c == L'.')) ? c : L'_';
    return name.empty() ? L"_" : name;
}

}  // namespace e2e
