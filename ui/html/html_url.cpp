#include "ui/html/html_url.h"

#include <vector>

#include "ui/platform/sysutils.h"

namespace {

int HexValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

// %XX escapes are UTF-8 bytes; a lone '%' stays as it is.
std::wstring PercentDecode(std::wstring_view text) {
    std::string bytes;
    std::wstring out;
    const auto flush = [&] {
        if (!bytes.empty()) out += Utf8ToWide(bytes);
        bytes.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'%' && i + 2 < text.size() + 0 && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
            bytes += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
            continue;
        }
        flush();
        out += text[i];
    }
    flush();
    return out;
}

bool HasScheme(std::wstring_view href, std::wstring_view& scheme) {
    const std::size_t colon = href.find(L':');
    if (colon == std::wstring_view::npos || colon < 2) return false;  // "C:" is a drive
    for (std::size_t i = 0; i < colon; ++i) {
        const wchar_t c = href[i];
        if (!((c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'+' || c == L'-' || c == L'.')) return false;
    }
    scheme = href.substr(0, colon);
    return true;
}

}  // namespace

std::wstring NormalisePath(std::wstring_view path) {
    std::wstring p(path);
    for (wchar_t& c : p)
        if (c == L'/') c = L'\\';
    std::wstring prefix;
    std::size_t start = 0;
    if (p.size() >= 2 && p[1] == L':') {
        prefix = p.substr(0, 2);
        start = 2;
    } else if (p.starts_with(L"\\\\")) {
        prefix = L"\\";
        start = 1;
    }
    const bool rooted = start < p.size() && p[start] == L'\\';
    std::vector<std::wstring> parts;
    std::size_t i = start;
    while (i <= p.size()) {
        std::size_t end = p.find(L'\\', i);
        if (end == std::wstring::npos) end = p.size();
        const std::wstring part = p.substr(i, end - i);
        if (part == L"..") {
            if (!parts.empty() && parts.back() != L"..") parts.pop_back();
            else if (!rooted) parts.push_back(part);
        } else if (!part.empty() && part != L".") {
            parts.push_back(part);
        }
        i = end + 1;
    }
    std::wstring out = prefix + (rooted ? L"\\" : L"");
    for (std::size_t k = 0; k < parts.size(); ++k) out += (k ? L"\\" : L"") + parts[k];
    return out;
}

THtmlAddress ResolveHref(std::wstring_view basePage, std::wstring_view href) {
    THtmlAddress a;
    while (!href.empty() && (href.front() == L' ' || href.front() == L'\t' || href.front() == L'\n')) href.remove_prefix(1);
    while (!href.empty() && (href.back() == L' ' || href.back() == L'\t' || href.back() == L'\n')) href.remove_suffix(1);
    if (const std::size_t hash = href.find(L'#'); hash != std::wstring_view::npos) {
        a.Fragment = PercentDecode(href.substr(hash + 1));
        href = href.substr(0, hash);
    }
    if (const std::size_t query = href.find(L'?'); query != std::wstring_view::npos) href = href.substr(0, query);
    std::wstring_view scheme;
    if (HasScheme(href, scheme)) {
        if (!SameTextAscii(scheme, L"file")) {
            a.External = true;
            return a;
        }
        href.remove_prefix(5);
        while (href.starts_with(L"/")) href.remove_prefix(1);
        if (href.size() >= 2 && href[1] == L'|') {  // file:///C|/...
            a.File = NormalisePath(std::wstring(1, href[0]) + L":" + std::wstring(href.substr(2)));
            return a;
        }
        if (!(href.size() >= 2 && href[1] == L':')) {
            a.File = NormalisePath(L"\\" + PercentDecode(href));
            return a;
        }
    }
    const std::wstring path = PercentDecode(href);
    if (path.empty()) {
        a.File = std::wstring(basePage);
        return a;
    }
    const bool absolute = (path.size() >= 2 && path[1] == L':') || path.starts_with(L"\\\\") || path.starts_with(L"//");
    if (absolute) a.File = NormalisePath(path);
    else if (path.front() == L'/' || path.front() == L'\\') {
        const std::wstring base(basePage);
        a.File = NormalisePath((base.size() >= 2 && base[1] == L':' ? base.substr(0, 2) : L"") + path);
    } else {
        a.File = NormalisePath(ExtractFilePath(std::wstring(basePage)) + path);
    }
    return a;
}
