#include "bench/generator/AgencyKey.h"

#include "bench/generator/GeneratorRandom.h"
#include "platform/armor/PublicKeyArmor.h"

#include <algorithm>

namespace {

constexpr int kModulusBytes = 256;
constexpr uint32_t kKeyCreated = 1704067200; // 1 January 2024

void AppendBigEndian(std::string& out, uint32_t value, int bytes)
{
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out += char(value >> shift & 0xFF);
}

// Old-format packet headers: tag 6 with a two-byte length, tag 13 with a one-byte length.
std::string PublicKeyPacket(CGeneratorRandom& random)
{
    std::string body;
    body += '\x04'; // version 4
    AppendBigEndian(body, kKeyCreated, 4);
    body += '\x01'; // RSA
    AppendBigEndian(body, kModulusBytes * 8, 2);
    for (int i = 0; i < kModulusBytes; ++i)
        body += char(random.Pick(0, 255) | (i == 0 ? 0x80 : 0) | (i == kModulusBytes - 1 ? 1 : 0));
    AppendBigEndian(body, 17, 2);
    body += std::string("\x01\x00\x01", 3); // e = 65537
    std::string packet = "\x99";
    AppendBigEndian(packet, uint32_t(body.size()), 2);
    return packet + body;
}

std::string UserIdPacket(std::string_view userId)
{
    std::string packet = "\xB4";
    packet += char(std::min<size_t>(userId.size(), 255));
    return packet.append(userId.substr(0, 255));
}

std::string Base64(std::string_view bytes)
{
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t count = std::min<size_t>(3, bytes.size() - i);
        uint32_t group = 0;
        for (size_t k = 0; k < 3; ++k)
            group = group << 8 | (k < count ? uint8_t(bytes[i + k]) : 0);
        for (size_t k = 0; k < 4; ++k)
            text += k <= count ? kAlphabet[group >> (18 - 6 * k) & 0x3F] : '=';
    }
    return text;
}

} // namespace

std::string MakeAgencyKeyBlock(uint32_t seed, std::string_view userId)
{
    CGeneratorRandom random(seed);
    const std::string packets = PublicKeyPacket(random) + UserIdPacket(userId);
    const std::string body = Base64(packets);
    std::string block = "-----BEGIN PGP PUBLIC KEY BLOCK-----\nVersion: Agency key service 2.1\n\n";
    for (size_t i = 0; i < body.size(); i += 64)
        block += body.substr(i, 64) + "\n";
    const uint32_t crc = OpenPgpCrc24(packets);
    block += "=" + Base64(std::string{char(crc >> 16), char(crc >> 8), char(crc)}) + "\n";
    return block + "-----END PGP PUBLIC KEY BLOCK-----\n";
}
