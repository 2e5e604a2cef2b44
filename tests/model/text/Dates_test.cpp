#include "model/text/Dates.h"
#include "model/text/FlagWord.h"
#include "platform/core/LocalTime.h"

#include <gtest/gtest.h>

namespace {

constexpr std::time_t kMay14Noon2010 = 1273856400;  // Friday, local (America/Chicago)
constexpr std::time_t kJan15Noon2010 = 1263578400;  // Friday, standard time
constexpr std::time_t kJune1Morning2010 = 1275402615; // 09:30:15 local

struct StyleCase {
    int style;
    const char* expected;
};

class FormatDateStyles : public testing::TestWithParam<StyleCase> {};

TEST_P(FormatDateStyles, WritesTheLocalDateInEnglish)
{
    EXPECT_EQ(FormatDate(kMay14Noon2010, GetParam().style), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(AllStyles, FormatDateStyles,
                         testing::Values(StyleCase{0, "05-14-10"}, StyleCase{1, "10/05/14"},
                                         StyleCase{2, "14/05/10"}, StyleCase{3, "100514"},
                                         StyleCase{4, "05/14/10"}, StyleCase{5, "May 14, 2010"},
                                         StyleCase{6, "May 14, 2010"},
                                         StyleCase{7, "Friday, May 14, 2010"},
                                         StyleCase{8, "05-14-10"}, StyleCase{9, "05-14-10"},
                                         StyleCase{10, "14May"}, StyleCase{-3, "05-14-10"}));

TEST(FormatDate, FullMonthNameLocalDayAndNoDate)
{
    EXPECT_EQ(FormatDate(kJan15Noon2010 - 12 * 3600 + 60, 6), "January 15, 2010");
    // 22:00 local on the 14th is already the 15th in UTC: the local date counts.
    EXPECT_EQ(FormatDate(kMay14Noon2010 + 10 * 3600, 7), "Friday, May 14, 2010");
    EXPECT_EQ(FormatDate(-86400 * 365, 4), "12/31/68"); // before 1970 too
    for (int style : {0, 4, 7, 10})
        EXPECT_EQ(FormatDate(0, style), "        ") << "zero is no date";
}

TEST(LocalTimeClamped, HoldsValuesPastTheLastSafeOne)
{
    const std::tm limit = platform::ToLocalTime(2147403600);
    for (std::time_t value : {std::time_t(2147403601), std::time_t(4000000000), std::time_t(-5)}) {
        const std::tm t = LocalTimeClamped(value);
        EXPECT_EQ(t.tm_year, limit.tm_year);
        EXPECT_EQ(t.tm_yday, limit.tm_yday);
        EXPECT_EQ(t.tm_hour, limit.tm_hour);
    }
    EXPECT_EQ(LocalTimeClamped(kMay14Noon2010).tm_mday, 14);
}

TEST(DaysBetween, CountsOnACalendarOfThirtyOneDayMonths)
{
    const std::time_t jan31 = kJan15Noon2010 + 16 * 86400;
    const std::time_t feb1 = jan31 + 86400;
    EXPECT_EQ(DaysBetween(feb1, jan31, false), 1);
    const std::time_t may1 = kMay14Noon2010 - 13 * 86400;
    const std::time_t apr30 = may1 - 86400;
    EXPECT_EQ(DaysBetween(may1, apr30, false), 2);
    EXPECT_EQ(DaysBetween(apr30, may1, false), -2);
    // Same local day at different hours: no days apart.
    EXPECT_EQ(DaysBetween(kMay14Noon2010 + 3600, kMay14Noon2010 - 3600, false), 0);
    EXPECT_EQ(DaysBetween(kMay14Noon2010 + 3600, kMay14Noon2010, true), 3600);
    // With a zero time the plain difference in seconds.
    EXPECT_EQ(DaysBetween(kMay14Noon2010, 0, false), double(kMay14Noon2010));
    EXPECT_EQ(DaysBetween(0, 100, false), -100);
}

TEST(FlagWord, SetsClearsAndTogglesOneBitOnly)
{
    uint16_t word = 0x0100;
    EXPECT_EQ(ChangeFlagBit(&word, 3, 1), 1);
    EXPECT_EQ(word, 0x0108);
    EXPECT_EQ(ChangeFlagBit(&word, 8, 0), 0);
    EXPECT_EQ(word, 0x0008);
    EXPECT_EQ(ChangeFlagBit(&word, 15, 7), 7); // any other operation sets
    EXPECT_EQ(word, 0x8008);
    ChangeFlagBit(&word, 3, 2);
    EXPECT_EQ(word, 0x8000);
    ChangeFlagBit(&word, 3, 2);
    EXPECT_EQ(word, 0x8008);
    EXPECT_EQ(TestFlagBit(word, 15), 1);
    EXPECT_EQ(TestFlagBit(word, 14), 0);

    // Bit -1 means the whole word; other bits outside it change and read nothing.
    word = 0x1234;
    EXPECT_EQ(ChangeFlagBit(&word, -1, 0), 1);
    EXPECT_EQ(word, 0xFFFF);
    word = 0x1234;
    for (int bit : {16, 31, 200, -2, -100})
        EXPECT_EQ(ChangeFlagBit(&word, bit, 1), 0);
    EXPECT_EQ(word, 0x1234);
    for (int bit : {16, 20, 31, 64, -1, -7})
        EXPECT_EQ(TestFlagBit(0xFFFF, bit), 0);
    EXPECT_EQ(ChangeFlagBit(nullptr, 3, 1), 0);
}

struct CommaCase {
    const char* input;
    const char* expected;
};

class ThousandsCommas : public testing::TestWithParam<CommaCase> {};

TEST_P(ThousandsCommas, GroupsTheIntegerDigitsOnly)
{
    std::string text = GetParam().input;
    EXPECT_EQ(InsertThousandsCommas(text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ThousandsCommas,
    testing::Values(CommaCase{"$1234567.89", "$1,234,567.89"}, CommaCase{"-1234", "-1,234"},
                    CommaCase{"999.5", "999.5"}, CommaCase{"($1234.50)", "($1,234.50)"},
                    CommaCase{"100000", "100,000"}, CommaCase{"0.12345678", "0.12345678"},
                    CommaCase{"", ""}, CommaCase{"1.500000e+13", "1.500000e+13"}));

} // namespace
