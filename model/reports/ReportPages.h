#pragma once

#include "model/reports/ReportState.h"
#include "model/reports/TemplateError.h"
#include "platform/core/PageSink.h"

#include <optional>
#include <string>
#include <vector>

class CProp;

// A whole report built once into pages of text lines. Printing sends them only when the report
// was built without error, so a bad template never leaves half a bid on the printer; the
// preview shows any page without building the pages before it again.
class CReportPages : public platform::PageSink {
public:
    using Page = std::vector<std::string>;

    const std::vector<Page>& Pages() const { return m_pages; }
    int PageCount() const { return int(m_pages.size()); }
    void Clear() { m_pages.clear(); }

protected:
    bool DoBeginDocument(std::string_view) override;
    bool DoBeginPage() override;
    bool DoLine(std::string_view text, int lineIndex) override;
    bool DoEndPage() override { return true; }
    bool DoEndDocument() override { return true; }

private:
    std::vector<Page> m_pages;
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
