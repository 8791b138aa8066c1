#include "install/file_system.h"

#include "ui/platform/sysutils.h"

void TFileHandle::Close() {
    if (IsOpen()) CloseHandle(FHandle);
    FHandle = INVALID_HANDLE_VALUE;
}

namespace {

class TFindHandle {
public:
    explicit TFindHandle(HANDLE handle) : FHandle(handle) {}
    ~TFindHandle() {
        if (FHandle != INVALID_HANDLE_VALUE) FindClose(FHandle);
    }
    TFindHandle(const TFindHandle&) = delete;
    TFindHandle& operator=(const TFindHandle&) = delete;
    HANDLE Get() const { return FHandle; }

private:
    HANDLE FHandle;
};

}  // namespace

std::vector<TDirectoryEntry> ListDirectory(const std::wstring& pattern) {
    std::vector<TDirectoryEntry> entries;
    WIN32_FIND_DATAW data;
    TFindHandle find(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                      FIND_FIRST_EX_LARGE_FETCH));
    if (find.Get() == INVALID_HANDLE_VALUE) return entries;
    do {
        const std::wstring_view name = data.cFileName;
        if (name != L"." && name != L"..") entries.push_back({std::wstring(name), data.dwFileAttributes});
    } while (FindNextFileW(find.Get(), &data));
    return entries;
}

std::wstring PathRoot(std::wstring_view path) {
    if (path.size() >= 2 && path[1] == L':') return std::wstring(path.substr(0, 2)) + L'\\';
    if (path.size() >= 2 && path[0] == L'\\' && path[1] == L'\\') {
        // \\server\share\ : the root ends after the second component.
        std::size_t end = path.find(L'\\', 2);
        if (end != std::wstring_view::npos) end = path.find(L'\\', end + 1);
        return IncludeTrailingBackslash(path.substr(0, end));
    }
    return std::wstring(path.substr(0, 3));
}

std::wstring JoinPath(std::wstring_view directory, std::wstring_view name) {
    if (directory.empty()) return std::wstring(name);
    return IncludeTrailingBackslash(ExcludeTrailingBackslash(directory)) + std::wstring(name);
}
