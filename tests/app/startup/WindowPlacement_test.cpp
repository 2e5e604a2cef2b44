#include "app/startup/WindowPlacement.h"

#include <gtest/gtest.h>

namespace {

struct RectCase {
    const char* name;
    CRect workArea;
    CRect expected;
};

class DefaultWindow : public ::testing::TestWithParam<RectCase> {};

TEST_P(DefaultWindow, FollowsTheWorkArea)
{
    const CRect rect = DefaultWindowRect(GetParam().workArea);
    const CRect& expected = GetParam().expected;
    EXPECT_EQ(rect.left, expected.left);
    EXPECT_EQ(rect.top, expected.top);
    EXPECT_EQ(rect.Width(), expected.Width());
    EXPECT_EQ(rect.Height(), expected.Height());
}

INSTANTIATE_TEST_SUITE_P(
    WorkAreas, DefaultWindow,
    ::testing::Values(RectCase{"Width640", {0, 0, 640, 480}, {0, 0, 640, 480}},
                      RectCase{"Width641", {0, 0, 641, 480}, {32, 24, 32 + 576, 24 + 384}},
                      RectCase{"Width1920", {0, 0, 1920, 1040}, {96, 52, 96 + 1728, 52 + 832}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StoredWindow, StaysWhereTheUserCanReachIt)
{
    const CRect workArea(0, 0, 1920, 1040);
    const CRect byDefault = DefaultWindowRect(workArea);
    EXPECT_EQ(ReachableWindowRect({100, 100, 900, 700}, workArea).left, 100);
    EXPECT_EQ(ReachableWindowRect({1800, 900, 2600, 1500}, workArea).left, 1800); // partly off
    EXPECT_EQ(ReachableWindowRect({1900, 100, 2700, 700}, workArea).left, byDefault.left);
    EXPECT_EQ(ReachableWindowRect({-900, 100, -100, 700}, workArea).left, byDefault.left);
    EXPECT_EQ(ReachableWindowRect({100, 100, 100, 700}, workArea).left, byDefault.left);
}

} // namespace
