#include "StartupProbe.h"

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

namespace {

long long Nanoseconds(std::chrono::steady_clock::time_point t)
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
}

}  // namespace

void ReportFirstFrameAndExit(std::chrono::steady_clock::time_point displayOpen)
{
    const auto now = std::chrono::steady_clock::now();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("first-frame-ns=%lld display-ns=%lld peak-kib=%ld\n", Nanoseconds(now),
                Nanoseconds(displayOpen), usage.ru_maxrss);
    std::fflush(stdout);
    std::_Exit(EXIT_SUCCESS);
}
