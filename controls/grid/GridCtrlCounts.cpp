// Column and row counts, the current cell they carry along, and locking.
#include <algorithm>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridDataSource.h"
#include "controls/grid/GridInfo.h"

namespace {

// Locked columns or rows beyond a new count keep one fewer than the count, never below 0.
int ClampLocked(int locked, int count)
{
    return locked > count ? std::max(0, count - 1) : locked;
}

// A current or target position past a new end moves to the last one.
void ClampToLast(int& position, int count)
{
    if (position >= count)
        position = count - 1;
}

// The current position follows a new count: past the end to the last one, and where there was
// none to the first. Moved so, it is also where the next move starts, which repaints it there.
void KeepCurrentInside(int& current, int& target, int& previous, int count)
{
    const int before = current;
    ClampToLast(current, count);
    ClampToLast(target, count);
    if (current < 0 && count > 0)
        current = target = 0;
    if (current != before)
        previous = current;
}

}  // namespace

int CGridCtrl::GetColumnCount() const { return GetGridInfo()->m_columnCount; }
int CGridCtrl::GetRowCount() const { return GetGridInfo()->m_rowCount; }
int CGridCtrl::GetCurrentColumn() const { return GetGridInfo()->m_currentColumn; }
int CGridCtrl::GetCurrentRow() const { return GetGridInfo()->m_currentRow; }

int CGridCtrl::SetColumnCount(int count, int redraw)
{
    if (count < 0 || count > kMaxColumns)
        return 1;
    CGridInfo* info = GetGridInfo();
    info->m_lockedColumns = ClampLocked(info->m_lockedColumns, count);
    const int oldCount = static_cast<int>(info->m_columns.size());
    info->m_columns.resize(count);
    for (int c = oldCount; c < count; ++c) {
        CGridColumn& column = info->m_columns[c];
        column.m_width = info->m_defaultColumnWidth;
        column.m_dataSource = info->m_defaultSource;
        column.m_defaultCell = std::make_unique<CGridCell>();
        column.m_defaultCell->CopyFrom(info->m_columnDefaultCell);
        column.m_mappedColumn = c;
    }
    info->m_columnCount = count;
    RecalcLockedWidth();
    const int oldMaxLeftColumn = info->m_maxLeftColumn;
    RecalcMaxLeftColumn();
    KeepCurrentInside(info->m_currentColumn, info->m_targetColumn, info->m_previousColumn, count);
    RelayoutIfBarsChanged(info->m_maxTopRow, oldMaxLeftColumn);
    if (redraw)
        RedrawAll();
    return 0;
}

int CGridCtrl::SetRowCount(int count, int redraw)
{
    if (count < 0)
        return 1;
    CGridInfo* info = GetGridInfo();
    info->m_lockedRows = ClampLocked(info->m_lockedRows, count);
    if (count > kUniformRowsAbove)
        info->m_uniformRowHeight = 1;
    else
        info->m_rowHeights.resize(count, info->m_defaultRowHeight);
    info->m_rowCount = count;
    RecalcLockedHeight();
    const int oldMaxTopRow = info->m_maxTopRow;
    if (RecalcMaxTopRow())
        CompleteMove();
    KeepCurrentInside(info->m_currentRow, info->m_targetRow, info->m_previousRow, count);
    RelayoutIfBarsChanged(oldMaxTopRow, info->m_maxLeftColumn);
    if (redraw)
        RedrawAll();
    return 0;
}

int CGridCtrl::InsertRow(int row)
{
    if (row < 0 || row > GetRowCount())
        return 1;
    const int result = GetGridInfo()->m_defaultSource->InsertRowAt(row);
    if (result == 0) {
        SetRowCount(GetRowCount() + 1, 0);
        FollowRowsWithEdit(row, 1);
        RedrawAll();
    }
    return result;
}

int CGridCtrl::DeleteRow(int row)
{
    if (row < 0 || row >= GetRowCount())
        return 1;
    // A source that did not delete the row keeps it shown.
    const int result = GetGridInfo()->m_defaultSource->DeleteRowAt(row);
    if (result == 0) {
        SetRowCount(GetRowCount() - 1, 0);
        FollowRowsWithEdit(row, -1);
        RedrawAll();
    }
    return result;
}

int CGridCtrl::RecalcLockedWidth()
{
    CGridInfo* info = GetGridInfo();
    info->m_lockedWidth = info->SumColumnWidths(0, info->m_lockedColumns);
    return info->m_lockedWidth;
}

int CGridCtrl::RecalcLockedHeight()
{
    CGridInfo* info = GetGridInfo();
    info->m_lockedHeight = info->SumRowHeights(0, info->m_lockedRows);
    return info->m_lockedHeight;
}

int CGridCtrl::LockColumns(int count)
{
    CGridInfo* info = GetGridInfo();
    if (count < 0 || count > info->m_columnCount)
        return 1;
    info->m_lockedColumns = count;
    RecalcLockedWidth();
    info->m_leftColumn = info->m_previousLeftColumn = count;
    RecalcMaxLeftColumn();
    return 0;
}

int CGridCtrl::LockRows(int count)
{
    CGridInfo* info = GetGridInfo();
    if (count < 0 || count > info->m_rowCount)
        return 1;
    info->m_lockedRows = count;
    RecalcLockedHeight();
    info->m_topRow = info->m_previousTopRow = count;
    RecalcMaxTopRow();
    return 0;
}
