#pragma once

#include "model/files/Dcl.h"
#include "model/files/DclTokenReader.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline Bytes BytesOf(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

inline Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes bytes;
    for (const Bytes& part : parts)
        bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

// Builds a DCL stream by hand: header bytes, then bits in the order the stream carries them.
class CStreamBuilder {
public:
    CStreamBuilder(uint8_t literalMode, uint8_t dictionaryBits) : m_bytes{literalMode, dictionaryBits} {}

    // Bits as written in a format description: the first one read first.
    CStreamBuilder& Code(std::string_view bits)
    {
        for (char bit : bits)
            PutBit(bit == '1');
        return *this;
    }
    // A number of `count` bits, least significant first.
    CStreamBuilder& Value(unsigned value, int count)
    {
        for (int i = 0; i < count; ++i)
            PutBit((value >> i) & 1);
        return *this;
    }
    CStreamBuilder& Literal(uint8_t byte) { return Code("0").Value(byte, 8); }
    CStreamBuilder& End() { return Code("1").Code("0000000").Value(255, 8); }

    Bytes Build() const { return m_bytes; }

private:
    void PutBit(bool bit)
    {
        if (m_used % 8 == 0)
            m_bytes.push_back(0);
        if (bit)
            m_bytes.back() = uint8_t(m_bytes.back() | 1 << (m_used % 8));
        ++m_used;
    }

    Bytes m_bytes;
    std::size_t m_used = 0;
};

// A binary-literal stream that starts with the bytes of `text`, ready for more codes.
inline CStreamBuilder LiteralsOf(std::string_view text, uint8_t dictionaryBits = 6)
{
    CStreamBuilder stream(0, dictionaryBits);
    for (char c : text)
        stream.Literal(uint8_t(c));
    return stream;
}

// Feeds bytes to implode or explode in pieces of at most m_piece, and collects what they write.
struct CMemoryStreams {
    explicit CMemoryStreams(Bytes input = {}, std::size_t piece = SIZE_MAX) : m_input(std::move(input)), m_piece(piece) {}

    Bytes m_input;
    std::size_t m_piece;
    std::size_t m_readAt = 0;
    Bytes m_output;
    std::size_t m_refuseAfter = SIZE_MAX; // write calls taken before the next is refused
    std::size_t m_writes = 0;

    static std::size_t Read(uint8_t* buffer, std::size_t size, void* user)
    {
        auto& self = *static_cast<CMemoryStreams*>(user);
        const std::size_t count = std::min({size, self.m_piece, self.m_input.size() - self.m_readAt});
        std::copy_n(self.m_input.begin() + std::ptrdiff_t(self.m_readAt), count, buffer);
        self.m_readAt += count;
        return count;
    }
    static bool Write(const uint8_t* buffer, std::size_t count, void* user)
    {
        auto& self = *static_cast<CMemoryStreams*>(user);
        if (self.m_writes++ >= self.m_refuseAfter)
            return false;
        self.m_output.insert(self.m_output.end(), buffer, buffer + count);
        return true;
    }
};

struct CDclRun {
    int m_result;
    Bytes m_output;
};

inline CDclWorkArea& TestWorkArea()
{
    static const auto area = std::make_unique<CDclWorkArea>();
    return *area;
}

inline CDclRun RunExplode(const Bytes& stream, std::size_t piece = SIZE_MAX)
{
    CMemoryStreams streams(stream, piece);
    const int result = DclExplode(CMemoryStreams::Read, CMemoryStreams::Write, TestWorkArea(), &streams);
    return {result, streams.m_output};
}

inline CDclRun RunImplode(const Bytes& data, int dictionarySize = 4096, std::size_t piece = SIZE_MAX)
{
    CMemoryStreams streams(data, piece);
    const int result = DclImplode(CMemoryStreams::Read, CMemoryStreams::Write, TestWorkArea(), &streams,
                                  DCL_BINARY, dictionarySize);
    return {result, streams.m_output};
}

// The tokens of a binary-literal stream, the end token included, to see what implode chose.
inline std::vector<CDclToken> TokensOf(const Bytes& stream)
{
    CMemoryStreams streams(stream);
    uint8_t chunk[kDclInputChunk];
    CDclBitReader bits(CMemoryStreams::Read, &streams, chunk);
    bits.ReadFirstChunk();
    bits.TakeByte();
    const int dictionaryBits = bits.TakeByte();
    std::vector<CDclToken> tokens;
    do
        tokens.push_back(ReadDclToken(bits, dictionaryBits));
    while (tokens.back().m_kind == CDclToken::LITERAL || tokens.back().m_kind == CDclToken::COPY);
    return tokens;
}
