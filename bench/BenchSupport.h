#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <string>
#include <vector>

// Timing and memory figures for the benchmarks: medians of repeated runs in
// milliseconds, the process's resident memory and its heap in use.

template <typename F>
double MedianMilliseconds(int runs, F&& body)
{
    std::vector<double> samples;
    samples.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        body();
        const auto end = std::chrono::steady_clock::now();
        samples.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// VmRSS of this process in KiB, 0 where /proc does not tell.
inline long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

// Bytes held in malloc's chunks, all arenas and mapped chunks included: finer
// than resident memory, which moves in pages and keeps pages once touched.
inline long long HeapInUseBytes()
{
    const struct mallinfo2 m = mallinfo2();
    return static_cast<long long>(m.uordblks + m.hblkhd);
}

inline void PrintFigure(const char* what, double ms, double bareMs)
{
    std::printf("%-44s %9.3f ms  %7.2f x bare frame\n", what, ms, bareMs > 0 ? ms / bareMs : 0.0);
}
