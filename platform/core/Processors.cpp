#include "platform/core/Processors.h"

#include <sched.h>

#include <charconv>
#include <fstream>
#include <string>

namespace platform {

int UsableCores()
{
    cpu_set_t cores;
    CPU_ZERO(&cores);
    return sched_getaffinity(0, sizeof cores, &cores) == 0 ? CPU_COUNT(&cores) : 1;
}

// The fourth field of /proc/loadavg: "running/total".
int RunnableThreads()
{
    std::ifstream loadAverage("/proc/loadavg");
    std::string oneMinute, fiveMinutes, fifteenMinutes, counts;
    int running = 0;
    if (!(loadAverage >> oneMinute >> fiveMinutes >> fifteenMinutes >> counts) ||
        std::from_chars(counts.data(), counts.data() + counts.size(), running).ec != std::errc())
        return 0;
    return running;
}

} // namespace platform
