#include "platform/dib/Dib.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

void PutU16(std::vector<uint8_t>& out, std::size_t at, uint32_t v)
{
    out[at] = uint8_t(v);
    out[at + 1] = uint8_t(v >> 8);
}

void PutU32(std::vector<uint8_t>& out, std::size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = uint8_t(v >> (8 * i));
}

// Builds a BMP file; pixel values are palette indices (<= 8 bits) or 0xRRGGBB, given top-down.
struct BmpLayout {
    int32_t width = 2;
    int32_t height = 2;
    uint16_t bitCount = 8;
    bool topDown = false;
    std::vector<DibColor> table;
    std::vector<uint32_t> pixels;
};

std::vector<uint8_t> MakeBmp(const BmpLayout& layout)
{
    const std::size_t stride = (std::size_t(layout.width) * layout.bitCount + 31) / 32 * 4;
    const std::size_t offset = 54 + layout.table.size() * 4;
    std::vector<uint8_t> out(offset + stride * layout.height, 0);
    out[0] = 'B';
    out[1] = 'M';
    PutU32(out, 2, uint32_t(out.size()));
    PutU32(out, 10, uint32_t(offset));
    PutU32(out, 14, 40);
    PutU32(out, 18, uint32_t(layout.width));
    PutU32(out, 22, uint32_t(layout.topDown ? -layout.height : layout.height));
    PutU16(out, 26, 1);
    PutU16(out, 28, layout.bitCount);
    PutU32(out, 46, uint32_t(layout.table.size()));
    for (std::size_t i = 0; i < layout.table.size(); ++i) {
        out[54 + i * 4] = layout.table[i].blue;
        out[54 + i * 4 + 1] = layout.table[i].green;
        out[54 + i * 4 + 2] = layout.table[i].red;
    }
    for (int32_t y = 0; y < layout.height; ++y) {
        const std::size_t fileRow = layout.topDown ? y : layout.height - 1 - y;
        uint8_t* row = out.data() + offset + fileRow * stride;
        for (int32_t x = 0; x < layout.width; ++x) {
            const uint32_t v = layout.pixels[std::size_t(y) * layout.width + x];
            switch (layout.bitCount) {
            case 1: row[x / 8] |= uint8_t((v & 1) << (7 - x % 8)); break;
            case 4: row[x / 2] |= uint8_t((v & 0x0F) << (x % 2 ? 0 : 4)); break;
            case 8: row[x] = uint8_t(v); break;
            default:
                row[x * (layout.bitCount / 8)] = uint8_t(v);
                row[x * (layout.bitCount / 8) + 1] = uint8_t(v >> 8);
                row[x * (layout.bitCount / 8) + 2] = uint8_t(v >> 16);
            }
        }
    }
    return out;
}

const std::vector<DibColor> kFourColours = {
    {0, 0, 0, 0}, {255, 0, 0, 0}, {0, 255, 0, 0}, {10, 20, 30, 0}};

uint32_t Argb(const DibColor& c)
{
    return 0xFF000000u | (uint32_t(c.red) << 16) | (uint32_t(c.green) << 8) | c.blue;
}

struct ValidCase {
    const char* name;
    uint16_t bitCount;
    bool topDown;
};

class DibValid : public ::testing::TestWithParam<ValidCase> {};

