#pragma once

// The item grid over a small schedule: two sections, a plain item, a lump-sum item without a
// price, a fixed-price item on offer, an item whose quantity the bidder enters, and one more.
#include "app/grids/ItemGrid.h"
#include "tests/app/grids/GridTestSupport.h"

enum SampleRow : int {
    ROW_SECTION_1,
    ROW_PLAIN,      // 0010: 100 EA at 2.50
    ROW_LUMP,       // 0020: lump sum, not priced
    ROW_FIXED,      // 0030: fixed price 5.00 for 10, on offer and used
    ROW_QUANTITY,   // 0040: the bidder enters the quantity
    ROW_SECTION_2,
    ROW_LAST,       // 0050: 3 at 1.00
};

inline std::unique_ptr<CProp> MakeSchedule()
{
    auto prop = MakeBidProp();
    AddSection(*prop, "0001").m_strLongDesc = "EARTHWORK";
    CItem& plain = AddItem(*prop, "0010", 100, 2.5, "01A");
    plain.m_strUnit = "EA";
    plain.m_strShortDesc = "EXCAVATION";
    ChangeFlagBit(&AddItem(*prop, "0020", 1, -1).m_wFlags, ITEM_LUMP_SUM, 1);
    CItem& fixed = AddItem(*prop, "0030", 10, 5);
    ChangeFlagBit(&fixed.m_wFlags, ITEM_FIXED_PRICE, 1);
    ChangeFlagBit(&fixed.m_wFlags, ITEM_FIXED_COUNTS_PRICED, 1);
    fixed.m_strShortDesc = "FORCE ACCOUNT";
    ChangeFlagBit(&AddItem(*prop, "0040", 0, -1).m_wFlags, ITEM_FIXED_FULLY_BID, 1);
    AddSection(*prop, "0002").m_strLongDesc = "PAVING";
    AddItem(*prop, "0050", 3, 1);
    RecalcBidTotals(prop.get());
    return prop;
}

// Display columns while no column has moved.
enum : int { COLUMN_LINE, COLUMN_ITEM, COLUMN_QUANTITY, COLUMN_UNIT, COLUMN_PRICE, COLUMN_EXTENSION };

class ItemGridTest : public ScriptedTest {
protected:
    std::unique_ptr<CProp> m_prop = MakeSchedule();
    HostedGrid<CItemGrid> m_hosted{m_prop.get()};
    CItemGrid& m_grid = m_hosted.grid;

    CItem& Row(int row) { return *m_prop->m_items[row]; }
    static int FirstRow(int item) { return 2 * item; }
};
