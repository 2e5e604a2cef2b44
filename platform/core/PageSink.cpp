#include "platform/core/PageSink.h"

namespace platform {
namespace {

PrinterProvider* g_printerProvider = nullptr;

} // namespace

bool PageSink::BeginDocument(std::string_view name)
{
    if (m_state != State::Idle || !DoBeginDocument(name))
        return false;
    m_state = State::Document;
    m_pagesEnded = 0;
    return true;
}

bool PageSink::BeginPage()
{
    if (m_state != State::Document || !DoBeginPage())
        return false;
    m_state = State::Page;
    m_linesOnPage = 0;
    return true;
}

bool PageSink::Line(std::string_view text)
{
    if (m_state != State::Page || !DoLine(text, m_linesOnPage))
        return false;
    ++m_linesOnPage;
    return true;
}

bool PageSink::EndPage()
{
    if (m_state != State::Page)
        return false;
    // The page is over whatever the device said, so that the document can still be ended.
    m_state = State::Document;
    if (!DoEndPage())
        return false;
    ++m_pagesEnded;
    return true;
}

bool PageSink::EndDocument()
{
    if (m_state == State::Idle)
        return false;
    if (m_state == State::Page)
        EndPage();
    m_state = State::Idle;
    return DoEndDocument();
}

bool StreamPageSink::DoBeginDocument(std::string_view)
{
    return m_out.good();
}

bool StreamPageSink::DoBeginPage()
{
    return m_out.good();
}

bool StreamPageSink::DoLine(std::string_view text, int lineIndex)
{
    if (lineIndex > 0)
        m_out.put('\n');
    m_out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return m_out.good();
}

bool StreamPageSink::DoEndPage()
{
    m_out.put('\f');
    return m_out.good();
}

bool StreamPageSink::DoEndDocument()
{
    m_out.flush();
    return m_out.good();
}

void InstallPrinterProvider(PrinterProvider* provider)
{
    g_printerProvider = provider;
}

PrinterProvider* InstalledPrinterProvider()
{
    return g_printerProvider;
}

} // namespace platform
