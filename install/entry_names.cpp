#include "install/entry_names.h"

#include "ui/platform/sysutils.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

std::vector<std::wstring_view> PathParts(std::wstring_view path) {
    std::vector<std::wstring_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = path.find(L'\\', start);
        parts.push_back(path.substr(start, end == std::wstring_view::npos ? end : end - start));
        if (end == std::wstring_view::npos) return parts;
        start = end + 1;
    }
}

bool IsDigitOrSuperscript(wchar_t c) { return (c >= L'1' && c <= L'9') || c == L'\u00B9' || c == L'\u00B2' || c == L'\u00B3'; }

std::wstring ComponentProblem(std::wstring_view part) {
    if (part.empty()) return L"contine o componenta goala";
    if (part == L"." || part == L"..") return L"contine \"" + std::wstring(part) + L"\"";
    if (part.back() == L'.' || part.back() == L' ') return L"o componenta se termina cu punct sau spatiu";
    if (IsDeviceName(part)) return L"numeste un dispozitiv (" + std::wstring(part) + L")";
    return {};
}

}  // namespace

bool IsDeviceName(std::wstring_view component) {
    std::wstring_view stem = component.substr(0, component.find(L'.'));
    while (!stem.empty() && stem.back() == L' ') stem.remove_suffix(1);
    const std::wstring upper = AsciiUpperCase(stem);
    static constexpr std::array<std::wstring_view, 6> fixed{L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};
    if (std::find(fixed.begin(), fixed.end(), upper) != fixed.end()) return true;
    return upper.size() == 4 && (upper.starts_with(L"COM") || upper.starts_with(L"LPT"))
           && IsDigitOrSuperscript(upper[3]);
}

std::wstring EntryRelativePath(std::wstring_view storedName) {
    std::wstring path(storedName);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    if (!path.empty() && path.back() == L'\\') path.pop_back();
    return path;
}

std::wstring EntryNameProblem(std::wstring_view storedName) {
    if (storedName.empty()) return L"numele este gol";
    const std::wstring path = EntryRelativePath(storedName);
    if (path.starts_with(L"\\\\")) return L"numele este o cale de retea";
    if (path.empty() || path.front() == L'\\') return L"numele este absolut";
    for (wchar_t c : path) {
        if (c == L':') return L"numele contine ':' (unitate sau flux alternativ)";
        if (c < 0x20 || c == L'<' || c == L'>' || c == L'"' || c == L'|' || c == L'?' || c == L'*')
            return L"numele contine caractere nepermise";
    }
    for (std::wstring_view part : PathParts(path))
        if (std::wstring problem = ComponentProblem(part); !problem.empty()) return problem;
    return {};
}
