#pragma once

// A FIFO where a file is expected. A reader that waits on it, in its open or its read, is let go
// with an empty stream a while later, and counted: a reader that does not refuse it at once
// fails its test instead of hanging.
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
    // How often a reader was found waiting on it.
    int ReadersReleased() const { return m_released; }

private:
    // Opening the writing end succeeds only while a reader has the FIFO open; it lets a waiting
    // open return, and closing it ends the reading. A reader that refuses the FIFO holds it for
    // no more than a few instructions, so the looks are far apart.
    void ReleaseReaders()
    {
        constexpr auto kBetweenLooks = std::chrono::milliseconds(250);
        constexpr auto kSlice = std::chrono::milliseconds(10);
        for (auto waited = kSlice; !m_done; waited += kSlice) {
            std::this_thread::sleep_for(kSlice);
            if (waited % kBetweenLooks != std::chrono::milliseconds(0))
                continue;
            const int fd = open(m_path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                ++m_released;
                close(fd);
            }
        }
    }

    std::string m_path;
    bool m_made;
    std::atomic<bool> m_done{false};
    std::atomic<int> m_released{0};
    std::thread m_releaser;
};

} // namespace testsupport
