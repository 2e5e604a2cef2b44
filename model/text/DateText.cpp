#include "model/text/Dates.h"

#include "model/text/CharClass.h"
#include "model/text/TextUtil.h"
#include "platform/core/LocalTime.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <string_view>

namespace {

// Index 0 is never matched, so a month number is the index.
constexpr std::array<std::string_view, 13> kMonthAbbreviations = {
    "XXX", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

enum class Parse { Ok, Empty, Bad };

struct CalendarDate {
    int year;  // years since 1900
    int month; // 1-12
    int day;
};

struct ClockTime {
    int hour;
    int minute;
    int second;
};

// Month number of the three characters at the start of text; 0 when none matches.
int MonthOfAbbreviation(std::string_view text)
{
    if (text.size() < 3)
        return 0;
    for (int month = 1; month <= 12; ++month) {
        const std::string_view name = kMonthAbbreviations[std::size_t(month)];
        if (std::equal(name.begin(), name.end(), text.begin(),
                       [](char a, char b) { return AsciiToUpper(a) == AsciiToUpper(b); }))
            return month;
    }
    return 0;
}

bool AllDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), IsAsciiDigit);
}

// "May 14", "September 5": the month by name, the day after the letters; the year stays.
Parse ReadMonthNameFirst(std::string_view text, CalendarDate& date)
{
    const int month = MonthOfAbbreviation(text);
    if (month == 0)
        return Parse::Bad;
    std::size_t afterLetters = 3;
    while (afterLetters < text.size() && IsAsciiAlpha(text[afterLetters]))
        ++afterLetters;
    const int day = ParseLeadingInt(text.substr(afterLetters));
    if (day == 0)
        return Parse::Bad;
    date.month = month;
    date.day = day;
    return Parse::Ok;
}

// "14May", "14May10", "14MAY2010".
Parse ReadDayThenMonthName(std::string_view text, CalendarDate& date)
{
    const int month = MonthOfAbbreviation(text.substr(2));
    if (month == 0)
        return Parse::Bad;
    date.day = ParseLeadingInt(text.substr(0, 2));
    date.month = month;
    if (text.size() >= 6) {
        date.year = ParseLeadingInt(text.substr(5));
        if (date.year == 0)
            return Parse::Bad;
    }
    return Parse::Ok;
}

// "051410", "05142010".
Parse ReadSixDigits(std::string_view text, CalendarDate& date)
{
    date.month = ParseLeadingInt(text.substr(0, 2));
    date.day = ParseLeadingInt(text.substr(2, 2));
    date.year = ParseLeadingInt(text.substr(4));
    return Parse::Ok;
}

// "5/14/10", "05-14-2010", "5/14".
Parse ReadSeparatedNumbers(std::string_view text, CalendarDate& date)
{
    const std::size_t first = text.find_first_of("-/");
    if (first == std::string_view::npos)
        return Parse::Bad;
    date.month = ParseLeadingInt(text.substr(0, first));
    const std::string_view rest = text.substr(first + 1);
    const std::size_t second = rest.find_first_of("-/");
    date.day = ParseLeadingInt(rest.substr(0, second));
    if (second != std::string_view::npos)
        date.year = ParseLeadingInt(rest.substr(second + 1));
    return Parse::Ok;
}

Parse ReadDateText(std::string_view text, CalendarDate& date)
{
    if (text.empty())
        return Parse::Empty;
    if (IsAsciiAlpha(text[0]))
        return ReadMonthNameFirst(text, date);
    if (text.size() >= 3 && IsAsciiDigit(text[0]) && IsAsciiDigit(text[1]) && IsAsciiAlpha(text[2]))
        return ReadDayThenMonthName(text, date);
    if (text.size() >= 6 && AllDigits(text.substr(0, 6)))
        return ReadSixDigits(text, date);
    return ReadSeparatedNumbers(text, date);
}

// "12:00PM" is noon, "12:30" half past midnight, "13:30" as it stands.
Parse ReadTimeText(std::string_view text, ClockTime& time)
{
    if (text.empty())
        return Parse::Empty;
    const std::size_t colon = text.find(':');
    if (text.size() < 5 || colon == std::string_view::npos)
        return Parse::Bad;
    time.hour = ParseLeadingInt(text);
    time.minute = ParseLeadingInt(text.substr(colon + 1));
    time.second = 0;
    if (time.hour == 12)
        time.hour = 0;
    // The marker follows the two minute digits; a text that ends sooner simply has none.
    std::size_t marker = std::min(colon + 3, text.size());
    while (marker < text.size() && text[marker] == ' ')
        ++marker;
    if (marker < text.size() && AsciiToUpper(text[marker]) == 'P')
        time.hour = time.hour > INT_MAX - 12 ? INT_MAX : time.hour + 12;
    return Parse::Ok;
}

// Two-digit years: 70-99 are 19xx, 00-69 are 20xx; four-digit years are taken as they are.
int YearsSince1900(int year)
{
    if (year > 200)
        return year - 1900;
    if (year < 70)
        return year + 100;
    return year;
}

} // namespace

std::time_t DateTimeTextToTime(const char* dateText, const char* timeText, bool shiftToUtc)
{
    const std::tm now = platform::ToLocalTime(platform::CurrentTime());
    CalendarDate date{now.tm_year, now.tm_mon + 1, now.tm_mday};
    ClockTime time{now.tm_hour, now.tm_min, now.tm_sec};

    const Parse dateParse = ReadDateText(dateText != nullptr ? dateText : "", date);
    if (dateParse == Parse::Empty)
        return 0;
    // A month outside the year is a mistyped date ("31/01/99"), not one to roll over; days do.
    if (dateParse == Parse::Bad || date.month < 1 || date.month > 12)
        return 2;
    if (ReadTimeText(timeText != nullptr ? timeText : "", time) == Parse::Bad)
        return 4;

    std::tm broken{};
    broken.tm_sec = time.second;
    broken.tm_min = time.minute;
    broken.tm_hour = time.hour;
    broken.tm_mday = date.day;
    broken.tm_mon = date.month > INT_MIN ? date.month - 1 : date.month;
    broken.tm_year = YearsSince1900(date.year);
    broken.tm_isdst = 0;
    std::time_t value = platform::FromLocalTime(broken);
    // A date the conversion cannot place is bad, not the time value -1.
    if (value == std::time_t(-1))
        return 2;
    if (shiftToUtc)
        value -= std::time_t(platform::TimeZoneBiasMinutes()) * 60;
    // Files keep dates as signed 32-bit values: one beyond them would be stored as another date.
    if (value < INT32_MIN || value > INT32_MAX)
        return 2;
    return value;
}
