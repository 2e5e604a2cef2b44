#include "controls/grid/GridRedrawList.h"

#include <algorithm>

void CGridRedrawList::Widen(const GridRange& range)
{
    m_bounds.startColumn = std::min(m_bounds.startColumn, range.startColumn);
    m_bounds.startRow = std::min(m_bounds.startRow, range.startRow);
    m_bounds.endColumn = std::max(m_bounds.endColumn, range.endColumn);
    m_bounds.endRow = std::max(m_bounds.endRow, range.endRow);
}

void CGridRedrawList::AddRange(int startColumn, int startRow, int endColumn, int endRow)
{
    const GridRange range{startColumn, startRow, endColumn, endRow};
    m_ranges.push_back(range);
    if (m_ranges.size() == 1)
        m_bounds = range;
    else
        Widen(range);
}

void CGridRedrawList::WidenFirstRange(int startColumn, int startRow, int endColumn, int endRow)
{
    if (m_ranges.empty()) {
        AddRange(startColumn, startRow, endColumn, endRow);
        return;
    }
    GridRange& first = m_ranges.front();
    first.startColumn = std::min(first.startColumn, startColumn);
    first.startRow = std::min(first.startRow, startRow);
    first.endColumn = std::max(first.endColumn, endColumn);
    first.endRow = std::max(first.endRow, endRow);
    Widen(first);
}

int CGridRedrawList::IsCellToBePainted(int column, int row) const
{
    if (m_ranges.empty() || !m_bounds.Contains(column, row))
        return 0;
    const bool listed = std::any_of(m_ranges.begin(), m_ranges.end(),
                                    [&](const GridRange& r) { return r.Contains(column, row); });
    return listed ? 1 : 0;
}

int CGridRedrawList::WasJoinPainted(int column, int row) const
{
    const bool painted = std::any_of(m_paintedJoins.begin(), m_paintedJoins.end(),
                                     [&](const Cell& c) { return c.column == column && c.row == row; });
    return painted ? 1 : 0;
}

void CGridRedrawList::MarkJoinPainted(int column, int row)
{
    m_paintedJoins.push_back({column, row});
}

void CGridRedrawList::Clear()
{
    m_ranges.clear();
    m_paintedJoins.clear();
    m_bounds = GridRange{0, 0, -1, -1};
}
