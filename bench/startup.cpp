// The program started as a whole process, showing its main window and ending
// (ZOD_CLOSE_AFTER_START), against a Qt program that shows one window and ends, run alternately in the same run on the
// offscreen platform. Reported as the ratio of the medians ("x_minimal_qt"): once with the
// settings of an earlier start in place, as most starts are, and once on a first start, which
// writes the defaults and registers the file types.
#include "bench/support/Timing.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

// Its own configuration and data folders, never the user's.
class Folders {
public:
    Folders()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zodbench.XXXXXX").string();
        m_path = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~Folders() { std::filesystem::remove_all(m_path); }
    Folders(const Folders&) = delete;
    Folders& operator=(const Folders&) = delete;

    std::vector<std::string> Environment() const
    {
        std::vector<std::string> variables;
        for (char** entry = environ; *entry != nullptr; ++entry)
            variables.emplace_back(*entry);
        variables.push_back("QT_QPA_PLATFORM=offscreen");
        variables.push_back("ZOD_CLOSE_AFTER_START=1");
        variables.push_back("XDG_CONFIG_HOME=" + m_path + "/config");
        variables.push_back("XDG_DATA_HOME=" + m_path + "/data");
        variables.push_back("XDG_RUNTIME_DIR=" + m_path);
        return variables;
    }

private:
    std::string m_path;
};

// Seconds from spawning the program to its end; the run stops when it fails.
double SecondsToRun(const char* program, const Folders& folders, benchmark::State& state)
{
    std::vector<std::string> variables = folders.Environment();
    std::vector<char*> environment;
    for (std::string& variable : variables)
        environment.push_back(variable.data());
    environment.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program), nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    int status = -1;
    const double seconds = SecondsOf([&] {
        pid_t child = 0;
        if (posix_spawn(&child, program, &quiet, nullptr, argv, environment.data()) == 0)
            waitpid(child, &status, 0);
    });
    posix_spawn_file_actions_destroy(&quiet);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        state.SkipWithError((std::string(program) + " did not end cleanly").c_str());
    return seconds;
}

void BM_StartShowAndExit(benchmark::State& state)
{
    const bool firstStart = state.range(0) != 0;
    auto folders = std::make_unique<Folders>();
    if (!firstStart)
        SecondsToRun(ZOD_PROGRAM, *folders, state);
    std::vector<double> program;
    std::vector<double> minimal;
    for (auto _ : state) {
        if (firstStart) {
            state.PauseTiming();
            folders = std::make_unique<Folders>();
            state.ResumeTiming();
        }
        program.push_back(SecondsToRun(ZOD_PROGRAM, *folders, state));
        minimal.push_back(SecondsToRun(MINIMAL_QT_PROGRAM, *folders, state));
    }
    state.counters["x_minimal_qt"] = Median(program) / Median(minimal);
    state.counters["program_ms"] = Median(program) * 1000;
    state.counters["minimal_ms"] = Median(minimal) * 1000;
}

BENCHMARK(BM_StartShowAndExit)
    ->ArgName("first")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
