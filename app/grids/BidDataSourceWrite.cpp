// What the bidder enters in the item grid, stored in the proposal; every stored change
// recalculates the bid and runs Check Zod.
#include "app/grids/BidDataSource.h"

#include "app/grids/ItemDisplay.h"
#include "app/grids/ItemGrid.h"
#include "model/records/Prop.h"

std::optional<TypedEntry> CBidDataSource::ReadTypedEntry(int column, int row, std::string_view text)
{
    const CItem* found = Grid().GetItemOfRow(row);
    if (!found || found->IsSection() || row % 2 != 0)
        return std::nullopt;
    const CItem& item = *found;
    // The text as shown, passed through unchanged, is no entry: read back it would round the
    // value again (in alternate units) or fail ("LUMP").
    switch (Grid().GetLogicalColumn(column)) {
    case COL_QUANTITY:
        if (!MayEnterQuantity(item) || text == ShownQuantityText(*m_pProp, item))
            return std::nullopt;
        return ReadItemQuantity(*m_pProp, item, text);
    case COL_UNIT_PRICE:
        if (IsFixedPrice(item) || text == ShownUnitPriceText(*m_pProp, item))
            return std::nullopt;
        return ReadItemPrice(*m_pProp, item, text);
    default: return std::nullopt;
    }
}

int CBidDataSource::WriteCell(int column, int row, CGridCell* cell)
{
    CItem* found = Grid().GetItemOfRow(row);
    if (!found || column < 0 || column >= kColumns)
        return 1;
    CItem& item = *found;
    if (row % 2 == 0) {
        return WriteTypedEntry(column, row, *cell, [&](double value) {
            (Grid().GetLogicalColumn(column) == COL_QUANTITY ? item.m_fQuan : item.m_fUnitPrice) = value;
        });
    }
    if (column != kUseColumn || !OffersUseThisItem(*m_pProp, item))
        return 1;
    ChangeFlagBit(&item.m_wFlags, ITEM_FIXED_COUNTS_PRICED, cell->GetBool() ? 1 : 0);
    AfterStoredChange();
    return 0;
}
