#pragma once

#include <string>
#include <string_view>

// Number and money texts. Formatting never depends on the process locale.

std::string IntToText(int value);

// The amount with decimals places: "$1234.50", "($1234.50)" for a negative amount with the dollar
// sign. A width limits the integer digits (a larger magnitude is width asterisks); width 0 writes
// magnitudes above 9e12 in exponent form. The evaluator's invalid value gives "".
std::string FormatDollars(double value, int width, int decimals, bool commas, bool dollar);
// As FormatDollars with any currency prefix in place of "$" ("" for none).
std::string FormatAmount(double value, int width, int decimals, bool commas, std::string_view prefix);

// Rounds half away from zero (with a hair of slack so that 1.005 rounds up); the invalid value
// passes through.
double RoundToDecimals(double value, int decimals);

// 10 to the power, exactly what pow(10, exponent) gives; from a table up to the largest power that
// is an exact double.
inline constexpr int kMaxExactPowerOfTen = 22;
double PowerOfTen(int exponent);

int DoublesDiffer(double a, double b);

// 591 -> "5.9b"; -1 gives the program's own version ("1.2a", "1.2a-3" with a build number), or ""
// when it cannot be read.
std::string FormatVersionString(int number);
