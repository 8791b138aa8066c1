// Which stored names of archive entries may be written on Windows. A name is
// refused when it could leave the destination directory or name something
// other than a plain file or directory below it.
#pragma once

#include <string>
#include <string_view>

// Why a stored name is refused, or an empty text when it is acceptable.
// Forward slashes count as backslashes; one final slash marks a directory.
std::wstring EntryNameProblem(std::wstring_view storedName);

// The stored name as a relative Windows path: backslashes, no final one.
std::wstring EntryRelativePath(std::wstring_view storedName);

// Whether a path component is a device name (CON, PRN, AUX, NUL, COM1-9,
// LPT1-9, CONIN$, CONOUT$), with or without an extension, in any case.
bool IsDeviceName(std::wstring_view component);
