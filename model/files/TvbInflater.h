#pragma once

#include "model/files/TvbFormat.h"
#include "model/files/TvbGzipReader.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// One read of the stream. Its bytes start at kCarryRoom, so that the reader can put the unread
// end of the previous chunk right before them and see one record whole across the seam.
struct TvbChunk {
    // The most a reader leaves unread: less than one whole record.
    static constexpr std::size_t kCarryRoom = kTvbRecordHeaderSize + kTvbMaxRecordLength;
    static constexpr std::size_t kReadRoom = 256 * 1024;

    std::unique_ptr<uint8_t[]> m_bytes{new uint8_t[kCarryRoom + kReadRoom]}; // written before read
    int m_got = 0;                          // as CTvbGzipReader::Read
    std::optional<GzipTrailer> m_memberEnd; // a gzip member ends with these bytes
    std::optional<uLong> m_crc;             // their check value, when the thread had time for it
    int m_zlibError = Z_OK;                 // the reader's error number after the read

    // The end of the stream, or a failure: nothing comes after this chunk.
    bool IsLast() const { return m_got < 0 || (m_got == 0 && !m_memberEnd); }
};

// Where the stream is inflated.
enum class TvbInflation {
    kAuto,         // on a thread of its own for a large file when there is a core for it
    kOwnThread,    // ahead of the reader, so that building the proposal overlaps inflating it
    kCallerThread, // on demand
};

// kOwnThread for a file large enough to be worth a thread, where the process may use a second
// core and the machine has one idle (fewer threads ready to run than those cores).
TvbInflation ChooseTvbInflation(std::size_t fileSize, int usableCores, int runnableThreads);

// Reads a proposal file through a CTvbGzipReader into a small ring of chunks,
// handed out in stream order. The thread, when there is one, reads ahead by at most the ring and
// stops after the end or the first failure; it never outlives this object. Whoever is free reads
// the next chunk: a busy machine may not run a new or sleeping thread for milliseconds, and the
// reader then reads the chunk itself instead of waiting, so a load is never much slower than on
// one thread.
class CTvbInflater {
public:
    // `file` stays the caller's, to close after this object is gone.
    CTvbInflater(CTvbGzipReader& file, TvbInflation where);
    ~CTvbInflater();
    CTvbInflater(const CTvbInflater&) = delete;
    CTvbInflater& operator=(const CTvbInflater&) = delete;

    // The next chunk, once it is read. Not to be called again after the end or a failure.
    TvbChunk& Take();
    // Hands back the oldest chunk taken, for the next read. At most two may be out at once.
    void Give();

private:
    static constexpr std::size_t kRingSize = 8; // a proposal of 10,000 items inflates to 7

    void Run();
    // Reads chunk `index` unless someone else is reading; true when it was read here.
    bool TryFill(std::size_t index);
    void Fill(std::size_t index);
    // The data check of a chunk the reader has not asked for yet, worked out on the thread.
    void CheckAhead(std::size_t index);
    void Filled(std::size_t index);

    CTvbGzipReader& m_file;
    std::array<TvbChunk, kRingSize> m_ring;
    std::atomic<std::size_t> m_filled{0}; // counts, in stream order; chunk n lives in slot n % kRingSize
    std::atomic<std::size_t> m_taken{0};
    std::mutex m_mutex;                   // guards what follows, and the file
    std::condition_variable m_signal;     // the thread waits for a free slot or the file
    std::size_t m_given = 0;
    bool m_reading = false; // someone holds the file
    bool m_finished = false; // the end or a failure was read
    bool m_stop = false;
    std::thread m_thread;
};
