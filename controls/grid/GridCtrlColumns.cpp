// Comparing cells for sorting, and moving a column record to another place.
#include <algorithm>
#include <cstring>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"

namespace {

constexpr int kDescending = 2;

int Sign(double difference)
{
    return difference < 0 ? -1 : (difference > 0 ? 1 : 0);
}

bool IsNumericType(short type)
{
    return type == GRID_TYPE_NUMBER || type == GRID_TYPE_BOOL || type == 5;
}

// Byte by byte as unsigned characters; a text that is a prefix of the other comes first.
int CompareBytes(const char* a, const char* b)
{
    const int result = std::strcmp(a, b);
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

}  // namespace

int CGridCtrl::OnCompareCells(CGridCell* cell1, CGridCell* cell2, int flags)
{
    if (flags & kDescending)
        std::swap(cell1, cell2);
    if (!cell1 || !cell2)
        return cell1 ? 1 : (cell2 ? -1 : 0);
    const bool text1 = cell1->GetTextLength() > 0;
    const bool text2 = cell2->GetTextLength() > 0;
    if (!text1 || !text2)
        return text1 ? 1 : (text2 ? -1 : 0);
    if (IsNumericType(cell1->GetDataType()))
        return Sign(cell1->GetNumber() - cell2->GetNumber());
    return CompareBytes(cell1->GetText(), cell2->GetText());
}

int CGridCtrl::MoveColumn(int fromColumn, int toColumn, int before)
{
    CGridInfo* info = GetGridInfo();
    const int target = before ? toColumn : toColumn + 1;
    if (fromColumn < 0 || fromColumn >= info->m_columnCount || target < 0 || target > info->m_columnCount)
        return 1;
    if (target == fromColumn || target == fromColumn + 1)
        return 0;
    auto& columns = info->m_columns;
    CGridColumn moved = std::move(columns[fromColumn]);
    columns.erase(columns.begin() + fromColumn);
    // Removing the record shifted everything after it one place to the left.
    const int insertAt = target > fromColumn ? target - 1 : target;
    columns.insert(columns.begin() + insertAt, std::move(moved));
    RecalcLockedWidth();
    return 0;
}
