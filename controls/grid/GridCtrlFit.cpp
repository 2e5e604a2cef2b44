// Column widths measured from the cells, stretched to the view, or taken from a source.
#include <algorithm>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridDataSource.h"
#include "controls/grid/GridInfo.h"
#include "platform/ui/draw/DC.h"

namespace {
constexpr int kNarrowestBestFit = 3;
}

int CGridCtrl::MeasureBestWidth(CDC& dc, int column, int firstRow, int rowLimit)
{
    const CGridInfo* info = GetGridInfo();
    int best = kNarrowestBestFit;
    int measured = 0;
    for (int row = firstRow; row < info->m_rowCount; ++row) {
        // Past the locked rows the walk goes on from the top visible row.
        if (row == info->m_lockedRows && info->m_topRow > row)
            row = info->m_topRow;
        if (row >= info->m_rowCount || (rowLimit > 0 && measured >= rowLimit))
            break;
        ++measured;
        GetCell(column, row, &m_workCell);
        if (m_workCell.IsPropertySet(GridCellBits::JoinInfo))
            continue;
        CSize size;
        GetCellType(m_workCell.GetCellType())->GetBestSize(&dc, &size, &m_workCell);
        best = std::max<int>(best, size.cx);
    }
    return best;
}

int CGridCtrl::BestFitColumns(int firstColumn, int lastColumn, int rowLimit, int flags)
{
    const CGridInfo* info = GetGridInfo();
    if (firstColumn < -info->m_sideHeadingColumnCount)
        return 1;
    if (lastColumn >= info->m_columnCount)
        return 2;
    if (firstColumn > lastColumn)
        return 3;
    const int firstRow = (flags & GRID_BESTFIT_HEADINGS) ? -info->m_topHeadingRowCount : 0;
    const int widest = std::max(0, info->m_gridWidth - info->m_vScrollWidth);
    CDC screen;
    for (int column = firstColumn; column <= lastColumn; ++column)
        SetColumnWidth(column, std::min(widest, MeasureBestWidth(screen, column, firstRow, rowLimit)));
    RecalcLayout();
    return 0;
}

int CGridCtrl::FitColumnsToWidth(int firstColumn, int lastColumn)
{
    CGridInfo* info = GetGridInfo();
    if (firstColumn < 0 || lastColumn >= info->m_columnCount || firstColumn > lastColumn)
        return 1;
    const long long total = info->SumColumnWidths(firstColumn, lastColumn - firstColumn + 1);
    const long long client = info->m_gridWidth;
    long long used = 0;
    for (int column = firstColumn; column < lastColumn; ++column) {
        int& width = info->m_columns[column].m_width;
        // Columns of no width at all stay hidden; the last one then takes the whole view.
        width = total > 0 ? static_cast<int>(width * client / total) : 0;
        used += width;
    }
    info->m_columns[lastColumn].m_width = static_cast<int>(std::max(0LL, client - used));
    RecalcLockedWidth();
    RedrawAll();
    return 0;
}

int CGridCtrl::SizeGridToDataSource(int index)
{
    CGridDataSource* source = index > 0 ? GetDataSource(index) : nullptr;
    if (!source)
        return 1;
    const int columns = source->ColumnCount();
    if (columns < 1)
        return 2;
    // A source larger than the grid can show is refused, not half applied.
    if (SetColumnCount(columns, 0) != 0)
        return 3;
    if (const int rows = source->RowCount(); rows >= 0)
        SetRowCount(rows, 0);
    RecalcLayout();
    return 0;
}
