#include "tests/support/temp_dir.h"

#include "ui/platform/sysutils.h"

#include <windows.h>

#include <atomic>
#include <stdexcept>

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    const std::wstring base = TempDirectory();
    for (;;) {
        FPath = base + L"zvtest-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(counter++) + L"\\";
        if (CreateDirectoryW(FPath.c_str(), nullptr)) return;
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create a temporary folder");
    }
}

TempDir::~TempDir() { RemoveTree(FPath); }

void RemoveTree(const std::wstring& path) {
    const std::wstring dir = IncludeTrailingBackslash(path);
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((dir + L"*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(dir + name);
            } else {
                SetFileAttributesW((dir + name).c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW((dir + name).c_str());
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(ExcludeTrailingBackslash(dir).c_str());
}

void WriteText(const std::wstring& path, const std::string& bytes) { WriteFileBytes(path, bytes.data(), bytes.size()); }

std::string ReadText(const std::wstring& path) {
    const auto bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

std::wstring TestProgramDir() { return ExtractFilePath(ModuleFileName()); }

namespace {

// Names directly inside `dir` (which ends with a backslash): its folders or its files.
std::vector<std::wstring> Entries(const std::wstring& dir, bool folders) {
    std::vector<std::wstring> result;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((dir + L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return result;
    do {
        const std::wstring name = entry.cFileName;
        const bool folder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (folder == folders && name != L"." && name != L"..") result.push_back(name);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return result;
}

}  // namespace

std::vector<std::wstring> SubFolders(const std::wstring& dir) { return Entries(dir, true); }

std::vector<std::wstring> FilesIn(const std::wstring& dir) { return Entries(dir, false); }
