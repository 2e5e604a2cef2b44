#include "model/reports/IntegerFormat.h"

#include "model/text/CharClass.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kMaxFieldWidth = 512;

int ReadCount(std::string_view format, std::size_t& at)
{
    int count = 0;
    while (at < format.size() && IsAsciiDigit(format[at])) {
        count = std::min(count * 10 + (format[at] - '0'), kMaxFieldWidth);
        ++at;
    }
    return count;
}

// The conversion starting after the "%" at `at`; moves `at` past it.
std::optional<std::string> Convert(std::string_view format, std::size_t& at, uint32_t value)
{
    std::string spec = "%";
    while (at < format.size() && std::string_view("-+ #0").find(format[at]) != std::string_view::npos)
        spec += format[at++];
    if (at < format.size() && IsAsciiDigit(format[at]))
        spec += std::to_string(ReadCount(format, at));
    if (at < format.size() && format[at] == '.') {
        ++at;
        spec += "." + std::to_string(ReadCount(format, at));
    }
    while (at < format.size() && std::string_view("hlLqjzt").find(format[at]) != std::string_view::npos)
        ++at;
    if (at >= format.size() || std::string_view("diuoxX").find(format[at]) == std::string_view::npos)
        return std::nullopt;
    const char conversion = format[at++];
    spec += "ll";
    spec += conversion;
    char text[2 * kMaxFieldWidth + 32];
    if (conversion == 'd' || conversion == 'i')
        std::snprintf(text, sizeof text, spec.c_str(), static_cast<long long>(static_cast<int32_t>(value)));
    else
        std::snprintf(text, sizeof text, spec.c_str(), static_cast<unsigned long long>(value));
    return std::string(text);
}

} // namespace

std::optional<std::string> FormatInteger(std::string_view format, uint32_t value)
{
    std::string out;
    bool converted = false;
    for (std::size_t at = 0; at < format.size();) {
        if (format[at] != '%') {
            out += format[at++];
        } else if (at + 1 < format.size() && format[at + 1] == '%') {
            out += '%';
            at += 2;
        } else {
            ++at;
            const std::optional<std::string> number = converted ? std::nullopt : Convert(format, at, value);
            if (!number)
                return std::nullopt;
            out += *number;
            converted = true;
        }
    }
    return out;
}
