#include "tests/model/reports/ReportTestSupport.h"

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
    InstallFixtureTemplates(*prop, "bid_templates.txt");
    return prop;
}

} // namespace

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
