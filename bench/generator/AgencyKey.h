#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// An agency's public key as the plate "Agency Public Key" carries it: an ASCII-armoured block
// with a version header, the base64 body in lines of 64 characters and its CRC-24 line. The body
// is an RSA public-key packet (2048-bit modulus made from the seed) and a user ID packet, so
// the block passes the submission's key check; it is no usable key.
std::string MakeAgencyKeyBlock(uint32_t seed, std::string_view userId);
