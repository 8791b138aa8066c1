// What the install tests share: a copy screen that records what it is told,
// the installer state put back after each test, a removable drive of the
// test's own, and small file helpers.
#pragma once

#include "core/installer_state.h"
#include "install/copy_progress.h"
#include "tests/support/temp_dir.h"

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

class TRecordingProgress : public ICopyProgress {
public:
    std::vector<std::wstring> Statuses;
    std::vector<std::pair<std::int32_t, std::int32_t>> DiskGauge;    // (maximum, position)
    std::vector<std::pair<std::int64_t, std::int64_t>> UnzipGauge;  // (maximum, position)
    std::vector<std::int32_t> DiskRequests;
    int OlderEngineWarnings = 0;
    std::vector<std::wstring> Undeletable;
    int InfoOffers = 0;
    // The user's answer to a disk prompt: true is O&K (look again), false Cancel.
    std::function<bool(std::int32_t n)> AnswerDiskPrompt = [](std::int32_t) { return false; };

    void ShowStatus(const std::wstring& text) override { Statuses.push_back(text); }
    void SetDiskGauge(std::int32_t maximum, std::int32_t position) override { DiskGauge.emplace_back(maximum, position); }
    void SetUnzipGauge(std::int64_t maximum, std::int64_t position) override {
        UnzipGauge.emplace_back(maximum, position);
    }
    bool AskForDisk(std::int32_t n) override {
        DiskRequests.push_back(n);
        return AnswerDiskPrompt(n);
    }
    void WarnOlderEngine() override { ++OlderEngineWarnings; }
    void ReportUndeletable(const std::wstring& path) override { Undeletable.push_back(path); }
    void OfferInfoPage() override { ++InfoOffers; }
};

// Puts InstallerState and the current directory back when it goes away.
class TStateGuard {
public:
    TStateGuard();
    ~TStateGuard();
    TStateGuard(const TStateGuard&) = delete;
    TStateGuard& operator=(const TStateGuard&) = delete;

private:
    TInstallerState FSaved;
    std::wstring FCurrentDirectory;
};

// A removable drive (a floppy as Wine's mount manager knows it) showing a
// fresh folder; removed again when the object goes away. Wine only.
class TRemovableDrive {
public:
    TRemovableDrive();
    ~TRemovableDrive();
    TRemovableDrive(const TRemovableDrive&) = delete;
    TRemovableDrive& operator=(const TRemovableDrive&) = delete;

    static bool Available();
    // "R:" — the drive, without a backslash.
    std::wstring Drive() const { return std::wstring(1, FLetter) + L":"; }
    // The files on the "disk" now, by the folder that holds them.
    const TempDir& Folder() const { return FFolder; }
    // Takes everything off the disk and puts `files` on it.
    void Insert(const std::map<std::wstring, std::string>& files) const;

private:
    TempDir FFolder;
    wchar_t FLetter = 0;
};

// Names (relative, with backslashes) and contents of every file below `dir`.
std::map<std::wstring, std::string> TreeFiles(const std::wstring& dir);
// Writes each file (creating its folders) below `dir`.
void WriteFiles(const std::wstring& dir, const std::map<std::wstring, std::string>& files);
void MakeFolder(const std::wstring& path);
