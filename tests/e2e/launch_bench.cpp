// How long a person waits from starting INSTALL.EXE on the CD to the first
// screen painted: both processes (the first instance and its relaunched
// copy), the framework's pictures, the typeface and the background window.
// Prints the median of the runs as "bench launch ours=SECONDS".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tests/e2e/driver/driver.h"
#include "tests/e2e/wizard_steps.h"

int wmain() {
    constexpr int Runs = 7;
    std::vector<double> seconds;
    try {
        for (int run = 0; run < Runs; ++run) {
            e2e::TDriver driver(L"launch-" + std::to_wstring(run));
            LARGE_INTEGER frequency, start, painted;
            QueryPerformanceFrequency(&frequency);
            QueryPerformanceCounter(&start);
            e2e::TProcess& copy = wizard::StartFromCd(driver);
            driver.WaitPainted(wizard::InstallTypeScreen);
            QueryPerformanceCounter(&painted);
            seconds.push_back(static_cast<double>(painted.QuadPart - start.QuadPart) / frequency.QuadPart);
            driver.WaitScreen(wizard::InstallTypeScreen).Click(L"BCancel");
            driver.WaitExit(copy);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "launch: %s\n", e.what());
        return 1;
    }
    std::sort(seconds.begin(), seconds.end());
    for (double s : seconds) std::fprintf(stderr, "launch: %.3f s\n", s);
    std::printf("bench launch ours=%.3f\n", seconds[seconds.size() / 2]);
    return 0;
}
