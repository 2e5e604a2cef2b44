#pragma once

// Timing for benchmarks that report a ratio to a baseline measured in the same run: the median
// of per-run seconds, so that a busy moment of the machine weighs on both sides alike.
#include <algorithm>
#include <chrono>
#include <vector>

template <class Work>
double SecondsOf(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double Median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(values.size() / 2), values.end());
    return values[values.size() / 2];
}
