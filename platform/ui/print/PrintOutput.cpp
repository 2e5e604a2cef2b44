#include "platform/ui/print/PrintOutput.h"

#include "platform/ui/print/AtomicFileDevice.h"
#include "platform/ui/window/PathText.h"

#include <QPdfWriter>
#include <QPrinter>

namespace platform {

PrintOutput::PrintOutput(QPrinter& printer) : m_printer(printer)
{
    if (printer.outputFormat() != QPrinter::PdfFormat)
        return;
    m_file = std::make_unique<AtomicFileDevice>(ToLocal8(printer.outputFileName()));
    m_pdf = std::make_unique<QPdfWriter>(m_file.get());
    m_pdf->setPdfVersion(printer.pdfVersion());
    m_pdf->setResolution(printer.resolution());
    m_pdf->setPageLayout(printer.pageLayout());
    m_pdf->setTitle(printer.docName());
    m_pdf->setCreator(printer.creator());
}

PrintOutput::~PrintOutput() = default;

QPagedPaintDevice& PrintOutput::Device()
{
    if (m_pdf)
        return *m_pdf;
    return m_printer;
}

bool PrintOutput::Begin(QPainter& painter)
{
    m_started = (!m_file || m_file->open(QIODevice::WriteOnly)) && painter.begin(&Device());
    return m_started;
}

bool PrintOutput::NewPage()
{
    m_failed = m_failed || !Device().newPage();
    return !m_failed;
}

bool PrintOutput::End(QPainter& painter)
{
    const bool ended = (!painter.isActive() || painter.end()) && !m_failed;
    if (m_file)
        return ended && m_file->Commit();
    return ended && m_printer.printerState() != QPrinter::Error && m_printer.printerState() != QPrinter::Aborted;
}

std::string PrintOutput::FailureMessage() const
{
    if (!m_file)
        return m_started ? "The printer reported an error: the pages may not all have been printed."
                         : "The printer could not be started.";
    return "The PDF file was not written.\n" + m_file->Error();
}

int PrintOutput::Copies() const
{
    return m_file || !m_printer.supportsMultipleCopies() ? std::max(1, m_printer.copyCount()) : 1;
}

bool PrintOutput::Collate() const
{
    return m_printer.collateCopies();
}

} // namespace platform
