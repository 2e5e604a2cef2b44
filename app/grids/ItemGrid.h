#pragma once

// The schedule of items as a spreadsheet: every item of the proposal in two rows (line, item
// number, quantity, unit, unit price and extension; under them the alternate code and the
// description), section rows between them. The bidder types unit prices (and quantities where
// the agency leaves them open) and ticks "Use this item" for the fixed-price items on offer.
#include "app/grids/BidDataSource.h"
#include "app/grids/EditCtl.h"
#include "app/grids/ProposalGrid.h"

class CItem;

class CItemGrid : public CProposalGrid {
public:
    CItemGrid();
    ~CItemGrid() override;

    // The item of a grid row; null outside the items.
    CItem* GetItemOfRow(int row) const;
    // From the current item, the next (or previous) item that takes a price: its first row, or
    // for a fixed-price item its "Use this item" box. False, and nothing changed, when none.
    bool FindNextPriceCell(int* column, int* row, bool backwards);
    // The current item's unit price from the price reference file; the lookup's result code
    // (0 when the price was set).
    int ApplyReferencePrice();

protected:
    bool FindNextEntryCell(int* column, int* row, bool backwards) override
    {
        return FindNextPriceCell(column, row, backwards);
    }

private:
    CBidDataSource m_dataSource;
    CEditCtl m_editCtl;
};
