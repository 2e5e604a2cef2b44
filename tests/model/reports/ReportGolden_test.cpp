#include "tests/model/reports/ReportTestSupport.h"

#include "model/amend/AmendmentResult.h"
#include "model/amend/ChangeLog.h"
#include "model/check/Recalc.h"
#include "model/files/TvbFile.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Compares with the checked-in text; ZOD_UPDATE_GOLDEN=1 writes it instead.
void ExpectGolden(const std::string& text, const std::string& name)
{
    if (std::getenv("ZOD_UPDATE_GOLDEN")) {
        std::ofstream(std::string(ZOD_FIXTURES) + "/reports/" + name, std::ios::binary) << text;
        return;
    }
    EXPECT_EQ(text, ReadFixture(name)) << name;
}

std::unique_ptr<CProp> MakeTemplatedProp()
{
    auto prop = MakeReportProp();
    InstallAgencyTemplates(*prop);
    return prop;
}

// The sample letting as the bidder sees it once opened: the proposal with both amendments.
std::unique_ptr<CProp> OpenSample()
{
    const std::string base = std::string(ZOD_SAMPLES) + "/sample";
    std::unique_ptr<CProp> prop;
    EXPECT_EQ(LoadTvbFile(prop, base + ".tvb", false), kTvbNoError);
    CreateAmendmentLog();
    for (const char* extension : {".001", ".002"}) {
        std::unique_ptr<CProp> amendment;
        EXPECT_EQ(LoadTvbFile(amendment, base + extension, true), kTvbNoError);
        if (prop && amendment) {
            EXPECT_EQ(prop->ExchangeWithLog(*amendment), unsigned(AMEND_NO_ERROR));
        }
    }
    DestroyAmendmentLog();
    if (prop)
        RecalcBidTotals(prop.get());
    return prop;
}

} // namespace

TEST(ReportGolden, TheSampleBidAndQuote)
{
    auto prop = OpenSample();
    ASSERT_TRUE(prop);
    ExpectGolden(ReportText(*prop, REPORT_PROPOSAL), "sample_bid.txt");
    ExpectGolden(ReportText(*prop, REPORT_QUOTE), "sample_quote.txt");
}

TEST(ReportGolden, TheBid)
{
    auto prop = MakeTemplatedProp();
    ExpectGolden(ReportText(*prop, REPORT_PROPOSAL), "bid.txt");
}

TEST(ReportGolden, TheBidOnShortPages)
{
    auto prop = MakeTemplatedProp();
    ExpectGolden(ReportText(*prop, REPORT_PROPOSAL, 24), "bid_short_pages.txt");
}

TEST(ReportGolden, TheQuote)
{
    auto prop = MakeTemplatedProp();
    ExpectGolden(ReportText(*prop, REPORT_QUOTE), "quote.txt");
}
