#include "model/reports/ReportBuilder.h"

#include "model/check/BidErrors.h"
#include "model/check/CheckBid.h"
#include "model/records/Prop.h"
#include "model/reports/LinePrinter.h"
#include "model/reports/TemplateRunner.h"

namespace {

constexpr std::string_view kReportPrefix = "Report ";

// Puts back the printer's position and mode and the report's output after a measurement.
class CMeasurement {
public:
    explicit CMeasurement(CReportState& state)
        : m_state(state), m_saved(Position(GetTextPrinterState())), m_output(state.m_output)
    {
        // A measurement drops nothing: DROP fills pages only when it is printed.
        state.m_output.m_bNotPaged = true;
        m_wasCounting = SetTextPrinterFlags(TP_COUNT_ONLY, true);
    }
    ~CMeasurement()
    {
        m_state.m_pCapture = nullptr;
        SetTextPrinterFlags(TP_COUNT_ONLY, m_wasCounting);
        CTextPrinterState& printer = GetTextPrinterState();
        printer.m_iPage = m_saved.m_iPage;
        printer.m_iColumn = m_saved.m_iColumn;
        printer.m_iLine = m_saved.m_iLine;
        printer.m_iPageOpen = m_saved.m_iPageOpen;
        printer.m_iPagesStarted = m_saved.m_iPagesStarted;
        m_state.m_output = m_output;
    }
    CMeasurement(const CMeasurement&) = delete;
    CMeasurement& operator=(const CMeasurement&) = delete;

private:
    struct Saved {
        int m_iPage, m_iColumn, m_iLine, m_iPageOpen, m_iPagesStarted;
    };
    static Saved Position(const CTextPrinterState& p)
    {
        return {p.m_iPage, p.m_iColumn, p.m_iLine, p.m_iPageOpen, p.m_iPagesStarted};
    }

    CReportState& m_state;
    Saved m_saved;
    CReportOutput m_output;
    bool m_wasCounting = false;
};

void RunReportOfKind(CReportState& state)
{
    if (state.m_iKind >= 0)
        PrintOtherReport(state, state.m_iKind);
    else
        PrintProposalReport(state);
}

} // namespace

void BeginReport(CProp* prop, int kind, const CReportOutput* target)
{
    CReportState& state = GetReportState();
    state = CReportState();
    state.m_pProp = prop;
    state.m_iKind = kind;
    state.m_uFlags = kind == REPORT_QUOTE ? unsigned(REPORT_IS_QUOTE) : 0u;
    if (target)
        state.m_output = *target;
    if (!prop || kind >= 0)
        return;
    state.m_iFooterSize = MeasureTemplate(state, ReportTemplateName(state, "Report Footer"));
    FreeBidErrorList();
    CheckBid(prop, true);
    state.m_bRecordedErrors = true;
}

void PrintProposalReport(CReportState& state)
{
    if (!state.m_pProp)
        return;
    const bool quote = (state.m_uFlags & REPORT_IS_QUOTE) != 0;
    RunTemplate(state, ReportTemplateName(state, "Report Front"));
    if (!quote)
        EndPendingPage();
    if (IsReportPastTargetPage(state))
        return;
    if (TestFlagBit(state.m_pProp->m_wFlags, PROP_ITEMS_IN_BID))
        PrintProposalList(state);
    PrintSiteList(state);
    if (!quote) {
        RunTemplate(state, "Report Middle");
        EndPendingPage();
        for (const int type : {FIRM_DBE, FIRM_MBE, FIRM_WBE})
            PrintDbeList(state, type);
    }
    if (!IsReportPastTargetPage(state))
        RunTemplate(state, ReportTemplateName(state, "Report Back"));
}

void PrintOtherReport(CReportState& state, int index)
{
    const COtherRpt* report = state.m_pProp ? state.m_pProp->m_otherReports.GetAtOrNull(index) : nullptr;
    if (!report)
        return;
    if (report->m_strName == "#1")
        PrintProposalList(state);
    else if (report->m_strName == "#2")
        PrintDbeList(state, FIRM_DBE);
    else if (report->m_strName == "#3")
        PrintQuickListing(state);
    else
        RunTemplate(state, report->m_strName);
}

bool ReportReachesPage(int page)
{
    CReportState& state = GetReportState();
    state.ClearPosition();
    state.m_output.m_bPageCounting = true;
    state.m_output.m_iTargetPage = page;
    RunReportOfKind(state);
    EndPendingPage();
    state.m_output.m_bPageCounting = false;
    return page >= 1 && GetTextPrinterState().m_iPagesStarted >= page;
}

bool IsReportPastTargetPage(const CReportState& state)
{
    return state.m_output.m_bPageCounting && GetTextPrinterState().m_iPage > state.m_output.m_iTargetPage;
}

int MeasureTemplate(CReportState& state, std::string_view name)
{
    CMeasurement measurement(state);
    return RunTemplate(state, name);
}

bool TemplateFits(CReportState& state, std::string_view name)
{
    const int left = GetTextPrinterState().m_iLines - GetReportLine();
    std::string captured;
    int lines = 0;
    {
        CMeasurement measurement(state);
        state.m_pCapture = &captured;
        state.m_bCaptureReplayable = true;
        lines = RunTemplate(state, name);
    }
    state.m_strMeasuredName = state.m_bCaptureReplayable ? std::string(name) : std::string();
    state.m_strMeasuredText = std::move(captured);
    return state.m_iFooterSize + lines <= left;
}

int PrintMeasuredTemplate(CReportState& state, std::string_view name)
{
    if (!state.m_bReplayMeasured || state.m_strMeasuredName.empty() || state.m_strMeasuredName != name)
        return RunTemplate(state, name);
    state.m_strMeasuredName.clear();
    return WriteReportText(state, state.m_strMeasuredText);
}

std::string ReportTemplateName(const CReportState& state, std::string_view bidName)
{
    if (!(state.m_uFlags & REPORT_IS_QUOTE) || bidName.substr(0, kReportPrefix.size()) != kReportPrefix)
        return std::string(bidName);
    return std::string(kReportPrefix) + "Quote " + std::string(bidName.substr(kReportPrefix.size()));
}

void EndPendingPage()
{
    if (GetTextPrinterState().m_iPageOpen)
        PrintTextChar('\f');
}
