#include "model/files/TvlLibrary.h"

#include "platform/core/LocalTime.h"

namespace {

unsigned Bits(uint32_t value, int first, int count)
{
    return (value >> first) & ((1u << count) - 1);
}

// Bits 0-4 day, 5-8 month, 9-15 years since 1980; bits 16-20 seconds/2, 21-26 minutes,
// 27-31 hours; a local calendar time.
std::time_t DosStampToTime(uint32_t stamp)
{
    std::tm broken{};
    broken.tm_mday = int(Bits(stamp, 0, 5));
    broken.tm_mon = int(Bits(stamp, 5, 4)) - 1;
    broken.tm_year = int(Bits(stamp, 9, 7)) + 80;
    broken.tm_sec = int(Bits(stamp, 16, 5)) * 2;
    broken.tm_min = int(Bits(stamp, 21, 6));
    broken.tm_hour = int(Bits(stamp, 27, 5));
    broken.tm_isdst = -1;
    if (broken.tm_mday < 1 || broken.tm_mon < 0 || broken.tm_mon > 11 || broken.tm_hour > 23 ||
        broken.tm_min > 59 || broken.tm_sec > 59)
        return -1;
    const std::time_t time = platform::FromLocalTime(broken);
    // A day the month does not have (30 February) would otherwise pass as a day of the next.
    const std::tm back = platform::ToLocalTime(time);
    return back.tm_mday == broken.tm_mday && back.tm_mon == broken.tm_mon ? time : -1;
}

} // namespace

std::time_t TvlStampToTime(uint32_t stamp, int16_t version)
{
    return version >= kTvlFirstUnixTimeVersion ? std::time_t(stamp) : DosStampToTime(stamp);
}
