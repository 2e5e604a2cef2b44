#include "tests/model/reports/ReportTestSupport.h"

#include "model/check/CheckBid.h"
#include "platform/core/Clipboard.h"

#include <gtest/gtest.h>

namespace {

class PageCollector : public platform::PageSink {
public:
    std::vector<std::string> m_lines;

protected:
    bool DoBeginDocument(std::string_view) override { return true; }
    bool DoBeginPage() override { return true; }
    bool DoLine(std::string_view text, int) override { return m_lines.emplace_back(text), true; }
    bool DoEndPage() override { return true; }
    bool DoEndDocument() override { return true; }
};

std::unique_ptr<CProp> MakeTemplatedProp()
{
    auto prop = MakeReportProp();
    InstallAgencyTemplates(*prop);
    return prop;
}

// Page `page` the way page-by-page printing makes it: the report run again, counting pages up
// to that one, with the printer rendering only it onto the caller's page.
std::optional<std::vector<std::string>> RenderOnePage(CProp& prop, int kind, int page, int lines)
{
    PageCollector sink;
    sink.BeginDocument("d");
    sink.BeginPage();
    OpenTextPrinterSized(TP_GDI | TP_SINGLE_PAGE, CTextPrinterTarget{&sink, {}}, 0, lines);
    GetTextPrinterState().m_iSelectedPage = page;
    BeginReport(&prop, kind);
    GetReportState().m_strSigner = "Pat Doe";
    const bool reached = ReportReachesPage(page);
    CloseTextPrinter(false);
    FreeReportTemplates();
    if (!reached)
        return std::nullopt;
    return sink.m_lines;
}

class FakeClipboard : public platform::Clipboard {
public:
    std::string m_text;
    bool SetText(std::string_view text) override { return m_text = text, true; }
};

} // namespace

TEST(ReportPages, ThePagesBuiltOnceAreThePagesBuiltOneByOne)
{
    auto prop = MakeTemplatedProp();
    for (const int kind : {REPORT_PROPOSAL, REPORT_QUOTE}) {
        for (const int lines : {0, 24, 13}) {
            CReportPages pages;
            CReportRequest request{kind, "Pat Doe", 0, lines};
            ASSERT_FALSE(BuildReportPages(*prop, request, pages));
            ASSERT_GT(pages.PageCount(), 1);
            for (int page = 1; page <= pages.PageCount(); ++page)
                EXPECT_EQ(RenderOnePage(*prop, kind, page, lines), LinesOf(pages)[std::size_t(page - 1)])
                    << "kind " << kind << ", " << lines << " lines, page " << page;
            EXPECT_FALSE(RenderOnePage(*prop, kind, pages.PageCount() + 1, lines));
        }
    }
}

TEST(ReportPages, APageBeyondTheLastPrintsNothing)
{
    auto prop = MakeTemplatedProp();
    PageCollector sink;
    sink.BeginDocument("d");
    sink.BeginPage();
    OpenTextPrinter(TP_GDI | TP_SINGLE_PAGE, CTextPrinterTarget{&sink, {}});
    GetTextPrinterState().m_iSelectedPage = 40;
    BeginReport(prop.get(), REPORT_PROPOSAL);
    EXPECT_FALSE(ReportReachesPage(40));
    CloseTextPrinter(true);
    FreeReportTemplates();
    EXPECT_TRUE(sink.m_lines.empty());
}

TEST(ReportPages, PrintingStraightToTheStreamGivesTheSameText)
{
    auto prop = MakeTemplatedProp();
    std::ostringstream out;
    platform::StreamPageSink sink(out);
    OpenTextPrinter(0, CTextPrinterTarget{&sink, {}});
    BeginReport(prop.get(), REPORT_PROPOSAL);
    GetReportState().m_strSigner = "Pat Doe";
    PrintProposalReport(GetReportState());
    CloseTextPrinter(true);
    FreeReportTemplates();
    EXPECT_EQ(out.str(), ReportText(*prop, REPORT_PROPOSAL));
}

