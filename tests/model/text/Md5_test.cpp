#include "model/text/Md5.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string Hex(const uint8_t digest[16])
{
    std::string text;
    char pair[3];
    for (int i = 0; i < 16; ++i) {
        std::snprintf(pair, sizeof pair, "%02x", digest[i]);
        text += pair;
    }
    return text;
}

std::string DigestOf(const std::string& message)
{
    MD5Context context;
    MD5Init(&context);
    MD5Update(&context, reinterpret_cast<const uint8_t*>(message.data()), message.size());
    uint8_t digest[16];
    MD5Final(digest, &context);
    return Hex(digest);
}

struct Vector {
    const char* message;
    const char* digest;
};

class Md5TestSuite : public testing::TestWithParam<Vector> {};

TEST_P(Md5TestSuite, MatchesTheReferenceDigest)
{
    EXPECT_EQ(DigestOf(GetParam().message), GetParam().digest);
}

// The test suite of RFC 1321, appendix A.5.
INSTANTIATE_TEST_SUITE_P(
    Rfc, Md5TestSuite,
    testing::Values(
        Vector{"", "d41d8cd98f00b204e9800998ecf8427e"},
        Vector{"a", "0cc175b9c0f1b6a831c399e269772661"},
        Vector{"abc", "900150983cd24fb0d6963f7d28e17f72"},
        Vector{"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        Vector{"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        Vector{"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
               "d174ab98d277d9f5a5611c2c9f419d9f"},
        Vector{"1234567890123456789012345678901234567890123456789012345678901234567890123456789"
               "0",
               "57edf4a22be3c955ac49da2e2107b67a"}));

TEST(Md5, UpdatesInUnevenChunksGiveTheSameDigest)
{
    std::string message;
    for (int i = 0; i < 1000; ++i)
        message += char(i * 7 + 3);
    const std::string whole = DigestOf(message);

    // Chunk sizes that cross the 64-byte block edge at every offset, including empty updates.
    for (std::size_t chunk : {1u, 3u, 55u, 56u, 63u, 64u, 65u, 200u}) {
        MD5Context context;
        MD5Init(&context);
        for (std::size_t at = 0; at < message.size(); at += chunk) {
            const std::size_t length = std::min(chunk, message.size() - at);
            MD5Update(&context, reinterpret_cast<const uint8_t*>(message.data()) + at, length);
            MD5Update(&context, nullptr, 0);
        }
        uint8_t digest[16];
        MD5Final(digest, &context);
        EXPECT_EQ(Hex(digest), whole) << "chunks of " << chunk;
        EXPECT_EQ(context.state[0], 0u); // the context is wiped
    }
}

} // namespace
