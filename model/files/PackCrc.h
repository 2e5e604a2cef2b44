#pragma once

#include <cstddef>
#include <cstdint>

// The running CRC of record files, the bid checksum and the server parameter file: bitwise,
// least significant bit first, constant 0xA0000001. Callers pass the starting value; there is no
// final inversion. It is not the common CRC-32.
uint32_t PackCrcUpdateByte(uint32_t crc, uint8_t byte);

// Folds `count` bytes, or when `count` is 0 the bytes up to the buffer's NUL. A null buffer
// leaves the crc as it is.
uint32_t PackCrcUpdate(uint32_t crc, const void* buffer, std::size_t count);
