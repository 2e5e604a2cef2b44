#include "model/text/Dates.h"

#include "platform/core/LocalTime.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace {

constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December"};
constexpr std::array<const char*, 7> kDayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

constexpr std::time_t kLatestLocalTime = 2147403600;

const char* FormatOfStyle(int style)
{
    switch (style) {
    case 1: return "%y/%m/%d";
    case 2: return "%d/%m/%y";
    case 3: return "%y%m%d";
    case 4: return "%m/%d/%y";
    case 5: return "%b %d, %Y";
    case 6: return "%B %d, %Y";
    case 7: return "%A, %B %d, %Y";
    case 10: return "%d%b";
    default: return "%m-%d-%y";
    }
}

void AppendNumber(std::string& out, long value, int minDigits)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value < 0 ? -value : value).ptr;
    if (value < 0)
        out += '-';
    for (long width = end - digits; width < minDigits; ++width)
        out += '0';
    out.append(digits, end);
}

const char* NameOf(const auto& names, int index)
{
    return (index >= 0 && std::size_t(index) < names.size()) ? names[std::size_t(index)] : "?";
}

// The few conversions the date styles use, always with English names: the user's locale must not
// change what goes into files and forms.
void AppendField(std::string& out, char conversion, const std::tm& t)
{
    const long year = long(t.tm_year) + 1900;
    switch (conversion) {
    case 'y': AppendNumber(out, (year % 100 + 100) % 100, 2); break;
    case 'Y': AppendNumber(out, year, 1); break;
    case 'm': AppendNumber(out, long(t.tm_mon) + 1, 2); break;
    case 'd': AppendNumber(out, t.tm_mday, 2); break;
    case 'b': out += std::string_view(NameOf(kMonthNames, t.tm_mon)).substr(0, 3); break;
    case 'B': out += NameOf(kMonthNames, t.tm_mon); break;
    case 'A': out += NameOf(kDayNames, t.tm_wday); break;
    default: out += '%'; out += conversion; break;
    }
}

} // namespace

std::string FormatDate(std::time_t value, int style)
{
    if (value == 0)
        return std::string(8, ' ');
    const std::tm local = platform::ToLocalTime(value);
    std::string out;
    for (const char* f = FormatOfStyle(style); *f != '\0'; ++f) {
        if (*f == '%' && f[1] != '\0')
            AppendField(out, *++f, local);
        else
            out += *f;
    }
    return out;
}

std::tm LocalTimeClamped(std::time_t value)
{
    // Stored dates are unsigned 32-bit values: anything past the last safe one (or negative, which
    // reads as huge) is held at it.
    if (value < 0 || value > kLatestLocalTime)
        value = kLatestLocalTime;
    return platform::ToLocalTime(value);
}

double DaysBetween(std::time_t a, std::time_t b, bool exact)
{
    if (exact || a == 0 || b == 0)
        return double(a) - double(b);
    const auto dayNumber = [](std::time_t value) {
        const std::tm t = platform::ToLocalTime(value);
        return double(t.tm_year) * 365 + double(t.tm_mon + 1) * 31 + double(t.tm_mday);
    };
    return dayNumber(a) - dayNumber(b);
}
