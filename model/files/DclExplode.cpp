#include "model/files/Dcl.h"
#include "model/files/DclTokenReader.h"

#include <cstring>

namespace {

// The header and the end code together fill four bytes; an empty input implodes to exactly that.
constexpr std::size_t kShortestStream = 4;
constexpr int kFewestDictionaryBits = 4;
constexpr int kMostDictionaryBits = 6;

// The expanded bytes: collected in the window, written when it fills, the last dictionary's worth
// kept for the copies that follow.
class CExpandedBytes {
public:
    CExpandedBytes(CDclExplodeArea& area, DclWriteCallback write, void* user)
        : m_window(area.m_window.data()), m_write(write), m_user(user)
    {
    }

    void PutLiteral(uint8_t byte) { m_window[m_end++] = byte; }

    // False for a distance before the first byte expanded.
    bool Copy(std::size_t length, std::size_t distance)
    {
        if (distance > m_end)
            return false;
        uint8_t* to = m_window + m_end;
        const uint8_t* from = to - distance;
        if (distance >= length) {
            std::memcpy(to, from, length);
        } else {
            // Overlapping: each byte may be one this copy has just written.
            for (std::size_t i = 0; i < length; ++i)
                to[i] = from[i];
        }
        m_end += length;
        return true;
    }

    bool WriteWhenFull()
    {
        if (m_end < CDclExplodeArea::kFlushAt)
            return true;
        if (!WritePending())
            return false;
        std::memmove(m_window, m_window + m_end - kDclMaxDictionary, kDclMaxDictionary);
        m_end = m_written = kDclMaxDictionary;
        return true;
    }

    bool WritePending()
    {
        const bool taken = m_end == m_written || m_write(m_window + m_written, m_end - m_written, m_user);
        m_written = m_end;
        return taken;
    }

private:
    uint8_t* m_window;
    DclWriteCallback m_write;
    void* m_user;
    std::size_t m_end = 0;     // bytes in the window
    std::size_t m_written = 0; // of those, already given to the write callback
};

int ExpandTokens(CDclBitReader& bits, int dictionaryBits, CExpandedBytes& out)
{
    for (;;) {
        const CDclToken token = ReadDclToken(bits, dictionaryBits);
        switch (token.m_kind) {
        case CDclToken::LITERAL:
            out.PutLiteral(token.m_byLiteral);
            break;
        case CDclToken::COPY:
            if (!out.Copy(token.m_wLength, token.m_wDistance))
                return DCL_DAMAGED;
            break;
        case CDclToken::END:
            return out.WritePending() ? DCL_OK : DCL_OUTPUT_REFUSED;
        case CDclToken::CUT_SHORT:
            return DCL_DAMAGED;
        }
        if (!out.WriteWhenFull())
            return DCL_OUTPUT_REFUSED;
    }
}

} // namespace

int DclExplode(DclReadCallback read, DclWriteCallback write, CDclWorkArea& work, void* user)
{
    CDclBitReader bits(read, user, work.m_explode.m_input.data());
    if (bits.ReadFirstChunk() < kShortestStream)
        return DCL_INPUT_TOO_SHORT;
    const int literalMode = bits.TakeByte();
    const int dictionaryBits = bits.TakeByte();
    if (dictionaryBits < kFewestDictionaryBits || dictionaryBits > kMostDictionaryBits)
        return DCL_BAD_DICTIONARY;
    if (literalMode != DCL_BINARY)
        return DCL_BAD_LITERAL_MODE;
    CExpandedBytes out(work.m_explode, write, user);
    return ExpandTokens(bits, dictionaryBits, out);
}
