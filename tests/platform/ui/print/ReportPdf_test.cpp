#include "platform/ui/print/PrintSinks.h"
#include "tests/model/reports/ReportTestSupport.h"
#include "tests/support/PdfPages.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// The PDF sink, keeping the lines it was given page by page.
class RecordingPdfSink : public PrinterPageSink {
public:
    explicit RecordingPdfSink(const std::string& path) : PrinterPageSink(PdfPrinter(path)) {}

    std::vector<std::vector<std::string>> m_pages;

protected:
    bool DoBeginPage() override
    {
        m_pages.emplace_back();
        return PrinterPageSink::DoBeginPage();
    }
    bool DoLine(std::string_view text, int lineIndex) override
    {
        m_pages.back().emplace_back(text);
        return PrinterPageSink::DoLine(text, lineIndex);
    }

private:
    static std::unique_ptr<QPrinter> PdfPrinter(const std::string& path)
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(path));
        return printer;
    }
};

// The pages of a text-mode report: form feeds end pages, line feeds separate lines.
std::vector<std::vector<std::string>> PagesOfText(const std::string& text)
{
    std::vector<std::string> pieces = SplitText(text, '\f');
    pieces.pop_back(); // what follows the last form feed
    std::vector<std::vector<std::string>> pages;
    for (const std::string& page : pieces)
        pages.push_back(page.empty() ? std::vector<std::string>() : SplitText(page, '\n'));
    return pages;
}

} // namespace

TEST(ReportPdf, ABidPrintedToPdfHasThePagesAndLinesOfTheTextReport)
{
    auto prop = MakeReportProp();
    InstallAgencyTemplates(*prop);
    CReportPages pages;
    ASSERT_FALSE(BuildReportPages(*prop, CReportRequest{REPORT_PROPOSAL, "Pat Doe"}, pages));

    QTemporaryDir dir;
    const std::string path = dir.filePath("bid.pdf").toStdString();
    RecordingPdfSink pdf(path);
    ASSERT_TRUE(SendReportPages(pages, pdf));

    const auto text = PagesOfText(ReportText(*prop, REPORT_PROPOSAL));
    EXPECT_EQ(pdf.m_pages, text);
    EXPECT_EQ(PdfPageCount(path), int(text.size()));
}
