#include "model/files/PackFile.h"

#include <array>

namespace {

template <class Value>
Value ReadLittleEndian(std::FILE* stream)
{
    std::array<uint8_t, sizeof(Value)> bytes{};
    if (std::fread(bytes.data(), 1, bytes.size(), stream) != bytes.size())
        return 0;
    Value value = 0;
    for (std::size_t i = bytes.size(); i-- > 0;)
        value = Value(uint64_t(value) << 8 | bytes[i]);
    return value;
}

template <class Value>
bool WriteLittleEndian(std::FILE* stream, Value value)
{
    std::array<uint8_t, sizeof(Value)> bytes{};
    for (uint8_t& byte : bytes) {
        byte = uint8_t(value);
        value = Value(uint64_t(value) >> 8);
    }
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
}

} // namespace

uint8_t PackReadByte(std::FILE* stream)
{
    return ReadLittleEndian<uint8_t>(stream);
}

uint16_t PackReadU16(std::FILE* stream)
{
    return ReadLittleEndian<uint16_t>(stream);
}

uint32_t PackReadU32(std::FILE* stream)
{
    return ReadLittleEndian<uint32_t>(stream);
}

bool PackWriteByte(std::FILE* stream, uint8_t value)
{
    return WriteLittleEndian(stream, value);
}

bool PackWriteU16(std::FILE* stream, uint16_t value)
{
    return WriteLittleEndian(stream, value);
}

bool PackWriteU32(std::FILE* stream, uint32_t value)
{
    return WriteLittleEndian(stream, value);
}
