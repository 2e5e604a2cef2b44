#include "model/reports/ReportState.h"

#include "model/check/BidErrors.h"
#include "model/records/Prop.h"
#include "model/reports/LinePrinter.h"
#include "platform/core/Clipboard.h"

#include <algorithm>

namespace {

CReportState g_report;

} // namespace

void CReportState::ClearPosition()
{
    m_iSection = m_iItem = m_iSite = m_iRow = m_iFirmItem = -1;
    m_iSectionOrdinal = m_iItemOrdinal = m_iIndex = m_iLineIndex = 0;
    m_iDbeType = 0;
    m_pDbeForm = nullptr;
}

CReportState& GetReportState()
{
    return g_report;
}

void FreeReportTemplates()
{
    g_report.m_parsed.clear();
    if (g_report.m_bRecordedErrors)
        FreeBidErrorList();
    g_report.m_bRecordedErrors = false;
}

const CPlate* FindReportTemplate(const CProp& prop, std::string_view name)
{
    if (const CPlate* plate = prop.FindPlate(name))
        return plate;
    return prop.m_defaultTemplates.Lookup(name);
}

bool IsPlateEmpty(const CPlate* plate)
{
    return !plate || plate->m_strText.empty();
}

bool CopyTextToClipboard(std::string_view text, std::size_t length)
{
    platform::Clipboard* clipboard = platform::InstalledClipboard();
    if (!clipboard)
        return false;
    return clipboard->SetText(length == 0 ? text : text.substr(0, std::min(length, text.size())));
}

// Between pages the next output starts a new page at its first line.
int GetReportPage()
{
    const CTextPrinterState& printer = GetTextPrinterState();
    return printer.m_iPageOpen ? printer.m_iPage : printer.m_iPage + 1;
}

int GetReportLine()
{
    const CTextPrinterState& printer = GetTextPrinterState();
    return printer.m_iPageOpen ? printer.m_iLine : 0;
}
