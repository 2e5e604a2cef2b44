#include "model/files/PackCrc.h"

#include <cstring>

uint32_t PackCrcUpdateByte(uint32_t crc, uint8_t byte)
{
    for (int bit = 0; bit < 8; ++bit, byte >>= 1)
        crc = ((byte ^ crc) & 1) ? (crc >> 1) ^ 0xA0000001u : crc >> 1;
    return crc;
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
