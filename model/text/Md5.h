#pragma once

#include <cstddef>
#include <cstdint>

// The MD5 message digest (RFC 1321).
struct MD5Context {
    uint32_t state[4];
    uint32_t count[2]; // bits hashed so far, low word first
    uint8_t buffer[64];
};

void MD5Init(MD5Context* context);
void MD5Update(MD5Context* context, const uint8_t* input, std::size_t length);
// Writes the digest and clears the context.
void MD5Final(uint8_t digest[16], MD5Context* context);
