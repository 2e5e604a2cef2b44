#include "platform/core/Environment.h"

#include "platform/core/Paths.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

std::string NonEmptyEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::string HomeDirectory()
{
    std::string home = NonEmptyEnvironment("HOME");
    if (!home.empty())
        return home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr
        && found->pw_dir != nullptr)
        return found->pw_dir;
    return "/tmp";
}

// The XDG variable counts only when it holds an absolute path.
std::string XdgBaseDirectory(const char* variable, const char* inHome)
{
    const std::string base = NonEmptyEnvironment(variable);
    if (base.empty() || base.front() != '/')
        return JoinPath(HomeDirectory(), inHome);
    return base;
}

} // namespace

std::optional<std::string> GetEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr)
        return std::nullopt;
    return std::string(value);
}

std::string TempDirectory()
{
    for (const char* name : {"TEMP", "TMP", "TMPDIR"}) {
        std::string folder = NonEmptyEnvironment(name);
        if (!folder.empty())
            return folder;
    }
    return "/tmp";
}

std::string ExecutablePath()
{
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return {};
        if (std::size_t(length) < buffer.size())
            return std::string(buffer.data(), std::size_t(length));
        buffer.resize(buffer.size() * 2);
    }
}

std::string ExecutableDirectory()
{
    return FolderOf(ExecutablePath());
}

std::string UserDataDirectory()
{
    return JoinPath(XdgBaseDirectory("XDG_DATA_HOME", ".local/share"), "Tarvello");
}

std::string UserSettingsFile()
{
    return JoinPath(XdgBaseDirectory("XDG_CONFIG_HOME", ".config"), "Tarvello/Zod.conf");
}

std::string CommonDataDirectory()
{
    std::string common = NonEmptyEnvironment("ZOD_COMMON_DATA");
    if (!common.empty())
        return common;
    return JoinPath(FolderOf(ExecutableDirectory()), "share");
}

} // namespace platform
