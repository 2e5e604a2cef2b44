#include "model/text/NumberFormat.h"

#include "model/text/Dates.h"
#include "model/eval/Evaluator.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr double kExponentFormThreshold = 9e12;
// Enough for the exact expansion of the smallest double; a format read from a file may ask for
// any number, which must not become a gigabyte of zeros.
constexpr int kMaxDecimals = 1100;

// Like printf "%.*f": a negative precision means the default of six.
std::string FixedText(double value, int decimals)
{
    if (decimals < 0)
        decimals = 6;
    decimals = std::min(decimals, kMaxDecimals);
    // Enough for the longest double (309 integer digits), a sign and any precision asked for.
    std::string text(std::size_t(decimals) + 330, '\0');
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::fixed, decimals);
    text.resize(std::size_t(result.ptr - text.data()));
    return text;
}

// Like printf "%le".
std::string ExponentText(double value)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value,
                                      std::chars_format::scientific, 6);
    return std::string(text, result.ptr);
}

// 10^0 to 10^22 are exact doubles, so a table gives what pow gives, without its cost on every
// amount formatted or rounded.
constexpr auto kPowersOfTen = [] {
    std::array<double, kMaxExactPowerOfTen + 1> powers{};
    double power = 1;
    for (double& entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();

bool TooWideFor(double magnitude, int width)
{
    if (width <= 0)
        return false;
    // 10^width overflows to infinity past 308, where no finite magnitude reaches it.
    return magnitude >= PowerOfTen(width);
}

std::string FormatWithPrefix(double value, int width, int decimals, bool commas,
                             const std::string_view* prefix)
{
    if (!IsEvalValueValid(value))
        return {};
    const double magnitude = std::fabs(value);
    if (width == 0 && magnitude > kExponentFormThreshold)
        return ExponentText(value);
    if (TooWideFor(magnitude, width))
        return std::string(std::size_t(width), '*');

    std::string digits = FixedText(prefix != nullptr ? magnitude : value, decimals);
    if (commas)
        InsertThousandsCommas(digits);
    if (prefix == nullptr)
        return digits;
    // Magnitude also for zero and above, so that -0.0 does not come out as "$-0.00".
    std::string text(*prefix);
    text += digits;
    return value < 0 ? "(" + text + ")" : text;
}

} // namespace

double PowerOfTen(int exponent)
{
    if (exponent >= 0 && exponent <= kMaxExactPowerOfTen)
        return kPowersOfTen[std::size_t(exponent)];
    return std::pow(10.0, exponent);
}

std::string IntToText(int value)
{
    return std::to_string(value);
}

std::string FormatDollars(double value, int width, int decimals, bool commas, bool dollar)
{
    const std::string_view dollarSign = "$";
    return FormatWithPrefix(value, width, decimals, commas, dollar ? &dollarSign : nullptr);
}

std::string FormatAmount(double value, int width, int decimals, bool commas, std::string_view prefix)
{
    return FormatWithPrefix(value, width, decimals, commas, &prefix);
}

double RoundToDecimals(double value, int decimals)
{
    if (!IsEvalValueValid(value) || !std::isfinite(value))
        return value;
    const double scale = PowerOfTen(decimals);
    const double scaled = std::fabs(value) * scale + 0.5001;
    // Past the range where doubles hold fractions there is nothing to round.
    if (!std::isfinite(scaled) || scale == 0 || scaled >= 1.0 / std::numeric_limits<double>::epsilon())
        return value;
    // Below 2^52 the integer conversion truncates exactly, as trunc does, without a library call.
    const double rounded = double(int64_t(scaled)) / scale;
    return value < 0 ? -rounded : rounded;
}

int DoublesDiffer(double a, double b)
{
    return a != b ? 1 : 0;
}
