#pragma once

#include "model/files/Dcl.h"
#include "model/files/DclCodes.h"

#include <cstddef>
#include <cstdint>

// Reads one DCL stream chunk by chunk from a read callback: first the two header bytes, then bits
// from the least significant bit of each byte up. Inline: explode spends its time here.
class CDclBitReader {
public:
    CDclBitReader(DclReadCallback read, void* user, uint8_t* chunk)
        : m_read(read), m_user(user), m_chunk(chunk)
    {
    }

    // Reads the first chunk and returns how many bytes it holds.
    std::size_t ReadFirstChunk()
    {
        NextChunk();
        return std::size_t(m_end - m_next);
    }

    // A header byte: only before any bits were taken, from the first chunk.
    uint8_t TakeByte() { return *m_next++; }

    // At least 56 bits, unless the input ends first.
    void Fill()
    {
        if (m_count >= 56)
            return;
        if (m_end - m_next >= 8) {
            // Eight bytes at once; the ones not counted yet are loaded again, to the same bits.
            uint64_t word = 0;
            for (int i = 0; i < 8; ++i)
                word |= uint64_t(m_next[i]) << (8 * i);
            m_bits |= word << m_count;
            const int bytes = (63 - m_count) >> 3;
            m_next += bytes;
            m_count += 8 * bytes;
            return;
        }
        FillSlowly();
    }

    bool Has(int count) const { return m_count >= count; }
    // The next bits; only the first Has() of them are real.
    uint32_t Peek() const { return uint32_t(m_bits); }
    void Skip(int count)
    {
        m_bits >>= count;
        m_count -= count;
    }

private:
    void FillSlowly()
    {
        while (m_count < 56) {
            if (m_next == m_end && !NextChunk())
                return;
            m_bits |= uint64_t(*m_next++) << m_count;
            m_count += 8;
        }
    }

    bool NextChunk()
    {
        if (m_ended)
            return false;
        std::size_t count = m_read(m_chunk, kDclInputChunk, m_user);
        // A callback that claims more than it was asked for gets no trust beyond the chunk.
        if (count > kDclInputChunk)
            count = kDclInputChunk;
        m_ended = count == 0;
        m_next = m_chunk;
        m_end = m_chunk + count;
        return !m_ended;
    }

    DclReadCallback m_read;
    void* m_user;
    uint8_t* m_chunk;
    const uint8_t* m_next = nullptr;
    const uint8_t* m_end = nullptr;
    uint64_t m_bits = 0;
    int m_count = 0;
    bool m_ended = false;
};

struct CDclToken {
    enum Kind : uint8_t { LITERAL, COPY, END, CUT_SHORT };
    Kind m_kind = CUT_SHORT;
    uint8_t m_byLiteral = 0;
    uint16_t m_wLength = 0;
    uint16_t m_wDistance = 0; // 1 is the byte just expanded
};

// The next token of a binary-literal stream; CUT_SHORT when the bits end inside it.
inline CDclToken ReadDclToken(CDclBitReader& bits, int dictionaryBits)
{
    bits.Fill();
    if (!bits.Has(1))
        return {};
    if ((bits.Peek() & 1) == 0) {
        if (!bits.Has(9))
            return {};
        const uint8_t literal = uint8_t(bits.Peek() >> 1);
        bits.Skip(9);
        return {CDclToken::LITERAL, literal, 0, 0};
    }
    bits.Skip(1);
    const uint8_t lengthClass = kDclLengthCode.m_symbolOf[bits.Peek() & 0xFF];
    const int lengthCodeBits = kDclLengthCode.m_codes[lengthClass].m_byLength;
    const CDclLengthClass lengths = kDclLengthClasses[lengthClass];
    if (!bits.Has(lengthCodeBits + lengths.m_byExtraBits))
        return {};
    bits.Skip(lengthCodeBits);
    const int length = lengths.m_wBase + int(bits.Peek() & ((1u << lengths.m_byExtraBits) - 1));
    bits.Skip(lengths.m_byExtraBits);
    if (length == kDclEndLength)
        return {CDclToken::END, 0, 0, 0};

    const uint8_t high = kDclDistanceCode.m_symbolOf[bits.Peek() & 0xFF];
    const int distanceCodeBits = kDclDistanceCode.m_codes[high].m_byLength;
    // A copy of two bytes reaches back at most 256 bytes: its low part has two bits.
    const int lowBits = length == 2 ? 2 : dictionaryBits;
    if (!bits.Has(distanceCodeBits + lowBits))
        return {};
    bits.Skip(distanceCodeBits);
    const unsigned low = bits.Peek() & ((1u << lowBits) - 1);
    bits.Skip(lowBits);
    return {CDclToken::COPY, 0, uint16_t(length), uint16_t(((unsigned(high) << lowBits) | low) + 1)};
}
