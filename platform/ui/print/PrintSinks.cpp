#include "platform/ui/print/PrintSinks.h"

#include "platform/ui/window/PathText.h"
#include "platform/ui/window/WinText.h"

#include <QFontMetricsF>
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

std::unique_ptr<PrinterPageSink> PrinterPageSink::ForDefaultPrinter(std::string* error)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        if (error)
            *error = "no default printer";
        return nullptr;
    }
    return std::unique_ptr<PrinterPageSink>(
        new PrinterPageSink(std::make_unique<QPrinter>(info, QPrinter::HighResolution)));
}

std::unique_ptr<PrinterPageSink> PrinterPageSink::ForPdf(const std::string& path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(PathToQString(path));
    return std::unique_ptr<PrinterPageSink>(new PrinterPageSink(std::move(printer)));
}

PrinterPageSink::PrinterPageSink(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer)) {}

PrinterPageSink::~PrinterPageSink()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

bool PrinterPageSink::DoBeginDocument(std::string_view name)
{
    m_printer->setDocName(ToQString(name));
    m_painter = std::make_unique<QPainter>();
    m_firstPage = true;
    return true;
}

bool PrinterPageSink::DoBeginPage()
{
    // The painter starts on the device at the first page, which that opens; a document without
    // pages so makes no file and takes no printer time.
    if (m_firstPage ? !m_painter->begin(m_printer.get()) : !m_printer->newPage())
        return false;
    m_firstPage = false;
    m_lines.clear();
    return true;
}

bool PrinterPageSink::DoLine(std::string_view text, int)
{
    m_lines.emplace_back(text);
    return true;
}

bool PrinterPageSink::DoEndPage()
{
    DrawTextPage(*m_painter, m_lines, m_printer->resolution());
    return m_painter->isActive();
}

bool PrinterPageSink::DoEndDocument()
{
    return !m_painter->isActive() || m_painter->end();
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
