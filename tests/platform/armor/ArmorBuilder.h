#pragma once

// Builds armoured public key texts for the tests, sound or damaged in one chosen way.
#include "platform/armor/PublicKeyArmor.h"

#include <string>

namespace testsupport {

inline std::string EncodeBase64(const std::string& bytes)
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        uint32_t group = uint32_t(static_cast<unsigned char>(bytes[i])) << 16;
        if (i + 1 < bytes.size())
            group |= uint32_t(static_cast<unsigned char>(bytes[i + 1])) << 8;
        if (i + 2 < bytes.size())
            group |= uint32_t(static_cast<unsigned char>(bytes[i + 2]));
        out += alphabet[group >> 18 & 63];
        out += alphabet[group >> 12 & 63];
        out += i + 1 < bytes.size() ? alphabet[group >> 6 & 63] : '=';
        out += i + 2 < bytes.size() ? alphabet[group & 63] : '=';
    }
    return out;
}

inline std::string ChecksumLine(const std::string& packets)
{
    const uint32_t crc = OpenPgpCrc24(packets);
    return "=" + EncodeBase64(std::string{char(crc >> 16), char(crc >> 8), char(crc)});
}

// A key body of a few lines of 64 characters, as real armour is wrapped.
inline std::string SamplePackets()
{
    std::string packets = "\x99\x01\x0D\x04";
    for (int i = 0; i < 150; ++i)
        packets += char(i * 37 + 11);
    return packets;
}

inline std::string ArmoredKey(const std::string& packets, const std::string& lineEnd = "\n")
{
    std::string text = "-----BEGIN PGP PUBLIC KEY BLOCK-----" + lineEnd + "Version: 2.6" + lineEnd
                       + "Comment: agency key" + lineEnd + lineEnd;
    const std::string body = EncodeBase64(packets);
    for (std::size_t i = 0; i < body.size(); i += 64)
        text += body.substr(i, 64) + lineEnd;
    return text + ChecksumLine(packets) + lineEnd + "-----END PGP PUBLIC KEY BLOCK-----" + lineEnd;
}

} // namespace testsupport
