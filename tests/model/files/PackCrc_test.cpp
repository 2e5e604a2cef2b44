#include "model/files/PackCrc.h"

#include <gtest/gtest.h>

TEST(PackCrcTest, FollowsTheBitwiseRuleWithItsOwnConstant)
{
    // Worked by hand: bit 0 differs from the empty crc, then the constant's own low bit keeps
    // differing from the zero bits that follow.
    EXPECT_EQ(PackCrcUpdateByte(0, 0x01), 0xC0C00001u);
    EXPECT_EQ(PackCrcUpdateByte(0, 0x00), 0u);
    // A buffer and a NUL-terminated text (length 0) fold the same bytes.
    const uint32_t byStep =
        PackCrcUpdateByte(PackCrcUpdateByte(PackCrcUpdateByte(0, 'a'), 'b'), 'c');
    EXPECT_EQ(byStep, 0x2969A8C0u); // differs from the common CRC-32 of "abc", 0x352441C2
    EXPECT_EQ(PackCrcUpdate(0, "abc", 3), byStep);
    EXPECT_EQ(PackCrcUpdate(0, "abc", 0), byStep);
    EXPECT_EQ(PackCrcUpdate(0x12345678, "\xff\x00\x80", 3), 0x773EE252u);
    EXPECT_EQ(PackCrcUpdate(77, nullptr, 3), 77u);
    EXPECT_EQ(PackCrcUpdate(77, "", 0), 77u);
}

TEST(PackCrcTest, EveryByteFromAnyRegisterFollowsTheBitwiseRule)
{
    const auto bitwise = [](uint32_t crc, uint8_t byte) {
        for (int bit = 0; bit < 8; ++bit, byte >>= 1)
            crc = ((byte ^ crc) & 1) ? (crc >> 1) ^ 0xA0000001u : crc >> 1;
        return crc;
    };
    for (uint32_t crc : {0u, 1u, 0x80000000u, 0xFFFFFFFFu, 0x2969A8C0u})
        for (int byte = 0; byte < 256; ++byte)
            ASSERT_EQ(PackCrcUpdateByte(crc, uint8_t(byte)), bitwise(crc, uint8_t(byte))) << crc << " " << byte;
}
