#pragma once

// A FIFO where a file is expected. A reader that waits on it, in its open or its read, is let
// go with an empty stream: a reader that does not refuse it fails its test instead of hanging.
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace testsupport {

class Fifo {
public:
    explicit Fifo(std::string path) : m_path(std::move(path)), m_made(mkfifo(m_path.c_str(), 0644) == 0)
    {
        m_releaser = std::thread([this] { ReleaseReaders(); });
    }
    ~Fifo()
    {
        m_done = true;
        m_releaser.join();
        unlink(m_path.c_str());
    }
    Fifo(const Fifo&) = delete;
    Fifo& operator=(const Fifo&) = delete;

    bool Made() const { return m_made; }

private:
    // Opening the writing end lets a waiting open return; closing it ends the reading.
    void ReleaseReaders()
    {
        while (!m_done) {
            const int fd = open(m_path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0)
                close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    std::string m_path;
    bool m_made;
    std::atomic<bool> m_done{false};
    std::thread m_releaser;
};

} // namespace testsupport
