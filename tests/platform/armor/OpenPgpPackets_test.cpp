#include "platform/armor/OpenPgpPackets.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A packet with the body's length in one (old format) or two bytes (new format).
std::string Packet(unsigned tag, const std::string& body, bool newFormat = false)
{
    const std::size_t size = body.size();
    if (newFormat)
        return std::string{char(0xC0 | tag), char(((size - 192) >> 8) + 192), char(size - 192)} + body;
    return std::string{char(0x80 | tag << 2), char(size)} + body;
}

// A key as GnuPG writes it: the key packet (of any version), a user ID, a signature, a subkey.
std::string Key(unsigned tag = 6, char version = 4)
{
    return Packet(tag, version + std::string(50, 'k')) + Packet(13, "Pat <pat@acme.example>")
           + Packet(2, std::string(200, 's')) + Packet(14, std::string(70, 'u'));
}

} // namespace

TEST(KeyPacketCount, CountsPublicAndSecretKeyPacketsOfEveryVersionAndLengthForm)
{
    EXPECT_EQ(KeyPacketCount(""), 0u);
    EXPECT_EQ(KeyPacketCount(Key() + Key(6, 9) + Key(5, 6)), 3u);
    EXPECT_EQ(KeyPacketCount(Packet(13, "uid") + Packet(2, "sig") + Packet(14, "sub") + Packet(7, "sub")), 0u);
    const std::string longLengths = std::string{char(0x80 | 6 << 2 | 1), 1, 0} + std::string(256, 'k')
                                    + std::string{char(0xC6), char(255), 0, 0, 0, 1, 'k'};
    // Partial lengths: chunks of 2 and 1 bytes, then the last 3.
    const std::string partial = std::string{char(0xC6), char(0xE1), 'a', 'b', char(0xE0), 'c', 3} + "def";
    EXPECT_EQ(KeyPacketCount(longLengths + Packet(5, std::string(300, 'k'), true) + partial + Key()), 5u);
}

TEST(KeyPacketCount, HostileBytesAreReadWithinTheirBoundsAndEndTheCount)
{
    EXPECT_EQ(KeyPacketCount(Key() + Key() + std::string("\0\1\2\3 no packet", 14) + Key()), 2u);
    // An old-format packet of no stated length runs to the end: what follows is its body.
    EXPECT_EQ(KeyPacketCount(char(0x80 | 13 << 2 | 3) + Key()), 0u);
    // Lengths far past the end, with another key's bytes inside them: a key cut short counts.
    const std::string cut[] = {
        {char(0x80 | 6 << 2 | 2), char(0xFF), char(0xFF), char(0xFF), char(0xFF)},
        {char(0xC6), char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF)},
        {char(0xC6), char(0xFE)},
        {char(0xC6), char(0xE1), 'a', 'b', char(0xFF), 0},
    };
    for (const std::string& header : cut)
        EXPECT_EQ(KeyPacketCount(header + Key()), 1u) << int(static_cast<unsigned char>(header[1]));
    // Every prefix, each in a buffer of its own, never counts less than a shorter one.
    const std::string stream = Key() + Key(5) + Key(6, 9);
    std::size_t previous = 0;
    for (std::size_t size = 0; size <= stream.size(); ++size) {
        const std::size_t counted = KeyPacketCount(stream.substr(0, size));
        EXPECT_GE(counted, previous) << size;
        previous = counted;
    }
    EXPECT_EQ(previous, 3u);
    EXPECT_EQ(KeyPacketCount(stream.substr(0, Key().size() + 1)), 2u) << "a key packet's header byte alone";
}
