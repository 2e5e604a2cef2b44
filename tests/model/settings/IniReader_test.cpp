#include "model/settings/IniReader.h"

#include "tests/model/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs PairsOf(const KeyValueList& list)
{
    Pairs pairs;
    for (const KeyValueNode& node : list.Nodes())
        pairs.emplace_back(node.m_key, node.m_value);
    return pairs;
}

class IniReaderTest : public ::testing::Test {
protected:
    std::string Write(const std::string& bytes) { return m_folder.Write("reply.ini", bytes); }
    TempFolder m_folder;
};

TEST_F(IniReaderTest, ServerReplyGivesItsPairsAndNumbers)
{
    const std::string path = Write("[Other]\nreturncode=9\n[Response]\n"
                                   "returncode = 0\nmessage= Bid received =ok \nno equals here\n"
                                   "[Next]\nmessage=later\n");
    KeyValueList list;
    ASSERT_TRUE(ReadIniSectionPairs(list, path, "response"));
    EXPECT_EQ(GetIniReaderError(), kIniReaderOk);
    EXPECT_EQ(PairsOf(list), (Pairs{{"returncode", "0"}, {"message", "Bid received =ok"}}));
    EXPECT_EQ(KeyValueListFind(list, " returncode\t")->m_number, 0);
    EXPECT_EQ(KeyValueListFind(list, "Returncode"), nullptr); // keys compare exactly
}

TEST_F(IniReaderTest, AKeyGivenTwiceKeepsItsLastValue)
{
    KeyValueList list;
    ASSERT_TRUE(ReadIniSectionPairs(list, Write("[S]\nk=1\nk=22\nj=3\n"), "S"));
    EXPECT_EQ(PairsOf(list), (Pairs{{"k", "22"}, {"j", "3"}}));
    EXPECT_EQ(KeyValueListFind(list, "k")->m_number, 22);
}

TEST_F(IniReaderTest, ErrorCodesTellAMissingFileFromAMissingSection)
{
    KeyValueList list;
    EXPECT_FALSE(ReadIniSectionPairs(list, m_folder.Path() + "/none.ini", "S"));
    EXPECT_EQ(GetIniReaderError(), kIniCannotOpen);
    EXPECT_FALSE(ReadIniSectionPairs(list, Write("[T]\nk=1\n"), "S"));
    EXPECT_EQ(GetIniReaderError(), kIniSectionMissing);
    std::string text = "untouched";
    EXPECT_EQ(ReadIniSection(m_folder.Path(), "S", text, false), kIniCannotOpen);
    EXPECT_EQ(text, "untouched");
    EXPECT_EQ(list.Size(), 0u);
}

TEST_F(IniReaderTest, SectionTextKeepsLinesAsTheyStand)
{
    const std::string path = Write("[Notes]\n  first line  \n; comment\n\n\tsecond\n[End]\nx\n");
    std::string text;
    ASSERT_EQ(ReadIniSection(path, "Notes", text, false), kIniReaderOk);
    EXPECT_EQ(text, "  first line  \n\n\tsecond\n");
    ASSERT_EQ(ReadIniSection(path, "Notes", text, true), kIniReaderOk);
    EXPECT_EQ(text, "  first line  \n\tsecond\n");
}

TEST_F(IniReaderTest, HeaderOnTheLastLineReadsAsEmpty)
{
    std::string text = "old";
    EXPECT_EQ(ReadIniSection(Write("[A]\nk=v\n[Last]"), "Last", text, false), kIniReaderOk);
    EXPECT_EQ(text, "");
}

TEST_F(IniReaderTest, BodyIsStoredUnderTheSectionName)
{
    KeyValueList list;
    ASSERT_TRUE(ReadIniSectionBody(list, Write("[Body]\n a = b \n"), "Body", false));
    ASSERT_NE(KeyValueListFind(list, "Body"), nullptr);
    EXPECT_EQ(KeyValueListFind(list, "Body")->m_value, " a = b \n");
    EXPECT_FALSE(ReadIniSectionBody(list, Write(""), "Body", false));
    KeyValueListFree(list);
    EXPECT_EQ(list.Size(), 0u);
}

TEST(IniSectionHeader, NameBetweenBracketsWithBlanksAndWithoutCase)
{
    EXPECT_TRUE(IsIniSectionHeader("[Response]", "Response"));
    EXPECT_TRUE(IsIniSectionHeader(" [ \tresponse ]", "Response"));
    EXPECT_FALSE(IsIniSectionHeader("[Responses]", "Response"));
    EXPECT_FALSE(IsIniSectionHeader("[Resp]", "Response"));
    EXPECT_FALSE(IsIniSectionHeader("[Response", "Response"));
    EXPECT_FALSE(IsIniSectionHeader("Response]", "Response"));
}

