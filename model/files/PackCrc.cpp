#include "model/files/PackCrc.h"

#include <array>
#include <cstring>

namespace {

uint32_t ShiftEightBits(uint32_t crc)
{
    for (int bit = 0; bit < 8; ++bit)
        crc = (crc & 1) ? (crc >> 1) ^ 0xA0000001u : crc >> 1;
    return crc;
}

// The register is linear in its input, so eight bitwise steps fold into one table lookup.
const std::array<uint32_t, 256> kByteSteps = [] {
    std::array<uint32_t, 256> steps{};
    for (uint32_t i = 0; i < 256; ++i)
        steps[i] = ShiftEightBits(i);
    return steps;
}();

} // namespace

uint32_t PackCrcUpdateByte(uint32_t crc, uint8_t byte)
{
    return (crc >> 8) ^ kByteSteps[(crc ^ byte) & 0xFF];
}

uint32_t PackCrcUpdate(uint32_t crc, const void* buffer, std::size_t count)
{
    if (!buffer)
        return crc;
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    if (count == 0)
        count = std::strlen(static_cast<const char*>(buffer));
    for (std::size_t i = 0; i < count; ++i)
        crc = PackCrcUpdateByte(crc, bytes[i]);
    return crc;
}
