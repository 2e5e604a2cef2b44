#include "app/firms/DVDBEItemGrid.h"

#include "app/doc/BidDoc.h"
#include "app/startup/BidApp.h"
#include "app/views/ViewHints.h"
#include "model/records/Prop.h"
#include "platform/ui/draw/DC.h"

IMPLEMENT_DYNCREATE(CDV_DBEItemGrid, CDV)
IMPLEMENT_DYNCREATE(CDV_MBEItemGrid, CDV_DBEItemGrid)
IMPLEMENT_DYNCREATE(CDV_WBEItemGrid, CDV_DBEItemGrid)

CDV_DBEItemGrid::CDV_DBEItemGrid() : CDV_DBEItemGrid(FIRM_DBE) {}
CDV_DBEItemGrid::CDV_DBEItemGrid(int firmKind) : CDV(kTemplate), m_iFirmKind(firmKind) {}
CDV_MBEItemGrid::CDV_MBEItemGrid() : CDV_DBEItemGrid(FIRM_MBE) {}
CDV_WBEItemGrid::CDV_WBEItemGrid() : CDV_DBEItemGrid(FIRM_WBE) {}

CProp* CDV_DBEItemGrid::GetProp() const
{
    const auto* document = dynamic_cast<const CBidDoc*>(GetDocument());
    return document ? document->GetProp() : nullptr;
}

void CDV_DBEItemGrid::OnInitialUpdate()
{
    if (!m_grid.IsWindow() && m_grid.AttachToDialogItem(IDC_GRID, this) == 0) {
        m_grid.GetDataSource().SetFirmType(m_iFirmKind);
        m_grid.Setup(GetProp(), m_iNodeIndex);
    }
    CDV::OnInitialUpdate();
    ClearBackground();
}

void CDV_DBEItemGrid::OnUpdate(CView* sender, LPARAM hint, void* hintObject)
{
    CDV::OnUpdate(sender, hint, hintObject);
    if ((hint != HINT_REFRESH_FORMS && hint != HINT_BACKGROUND) || !m_grid.IsWindow())
        return;
    // The cells read the proposal as they are drawn.
    m_grid.RedrawAll();
    if (hint == HINT_BACKGROUND)
        ClearBackground();
}

void CDV_DBEItemGrid::OnSize(UINT type, int cx, int cy)
{
    CDV::OnSize(type, cx, cy);
    if (!m_grid.IsWindow())
        return;
    m_grid.MoveWindow(0, 0, cx, cy);
    m_grid.SizeColumns(cx);
    if (CBidApp* app = GetBidApp())
        app->m_iHSplitterPos = cy;
}

bool CDV_DBEItemGrid::OnEraseBkgnd(CDC* dc)
{
    CDV::OnEraseBkgnd(dc);
    CRect client;
    GetClientRect(&client);
    dc->DrawEdge(&client, EDGE_ETCHED, BF_TOP);
    return true;
}