TEST(KeyValueList, SetTrimsOnlyWhenAskedAndTakesTheValueOver)
{
    KeyValueList list;
    KeyValueListAdd(list, " a ", " 12x ");
    KeyValueListSet(list, " b ", " 7 ", false);
    EXPECT_EQ(PairsOf(list), (Pairs{{"a", "12x"}, {" b ", " 7 "}}));
    EXPECT_EQ(KeyValueListFind(list, "a")->m_number, 12);
    EXPECT_EQ(KeyValueListFind(list, " b "), nullptr); // the search key is trimmed
    KeyValueListAdd(list, "a", "");
    EXPECT_EQ(KeyValueListFind(list, "a")->m_number, 0);
    EXPECT_EQ(list.Size(), 2u);
}

// Hostile texts: each must read to exactly the pairs named, never crash or hang.
struct HostileCase {
    const char* name;
    std::string bytes;
    bool found;
    Pairs pairs;
};

const std::string kLongLine(kMaxIniLine + 10, 'x');

class IniReaderHostile : public ::testing::TestWithParam<HostileCase> {};

TEST_P(IniReaderHostile, ReadsOnlyWhatIsThere)
{
    const HostileCase& c = GetParam();
    TempFolder folder;
    KeyValueList list;
    EXPECT_EQ(ReadIniSectionPairs(list, folder.Write("h.ini", c.bytes), "S"), c.found);
    EXPECT_EQ(PairsOf(list), c.pairs);
}

INSTANTIATE_TEST_SUITE_P(
    Corruptions, IniReaderHostile,
    ::testing::Values(
        HostileCase{"Empty", "", false, {}},
        HostileCase{"NoNewlineAtEnd", "[S]\nk=v", true, {{"k", "v"}}},
        HostileCase{"CrLf", "[S]\r\nk=v\r\nj=\r\n", true, {{"k", "v"}, {"j", ""}}},
        HostileCase{"LoneCrIsNoLineBreak", "[S]\rk=v\r", true, {}},
        HostileCase{"NulInValue", std::string("[S]\nk=a\0b\nj=1\n", 14), true, {{"k", "a"}, {"j", "1"}}},
        HostileCase{"NulInHeader", std::string("[S\0]\nk=v\n", 9), false, {}},
        HostileCase{"OnlyNuls", std::string(64, '\0'), false, {}},
        HostileCase{"UnterminatedHeaderEndsSection", "[S]\nk=v\n[T\nj=w\n", true, {{"k", "v"}}},
        HostileCase{"UnterminatedHeaderIsNoSection", "[S\nk=v\n", false, {}},
        HostileCase{"HugeLineSkipped", "[S]\nk=" + kLongLine + "\nj=1\n", true, {{"j", "1"}}},
        HostileCase{"HugeHeaderEndsSection", "[S]\nk=1\n[" + kLongLine + "]\nj=1\n", true, {{"k", "1"}}},
        HostileCase{"HugeLineBeforeSection", kLongLine + "\n[S]\nk=1", true, {{"k", "1"}}},
        HostileCase{"EmptyKey", "[S]\n=v\n", true, {{"", "v"}}},
        HostileCase{"BinaryNoise", "[S]\n\xFF\xFE=\x01\x02\n", true, {{"\xFF\xFE", "\x01\x02"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniReaderLimits, ManyKeysAndAHugeBodyStayBounded)
{
    std::string bytes = "[S]\n";
    for (int i = 0; i < 200000; ++i)
        bytes += "k" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    TempFolder folder;
    const std::string path = folder.Write("many.ini", bytes);
    KeyValueList list;
    ASSERT_TRUE(ReadIniSectionPairs(list, path, "S"));
    EXPECT_EQ(list.Size(), 200000u);
    EXPECT_EQ(KeyValueListFind(list, "k199999")->m_number, 199999);

    const std::string line(1000, 'b');
    std::string body = "[B]\n";
    while (body.size() < kMaxIniSectionBody + 5000)
        body += line + "\n";
    body += "short\n";
    std::string text;
    ASSERT_EQ(ReadIniSection(folder.Write("body.ini", body), "B", text, false), kIniReaderOk);
    EXPECT_LE(text.size(), kMaxIniSectionBody);
    EXPECT_EQ(text.substr(text.size() - 6), "short\n"); // a line that still fits is kept
}

} // namespace
