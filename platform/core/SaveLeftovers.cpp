#include "platform/core/SaveLeftovers.h"

#include "platform/core/Paths.h"
#include "platform/core/SideFileName.h"

#include <algorithm>
#include <cerrno>
#include <cctype>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr std::string_view kMarker = ".saving-";
constexpr std::size_t kUniqueLength = 6; // mkostemp's XXXXXX

// The temporary names of the target without their unique part. Where the target's name had to be
// cut, other targets beginning alike share it: their abandoned files are swept alike.
std::string PrefixFor(const std::string& target)
{
    const std::string pattern = FileNameOf(TemporaryPatternFor(target));
    return pattern.substr(0, pattern.size() - kUniqueLength);
}

bool IsTemporaryName(std::string_view name, std::string_view prefix)
{
    if (name.size() != prefix.size() + kUniqueLength || name.substr(0, prefix.size()) != prefix)
        return false;
    const std::string_view unique = name.substr(prefix.size());
    return std::all_of(unique.begin(), unique.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The descriptor's file is still the one at `path`.
bool StillAt(const std::string& path, int fd)
{
    struct stat atPath{}, open{};
    return lstat(path.c_str(), &atPath) == 0 && fstat(fd, &open) == 0 && SameFile(atPath, open);
}

// Unlocked means its save has ended without renaming it: the process was killed.
void RemoveIfAbandoned(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat info{};
    if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && StillAt(path, fd))
        unlink(path.c_str());
    close(fd);
}

struct FolderCloser {
    void operator()(DIR* folder) const { closedir(folder); }
};

} // namespace

std::string TemporaryPatternFor(const std::string& target)
{
    return SideFilePath(target, std::string(kMarker) + std::string(kUniqueLength, 'X'));
}

int LockTemporary(const std::string& path, int fd)
{
    // The lock belongs to the open file, which the duplicate keeps open after `fd` is closed.
    const int lock = fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (lock < 0) {
        unlink(path.c_str());
        return -1;
    }
    while (flock(lock, LOCK_EX) != 0 && errno == EINTR) {
    }
    // A file system without such locks sweeps nothing either: the save goes on unlocked.
    if (StillAt(path, fd))
        return lock;
    close(lock);
    return -1;
}

void RemoveAbandonedTemporaries(const std::string& target)
{
    const std::string folder = FolderOf(target);
    const std::unique_ptr<DIR, FolderCloser> entries(opendir(folder.empty() ? "." : folder.c_str()));
    if (!entries)
        return;
    const std::string prefix = PrefixFor(target);
    while (const dirent* entry = readdir(entries.get()))
        if (IsTemporaryName(entry->d_name, prefix))
            RemoveIfAbandoned(JoinPath(folder, entry->d_name));
}

} // namespace platform
