#include "platform/armor/PublicKeyArmor.h"

#include "platform/armor/Base64.h"
#include "tests/platform/armor/ArmorBuilder.h"

#include <gtest/gtest.h>

using testsupport::ArmoredKey;
using testsupport::SamplePackets;

namespace {

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

} // namespace

TEST(OpenPgpCrc24, MatchesTheStandardCheckValues)
{
    EXPECT_EQ(OpenPgpCrc24(""), 0xB704CEu);
    EXPECT_EQ(OpenPgpCrc24("123456789"), 0x21CF02u);
}

TEST(DecodeBase64, AcceptsOnlyCanonicalText)
{
    EXPECT_EQ(DecodeBase64(""), "");
    EXPECT_EQ(DecodeBase64("TWFu"), "Man");
    EXPECT_EQ(DecodeBase64("TWE="), "Ma");
    EXPECT_EQ(DecodeBase64("TQ=="), "M");
    for (const char* bad : {"TWF", "TW=u", "T===", "====", "TQ=x", "TR==", "TW E", "TWF\x80"})
        EXPECT_FALSE(DecodeBase64(bad)) << bad;
}

TEST(PublicKeyArmor, ReadsSoundArmourHoweverItIsWrapped)
{
    const std::string packets = SamplePackets();
    const std::string sound = ArmoredKey(packets);
    for (const std::string& text :
         {sound, ArmoredKey(packets, "\r\n"), ArmoredKey(packets, "  \t\r\n"),
          "Agency key follows\n\n" + sound + "trailing words",
          Replace(sound, "Version: 2.6\nComment: agency key\n", ""),
          sound.substr(0, sound.size() - 1)}) {
        const PublicKeyArmor armor = ParsePublicKeyArmor(text);
        EXPECT_EQ(armor.status, ArmorStatus::Sound) << text;
        EXPECT_EQ(armor.packets, packets);
    }
}

TEST(PublicKeyArmor, ReportsEachKindOfDamage)
{
    const std::string packets = SamplePackets();
    const std::string sound = ArmoredKey(packets);
    const std::string checksum = testsupport::ChecksumLine(packets);
    const std::string firstBodyLine = sound.substr(sound.find("\n\n") + 2, 64);
    struct Case {
        std::string text;
        ArmorStatus expected;
    };
    const Case cases[] = {
        {"", ArmorStatus::MissingBeginLine},
        {Replace(sound, "PUBLIC KEY BLOCK-----\n", "PRIVATE KEY BLOCK-----\n"), ArmorStatus::MissingBeginLine},
        {Replace(sound, "Comment: agency key\n", "Comment agency key\n"), ArmorStatus::BadHeaderLine},
        {Replace(sound, "agency key\n\n", "agency key\n"), ArmorStatus::BadHeaderLine},
        {Replace(sound, firstBodyLine, "!" + firstBodyLine.substr(1)), ArmorStatus::BadBase64},
        {Replace(sound, firstBodyLine, firstBodyLine.substr(1)), ArmorStatus::BadBase64},
        {Replace(sound, firstBodyLine, firstBodyLine.substr(0, 62) + "=="), ArmorStatus::BadBase64},
        {Replace(sound, firstBodyLine + "\n", ""), ArmorStatus::BadChecksum},
        {Replace(sound, checksum, "=AAAA"), ArmorStatus::BadChecksum},
        {Replace(sound, checksum, "=A*AA"), ArmorStatus::BadChecksum},
        {Replace(sound, checksum + "\n", ""), ArmorStatus::MissingChecksum},
        {Replace(sound, "-----END PGP PUBLIC KEY BLOCK-----\n", ""), ArmorStatus::MissingEndLine},
        {Replace(sound, "-----END PGP PUBLIC", "-----END PGP PRIVATE"), ArmorStatus::MissingEndLine},
        {ArmoredKey(""), ArmorStatus::EmptyBody},
    };
    for (const Case& c : cases) {
        const PublicKeyArmor armor = ParsePublicKeyArmor(c.text);
        EXPECT_EQ(armor.status, c.expected) << c.text;
        EXPECT_TRUE(armor.packets.empty());
    }
}

TEST(PublicKeyArmor, EveryTruncationIsDamage)
{
    const std::string sound = ArmoredKey(SamplePackets());
    const std::size_t endOfFooter = sound.size() - 1; // the final line feed may go
    for (std::size_t length = 0; length < endOfFooter; ++length)
        EXPECT_NE(ParsePublicKeyArmor(sound.substr(0, length)).status, ArmorStatus::Sound) << length;
}
