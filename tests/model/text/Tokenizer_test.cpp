#include "model/text/TextUtil.h"

#include <gtest/gtest.h>

namespace {

TEST(NextToken, SeparatorsQuotesAndAdvance)
{
    std::string_view cursor = "  alpha, \"b,c\"\"d\" ,last";
    std::string token;
    EXPECT_EQ(NextToken(cursor, token, nullptr, ",", true, true), ',');
    EXPECT_EQ(token, "alpha");
    EXPECT_EQ(NextToken(cursor, token, nullptr, ",", true, true), ',');
    EXPECT_EQ(token, "b,c\"d ");
    EXPECT_EQ(NextToken(cursor, token, nullptr, ",", true, false), 0);
    EXPECT_EQ(token, "last");
    EXPECT_EQ(NextToken(cursor, token, nullptr, ",", true, true), -1);
    EXPECT_EQ(token, "");
}

TEST(NextToken, WithoutAdvanceTheCursorStaysOnTheSeparatorAndTabsAreKept)
{
    std::string_view cursor = "ab;cd";
    std::string token;
    EXPECT_EQ(NextToken(cursor, token, "", ";", false, false), ';');
    EXPECT_EQ(cursor, ";cd");
    // Without the quote flag quotes are plain characters.
    cursor = "\"a,b\"";
    EXPECT_EQ(NextToken(cursor, token, nullptr, ",", false, true), ',');
    EXPECT_EQ(token, "\"a");

    // Tab-separated fields keep their leading tabs: an empty field lies between two.
    cursor = "a\t\tb";
    NextToken(cursor, token, nullptr, "\t", false, true);
    EXPECT_EQ(NextToken(cursor, token, nullptr, "\t", false, true), '\t');
    EXPECT_EQ(token, "");
    EXPECT_EQ(NextToken(cursor, token, nullptr, "\t", false, true), 0);
    EXPECT_EQ(token, "b");
    // An unterminated quote runs to the end; a separator byte above 0x7F comes back positive.
    cursor = "\"open, still\xA7x";
    EXPECT_EQ(NextToken(cursor, token, nullptr, ",", true, true), 0);
    EXPECT_EQ(token, "open, still\xA7x");
    cursor = "a\xA7" "b";
    EXPECT_EQ(NextToken(cursor, token, nullptr, "\xA7", false, true), 0xA7);
}

TEST(SplitToList, QuotingTrimmingAndATrailingSeparator)
{
    EXPECT_EQ(SplitToList("a, b,,c", ",", false, true),
              (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_EQ(SplitToList("a,b,", ",", false, false), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(SplitToList("\"x, y\" , \"say \"\"hi\"\"\"", ",", true, true),
              (std::vector<std::string>{"x, y", "say \"hi\""}));
    EXPECT_EQ(SplitToList(" a \t b ", "\t", false, true), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(SplitToList("", ",", false, false).empty());
    EXPECT_EQ(SplitToList(",", ",", false, false), (std::vector<std::string>{"", ""}));
}

TEST(CsvField, QuoteAndUnquoteRoundTrip)
{
    EXPECT_EQ(QuoteCsvField("plain"), "plain");
    EXPECT_EQ(QuoteCsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(QuoteCsvField("6\" pipe, steel"), "\"6\"\" pipe, steel\"");
    EXPECT_EQ(QuoteCsvField(""), "");
    for (const char* text : {"a,b", "6\" pipe, steel", "\"\"", "plain", ",\""})
        EXPECT_EQ(UnquoteField(QuoteCsvField(text)), text) << text;
    EXPECT_EQ(UnquoteField(" \t\"a\"\"b\" tail"), "a\"b");
    EXPECT_EQ(UnquoteField("  plain "), "plain ");
    EXPECT_EQ(UnquoteField("\"unterminated"), "unterminated");
}

TEST(ExpectChar, ConsumesOnlyACharacterOfTheSet)
{
    std::string_view cursor = "  =5";
    EXPECT_EQ(ExpectChar(cursor, "=:"), '=');
    EXPECT_EQ(ExpectChar(cursor, "=:"), 0);
    EXPECT_EQ(cursor, "5");
}

TEST(NextIdentifier, LettersDigitsAndUnderscore)
{
    std::string_view cursor = "  @QUAN_2 * 3";
    std::string name;
    EXPECT_EQ(NextIdentifier(cursor, name, false, true), '@');
    EXPECT_EQ(name, "");
    EXPECT_EQ(NextIdentifier(cursor, name, true, true), ' ');
    EXPECT_EQ(name, "@QUAN_2");
    EXPECT_EQ(cursor, "* 3");
    cursor = "key=value";
    EXPECT_EQ(NextIdentifier(cursor, name, false, false), '=');
    EXPECT_EQ(cursor, "=value");
    cursor = "tail";
    EXPECT_EQ(NextIdentifier(cursor, name, false, true), 0);
    EXPECT_EQ(name, "tail");
    EXPECT_TRUE(cursor.empty());
}

struct WildcardCase {
    const char* text;
    const char* pattern;
    bool exactCase;
    bool matches;
};

class Wildcards : public testing::TestWithParam<WildcardCase> {};

TEST_P(Wildcards, MatchTheWholeText)
{
    const WildcardCase& c = GetParam();
    EXPECT_EQ(WildcardMatch(c.text, c.pattern, c.exactCase), c.matches) << c.text << " ~ " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, Wildcards,
    testing::Values(WildcardCase{"P123.TVB", "*.tvb", false, true},
                    WildcardCase{"P123.TVB", "*.tvb", true, false},
                    WildcardCase{"P123.TVB", "P???.TVB", true, true},
                    WildcardCase{"P12.TVB", "P???.TVB", true, false},
                    WildcardCase{"abc", "a*", true, true}, WildcardCase{"abc", "*c*", true, true},
                    WildcardCase{"abc", "*b", true, false}, WildcardCase{"", "*", true, true},
                    WildcardCase{"", "?", true, false}, WildcardCase{"a", "", true, false},
                    WildcardCase{"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "*a*a*a*a*a*a*a*a*b", true, false},
                    WildcardCase{"mississippi", "m*iss*ppi", true, true},
                    WildcardCase{"-----BEGIN PUBLIC KEY BLOCK-----", "*PUBLIC KEY*", true, true}));

TEST(MatchesAnyPattern, SplitsAtSemicolons)
{
    EXPECT_TRUE(MatchesAnyPattern("P123.TVB", "*.tvl;*.tvb", false));
    EXPECT_FALSE(MatchesAnyPattern("P123.TVB", "*.tvl;*.tvb", true));
    EXPECT_FALSE(MatchesAnyPattern("P123.DAT", "*.tvl;*.tvb", false));
    EXPECT_TRUE(MatchesAnyPattern("", "*.tvl;", false)); // an empty pattern matches only ""
}

} // namespace
