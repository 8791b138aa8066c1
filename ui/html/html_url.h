// Link addresses of local pages: a file path relative to the page that
// holds the link, or absolute, with an optional #fragment.
#pragma once

#include <string>
#include <string_view>

struct THtmlAddress {
    std::wstring File;      // full path; the base page itself for "#name"
    std::wstring Fragment;  // without the '#'
    bool External = false;  // another scheme (http:, mailto:, javascript:): not followed
};

THtmlAddress ResolveHref(std::wstring_view basePage, std::wstring_view href);
// Drops "." and ".." parts and turns slashes into backslashes.
std::wstring NormalisePath(std::wstring_view path);
