// Case folding for searches, and the clipboard's block text, with text from any program.
#include <gtest/gtest.h>

#include "controls/grid/text/GridText.h"

using gridtext::Block;

TEST(GridText, UpperCaseFollowsTheWindows1252Table)
{
    EXPECT_EQ(gridtext::UpperCase("gravel base 2"), "GRAVEL BASE 2");
    EXPECT_EQ(gridtext::UpperCase("\xE9\xFF\x9A\xF7\xDF"), "\xC9\x9F\x8A\xF7\xDF");
    EXPECT_EQ(gridtext::UpperCase(std::string("a\0b", 3)), std::string("A\0B", 3));
}

TEST(GridText, ABlockGoesOutAsTabbedLinesAndComesBackTheSame)
{
    const Block block = {{"0110-01", "12.50", ""}, {"0210-02", "", "CY"}};
    const std::string text = gridtext::JoinBlock(block);
    EXPECT_EQ(text, "0110-01\t12.50\t\r\n0210-02\t\tCY\r\n");
    EXPECT_EQ(gridtext::SplitBlock(text, 10, 10), block);
    // Tabs and line breaks inside a cell would change the block's shape.
    EXPECT_EQ(gridtext::JoinBlock({{"a\tb", "c\r\nd"}}), "a b\tc  d\r\n");
}

namespace {

struct Pasted {
    const char* name;
    std::string text;
    int maxRows, maxColumns;
    Block expected;
};

class GridTextHostile : public ::testing::TestWithParam<Pasted> {};

}  // namespace

TEST_P(GridTextHostile, IsReadAsFarAsTheGridReachesAndNoFurther)
{
    const Pasted& p = GetParam();
    EXPECT_EQ(gridtext::SplitBlock(p.text, p.maxRows, p.maxColumns), p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GridTextHostile,
    ::testing::Values(
        Pasted{"empty", "", 5, 5, {}},
        Pasted{"lineBreakOnly", "\r\n", 5, 5, {{""}}},
        Pasted{"noFinalBreak", "a\tb", 5, 5, {{"a", "b"}}},
        Pasted{"bareCarriageReturns", "a\rb\r", 5, 5, {{"a"}, {"b"}}},
        Pasted{"mixedBreaks", "a\nb\r\nc", 5, 5, {{"a"}, {"b"}, {"c"}}},
        Pasted{"moreRowsThanTheGrid", "1\n2\n3\n4\n", 2, 5, {{"1"}, {"2"}}},
        Pasted{"moreColumnsThanTheGrid", "a\tb\tc\td", 5, 2, {{"a", "b"}}},
        Pasted{"onlyTabs", "\t\t", 5, 5, {{"", "", ""}}},
        Pasted{"noRoomAtAll", "a\tb", 0, 5, {}},
        Pasted{"negativeRoom", "a\tb", 3, -4, {}},
        Pasted{"nulInsideACell", std::string("a\0b\tc", 5), 5, 5, {{std::string("a\0b", 3), "c"}}},
        Pasted{"hugeLineCut", std::string(100000, '\t').append(1, 'x'), 1, 3, {{"", "", ""}}},
        Pasted{"manyEmptyLines", std::string(100000, '\n'), 3, 3, {{""}, {""}, {""}}}),
    [](const auto& info) { return std::string(info.param.name); });
