// Case folding for searches.
#include <gtest/gtest.h>

#include "controls/grid/text/GridText.h"

TEST(GridText, UpperCaseFollowsTheWindows1252Table)
{
    EXPECT_EQ(gridtext::UpperCase("gravel base 2"), "GRAVEL BASE 2");
    EXPECT_EQ(gridtext::UpperCase("\xE9\xFF\x9A\xF7\xDF"), "\xC9\x9F\x8A\xF7\xDF");
    EXPECT_EQ(gridtext::UpperCase(std::string("a\0b", 3)), std::string("A\0B", 3));
}
