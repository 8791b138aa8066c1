// The processes of the program under test: started by the driver, or started
// by one of them (the installer relaunches itself from a temporary copy).
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "tests/e2e/driver/handles.h"

namespace e2e {

class TProcess {
public:
    TProcess(TOwnedHandle handle, DWORD id, std::wstring imagePath);

    DWORD Id() const { return FId; }
    // Full path of the program file, as the system reports it.
    const std::wstring& ImagePath() const { return FImagePath; }
    bool Running() const;
    // Waits for the end and gives the exit code; throws after the time-out.
    DWORD WaitExit(DWORD milliseconds) const;
    // Waits until the process waits for input with nothing left to handle.
    void WaitInputIdle(DWORD milliseconds) const;

private:
    TOwnedHandle FHandle;
    DWORD FId;
    std::wstring FImagePath;
};

// Starts a program (with its folder as the current directory).
TProcess StartProcess(const std::wstring& path, const std::wstring& arguments = {});
// Opens a running process by its id for waiting and its exit code.
TProcess OpenProcessById(DWORD id);

struct TProcessEntry {
    DWORD Id;
    DWORD ParentId;
    std::wstring ExeName;
};
std::vector<TProcessEntry> ProcessSnapshot();
// The child of `parent` in the snapshot whose program is `exeName` (file
// name only, any case); nullptr when there is none.
const TProcessEntry* FindChild(const std::vector<TProcessEntry>& snapshot, DWORD parent, const std::wstring& exeName);

// A process and everything it starts, and what they start in turn. Ids are
// remembered once seen, so a child whose parent has ended still counts.
class TProcessFamily {
public:
    void AddRoot(DWORD id) { FIds.insert(id); }
    // Takes a snapshot and adds the descendants found in it.
    void Refresh();
    bool Contains(DWORD id) const { return FIds.count(id) != 0; }

private:
    std::set<DWORD> FIds;
};

}  // namespace e2e
