// Column widths, row heights and the two heading bands.
#include <algorithm>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"

namespace {

bool InBandRange(int size)
{
    return size >= 0 && size <= CGridCtrl::kMaxBandSize;
}

}  // namespace

int CGridCtrl::GetColumnWidth(int column) const
{
    int width = 0;
    GetColumnWidth(column, &width);
    return width;
}

int CGridCtrl::GetColumnWidth(int column, int* width) const
{
    const CGridInfo* info = GetGridInfo();
    if (column < 0 || column >= info->m_columnCount)
        return 1;
    *width = info->m_columns[column].m_width;
    return 0;
}

int CGridCtrl::SetColumnWidth(int column, int width)
{
    CGridInfo* info = GetGridInfo();
    if (column < 0) {
        // -1, -2, ... are the row-heading columns, -1 next to the cells.
        const int index = -column - 1;
        if (index >= info->m_sideHeadingColumnCount)
            return 1;
        if (!InBandRange(width))
            return 2;
        info->m_sideHeadingWidths[index] = width;
        if (info->m_sideHeadingColumnCount == 1)
            info->m_sideHeadingWidth = width;
        return 0;
    }
    if (column >= info->m_columnCount)
        return 1;
    if (width < 0)
        return 2;
    info->m_columns[column].m_width = width;
    if (column < info->m_lockedColumns)
        RecalcLockedWidth();
    return 0;
}

int CGridCtrl::GetRowHeight(int row) const
{
    const CGridInfo* info = GetGridInfo();
    if (row < 0 || row >= info->m_rowCount)
        return 0;
    return info->RowHeight(row);
}

int CGridCtrl::SetRowHeight(int row, int height)
{
    CGridInfo* info = GetGridInfo();
    if (row < 0 || row >= info->m_rowCount)
        return 1;
    if (info->m_uniformRowHeight) {
        // Every row has this height, so 0 hides them all.
        if (height < 0 || height > kMaxBandSize)
            return 2;
        info->m_defaultRowHeight = height;
    } else {
        if (height < 0)
            return 2;
        if (row < static_cast<int>(info->m_rowHeights.size()))
            info->m_rowHeights[row] = height;
    }
    RecalcLockedHeight();
    return 0;
}

int CGridCtrl::SetDefaultRowHeight(int height)
{
    if (height < 1 || height > kMaxBandSize)
        return 1;
    GetGridInfo()->m_defaultRowHeight = height;
    return 0;
}

int CGridCtrl::SetUniformRowHeight(int flag)
{
    GetGridInfo()->m_uniformRowHeight = flag ? 1 : 0;
    RecalcLockedHeight();
    return 0;
}

int CGridCtrl::SetTopHeadingRowCount(int count)
{
    if (count < 1 || count > kMaxHeadingRows)
        return 1;
    CGridInfo* info = GetGridInfo();
    info->m_topHeadingRowCount = count;
    // New heading rows take the default row height and the band grows to hold them all.
    info->m_topHeadingHeights.resize(count, info->m_defaultRowHeight);
    long long band = 0;
    for (int height : info->m_topHeadingHeights)
        band += height;
    info->m_topHeadingHeight = static_cast<int>(std::min<long long>(band, kMaxBandSize));
    RecalcLayout();
    return 0;
}

int CGridCtrl::SetTopHeadingRowHeight(int row, int height)
{
    CGridInfo* info = GetGridInfo();
    const int index = -row - 1;
    if (row >= 0 || index >= info->m_topHeadingRowCount)
        return 1;
    if (!InBandRange(height))
        return 2;
    info->m_topHeadingHeights[index] = height;
    return 0;
}

// Each size but the last is scaled by newSize / old total (truncated); the last takes
// the remainder. With an old total of 0 the last takes everything.
int CGridCtrl::RescaleBand(std::vector<int>& sizes, int newSize) const
{
    long long total = 0;
    for (int size : sizes)
        total += size;
    long long used = 0;
    for (std::size_t i = 0; i + 1 < sizes.size(); ++i) {
        sizes[i] = total > 0 ? static_cast<int>(sizes[i] * static_cast<long long>(newSize) / total) : 0;
        used += sizes[i];
    }
    if (!sizes.empty())
        sizes.back() = static_cast<int>(newSize - used);
    return 0;
}

int CGridCtrl::SetTopHeadingHeight(int height)
{
    if (!InBandRange(height))
        return 1;
    CGridInfo* info = GetGridInfo();
    RescaleBand(info->m_topHeadingHeights, height);
    info->m_topHeadingHeight = height;
    RecalcLayout();
    return 0;
}

int CGridCtrl::SetSideHeadingWidth(int width)
{
    if (!InBandRange(width))
        return 1;
    CGridInfo* info = GetGridInfo();
    RescaleBand(info->m_sideHeadingWidths, width);
    info->m_sideHeadingWidth = width;
    RecalcLayout();
    return 0;
}

int CGridCtrl::SetHScrollHeight(int height)
{
    if (!InBandRange(height))
        return 1;
    GetGridInfo()->m_hScrollHeight = height;
    RecalcLayout();
    return 0;
}
