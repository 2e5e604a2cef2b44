// Step moves of the current cell and the view: one back or forward, a page, the first, the last.
#include <algorithm>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"

namespace {

enum : int { kBack = 0, kForward = 1, kPageBack = 2, kPageForward = 3, kFirst = 4, kLast = 5 };

// How many places a page moves from `from`: the places after (before) it are counted while
// their sizes fit the room; at least one. A size below 0 means there are no more places.
template <typename SizeOf>
int CountPage(int from, bool forward, long long room, SizeOf sizeOf)
{
    long long used = 0;
    int count = 0;
    for (int i = from + (forward ? 1 : -1);; i += forward ? 1 : -1) {
        const int size = sizeOf(i);
        used += size;
        if (size < 0 || used > room)
            break;
        ++count;
    }
    return std::max(1, count);
}

}  // namespace

int CGridCtrl::PageRows(int from, bool forward) const
{
    const CGridInfo* info = GetGridInfo();
    const long long room = static_cast<long long>(info->m_gridHeight) - info->m_lockedHeight;
    // Past the last row the default height counts (none when rows are hidden, or the page
    // would never fill); before row 0 the heading rows.
    return CountPage(from, forward, room, [info](int row) {
        if (row < 0)
            return row >= -info->m_topHeadingRowCount ? info->HeadingRowHeight(row) : -1;
        if (row < info->m_rowCount)
            return info->RowHeight(row);
        return info->m_defaultRowHeight > 0 ? info->m_defaultRowHeight : -1;
    });
}

int CGridCtrl::PageColumns(int from, bool forward) const
{
    const CGridInfo* info = GetGridInfo();
    const long long room = static_cast<long long>(info->m_gridWidth) - info->m_lockedWidth;
    return CountPage(from, forward, room, [info](int column) {
        if (column < 0)
            return column >= -info->m_sideHeadingColumnCount ? info->HeadingColumnWidth(column) : -1;
        return column < info->m_columnCount ? info->ColumnWidth(column) : info->m_defaultColumnWidth;
    });
}

namespace {

// The place an action leads to from `current`; `page` counts the places of a page.
int StepAction(int action, int current, int first, int last, int page)
{
    switch (action) {
    case kBack: return current - 1;
    case kForward: return current + 1;
    case kPageBack: return current - page;
    case kPageForward: return current + page;
    case kFirst: return first;
    case kLast: return last;
    default: return current;
    }
}

}  // namespace

int CGridCtrl::StepTarget(int action, int from, int first, int last, bool rows) const
{
    int page = 1;
    if (action == kPageBack || action == kPageForward)
        page = rows ? PageRows(from, action == kPageForward) : PageColumns(from, action == kPageForward);
    return StepAction(action, from, first, last, page);
}

int CGridCtrl::MoveCurrentRow(int action)
{
    const CGridInfo* info = GetGridInfo();
    const int to = StepTarget(action, info->m_targetRow, 0, info->m_rowCount - 1, true);
    return to == info->m_targetRow ? 0 : GotoRow(to);
}

int CGridCtrl::MoveCurrentColumn(int action)
{
    const CGridInfo* info = GetGridInfo();
    const int to = StepTarget(action, info->m_targetColumn, 0, info->m_columnCount - 1, false);
    return to == info->m_targetColumn ? 0 : GotoColumn(to);
}

int CGridCtrl::MoveTopRow(int action)
{
    const CGridInfo* info = GetGridInfo();
    const int to = StepTarget(action, info->m_topRow, info->m_lockedRows, info->m_maxTopRow, true);
    return to == info->m_topRow ? 0 : SetTopRow(to);
}

int CGridCtrl::MoveLeftColumn(int action)
{
    const CGridInfo* info = GetGridInfo();
    const int to = StepTarget(action, info->m_leftColumn, info->m_lockedColumns, info->m_maxLeftColumn, false);
    return to == info->m_leftColumn ? 0 : SetLeftColumn(to);
}
