#include "tests/model/support/DclStreams.h"

#include <gtest/gtest.h>

namespace {

// A copy in the format's terms: class code, extra bits, distance code, low bits.
CStreamBuilder Copy(CStreamBuilder stream, const char* lengthCode, unsigned extra, int extraBits,
                    const char* distanceCode, unsigned low, int lowBits)
{
    stream.Code("1").Code(lengthCode).Value(extra, extraBits).Code(distanceCode).Value(low, lowBits);
    return stream;
}

// A copy coded with the tables, which DclCodes_test holds to the published codes.
CStreamBuilder& CopyOf(CStreamBuilder& stream, int length, int distance, int dictionaryBits)
{
    const int lengthClass = DclLengthClassOf(length);
    const CDclCode lengthCode = kDclLengthCode.m_codes[lengthClass];
    const int lowBits = length == 2 ? 2 : dictionaryBits;
    const CDclCode distanceCode = kDclDistanceCode.m_codes[(distance - 1) >> lowBits];
    stream.Code("1").Value(lengthCode.m_wBits, lengthCode.m_byLength);
    stream.Value(unsigned(length - kDclLengthClasses[lengthClass].m_wBase), kDclLengthClasses[lengthClass].m_byExtraBits);
    return stream.Value(distanceCode.m_wBits, distanceCode.m_byLength).Value(unsigned(distance - 1) & ((1u << lowBits) - 1), lowBits);
}

void AppendCopy(Bytes& bytes, std::size_t length, std::size_t distance)
{
    for (std::size_t i = 0; i < length; ++i)
        bytes.push_back(bytes[bytes.size() - distance]);
}

// A stream with the result of expanding it, and what it expands to when that succeeds.
struct ExplodeCase {
    const char* name;
    Bytes stream;
    int result;
    Bytes expanded = {};
};

class DclExplodeStream : public ::testing::TestWithParam<ExplodeCase> {};

TEST_P(DclExplodeStream, GivesItsResult)
{
    const CDclRun run = RunExplode(GetParam().stream);
    EXPECT_EQ(run.m_result, GetParam().result);
    if (run.m_result == DCL_OK) {
        EXPECT_EQ(run.m_output, GetParam().expanded);
    }
}

const auto kCaseName = [](const auto& info) { return std::string(info.param.name); };

INSTANTIATE_TEST_SUITE_P(Valid, DclExplodeStream, ::testing::Values(
    ExplodeCase{"known_vector", {0x00, 0x04, 0x82, 0x24, 0x25, 0x8F, 0x80, 0x7F}, DCL_OK, BytesOf("AIAIAIAIAIAIA")},
    ExplodeCase{"nothing", {0x00, 0x06, 0x01, 0xFF}, DCL_OK, {}},
    ExplodeCase{"literals", CStreamBuilder(0, 6).Literal('x').Literal(0xFF).Literal(0).End().Build(), DCL_OK, {'x', 0xFF, 0}},
    // Length 8 at distance 2: the copy repeats the bytes it writes.
    ExplodeCase{"overlapping_copy", Copy(LiteralsOf("ab"), "0011", 0, 0, "11", 1, 6).End().Build(), DCL_OK, BytesOf("ababababab")},
    // A copy of two has two low distance bits: distance (1 << 2 | 2) + 1 = 7.
    ExplodeCase{"pair_copy", Copy(LiteralsOf("abcdefg"), "101", 0, 0, "1011", 2, 2).End().Build(), DCL_OK, BytesOf("abcdefgab")},
    ExplodeCase{"longest_copy", Copy(LiteralsOf("z", 4), "0000000", 518 - 264, 8, "11", 0, 4).End().Build(), DCL_OK, Bytes(519, 'z')}),
    kCaseName);

INSTANTIATE_TEST_SUITE_P(Corruptions, DclExplodeStream, ::testing::Values(
    ExplodeCase{"empty", {}, DCL_INPUT_TOO_SHORT},
    ExplodeCase{"three_bytes", {0x00, 0x06, 0x01}, DCL_INPUT_TOO_SHORT},
    ExplodeCase{"dictionary_byte_3", {0x00, 0x03, 0x01, 0xFF}, DCL_BAD_DICTIONARY},
    ExplodeCase{"dictionary_byte_7", {0x00, 0x07, 0x01, 0xFF}, DCL_BAD_DICTIONARY},
    ExplodeCase{"literal_mode_2", {0x02, 0x06, 0x01, 0xFF}, DCL_BAD_LITERAL_MODE},
    ExplodeCase{"ascii_literals", {0x01, 0x06, 0x01, 0xFF}, DCL_BAD_LITERAL_MODE},
    ExplodeCase{"no_end_code", LiteralsOf("abc").Build(), DCL_DAMAGED},
    ExplodeCase{"cut_in_length_code", LiteralsOf("ab").Code("1").Code("00").Build(), DCL_DAMAGED},
    ExplodeCase{"cut_in_extra_bits", LiteralsOf("ab").Code("1").Code("00011").Value(1, 1).Build(), DCL_DAMAGED},
    ExplodeCase{"cut_in_distance", LiteralsOf("ab").Code("1").Code("11").Build(), DCL_DAMAGED},
    ExplodeCase{"cut_in_low_bits", LiteralsOf("ab").Code("1").Code("11").Code("11").Value(1, 2).Build(), DCL_DAMAGED},
    ExplodeCase{"copy_before_first_byte", CStreamBuilder(0, 6).Code("1").Code("11").Code("11").Value(0, 6).End().Build(), DCL_DAMAGED},
    ExplodeCase{"copy_beyond_expanded", LiteralsOf("ab").Code("1").Code("11").Code("11").Value(2, 6).End().Build(), DCL_DAMAGED},
    ExplodeCase{"all_ones", {0x00, 0x06, 0xFF, 0xFF, 0xFF, 0xFF}, DCL_DAMAGED},
    ExplodeCase{"all_zeros", Bytes(40, 0x00), DCL_BAD_DICTIONARY},
    ExplodeCase{"zero_bits", {0x00, 0x06, 0x00, 0x00, 0x00, 0x00}, DCL_DAMAGED}),
    kCaseName);

class DclExplodeDictionary : public ::testing::TestWithParam<int> {};

// The low distance bits are as many as the dictionary byte says; the farthest copy reaches the
// first byte of a full dictionary.
TEST_P(DclExplodeDictionary, LowDistanceBitsFollowTheDictionaryByte)
{
    const int bits = GetParam();
    const std::size_t dictionary = std::size_t(64) << bits;
    CStreamBuilder stream(0, uint8_t(bits));
    Bytes expected;
    for (std::size_t i = 0; i < dictionary; ++i) {
        expected.push_back(uint8_t(i * 7 + i / 256));
        stream.Literal(expected.back());
    }
    stream = Copy(stream, "11", 0, 0, "00000000", (1u << bits) - 1, bits); // length 3, the farthest distance
    AppendCopy(expected, 3, dictionary);
    stream = Copy(stream, "011", 0, 0, "1011", 5, bits); // length 5, distance 2^bits + 6
    AppendCopy(expected, 5, (std::size_t(1) << bits) + 6);
    const CDclRun run = RunExplode(stream.End().Build(), 5);
    EXPECT_EQ(run.m_result, DCL_OK);
    EXPECT_EQ(run.m_output, expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, DclExplodeDictionary, ::testing::Values(4, 5, 6));

TEST(DclExplode, CopiesReachBackAcrossWrittenOutput)
{
    // Far more than the window holds, so the last copy reads history that was written out and
    // moved down.
    CStreamBuilder stream(0, 6);
    Bytes expected;
    for (int i = 0; i < 300; ++i) {
        expected.push_back(uint8_t(i * 11));
        stream.Literal(expected.back());
    }
    for (int round = 0; round < 40; ++round) {
        CopyOf(stream, 516, 300, 6);
        AppendCopy(expected, 516, 300);
    }
    CopyOf(stream, 300, 4096, 6);
    AppendCopy(expected, 300, 4096);
    const CDclRun run = RunExplode(stream.End().Build());
    EXPECT_EQ(run.m_result, DCL_OK);
    EXPECT_EQ(run.m_output, expected);
}

TEST(DclExplode, RefusedOutputStopsTheExpansion)
{
    CStreamBuilder stream = LiteralsOf("q");
    for (int round = 0; round < 40; ++round)
        CopyOf(stream, 516, 1, 6);
    CMemoryStreams streams(stream.End().Build());
    streams.m_refuseAfter = 0;
    EXPECT_EQ(DclExplode(CMemoryStreams::Read, CMemoryStreams::Write, TestWorkArea(), &streams), DCL_OUTPUT_REFUSED);
    EXPECT_EQ(streams.m_writes, 1u);
    EXPECT_TRUE(streams.m_output.empty());
}

// A read callback that claims more bytes than it was asked for is held to what it was asked.
TEST(DclExplode, OverclaimingReadCallbackStaysInsideTheChunk)
{
    struct Liar {
        static std::size_t Read(uint8_t* buffer, std::size_t size, void* user)
        {
            if ((*static_cast<int*>(user))++ > 0)
                return 0;
            std::memset(buffer, 0, size);
            buffer[1] = 6;
            return size + 1000;
        }
        static bool Write(const uint8_t*, std::size_t, void*) { return true; }
    };
    int calls = 0;
    EXPECT_EQ(DclExplode(Liar::Read, Liar::Write, TestWorkArea(), &calls), DCL_DAMAGED);
}

} // namespace
