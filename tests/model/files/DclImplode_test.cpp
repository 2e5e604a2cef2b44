#include "bench/generator/PickListText.h"
#include "tests/model/support/DclStreams.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <tuple>

namespace {

Bytes FirmListText(std::size_t entries)
{
    return BytesOf(GeneratePickListText(entries, 11));
}

Bytes RandomBytes(std::size_t count)
{
    std::mt19937 random(7);
    Bytes bytes(count);
    for (uint8_t& byte : bytes)
        byte = uint8_t(random());
    return bytes;
}

Bytes Repeated(std::string_view pattern, std::size_t times)
{
    Bytes bytes;
    for (std::size_t i = 0; i < times; ++i)
        bytes.insert(bytes.end(), pattern.begin(), pattern.end());
    return bytes;
}

struct DataKind {
    const char* name;
    Bytes (*make)();
};

const DataKind kKinds[] = {
    {"empty", [] { return Bytes(); }},
    {"one_byte", [] { return Bytes{0x42}; }},
    {"firm_list", [] { return FirmListText(900); }},
    {"random", [] { return RandomBytes(20000); }},
    {"zeros", [] { return Bytes(70000, 0); }},
    {"period_three", [] { return Repeated("abc", 5000); }},
    {"mixed", [] { return Concat({FirmListText(200), RandomBytes(5000), FirmListText(200)}); }},
};

class DclRoundTrip : public ::testing::TestWithParam<std::tuple<int, DataKind>> {};

TEST_P(DclRoundTrip, ExplodeGivesBackWhatImplodeWasGiven)
{
    const auto& [dictionary, kind] = GetParam();
    const Bytes data = kind.make();
    const CDclRun imploded = RunImplode(data, dictionary);
    ASSERT_EQ(imploded.m_result, DCL_OK);
    const CDclRun exploded = RunExplode(imploded.m_output);
    ASSERT_EQ(exploded.m_result, DCL_OK);
    EXPECT_EQ(exploded.m_output, data);
    // The input read in small pieces is coded the same.
    EXPECT_EQ(RunImplode(data, dictionary, 7).m_output, imploded.m_output);
}

INSTANTIATE_TEST_SUITE_P(Dictionaries, DclRoundTrip,
    ::testing::Combine(::testing::Values(1024, 2048, 4096), ::testing::ValuesIn(kKinds)),
    [](const auto& info) {
        return std::get<1>(info.param).name + std::string("_") + std::to_string(std::get<0>(info.param));
    });

TEST(DclImplode, WritesTheKnownStreams)
{
    EXPECT_EQ(RunImplode({}).m_output, (Bytes{0x00, 0x06, 0x01, 0xFF}));
    EXPECT_EQ(RunImplode({}, 1024).m_output, (Bytes{0x00, 0x04, 0x01, 0xFF}));
    EXPECT_EQ(RunImplode(BytesOf("A")).m_output, (Bytes{0x00, 0x06, 0x82, 0x02, 0xFE, 0x01}));
    EXPECT_EQ(RunImplode(BytesOf("AIAIAIAIAIAIA"), 1024).m_output,
              (Bytes{0x00, 0x04, 0x82, 0x24, 0x25, 0x8F, 0x80, 0x7F}));
}

TEST(DclImplode, RefusesBadSettings)
{
    CMemoryStreams streams;
    auto implode = [&](int mode, int size) {
        return DclImplode(CMemoryStreams::Read, CMemoryStreams::Write, TestWorkArea(), &streams, mode, size);
    };
    EXPECT_EQ(implode(DCL_BINARY, 1000), DCL_BAD_DICTIONARY);
    EXPECT_EQ(implode(DCL_BINARY, 8192), DCL_BAD_DICTIONARY);
    EXPECT_EQ(implode(7, 4000), DCL_BAD_DICTIONARY);
    EXPECT_EQ(implode(DCL_ASCII, 4096), DCL_BAD_LITERAL_MODE);
    EXPECT_EQ(implode(2, 2048), DCL_BAD_LITERAL_MODE);
    EXPECT_TRUE(streams.m_output.empty());
}

TEST(DclImplode, RefusedOutputStopsTheWork)
{
    CMemoryStreams streams(RandomBytes(30000));
    streams.m_refuseAfter = 1;
    EXPECT_EQ(DclImplode(CMemoryStreams::Read, CMemoryStreams::Write, TestWorkArea(), &streams, DCL_BINARY, 4096),
              DCL_OUTPUT_REFUSED);
    EXPECT_EQ(streams.m_writes, 2u);
}

// Bytes whose adjacent pairs all differ, above the letters used around them: nothing in them
// can be copied from anywhere.
Bytes Filler(std::size_t count)
{
    std::set<std::pair<uint8_t, uint8_t>> used;
    Bytes bytes{0x80};
    while (bytes.size() < count) {
        uint8_t next = 0x80;
        while (!used.insert({bytes.back(), next}).second)
            ++next;
        bytes.push_back(next);
    }
    return bytes;
}

// The tokens that code the last bytes of the data, up to the end code.
std::vector<CDclToken> LastTokens(const Bytes& data, std::size_t count)
{
    const std::vector<CDclToken> tokens = TokensOf(RunImplode(data).m_output);
    EXPECT_EQ(tokens.back().m_kind, CDclToken::END);
    return std::vector<CDclToken>(tokens.end() - std::ptrdiff_t(count + 1), tokens.end() - 1);
}

void ExpectCopy(const CDclToken& token, int length, int distance)
{
    EXPECT_EQ(token.m_kind, CDclToken::COPY);
    EXPECT_EQ(token.m_wLength, length);
    EXPECT_EQ(token.m_wDistance, distance);
}

void ExpectLiteral(const CDclToken& token, uint8_t byte)
{
    EXPECT_EQ(token.m_kind, CDclToken::LITERAL);
    EXPECT_EQ(token.m_byLiteral, byte);
}

TEST(DclImplode, CopiesAreNeverLongerThan516)
{
    std::size_t longest = 0;
    for (const CDclToken& token : TokensOf(RunImplode(Bytes(3000, 'z')).m_output))
        longest = std::max<std::size_t>(longest, token.m_wLength);
    EXPECT_EQ(longest, 516u);
}

TEST(DclImplode, PairIsCopiedOnlyFromTheLast256Bytes)
{
    const std::vector<CDclToken> near = LastTokens(Concat({BytesOf("QZ"), Filler(254), BytesOf("QZ")}), 1);
    ExpectCopy(near[0], 2, 256);
    const std::vector<CDclToken> far = LastTokens(Concat({BytesOf("QZ"), Filler(255), BytesOf("QZ")}), 2);
    ExpectLiteral(far[0], 'Q');
    ExpectLiteral(far[1], 'Z');
}

TEST(DclImplode, ShortMatchGivesWayToOneTwoLonger)
{
    // At 'a' "abc" matches; a byte later "bcdef" does.
    const Bytes data = Concat({BytesOf("abcQRbcdefST"), BytesOf("abcdef")});
    const std::vector<CDclToken> tokens = LastTokens(data, 2);
    ExpectLiteral(tokens[0], 'a');
    ExpectCopy(tokens[1], 5, 8);
}

TEST(DclImplode, FarShortMatchGivesWayToOneOneLonger)
{
    const Bytes far = Concat({BytesOf("abcPbcde"), Filler(140), BytesOf("abcde")});
    const std::vector<CDclToken> farTokens = LastTokens(far, 2);
    ExpectLiteral(farTokens[0], 'a');
    ExpectCopy(farTokens[1], 4, 145);
    // Nearer than 129 bytes the first match stays.
    const Bytes near = Concat({BytesOf("abcPbcde"), Filler(100), BytesOf("abcde")});
    const std::vector<CDclToken> nearTokens = LastTokens(near, 2);
    ExpectCopy(nearTokens[0], 3, 108);
    ExpectCopy(nearTokens[1], 2, 105);
}

TEST(DclImplode, SearchStopsAtTheFirstMatchLongerThanTen)
{
    const Bytes twenty = BytesOf("ABCDEFGHIJKLMNOPQRST");
    const Bytes eleven = Concat({Bytes(twenty.begin(), twenty.begin() + 11), BytesOf("x")});
    const Bytes data = Concat({twenty, Filler(40), eleven, Filler(30), twenty});
    // The nearer eleven bytes are taken although twenty match farther back.
    const std::vector<CDclToken> tokens = LastTokens(data, 2);
    ExpectCopy(tokens[0], 11, 42);
    ExpectCopy(tokens[1], 9, 102);
}

} // namespace
