#include "platform/core/LocalTime.h"

#include <utility>

namespace platform {
namespace {

std::function<std::time_t()>& TimeSource()
{
    static std::function<std::time_t()> source;
    return source;
}

} // namespace

std::time_t CurrentTime()
{
    const auto& source = TimeSource();
    return source ? source() : std::time(nullptr);
}

void SetTimeSource(std::function<std::time_t()> source)
{
    TimeSource() = std::move(source);
}

std::tm ToLocalTime(std::time_t value)
{
    std::tm broken{};
    if (localtime_r(&value, &broken) == nullptr)
        return std::tm{};
    return broken;
}

std::time_t FromLocalTime(std::tm broken)
{
    return std::mktime(&broken);
}

long TimeZoneBiasMinutes()
{
    // tzset fills `timezone` with the standard offset in seconds west of UTC, whatever the
    // season; a zone the library cannot find reads as UTC.
    tzset();
    return long(timezone / 60);
}

} // namespace platform
