#include "app/items/GridView.h"

#include "app/doc/BidDoc.h"
#include "app/frame/MainFrame.h"
#include "app/grids/ProposalGrid.h"
#include "app/items/StoredChange.h"
#include "app/views/ViewHints.h"
#include "model/records/Prop.h"
#include "model/text/NumberFormat.h"
#include "platform/ui/controls/WholeText.h"
#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDV_GridView, CDV)

namespace {

constexpr int kTopHeadingHeight = 20;
constexpr int kStatusPaneInset = 6;
constexpr int kLabelGap = 4;

std::string TotalText(const CProp& prop, double total)
{
    const CNumberFormat& format = prop.m_numberFormats[NUMFMT_AMOUNT];
    return FormatAmount(total, format.m_byWidth, format.m_byDecimals, true, prop.GetCurrencySymbol(0)) + " ";
}

int StripHeight()
{
    return GetSystemMetrics(SM_CXVSCROLL) + 4;
}

} // namespace

CDV_GridView::CDV_GridView(UINT templateId, CProposalGrid& grid, TotalBox box)
    : CDV(templateId), m_grid(grid), m_box(box)
{
}

CProp* CDV_GridView::GetProp() const
{
    const auto* doc = dynamic_cast<const CBidDoc*>(GetDocument());
    return doc ? doc->GetProp() : nullptr;
}

void CDV_GridView::OnInitialUpdate()
{
    m_grid.SetProposal(GetProp());
    if (!m_bGridCreated) {
        m_grid.AttachToDialogItem(IDC_GRID, this);
        m_bGridCreated = m_grid.IsWindow();
    }
    m_grid.SetSideHeadingWidth(0);
    m_grid.SetTopHeadingHeight(kTopHeadingHeight);
    m_grid.SetVScrollMode(1);
    m_grid.SetHScrollMode(1);
    CDV::OnInitialUpdate();
    // The grid fills the view: the form never scrolls.
    SetScrollSizes(MM_TEXT, CSize(1, 1));
    ClearBackground();
    CRect client;
    GetClientRect(&client);
    OnSize(SIZE_RESTORED, client.Width(), client.Height());
}

void CDV_GridView::OnUpdate(CView* sender, LPARAM hint, void* hintObject)
{
    CDV::OnUpdate(sender, hint, hintObject);
    if (m_bGridCreated) {
        m_grid.SetProposal(GetProp());
        m_grid.RedrawAll();
    }
    RefreshTotals();
    if (hint == HINT_BACKGROUND)
        ClearBackground();
}

int CDV_GridView::TotalColumnWidth() const
{
    return m_grid.GetColumnWidth(m_grid.GetDisplayColumn(m_box.logicalColumn));
}

void CDV_GridView::RefreshTotals()
{
    const CProp* prop = GetProp();
    if (!prop)
        return;
    if (CWnd* value = GetDlgItem(m_box.valueId))
        value->SetWindowText(TotalText(*prop, BoxTotal(*prop)));
    if (m_bGridCreated)
        PlaceTotalBox();
    if (CMainFrame* frame = GetMainFrame())
        frame->SetStatusTotal(TotalText(*prop, prop->m_dProposalTotal),
                              m_bGridCreated ? TotalColumnWidth() - kStatusPaneInset : -1);
}

void CDV_GridView::OnGridChange()
{
    RefreshTotals();
    MarkDocumentChanged(*this);
    RepaintTreeNow();
}

// As wide as the total column within the box's limits, and never narrower than its total.
void CDV_GridView::PlaceTotalBox()
{
    CWnd* label = GetDlgItem(m_box.labelId);
    CWnd* value = GetDlgItem(m_box.valueId);
    if (!label || !value)
        return;
    CRect client;
    GetClientRect(&client);
    const int strip = StripHeight();
    const int width = std::max(std::clamp(TotalColumnWidth(), m_box.narrowest, m_box.widest), WholeTextWidth(*value));
    const int right = client.Width() - (GetSystemMetrics(SM_CXVSCROLL) - 1);
    const int top = client.Height() - strip + 2;
    value->MoveWindow(right - width, top, width, strip - 4);
    CRect labelRect;
    label->GetWindowRect(&labelRect);
    label->MoveWindow(right - width - kLabelGap - labelRect.Width(), top + (strip - 4 - labelRect.Height()) / 2,
                      labelRect.Width(), labelRect.Height());
    const CProp* prop = GetProp();
    const int shown = prop && ShowsTotalBox(*prop) ? SW_SHOW : SW_HIDE;
    label->ShowWindow(shown);
    value->ShowWindow(shown);
}

void CDV_GridView::OnSize(UINT type, int cx, int cy)
{
    CDV::OnSize(type, cx, cy);
    if (!m_bGridCreated)
        return;
    // Laid out whole, then shown once.
    SetRedraw(false);
    m_grid.SetPaintMode(0);
    m_grid.MoveWindow(-1, -1, cx + 2, cy - StripHeight() + 1);
    m_grid.SetPaintMode(1);
    m_grid.SizeColumns(cx);
    RefreshTotals();
    SetRedraw(true);
}

bool CDV_GridView::OnEraseBkgnd(CDC* dc)
{
    CDV::OnEraseBkgnd(dc);
    CRect client;
    GetClientRect(&client);
    dc->DrawEdge(&client, EDGE_ETCHED, BF_RECT);
    return true;
}

void CDV_GridView::OnDestroy()
{
    if (m_bGridCreated)
        m_grid.EndEditing();
    CDV::OnDestroy();
}

bool CDV_GridView::OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo)
{
    if (code == CN_COMMAND && !handlerInfo && !ActsOnTypedText(id) && m_bGridCreated)
        m_grid.EndEditing();
    return CDV::OnCmdMsg(id, code, extra, handlerInfo);
}
