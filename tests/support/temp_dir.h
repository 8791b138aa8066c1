// A fresh folder under the temporary directory, removed with its content when
// the object goes away.
#pragma once

#include <string>
#include <vector>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, with a trailing backslash.
    const std::wstring& Path() const { return FPath; }
    std::wstring operator/(const std::wstring& name) const { return FPath + name; }

private:
    std::wstring FPath;
};

void RemoveTree(const std::wstring& path);
void WriteText(const std::wstring& path, const std::string& bytes);
std::string ReadText(const std::wstring& path);
// Names of the folders directly inside `dir` (which ends with a backslash).
std::vector<std::wstring> SubFolders(const std::wstring& dir);
// Names of the files directly inside `dir` (which ends with a backslash).
std::vector<std::wstring> FilesIn(const std::wstring& dir);
// Folder of the running test program, with a trailing backslash.
std::wstring TestProgramDir();
