#include "ui/html/css_values.h"

#include <algorithm>
#include <array>
#include <cwchar>
#include <string>

namespace {

std::wstring_view Trim(std::wstring_view s) {
    while (!s.empty() && (s.front() == L' ' || s.front() == L'\t' || s.front() == L'\n' || s.front() == L'\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == L' ' || s.back() == L'\t' || s.back() == L'\n' || s.back() == L'\r')) s.remove_suffix(1);
    return s;
}

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

bool ParseHex(std::wstring_view hex, TColor& out) {
    for (wchar_t c : hex)
        if (HexDigit(c) < 0) return false;
    if (hex.size() == 3) {
        const auto d = [&](int i) { return static_cast<std::uint8_t>(HexDigit(hex[static_cast<std::size_t>(i)]) * 17); };
        out = RGBColor(d(0), d(1), d(2));
        return true;
    }
    if (hex.size() != 6) return false;
    const auto pair = [&](int i) {
        return static_cast<std::uint8_t>(HexDigit(hex[static_cast<std::size_t>(i)]) * 16 +
                                         HexDigit(hex[static_cast<std::size_t>(i) + 1]));
    };
    out = RGBColor(pair(0), pair(2), pair(4));
    return true;
}

bool ParseRgbFunction(std::wstring_view text, TColor& out) {
    const std::size_t open = text.find(L'('), close = text.rfind(L')');
    if (open == std::wstring_view::npos || close == std::wstring_view::npos || close < open) return false;
    std::wstring inner(text.substr(open + 1, close - open - 1));
    int parts[3] = {};
    const wchar_t* p = inner.c_str();
    for (int& part : parts) {
        while (*p == L' ' || *p == L',') ++p;
        wchar_t* end = nullptr;
        double v = std::wcstod(p, &end);
        if (end == p) return false;
        if (*end == L'%') {
            v = v * 255.0 / 100.0;
            ++end;
        }
        part = static_cast<int>(std::clamp(v, 0.0, 255.0));
        p = end;
    }
    out = RGBColor(static_cast<std::uint8_t>(parts[0]), static_cast<std::uint8_t>(parts[1]),
                   static_cast<std::uint8_t>(parts[2]));
    return true;
}

struct TNamedColor {
    const wchar_t* Name;
    std::uint32_t Rgb;  // 0xRRGGBB
};

constexpr std::array<TNamedColor, 48> NamedColors = {{
    {L"black", 0x000000}, {L"silver", 0xC0C0C0}, {L"gray", 0x808080}, {L"grey", 0x808080}, {L"white", 0xFFFFFF},
    {L"maroon", 0x800000}, {L"red", 0xFF0000}, {L"purple", 0x800080}, {L"fuchsia", 0xFF00FF},
    {L"magenta", 0xFF00FF}, {L"green", 0x008000}, {L"lime", 0x00FF00}, {L"olive", 0x808000},
    {L"yellow", 0xFFFF00}, {L"navy", 0x000080}, {L"blue", 0x0000FF}, {L"teal", 0x008080}, {L"aqua", 0x00FFFF},
    {L"cyan", 0x00FFFF}, {L"orange", 0xFFA500}, {L"brown", 0xA52A2A}, {L"pink", 0xFFC0CB}, {L"gold", 0xFFD700},
    {L"beige", 0xF5F5DC}, {L"ivory", 0xFFFFF0}, {L"khaki", 0xF0E68C}, {L"lightgray", 0xD3D3D3},
    {L"lightgrey", 0xD3D3D3}, {L"darkgray", 0xA9A9A9}, {L"darkgrey", 0xA9A9A9}, {L"lightblue", 0xADD8E6},
    {L"darkblue", 0x00008B}, {L"lightyellow", 0xFFFFE0}, {L"lightgreen", 0x90EE90}, {L"darkgreen", 0x006400},
    {L"darkred", 0x8B0000}, {L"steelblue", 0x4682B4}, {L"skyblue", 0x87CEEB}, {L"royalblue", 0x4169E1},
    {L"whitesmoke", 0xF5F5F5}, {L"gainsboro", 0xDCDCDC}, {L"lavender", 0xE6E6FA}, {L"wheat", 0xF5DEB3},
    {L"tan", 0xD2B48C}, {L"coral", 0xFF7F50}, {L"violet", 0xEE82EE}, {L"indigo", 0x4B0082}, {L"crimson", 0xDC143C},
}};

bool SameNoCase(std::wstring_view a, const wchar_t* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        wchar_t c = a[i];
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
        if (c != b[i]) return false;
    }
    return i == a.size() && !b[i];
}

}  // namespace

bool ParseHtmlColor(std::wstring_view text, TColor& out) {
    text = Trim(text);
    if (text.empty()) return false;
    if (text.front() == L'#') return ParseHex(text.substr(1), out);
    if (text.size() > 4 && (SameNoCase(text.substr(0, 4), L"rgb(") || SameNoCase(text.substr(0, 4), L"rgba")))
        return ParseRgbFunction(text, out);
    for (const TNamedColor& c : NamedColors)
        if (SameNoCase(text, c.Name)) {
            out = RGBColor(static_cast<std::uint8_t>(c.Rgb >> 16), static_cast<std::uint8_t>(c.Rgb >> 8),
                           static_cast<std::uint8_t>(c.Rgb));
            return true;
        }
    return text.size() == 6 && ParseHex(text, out);
}

bool ParseCssLength(std::wstring_view text, int fontSize, TLength& out) {
    text = Trim(text);
    if (SameNoCase(text, L"auto")) {
        out = {};
        return true;
    }
    const std::wstring copy(text);
    wchar_t* end = nullptr;
    const double v = std::wcstod(copy.c_str(), &end);
    if (end == copy.c_str()) return false;
    const std::wstring_view unit = Trim(std::wstring_view(end));
    double px;
    if (unit.empty() || SameNoCase(unit, L"px")) px = v;
    else if (unit == L"%") {
        out = TLength::Percents(static_cast<float>(v));
        return true;
    } else if (SameNoCase(unit, L"pt")) px = v * 96.0 / 72.0;
    else if (SameNoCase(unit, L"pc")) px = v * 16.0;
    else if (SameNoCase(unit, L"em")) px = v * fontSize;
    else if (SameNoCase(unit, L"ex")) px = v * fontSize / 2.0;
    else if (SameNoCase(unit, L"in")) px = v * 96.0;
    else if (SameNoCase(unit, L"cm")) px = v * 96.0 / 2.54;
    else if (SameNoCase(unit, L"mm")) px = v * 96.0 / 25.4;
    else return false;
    out = TLength::Pixels(static_cast<float>(std::clamp(px, -100000.0, 100000.0)));
    return true;
}

bool ParseCssPixels(std::wstring_view text, int fontSize, int containing, int& out) {
    TLength length;
    if (!ParseCssLength(text, fontSize, length) || length.IsAuto()) return false;
    out = length.Resolve(containing, 0);
    return true;
}
