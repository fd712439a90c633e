#pragma once

// What the process holds in memory, for the tests and benchmarks that watch
// it over many rebuilds or clicks.

#include <cstddef>
#include <fstream>
#include <string>

#include <sys/resource.h>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime's allocator statistics; GCC ships no header for them.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

// VmRSS of this process in KiB; -1 where /proc does not tell.
inline long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = -1;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

// The most this process has held resident so far, in KiB.
inline long PeakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Bytes allocated and not freed, through whichever allocator this build
// uses: all of malloc's arenas and mapped chunks, or the sanitizer's
// allocator, which then serves every library and leaves glibc's arenas
// empty. Finer than resident memory, which moves in pages and keeps pages
// once touched, so that a library's leak shows even where it cannot be asked
// about its own memory.
inline long long HeapInUseBytes()
{
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 m = mallinfo2();
    return static_cast<long long>(m.uordblks + m.hblkhd);
#endif
}
