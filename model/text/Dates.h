#pragma once

#include <ctime>
#include <string>

// The date of a time value in one of the numbered styles (local time); 0 gives eight blanks.
std::string FormatDate(std::time_t value, int style);

// Local time, with values past 2147403600 held there.
std::tm LocalTimeClamped(std::time_t value);

double DaysBetween(std::time_t a, std::time_t b, bool exact);

// 0 for an empty date text, 2 for a bad date, 4 for a bad time, else the time value.
std::time_t DateTimeTextToTime(const char* dateText, const char* timeText, bool shiftToUtc);

// Groups the digits before the decimal point with commas: "$1234567.89" -> "$1,234,567.89".
std::string& InsertThousandsCommas(std::string& text);
