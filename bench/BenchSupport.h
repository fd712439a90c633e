#pragma once

#include "MemoryUse.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

// Timing figures for the benchmarks, medians of repeated runs in
// milliseconds; memory figures come from the tests' own reader.

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

inline void PrintFigure(const char* what, double ms, double bareMs)
{
    std::printf("%-44s %9.3f ms  %7.2f x bare frame\n", what, ms, bareMs > 0 ? ms / bareMs : 0.0);
}
