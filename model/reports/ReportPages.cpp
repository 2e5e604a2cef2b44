#include "model/reports/ReportPages.h"

#include "model/reports/LinePrinter.h"
#include "model/reports/ReportBuilder.h"

std::span<const std::string> CReportPages::Page(int page) const
{
    if (page < 1 || page > PageCount())
        return {};
    const std::size_t begin = m_pageStarts[std::size_t(page - 1)];
    const std::size_t end = page < PageCount() ? m_pageStarts[std::size_t(page)] : m_lines.size();
    return std::span<const std::string>(m_lines).subspan(begin, end - begin);
}

void CReportPages::Clear()
{
    m_lines.clear();
    m_pageStarts.clear();
}

bool CReportPages::DoBeginDocument(std::string_view)
{
    Clear();
    return true;
}

bool CReportPages::DoBeginPage()
{
    m_pageStarts.push_back(m_lines.size());
    return true;
}

bool CReportPages::DoLine(std::string_view text, int)
{
    m_lines.emplace_back(text);
    return true;
}

namespace {

// Closes the printer and drops the report's templates however the build ends, so that the
// printer never keeps the pages as its target.
class CReportJob {
public:
    CReportJob(CReportPages& pages, const CReportRequest& request)
    {
        OpenTextPrinterSized(TP_GDI, CTextPrinterTarget{&pages, {}}, request.m_iColumns, request.m_iLines);
    }
    ~CReportJob()
    {
        CloseTextPrinter(m_bFinished);
        FreeReportTemplates();
    }
    CReportJob(const CReportJob&) = delete;
    CReportJob& operator=(const CReportJob&) = delete;

    void Finish() { m_bFinished = true; }

private:
    bool m_bFinished = false;
};

} // namespace

std::optional<CTemplateError> BuildReportPages(CProp& prop, const CReportRequest& request, CReportPages& pages)
{
    pages.Clear();
    try {
        CReportJob job(pages, request);
        BeginReport(&prop, request.m_iKind);
        CReportState& state = GetReportState();
        state.m_strSigner = request.m_strSigner;
        if (request.m_iKind >= 0)
            PrintOtherReport(state, request.m_iKind);
        else
            PrintProposalReport(state);
        job.Finish();
    } catch (const CTemplateError& error) {
        pages.Clear();
        return error;
    }
    return std::nullopt;
}

bool SendReportPages(const CReportPages& pages, platform::PageSink& sink)
{
    bool sent = sink.BeginDocument(kPrintDocumentName);
    for (int page = 1; sent && page <= pages.PageCount(); ++page)
        sent = sink.BeginPage() && SendReportPage(pages, page, sink) && sink.EndPage();
    return sink.EndDocument() && sent;
}

bool SendReportPage(const CReportPages& pages, int page, platform::PageSink& sink)
{
    if (page < 1 || page > pages.PageCount())
        return false;
    for (const std::string& line : pages.Page(page))
        if (!sink.Line(line))
            return false;
    return true;
}
