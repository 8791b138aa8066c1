#include "tests/e2e/driver/processes.h"

#include <tlhelp32.h>

#include "tests/e2e/driver/driver_error.h"

namespace e2e {

namespace {

std::wstring ProcessImagePath(HANDLE process) {
    wchar_t path[MAX_PATH * 2];
    DWORD size = static_cast<DWORD>(std::size(path));
    return QueryFullProcessImageNameW(process, 0, path, &size) ? std::wstring(path, size) : std::wstring();
}

}  // namespace

TProcess::TProcess(TOwnedHandle handle, DWORD id, std::wstring imagePath)
    : FHandle(std::move(handle)), FId(id), FImagePath(std::move(imagePath)) {}

bool TProcess::Running() const { return WaitForSingleObject(FHandle.Get(), 0) == WAIT_TIMEOUT; }

DWORD TProcess::WaitExit(DWORD milliseconds) const {
    if (WaitForSingleObject(FHandle.Get(), milliseconds) != WAIT_OBJECT_0)
        throw EDriverError(L"process " + std::to_wstring(FId) + L" (" + FImagePath + L") did not end within " +
                           std::to_wstring(milliseconds) + L" ms");
    DWORD code = 0;
    GetExitCodeProcess(FHandle.Get(), &code);
    return code;
}

void TProcess::WaitInputIdle(DWORD milliseconds) const { WaitForInputIdle(FHandle.Get(), milliseconds); }

TProcess StartProcess(const std::wstring& path, const std::wstring& arguments) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring commandLine = L"\"" + path + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    const std::wstring folder = ExtractFileDir(path);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info))
        throw EDriverError(L"cannot start " + path + L": " + SysErrorMessage(GetLastError()));
    CloseHandle(info.hThread);
    TOwnedHandle process(info.hProcess);
    std::wstring image = ProcessImagePath(process.Get());
    return TProcess(std::move(process), info.dwProcessId, image.empty() ? path : image);
}

TProcess OpenProcessById(DWORD id) {
    TOwnedHandle process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    if (!process)
        throw EDriverError(L"cannot open process " + std::to_wstring(id) + L": " + SysErrorMessage(GetLastError()));
    std::wstring image = ProcessImagePath(process.Get());
    return TProcess(std::move(process), id, std::move(image));
}

std::vector<TProcessEntry> ProcessSnapshot() {
    std::vector<TProcessEntry> entries;
    TOwnedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return entries;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry))
        entries.push_back({entry.th32ProcessID, entry.th32ParentProcessID, entry.szExeFile});
    return entries;
}

void TProcessFamily::Refresh() {
    const std::vector<TProcessEntry> snapshot = ProcessSnapshot();
    for (bool grew = true; grew;) {
        grew = false;
        for (const TProcessEntry& e : snapshot)
            if (!Contains(e.Id) && Contains(e.ParentId)) grew = FIds.insert(e.Id).second || grew;
    }
}

const TProcessEntry* FindChild(const std::vector<TProcessEntry>& snapshot, DWORD parent, const std::wstring& exeName) {
    for (const TProcessEntry& e : snapshot)
        if (e.ParentId == parent && SameTextAscii(ExtractFileName(e.ExeName), exeName)) return &e;
    return nullptr;
}

}  // namespace e2e
