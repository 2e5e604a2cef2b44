#include "model/files/TvbInflater.h"

#include <sched.h>

#include <charconv>
#include <fstream>
#include <string>

namespace {

// A smaller file inflates in about the time it takes to start a thread (and on a busy machine
// far less than it may take to get one running).
constexpr std::size_t kThreadWorthwhileFileSize = 64 * 1024;

} // namespace

TvbInflation ChooseTvbInflation(std::size_t fileSize, int usableCores, int runnableThreads)
{
    // A thread that finds no idle core waits its turn for milliseconds, and the reader with it.
    const bool worthwhile =
        fileSize >= kThreadWorthwhileFileSize && usableCores > 1 && runnableThreads < usableCores;
    return worthwhile ? TvbInflation::kOwnThread : TvbInflation::kCallerThread;
}

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
