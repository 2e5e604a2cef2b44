#include "platform/ui/print/PrintSinks.h"
#include "tests/support/PdfPages.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

TEST(PrinterPageSink, WritesOnePdfPagePerPrintedPage)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("report.pdf").toStdString();
    auto sink = PrinterPageSink::ForPdf(path);
    ASSERT_TRUE(sink->BeginDocument("Tarvello Zod"));
    for (int page = 0; page < 3; ++page) {
        ASSERT_TRUE(sink->BeginPage());
        ASSERT_TRUE(sink->Line("Page " + std::to_string(page + 1) + " \x80 100.00"));
        ASSERT_TRUE(sink->EndPage());
    }
    ASSERT_TRUE(sink->EndDocument());
    EXPECT_EQ(PdfPageCount(path), 3);
}

TEST(PrinterPageSink, ADocumentWithoutPagesWritesNoFile)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("empty.pdf").toStdString();
    auto sink = PrinterPageSink::ForPdf(path);
    ASSERT_TRUE(sink->BeginDocument("empty"));
    EXPECT_TRUE(sink->EndDocument());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
}

TEST(PrinterPageSink, UnwritablePdfIsAFailureNotASuccess)
{
    auto sink = PrinterPageSink::ForPdf("/nonexistent-folder/x/report.pdf");
    ASSERT_TRUE(sink->BeginDocument("d"));
    EXPECT_FALSE(sink->BeginPage());
}

// Three pages, two copies: collated, the pages come again after the last; else each twice.
TEST(PrinterPageSink, PrintsTheCopiesOfTheDialog)
{
    for (const bool collate : {true, false}) {
        QTemporaryDir dir;
        const std::string path = dir.filePath("copies.pdf").toStdString();
        auto sink = PrinterPageSink::ForPdf(path);
        sink->Printer().setCopyCount(2);
        sink->Printer().setCollateCopies(collate);
        ASSERT_TRUE(sink->BeginDocument("copies"));
        for (const char* text : {"first", "second", "third"}) {
            ASSERT_TRUE(sink->BeginPage());
            ASSERT_TRUE(sink->Line(text));
            ASSERT_TRUE(sink->EndPage());
        }
        ASSERT_TRUE(sink->EndDocument());
        EXPECT_TRUE(sink->Whole());
        ASSERT_EQ(PdfPageCount(path), 6);
        const std::vector<std::string> order = collate
            ? std::vector<std::string>{"first", "second", "third", "first", "second", "third"}
            : std::vector<std::string>{"first", "first", "second", "second", "third", "third"};
        for (int page = 1; page <= 6; ++page)
            EXPECT_EQ(Squeezed(PdfText(path, page)), order[std::size_t(page - 1)]) << page;
    }
}

TEST(PreviewPageSink, KeepsPagesForThePreviewAndDrawsThemInTheTextCell)
{
    PreviewPageSink sink;
    sink.BeginDocument("d");
    sink.BeginPage();
    sink.Line("MMMM");
    sink.Line("ab");
    sink.EndPage();
    sink.BeginPage();
    sink.EndPage();
    sink.EndDocument();
    ASSERT_EQ(sink.Pages().size(), 2u);
    EXPECT_EQ(sink.Pages()[0], (std::vector<std::string>{"MMMM", "ab"}));

    // At 1440 dpi a cell is 134 x 240 dots: four characters stay within 4 cells, two lines in 2.
    QImage image(1200, 800, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(56693); // 1440 dpi
    {
        QPainter painter(&image);
        DrawTextPage(painter, sink.Pages()[0], 1440);
    }
    int right = 0, bottom = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != Qt::white) {
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
    EXPECT_GT(right, 3 * 134);
    EXPECT_LT(right, 4 * 134 + 20);
    EXPECT_GT(bottom, 240);
    EXPECT_LT(bottom, 2 * 240 + 20);
}
