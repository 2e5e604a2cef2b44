#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

// The fixed prefix codes of the DCL implode format: the 16 copy-length classes and the 64 high
// parts of a copy distance. The stream is read from the least significant bit of each byte up,
// so a code is kept as it arrives: its first bit in bit 0.

struct CDclCode {
    uint16_t m_wBits = 0;
    uint8_t m_byLength = 0;
};

// A code with a decoding index: any 8 stream bits name the symbol whose code they begin with.
template <std::size_t Symbols>
struct CDclCodeTable {
    std::array<CDclCode, Symbols> m_codes{};
    std::array<uint8_t, 256> m_symbolOf{};
};

namespace dcl_detail {

constexpr uint16_t ReverseBits(uint16_t bits, int length)
{
    uint16_t reversed = 0;
    for (int i = 0; i < length; ++i)
        reversed = uint16_t(reversed << 1 | ((bits >> i) & 1));
    return reversed;
}

// The format's codes are the canonical codes of their lengths with every bit inverted: shorter
// codes and, within a length, lower symbols take the higher bit patterns.
template <std::size_t Symbols>
constexpr CDclCodeTable<Symbols> BuildCodeTable(const std::array<uint8_t, Symbols>& lengths)
{
    CDclCodeTable<Symbols> table;
    uint16_t next = 0;
    int previousLength = 0;
    for (int length = 1; length <= 8; ++length) {
        for (std::size_t symbol = 0; symbol < Symbols; ++symbol) {
            if (lengths[symbol] != length)
                continue;
            next = uint16_t(next << (length - previousLength));
            previousLength = length;
            const uint16_t inverted = uint16_t(~next & ((1u << length) - 1));
            table.m_codes[symbol] = {ReverseBits(inverted, length), uint8_t(length)};
            ++next;
        }
    }
    for (std::size_t symbol = 0; symbol < Symbols; ++symbol) {
        const CDclCode code = table.m_codes[symbol];
        for (unsigned high = 0; high < (256u >> code.m_byLength); ++high)
            table.m_symbolOf[code.m_wBits | high << code.m_byLength] = uint8_t(symbol);
    }
    return table;
}

constexpr std::array<uint8_t, 16> kLengthCodeLengths = {3, 2, 3, 3, 4, 4, 4, 5, 5, 5, 5, 6, 6, 6, 7, 7};

constexpr std::array<uint8_t, 64> DistanceCodeLengths()
{
    std::array<uint8_t, 64> lengths{};
    // One code of 2 bits, two of 4, four of 5, fifteen of 6, twenty-six of 7, sixteen of 8.
    constexpr std::array<std::pair<int, int>, 6> runs = {{{1, 2}, {2, 4}, {4, 5}, {15, 6}, {26, 7}, {16, 8}}};
    std::size_t symbol = 0;
    for (const auto& [count, length] : runs)
        for (int i = 0; i < count; ++i)
            lengths[symbol++] = uint8_t(length);
    return lengths;
}

} // namespace dcl_detail

inline constexpr CDclCodeTable<16> kDclLengthCode = dcl_detail::BuildCodeTable(dcl_detail::kLengthCodeLengths);
inline constexpr CDclCodeTable<64> kDclDistanceCode = dcl_detail::BuildCodeTable(dcl_detail::DistanceCodeLengths());

// Copy lengths: class c covers m_wBase .. m_wBase + 2^m_byExtraBits - 1, the extra bits following
// the class code. The last length of the last class, 519, is the end of the stream.
struct CDclLengthClass {
    uint16_t m_wBase;
    uint8_t m_byExtraBits;
};

inline constexpr std::array<CDclLengthClass, 16> kDclLengthClasses = {{
    {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}, {9, 0},
    {10, 1}, {12, 2}, {16, 3}, {24, 4}, {40, 5}, {72, 6}, {136, 7}, {264, 8},
}};

inline constexpr int kDclEndLength = 519;

// The class of a copy length from 2 to 519.
constexpr int DclLengthClassOf(int length)
{
    int lengthClass = int(kDclLengthClasses.size()) - 1;
    while (lengthClass > 0 && kDclLengthClasses[lengthClass].m_wBase > length)
        --lengthClass;
    return lengthClass;
}
