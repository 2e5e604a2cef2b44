#include "platform/armor/OpenPgpPackets.h"

namespace {

constexpr unsigned kSecretKeyTag = 5;
constexpr unsigned kPublicKeyTag = 6;
constexpr std::size_t kCut = std::string_view::npos;

// A big-endian number of `width` bytes at `at`, which moves past it; kCut when the data ends first.
std::size_t ReadNumber(std::string_view bytes, std::size_t& at, std::size_t width)
{
    if (bytes.size() - at < width)
        return kCut;
    std::size_t number = 0;
    for (std::size_t i = 0; i < width; ++i)
        number = number << 8 | static_cast<unsigned char>(bytes[at++]);
    return number;
}

// Moves `at` past a body of that length; false when the data ends first.
bool SkipBody(std::string_view bytes, std::size_t& at, std::size_t length)
{
    if (length == kCut || bytes.size() - at < length)
        return false;
    at += length;
    return true;
}

// A length of one, two or five bytes; a partial length announces one chunk and another length.
bool SkipNewFormatBody(std::string_view bytes, std::size_t& at)
{
    for (;;) {
        const std::size_t first = ReadNumber(bytes, at, 1);
        if (first == kCut)
            return false;
        if (first < 192)
            return SkipBody(bytes, at, first);
        if (first < 224) {
            const std::size_t second = ReadNumber(bytes, at, 1);
            return second != kCut && SkipBody(bytes, at, ((first - 192) << 8) + second + 192);
        }
        if (first == 255)
            return SkipBody(bytes, at, ReadNumber(bytes, at, 4));
        if (!SkipBody(bytes, at, std::size_t(1) << (first & 0x1F)))
            return false;
    }
}

// The length type names a length of one, two or four bytes, or none: the body runs to the end.
bool SkipOldFormatBody(std::string_view bytes, std::size_t& at, unsigned lengthType)
{
    if (lengthType == 3) {
        at = bytes.size();
        return true;
    }
    return SkipBody(bytes, at, ReadNumber(bytes, at, std::size_t(1) << lengthType));
}

} // namespace

std::size_t KeyPacketCount(std::string_view packets)
{
    std::size_t keys = 0;
    for (std::size_t at = 0; at < packets.size();) {
        const unsigned header = static_cast<unsigned char>(packets[at++]);
        if (!(header & 0x80))
            break;
        const bool newFormat = header & 0x40;
        const unsigned tag = newFormat ? header & 0x3F : header >> 2 & 0x0F;
        if (tag == kSecretKeyTag || tag == kPublicKeyTag)
            ++keys;
        if (!(newFormat ? SkipNewFormatBody(packets, at) : SkipOldFormatBody(packets, at, header & 3)))
            break;
    }
    return keys;
}
