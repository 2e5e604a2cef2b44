#include "platform/core/IniDocument.h"
#include "platform/core/IniLine.h"

#include <gtest/gtest.h>

#include <string>

using platform::IniDocument;

namespace {

struct ReadCase {
    const char* name;
    std::string text;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

class IniDocumentRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniDocumentRead, FollowsThePrivateProfileRules)
{
    const ReadCase& c = GetParam();
    EXPECT_EQ(IniDocument(c.text).GetValue(c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniDocumentRead,
    ::testing::Values(
        ReadCase{"SectionWithoutCase", "[Misc]\nA=1\n", "mISC", "A", "1"},
        ReadCase{"KeyWithoutCase", "[Misc]\nPrintSave=1\n", "Misc", "PRINTSAVE", "1"},
        ReadCase{"ValueTrimmed", "[S]\n  k  =  \t v w \t\n", "S", "k", "v w"},
        ReadCase{"DoubleQuotesRemoved", "[S]\nk=\" v \"\n", "S", "k", " v "},
        ReadCase{"SingleQuotesRemoved", "[S]\nk='v'\n", "S", "k", "v"},
        ReadCase{"UnmatchedQuotesKept", "[S]\nk=\"v'\n", "S", "k", "\"v'"},
        ReadCase{"OneQuoteKept", "[S]\nk=\"\n", "S", "k", "\""},
        ReadCase{"EmptyIsNotMissing", "[S]\nk=\n", "S", "k", ""},
        ReadCase{"Missing", "[S]\nk=1\n", "S", "j", std::nullopt},
        ReadCase{"FirstDuplicateWins", "[S]\nk=1\nK=2\n", "S", "k", "1"},
        ReadCase{"SectionsOfOneNameAreOne", "[S]\na=1\n[T]\nb=2\n[s]\nb=3\n", "S", "b", "3"},
        ReadCase{"FirstSectionWinsForDuplicates", "[S]\nk=1\n[S]\nk=2\n", "S", "k", "1"},
        ReadCase{"EqualsInValue", "[S]\nurl=a=b=c\n", "S", "url", "a=b=c"},
        ReadCase{"CommentIsNoEntry", "[S]\n;k=1\nk=2\n", "S", "k", "2"},
        ReadCase{"CrLf", "[S]\r\nk=v\r\n", "S", "k", "v"},
        ReadCase{"NoNewlineAtEnd", "[S]\nk=v", "S", "k", "v"},
        ReadCase{"NulEndsTheLine", std::string("[S]\nk=ab\0cd\n", 12), "S", "k", "ab"},
        ReadCase{"BrokenHeaderEndsSection", "[S]\na=1\n[T\nb=2\n", "S", "b", std::nullopt},
        ReadCase{"HeaderBlanks", "[ \tS  ]\nk=v\n", "S", "k", "v"},
        ReadCase{"TextAfterHeader", "[S] ; note\nk=v\n", "S", "k", "v"},
        ReadCase{"EntriesBeforeAnyHeader", "k=v\n[S]\n", "S", "k", std::nullopt},
        ReadCase{"HighBytes", "[\xC4rger]\n\xE9=\xFC\n", "\xC4rger", "\xE9", "\xFC"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniDocument, ChangesKeepEveryOtherLine)
{
    const std::string original = "; settings\n[A]\nx = 1 ; kept\n\n[B]\ny=2\nnoise\n";
    IniDocument document(original);
    EXPECT_EQ(document.Text(), original);
    document.SetValue("a", "X", "5");
    document.SetValue("A", "z", "6");
    document.SetValue("C", "w", "7");
    EXPECT_EQ(document.Text(), "; settings\n[A]\nx=5\nz=6\n\n[B]\ny=2\nnoise\n[C]\nw=7\n");
}

TEST(IniDocument, KeepsWindowsLineEndsAndAddsTheLastOne)
{
    IniDocument document("[A]\r\nx=1");
    document.SetValue("A", "y", "2");
    EXPECT_EQ(document.Text(), "[A]\r\nx=1\r\ny=2\r\n");
}

TEST(IniDocument, ValuesThatWouldNotReadBackAreQuoted)
{
    for (const std::string value : {" lead", "trail\t", "\"q\"", "'q'", "\"", "a\"b", ""}) {
        IniDocument document;
        document.SetValue("S", "k", value);
        EXPECT_EQ(IniDocument(document.Text()).GetValue("S", "k"), value) << document.Text();
    }
}

TEST(IniDocument, DeleteRemovesEveryDuplicateSoNoneShowsThrough)
{
    IniDocument document("[S]\nk=1\nk=2\n[s]\nK=3\nj=4\n");
    EXPECT_TRUE(document.DeleteValue("S", "k"));
    EXPECT_EQ(document.GetValue("S", "k"), std::nullopt);
    EXPECT_EQ(document.GetValue("S", "j"), "4");
    EXPECT_FALSE(document.DeleteValue("S", "k"));
}

TEST(IniDocument, DeleteSectionWithOrWithoutTheSectionsBelowIt)
{
    const std::string text = "[K\\Bidder]\na=1\n[K\\Bidder\\IDS]\nX=1\n[k\\bidder\\ids\\Old]\n"
                             "Y=2\n[K\\Bidder\\IDSX]\nZ=3\n[K\\Bidder\\IDS]\nW=4\n";
    IniDocument flat(text);
    EXPECT_TRUE(flat.DeleteSection("K\\Bidder\\IDS", false));
    EXPECT_FALSE(flat.HasSection("K\\Bidder\\IDS"));
    EXPECT_TRUE(flat.HasSection("K\\Bidder\\IDS\\Old"));

    IniDocument tree(text);
    EXPECT_TRUE(tree.DeleteSection("K\\Bidder\\IDS", true));
    EXPECT_EQ(tree.Text(), "[K\\Bidder]\na=1\n[K\\Bidder\\IDSX]\nZ=3\n");
    EXPECT_FALSE(tree.DeleteSection("K\\Bidder\\IDS", true));
}

TEST(IniDocument, EntriesListEachKeyOnceWithItsFirstValueEmptyOnesIncluded)
{
    const IniDocument document("[S]\nb=2\nempty=\nB=9\n[T]\nt=1\n[s]\na=1\nnoise\n");
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(document.Entries("S"), (Pairs{{"b", "2"}, {"empty", ""}, {"a", "1"}}));
    EXPECT_TRUE(document.Entries("none").empty());
}

TEST(IniDocument, AddSectionOnlyWhenMissing)
{
    IniDocument document("[A]\n");
    EXPECT_FALSE(document.AddSection("a"));
    EXPECT_TRUE(document.AddSection("B"));
    EXPECT_EQ(document.Text(), "[A]\n[B]\n");
}

TEST(IniLine, WhatALineBasedFileCanStore)
{
    using namespace platform;
    EXPECT_TRUE(IsStorableIniKey("URL99"));
    for (const std::string& key : {std::string(), std::string("a=b"), std::string(" a"), std::string("a\t"),
                                  std::string(";a"), std::string("[a"), std::string("a\nb"),
                                  std::string("a\0b", 3)})
        EXPECT_FALSE(IsStorableIniKey(key)) << key;
    EXPECT_TRUE(IsStorableIniSection("HKEY_CURRENT_USER\\Software\\X"));
    EXPECT_FALSE(IsStorableIniSection("a]b"));
    EXPECT_FALSE(IsStorableIniSection(" a"));
    EXPECT_TRUE(IsStorableIniValue(std::string(100000, 'x') + " = ; [ ]"));
    EXPECT_FALSE(IsStorableIniValue("a\rb"));
}

} // namespace
