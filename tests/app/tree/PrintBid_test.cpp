// The bid of the sample printed to a PDF file through the print dialog: the pages of the text
// report, with the bid total's line on them.
#include "model/reports/ReportPages.h"
#include "platform/core/PageSink.h"
#include "platform/ui/print/PrintPreview.h"
#include "resources/ResourceIds.h"
#include "tests/app/ShellTestSupport.h"
#include "tests/support/PdfPages.h"

#include <cstdio>
#include <sstream>

namespace {

// The PDF's text as poppler's pdftotext reads it.
std::string PdfText(const std::string& path)
{
    std::string text;
    const std::string command = "pdftotext -layout '" + path + "' - 2>/dev/null";
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t read; (read = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, read);
        pclose(pipe);
    }
    return text;
}

std::string Squeezed(const std::string& text)
{
    std::istringstream words(text);
    std::string out;
    for (std::string word; words >> word;)
        out += (out.empty() ? "" : " ") + word;
    return out;
}

} // namespace

TEST_F(ShellTest, TheBidPrintedToPdfHasThePagesOfTheTextReportAndItsTotal)
{
    Store("Misc", "PrintSave", "0");
    Store("Misc", "PrintCheck", "0");
    AnswerAmendmentReport();
    AnswerBidderId();
    StartOn(InLetting("sample.tvb"));
    ASSERT_NE(Prop(), nullptr);

    CReportPages pages;
    ASSERT_FALSE(BuildReportPages(*Prop(), CReportRequest(), pages));
    std::ostringstream stream;
    platform::StreamPageSink text(stream);
    ASSERT_TRUE(SendReportPages(pages, text));
    const std::string report = stream.str();
    const std::size_t at = report.find("Bid Total");
    ASSERT_NE(at, std::string::npos);
    const std::string totalLine = Squeezed(report.substr(at, report.find('\n', at) - at));

    const std::string pdf = m_folder / "bid.pdf";
    m_script.AnswerPrint(pdf);
    ASSERT_TRUE(Frame().SendCommand(ID_FILE_PRINT));
    EXPECT_EQ(PdfPageCount(pdf), int(std::count(report.begin(), report.end(), '\f')));
    EXPECT_NE(Squeezed(PdfText(pdf)).find(totalLine), std::string::npos) << totalLine;
    EXPECT_TRUE(m_script.AllAnswered());
}

TEST_F(ShellTest, TheQuotePrintsAndTheBidPreviewsPageByPage)
{
    Store("Misc", "PrintSave", "0");
    Store("Misc", "PrintCheck", "0");
    AnswerAmendmentReport();
    AnswerBidderId();
    StartOn(InLetting("sample.tvb"));
    ASSERT_NE(Prop(), nullptr);

    const std::string quote = m_folder / "quote.pdf";
    m_script.AnswerPrint(quote);
    ASSERT_TRUE(Frame().SendCommand(resources::ID_PRINT_QUOTE));
    EXPECT_GT(PdfPageCount(quote), 0);
    EXPECT_NE(Squeezed(PdfText(quote)).find(Prop()->m_strContractId), std::string::npos);

    ASSERT_TRUE(Frame().SendCommand(ID_FILE_PRINT_PREVIEW));
    platform::PrintPreviewWindow* preview = platform::ActivePreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->CurrentPage(), 1u);
    EXPECT_TRUE(preview->CanGoNext());
    preview->NextPage();
    EXPECT_EQ(preview->CurrentPage(), 2u);
    preview->ClosePreview();
    EXPECT_TRUE(m_script.AllAnswered());
}
