// Typed date and time texts: the first byte chooses where the date text ends and the time begins.
#include "model/text/Dates.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t split = data[0] % (text.size() + 1);
    const std::string date = text.substr(0, split);
    const std::string time = text.substr(split);
    const std::time_t value = DateTimeTextToTime(date.c_str(), time.c_str(), (data[0] & 0x80) != 0);
    FormatDate(value, data[0] % 12);
    LocalTimeClamped(value);
    DaysBetween(value, 1273856400, false);
    return 0;
}
