#include "model/check/BidErrors.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class BidErrorsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetBidErrors(true); }
    void TearDown() override { ResetBidErrors(true); }
};

struct EntryCase {
    int area;
    int severity;
    const char* format;
    std::initializer_list<std::string_view> args;
    std::string text;
    int countedAs;
};

TEST_F(BidErrorsTest, EntryTextIsAreaSeverityAndMessage)
{
    const std::string longText(300, 'x'); // outlives the cases that point into it
    const EntryCase cases[] = {
        {AREA_ITEM, BID_ERROR, "item %s (Line# %s) not bid", {"203-001", "0010"},
         "Item Error : item 203-001 (Line# 0010) not bid", BID_ERROR},
        {AREA_SITE, BID_WARNING, " Required fields not entered in Site Number %s", {"1"},
         "Site Warning :  Required fields not entered in Site Number 1", BID_WARNING},
        {AREA_BOND, BID_NOTICE, "Minimum Bond percentage is %s%%", {"5.00"}, "Bond Notice : Minimum Bond percentage is 5.00%",
         BID_NOTICE},
        // A cap's own message or a line number from the file may hold "%s" or "%n".
        {AREA_ITEM, BID_ERROR, "item %s (Line# %s) %s", {"%s%n", "%d", "Price %s too low"},
         "Item Error : item %s%n (Line# %d) Price %s too low", BID_ERROR},
        // Missing arguments leave nothing; a lone "%" stays.
        {AREA_MISC, BID_ERROR, "a %s b %s 100% c", {"x"}, "Misc Error : a x b  100% c", BID_ERROR},
        {AREA_PROPOSAL, BID_ERROR, "%s", {longText}, "Proposal Error : " + std::string(120, 'x'), BID_ERROR},
        // Form severities come from the agency's file; a word stored as 0xFFFF reads as -1.
        {AREA_DBE, 7, "odd", {}, "DBE Error : odd", BID_ERROR},
        {AREA_DBE, -1, "negative", {}, "DBE Error : negative", BID_ERROR},
    };
    for (const EntryCase& c : cases) {
        ResetBidErrors(true);
        FormatBidErrorList(c.area, c.severity, c.format, c.args);
        ASSERT_EQ(GetBidErrorList().size(), 1u) << c.text;
        const CBidError& entry = GetBidErrorList()[0];
        EXPECT_EQ(entry.m_strText, c.text);
        EXPECT_EQ(entry.m_wArea, c.area);
        EXPECT_EQ(entry.m_wSeverity, c.countedAs) << c.text;
        int counts[3] = {};
        GetBidErrorCounts(&counts[BID_ERROR], &counts[BID_WARNING], &counts[BID_NOTICE]);
        EXPECT_EQ(counts[c.countedAs], 1) << c.text;
    }
}

TEST_F(BidErrorsTest, FullListEndsWithTheCutOffLineAndKeepsCounting)
{
    for (int i = 0; i < 9000; ++i)
        FormatBidErrorList(AREA_ITEM, BID_ERROR, "item %s not bid", {std::to_string(i)});
    FormatBidErrorList(AREA_ITEM, BID_WARNING, "one more");
    int count = 0;
    const auto& list = GetBidErrorList(&count);
    ASSERT_EQ(count, kMaxBidErrors + 1);
    EXPECT_EQ(list[kMaxBidErrors - 1].m_strText, "Item Error : item 8997 not bid");
    EXPECT_EQ(list[kMaxBidErrors].m_strText, kMoreErrorsLine);
    EXPECT_EQ(list[kMaxBidErrors].m_wSeverity, BID_NOTICE);
    EXPECT_EQ(list[kMaxBidErrors].m_wArea, 0);
    int errors = 0, warnings = 0, notices = 0;
    GetBidErrorCounts(&errors, &warnings, &notices);
    EXPECT_EQ(errors, 9000);
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(notices, 0);
    EXPECT_FALSE(BidErrorListAccepts());
}

TEST_F(BidErrorsTest, ResetWithoutRecordingKeepsTheListButCountsAfresh)
{
    FormatBidErrorList(AREA_MISC, BID_ERROR, "kept");
    ResetBidErrors(false);
    FormatBidErrorList(AREA_MISC, BID_WARNING, "only counted");
    int warnings = 0;
    EXPECT_EQ(GetBidErrorCounts(nullptr, &warnings), 1);
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(GetBidErrorList()[0].m_strText, "Misc Error : kept");

    ResetBidErrors(true);
    EXPECT_EQ(GetBidErrorCounts(), 0);
    FreeBidErrorList();
    EXPECT_TRUE(GetBidErrorList().empty());
}

// The texts of an emptied list serve the next one's messages: nothing of the old may show.
TEST_F(BidErrorsTest, ANewListShowsNothingOfTheLastOne)
{
    FormatBidErrorList(AREA_ITEM, BID_ERROR, "%s", {std::string(200, 'x')});
    FormatBidErrorList(AREA_ITEM, BID_WARNING, "second");
    ResetBidErrors(true);
    FormatBidErrorList(AREA_SITE, BID_NOTICE, "short");
    ASSERT_EQ(GetBidErrorList().size(), 1u);
    EXPECT_EQ(GetBidErrorList()[0].m_strText, "Site Notice : short");
    EXPECT_EQ(GetBidErrorList()[0].m_wArea, AREA_SITE);
}

} // namespace
