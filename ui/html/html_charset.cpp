#include "ui/html/html_charset.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

constexpr UINT CpUtf8 = 65001, CpUtf16Le = 1200, CpUtf16Be = 1201;
constexpr std::size_t SniffLength = 4096;

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool IsValidUtf8(std::span<const std::uint8_t> bytes) {
    return MultiByteToWideChar(CpUtf8, MB_ERR_INVALID_CHARS, reinterpret_cast<const char*>(bytes.data()),
                               static_cast<int>(bytes.size()), nullptr, 0) > 0;
}

std::wstring Utf16(std::span<const std::uint8_t> bytes, bool bigEndian) {
    std::wstring text(bytes.size() / 2, L'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned a = bytes[2 * i], b = bytes[2 * i + 1];
        text[i] = static_cast<wchar_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
    }
    return text;
}

std::wstring MultiByte(UINT codePage, std::span<const std::uint8_t> bytes) {
    std::wstring text;
    std::size_t done = 0;
    // In pieces, so the length always fits an int; a piece never ends inside
    // a UTF-8 sequence.
    constexpr std::size_t Piece = 1 << 24;
    while (done < bytes.size()) {
        std::size_t n = std::min(Piece, bytes.size() - done);
        if (codePage == CpUtf8)
            while (n < bytes.size() - done && n > 0 && (bytes[done + n] & 0xC0) == 0x80) --n;
        const auto* src = reinterpret_cast<const char*>(bytes.data() + done);
        const int length = MultiByteToWideChar(codePage, 0, src, static_cast<int>(n), nullptr, 0);
        const std::size_t at = text.size();
        text.resize(at + static_cast<std::size_t>(std::max(length, 0)));
        if (length > 0) MultiByteToWideChar(codePage, 0, src, static_cast<int>(n), text.data() + at, length);
        done += n;
    }
    return text;
}

}  // namespace

UINT CodePageOfCharset(std::string_view label) {
    static const std::array<std::pair<const char*, UINT>, 26> names = {{
        {"utf-8", CpUtf8}, {"utf8", CpUtf8}, {"utf-16", CpUtf16Le}, {"utf-16le", CpUtf16Le}, {"utf-16be", CpUtf16Be},
        {"windows-1250", 1250}, {"cp1250", 1250}, {"x-cp1250", 1250}, {"windows-1251", 1251}, {"cp1251", 1251},
        {"windows-1252", 1252}, {"cp1252", 1252}, {"iso-8859-1", 1252}, {"iso8859-1", 1252}, {"latin1", 1252},
        {"us-ascii", 1252}, {"ascii", 1252}, {"iso-8859-2", 28592}, {"iso8859-2", 28592}, {"latin2", 28592},
        {"iso-8859-15", 28605}, {"iso-8859-16", 28606}, {"windows-1257", 1257}, {"koi8-r", 20866},
        {"iso-8859-5", 28595}, {"windows-1253", 1253},
    }};
    const std::string lower = Lower(label);
    for (const auto& [name, page] : names)
        if (lower == name) return page;
    return 0;
}

std::string DeclaredCharset(std::span<const std::uint8_t> bytes) {
    const std::string head = Lower(std::string_view(reinterpret_cast<const char*>(bytes.data()),
                                                    std::min(bytes.size(), SniffLength)));
    for (std::size_t meta = head.find("<meta"); meta != std::string::npos; meta = head.find("<meta", meta + 5)) {
        const std::size_t end = head.find('>', meta);
        const std::string_view tag = std::string_view(head).substr(meta, end == std::string::npos ? end : end - meta);
        std::size_t at = tag.find("charset");
        if (at == std::string_view::npos) continue;
        at += 7;
        while (at < tag.size() && (tag[at] == ' ' || tag[at] == '=' || tag[at] == '"' || tag[at] == '\'')) ++at;
        std::size_t stop = at;
        while (stop < tag.size() && (std::isalnum(static_cast<unsigned char>(tag[stop])) || tag[stop] == '-' ||
                                     tag[stop] == '_' || tag[stop] == ':' || tag[stop] == '.'))
            ++stop;
        if (stop > at) return std::string(tag.substr(at, stop - at));
    }
    return {};
}

UINT DetectCodePage(std::span<const std::uint8_t> bytes) {
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) return CpUtf8;
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return CpUtf16Le;
    if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return CpUtf16Be;
    if (const UINT declared = CodePageOfCharset(DeclaredCharset(bytes)); declared != 0) {
        // A UTF-16 label on bytes without a mark is a mistake of the page:
        // it was read as ASCII to find the label.
        if (declared != CpUtf16Le && declared != CpUtf16Be) return declared;
    }
    return IsValidUtf8(bytes) ? CpUtf8 : GetACP();
}

std::wstring DecodePage(std::span<const std::uint8_t> bytes) {
    const UINT page = DetectCodePage(bytes);
    std::wstring text;
    if (page == CpUtf16Le || page == CpUtf16Be) {
        const std::size_t mark = bytes.size() >= 2 && (bytes[0] == 0xFF || bytes[0] == 0xFE) ? 2 : 0;
        text = Utf16(bytes.subspan(mark), page == CpUtf16Be);
    } else {
        const std::size_t mark = page == CpUtf8 && bytes.size() >= 3 && bytes[0] == 0xEF ? 3 : 0;
        text = MultiByte(page, bytes.subspan(mark));
    }
    for (wchar_t& c : text)
        if (c == L'\0') c = L' ';
    return text;
}
