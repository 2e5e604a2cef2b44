#include "model/text/Dates.h"
#include "platform/core/LocalTime.h"

#include <gtest/gtest.h>

namespace {

constexpr std::time_t kJune1Morning2010 = 1275402615; // 09:30:15 local (America/Chicago)

class DateTextTest : public testing::Test {
protected:
    void SetUp() override { platform::SetTimeSource([] { return kJune1Morning2010; }); }
    void TearDown() override { platform::SetTimeSource({}); }

    static std::string DateOf(const char* text) { return FormatDate(DateTimeTextToTime(text, "12:00PM", false), 1); }
};

struct DateCase {
    const char* text;
    const char* expected; // style 1, "yy/mm/dd"
};

class DateForms : public DateTextTest, public testing::WithParamInterface<DateCase> {};

TEST_P(DateForms, ReadsEachForm)
{
    EXPECT_EQ(DateOf(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DateForms,
    testing::Values(DateCase{"May 14", "10/05/14"}, DateCase{"may14", "10/05/14"},
                    DateCase{"September 5", "10/09/05"}, DateCase{"14May10", "10/05/14"},
                    DateCase{"14MAY2010", "10/05/14"}, DateCase{"14May", "10/05/14"},
                    DateCase{"051410", "10/05/14"}, DateCase{"05142010", "10/05/14"},
                    DateCase{"5/14/10", "10/05/14"}, DateCase{"05-14-2010", "10/05/14"},
                    DateCase{"5/14", "10/05/14"}, DateCase{"12/31/99", "99/12/31"},
                    DateCase{"01jan", "10/01/01"},
                    DateCase{"2/30/10", "10/03/02"}, DateCase{"Dec 32", "11/01/01"}));

TEST_F(DateTextTest, YearsKeepTheirCentury)
{
    auto yearOf = [](const char* text) {
        return platform::ToLocalTime(DateTimeTextToTime(text, "12:00PM", false)).tm_year + 1900;
    };
    EXPECT_EQ(yearOf("1/1/37"), 2037);
    // 69 is 2069, past the dates a file can hold.
    EXPECT_EQ(DateTimeTextToTime("1/1/69", "12:00PM", false), 2);
    EXPECT_EQ(yearOf("1/1/70"), 1970);
    EXPECT_EQ(yearOf("1/1/1969"), 1969); // four digits are never pushed a century on
    EXPECT_EQ(yearOf("1/1/2010"), 2010);
    EXPECT_EQ(yearOf("1/1/130"), 2030);
}

TEST_F(DateTextTest, BadAndEmptyDates)
{
    EXPECT_EQ(DateTimeTextToTime("", "12:00PM", false), 0);
    EXPECT_EQ(DateTimeTextToTime(nullptr, "12:00PM", false), 0);
    for (const char* bad : {"Foo 14", "May", "May 0", "Ma", "14Xyz10", "14May0", "2010", "20100",
                            "14Mayxx", " ", "tomorrow"})
        EXPECT_EQ(DateTimeTextToTime(bad, "12:00PM", false), 2) << bad;
}

// A month outside 1-12 is a mistyped date (a day written first), never a later date; a day past
// its month's end still rolls over into the next month.
TEST_F(DateTextTest, MonthsOutsideTheYearAreBadWhileDaysRollOver)
{
    for (const char* bad : {"31/01/99", "13/1/10", "0/5/10", "00-14-2010", "-1/5/10", "130510", "001410",
                            "99999999999/1/10"})
        EXPECT_EQ(DateTimeTextToTime(bad, "12:00PM", false), 2) << bad;
    EXPECT_EQ(DateOf("12/31/99"), "99/12/31");
    EXPECT_EQ(DateOf("1/1/10"), "10/01/01");
    EXPECT_EQ(DateOf("04/31/26"), "26/05/01");
    EXPECT_EQ(DateOf("1/0/10"), "09/12/31");
}

TEST_F(DateTextTest, DatesNoTimeValueCanHoldAreBad)
{
    EXPECT_EQ(DateTimeTextToTime("5/14/99999999999999", "12:00PM", false), 2);
    EXPECT_EQ(DateTimeTextToTime("5/2147483647/-2147483648", "12:00PM", false), 2);
    // Past the signed 32-bit dates that files hold.
    EXPECT_EQ(DateTimeTextToTime("1/20/2038", "12:00PM", false), 2);
    EXPECT_NE(DateTimeTextToTime("1/18/2038", "12:00PM", false), 2);
}

struct TimeCase {
    const char* text;
    int hour;
    int minute;
};

class TimeForms : public DateTextTest, public testing::WithParamInterface<TimeCase> {};

TEST_P(TimeForms, ReadsTwelveHourAndTwentyFourHourTimes)
{
    const std::tm t = platform::ToLocalTime(DateTimeTextToTime("1/15/10", GetParam().text, false));
    EXPECT_EQ(t.tm_hour, GetParam().hour) << GetParam().text;
    EXPECT_EQ(t.tm_min, GetParam().minute) << GetParam().text;
    EXPECT_EQ(t.tm_sec, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TimeForms,
    testing::Values(TimeCase{"12:00AM", 0, 0}, TimeCase{"12:00PM", 12, 0},
                    TimeCase{"11:59 pm", 23, 59}, TimeCase{"12:30", 0, 30},
                    TimeCase{"13:30", 13, 30}, TimeCase{"09:05am", 9, 5},
                    TimeCase{"1:30 PM", 13, 30}, TimeCase{"10:07 a", 10, 7}));

TEST_F(DateTextTest, BadTimesAndTheCurrentTimeOfDay)
{
    for (const char* bad : {"9:00", "1:30", "12.00PM", "noon!"})
        EXPECT_EQ(DateTimeTextToTime("1/15/10", bad, false), 4) << bad;
    // A colon with nothing behind it is read, never read past.
    const std::tm late = platform::ToLocalTime(DateTimeTextToTime("1/15/10", "1234:", false));
    EXPECT_EQ(late.tm_min, 0);

    const std::tm now = platform::ToLocalTime(DateTimeTextToTime("1/15/10", "", false));
    EXPECT_EQ(now.tm_hour, 9);
    EXPECT_EQ(now.tm_min, 30);
    EXPECT_EQ(now.tm_sec, 15);
    EXPECT_EQ(now.tm_mday, 15);
}

TEST_F(DateTextTest, ShiftSubtractsTheStandardZoneBias)
{
    const std::time_t local = DateTimeTextToTime("1/15/10", "12:00PM", false);
    EXPECT_EQ(local, 1263578400);
    // Chicago is six hours behind UTC in standard time.
    EXPECT_EQ(DateTimeTextToTime("1/15/10", "12:00PM", true), local - 6 * 3600);
}

} // namespace
