// The agency's templates as an agency reads the printed bid and quote: prices to the cent,
// columns that stay put, the joint-bid statement with the certification, sections named as
// what they are.
#include "tests/model/reports/ReportTestSupport.h"

#include "bench/generator/AmendmentGenerator.h"

#include <gtest/gtest.h>

#include <cctype>

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

namespace {

// Runs of blanks and line ends as one blank: a wrapped text reads as one.
std::string Collapsed(const std::string& text)
{
    std::string result;
    for (const char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            result += c;
        else if (!result.empty() && result.back() != ' ')
            result += ' ';
    return result;
}

// Where `figure` ends on the line, or 0 when the line does not hold it.
std::size_t EndOf(const std::string& line, const std::string& figure)
{
    const std::size_t at = line.find(figure);
    return at == std::string::npos ? 0 : at + figure.size();
}

class AgencyReportMoney : public testing::TestWithParam<const char*> {};

} // namespace

// The paving item at 60,000 a ton takes its section, the items and the bid past a hundred
// million: each total prints whole with its symbol, at the right edge of the column it sums.
TEST_P(AgencyReportMoney, TotalsPastAHundredMillionPrintWholeInTheirColumns)
{
    auto prop = MakeAgencyProp();
    const std::string symbol = GetParam();
    prop->m_strFurtherReferences[0] = symbol;
    prop->m_items[RowOfLine(*prop, "0060")]->m_fUnitPrice = 60000;
    RecalcBidTotals(prop.get());
    const std::string report = ReportText(*prop, REPORT_PROPOSAL);
    const std::size_t extensions = EndOf(LineWith(report, "I0060"), "324,030,000.00");
    const std::size_t siteTotals = EndOf(LineWith(report, "Route 9 north"), "15,000.00");
    const std::size_t firmAmounts = EndOf(LineWith(report, "Blue Line Striping"), "20,000.00");
    ASSERT_GT(extensions * siteTotals * firmAmounts, 0u) << report;
    const struct {
        const char* m_label;
        const char* m_figure;
        std::size_t m_end;
    } totals[] = {{"Section 0050 Total", "324,034,800.00", extensions},
                  {"Items Total", "324,055,225.00", extensions},
                  {"Time Total", "37,500.00", siteTotals},
                  {"Bid Total", "324,092,725.00", siteTotals},
                  {"Goal", "16,202,761.25", firmAmounts},
                  {"Committed", "25,400.00", firmAmounts}};
    for (const auto& total : totals) {
        const std::string line = LineWith(report, symbol + total.m_figure);
        EXPECT_EQ(EndOf(line, symbol + total.m_figure), total.m_end) << total.m_label << "\n" << report;
        EXPECT_NE(line.find(total.m_label), std::string::npos) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Symbols, AgencyReportMoney, testing::Values("$", "EUR "),
                         [](const auto& info) { return std::string(info.param[0] == '$' ? "Dollar" : "Euro"); });

// An addendum note and a bid message longer than their columns go on over the next lines,
// every word kept, the note's number and county beside its first line only.
TEST(AgencyReport, NotesAndMessagesWrapWithEveryWord)
{
    auto prop = MakeAgencyProp();
    const std::string note = "Revised quantities of the paving and guard rail items; Deleted line 0040; Force "
                             "account amount raised; Added a second site with its own completion date";
    prop->m_notes[0]->m_strDescription = note;
    // Line 0060 made the same item as line 0020, at another price.
    ChangeFlagBit(&prop->m_wFlags2, PROP2_IDENTICAL_ITEM_RULE, 1);
    prop->m_items[RowOfLine(*prop, "0060")]->m_strItemNum = "I0020";
    const std::string front = PagesOf(ReportText(*prop, REPORT_PROPOSAL)).at(0);
    const std::string message =
        "Item Error : Line# 0060 has identical item at Line# 0020 with differing Unit Price.";
    EXPECT_NE(Collapsed(front).find("00001 " + note + " Brown 00002 Added guard rail alternate"), std::string::npos)
        << front;
    EXPECT_NE(Collapsed(front).find(message), std::string::npos) << front;
}

// The comma between the bidder's name and city stands only before a city.
TEST(AgencyReport, TheBidderLinePutsACommaOnlyBeforeACity)
{
    auto prop = MakeAgencyProp();
    EXPECT_NE(ReportText(*prop, REPORT_PROPOSAL).find(" Acme Paving, Springfield\n"), std::string::npos);
    prop->m_pBidder->Set(BIDDER_CITY, "");
    const std::string bidder = LineWith(ReportText(*prop, REPORT_PROPOSAL), "Bidder:");
    EXPECT_EQ(bidder.substr(bidder.find("Acme")), "Acme Paving");
}

// "12800" cut to four characters would read as line 1280. Each line number prints whole, the
// item numbers in one column after the longest, the firm list's under its ITEM label.
TEST(AgencyReport, LineNumbersPrintWholeWithRoomForTheLongest)
{
    auto prop = MakeAgencyProp();
    prop->m_items[RowOfLine(*prop, "0020")]->m_strLineNum = "1280";
    prop->m_items[RowOfLine(*prop, "0060")]->m_strLineNum = "12800";
    prop->m_items[RowOfLine(*prop, "0050")]->m_strLineNum = "10050";
    InstallAgencyTemplates(*prop);
    for (const int kind : {REPORT_PROPOSAL, REPORT_QUOTE}) {
        const std::string report = ReportText(*prop, kind);
        EXPECT_EQ(LineWith(report, "I0020").substr(0, 12), "1280   I0020") << report;
        EXPECT_EQ(LineWith(report, "I0060").substr(0, 12), "12800  I0060") << report;
        EXPECT_NE(LineWith(report, "Section 10050 Total"), "") << report;
    }
    const std::string bid = ReportText(*prop, REPORT_PROPOSAL);
    EXPECT_NE(LineWith(bid, "SECTION 10050 Pavement"), "") << bid;
    EXPECT_EQ(LineWith(bid, "8,812.50").substr(0, 47), std::string(41, ' ') + "12800 ") << bid;
    EXPECT_EQ(LineWith(bid, "ITEM    QUANTITY").find("ITEM"), 42u);

    prop->m_items[RowOfLine(*prop, "0070")]->m_strLineNum = "1000000";
    InstallAgencyTemplates(*prop);
    const std::string longer = ReportText(*prop, REPORT_PROPOSAL);
    EXPECT_EQ(LineWith(longer, "I0070").substr(0, 13), "1000000 I0070") << longer;
    EXPECT_EQ(LineWith(longer, "I0020").substr(0, 13), "1280    I0020") << longer;
}

// The second edition's guardrail section is the ten thousandth: the edition's report formats
// give its number room.
TEST(AgencyReport, AnEditionWithLongerLineNumbersGivesThemRoom)
{
    ProposalShape shape;
    shape.m_items = 9999;
    shape.m_itemsPerSection = 1;
    const AmendedProposal letting = GenerateAmendedProposal(shape);
    const std::string bid = ReportText(*letting.m_editions[1], REPORT_PROPOSAL);
    EXPECT_NE(LineWith(bid, "SECTION 10000 GUARDRAIL UPGRADE"), "");
    EXPECT_NE(LineWith(bid, "SECTION 0001  EARTHWORK"), "");
}
