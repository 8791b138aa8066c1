#include "tests/install/install_support.h"

#include "ui/platform/sysutils.h"

#include <winioctl.h>

#include <cstring>
#include <stdexcept>

namespace {

// Wine's mount manager defines and removes drives on request, as winecfg
// does it.
constexpr DWORD DefineUnixDrive = CTL_CODE('m', 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

struct TUnixDriveRequest {
    ULONG Size;
    ULONG Type;
    ULONG FsType;
    DWORD Serial;
    ULONGLONG UnixDevice;
    WCHAR Letter;
    USHORT MountPointOffset;
    USHORT DeviceOffset;
    USHORT LabelOffset;
};

using TUnixFileName = char*(CDECL*)(LPCWSTR);

TUnixFileName UnixFileNameFunction() {
    TUnixFileName function = nullptr;
    BindProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name", function);
    return function;
}

bool DefineDrive(wchar_t letter, UINT type, const std::string& unixPath) {
    std::string request(sizeof(TUnixDriveRequest), '\0');
    TUnixDriveRequest header{};
    header.Type = type;
    header.Letter = static_cast<WCHAR>(letter - L'A' + L'a');
    if (!unixPath.empty()) {
        header.MountPointOffset = static_cast<USHORT>(request.size());
        request += unixPath;
        request += '\0';
    }
    header.Size = static_cast<ULONG>(request.size());
    std::memcpy(request.data(), &header, sizeof header);
    HANDLE manager = CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (manager == INVALID_HANDLE_VALUE) return false;
    DWORD returned = 0;
    const BOOL done = DeviceIoControl(manager, DefineUnixDrive, request.data(), static_cast<DWORD>(request.size()),
                                      nullptr, 0, &returned, nullptr);
    CloseHandle(manager);
    return done;
}

void CollectFiles(const std::wstring& root, const std::wstring& relative, std::map<std::wstring, std::string>& files) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((root + relative + L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CollectFiles(root, relative + name + L"\\", files);
        else
            files[relative + name] = ReadText(root + relative + name);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
}

}  // namespace

TStateGuard::TStateGuard() : FSaved(InstallerState) {
    wchar_t dir[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, dir);
    FCurrentDirectory = dir;
}

TStateGuard::~TStateGuard() {
    InstallerState = FSaved;
    SetCurrentDirectoryW(FCurrentDirectory.c_str());
}

bool TRemovableDrive::Available() { return UnixFileNameFunction() != nullptr; }

TRemovableDrive::TRemovableDrive() {
    const TUnixFileName unixName = UnixFileNameFunction();
    if (!unixName) throw std::runtime_error("not running under Wine");
    char* path = unixName(ExcludeTrailingBackslash(FFolder.Path()).c_str());
    if (!path) throw std::runtime_error("no Unix name for the drive's folder");
    const std::string unixPath = path;
    HeapFree(GetProcessHeap(), 0, path);
    const DWORD used = GetLogicalDrives();
    for (wchar_t letter = L'R'; letter <= L'Y' && !FLetter; ++letter)
        if (!(used & (1u << (letter - L'A')))) FLetter = letter;
    if (!FLetter || !DefineDrive(FLetter, DRIVE_REMOVABLE, unixPath))
        throw std::runtime_error("cannot define a removable drive");
}

TRemovableDrive::~TRemovableDrive() { DefineDrive(FLetter, DRIVE_NO_ROOT_DIR, {}); }

void TRemovableDrive::Insert(const std::map<std::wstring, std::string>& files) const {
    for (const auto& [name, content] : TreeFiles(FFolder.Path())) DeleteFileW((FFolder / name).c_str());
    WriteFiles(FFolder.Path(), files);
}

std::map<std::wstring, std::string> TreeFiles(const std::wstring& dir) {
    std::map<std::wstring, std::string> files;
    CollectFiles(IncludeTrailingBackslash(dir), L"", files);
    return files;
}

void MakeFolder(const std::wstring& path) {
    if (!ForceDirectories(path)) throw std::runtime_error("cannot create a folder");
}

void WriteFiles(const std::wstring& dir, const std::map<std::wstring, std::string>& files) {
    for (const auto& [name, content] : files) {
        const std::wstring path = IncludeTrailingBackslash(dir) + name;
        MakeFolder(ExtractFileDir(path));
        WriteText(path, content);
    }
}
