// Moving the current cell and the view. Every move asks the default data source first and the
// hook second, then makes the target visible and completes the move.
#include <algorithm>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridDataSource.h"
#include "controls/grid/GridInfo.h"
#include "controls/grid/GridRedrawList.h"
#include "platform/ui/window/VirtualKeys.h"

namespace {
constexpr int kDone = 0;
constexpr int kBadTarget = 1;
constexpr int kRefused = 2;
}  // namespace

int CGridCtrl::GetTopRow() const { return GetGridInfo()->m_topRow; }
int CGridCtrl::GetLeftColumn() const { return GetGridInfo()->m_leftColumn; }

namespace {

// Where a move lands when its target lies in a joined block [start, end] of the line it moves
// along, coming from `from`: the mouse lands on the block's origin; the keyboard steps onto it
// from before and over it from inside, and stays when there is nowhere to go.
int LandingPlace(int target, int from, int start, int end, int count, bool mouse)
{
    if (mouse || (target > from && from < start))
        return start;
    if (target > from && from <= end)
        return end + 1 < count ? end + 1 : from;
    if (target < from && from >= start && from <= end)
        return start > 0 ? start - 1 : from;
    return target;
}

}  // namespace

void CGridCtrl::AdjustRowForJoin(int* row)
{
    CGridInfo* info = GetGridInfo();
    if (!info->m_joinsEnabled || info->m_targetColumn < 0)
        return;
    GridRange block;
    GetJoinBlock(info->m_targetColumn, *row, &block);
    if (block.startRow != block.endRow || block.startRow != *row)
        *row = LandingPlace(*row, info->m_targetRow, block.startRow, block.endRow, info->m_rowCount,
                            info->m_mouseDownFlag != GRID_INPUT_KEYBOARD);
}

void CGridCtrl::AdjustColumnForJoin(int* column)
{
    CGridInfo* info = GetGridInfo();
    if (!info->m_joinsEnabled || info->m_targetRow < 0)
        return;
    GridRange block;
    GetJoinBlock(*column, info->m_targetRow, &block);
    if (block.startColumn != block.endColumn || block.startColumn != *column)
        *column = LandingPlace(*column, info->m_targetColumn, block.startColumn, block.endColumn, info->m_columnCount,
                               info->m_mouseDownFlag != GRID_INPUT_KEYBOARD);
}

int CGridCtrl::CheckTargetRow(int* row)
{
    CGridInfo* info = GetGridInfo();
    if (*row >= info->m_rowCount) {
        // The source and the hook may add the rows that are missing.
        const int count = info->m_rowCount;
        int flag = 0;
        info->m_defaultSource->OnPastLastRow(count, *row - count + 1, &flag);
        OnPastLastRow(count, *row - count + 1, flag);
        if (*row >= info->m_rowCount) {
            if (info->m_rowCount == 0 || info->m_targetRow >= info->m_rowCount - 1)
                return kBadTarget;
            *row = info->m_rowCount - 1;
        }
    }
    if (*row < 0) {
        if (info->m_rowCount == 0)
            return kBadTarget;
        *row = 0;
    }
    return kDone;
}

int CGridCtrl::CheckTargetColumn(int* column)
{
    CGridInfo* info = GetGridInfo();
    if (info->m_columnCount == 0)
        return kBadTarget;
    if (*column >= info->m_columnCount) {
        if (info->m_targetColumn >= info->m_columnCount - 1)
            return kBadTarget;
        *column = info->m_columnCount - 1;
    }
    *column = std::max(*column, 0);
    return kDone;
}

int CGridCtrl::AskCanMove(int column, int row)
{
    CGridInfo* info = GetGridInfo();
    const int oldColumn = info->m_currentColumn;
    const int oldRow = info->m_currentRow;
    if (info->m_defaultSource->OnCanMoveCell(oldColumn, oldRow, column, row) != 1)
        return kRefused;
    return OnCanMoveCell(oldColumn, oldRow, column, row) ? kDone : kRefused;
}

int CGridCtrl::GotoCell(int column, int row)
{
    CGridInfo* info = GetGridInfo();
    if (column == info->m_currentColumn && row == info->m_currentRow)
        return kDone;
    if (column < 0 || column >= info->m_columnCount)
        return kBadTarget;
    if (CheckTargetRow(&row) != kDone)
        return kBadTarget;
    GridRange block;
    GetJoinBlock(column, row, &block);
    column = block.startColumn;
    row = block.startRow;
    if (AskCanMove(column, row) != kDone)
        return kRefused;
    info->m_targetColumn = column;
    info->m_targetRow = row;
    MakeTargetVisible();
    CompleteMove();
    return kDone;
}

