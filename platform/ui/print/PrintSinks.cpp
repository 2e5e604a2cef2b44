#include "platform/ui/print/PrintSinks.h"

#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/print/PrintOutput.h"
#include "platform/ui/window/PathText.h"
#include "platform/ui/window/WinText.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {
namespace {

double TwipsToDots(int twips, int dotsPerInch)
{
    return twips * static_cast<double>(dotsPerInch) / 1440.0;
}

QFont TextPageFont(int dotsPerInch)
{
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    // Windows sizes a font by its cell; the em is about 5/6 of that.
    font.setPixelSize(std::max(1, int(TwipsToDots(kTextCellHeightTwips, dotsPerInch) * 5 / 6)));
    return font;
}

} // namespace

void DrawTextPage(QPainter& painter, const std::vector<std::string>& lines, int dotsPerInch)
{
    painter.save();
    painter.setFont(TextPageFont(dotsPerInch));
    painter.setPen(Qt::black);
    const double lineHeight = TwipsToDots(kTextCellHeightTwips, dotsPerInch);
    const double cellWidth = TwipsToDots(kTextCellWidthTwips, dotsPerInch);
    const double ascent = QFontMetricsF(painter.font()).ascent();
    // Every character in its own cell, whatever the face's own advance: letter spacing is not
    // kept alike by every paint device (PDF files spread it), places are.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString text = ToQString(lines[i]);
        const double y = lineHeight * double(i) + ascent;
        for (qsizetype column = 0; column < text.size(); ++column)
            if (!text[column].isSpace())
                painter.drawText(QPointF(cellWidth * double(column), y), QString(text[column]));
    }
    painter.restore();
}

void KeepTextPagesUpright(QPrinter& printer)
{
    if (printer.pageLayout().orientation() != QPageLayout::Landscape)
        return;
    printer.setPageOrientation(QPageLayout::Portrait);
    AfxMessageBox("This report cannot be printed in landscape mode");
}

std::unique_ptr<PrinterPageSink> PrinterPageSink::ForDefaultPrinter(std::string* error)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        if (error)
            *error = "no default printer";
        return nullptr;
    }
    return std::make_unique<PrinterPageSink>(std::make_unique<QPrinter>(info, QPrinter::HighResolution));
}

std::unique_ptr<PrinterPageSink> PrinterPageSink::ForPdf(const std::string& path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(PathToQString(path));
    return std::make_unique<PrinterPageSink>(std::move(printer));
}

PrinterPageSink::PrinterPageSink(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer)) {}

PrinterPageSink::~PrinterPageSink()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

std::string PrinterPageSink::FailureMessage() const
{
    return m_output ? m_output->FailureMessage() : std::string();
}

bool PrinterPageSink::DoBeginDocument(std::string_view name)
{
    m_printer->setDocName(ToQString(name));
    m_output = std::make_unique<PrintOutput>(*m_printer);
    m_painter = std::make_unique<QPainter>();
    m_pages.clear();
    m_firstPage = true;
    m_whole = false;
    return true;
}

bool PrinterPageSink::DoBeginPage()
{
    // The output starts at the first page, which that opens; a document without pages so makes
    // no file and takes no printer time.
    if (m_firstPage && !m_output->Begin(*m_painter))
        return false;
    m_lines.clear();
    return true;
}

bool PrinterPageSink::DoLine(std::string_view text, int)
{
    m_lines.emplace_back(text);
    return true;
}

bool PrinterPageSink::DrawPage(const std::vector<std::string>& lines)
{
    if (!m_firstPage && !m_output->NewPage())
        return false;
    m_firstPage = false;
    DrawTextPage(*m_painter, lines, m_painter->device()->logicalDpiY());
    return m_painter->isActive();
}

// Uncollated copies follow each page at once; collated ones come again after the last page.
bool PrinterPageSink::DoEndPage()
{
    const bool collate = m_output->Collate();
    for (int copy = 0; copy < (collate ? 1 : m_output->Copies()); ++copy)
        if (!DrawPage(m_lines))
            return false;
    if (collate && m_output->Copies() > 1)
        m_pages.push_back(std::move(m_lines));
    return true;
}

bool PrinterPageSink::DoEndDocument()
{
    bool drawn = true;
    for (int copy = 1; copy < m_output->Copies() && drawn; ++copy)
        for (const std::vector<std::string>& page : m_pages)
            drawn = drawn && DrawPage(page);
    m_whole = !m_firstPage && m_output->End(*m_painter) && drawn;
    // A document without pages made nothing, which is no failure.
    return m_firstPage || m_whole;
}

bool PreviewPageSink::DoBeginDocument(std::string_view)
{
    m_pages.clear();
    return true;
}

bool PreviewPageSink::DoBeginPage()
{
    m_pages.emplace_back();
    return true;
}

bool PreviewPageSink::DoLine(std::string_view text, int)
{
    m_pages.back().emplace_back(text);
    return true;
}

} // namespace platform