// Odd widths exercise the row padding and the packing of sub-byte pixels.
TEST_P(DibValid, DecodesEveryPixelAndTheColourTable)
{
    const ValidCase& c = GetParam();
    BmpLayout layout;
    layout.width = 5;
    layout.height = 3;
    layout.bitCount = c.bitCount;
    layout.topDown = c.topDown;
    std::vector<uint32_t> expected;
    for (int i = 0; i < layout.width * layout.height; ++i) {
        if (c.bitCount <= 8) {
            const unsigned index = unsigned(i) % (c.bitCount == 1 ? 2 : 4);
            layout.pixels.push_back(index);
            expected.push_back(Argb(kFourColours[index]));
        } else {
            const uint32_t rgb = 0x010203u * uint32_t(i + 1);
            layout.pixels.push_back(rgb);
            expected.push_back(0xFF000000u | rgb);
        }
    }
    if (c.bitCount <= 8)
        layout.table.assign(kFourColours.begin(), kFourColours.begin() + (c.bitCount == 1 ? 2 : 4));

    const std::vector<uint8_t> bytes = MakeBmp(layout);
    CDib dib;
    ASSERT_TRUE(dib.LoadFromMemory(bytes.data(), bytes.size())) << dib.GetLastError();
    EXPECT_EQ(dib.GetImage().pixels, expected);
    EXPECT_EQ(dib.GetHeader().m_width, 5);
    EXPECT_EQ(dib.GetHeader().m_height, 3);
    EXPECT_EQ(dib.GetImage().sourceBitCount, c.bitCount);
    if (c.bitCount <= 8) {
        EXPECT_FALSE(dib.HasHalftonePalette());
        EXPECT_EQ(dib.GetPalette(), layout.table);
    } else {
        EXPECT_TRUE(dib.HasHalftonePalette());
        EXPECT_EQ(dib.GetPalette(), MakeHalftonePalette());
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, DibValid,
    ::testing::Values(ValidCase{"mono", 1, false}, ValidCase{"nibble", 4, true},
                      ValidCase{"byte", 8, false}, ValidCase{"byteTopDown", 8, true},
                      ValidCase{"rgb", 24, false}, ValidCase{"rgbTopDown", 24, true},
                      ValidCase{"rgbx", 32, false}),
    [](const auto& info) { return std::string(info.param.name); });

// An 8-bit picture's palette has as many entries as its table; an index beyond the table shows
// black.
TEST(Dib, PaletteTakesTheTablesSize)
{
    BmpLayout sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen.table.push_back(DibColor{uint8_t(i * 3), uint8_t(i * 5), uint8_t(i * 7), 0});
    sixteen.pixels = {0, 15, 7, 1};
    BmpLayout two;
    two.table = {{200, 100, 50, 0}, {1, 2, 3, 0}};
    two.pixels = {0, 1, 255, 2};
    for (const BmpLayout& layout : {sixteen, two}) {
        const std::vector<uint8_t> bytes = MakeBmp(layout);
        CDib dib;
        ASSERT_TRUE(dib.LoadFromMemory(bytes.data(), bytes.size()));
        EXPECT_EQ(dib.GetPalette(), layout.table);
        const bool shortTable = layout.table.size() == 2;
        EXPECT_EQ(dib.GetImage().pixels[1], Argb(layout.table[shortTable ? 1 : 15]));
        EXPECT_EQ(dib.GetImage().pixels[2], shortTable ? 0xFF000000u : Argb(layout.table[7]));
    }
}

TEST(Dib, SecondLoadReplacesPaletteAndFailedLoadLeavesObjectEmpty)
{
    BmpLayout indexed;
    indexed.table = kFourColours;
    indexed.pixels = {0, 1, 2, 3};
    BmpLayout rgb;
    rgb.bitCount = 24;
    rgb.pixels = {1, 2, 3, 4};
    const std::vector<uint8_t> first = MakeBmp(indexed);
    const std::vector<uint8_t> second = MakeBmp(rgb);

    CDib dib;
    ASSERT_TRUE(dib.LoadFromMemory(first.data(), first.size()));
    ASSERT_TRUE(dib.LoadFromMemory(second.data(), second.size()));
    EXPECT_TRUE(dib.HasHalftonePalette());

    const std::vector<uint8_t> junk(3, 'B');
    EXPECT_FALSE(dib.LoadFromMemory(nullptr, 100));
    EXPECT_FALSE(dib.LoadFromMemory(junk.data(), junk.size()));
    EXPECT_TRUE(dib.IsEmpty());
    EXPECT_TRUE(dib.GetPalette().empty());
    EXPECT_EQ(dib.GetHeader().m_bits, nullptr);
    EXPECT_FALSE(dib.GetLastError().empty());
}

TEST(Dib, LoadsFromFileAndRefusesMissingFile)
{
    BmpLayout layout;
    layout.table = kFourColours;
    layout.pixels = {3, 2, 1, 0};
    const std::vector<uint8_t> bytes = MakeBmp(layout);
    const std::string path = ::testing::TempDir() + "dib_load_test.bmp";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                std::streamsize(bytes.size()));
    CDib dib;
    EXPECT_TRUE(dib.Load(path));
    EXPECT_EQ(dib.GetImage().pixels[0], Argb(kFourColours[3]));
    std::remove(path.c_str());
    EXPECT_FALSE(dib.Load(path));
    EXPECT_TRUE(dib.IsEmpty());
}

// Each case corrupts one field of a valid 2 x 2 8-bit bitmap with a 4-colour table.
struct HostileCase {
    const char* name;
    std::size_t offset; // where to write; SIZE_MAX truncates instead
    uint32_t value;
    int width;          // 2 or 4 bytes written
};

class DibHostile : public ::testing::TestWithParam<HostileCase> {};

TEST_P(DibHostile, IsRefusedWithoutDecoding)
{
    const HostileCase& c = GetParam();
    BmpLayout layout;
    layout.table = kFourColours;
    layout.pixels = {0, 1, 2, 3};
    std::vector<uint8_t> bytes = MakeBmp(layout);
    if (c.offset == SIZE_MAX)
        bytes.resize(c.value);
    else if (c.width == 2)
        PutU16(bytes, c.offset, c.value);
    else
        PutU32(bytes, c.offset, c.value);
    CDib dib;
    EXPECT_FALSE(dib.LoadFromMemory(bytes.data(), bytes.size()));
    EXPECT_TRUE(dib.IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Fields, DibHostile, ::testing::Values(
    HostileCase{"empty", SIZE_MAX, 0, 0},
    HostileCase{"cutInInfoHeader", SIZE_MAX, 30, 0},
    HostileCase{"cutInColourTable", SIZE_MAX, 60, 0},
    HostileCase{"cutInLastRow", SIZE_MAX, 54 + 16 + 6, 0},
    HostileCase{"badSignature", 0, 'X', 2},
    HostileCase{"hugeWidth", 18, 100000, 4},
    HostileCase{"hugeHeight", 22, 100000, 4},
    HostileCase{"mostNegativeHeight", 22, 0x80000000u, 4},
    HostileCase{"zeroWidth", 18, 0, 4},
    HostileCase{"negativeWidth", 18, 0xFFFFFFFEu, 4},
    HostileCase{"zeroHeight", 22, 0, 4},
    HostileCase{"twoPlanes", 26, 2, 2},
    HostileCase{"sixteenBits", 28, 16, 2},
    HostileCase{"zeroBits", 28, 0, 2},
    HostileCase{"runLength", 30, 1, 4},
    HostileCase{"bitFields", 30, 3, 4},
    HostileCase{"colourCountOver256", 46, 257, 4},
    HostileCase{"colourCountHuge", 46, 0xFFFFFFFFu, 4},
    HostileCase{"pixelOffsetPastEnd", 10, 0xFFFFFFF0u, 4},
    HostileCase{"pixelOffsetInsideTable", 10, 60, 4},
    HostileCase{"infoHeaderTooSmall", 14, 12, 4},
    HostileCase{"infoHeaderHuge", 14, 0xFFFFFFFFu, 4}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
