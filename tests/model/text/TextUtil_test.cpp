#include "model/text/TextUtil.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ParseLeadingInt, ReadsLikeAtoiButSaturates)
{
    EXPECT_EQ(ParseLeadingInt("  -7x"), -7);
    EXPECT_EQ(ParseLeadingInt("x14"), 0);
    EXPECT_EQ(ParseLeadingInt("99999999999999999999999"), INT_MAX);
    EXPECT_EQ(ParseLeadingInt("-99999999999999999999999"), INT_MIN);
}

TEST(SubstituteArgs, ReplacesNumberedArgumentsOnly)
{
    EXPECT_EQ(SubstituteArgs("%1 %2 %8", {"a", "b"}), "b %2 %8"); // %2 is not below the count
    EXPECT_EQ(SubstituteArgs("%0-%1-%0", {"x", "y"}), "x-y-x");
    EXPECT_EQ(SubstituteArgs("100% %d %%0", {"z"}), "100% %d %z");
    EXPECT_EQ(SubstituteArgs("end%", {"z"}), "end%");
    EXPECT_EQ(SubstituteArgs("%9", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}), "9");
    EXPECT_EQ(SubstituteArgs("%1", {}), "%1");
}

struct SplitPathCase {
    const char* path;
    int flags;
    const char* expected;
};

class SplitPathParts : public testing::TestWithParam<SplitPathCase> {};

TEST_P(SplitPathParts, BuildsTheChosenParts)
{
    EXPECT_EQ(SplitPath(GetParam().path, GetParam().flags), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SplitPathParts,
    testing::Values(SplitPathCase{"C:\\Bids\\2010\\P123.TVB", 3, "C:\\Bids\\2010\\"},
                    SplitPathCase{"C:\\Bids\\2010\\P123.TVB", 12, "P123.TVB"},
                    SplitPathCase{"C:\\Bids\\2010\\P123.TVB", 13, "C:P123.TVB"},
                    SplitPathCase{"C:\\Bids\\2010\\P123.TVB", 8, "TVB"},
                    SplitPathCase{"/home/bids/p.v1.tvb", 6, "/home/bids/p.v1"},
                    SplitPathCase{"C:\\dir.x\\README", 15, "C:\\dir.x\\"},
                    SplitPathCase{"name.tvb", 3, ""}, SplitPathCase{"C:name.tvb", 7, "C:name"},
                    SplitPathCase{"", 15, ""}, SplitPathCase{"C", 1, ""}));

TEST(ParseYesNo, TrimsAndReadsTheFirstCharacter)
{
    for (const char* yes : {"Yes", " y", "TRUE", "true ", "1", "\t10"}) {
        std::string text = yes;
        EXPECT_TRUE(ParseYesNo(text)) << yes;
    }
    for (const char* no : {"No", "", "  ", "0", "false", "x"}) {
        std::string text = no;
        EXPECT_FALSE(ParseYesNo(text)) << no;
    }
    std::string padded = "  Yes \t";
    ParseYesNo(padded);
    EXPECT_EQ(padded, "Yes");
}

TEST(GetTextLine, CountsLinesFromZero)
{
    const std::string text = "first\nsecond\r\n\nlast";
    EXPECT_EQ(GetTextLine(text, 0), "first");
    EXPECT_EQ(GetTextLine(text, 1), "second\r");
    EXPECT_EQ(GetTextLine(text, 2), "");
    EXPECT_EQ(GetTextLine(text, 3), "last");
    EXPECT_EQ(GetTextLine(text, 4), std::nullopt);
    EXPECT_EQ(GetTextLine(text, -1), std::nullopt);
    EXPECT_EQ(GetTextLine("a\n", 1), "");
}

TEST(IntList, FormatsAndParses)
{
    EXPECT_EQ(FormatIntList({3, 14, 0, 5}, 0), "3,14");
    EXPECT_EQ(FormatIntList({3, 0, -5}, 3), "3,,-5");
    EXPECT_EQ(FormatIntList({3, 4}, 10), "3,4"); // never past the list
    EXPECT_EQ(FormatIntList({}, 0), "");

    std::vector<int> values;
    EXPECT_EQ(ParseIntList(values, "3,,-5, 7", 10), 4u);
    EXPECT_EQ(values, (std::vector<int>{3, 0, -5, 7}));
    EXPECT_EQ(ParseIntList(values, "1,2,3,4,5", 3), 3u);
    EXPECT_EQ(values, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(ParseIntList(values, "", 3), 0u);
    EXPECT_EQ(ParseIntList(values, "1,2,", 5), 3u);
}

TEST(Hex, DigitsAndBytes)
{
    EXPECT_EQ(HexByteValue("fF"), 255);
    EXPECT_EQ(HexByteValue("3a9"), 0x3a);
    EXPECT_EQ(HexByteValue("a"), 0);
    EXPECT_EQ(HexByteValue("g\xC1"), 0);
}

} // namespace
