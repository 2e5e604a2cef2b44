#include "model/files/Dcl.h"
#include "model/files/DclCodes.h"
#include "model/files/DclMatchFinder.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

// Packs bits from the least significant bit of each byte up and hands the bytes on a chunk at a
// time. Once the write callback refuses, everything further is dropped.
class CDclBitWriter {
public:
    CDclBitWriter(DclWriteCallback write, void* user, std::array<uint8_t, kDclOutputChunk>& chunk)
        : m_write(write), m_user(user), m_chunk(chunk)
    {
    }

    void Put(uint32_t bits, int count)
    {
        m_bits |= uint64_t(bits) << m_count;
        m_count += count;
        for (; m_count >= 8; m_count -= 8, m_bits >>= 8)
            PutByte(uint8_t(m_bits));
    }
    void Put(const CDclCode& code) { Put(code.m_wBits, code.m_byLength); }

    // The last partial byte, padded with zero bits, and every byte still held.
    bool Finish()
    {
        if (m_count > 0)
            Put(0, 8 - m_count);
        WriteChunk();
        return !m_refused;
    }

    bool Refused() const { return m_refused; }

private:
    void PutByte(uint8_t byte)
    {
        if (m_used == m_chunk.size())
            WriteChunk();
        m_chunk[m_used++] = byte;
    }

    void WriteChunk()
    {
        if (m_used > 0 && !m_refused)
            m_refused = !m_write(m_chunk.data(), m_used, m_user);
        m_used = 0;
    }

    DclWriteCallback m_write;
    void* m_user;
    std::array<uint8_t, kDclOutputChunk>& m_chunk;
    std::size_t m_used = 0;
    uint64_t m_bits = 0;
    int m_count = 0;
    bool m_refused = false;
};

// A copy of two bytes has two low distance bits: it reaches back at most 256 bytes.
constexpr std::size_t kFarthestPair = 256;
// Below this length a match may give way to a longer one starting a byte later.
constexpr std::size_t kLazyBelow = 8;
// A farther match costs more distance bits; a later match one byte longer then wins.
constexpr std::size_t kFarDistance = 129;

std::optional<CDclMatch> Usable(const CDclMatch& match)
{
    if (match.m_length < 2 || (match.m_length == 2 && match.m_distance > kFarthestPair))
        return std::nullopt;
    return match;
}

bool LaterIsBetter(const CDclMatch& now, const std::optional<CDclMatch>& later)
{
    if (!later)
        return false;
    return later->m_length >= now.m_length + 2
        || (later->m_length == now.m_length + 1 && now.m_distance >= kFarDistance);
}

class CImploder {
public:
    CImploder(DclReadCallback read, DclWriteCallback write, CDclImplodeArea& area, void* user,
              int dictionaryBits)
        : m_read(read), m_user(user), m_area(area), m_dictionaryBits(dictionaryBits),
          m_dictionarySize(std::size_t(64) << dictionaryBits), m_out(write, user, area.m_output),
          m_finder(area, m_dictionarySize)
    {
    }

    int Run()
    {
        m_out.Put(DCL_BINARY, 8);
        m_out.Put(uint32_t(m_dictionaryBits), 8);
        for (;;) {
            const bool ended = FillWindow();
            const std::size_t codeEnd = ended ? m_end : m_end - kDclMaxMatch;
            const std::size_t from = m_at > m_dictionarySize ? m_at - m_dictionarySize : 0;
            // The position after the last one coded is looked at too, for a lazy match.
            m_finder.Index(from, std::min(codeEnd + 1, m_end > 0 ? m_end - 1 : 0));
            CodeUpTo(codeEnd);
            if (m_out.Refused())
                return DCL_OUTPUT_REFUSED;
            if (ended)
                break;
            Slide();
        }
        PutCopy(kDclEndLength, 0);
        return m_out.Finish() ? DCL_OK : DCL_OUTPUT_REFUSED;
    }

private:
    // True when the input has ended.
    bool FillWindow()
    {
        while (m_end < m_area.m_window.size()) {
            const std::size_t room = m_area.m_window.size() - m_end;
            const std::size_t count = m_read(m_area.m_window.data() + m_end, room, m_user);
            if (count == 0)
                return true;
            m_end += std::min(count, room);
        }
        return false;
    }

    // Keeps one dictionary of history before the next byte to code.
    void Slide()
    {
        if (m_at <= m_dictionarySize)
            return;
        const std::size_t drop = m_at - m_dictionarySize;
        std::memmove(m_area.m_window.data(), m_area.m_window.data() + drop, m_end - drop);
        m_at -= drop;
        m_end -= drop;
    }

    std::optional<CDclMatch> MatchAt(std::size_t at) const
    {
        return Usable(m_finder.Find(at, std::min<std::size_t>(kDclMaxMatch, m_end - at)));
    }

    void CodeUpTo(std::size_t codeEnd)
    {
        std::optional<CDclMatch> known; // the match at m_at, found by the lazy look ahead
        while (m_at < codeEnd) {
            const std::optional<CDclMatch> match = known ? known : MatchAt(m_at);
            known.reset();
            if (match && match->m_length < kLazyBelow) {
                known = MatchAt(m_at + 1);
                if (LaterIsBetter(*match, known)) {
                    PutLiteral(m_area.m_window[m_at++]);
                    continue;
                }
                known.reset();
            }
            if (match) {
                PutCopy(match->m_length, match->m_distance);
                m_at += match->m_length;
            } else {
                PutLiteral(m_area.m_window[m_at++]);
            }
        }
    }

    void PutLiteral(uint8_t byte) { m_out.Put(uint32_t(byte) << 1, 9); }

    void PutCopy(std::size_t length, std::size_t distance)
    {
        const int lengthClass = DclLengthClassOf(int(length));
        const CDclLengthClass lengths = kDclLengthClasses[lengthClass];
        m_out.Put(1, 1);
        m_out.Put(kDclLengthCode.m_codes[lengthClass]);
        m_out.Put(uint32_t(length - lengths.m_wBase), lengths.m_byExtraBits);
        if (length == std::size_t(kDclEndLength))
            return;
        const int lowBits = length == 2 ? 2 : m_dictionaryBits;
        const std::size_t back = distance - 1;
        m_out.Put(kDclDistanceCode.m_codes[back >> lowBits]);
        m_out.Put(uint32_t(back & ((1u << lowBits) - 1)), lowBits);
    }

    DclReadCallback m_read;
    void* m_user;
    CDclImplodeArea& m_area;
    int m_dictionaryBits;
    std::size_t m_dictionarySize;
    CDclBitWriter m_out;
    CDclMatchFinder m_finder;
    std::size_t m_at = 0;  // the next byte to code
    std::size_t m_end = 0; // bytes in the window
};

int DictionaryBitsOf(int dictionarySize)
{
    switch (dictionarySize) {
    case 1024: return 4;
    case 2048: return 5;
    case 4096: return 6;
    default: return 0;
    }
}

} // namespace

int DclImplode(DclReadCallback read, DclWriteCallback write, CDclWorkArea& work, void* user,
               int literalMode, int dictionarySize)
{
    const int dictionaryBits = DictionaryBitsOf(dictionarySize);
    if (dictionaryBits == 0)
        return DCL_BAD_DICTIONARY;
    if (literalMode != DCL_BINARY)
        return DCL_BAD_LITERAL_MODE;
    return CImploder(read, write, work.m_implode, user, dictionaryBits).Run();
}
