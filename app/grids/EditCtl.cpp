#include "app/grids/EditCtl.h"

#include "app/grids/BidDataSource.h"
#include "app/grids/ItemDisplay.h"
#include "app/grids/ItemGrid.h"
#include "model/records/Prop.h"

bool CEditCtl::FindNextEntry(bool backwards, int* column, int* row)
{
    auto* grid = dynamic_cast<CItemGrid*>(m_grid);
    const CItem* edited = grid ? grid->GetItemOfRow(grid->GetEditRow()) : nullptr;
    if (!edited)
        return false;
    const int firstRow = grid->GetEditRow() / 2 * 2;
    const int quantity = grid->GetDisplayColumn(CBidDataSource::COL_QUANTITY);
    const int price = grid->GetDisplayColumn(CBidDataSource::COL_UNIT_PRICE);
    const bool inQuantity = GetLogicalColumn() == CBidDataSource::COL_QUANTITY;
    // Within the item: its quantity comes before its price.
    if (backwards ? !inQuantity && MayEnterQuantity(*edited) : inQuantity) {
        *column = backwards ? quantity : price;
        *row = firstRow;
        return true;
    }
    const int step = backwards ? -2 : 2;
    for (int r = firstRow + step; r >= 0 && r < grid->GetRowCount(); r += step) {
        const CItem* item = grid->GetItemOfRow(r);
        if (!item || item->IsSection() || IsFixedPrice(*item))
            continue;
        *column = !backwards && MayEnterQuantity(*item) ? quantity : price;
        *row = r;
        return true;
    }
    return false;
}
