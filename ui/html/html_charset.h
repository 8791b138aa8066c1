// The character set of a page's bytes and their conversion to UTF-8 for the
// parser: a byte-order mark first, then a charset named by a <meta> element,
// then valid UTF-8, else the system's ANSI code page.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The Windows code page of a charset label ("windows-1250", "ISO-8859-2",
// "utf-8", ...), or 0 when the label is unknown.
UINT CodePageOfCharset(std::string_view label);
// The charset a page declares in its first few kilobytes, or empty.
std::string DeclaredCharset(std::span<const std::uint8_t> bytes);
// The code page the bytes are in: 65001 UTF-8, 1200 UTF-16LE, 1201 UTF-16BE, or an ANSI code page.
UINT DetectCodePage(std::span<const std::uint8_t> bytes);
// The page as UTF-16, byte-order mark dropped; invalid sequences become
// U+FFFD and NUL characters spaces, so whatever the file held can be parsed.
std::wstring DecodePage(std::span<const std::uint8_t> bytes);
