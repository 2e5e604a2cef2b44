#pragma once

#include <string>

namespace platform {

// An exclusive lock shared by every process that locks the same lock file (flock). Files that
// are replaced by renaming cannot carry the lock themselves, so it lives in a file beside them.
class FileLock {
public:
    explicit FileLock(const std::string& lockPath); // waits until the lock is held
    ~FileLock();

    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return m_fd >= 0; }
    const std::string& Error() const { return m_error; }

private:
    int m_fd = -1;
    std::string m_error;
};

// The lock file for a file: ".name.lock" in the same folder (see SideFileName.h).
std::string LockPathFor(const std::string& path);

} // namespace platform
