#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <vector>

// Wall-clock seconds of one piece of work.
template <class Work>
double SecondsOf(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Medians of the samples of both sides of a ratio, so that a busy moment of the machine does not
// decide it.
inline double Median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(values.size() / 2), values.end());
    return values[values.size() / 2];
}
