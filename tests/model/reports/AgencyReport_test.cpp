// The agency's templates as an agency reads the printed bid and quote: prices to the cent,
// columns that stay put, the joint-bid statement with the certification, sections named as
// what they are.
#include "tests/model/reports/ReportTestSupport.h"

#include <gtest/gtest.h>

namespace {

// The firm's field named as the agency's templates name it.
std::unique_ptr<CProp> MakeAgencyProp()
{
    auto prop = MakeReportProp();
    prop->m_pDbeForm->m_fields[0]->m_strName = "Firm";
    InstallAgencyTemplates(*prop);
    return prop;
}

std::vector<std::string> PagesOf(const std::string& report)
{
    std::vector<std::string> pages = SplitText(report, '\f');
    if (!pages.empty() && pages.back().empty())
        pages.pop_back();
    return pages;
}

// The first line of the report that holds `text`.
std::string LineWith(const std::string& report, const std::string& text)
{
    for (const std::string& line : SplitText(report, '\n'))
        if (line.find(text) != std::string::npos)
            return line;
    return {};
}

} // namespace

TEST(AgencyReport, PricesPrintToTheCentAndFirmAmountsWithCommas)
{
    auto prop = MakeAgencyProp();
    for (const int kind : {REPORT_PROPOSAL, REPORT_QUOTE}) {
        const std::string excavation = LineWith(ReportText(*prop, kind), "I0020");
        EXPECT_NE(excavation.find(" 12.50 "), std::string::npos) << excavation;
    }
    const std::string firm = LineWith(ReportText(*prop, REPORT_PROPOSAL), "Blue Line Striping");
    EXPECT_NE(firm.find(" 20,000.00"), std::string::npos) << firm;
}

TEST(AgencyReport, ASiteWithoutItsDaysKeepsTheCostColumns)
{
    auto prop = MakeAgencyProp();
    prop->m_sites[1]->m_iNumberOfDays = CSite::kDaysNotGiven;
    const std::string report = ReportText(*prop, REPORT_PROPOSAL);
    const std::string given = LineWith(report, "Route 9 north");
    const std::string blank = LineWith(report, "Mill Creek bridge approach");
    ASSERT_FALSE(given.empty());
    EXPECT_EQ(blank.find("500.00"), given.find("500.00")) << given << "\n" << blank;
}

// The statement stands with the certification at the end, not alone on a page of its own.
TEST(AgencyReport, TheJointBidStatementEndsTheBidWithTheCertification)
{
    auto prop = MakeAgencyProp();
    const std::vector<std::string> pages = PagesOf(ReportText(*prop, REPORT_PROPOSAL));
    ASSERT_FALSE(pages.empty());
    const std::string& last = pages.back();
    const std::size_t statement = last.find("This is not a joint bid.");
    ASSERT_NE(statement, std::string::npos) << last;
    EXPECT_LT(statement, last.find("I certify this bid."));
    for (std::size_t page = 0; page + 1 < pages.size(); ++page)
        EXPECT_EQ(pages[page].find("joint bid"), std::string::npos) << "page " << page + 1;
}

TEST(AgencyReport, TheQuoteNamesAnAlternateGroupOnlyForAnAlternateSection)
{
    auto prop = MakeAgencyProp();
    prop->m_items[4]->m_strAltCode = "02"; // the pavement section
    const std::string quote = ReportText(*prop, REPORT_QUOTE);
    const std::string earthwork = LineWith(quote, "Section 0010");
    EXPECT_EQ(earthwork.find("Alt"), std::string::npos) << earthwork;
    EXPECT_NE(LineWith(quote, "Section 0050").find("Alt Group 02"), std::string::npos) << quote;
}

// A bidder's name of forty characters leaves room for the contract and the letting date.
TEST(AgencyReport, TheQuoteOpensWithTheContractAndTheWholeLettingDate)
{
    auto prop = MakeAgencyProp();
    prop->m_pBidder->Set(BIDDER_NAME, "HIGH PLAINS PAVING AND GRADING INCORPORA");
    const std::string quote = ReportText(*prop, REPORT_QUOTE);
    EXPECT_NE(quote.find("C-1001"), std::string::npos);
    EXPECT_NE(quote.find("May 28, 2024"), std::string::npos) << quote.substr(0, quote.find("Page"));
    EXPECT_NE(quote.find("Quoted by HIGH PLAINS PAVING AND GRADING INCORPORA"), std::string::npos);
}
