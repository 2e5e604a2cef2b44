#include "model/reports/ReportPagedList.h"

#include "model/records/Prop.h"
#include "model/reports/LinePrinter.h"
#include "model/reports/ReportBuilder.h"
#include "model/reports/TemplateRunner.h"

namespace {

void ApplyPart(CReportState& state, const CReportPart& part)
{
    state.m_iSection = part.m_iSection;
    state.m_iItem = part.m_iItem;
    state.m_iSectionOrdinal = part.m_iSectionOrdinal;
    state.m_iItemOrdinal = part.m_iItemOrdinal;
    state.m_iSite = part.m_iSite;
    state.m_iRow = part.m_iRow;
    state.m_iFirmItem = part.m_iFirmItem;
    state.m_iIndex = part.m_iIndex;
    // A measurement belongs to the place it was made in.
    state.m_strMeasuredName.clear();
}

bool OpensNextPage(CReportState& state, const CReportPart& part, int counted, int partsPerPage)
{
    if (part.m_bNewPage)
        return true;
    if (part.m_bCounts && partsPerPage > 0 && counted >= partsPerPage)
        return true;
    return !TemplateFits(state, part.m_name);
}

// The parts of one page, from `next`; the index of the first part left for the next page. A
// part whose template printed nothing leaves the page as empty as it found it.
std::size_t PrintPageParts(CReportState& state, const std::vector<CReportPart>& parts, std::size_t next,
                           int partsPerPage)
{
    int counted = 0;
    bool pageHasParts = false;
    for (; next < parts.size() && !IsReportPastTargetPage(state); ++next) {
        const CReportPart& part = parts[next];
        ApplyPart(state, part);
        if (pageHasParts && OpensNextPage(state, part, counted, partsPerPage))
            break;
        pageHasParts = PrintMeasuredTemplate(state, part.m_name) > 0 || pageHasParts;
        if (part.m_bCounts)
            ++counted;
    }
    return next;
}

// A list none of whose parts has a template prints nothing, not pages of headers and footers.
bool AnyPartPrints(const CReportState& state, const std::vector<CReportPart>& parts)
{
    std::string_view checked;
    for (const CReportPart& part : parts) {
        if (part.m_name == checked)
            continue;
        if (!IsPlateEmpty(FindReportTemplate(*state.m_pProp, part.m_name)))
            return true;
        checked = part.m_name;
    }
    return false;
}

} // namespace

void RunPagedList(CReportState& state, const CListFrame& frame, const std::vector<CReportPart>& parts,
                  int partsPerPage)
{
    std::size_t next = AnyPartPrints(state, parts) ? 0 : parts.size();
    for (bool firstPage = true; next < parts.size() && !IsReportPastTargetPage(state); firstPage = false) {
        RunTemplate(state, frame.m_strHeader);
        if (firstPage)
            RunTemplate(state, frame.m_strStart);
        RunTemplate(state, frame.m_strLabels);
        state.m_iHeaderSize = GetReportLine();
        next = PrintPageParts(state, parts, next, partsPerPage);
        RunTemplate(state, frame.m_strFooter);
        if (next < parts.size())
            EndPendingPage();
    }
    state.ClearPosition();
}
