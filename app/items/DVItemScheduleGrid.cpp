#include "app/items/DVItemScheduleGrid.h"

#include "app/frame/MainFrame.h"
#include "app/items/ItemForms.h"
#include "app/views/NodeViews.h"
#include "app/views/ViewHints.h"
#include "model/files/BidRefPrice.h"
#include "model/records/Prop.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CDV_ItemScheduleGrid, CDV_GridView)

BEGIN_MESSAGE_MAP(CDV_ItemScheduleGrid, CDV_GridView)
    ON_COMMAND(resources::ID_REFERENCE_PRICE, OnReferencePrice)
    ON_UPDATE_COMMAND_UI(resources::ID_REFERENCE_PRICE, OnUpdateReferencePrice)
END_MESSAGE_MAP()

namespace {

constexpr int kNarrowestBox = 80;
constexpr int kWidestBox = 200;

} // namespace

CDV_ItemScheduleGrid::CDV_ItemScheduleGrid()
    : CDV_GridView((RegisterItemForms(), IDD), m_grid,
                   {IDC_TOTAL_LABEL, IDC_TOTAL, CBidDataSource::COL_EXTENSION, kNarrowestBox, kWidestBox})
{
}

double CDV_ItemScheduleGrid::BoxTotal(const CProp& prop) const
{
    return prop.m_dItemsTotal;
}

bool CDV_ItemScheduleGrid::ShowsTotalBox(const CProp& prop) const
{
    // Without time costs the items total is the bid total, in the status bar already.
    return TestFlagBit(prop.m_wFlags2, PROP2_TIME_COSTS_IN_BID) != 0;
}

void CDV_ItemScheduleGrid::OnUpdate(CView* sender, LPARAM hint, void* hintObject)
{
    CDV_GridView::OnUpdate(sender, hint, hintObject);
    const int type = HintNodeType(hint);
    if (type >= NODE_ALT_SECTION_GROUP && type <= NODE_ITEM)
        ShowItem(HintNodeIndex(hint));
}

void CDV_ItemScheduleGrid::ShowItem(int index)
{
    if (!HasGridWindow() || index < 0 || 2 * index >= m_grid.GetRowCount())
        return;
    if (CMainFrame* frame = GetMainFrame())
        frame->SetActiveView(this);
    m_grid.GotoCell(m_grid.GetDisplayColumn(CBidDataSource::COL_UNIT_PRICE), 2 * index);
    m_grid.SetFocus();
}

void CDV_ItemScheduleGrid::OnReferencePrice()
{
    const int result = m_grid.ApplyReferencePrice();
    if (result != kBidRefPriceSet)
        ZodMessageBox(GetBidRefPriceErrorText(result), "Price Reference", MB_OK | MB_ICONEXCLAMATION);
}

void CDV_ItemScheduleGrid::OnUpdateReferencePrice(CCmdUI* ui)
{
    ui->Enable(GetProp() != nullptr);
}
