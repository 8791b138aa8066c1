#include "ui/platform/graphics/colors.h"

#include "ui/platform/sysutils.h"

#include <cwchar>
#include <mutex>
#include <optional>
#include <vector>

namespace {

struct TColorName {
    std::wstring_view Name;
    TColor Value;
};

constexpr TColorName StandardNames[] = {
    {L"clBlack", clBlack}, {L"clMaroon", clMaroon}, {L"clGreen", clGreen}, {L"clOlive", clOlive},
    {L"clNavy", clNavy}, {L"clPurple", clPurple}, {L"clTeal", clTeal}, {L"clGray", clGray},
    {L"clSilver", clSilver}, {L"clRed", clRed}, {L"clLime", clLime}, {L"clYellow", clYellow},
    {L"clBlue", clBlue}, {L"clFuchsia", clFuchsia}, {L"clAqua", clAqua}, {L"clWhite", clWhite},
    {L"clLtGray", clLtGray}, {L"clDkGray", clDkGray}, {L"clMoneyGreen", clMoneyGreen},
    {L"clSkyBlue", clSkyBlue}, {L"clCream", clCream}, {L"clMedGray", clMedGray},
    {L"clScrollBar", clScrollBar}, {L"clBackground", clBackground},
    {L"clActiveCaption", clActiveCaption}, {L"clInactiveCaption", clInactiveCaption},
    {L"clMenu", clMenu}, {L"clWindow", clWindow}, {L"clWindowFrame", clWindowFrame},
    {L"clMenuText", clMenuText}, {L"clWindowText", clWindowText}, {L"clCaptionText", clCaptionText},
    {L"clActiveBorder", clActiveBorder}, {L"clInactiveBorder", clInactiveBorder},
    {L"clAppWorkSpace", clAppWorkSpace}, {L"clHighlight", clHighlight},
    {L"clHighlightText", clHighlightText}, {L"clBtnFace", clBtnFace}, {L"clBtnShadow", clBtnShadow},
    {L"clGrayText", clGrayText}, {L"clBtnText", clBtnText},
    {L"clInactiveCaptionText", clInactiveCaptionText}, {L"clBtnHighlight", clBtnHighlight},
    {L"cl3DDkShadow", cl3DDkShadow}, {L"cl3DLight", cl3DLight}, {L"clInfoText", clInfoText},
    {L"clInfoBk", clInfoBk}, {L"clHotLight", clHotLight},
    {L"clGradientActiveCaption", clGradientActiveCaption},
    {L"clGradientInactiveCaption", clGradientInactiveCaption},
    {L"clMenuHighlight", clMenuHighlight}, {L"clMenuBar", clMenuBar},
    {L"clNone", clNone}, {L"clDefault", clDefault},
};

struct TRegisteredName {
    std::wstring Name;
    TColor Value;
};

std::mutex RegistryLock;

std::vector<TRegisteredName>& Registered() {
    static std::vector<TRegisteredName> names;
    return names;
}

// Called with the lock held.
bool IsRegistered(std::wstring_view name) {
    for (const TRegisteredName& entry : Registered())
        if (SameTextAscii(entry.Name, name)) return true;
    return false;
}

// The first standard entry that matches.
template <typename Match>
const TColorName* FindStandard(Match match) {
    for (const TColorName& entry : StandardNames)
        if (match(entry.Name, entry.Value)) return &entry;
    return nullptr;
}

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

std::optional<std::uint32_t> ParseHex(std::wstring_view digits) {
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    std::uint32_t value = 0;
    for (wchar_t c : digits) {
        const int d = HexDigit(c);
        if (d < 0) return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(d);
    }
    return value;
}

// Decimal text in the range of a 32-bit value, signed or unsigned.
std::optional<std::uint32_t> ParseDecimal(std::wstring_view text) {
    const bool negative = !text.empty() && text.front() == L'-';
    if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) text.remove_prefix(1);
    if (text.empty() || text.size() > 10) return std::nullopt;
    std::int64_t value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    if (negative) value = -value;
    if (value < INT32_MIN || value > static_cast<std::int64_t>(UINT32_MAX)) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::optional<std::uint32_t> ParseNumber(std::wstring_view text) {
    if (text.starts_with(L'$')) return ParseHex(text.substr(1));
    if (text.starts_with(L"0x") || text.starts_with(L"0X")) return ParseHex(text.substr(2));
    return ParseDecimal(text);
}

}  // namespace

COLORREF ColorToRGB(TColor color) {
    const auto value = static_cast<std::uint32_t>(color);
    if (IsSystemColor(color)) return GetSysColor(static_cast<int>(value & 0xFFu));
    return value & 0x00FFFFFFu;
}

void RegisterColorName(std::wstring_view name, TColor value) {
    std::lock_guard lock(RegistryLock);
    if (!IsRegistered(name)) Registered().push_back({std::wstring(name), value});
}

bool IdentToColor(std::wstring_view name, TColor& out) {
    std::lock_guard lock(RegistryLock);
    for (const TRegisteredName& entry : Registered()) {
        if (SameTextAscii(entry.Name, name)) {
            out = entry.Value;
            return true;
        }
    }
    const TColorName* found = FindStandard([&](std::wstring_view n, TColor) { return SameTextAscii(n, name); });
    if (found) out = found->Value;
    return found != nullptr;
}

bool ColorToIdent(TColor value, std::wstring& out) {
    std::lock_guard lock(RegistryLock);
    for (const TRegisteredName& entry : Registered()) {
        if (entry.Value == value) {
            out = entry.Name;
            return true;
        }
    }
    // A standard name that a registration took over no longer names its old value.
    const TColorName* found =
        FindStandard([&](std::wstring_view n, TColor v) { return v == value && !IsRegistered(n); });
    if (found) out = found->Name;
    return found != nullptr;
}

TColor StringToColor(std::wstring_view text) {
    TColor color;
    if (IdentToColor(text, color)) return color;
    if (const auto number = ParseNumber(text)) return static_cast<TColor>(*number);
    throw Exception(L"\"" + std::wstring(text) + L"\" nu este o culoare valida");
}

std::wstring ColorToString(TColor color) {
    std::wstring name;
    if (ColorToIdent(color, name)) return name;
    wchar_t text[16];
    std::swprintf(text, std::size(text), L"$%08X", static_cast<unsigned>(color));
    return text;
}
