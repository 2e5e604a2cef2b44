#pragma once

#include "platform/dib/BmpDecoder.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The description of the bitmap held, as the platform reports it for a bitmap object. The
// pixels are held decoded: 32 bits each, top-down.
struct DibHeader {
    int32_t m_type = 0;
    int32_t m_width = 0;
    int32_t m_height = 0;
    int32_t m_widthBytes = 0;
    uint16_t m_planes = 0;
    uint16_t m_bitsPixel = 0;
    const uint32_t* m_bits = nullptr;
};

// A device-independent bitmap with the palette made from its colour table.
class CDib {
public:
    CDib() = default;
    ~CDib() { Free(); }
    CDib(const CDib&) = delete;
    CDib& operator=(const CDib&) = delete;

    // Reads a BMP file; false (and the object left empty) when it is not a bitmap we accept.
    bool Load(const std::string& path);
    // The same from bytes already in memory, such as a picture stored in a form.
    bool LoadFromMemory(const uint8_t* data, std::size_t size);
    // Takes over a decoded image, fills the header and makes a new palette.
    bool Attach(DibImage image);
    void Free();
    bool CreatePalette();

    bool IsEmpty() const { return m_image.pixels.empty(); }
    const DibHeader& GetHeader() const { return m_header; }
    const DibImage& GetImage() const { return m_image; }
    const std::vector<DibColor>& GetPalette() const { return m_palette; }
    // Bitmaps without a colour table get a halftone palette instead.
    bool HasHalftonePalette() const { return m_halftonePalette; }
    const std::string& GetLastError() const { return m_lastError; }

private:
    DibImage m_image;
    DibHeader m_header;
    std::vector<DibColor> m_palette;
    bool m_halftonePalette = false;
    std::string m_lastError;
};

// The palette used for bitmaps without a colour table: a 6 x 6 x 6 colour cube.
std::vector<DibColor> MakeHalftonePalette();
