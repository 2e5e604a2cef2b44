#include "model/files/DclCodes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A code as a format description writes it: the bit read first on the left.
template <std::size_t N>
std::string CodeText(const CDclCodeTable<N>& table, std::size_t symbol)
{
    const CDclCode code = table.m_codes[symbol];
    std::string text;
    for (int i = 0; i < code.m_byLength; ++i)
        text += ((code.m_wBits >> i) & 1) ? '1' : '0';
    return text;
}

// Every 8-bit pattern begins with exactly one code, and the code lengths use up the whole code
// space: nothing can be read two ways and no bit pattern is left without a meaning.
template <std::size_t N>
void ExpectCompletePrefixCode(const CDclCodeTable<N>& table)
{
    double kraftSum = 0;
    for (const CDclCode& code : table.m_codes)
        kraftSum += 1.0 / double(1u << code.m_byLength);
    EXPECT_EQ(kraftSum, 1.0);
    for (unsigned bits = 0; bits < 256; ++bits) {
        int beginsWith = 0;
        for (std::size_t symbol = 0; symbol < N; ++symbol) {
            const CDclCode code = table.m_codes[symbol];
            if ((bits & ((1u << code.m_byLength) - 1)) == code.m_wBits) {
                ++beginsWith;
                EXPECT_EQ(table.m_symbolOf[bits], symbol) << bits;
            }
        }
        EXPECT_EQ(beginsWith, 1) << bits;
    }
}

TEST(DclCodes, LengthAndDistanceCodesAreCompletePrefixCodes)
{
    ExpectCompletePrefixCode(kDclLengthCode);
    ExpectCompletePrefixCode(kDclDistanceCode);
}

TEST(DclCodes, CodesAreThePublishedOnes)
{
    const char* const lengths[16] = {"101", "11", "100", "011", "0101", "0100", "0011", "00101",
                                      "00100", "00011", "00010", "000011", "000010", "000001",
                                      "0000001", "0000000"};
    for (std::size_t symbol = 0; symbol < 16; ++symbol)
        EXPECT_EQ(CodeText(kDclLengthCode, symbol), lengths[symbol]) << symbol;
    // Distance samples from each code length.
    const std::pair<std::size_t, const char*> distances[] = {
        {0x00, "11"},       {0x01, "1011"},     {0x02, "1010"},     {0x03, "10011"},
        {0x06, "10000"},    {0x07, "011111"},   {0x15, "010001"},   {0x16, "0100001"},
        {0x2F, "0001000"},  {0x30, "00001111"}, {0x3E, "00000001"}, {0x3F, "00000000"},
    };
    for (const auto& [symbol, code] : distances)
        EXPECT_EQ(CodeText(kDclDistanceCode, symbol), code) << symbol;
}

TEST(DclCodes, LengthClassesCoverTwoToTheEndCode)
{
    int expected = 2;
    for (const CDclLengthClass& lengths : kDclLengthClasses) {
        EXPECT_EQ(lengths.m_wBase, expected);
        expected += 1 << lengths.m_byExtraBits;
    }
    EXPECT_EQ(expected - 1, kDclEndLength);
    EXPECT_EQ(DclLengthClassOf(2), 0);
    EXPECT_EQ(DclLengthClassOf(9), 7);
    EXPECT_EQ(DclLengthClassOf(11), 8);
    EXPECT_EQ(DclLengthClassOf(12), 9);
    EXPECT_EQ(DclLengthClassOf(263), 14);
    EXPECT_EQ(DclLengthClassOf(264), 15);
    EXPECT_EQ(DclLengthClassOf(kDclEndLength), 15);
}

} // namespace
