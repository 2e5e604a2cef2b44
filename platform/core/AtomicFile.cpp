#include "platform/core/Files.h"

#include "platform/core/Paths.h"
#include "platform/core/SaveBlock.h"
#include "platform/core/SaveLeftovers.h"
#include "platform/core/SaveTarget.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace platform {
namespace {

// Read without calling umask(), which would change the mask for every thread for a moment.
mode_t CurrentUmask()
{
    const auto status = ReadWholeFile("/proc/self/status", nullptr, 1 << 20);
    const std::size_t at = status ? status->find("\nUmask:") : std::string::npos;
    if (at == std::string::npos)
        return 022;
    const char* digits = status->c_str() + at + 7;
    return mode_t(std::strtoul(digits, nullptr, 8) & 0777);
}

// mkstemp makes the file 0600; a saved file should carry the permissions the old one had, or
// those a newly created file gets under the process's umask.
mode_t PermissionsFor(const std::string& target)
{
    struct stat info{};
    if (stat(target.c_str(), &info) == 0)
        return info.st_mode & 07777;
    return 0666 & ~CurrentUmask();
}

void SyncFolder(const std::string& folder)
{
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd); // best effort: the rename is already done
        close(fd);
    }
}

// Without replacing, the check and the move are one step where the file system can do that;
// elsewhere a file made in between by another program could still be replaced.
bool MoveInPlace(const std::string& from, const std::string& to, bool replaceExisting)
{
    if (replaceExisting)
        return rename(from.c_str(), to.c_str()) == 0;
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    if (access(to.c_str(), F_OK) == 0) {
        errno = EEXIST;
        return false;
    }
    return rename(from.c_str(), to.c_str()) == 0;
}

} // namespace

AtomicFile::AtomicFile(std::string targetPath) : m_target(std::move(targetPath)) {}

AtomicFile::~AtomicFile()
{
    if (m_fd >= 0)
        close(m_fd);
    if (!m_committed && !m_tempPath.empty())
        unlink(m_tempPath.c_str());
    if (m_lockFd >= 0)
        close(m_lockFd);
}

bool AtomicFile::Fail(const std::string& what)
{
    const int error = errno;
    if (m_error.empty())
        m_error = what + " " + m_target + ": " + std::strerror(error);
    return false;
}

bool AtomicFile::Open()
{
    if (m_fd >= 0 || m_committed || !m_tempPath.empty()) {
        errno = EBUSY;
        return Fail("Cannot open twice");
    }
    const std::optional<std::string> target = ResolveSaveTarget(m_target, m_error);
    if (!target)
        return false;
    m_final = *target;
    // The rename would go round the file's own permission: what the user may not write stays.
    if (const SaveBlock block = FindSaveBlock(m_final); block != SaveBlock::kNone) {
        m_error = SaveBlockText(block, m_target);
        errno = EACCES;
        return false;
    }
    RemoveAbandonedTemporaries(m_final);
    if (!CreateTemporary())
        return Fail("Cannot create a temporary file for");
    if (fchmod(m_fd, PermissionsFor(m_final)) != 0)
        return Fail("Cannot set the permissions for");
    return true;
}

// Another save's sweep may take a new file before it is locked; then another is made.
bool AtomicFile::CreateTemporary()
{
    constexpr int kAttempts = 8;
    const std::string pattern = TemporaryPatternFor(m_final);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        m_fd = mkostemp(name.data(), O_CLOEXEC);
        if (m_fd < 0)
            return false;
        m_lockFd = LockTemporary(name.data(), m_fd);
        if (m_lockFd >= 0) {
            m_tempPath = name.data();
            return true;
        }
        close(std::exchange(m_fd, -1));
    }
    errno = EAGAIN;
    return false;
}

bool AtomicFile::Write(std::string_view bytes)
{
    if (!m_error.empty())
        return false;
    if (m_fd < 0) {
        errno = EBADF;
        return Fail("Cannot write unopened");
    }
    while (!bytes.empty()) {
        const ssize_t written = write(m_fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return Fail("Cannot write");
        }
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

bool AtomicFile::Commit()
{
    return Finish(true);
}

bool AtomicFile::CommitAsNew()
{
    return Finish(false);
}

bool AtomicFile::Finish(bool replaceExisting)
{
    // After any failed step the temporary file is incomplete: it must never replace the target.
    if (!m_error.empty())
        return false;
    if (m_fd < 0) {
        errno = EBADF;
        return Fail("Cannot commit unopened");
    }
    if (fsync(m_fd) != 0)
        return Fail("Cannot flush");
    const int fd = std::exchange(m_fd, -1);
    if (close(fd) != 0)
        return Fail("Cannot close");
    if (!MoveInPlace(m_tempPath, m_final, replaceExisting))
        return Fail(replaceExisting ? "Cannot replace" : "Cannot create");
    m_committed = true;
    SyncFolder(FolderOf(m_final));
    return true;
}

} // namespace platform
