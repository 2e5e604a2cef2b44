#pragma once

#include "model/reports/ReportState.h"
#include "model/reports/TemplateError.h"
#include "platform/core/PageSink.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

class CProp;

// A whole report built once into pages of text lines. Printing sends them only when the report
// was built without error, so a bad template never leaves half a bid on the printer; the
// preview shows any page without building the pages before it again.
class CReportPages : public platform::PageSink {
public:
    int PageCount() const { return int(m_pageStarts.size()); }
    // The lines of page `page` (from 1); none for a page that does not exist.
    std::span<const std::string> Page(int page) const;
    std::size_t LineCount() const { return m_lines.size(); }
    void Clear();

protected:
    bool DoBeginDocument(std::string_view) override;
    bool DoBeginPage() override;
    bool DoLine(std::string_view text, int lineIndex) override;
    bool DoEndPage() override { return true; }
    bool DoEndDocument() override { return true; }

private:
    // One list of lines for the whole report, and where each page begins in it.
    std::vector<std::string> m_lines;
    std::vector<std::size_t> m_pageStarts;
};

struct CReportRequest {
    int m_iKind = REPORT_PROPOSAL;
    std::string m_strSigner;
    int m_iColumns = 0; // 0: the printer's defaults
    int m_iLines = 0;
};

// Builds the report into `pages` with the line printer (which it opens and closes). On a
// template error the pages are empty and the error names the template and the place in it.
std::optional<CTemplateError> BuildReportPages(CProp& prop, const CReportRequest& request, CReportPages& pages);
// The pages as one document.
bool SendReportPages(const CReportPages& pages, platform::PageSink& sink);
// The lines of page `page` (from 1) onto a page the caller began; false when there is no such page.
bool SendReportPage(const CReportPages& pages, int page, platform::PageSink& sink);
