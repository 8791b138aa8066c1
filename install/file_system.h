// The few file-system helpers the copy needs beyond the form library's: an
// owning file handle, listing one directory, and the root a path lies on.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Owns a handle from CreateFileW; closed when the object goes away.
class TFileHandle {
public:
    TFileHandle() = default;
    explicit TFileHandle(HANDLE handle) : FHandle(handle) {}
    ~TFileHandle() { Close(); }
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;

    bool IsOpen() const { return FHandle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return FHandle; }
    void Close();
    // Closes the handle held and takes `handle` instead.
    void Reset(HANDLE handle) {
        Close();
        FHandle = handle;
    }

private:
    HANDLE FHandle = INVALID_HANDLE_VALUE;
};

struct TDirectoryEntry {
    std::wstring Name;
    DWORD Attributes = 0;
    bool IsDirectory() const { return (Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
};

// The entries matching `pattern` (a directory and a wildcard), every
// attribute included, without "." and "..". A missing directory gives none.
std::vector<TDirectoryEntry> ListDirectory(const std::wstring& pattern);

// The root directory that `path` lies on, with its final backslash:
// "A:\" for "A:", "A:\" and "A:\KIT"; "\\server\share\" for a network path.
std::wstring PathRoot(std::wstring_view path);

// A directory joined with a name by exactly one backslash.
std::wstring JoinPath(std::wstring_view directory, std::wstring_view name);
