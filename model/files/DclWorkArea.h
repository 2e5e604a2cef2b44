#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Everything implode and explode need besides the caller's data, so that neither allocates.

inline constexpr std::size_t kDclMaxDictionary = 4096;
inline constexpr std::size_t kDclInputChunk = 2048;
inline constexpr std::size_t kDclOutputChunk = 2048;
inline constexpr int kDclMaxMatch = 516;        // the longest copy implode sends
inline constexpr std::size_t kDclMaxCopy = 518; // the longest copy the format can carry

struct CDclExplodeArea {
    // Expanded bytes collect up to kFlushAt and are then written; the last kDclMaxDictionary stay
    // as the history that copies read from. One token may run kDclMaxCopy past kFlushAt.
    static constexpr std::size_t kFlushAt = 2 * kDclMaxDictionary;
    std::array<uint8_t, kFlushAt + kDclMaxCopy> m_window;
    std::array<uint8_t, kDclInputChunk> m_input;
};

struct CDclImplodeArea {
    static constexpr std::size_t kBlock = 4096;
    // History of a full dictionary, the block being coded, and look-ahead for its last match.
    static constexpr std::size_t kWindow = kDclMaxDictionary + kBlock + kDclMaxMatch;
    // Hash of two bytes: 4 x first + 5 x second.
    static constexpr std::size_t kHashes = 4 * 255 + 5 * 255 + 1;
    std::array<uint8_t, kWindow> m_window;
    std::array<uint16_t, kHashes + 1> m_hashStart; // where each hash's positions begin
    std::array<uint16_t, kWindow> m_positions;     // window positions sorted by hash, then place
    std::array<uint16_t, kWindow> m_rank;          // each position's index in m_positions
    std::array<uint8_t, kDclOutputChunk> m_output;
};

struct CDclWorkArea {
    CDclExplodeArea m_explode;
    CDclImplodeArea m_implode;
};
