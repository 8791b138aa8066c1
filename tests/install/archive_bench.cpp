// Times our joining and unpacking without any window, for tools/bench:
//   archive_bench join SOURCE-DIR PROGRAM-DIR  joins every EXE piece of a CD kit
//   archive_bench unzip ARCHIVE DESTINATION    unpacks a whole archive
// Prints "seconds=S" (the work alone, not the process start) and, after
// unpacking, "peak_mib=M" (the peak working set of the process).
#include "install/archive_assembly.h"
#include "install/zip_extract.h"
#include "ui/platform/sysutils.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <functional>
#include <string>

namespace {

class TSilentProgress : public ICopyProgress {
public:
    void ShowStatus(const std::wstring&) override {}
    void SetDiskGauge(std::int32_t, std::int32_t) override {}
    void SetUnzipGauge(std::int64_t, std::int64_t) override {}
    bool AskForDisk(std::int32_t) override { return false; }
    void WarnOlderEngine() override {}
    void ReportUndeletable(const std::wstring&) override {}
    void OfferInfoPage() override {}
};

double Seconds(const std::function<void()>& work) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double PeakWorkingSetMiB() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

int Join(const std::wstring& source, const std::wstring& program) {
    InstallerState.SourceDir = source;
    InstallerState.ProposedProgramDir = program;
    InstallerState.InstallType = itLocal;
    InstallerState.DiskCount = 1;
    TSilentProgress progress;
    bool joined = false;
    const double seconds = Seconds([&] { joined = AssembleArchives(progress, ComponentSets); });
    std::printf("seconds=%.3f\n", seconds);
    return joined ? 0 : 1;
}

int Unzip(const std::wstring& archive, const std::wstring& destination) {
    const double seconds = Seconds([&] { ExtractZip(archive, destination); });
    std::printf("seconds=%.3f peak_mib=%.1f\n", seconds, PeakWorkingSetMiB());
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: archive_bench join SOURCE PROGRAM | unzip ARCHIVE DESTINATION\n");
        return 2;
    }
    const std::wstring command = argv[1];
    try {
        if (command == L"join") return Join(argv[2], argv[3]);
        if (command == L"unzip") return Unzip(argv[2], argv[3]);
    } catch (const Exception& e) {
        std::fprintf(stderr, "archive_bench: %s\n", e.what());
        return 1;
    }
    std::fprintf(stderr, "archive_bench: unknown command\n");
    return 2;
}
