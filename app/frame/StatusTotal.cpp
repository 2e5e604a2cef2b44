// The status bar's panes: the message, "Zod Total:" and the bid total, and a fourth narrow
// pane while the window is maximised.
#include "app/frame/MainFrame.h"

#include "model/records/Prop.h"
#include "model/text/NumberFormat.h"
#include "resources/ResourceIds.h"

#include <algorithm>

namespace {

constexpr int kMinTotalWidth = 66;
constexpr int kMaxTotalWidth = 240;
constexpr UINT kMaximizedPane = 1234;
constexpr int kMaximizedPaneWidth = 10;
constexpr const char* kNoTotal = "\t\t$0.00";

} // namespace

void CMainFrame::SetPanes(bool maximized)
{
    static const UINT kIndicators[] = {ID_SEPARATOR, resources::IDS_TOTAL_LABEL, resources::IDS_TOTAL, kMaximizedPane};
    const char* const texts[] = {"", "Zod Total:", kNoTotal, ""};
    m_wndStatusBar.SetIndicators(kIndicators, maximized ? 4 : 3, texts);
    UINT id = 0;
    UINT style = 0;
    int width = 0;
    m_wndStatusBar.GetPaneInfo(1, id, style, width);
    m_wndStatusBar.SetPaneInfo(1, id, SBPS_NOBORDERS, width);
    m_wndStatusBar.SetPaneInfo(2, resources::IDS_TOTAL, SBPS_NORMAL, m_iTotalWidth);
    if (maximized)
        m_wndStatusBar.SetPaneInfo(3, resources::IDS_TOTAL, SBPS_NOBORDERS, kMaximizedPaneWidth);
    if (!m_strStatusTotal.empty())
        m_wndStatusBar.SetPaneText(2, m_strStatusTotal);
    m_wndStatusBar.SetPaneText(0, GetMessageText());
}

void CMainFrame::OnSize(UINT type, int cx, int cy)
{
    CFrameWnd::OnSize(type, cx, cy);
    const bool maximized = type == SIZE_MAXIMIZED;
    if (m_wndStatusBar.IsWindow() && (maximized || m_bMaximized)) {
        SetPanes(maximized);
        RecalcLayout();
    }
    m_bMaximized = maximized;
}

void CMainFrame::ShowTotal(const CProp& prop, int width)
{
    const CNumberFormat& format = prop.m_numberFormats[NUMFMT_AMOUNT];
    SetStatusTotal(FormatAmount(prop.m_dProposalTotal, format.m_byWidth, format.m_byDecimals, true,
                                prop.GetCurrencySymbol(0)) + " ",
                   width);
}

bool CMainFrame::SetStatusTotal(const std::string& text, int width)
{
    if (!m_wndStatusBar.IsWindow())
        return true;
    m_strStatusTotal = "\t\t" + text;
    m_wndStatusBar.SetPaneText(2, m_strStatusTotal);
    if (width != -1) {
        m_iTotalWidth = std::clamp(width == 0 ? kDefaultTotalWidth : width, kMinTotalWidth, kMaxTotalWidth);
        m_wndStatusBar.SetPaneInfo(2, resources::IDS_TOTAL, SBPS_NORMAL, m_iTotalWidth);
    }
    return true;
}
