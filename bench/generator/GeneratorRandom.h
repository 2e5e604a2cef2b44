#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

// Random choices that give the same proposal from the same seed with any standard library: the
// engine's output is fixed by the standard, the distributions' are not, so they are not used.
class CGeneratorRandom {
public:
    explicit CGeneratorRandom(uint32_t seed) : m_engine(seed) {}

    // low..high, both included.
    int Pick(int low, int high)
    {
        return high <= low ? low : low + int(m_engine() % uint32_t(high - low + 1));
    }

    // low..high, rounded to a multiple of `step`. A fraction like 0.01 is applied as a division
    // by 100, so the value is the double a bidder's typed "5.39" reads as, not one unit off.
    double Uniform(double low, double high, double step)
    {
        const double value = low + (high - low) * (double(m_engine()) / 4294967296.0);
        const double perUnit = std::round(1 / step);
        const double rounded = step < 1 ? std::round(value * perUnit) / perUnit : std::round(value / step) * step;
        return std::max(step, rounded);
    }

private:
    std::mt19937 m_engine;
};
