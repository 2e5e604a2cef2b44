#include "tests/model/reports/ReportTestSupport.h"

#include <gtest/gtest.h>

namespace {

using Pages = PageLines;
using Page = std::vector<std::string>;

Pages BuildPages(CProp& prop, int kind, int lines)
{
    CReportPages pages;
    CReportRequest request;
    request.m_iKind = kind;
    request.m_iLines = lines;
    const auto error = BuildReportPages(prop, request, pages);
    EXPECT_FALSE(error) << error->what();
    return LinesOf(pages);
}

// Bare templates whose lines say which part printed them.
std::unique_ptr<CProp> MakePagingProp()
{
    auto prop = MakeReportProp();
    prop->SetPlate("Report Header", "H{PAGE_NUMBER,FORMAT=%u}");
    prop->SetPlate("Report Section Head", "S{SECTION_NUMBER}");
    prop->SetPlate("Report Item", "I{ITEM_LINE_NUMBER}");
    prop->SetPlate("Report Section Tail", "T{SECTION_NUMBER}");
    prop->SetPlate("Report Footer", "F");
    return prop;
}

std::vector<std::string> Starting(const Page& page, char first)
{
    std::vector<std::string> lines;
    for (const std::string& line : page)
        if (!line.empty() && line[0] == first)
            lines.push_back(line);
    return lines;
}

} // namespace

TEST(ReportPaging, PartsThatDoNotFitOpenTheNextPageBelowTheHeader)
{
    auto prop = MakePagingProp();
    const Pages pages = BuildPages(*prop, REPORT_PROPOSAL, 6); // header, 4 lines, footer
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0], (Page{"H1", "S0010", "I0020", "I0030", "I0040", "F"}));
    EXPECT_EQ(pages[1], (Page{"H2", "T0010", "S0050", "I0060", "I0070", "F"}));
    EXPECT_EQ(pages[2], (Page{"H3", "I0080", "I0090", "T0050", "F"}));
}

TEST(ReportPaging, TheFirstPartOfAPageIsPrintedEvenWhenItDoesNotFit)
{
    auto prop = MakePagingProp();
    prop->SetPlate("Report Item", "I{ITEM_LINE_NUMBER}" + std::string(8, '\n') + "end");
    const Pages pages = BuildPages(*prop, REPORT_PROPOSAL, 6);
    int items = 0;
    for (const auto& page : pages) {
        const auto printed = Starting(page, 'I');
        EXPECT_LE(printed.size(), 1u);
        items += int(printed.size());
    }
    EXPECT_EQ(items, 7);
}

TEST(ReportPaging, ItemsPerPageCountsItemsAndSectionHeads)
{
    auto prop = MakePagingProp();
    prop->m_iDisplayFormatNumbers[0] = 2;
    const Pages pages = BuildPages(*prop, REPORT_PROPOSAL, 0);
    ASSERT_EQ(pages.size(), 5u);
    EXPECT_EQ(pages[0], (Page{"H1", "S0010", "I0020", "F"}));
    EXPECT_EQ(pages[1], (Page{"H2", "I0030", "I0040", "T0010", "F"}));
    EXPECT_EQ(pages[2], (Page{"H3", "S0050", "I0060", "F"}));

    // A section head without a template is not counted.
    prop->RemovePlate("Report Section Head");
    EXPECT_EQ(BuildPages(*prop, REPORT_PROPOSAL, 0)[0], (Page{"H1", "I0020", "I0030", "F"}));
}

TEST(ReportPaging, EverySectionOnANewPageWhenTheLayoutSaysSo)
{
    auto prop = MakePagingProp();
    ChangeFlagBit(&prop->m_wDisplayFormatFlags, 0, 1);
    const Pages pages = BuildPages(*prop, REPORT_PROPOSAL, 0);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1].at(1), "S0050");
}

TEST(ReportPaging, ItemsBeforeTheFirstSectionArePrinted)
{
    auto prop = MakePagingProp();
    auto early = std::make_unique<CItem>();
    early->m_strLineNum = "0001";
    prop->m_items.InsertAt(0, std::move(early));
    EXPECT_EQ(BuildPages(*prop, REPORT_PROPOSAL, 0)[0].at(1), "I0001");
}

TEST(ReportPaging, TheFooterStandsAtTheBottomOfEveryPage)
{
    auto prop = MakePagingProp();
    prop->SetPlate("Report Footer", "{[Report Simple Footer]}\\");
    for (const auto& page : BuildPages(*prop, REPORT_PROPOSAL, 8)) {
        ASSERT_EQ(page.size(), 8u);
        EXPECT_EQ(page[6], std::string(80, '-'));
        EXPECT_EQ(page[7].substr(72, 4), "Page");
    }
}

