#include "platform/dib/Dib.h"

#include <fstream>
#include <iterator>
#include <utility>

namespace {

// The largest file that can hold a bitmap within the decoder's limits, with room for headers.
constexpr std::size_t kMaxDibFileBytes = kMaxDibPixelBytes + (std::size_t(1) << 16);

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, std::string& error)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    const std::streamoff size = in.tellg();
    if (size < 0 || std::size_t(size) > kMaxDibFileBytes) {
        error = "bitmap file too large: " + path;
        return false;
    }
    bytes.resize(std::size_t(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        error = "cannot read " + path;
        return false;
    }
    return true;
}

} // namespace

std::vector<DibColor> MakeHalftonePalette()
{
    std::vector<DibColor> palette;
    palette.reserve(216);
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.push_back(DibColor{uint8_t(r * 51), uint8_t(g * 51), uint8_t(b * 51), 0});
    return palette;
}

bool CDib::Load(const std::string& path)
{
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadFileBytes(path, bytes, error)) {
        Free();
        m_lastError = error;
        return false;
    }
    return LoadFromMemory(bytes.data(), bytes.size());
}

bool CDib::LoadFromMemory(const uint8_t* data, std::size_t size)
{
    DibImage image;
    std::string error;
    if (!DecodeBmp(data, size, image, &error)) {
        Free();
        m_lastError = error;
        return false;
    }
    return Attach(std::move(image));
}

bool CDib::Attach(DibImage image)
{
    Free();
    if (image.pixels.empty() || image.pixels.size() != std::size_t(image.width) * std::size_t(image.height)) {
        m_lastError = "no bitmap to attach";
        return false;
    }
    m_image = std::move(image);
    m_header.m_width = m_image.width;
    m_header.m_height = m_image.height;
    m_header.m_widthBytes = m_image.width * 4;
    m_header.m_planes = 1;
    m_header.m_bitsPixel = 32;
    m_header.m_bits = m_image.pixels.data();
    return CreatePalette();
}

void CDib::Free()
{
    m_palette.clear();
    m_halftonePalette = false;
    m_header = DibHeader{};
    m_image = DibImage{};
    m_lastError.clear();
}

bool CDib::CreatePalette()
{
    m_palette.clear();
    if (IsEmpty())
        return false;
    // The decoder keeps at most 256 table entries, so the palette can never exceed them.
    m_halftonePalette = m_image.colorTable.empty();
    m_palette = m_halftonePalette ? MakeHalftonePalette() : m_image.colorTable;
    return true;
}
