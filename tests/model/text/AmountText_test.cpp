#include "model/text/AmountText.h"
#include "model/eval/Evaluator.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct AmountCase {
    const char* currency;
    std::string text;
    bool valid;
    double value;
};

class ParseAmountTextTest : public ::testing::TestWithParam<AmountCase> {};

TEST_P(ParseAmountTextTest, ReadsTheAmount)
{
    const AmountCase& c = GetParam();
    bool valid = !c.valid;
    const double value = ParseAmountText(c.currency, c.text, &valid);
    EXPECT_EQ(valid, c.valid) << c.text;
    if (c.valid)
        EXPECT_DOUBLE_EQ(value, c.value) << c.text;
    else
        EXPECT_FALSE(IsEvalValueValid(value)) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseAmountTextTest, ::testing::Values(
    AmountCase{"", "($1,234.50)", true, -1234.5},
    AmountCase{"", " \t$1,234.50\t ", true, 1234.5},
    AmountCase{"", "( $ 12 )", true, -12},
    AmountCase{"", "12abc", false, 0},
    AmountCase{"", "   ", false, 0},
    AmountCase{"", "", false, 0},
    AmountCase{"", "()", false, 0},
    AmountCase{"", "(", false, 0},
    AmountCase{"", "2*(3+4)", true, 14},
    AmountCase{"EUR ", "eur 1,000", true, 1000},
    AmountCase{"EUR ", "(EUR 5.25)", true, -5.25},
    AmountCase{"EUR ", "$5", false, 0},
    // A comma separates thousands only: groups of three digits before the decimal point.
    AmountCase{"", "1,234,567.89", true, 1234567.89},
    AmountCase{"", "12,345", true, 12345},
    AmountCase{"", "2*1,000+3", true, 2003},
    AmountCase{"", "190,50", false, 0},
    AmountCase{"", "1.234,50", false, 0},
    AmountCase{"", "1 234,50", false, 0},
    AmountCase{"", "0.123,456", false, 0},
    AmountCase{"", "1,2345", false, 0},
    AmountCase{"", "1234,567", false, 0},
    AmountCase{"", "1,234,5", false, 0},
    AmountCase{"", "1,,234", false, 0},
    AmountCase{"", ",500", false, 0},
    AmountCase{"", "5,", false, 0},
    AmountCase{"", ",", false, 0}));

// The misread a decimal comma would give (19,050.00 for "190,50") is refused with its reason;
// other failures give the evaluator's.
TEST(ParseAmountTextReason, NamesTheMisplacedCommaOrTheEvaluatorsError)
{
    std::string reason;
    bool valid = true;
    EXPECT_FALSE(IsEvalValueValid(ParseAmountText("", "$190,50", &valid, &reason)));
    EXPECT_FALSE(valid);
    EXPECT_EQ(reason, "a comma may only separate groups of three digits before the decimal point");
    ParseAmountText("", "12x", &valid, &reason);
    EXPECT_EQ(reason, "Unrecognized character");
    ParseAmountText("", "(1,234.50)", &valid, &reason);
    EXPECT_TRUE(valid);
    EXPECT_EQ(reason, "");
    // Long and hostile runs of separators are read in one pass and refused.
    std::string groups = "1";
    for (int i = 0; i < 20000; ++i)
        groups += ",000";
    ParseAmountText("", groups + ",00", &valid, &reason);
    EXPECT_FALSE(valid);
    EXPECT_FALSE(reason.empty());
    ParseAmountText("", std::string(100000, ','), &valid, &reason);
    EXPECT_FALSE(valid);
}

// A cell's amount is what the evaluator makes of it once "," and "$" are gone: brackets group, as
// the agency's own computation of the same file reads them.
TEST(ParseCellAmountTest, BracketsGroupAndTheProposalsCurrencyGoesLikeTheDollar)
{
    EXPECT_DOUBLE_EQ(ParseCellAmount("", "($1,000)"), 1000);
    EXPECT_DOUBLE_EQ(ParseCellAmount("", "(1,000)"), 1000);
    EXPECT_DOUBLE_EQ(ParseCellAmount("", "-$1,000"), -1000);
    EXPECT_DOUBLE_EQ(ParseCellAmount("", "$1,000$"), 1000);
    EXPECT_DOUBLE_EQ(ParseCellAmount("", " 2*(3+4) "), 14);
    // What the firm form writes for the sum of a row's firm items must read back.
    EXPECT_DOUBLE_EQ(ParseCellAmount("EUR ", "EUR 1,234.50"), 1234.5);
    EXPECT_DOUBLE_EQ(ParseCellAmount("EUR ", "(EUR 12.00)"), 12);
    EXPECT_EQ(ParseCellAmount("", "none"), 0);
    EXPECT_EQ(ParseCellAmount("", ""), 0);
}

TEST(ParseCellAmountTest, HostileTextsGiveZeroOrANumberAndNeverMore)
{
    // Only the first 127 characters are read: the rest of a long cell never reaches the evaluator.
    EXPECT_DOUBLE_EQ(ParseCellAmount("", "5" + std::string(126, ' ') + "junk"), 5);
    // The evaluator reads up to a NUL byte; what follows it is not read.
    EXPECT_DOUBLE_EQ(ParseCellAmount("", std::string("1\0002", 3)), 1);
    EXPECT_EQ(ParseCellAmount("", std::string(10000, '(')), 0);
    EXPECT_EQ(ParseCellAmount("\xFF\xFE", "\xFF\xFE"), 0);
}

struct CompareCase {
    double a;
    double b;
    int expected;
};

class CompareAmountsTest : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CompareAmountsTest, GradesTheDifference)
{
    const CompareCase& c = GetParam();
    EXPECT_EQ(CompareAmounts(&c.a, &c.b), c.expected) << c.a << " " << c.b;
}

INSTANTIATE_TEST_SUITE_P(Pairs, CompareAmountsTest, ::testing::Values(
    CompareCase{1.00, 1.004, 2},
    CompareCase{1.00, 1.006, 3},
    CompareCase{1.00, 1.000001, 1},
    CompareCase{-5, -5, 1},
    CompareCase{1.00, MakeEvalErrorValue(), 0}));

TEST(CompareAmountsTest, MissingValuesCompareAsUnknown)
{
    const double one = 1;
    EXPECT_EQ(CompareAmounts(nullptr, &one), 0);
    EXPECT_EQ(CompareAmounts(&one, nullptr), 0);
}

TEST(IsValidShortIndexTest, MinusOneAnd65535MeanNotGiven)
{
    EXPECT_EQ(IsValidShortIndex(-1), 0);
    EXPECT_EQ(IsValidShortIndex(65535), 0);
    EXPECT_EQ(IsValidShortIndex(0), 1);
    EXPECT_EQ(IsValidShortIndex(65534), 1);
}

} // namespace
