#include "model/files/TvbInflater.h"

#include <algorithm>
#include <system_error>

namespace {

// The reader waits for the first chunk before it can start: small first reads shorten that wait.
constexpr std::size_t kFirstRead = 32 * 1024;
// While the thread reads the chunk the reader needs, the reader spins rather than sleeps (waking
// up can take longer than the read), and now and then lets others run.
constexpr unsigned kSpinsPerYield = 4096;

} // namespace

CTvbInflater::CTvbInflater(CTvbGzipReader& file, TvbInflation where) : m_file(file)
{
    if (where != TvbInflation::kOwnThread)
        return;
    try {
        m_thread = std::thread(&CTvbInflater::Run, this);
    } catch (const std::system_error&) {
        // No thread to be had: the reader reads every chunk itself.
    }
}

CTvbInflater::~CTvbInflater()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_signal.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

void CTvbInflater::Fill(std::size_t index)
{
    TvbChunk& chunk = m_ring[index % kRingSize];
    const std::size_t size = std::min(TvbChunk::kReadRoom, kFirstRead << std::min<std::size_t>(index, 8));
    chunk.m_got = m_file.Read(chunk.m_bytes.get() + TvbChunk::kCarryRoom, size, chunk.m_memberEnd);
    chunk.m_zlibError = m_file.Error();
    chunk.m_crc.reset();
}

void CTvbInflater::CheckAhead(std::size_t index)
{
    // Only while the reader is busy with earlier chunks: it is not kept waiting for this.
    TvbChunk& chunk = m_ring[index % kRingSize];
    if (chunk.m_got > 0 && m_taken.load(std::memory_order_relaxed) <= index)
        chunk.m_crc = crc32_z(0, chunk.m_bytes.get() + TvbChunk::kCarryRoom, std::size_t(chunk.m_got));
}

void CTvbInflater::Filled(std::size_t index)
{
    {
        std::lock_guard lock(m_mutex);
        m_reading = false;
        m_finished = m_ring[index % kRingSize].IsLast();
        m_filled.store(index + 1, std::memory_order_release);
    }
    m_signal.notify_one();
}

void CTvbInflater::Run()
{
    for (;;) {
        std::size_t index = 0;
        {
            std::unique_lock lock(m_mutex);
            m_signal.wait(lock, [this] {
                return m_stop || m_finished || (!m_reading && m_filled - m_given < kRingSize);
            });
            if (m_stop || m_finished)
                return;
            m_reading = true;
            index = m_filled;
        }
        Fill(index);
        CheckAhead(index);
        Filled(index);
    }
}

bool CTvbInflater::TryFill(std::size_t index)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_reading || m_filled > index)
            return false;
        m_reading = true;
    }
    Fill(index);
    Filled(index);
    return true;
}

TvbChunk& CTvbInflater::Take()
{
    const std::size_t index = m_taken++;
    // When the thread holds the file it is reading this very chunk and will soon be done.
    for (unsigned spins = 1; m_filled.load(std::memory_order_acquire) <= index && !TryFill(index); ++spins)
        if (spins % kSpinsPerYield == 0)
            std::this_thread::yield();
    return m_ring[index % kRingSize];
}

void CTvbInflater::Give()
{
    {
        std::lock_guard lock(m_mutex);
        ++m_given;
    }
    m_signal.notify_one();
}
