#include "platform/armor/Base64.h"

#include <array>
#include <cstdint>

namespace {

constexpr int kInvalid = -1;

constexpr std::array<int, 256> MakeDecodeTable()
{
    std::array<int, 256> table{};
    table.fill(kInvalid);
    constexpr std::string_view alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (std::size_t i = 0; i < alphabet.size(); ++i)
        table[static_cast<unsigned char>(alphabet[i])] = int(i);
    return table;
}

constexpr std::array<int, 256> kDecode = MakeDecodeTable();

std::size_t PaddingOf(std::string_view text)
{
    if (text.ends_with("=="))
        return 2;
    return text.ends_with('=') ? 1 : 0;
}

} // namespace

std::optional<std::string> DecodeBase64(std::string_view text)
{
    if (text.size() % 4 != 0)
        return std::nullopt;
    const std::size_t padding = PaddingOf(text);
    const std::string_view data = text.substr(0, text.size() - padding);
    std::string out;
    out.reserve(text.size() / 4 * 3);
    uint32_t bits = 0;
    int bitCount = 0;
    for (char c : data) {
        const int value = kDecode[static_cast<unsigned char>(c)];
        if (value == kInvalid)
            return std::nullopt;
        bits = (bits << 6) | uint32_t(value);
        bitCount += 6;
        if (bitCount >= 8) {
            bitCount -= 8;
            out += char((bits >> bitCount) & 0xFF);
        }
    }
    // Bits left over by a padded group must be zero, or the text has no single meaning.
    if ((bits & ((1u << bitCount) - 1)) != 0)
        return std::nullopt;
    return out;
}
