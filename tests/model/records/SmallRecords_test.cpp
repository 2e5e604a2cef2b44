#include "model/records/BidCap.h"
#include "model/records/DataMap.h"
#include "model/text/FlagWord.h"
#include "model/records/RecordText.h"
#include "model/records/Site.h"
#include "model/records/SmallRecords.h"
#include "tests/model/support/Amendments.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

CSite MakeSite(bool biddable, int32_t days)
{
    CSite site;
    ChangeFlagBit(&site.m_wFlags, SITE_BIDDABLE, biddable ? 1 : 0);
    site.m_iStartDate = 1000;
    site.m_iEndDate = 2000;
    site.m_iNumberOfDays = days;
    site.m_dDamages = 500;
    site.m_dRoadCostPerDay = 75.5;
    site.m_strSiteNumber = "S1";
    site.m_strTypeOfDays = "Calendar";
    site.m_strDescription = "Bridge deck";
    return site;
}

} // namespace

TEST(Site, DaysNotGivenInEitherSpellingAreEqual)
{
    CSite newer = MakeSite(true, CSite::kDaysNotGiven);
    const CSite older = MakeSite(true, CSite::kDaysNotGivenStored);
    EXPECT_EQ(newer.ReduceToChanges(&older), 0u);
    EXPECT_FALSE(TestFlagBit(newer.m_wFlags, SITE_CHANGED));

    CSite given = MakeSite(true, 12);
    EXPECT_EQ(given.ReduceToChanges(&older), 2u) << "the days, and the changed mark itself";
    EXPECT_TRUE(TestFlagBit(given.m_wFlags, SITE_CHANGED));
}

TEST(Site, BiddableSiteKeepsTheBiddersDaysWhenNothingElseChanged)
{
    CSite current = MakeSite(true, 42); // the bidder typed 42 days
    const CSite agencyOlder = MakeSite(true, CSite::kDaysNotGiven);
    const CSite agencyNewer = MakeSite(true, CSite::kDaysNotGiven);
    auto amendment = AmendmentOf(agencyNewer, agencyOlder);

    EXPECT_EQ(current.ExchangeWithLog(*amendment), 0u);
    EXPECT_EQ(current.m_iNumberOfDays, 42);
    EXPECT_EQ(current.m_strDescription, "Bridge deck") << "the unchanged marker must not leak";
}

TEST(Site, ChangedOrNonBiddableSiteTakesTheAgencysDays)
{
    CSite changed = MakeSite(true, 42);
    CSite agencyNewer = MakeSite(true, CSite::kDaysNotGiven);
    agencyNewer.m_dRoadCostPerDay = 99;
    auto amendment = AmendmentOf(agencyNewer, MakeSite(true, CSite::kDaysNotGiven));
    EXPECT_GE(changed.ExchangeWithLog(*amendment), 2u);
    EXPECT_EQ(changed.m_dRoadCostPerDay, 99);
    EXPECT_EQ(changed.m_iNumberOfDays, CSite::kDaysNotGiven);

    CSite fixedSite = MakeSite(false, 30);
    auto fixedAmendment = AmendmentOf(MakeSite(false, 35), MakeSite(false, 30));
    EXPECT_EQ(fixedSite.ExchangeWithLog(*fixedAmendment), 2u) << "the days and the changed mark";
    EXPECT_EQ(fixedSite.m_iNumberOfDays, 35);
    EXPECT_TRUE(TestFlagBit(fixedSite.m_wFlags, SITE_CHANGED));
}

TEST(SmallRecords, ReducedAmendmentAppliedToOlderReproducesNewer)
{
    CNote older;
    older.m_iAmendmentNumber = 1;
    older.m_strDescription = "first";
    CNote newer;
    newer.CopyFrom(older);
    newer.m_iAmendmentDate = 777;
    auto noteAmendment = AmendmentOf(newer, older);
    EXPECT_EQ(noteAmendment->m_strDescription, kUnchangedText);
    EXPECT_EQ(older.ExchangeWithLog(*noteAmendment), 1u);
    EXPECT_EQ(older.m_iAmendmentDate, 777);
    EXPECT_EQ(older.m_strDescription, "first");

    COtherRpt report;
    report.m_strName = "Summary";
    report.m_strText = "{X}";
    COtherRpt newerReport;
    newerReport.CopyFrom(report);
    newerReport.m_wNumber = 4;
    newerReport.m_strText = "{Y}";
    auto reportAmendment = AmendmentOf(newerReport, report);
    EXPECT_EQ(report.ExchangeWithLog(*reportAmendment), 2u);
    EXPECT_EQ(report.m_strName, "Summary");
    EXPECT_EQ(report.m_strText, "{Y}");
    EXPECT_EQ(report.m_wNumber, 4);
}

TEST(SmallRecords, ExchangesLogNothingOfTheirOwn)
{
    CreateAmendmentLog();
    CCounty county;
    county.m_strCountyName = "Adams";
    CCounty amendment;
    amendment.m_strCountyName = "Brown";
    EXPECT_EQ(county.ExchangeWithLog(amendment), 1u);
    EXPECT_EQ(GetAmendmentChangeCount(), 0);
    DestroyAmendmentLog();
}

TEST(SmallRecords, PlateMapPairsByNameAndMovedPlatesCarryNoMarker)
{
    CDataMap<CPlate> current;
    for (const char* name : {"Alpha", "Beta"})
        current.SetAt(name, std::make_unique<CPlate>())->m_strText = std::string("old ") + name;
    CDataMap<CPlate> amendment;
    amendment.SetAt("Beta", std::make_unique<CPlate>())->m_strText = "new Beta";
    CPlate* gamma = amendment.SetAt("Gamma", std::make_unique<CPlate>());
    gamma->m_strText = std::string(kUnchangedText);
    gamma->m_wFlags = 0x8000; // a hostile file may set the pairing bit

    EXPECT_EQ(current.ExchangeWithLog(amendment), 3u);
    EXPECT_EQ(current.Lookup("Alpha"), nullptr);
    EXPECT_EQ(current.Lookup("Beta")->m_strText, "new Beta");
    ASSERT_NE(current.Lookup("Gamma"), nullptr);
    EXPECT_EQ(current.Lookup("Gamma")->m_strText, "");
    EXPECT_EQ(current.Lookup("Gamma")->m_wFlags, 0);
}

TEST(BidCap, AnyRuleTextDifferenceCountsAndIsTakenOver)
{
    CBidCap current;
    current.m_strName = "2010";
    current.m_strMaximum = {"@QUAN*10", "", "", "", ""};
    CBidCap amendment;
    amendment.CopyFrom(current);
    amendment.m_strMaximum[0] = "@QUAN*12";

    CBidCap reduced;
    reduced.CopyFrom(amendment);
    EXPECT_EQ(reduced.ReduceToChanges(&current), 1u);
    EXPECT_EQ(current.ExchangeWithLog(amendment), 1u);
    EXPECT_EQ(current.m_strMaximum[0], "@QUAN*12");

    current.m_strMessage[4] = "too high";
    EXPECT_TRUE(current.HasMessage(4));
    EXPECT_FALSE(current.HasMessage(0));
    EXPECT_FALSE(current.HasMessage(5));
    EXPECT_FALSE(current.HasMessage(-1));
}
