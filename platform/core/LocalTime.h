#pragma once

#include <ctime>
#include <functional>

namespace platform {

// "Now" for the whole program. Tests replace it so that "today" is fixed.
std::time_t CurrentTime();
void SetTimeSource(std::function<std::time_t()> source); // empty function: the system clock

// Local broken-down time of a time value (all fields 0 when it cannot be represented), and back
// (normalising out-of-range fields; tm_isdst is taken as given, -1 lets the zone decide).
std::tm ToLocalTime(std::time_t value);
std::time_t FromLocalTime(std::tm broken);

// Minutes to add to local time to get UTC (positive west of Greenwich), as the old system's
// time-zone bias; 0 when the zone is unknown.
long TimeZoneBiasMinutes();

} // namespace platform
