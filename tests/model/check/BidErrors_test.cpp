#include "model/check/BidErrors.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class BidErrorsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetBidErrors(true); }
    void TearDown() override { ResetBidErrors(true); }
};

TEST_F(BidErrorsTest, EntryTextIsAreaSeverityAndMessage)
{
    FormatBidErrorList(AREA_ITEM, BID_ERROR, "item %s (Line# %s) not bid", {"203-001", "0010"});
    FormatBidErrorList(AREA_SITE, BID_WARNING, " Required fields not entered in Site Number %s", {"1"});
    FormatBidErrorList(AREA_BOND, BID_NOTICE, "Minimum Bond percentage is %s%%", {"5.00"});
    int count = 0;
    const auto& list = GetBidErrorList(&count);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(list[0].m_strText, "Item Error : item 203-001 (Line# 0010) not bid");
    EXPECT_EQ(list[1].m_strText, "Site Warning :  Required fields not entered in Site Number 1");
    EXPECT_EQ(list[2].m_strText, "Bond Notice : Minimum Bond percentage is 5.00%");
    EXPECT_EQ(list[0].m_wArea, AREA_ITEM);
    EXPECT_EQ(list[1].m_wSeverity, BID_WARNING);
}

TEST_F(BidErrorsTest, FormatCharactersInArgumentsAreNotInterpreted)
{
    // A cap's own message or a line number from the file may hold "%s" or "%n".
    FormatBidErrorList(AREA_ITEM, BID_ERROR, "item %s (Line# %s) %s", {"%s%n", "%d", "Price %s too low"});
    EXPECT_EQ(GetBidErrorList()[0].m_strText, "Item Error : item %s%n (Line# %d) Price %s too low");
    // Missing arguments leave nothing; a lone "%" stays.
    EXPECT_EQ(FormatBidMessage("a %s b %s 100% c", {"x"}), "a x b  100% c");
}

TEST_F(BidErrorsTest, MessageIsCutTo120CharactersBeforeTheWordsAreAdded)
{
    FormatBidErrorList(AREA_PROPOSAL, BID_ERROR, "%s", {std::string(300, 'x')});
    EXPECT_EQ(GetBidErrorList()[0].m_strText, "Proposal Error : " + std::string(120, 'x'));
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

TEST_F(BidErrorsTest, SeverityOutsideTheThreeKnownOnesCountsAsError)
{
    // Form severities come from the agency's file.
    FormatBidErrorList(AREA_DBE, 7, "odd");
    FormatBidErrorList(AREA_DBE, -3, "negative");
    int errors = 0, notices = 0;
    GetBidErrorCounts(&errors, nullptr, &notices);
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(GetBidErrorList()[0].m_strText, "DBE Error : odd");
    EXPECT_EQ(GetBidErrorList()[1].m_strText, "DBE Notice : negative");
}

} // namespace
