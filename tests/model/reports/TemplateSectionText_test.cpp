// Replacing a report template section in a configuration file: the section is found by its
// name whatever its case and the blanks around it, its comments stay, everything else is copied.
#include "model/reports/TemplateSectionText.h"

#include <gtest/gtest.h>

struct SectionCase {
    const char* name;
    const char* config;
    const char* expected;
    bool replaced;
};

class SectionRewrites : public ::testing::TestWithParam<SectionCase> {};

TEST_P(SectionRewrites, GiveTheExpectedFile)
{
    const SectionCase& c = GetParam();
    const SectionRewrite rewrite = ReplaceTemplateSection(c.config, "Bid", "new\n");
    EXPECT_EQ(rewrite.text, c.expected) << c.name;
    EXPECT_EQ(rewrite.replaced, c.replaced) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Files, SectionRewrites,
    ::testing::Values(
        SectionCase{"in the middle", "[A]\na\n[Bid]\nold\n[C]\nc\n", "[A]\na\n[Bid]\nnew\n[C]\nc\n", true},
        SectionCase{"at the end", "[A]\na\n[Bid]\nold\nolder\n", "[A]\na\n[Bid]\nnew\n", true},
        SectionCase{"other case and blanks", "[ \tbID ]\nold\n", "[Bid]\nnew\n", true},
        SectionCase{"comments kept", "[Bid]\nold\n;why\n[C]\n", "[Bid]\nnew\n;why\n[C]\n", true},
        SectionCase{"missing: added", "[A]\na\n", "[A]\na\n[Bid]\nnew\n", false},
        SectionCase{"empty file", "", "[Bid]\nnew\n", false},
        SectionCase{"carriage returns dropped", "[A]\r\na\r\n[Bid]\r\nold\r\n", "[A]\na\n[Bid]\nnew\n", true},
        SectionCase{"no last line feed", "[A]\na", "[A]\na\n[Bid]\nnew\n", false},
        SectionCase{"a name inside a longer one", "[Bids]\nx\n", "[Bids]\nx\n[Bid]\nnew\n", false},
        SectionCase{"a lone bracket", "[\n]\n[]\n", "[\n]\n[]\n[Bid]\nnew\n", false}));

TEST(SectionRewrite, ATextWithoutALastLineFeedGetsOne)
{
    EXPECT_EQ(ReplaceTemplateSection("", "X", "a").text, "[X]\na\n");
}

TEST(SectionRewrite, BinaryBytesAreCopiedAsTheyAre)
{
    const std::string config("[A]\n\0\xff\x01\n", 8);
    EXPECT_EQ(ReplaceTemplateSection(config, "B", "").text, config + "[B]\n");
}
