#pragma once

// The sample open in the main window with a firm's item grid shown beside the tree, and the
// grid's cells as the bidder sees and clicks them.
#include "app/firms/DBEItemGrid.h"
#include "app/firms/DBEItemSplitter.h"
#include "app/firms/DVDBEItemGrid.h"
#include "app/tree/BidView.h"
#include "controls/grid/GridArea.h"
#include "controls/grid/GridCellType.h"
#include "tests/app/ShellTestSupport.h"

class FirmGridTest : public ShellTest {
protected:
    // The firm item splitter's grid 420 pixels high.
    void OpenSample()
    {
        Store("WindowMetrics", "HSplitterPos", "420");
        OpenSampleInWindow(300, true);
    }

    // The item grid of DBE (kind 1), MBE (2) or WBE (3) firm `firm`, chosen in the tree.
    CDBEItemGrid* ShowFirmItems(int firm, int kind = 1)
    {
        if (!Tree().SelectNode({NODE_DBE_ITEM_GRID + kind - 1, firm}))
            return nullptr;
        Settle();
        CDBEItemSplitter* splitter = Frame().GetSplitter().GetFirmItemSplitter();
        return splitter ? splitter->GetFirmItemGrid() : nullptr;
    }

    static std::string Text(CDBEItemGrid& grid, int column, int row)
    {
        std::string text;
        grid.QuickGetText(column, row, &text);
        return text;
    }
    static bool Ticked(CDBEItemGrid& grid, int row)
    {
        CGridCell cell;
        grid.GetCell(CDBEItemDataSource::USE, row, &cell);
        return cell.GetBool();
    }

    // A real click in the row's "Use?" box (the row is brought into view first).
    static void ClickUseBox(CDBEItemGrid& grid, int row)
    {
        grid.GotoRow(row);
        ClickBoxInView(grid, row);
    }
    // A real click in the "Use?" box of a row that is on the screen.
    static void ClickBoxInView(CDBEItemGrid& grid, int row)
    {
        int column = CDBEItemDataSource::USE;
        CRect rect;
        ASSERT_EQ(grid.GetCellRect(&column, &row, &rect), 0);
        const CRect box = CGridCheckBoxType::BoxOf(rect);
        QTest::mouseClick(grid.GetCellArea()->GetWidget(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(box.left + 3, box.top + 3));
        Settle();
    }

    // The first item row (not a section) the firm has not committed to, from `from` on.
    int UncommittedRow(CDBEItemGrid& grid, int from = 0)
    {
        for (int row = from; row < grid.GetRowCount(); ++row)
            if (!Prop()->m_items[row]->IsSection() && !Ticked(grid, row))
                return row;
        return -1;
    }
};