namespace {

// A plain key press starts the selection afresh from the current cell.
void ResetAnchorForPlainKey(CGridInfo& info)
{
    if (info.m_mouseDownFlag == GRID_INPUT_KEYBOARD && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0)
        info.m_selection.SetAnchor(info.m_currentColumn, info.m_currentRow);
}

}  // namespace

int CGridCtrl::GotoRow(int row)
{
    CGridInfo* info = GetGridInfo();
    ResetAnchorForPlainKey(*info);
    if (row == info->m_targetRow)
        return kDone;
    if (CheckTargetRow(&row) != kDone)
        return kBadTarget;
    AdjustRowForJoin(&row);
    if (row == info->m_targetRow)
        return kDone;
    if (AskCanMove(info->m_targetColumn, row) != kDone)
        return kRefused;
    info->m_targetRow = row;
    MakeTargetVisible();
    CompleteMove();
    return kDone;
}

int CGridCtrl::GotoColumn(int column)
{
    CGridInfo* info = GetGridInfo();
    ResetAnchorForPlainKey(*info);
    if (column == info->m_targetColumn)
        return kDone;
    if (CheckTargetColumn(&column) != kDone)
        return kBadTarget;
    AdjustColumnForJoin(&column);
    if (column == info->m_targetColumn)
        return kDone;
    if (AskCanMove(column, info->m_targetRow) != kDone)
        return kRefused;
    info->m_targetColumn = column;
    MakeTargetVisible();
    CompleteMove();
    return kDone;
}

int CGridCtrl::SetTopRow(int row)
{
    CGridInfo* info = GetGridInfo();
    row = std::clamp(row, info->m_lockedRows, std::max(info->m_lockedRows, info->m_maxTopRow));
    if (row == info->m_topRow)
        return kDone;
    if (!OnCanScrollView(info->m_leftColumn, info->m_topRow, info->m_leftColumn, row))
        return kRefused;
    info->m_topRow = row;
    CompleteMove();
    return kDone;
}

int CGridCtrl::SetLeftColumn(int column)
{
    CGridInfo* info = GetGridInfo();
    column = std::clamp(column, info->m_lockedColumns, std::max(info->m_lockedColumns, info->m_maxLeftColumn));
    if (column == info->m_leftColumn)
        return kDone;
    if (!OnCanScrollView(info->m_leftColumn, info->m_topRow, column, info->m_topRow))
        return kRefused;
    info->m_leftColumn = column;
    CompleteMove();
    return kDone;
}

namespace {

// The first place from which `index` and the ones after it up to the end of the view fit in
// `room`; never after `index` itself.
template <typename SizeOf>
int FirstThatFits(int index, int lowest, long long room, SizeOf sizeOf)
{
    long long used = 0;
    int first = index;
    for (int i = index; i >= lowest; --i) {
        used += sizeOf(i);
        if (used > room)
            break;
        first = i;
    }
    return first;
}

}  // namespace

void CGridCtrl::MakeTargetVisible()
{
    CGridInfo* info = GetGridInfo();
    const int column = info->m_targetColumn;
    if (column >= info->m_lockedColumns && column < info->m_columnCount) {
        if (column < info->m_leftColumn) {
            info->m_leftColumn = column;
        } else {
            const long long room = static_cast<long long>(info->m_gridWidth) - info->m_lockedWidth;
            const int first = FirstThatFits(column, info->m_lockedColumns, room,
                                            [info](int c) { return info->m_columns[c].m_width; });
            info->m_leftColumn = std::max(info->m_leftColumn, first);
        }
    }
    const int row = info->m_targetRow;
    if (row >= info->m_lockedRows && row < info->m_rowCount) {
        const long long room = static_cast<long long>(info->m_gridHeight) - info->m_lockedHeight;
        if (row < info->m_topRow) {
            info->m_topRow = row;
        } else if (info->m_uniformRowHeight) {
            const long long fit = std::max<long long>(1, room / std::max(1, info->m_defaultRowHeight));
            if (row >= info->m_topRow + fit)
                info->m_topRow = static_cast<int>(row - fit + 1);
        } else {
            const int first = FirstThatFits(row, info->m_lockedRows, room, [info](int r) { return info->RowHeight(r); });
            info->m_topRow = std::max(info->m_topRow, first);
        }
    }
}
