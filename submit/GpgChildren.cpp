#include "submit/GpgChildren.h"

#include "platform/core/Files.h"
#include "platform/core/Paths.h"

#include <csignal>
#include <filesystem>
#include <optional>
#include <set>
#include <sys/types.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The pipes a process holds, as the kernel names them ("pipe:[inode]").
std::set<std::string> PipesOf(const fs::path& process)
{
    std::set<std::string> pipes;
    std::error_code error;
    const fs::directory_iterator end;
    for (fs::directory_iterator fd(process / "fd", error); !error && fd != end; fd.increment(error)) {
        std::error_code unreadable;
        const fs::path target = fs::read_symlink(fd->path(), unreadable);
        if (!unreadable && target.native().rfind("pipe:", 0) == 0)
            pipes.insert(target.native());
    }
    return pipes;
}

std::vector<std::string> Arguments(const fs::path& process)
{
    std::vector<std::string> arguments;
    const std::string cmdline = platform::ReadWholeFile((process / "cmdline").native(), nullptr, 1 << 16).value_or("");
    std::string_view rest = cmdline;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\0');
        arguments.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return arguments;
}

bool IsGpgOnHome(const std::vector<std::string>& arguments, const std::string& home)
{
    if (arguments.empty() || platform::FileNameOf(arguments.front()) != "gpg")
        return false;
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == "--homedir" && arguments[i + 1] == home)
            return true;
    }
    return false;
}

bool SharesAPipe(const fs::path& process, const std::set<std::string>& ownPipes)
{
    for (const std::string& pipe : PipesOf(process)) {
        if (ownPipes.count(pipe))
            return true;
    }
    return false;
}

bool IsProcessId(const std::string& name)
{
    return !name.empty() && name.find_first_not_of("0123456789") == std::string::npos;
}

} // namespace

int StopOwnGpgProcesses(const std::string& home)
{
    const std::set<std::string> ownPipes = PipesOf("/proc/self");
    int stopped = 0;
    std::error_code error;
    const fs::directory_iterator end;
    for (fs::directory_iterator process("/proc", error); !error && process != end; process.increment(error)) {
        const fs::path& entry = process->path();
        const std::string name = entry.filename().native();
        if (!IsProcessId(name) || !IsGpgOnHome(Arguments(entry), home) || !SharesAPipe(entry, ownPipes))
            continue;
        // GnuPG ends on this signal as on an error: its locks are released, its files left whole.
        if (kill(pid_t(std::stol(name)), SIGTERM) == 0)
            ++stopped;
    }
    return stopped;
}
