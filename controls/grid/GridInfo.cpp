#include "controls/grid/GridInfo.h"

#include <algorithm>
#include <climits>

#include "controls/grid/GridMem.h"
#include "platform/ui/draw/GdiObjects.h"
#include "platform/ui/draw/SystemMetrics.h"

namespace {

constexpr short kHeadingBorderStyle = 0x2000;  // raised edges
constexpr short kHeadingAlignment = 36;        // centred both ways
constexpr COLORREF kBorderPenColor = 0xDCDCDC;

int Saturate(long long sum)
{
    return static_cast<int>(std::min<long long>(sum, INT_MAX));
}

}  // namespace

CGridInfo::CGridInfo(CGridCtrl* grid)
    : m_vScrollWidth(GetSystemMetrics(SM_CXVSCROLL)),
      m_hScrollHeight(GetSystemMetrics(SM_CYHSCROLL)),
      m_builtInSource(std::make_unique<CGridMem>()),
      m_selection(grid),
      m_borderPen(std::make_unique<CPen>(PS_SOLID, 1, kBorderPenColor))
{
    m_builtInSource->SetGrid(grid);
    m_builtInSource->SetId(0);
    m_defaultSource = m_builtInSource.get();
    m_headingDefaultCell.SetBackColor(GetSysColor(COLOR_BTNFACE));
    m_headingDefaultCell.SetBorderStyle(kHeadingBorderStyle);
    m_headingDefaultCell.SetAlignment(kHeadingAlignment);
}

CGridInfo::~CGridInfo() = default;

int CGridInfo::RowHeight(int row) const
{
    if (m_uniformRowHeight || row < 0 || row >= static_cast<int>(m_rowHeights.size()))
        return m_defaultRowHeight;
    return m_rowHeights[row];
}

int CGridInfo::SumColumnWidths(int first, int count) const
{
    long long sum = 0;
    for (int c = first; c < first + count && c < static_cast<int>(m_columns.size()); ++c)
        sum += m_columns[c].m_width;
    return Saturate(sum);
}

int CGridInfo::SumRowHeights(int first, int count) const
{
    if (m_uniformRowHeight)
        return Saturate(static_cast<long long>(count) * m_defaultRowHeight);
    // Rows without an entry in the table have the default height.
    const int tableEnd = std::min<int>(first + count, static_cast<int>(m_rowHeights.size()));
    long long sum = 0;
    for (int r = std::max(first, 0); r < tableEnd; ++r)
        sum += m_rowHeights[r];
    const int rowsInTable = std::max(0, tableEnd - std::max(first, 0));
    sum += static_cast<long long>(count - rowsInTable) * m_defaultRowHeight;
    return Saturate(sum);
}

int CGridInfo::ColumnWidth(int column) const
{
    return column >= 0 && column < m_columnCount ? m_columns[column].m_width : 0;
}

int CGridInfo::HeadingRowHeight(int row) const
{
    const int index = -row - 1;
    return row < 0 && index < static_cast<int>(m_topHeadingHeights.size()) ? m_topHeadingHeights[index] : 0;
}

int CGridInfo::HeadingColumnWidth(int column) const
{
    const int index = -column - 1;
    return column < 0 && index < static_cast<int>(m_sideHeadingWidths.size()) ? m_sideHeadingWidths[index] : 0;
}
