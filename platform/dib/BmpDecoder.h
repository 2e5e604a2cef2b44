#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One colour of a bitmap's colour table or palette.
struct DibColor {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t flags = 0;

    bool operator==(const DibColor&) const = default;
};

// A decoded bitmap: pixels top-down as 0xFFRRGGBB, plus the colour table it came with.
struct DibImage {
    int32_t width = 0;
    int32_t height = 0;
    uint16_t sourceBitCount = 0;
    std::vector<uint32_t> pixels;
    std::vector<DibColor> colorTable; // empty for bitmaps of more than 8 bits per pixel
};

// Limits on what a stored form picture may claim, so a hostile header cannot make us
// allocate without bound.
inline constexpr int32_t kMaxDibSide = 16384;
inline constexpr std::size_t kMaxDibPixelBytes = std::size_t(256) << 20;

// Decodes the bytes of a BMP file (file header, info header, colour table, uncompressed rows
// of 1, 4, 8, 24 or 32 bits). Returns false and says why for anything it does not accept.
bool DecodeBmp(const uint8_t* data, std::size_t size, DibImage& image, std::string* error = nullptr);
