#include "platform/core/FileLock.h"

#include "platform/core/SideFileName.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

FileLock::FileLock(const std::string& lockPath)
{
    const int fd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        m_error = "cannot create the lock file " + lockPath + ": " + std::strerror(errno);
        return;
    }
    int locked;
    do {
        locked = flock(fd, LOCK_EX);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        m_error = "cannot lock " + lockPath + ": " + std::strerror(errno);
        close(fd);
        return;
    }
    m_fd = fd;
}

FileLock::~FileLock()
{
    // Closing the descriptor releases the lock.
    if (m_fd >= 0)
        close(m_fd);
}

std::string LockPathFor(const std::string& path)
{
    return SideFilePath(path, ".lock");
}

} // namespace platform