TEST(ReportPages, ABadTemplatePrintsNothingAndLeavesTheBidAlone)
{
    auto prop = MakeTemplatedProp();
    prop->SetPlate("Report Site", "{SITE_NUMBER}\n  {SITE_DESCRIPTION,SIZE=}");
    CheckBid(prop.get(), false); // the status flags that the report's own check leaves
    const auto before = CProp::MakeWholeCopy(*prop);
    CReportPages pages;
    const auto error = BuildReportPages(*prop, CReportRequest{}, pages);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->GetTemplateName(), "Report Site");
    EXPECT_EQ(error->GetLine(), 2);
    EXPECT_EQ(error->GetColumn(), 21);
    EXPECT_EQ(error->GetMessage(), "integer value required for option SIZE of field SITE_DESCRIPTION in template [Report Site]");
    EXPECT_EQ(pages.PageCount(), 0);
    EXPECT_EQ(static_cast<const CPropHeader&>(*prop), static_cast<const CPropHeader&>(*before));
    EXPECT_EQ(prop->m_items.GetSize(), before->m_items.GetSize());
    EXPECT_TRUE(GetTextPrinterState().m_pageBuffer.empty()); // the printer was closed
}

TEST(ReportPages, SendingNeedsAPageThatExists)
{
    auto prop = MakeTemplatedProp();
    CReportPages pages;
    ASSERT_FALSE(BuildReportPages(*prop, CReportRequest{}, pages));
    PageCollector sink;
    sink.BeginDocument("d");
    sink.BeginPage();
    EXPECT_FALSE(SendReportPage(pages, 0, sink));
    EXPECT_FALSE(SendReportPage(pages, pages.PageCount() + 1, sink));
    EXPECT_TRUE(SendReportPage(pages, 1, sink));
    EXPECT_EQ(sink.m_lines, LinesOf(pages)[0]);
}

TEST(ReportClipboard, TextGoesToTheInstalledClipboard)
{
    EXPECT_FALSE(CopyTextToClipboard("no clipboard"));
    FakeClipboard clipboard;
    platform::InstallClipboard(&clipboard);
    EXPECT_TRUE(CopyTextToClipboard("Bid total \x80 5"));
    EXPECT_EQ(clipboard.m_text, "Bid total \x80 5");
    EXPECT_TRUE(CopyTextToClipboard("abcdef", 3));
    EXPECT_EQ(clipboard.m_text, "abc");
    EXPECT_TRUE(CopyTextToClipboard("ab", 50));
    EXPECT_EQ(clipboard.m_text, "ab");
    platform::InstallClipboard(nullptr);
}

TEST(ReportClipboard, EmptyPlates)
{
    CPlate plate;
    EXPECT_TRUE(IsPlateEmpty(nullptr));
    EXPECT_TRUE(IsPlateEmpty(&plate));
    plate.m_strText = " ";
    EXPECT_FALSE(IsPlateEmpty(&plate));
}

namespace {

std::string PrintDirectly(CProp& prop, int kind, int lines, bool replay)
{
    std::ostringstream out;
    platform::StreamPageSink sink(out);
    OpenTextPrinterSized(0, CTextPrinterTarget{&sink, {}}, 0, lines);
    BeginReport(&prop, kind);
    GetReportState().m_bReplayMeasured = replay;
    PrintProposalReport(GetReportState());
    CloseTextPrinter(true);
    FreeReportTemplates();
    return out.str();
}

} // namespace

// A part is measured and then printed from what the measurement wrote; that must be what running
// its template again prints, on every page size, with page numbers, DROP and nested templates
// inside parts.
TEST(ReportPages, ReplayingAMeasuredPartPrintsWhatRunningItAgainPrints)
{
    auto prop = MakeTemplatedProp();
    prop->SetPlate("Item Page", "p{PAGE_NUMBER,FORMAT=%u}/l{#@Line,FORMAT=2.0}");
    prop->SetPlate("Report Item", "{ITEM_LINE_NUMBER} {[Item Page]}\\\n {ITEM_SHORT_DESCRIPTION,SIZE=20,REPEAT} {ITEM_INDEX}");
    prop->SetPlate("Report Section Tail", "{SECTION_NUMBER} {DROP}end of section");
    for (const int lines : {0, 9, 12, 17}) {
        const std::string replayed = PrintDirectly(*prop, REPORT_PROPOSAL, lines, true);
        EXPECT_EQ(replayed, PrintDirectly(*prop, REPORT_PROPOSAL, lines, false)) << lines << " lines";
        EXPECT_NE(replayed.find("0060 p"), std::string::npos) << replayed;
    }
}
