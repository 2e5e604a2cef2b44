#include "platform/armor/PublicKeyArmor.h"

#include "platform/armor/Base64.h"

#include <vector>

namespace {

constexpr std::string_view kBeginLine = "-----BEGIN PGP PUBLIC KEY BLOCK-----";
constexpr std::string_view kEndLine = "-----END PGP PUBLIC KEY BLOCK-----";

// The lines of the text with the line feed, a carriage return and trailing blanks removed.
std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        lines.push_back(line);
    }
    return lines;
}

bool IsHeaderLine(std::string_view line)
{
    const std::size_t colon = line.find(": ");
    if (colon == std::string_view::npos || colon == 0)
        return false;
    for (char c : line.substr(0, colon)) {
        if (c <= ' ' || c > '~')
            return false;
    }
    return true;
}

bool IsChecksumLine(std::string_view line)
{
    return line.size() == 5 && line.front() == '=';
}

class ArmorReader {
public:
    explicit ArmorReader(std::string_view text) : m_lines(SplitLines(text)) {}

    PublicKeyArmor Read()
    {
        PublicKeyArmor result;
        result.status = ReadInto(result.packets);
        if (result.status != ArmorStatus::Sound)
            result.packets.clear();
        return result;
    }

private:
    ArmorStatus ReadInto(std::string& packets)
    {
        if (!SkipTo(kBeginLine))
            return ArmorStatus::MissingBeginLine;
        while (!AtEnd() && IsHeaderLine(Current()))
            ++m_next;
        if (AtEnd() || !Current().empty())
            return ArmorStatus::BadHeaderLine;
        ++m_next;
        std::string body;
        while (!AtEnd() && !IsChecksumLine(Current()) && Current() != kEndLine)
            body += Take();
        if (AtEnd())
            return ArmorStatus::MissingEndLine;
        if (!IsChecksumLine(Current()))
            return CheckBody(body, ArmorStatus::MissingChecksum);
        const std::string_view checksumLine = Take();
        if (AtEnd() || Take() != kEndLine)
            return ArmorStatus::MissingEndLine;
        const ArmorStatus bodyStatus = CheckBody(body, ArmorStatus::Sound);
        if (bodyStatus != ArmorStatus::Sound)
            return bodyStatus;
        packets = *DecodeBase64(body);
        return ChecksumMatches(checksumLine.substr(1), packets) ? ArmorStatus::Sound
                                                                : ArmorStatus::BadChecksum;
    }

    // A body that decodes to nothing usable is reported before a missing or wrong checksum.
    static ArmorStatus CheckBody(const std::string& body, ArmorStatus otherwise)
    {
        const auto decoded = DecodeBase64(body);
        if (!decoded)
            return ArmorStatus::BadBase64;
        return decoded->empty() ? ArmorStatus::EmptyBody : otherwise;
    }

    static bool ChecksumMatches(std::string_view encoded, std::string_view packets)
    {
        const auto stored = DecodeBase64(encoded);
        if (!stored || stored->size() != 3)
            return false;
        const auto byte = [&](int i) { return uint32_t(static_cast<unsigned char>((*stored)[i])); };
        return (byte(0) << 16 | byte(1) << 8 | byte(2)) == OpenPgpCrc24(packets);
    }

    bool SkipTo(std::string_view line)
    {
        while (!AtEnd() && Current() != line)
            ++m_next;
        if (AtEnd())
            return false;
        ++m_next;
        return true;
    }

    bool AtEnd() const { return m_next >= m_lines.size(); }
    std::string_view Current() const { return m_lines[m_next]; }
    std::string_view Take() { return m_lines[m_next++]; }

    std::vector<std::string_view> m_lines;
    std::size_t m_next = 0;
};

} // namespace

PublicKeyArmor ParsePublicKeyArmor(std::string_view text)
{
    return ArmorReader(text).Read();
}

uint32_t OpenPgpCrc24(std::string_view bytes)
{
    uint32_t crc = 0xB704CE;
    for (char c : bytes) {
        crc ^= uint32_t(static_cast<unsigned char>(c)) << 16;
        for (int bit = 0; bit < 8; ++bit) {
            crc <<= 1;
            if (crc & 0x1000000)
                crc ^= 0x1864CFB;
        }
    }
    return crc & 0xFFFFFF;
}
