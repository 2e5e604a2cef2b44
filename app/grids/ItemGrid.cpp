#include "app/grids/ItemGrid.h"

#include "app/grids/ItemDisplay.h"
#include "model/check/CheckBid.h"
#include "model/check/Recalc.h"
#include "model/files/PropBidRefPrice.h"
#include "model/records/Prop.h"

namespace {

const std::vector<int> kColumnWeights = {6, 12, 13, 5, 17, 15};

} // namespace

CItemGrid::CItemGrid() : CProposalGrid(m_dataSource, m_editCtl, kColumnWeights) {}

CItemGrid::~CItemGrid()
{
    // The window goes while the source and editor it uses are still here.
    DestroyWindowFromDestructor();
}

CItem* CItemGrid::GetItemOfRow(int row) const
{
    const CProp* prop = GetProposal();
    if (!prop || row < 0 || row / 2 >= prop->m_items.GetSize())
        return nullptr;
    return prop->m_items.GetAtOrNull(row / 2);
}

bool CItemGrid::FindNextPriceCell(int* column, int* row, bool backwards)
{
    const CProp* prop = GetProposal();
    if (!prop)
        return false;
    const int step = backwards ? -2 : 2;
    for (int r = *row / 2 * 2 + step; r >= 0 && r < GetRowCount(); r += step) {
        const CItem* item = GetItemOfRow(r);
        if (!item || item->IsSection() || (IsFixedPrice(*item) && !OffersUseThisItem(*prop, *item)))
            continue;
        const bool useBox = IsFixedPrice(*item);
        *row = useBox ? r + 1 : r;
        *column = useBox ? CBidDataSource::kUseColumn : GetDisplayColumn(CBidDataSource::COL_UNIT_PRICE);
        return true;
    }
    return false;
}

int CItemGrid::ApplyReferencePrice()
{
    CProp* prop = GetProposal();
    const int result = LookupBidRefPrice(prop, GetCurrentRow() / 2);
    if (result != kBidRefPriceSet)
        return result;
    RecalcBidTotals(prop);
    CheckBid(prop, false);
    RedrawAll();
    OnDataSourceNotice(&GetSource(), 0, 0);
    return result;
}
