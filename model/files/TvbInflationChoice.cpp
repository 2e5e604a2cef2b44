#include "model/files/TvbInflater.h"

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
