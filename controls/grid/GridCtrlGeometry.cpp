// Where cells are: rectangles in their section's coordinates, the cell under a point, and the
// blocks of joined cells.
#include <algorithm>
#include <climits>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "controls/grid/GridRedrawList.h"

namespace {

// A join offset read from a data source is trusted only as far as the sheet reaches.
int Clamp(long long value, int low, int high)
{
    return static_cast<int>(std::clamp<long long>(value, low, high));
}

}  // namespace

void CGridCtrl::GetJoinBlock(int column, int row, GridRange* block)
{
    CGridCell cell;
    GetCell(column, row, &cell);
    GetJoinBlock(column, row, cell, block);
}

void CGridCtrl::GetJoinBlock(int column, int row, const CGridCell& cell, GridRange* block)
{
    *block = GridRange{column, row, column, row};
    const CGridInfo* info = GetGridInfo();
    short origin = 0;
    int columnOffset = 0, rowOffset = 0;
    if (!info->m_joinsEnabled || cell.GetJoinInfo(&origin, &columnOffset, &rowOffset) != 0)
        return;
    // A block stays on its side of the headings.
    const int firstColumn = column < 0 ? -info->m_sideHeadingColumnCount : 0;
    const int lastColumn = column < 0 ? -1 : info->m_columnCount - 1;
    const int firstRow = row < 0 ? -info->m_topHeadingRowCount : 0;
    const int lastRow = row < 0 ? -1 : info->m_rowCount - 1;
    int originColumn = column, originRow = row;
    if (!origin) {
        // The others point back at the origin, which says how far the block reaches.
        originColumn = Clamp(static_cast<long long>(column) + columnOffset, firstColumn, lastColumn);
        originRow = Clamp(static_cast<long long>(row) + rowOffset, firstRow, lastRow);
        CGridCell originCell;
        GetCell(originColumn, originRow, &originCell);
        if (originCell.GetJoinInfo(&origin, &columnOffset, &rowOffset) != 0 || !origin)
            return;
    }
    const GridRange joined{originColumn, originRow,
                           Clamp(static_cast<long long>(originColumn) + std::max(0, columnOffset), firstColumn, lastColumn),
                           Clamp(static_cast<long long>(originRow) + std::max(0, rowOffset), firstRow, lastRow)};
    // A block that does not hold the cell it was read for is no block of that cell.
    if (joined.Contains(column, row))
        *block = joined;
}

namespace {

// Where a place starts in its section: locked places from 0, the others from the first one
// shown on (before it they lie at negative places). sum(first, count) adds sizes up.
template <typename Sum>
long long PlaceStart(int index, int locked, int lockedSize, int first, Sum sum)
{
    if (index < locked)
        return sum(0, index);
    if (index >= first)
        return static_cast<long long>(lockedSize) + sum(first, index - first);
    return static_cast<long long>(lockedSize) - sum(index, first - index);
}

long long ColumnStart(const CGridInfo& info, int column)
{
    return PlaceStart(column, info.m_lockedColumns, info.m_lockedWidth, info.m_leftColumn,
                      [&info](int first, int count) { return info.SumColumnWidths(first, count); });
}

long long RowStart(const CGridInfo& info, int row)
{
    return PlaceStart(row, info.m_lockedRows, info.m_lockedHeight, info.m_topRow,
                      [&info](int first, int count) { return info.SumRowHeights(first, count); });
}

// Heading columns run from the outermost at 0 to -1 beside the cells; heading rows likewise.
long long HeadingColumnStart(const CGridInfo& info, int column)
{
    long long x = 0;
    for (int c = -info.m_sideHeadingColumnCount; c < column; ++c)
        x += info.HeadingColumnWidth(c);
    return x;
}

long long HeadingRowStart(const CGridInfo& info, int row)
{
    long long y = 0;
    for (int r = -info.m_topHeadingRowCount; r < row; ++r)
        y += info.HeadingRowHeight(r);
    return y;
}

struct Span {
    long long start;
    long long end;
};

Span ColumnSpan(const CGridInfo& info, int first, int last)
{
    if (first < 0)
        return {HeadingColumnStart(info, first), HeadingColumnStart(info, last) + info.HeadingColumnWidth(last)};
    return {ColumnStart(info, first), ColumnStart(info, last) + info.ColumnWidth(last)};
}

Span RowSpan(const CGridInfo& info, int first, int last)
{
    if (first < 0)
        return {HeadingRowStart(info, first), HeadingRowStart(info, last) + info.HeadingRowHeight(last)};
    return {RowStart(info, first), RowStart(info, last) + info.RowHeight(last)};
}

int ToCoordinate(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN / 2, INT_MAX / 2));
}

}  // namespace

int CGridCtrl::GetCellRect(int* column, int* row, RECT* rect)
{
    const CGridInfo* info = GetGridInfo();
    if (!column || !row || !rect)
        return 1;
    const bool columnKnown = *column >= -info->m_sideHeadingColumnCount && *column < info->m_columnCount;
    const bool rowKnown = *row >= -info->m_topHeadingRowCount && *row < info->m_rowCount;
    if (!columnKnown || !rowKnown)
        return 1;
    GridRange block;
    GetJoinBlock(*column, *row, &block);
    *column = block.startColumn;
    *row = block.startRow;
    const Span across = ColumnSpan(*info, block.startColumn, block.endColumn);
    const Span down = RowSpan(*info, block.startRow, block.endRow);
    *rect = CRect(ToCoordinate(across.start), ToCoordinate(down.start), ToCoordinate(across.end), ToCoordinate(down.end));
    return 0;
}

int CGridCtrl::GetCellFromPoint(int x, int y, int* column, int* row, RECT* rect)
{
    const CGridInfo* info = GetGridInfo();
    if (x < 0 || y < 0 || x >= info->m_gridWidth || y >= info->m_gridHeight)
        return 1;
    int hitColumn = -1, hitRow = -1;
    info->WalkColumns(info->m_gridWidth, [&](int c, int left, int width) {
        hitColumn = x >= left && x < left + width ? c : -1;
        return hitColumn < 0;
    });
    info->WalkRows(info->m_gridHeight, [&](int r, int top, int height) {
        hitRow = y >= top && y < top + height ? r : -1;
        return hitRow < 0;
    });
    if (hitColumn < 0 || hitRow < 0)
        return 1;
    CRect found;
    GetCellRect(&hitColumn, &hitRow, &found);
    if (column)
        *column = hitColumn;
    if (row)
        *row = hitRow;
    if (rect)
        *rect = found;
    return 0;
}
