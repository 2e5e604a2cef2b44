#include "submit/KeyFileArmor.h"

#include "submit/GpgContext.h"
#include "platform/armor/PublicKeyArmor.h"

namespace {

constexpr std::string_view kBeginPrefix = "-----BEGIN ";
constexpr std::string_view kArmorStart = "-----BEGIN PGP ";
constexpr std::string_view kPublicKind = "PGP PUBLIC KEY BLOCK";
constexpr std::string_view kPrivateKind = "PGP PRIVATE KEY BLOCK";
constexpr std::string_view kLineEnd = "-----";

std::string BeginLine(std::string_view kind)
{
    return std::string(kBeginPrefix) + std::string(kind) + std::string(kLineEnd);
}

std::string EndLine(std::string_view kind)
{
    return "-----END " + std::string(kind) + std::string(kLineEnd);
}

// The kind named by the BEGIN line at the start of text ("PGP PUBLIC KEY BLOCK"), empty when
// the line is not one of a key block.
std::string_view KeyBlockKind(std::string_view text)
{
    for (std::string_view kind : {kPublicKind, kPrivateKind}) {
        if (text.substr(0, BeginLine(kind).size()) == BeginLine(kind))
            return kind;
    }
    return {};
}

int ArmorErrorCode(ArmorStatus status)
{
    return status == ArmorStatus::BadChecksum ? ToolkitCode(GPG_ERR_CHECKSUM) : ToolkitCode(GPG_ERR_INV_ARMOR);
}

// A private key block has the form of a public one; the armour checker knows the public lines,
// so the block is checked under those.
int DecodeBlock(std::string_view kind, std::string block, std::string& packets)
{
    if (kind == kPrivateKind) {
        block.replace(0, BeginLine(kind).size(), BeginLine(kPublicKind));
        block.replace(block.size() - EndLine(kind).size(), EndLine(kind).size(), EndLine(kPublicKind));
    }
    const PublicKeyArmor armor = ParsePublicKeyArmor(block);
    if (armor.status != ArmorStatus::Sound)
        return ArmorErrorCode(armor.status);
    packets += armor.packets;
    return 0;
}

// Control characters would end the comment line early and start a line of their own.
std::string OneLine(std::string_view text)
{
    std::string line(text);
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    }
    return line;
}

// As GnuPG shows a fingerprint: groups of four, the two halves apart.
std::string GroupedFingerprint(std::string_view fingerprint)
{
    std::string grouped;
    for (std::size_t i = 0; i < fingerprint.size(); i += 4) {
        if (i > 0)
            grouped += i == fingerprint.size() / 2 ? "  " : " ";
        grouped += fingerprint.substr(i, 4);
    }
    return grouped;
}

} // namespace

int KeyPacketsOfFile(std::string_view file, std::string& packets)
{
    packets.clear();
    std::size_t at = file.find(kArmorStart);
    if (at == std::string_view::npos) {
        packets = file;
        return 0;
    }
    for (; at != std::string_view::npos; at = file.find(kArmorStart, at)) {
        const std::string_view kind = KeyBlockKind(file.substr(at));
        const std::size_t end = kind.empty() ? std::string_view::npos : file.find(EndLine(kind), at);
        if (end == std::string_view::npos)
            return ToolkitCode(GPG_ERR_INV_ARMOR);
        const std::size_t blockEnd = end + EndLine(kind).size();
        if (const int error = DecodeBlock(kind, std::string(file.substr(at, blockEnd - at)), packets))
            return error;
        at = blockEnd;
    }
    return 0;
}

std::string WithExportComments(std::string_view armor, std::string_view identity,
                               std::string_view fingerprint)
{
    const std::size_t firstLineEnd = armor.find('\n');
    if (firstLineEnd == std::string_view::npos)
        return std::string(armor);
    std::string commented(armor.substr(0, firstLineEnd + 1));
    commented += "Comment: Exported by Tarvello Zod\n";
    commented += "Comment: " + OneLine(identity) + " - Fingerprint: " + GroupedFingerprint(fingerprint) + "\n";
    commented += armor.substr(firstLineEnd + 1);
    return commented;
}
