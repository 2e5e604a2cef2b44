// Amounts are formatted and rounded with a table of powers of ten instead of pow; these compare
// the table and the width limit with pow itself.
#include "model/text/NumberFormat.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

TEST(PowerFreeFormat, PowersOfTenAreWhatPowGives)
{
    for (int exponent = -400; exponent <= 400; ++exponent)
        ASSERT_EQ(std::bit_cast<uint64_t>(PowerOfTen(exponent)), std::bit_cast<uint64_t>(std::pow(10.0, exponent)))
            << exponent;
}

// Magnitudes on both sides of each power of ten, and random ones of every size.
std::vector<double> Magnitudes()
{
    std::vector<double> values{0, 0.5, 1};
    for (int exponent = 0; exponent <= 40; ++exponent) {
        const double power = std::pow(10.0, exponent);
        for (double value : {std::nextafter(power, 0.0), power, std::nextafter(power, INFINITY), power - 0.005})
            values.push_back(value);
    }
    std::mt19937_64 random(23);
    std::uniform_real_distribution<double> exponent(-3, 30);
    for (int n = 0; n < 1000; ++n)
        values.push_back(std::pow(10.0, exponent(random)));
    return values;
}

// The width rule as written: a magnitude of 10^width or more is width asterisks; anything else
// is formatted as with no limit.
std::string PlainWidthRule(double value, int width, int decimals, bool commas)
{
    if (std::fabs(value) >= std::pow(10.0, width))
        return std::string(std::size_t(width), '*');
    return FormatAmount(value, 400, decimals, commas, "$");
}

TEST(PowerFreeFormat, WidthLimitAsThePlainRule)
{
    for (const double magnitude : Magnitudes())
        for (const double value : {magnitude, -magnitude})
            for (int width = 1; width <= 32; ++width) {
                const int decimals = width % 3;
                const bool commas = width % 2 == 0;
                ASSERT_EQ(FormatAmount(value, width, decimals, commas, "$"),
                          PlainWidthRule(value, width, decimals, commas))
                    << value << " width " << width;
            }
}

} // namespace
