#include "platform/dib/BmpDecoder.h"

#include <utility>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kLargestInfoHeaderSize = 124; // the fifth header version
constexpr uint32_t kNoCompression = 0;

uint16_t ReadU16(const uint8_t* p)
{
    return uint16_t(p[0] | (p[1] << 8));
}

uint32_t ReadU32(const uint8_t* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

int32_t ReadI32(const uint8_t* p)
{
    return int32_t(ReadU32(p));
}

struct BmpLayout {
    uint32_t headerSize = 0;
    int64_t width = 0;
    int64_t height = 0; // as stored: negative means the rows run top-down
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
    uint32_t pixelOffset = 0;
    std::size_t colorCount = 0;
    std::size_t rowStride = 0;
};

bool Fail(std::string* error, const char* why)
{
    if (error)
        *error = why;
    return false;
}

bool ReadLayout(const uint8_t* data, std::size_t size, BmpLayout& layout, std::string* error)
{
    if (size < kFileHeaderSize + kInfoHeaderSize)
        return Fail(error, "bitmap data too short for its headers");
    if (data[0] != 'B' || data[1] != 'M')
        return Fail(error, "not a bitmap (no \"BM\" signature)");
    layout.pixelOffset = ReadU32(data + 10);
    const uint8_t* info = data + kFileHeaderSize;
    layout.headerSize = ReadU32(info);
    if (layout.headerSize < kInfoHeaderSize || layout.headerSize > kLargestInfoHeaderSize ||
        layout.headerSize > size - kFileHeaderSize)
        return Fail(error, "unsupported bitmap info header size");
    layout.width = ReadI32(info + 4);
    layout.height = ReadI32(info + 8);
    if (ReadU16(info + 12) != 1)
        return Fail(error, "bitmap must have one plane");
    layout.bitCount = ReadU16(info + 14);
    layout.compression = ReadU32(info + 16);
    layout.colorsUsed = ReadU32(info + 32);
    return true;
}

bool CheckDimensions(BmpLayout& layout, std::string* error)
{
    const int64_t rows = layout.height < 0 ? -layout.height : layout.height;
    if (layout.width <= 0 || rows == 0)
        return Fail(error, "bitmap has no pixels");
    if (layout.width > kMaxDibSide || rows > kMaxDibSide)
        return Fail(error, "bitmap is larger than 16384 pixels on a side");
    if (uint64_t(layout.width) * uint64_t(rows) * 4 > kMaxDibPixelBytes)
        return Fail(error, "bitmap needs more than 256 MB");
    switch (layout.bitCount) {
    case 1: case 4: case 8: case 24: case 32: break;
    default: return Fail(error, "unsupported bits per pixel");
    }
    if (layout.compression != kNoCompression)
        return Fail(error, "compressed bitmaps are not supported");
    layout.rowStride = std::size_t((layout.width * layout.bitCount + 31) / 32 * 4);
    return true;
}

bool CheckColorTable(BmpLayout& layout, std::size_t size, std::string* error)
{
    if (layout.colorsUsed > 256)
        return Fail(error, "bitmap colour table has more than 256 entries");
    std::size_t tableEntries = layout.colorsUsed;
    if (layout.bitCount <= 8) {
        const std::size_t fullTable = std::size_t(1) << layout.bitCount;
        if (tableEntries > fullTable)
            return Fail(error, "bitmap colour table is larger than its bit count allows");
        if (tableEntries == 0)
            tableEntries = fullTable;
        layout.colorCount = tableEntries;
    }
    // A table of a bitmap of more than 8 bits per pixel is only a hint; it must still fit.
    const std::size_t tableEnd = kFileHeaderSize + layout.headerSize + tableEntries * 4;
    if (tableEnd > size || tableEnd > layout.pixelOffset)
        return Fail(error, "bitmap colour table runs past its data");
    return true;
}

bool CheckPixelData(const BmpLayout& layout, std::size_t size, std::string* error)
{
    const uint64_t rows = uint64_t(layout.height < 0 ? -layout.height : layout.height);
    if (layout.pixelOffset > size || uint64_t(layout.rowStride) * rows > size - layout.pixelOffset)
        return Fail(error, "bitmap pixel data runs past its end");
    return true;
}

uint32_t Opaque(uint8_t red, uint8_t green, uint8_t blue)
{
    return 0xFF000000u | (uint32_t(red) << 16) | (uint32_t(green) << 8) | blue;
}

// An index beyond the colour table (possible in a short table) shows as black.
uint32_t IndexedPixel(const std::vector<DibColor>& table, unsigned index)
{
    if (index >= table.size())
        return Opaque(0, 0, 0);
    const DibColor& c = table[index];
    return Opaque(c.red, c.green, c.blue);
}

void DecodeRow(const uint8_t* row, const BmpLayout& layout, const std::vector<DibColor>& table,
               uint32_t* out)
{
    const int64_t width = layout.width;
    switch (layout.bitCount) {
    case 1:
        for (int64_t x = 0; x < width; ++x)
            out[x] = IndexedPixel(table, (row[x / 8] >> (7 - x % 8)) & 1);
        break;
    case 4:
        for (int64_t x = 0; x < width; ++x)
            out[x] = IndexedPixel(table, (row[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F);
        break;
    case 8:
        for (int64_t x = 0; x < width; ++x)
            out[x] = IndexedPixel(table, row[x]);
        break;
    default: {
        const int64_t step = layout.bitCount / 8;
        for (int64_t x = 0; x < width; ++x) {
            const uint8_t* p = row + x * step;
            out[x] = Opaque(p[2], p[1], p[0]);
        }
    }
    }
}

} // namespace

bool DecodeBmp(const uint8_t* data, std::size_t size, DibImage& image, std::string* error)
{
    if (!data)
        return Fail(error, "no bitmap data");
    BmpLayout layout;
    if (!ReadLayout(data, size, layout, error) || !CheckDimensions(layout, error) ||
        !CheckColorTable(layout, size, error) || !CheckPixelData(layout, size, error))
        return false;

    DibImage decoded;
    decoded.width = int32_t(layout.width);
    decoded.height = int32_t(layout.height < 0 ? -layout.height : layout.height);
    decoded.sourceBitCount = layout.bitCount;
    const uint8_t* table = data + kFileHeaderSize + layout.headerSize;
    decoded.colorTable.resize(layout.colorCount);
    for (std::size_t i = 0; i < layout.colorCount; ++i)
        decoded.colorTable[i] = DibColor{table[i * 4 + 2], table[i * 4 + 1], table[i * 4], 0};

    decoded.pixels.resize(std::size_t(decoded.width) * std::size_t(decoded.height));
    const bool bottomUp = layout.height > 0;
    for (int32_t y = 0; y < decoded.height; ++y) {
        const std::size_t sourceRow = bottomUp ? std::size_t(decoded.height - 1 - y) : std::size_t(y);
        DecodeRow(data + layout.pixelOffset + sourceRow * layout.rowStride, layout,
                  decoded.colorTable, decoded.pixels.data() + std::size_t(y) * decoded.width);
    }
    image = std::move(decoded);
    return true;
}
