#include "model/text/ColorSpec.h"
#include "model/eval/Evaluator.h"
#include "model/text/NumberFormat.h"
#include "platform/version/ModuleVersion.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace {

const double kInvalid = MakeEvalErrorValue();

TEST(FormatDollars, SignsParenthesesAndCommas)
{
    EXPECT_EQ(FormatDollars(-1234.5, 0, 2, true, true), "($1,234.50)");
    EXPECT_EQ(FormatDollars(1234567.891, 0, 2, true, true), "$1,234,567.89");
    EXPECT_EQ(FormatDollars(-1234.5, 0, 2, true, false), "-1,234.50");
    EXPECT_EQ(FormatDollars(2.5, 0, 0, false, false), "2"); // printf rounding: to even on a tie
    EXPECT_EQ(FormatDollars(-0.0, 0, 2, false, true), "$0.00");
    EXPECT_EQ(FormatDollars(kInvalid, 10, 2, true, true), "");
}

TEST(FormatDollars, WidthLimitsAndExponentForm)
{
    EXPECT_EQ(FormatDollars(1.5e13, 0, 2, true, true), "1.500000e+13");
    EXPECT_EQ(FormatDollars(-1.5e13, 0, 2, false, false), "-1.500000e+13");
    EXPECT_EQ(FormatDollars(9e12, 0, 0, true, false), "9,000,000,000,000");
    EXPECT_EQ(FormatDollars(99999.0, 5, 2, false, false), "99999.00");
    EXPECT_EQ(FormatDollars(100000.0, 5, 2, false, false), "*****");
    EXPECT_EQ(FormatDollars(-100000.0, 5, 2, false, true), "*****");
    // Huge values with a width never overflow anything: asterisks, or all the digits.
    EXPECT_EQ(FormatDollars(1e300, 12, 2, true, true), std::string(12, '*'));
    const std::string wide = FormatDollars(1e300, 400, 2, true, true);
    EXPECT_EQ(wide.substr(0, 5), "$1,00");
    EXPECT_EQ(wide.size(), 1u + 301 + 100 + 3);
    EXPECT_EQ(FormatDollars(std::numeric_limits<double>::max(), 0, 2, false, false).substr(0, 10),
              "1.797693e+");
    EXPECT_EQ(FormatDollars(12.5, 3, -1, false, false), "12.500000");
    EXPECT_LT(FormatDollars(12.5, 3, 1 << 30, false, false).size(), 1200u);
    EXPECT_EQ(FormatDollars(1.5, 1 << 30, 1, false, false), "1.5");
}

TEST(FormatAmount, CurrencyPrefixAndLocaleIndependence)
{
    EXPECT_EQ(FormatAmount(-1234.5, 15, 2, true, "EUR "), "(EUR 1,234.50)");
    EXPECT_EQ(FormatAmount(1234.5, 15, 2, true, ""), "1,234.50");
    EXPECT_EQ(FormatAmount(-7, 15, 0, false, ""), "(7)");
    // A user's locale with a decimal comma must not leak into files.
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr) {
        EXPECT_EQ(FormatAmount(1234.5, 15, 2, true, "$"), "$1,234.50");
        std::setlocale(LC_NUMERIC, "C");
    }
}

struct RoundCase {
    double value;
    int decimals;
    double expected;
};

class RoundToDecimalsCases : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundToDecimalsCases, RoundsHalfAwayFromZero)
{
    EXPECT_DOUBLE_EQ(RoundToDecimals(GetParam().value, GetParam().decimals), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundToDecimalsCases,
    testing::Values(RoundCase{2.345, 2, 2.35}, RoundCase{-2.345, 2, -2.35},
                    RoundCase{1.005, 2, 1.01}, RoundCase{1.004, 2, 1.0},
                    RoundCase{1e10, 5, 1e10}, RoundCase{1234567.891, 0, 1234568},
                    RoundCase{-0.4, 0, -0.0}, RoundCase{1.23456789e20, 3, 1.23456789e20},
                    RoundCase{1e300, 5, 1e300}, RoundCase{1234.5, -2, 1200},
                    RoundCase{5.5, 400, 5.5}, RoundCase{5.5, -400, 5.5}));

// Exact: the scale comes from a table up to 22 decimals and the last step is an integer
// conversion, which must agree with truncation up to where doubles stop holding fractions.
TEST(RoundToDecimals, ExactAcrossTheTableAndTheLimitOfFractions)
{
    EXPECT_EQ(RoundToDecimals(4503599627370495.0, 0), 4503599627370495.0);
    EXPECT_EQ(RoundToDecimals(-2251799813685247.5, 0), -2251799813685248.0);
    EXPECT_EQ(RoundToDecimals(0.1234567890123456789, 22), 0.1234567890123456789);
    EXPECT_EQ(RoundToDecimals(1.5e-22, 22), 2e-22);
    EXPECT_EQ(RoundToDecimals(1.5e-23, 23), 2e-23);
    EXPECT_EQ(RoundToDecimals(0.49989, 0), 0.0);
    EXPECT_EQ(RoundToDecimals(3 * 1.005, 2), 3.02);
}

TEST(RoundToDecimals, InvalidAndNonFiniteValuesPassThrough)
{
    EXPECT_FALSE(IsEvalValueValid(RoundToDecimals(kInvalid, 2)));
    EXPECT_TRUE(std::isinf(RoundToDecimals(std::numeric_limits<double>::infinity(), 2)));
    EXPECT_TRUE(std::isnan(RoundToDecimals(std::nan(""), 2)));
}

TEST(FormatVersionString, NumbersAndTheProgramsOwnVersion)
{
    EXPECT_EQ(FormatVersionString(591), "5.9b");
    EXPECT_EQ(FormatVersionString(600), "6.0a");
    EXPECT_EQ(FormatVersionString(0), "0.0a");

    CModuleVersion version;
    ASSERT_TRUE(version.ReadVersionInfo());
    const auto& info = version.GetFixedInfo();
    std::string expected = std::to_string(info.dwFileVersionMS >> 16) + "." +
                           std::to_string(info.dwFileVersionMS & 0xFFFF) +
                           char('a' + (info.dwFileVersionLS >> 16));
    if ((info.dwFileVersionLS & 0xFFFF) != 0)
        expected += "-" + std::to_string(info.dwFileVersionLS & 0xFFFF);
    EXPECT_EQ(FormatVersionString(-1), expected);
}

TEST(ColorSpec, FormatsAndParsesRedGreenBlue)
{
    EXPECT_EQ(FormatColorSpec(MakeColorRef(200, 214, 234)), "200,214,234");
    EXPECT_EQ(FormatColorSpec(0xFF000000u | MakeColorRef(1, 2, 3)), "1,2,3");
    EXPECT_EQ(ParseColorSpec("200,214,234"), MakeColorRef(200, 214, 234));
    EXPECT_EQ(ParseColorSpec(FormatColorSpec(0x123456)), 0x123456u);
    EXPECT_EQ(ParseColorSpec("256, 257, -1"), MakeColorRef(0, 1, 255));
    EXPECT_EQ(ParseColorSpec("-3"), 0x00EAD6C8u);
    EXPECT_EQ(ParseColorSpec("-4,9,9,9"), MakeColorRef(51, 204, 255));
    EXPECT_EQ(ParseColorSpec("-1"), CurrentSystemColors().window);
    EXPECT_EQ(ParseColorSpec("-2,0,0"), CurrentSystemColors().buttonFace);
    EXPECT_EQ(ParseColorSpec("99999999999999,x,"), MakeColorRef(255, 0, 0));
}

} // namespace