TEST(ReportPaging, AQuoteLeavesOutUnpricedItemsTheMiddleAndTheFirmLists)
{
    auto prop = MakePagingProp();
    prop->SetPlate("Report Quote Item", "Q{ITEM_LINE_NUMBER}");
    prop->SetPlate("Report Middle", "MIDDLE");
    prop->SetPlate("Report DBE", "FIRM {FirmName}");
    prop->SetPlate("Report Quote Front", "QUOTE");
    std::string bid, quote;
    for (const auto& page : BuildPages(*prop, REPORT_PROPOSAL, 0))
        for (const auto& line : page)
            bid += line + "|";
    for (const auto& page : BuildPages(*prop, REPORT_QUOTE, 0))
        for (const auto& line : page)
            quote += line + "|";
    EXPECT_NE(bid.find("MIDDLE|"), std::string::npos);
    EXPECT_NE(bid.find("FIRM Blue Line Striping|FIRM Rock Supply Co|"), std::string::npos);
    EXPECT_EQ(quote.find("MIDDLE"), std::string::npos);
    EXPECT_EQ(quote.find("FIRM"), std::string::npos);
    EXPECT_EQ(quote.substr(0, 6), "QUOTE|");
    // The quote uses its own item template; the fixed-price and the unpriced items are left out.
    EXPECT_NE(quote.find("Q0020|Q0030|"), std::string::npos);
    EXPECT_NE(quote.find("Q0060|Q0070|Q0080|"), std::string::npos);
    EXPECT_EQ(quote.find("0040"), std::string::npos);
    EXPECT_EQ(quote.find("0090"), std::string::npos);
}

TEST(ReportPaging, AFirmTypeThatIsNotActivePrintsNoList)
{
    auto prop = MakePagingProp();
    prop->SetPlate("Report DBE", "FIRM {FirmName}");
    ChangeFlagBit(&prop->m_wFlags, PROP_HAS_DBE_FORM, 0);
    for (const auto& page : BuildPages(*prop, REPORT_PROPOSAL, 0))
        EXPECT_TRUE(Starting(page, 'F').size() <= 1u); // footers only
}

TEST(ReportPaging, AFormWithoutFirmsPrintsHeaderStartTotalsAndFooter)
{
    auto prop = MakePagingProp();
    prop->m_pDbeForm->m_rows.DeleteAll();
    prop->SetPlate("Report DBE Header", "DH");
    prop->SetPlate("Report DBE Start", "DS");
    prop->SetPlate("Report DBE List Labels", "DL");
    prop->SetPlate("Report DBE Totals", "DT {DBE_ENTEREDAMT}");
    const Pages pages = BuildPages(*prop, REPORT_PROPOSAL, 0);
    EXPECT_EQ(pages.back(), (Page{"DH", "DS", "DT         0.00", "F"}));
}

TEST(ReportPaging, OtherReportsByName)
{
    auto prop = MakePagingProp();
    prop->SetPlate("Quick Header", "QH");
    prop->SetPlate("Quick Section", "QS{SECTION_NUMBER}");
    prop->SetPlate("Quick Item", "QI{ITEM_LINE_NUMBER} of {SECTION_NUMBER}");
    prop->SetPlate("Quick Proposal", "QP{SECTION_NUMBER}");
    prop->SetPlate("Summary", "Total {PROPOSAL_TOTAL,MONEY}");
    for (const char* name : {"#3", "Summary", "#1"})
        prop->m_otherReports.Add(std::make_unique<COtherRpt>())->m_strName = name;
    const Pages quick = BuildPages(*prop, 0, 0);
    ASSERT_EQ(quick.size(), 1u);
    EXPECT_EQ(quick[0], (Page{"QH", "QS0010", "QI0020 of 0010", "QI0030 of 0010", "QI0040 of 0010", "QS0050",
                                            "QI0060 of 0050", "QI0070 of 0050", "QI0080 of 0050", "QI0090 of 0050", "QP"}));
    EXPECT_EQ(BuildPages(*prop, 1, 0), (Pages{{"Total    $538,644.06"}}));
    EXPECT_EQ(BuildPages(*prop, 2, 0)[0].at(1), "S0010");
    EXPECT_TRUE(BuildPages(*prop, 7, 0).empty());
}
