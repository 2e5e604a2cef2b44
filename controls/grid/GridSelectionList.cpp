#include "controls/grid/GridSelectionList.h"

#include <algorithm>
#include <climits>

#include "controls/grid/GridArea.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridRedrawList.h"

namespace {
constexpr int kInactive = 1;
}

int CGridSelectionList::ColumnCount() const
{
    return m_grid ? m_grid->GetColumnCount() : 0;
}

void CGridSelectionList::SpanBlock(Block& block) const
{
    if (IsRowMode()) {
        block.left = 0;
        block.right = ColumnCount();
    } else {
        block.left = std::min(block.startColumn, block.currentColumn);
        block.right = std::max(block.startColumn, block.currentColumn);
    }
    block.top = std::min(block.startRow, block.currentRow);
    block.bottom = std::max(block.startRow, block.currentRow);
}

int CGridSelectionList::StartBlock(int column, int row)
{
    if (!IsActive())
        return kInactive;
    m_anchorColumn = m_startColumn = column;
    m_anchorRow = m_startRow = row;
    m_selecting = 1;
    Block block{column, column, row, row, column, column, row, row, 1};
    SpanBlock(block);
    m_blocks.push_back(block);
    ++m_blockCount;
    m_blockPending = 1;
    return 0;
}

int CGridSelectionList::ExtendBlock(int column, int row)
{
    if (!IsActive() || !m_selecting || m_blocks.empty())
        return kInactive;
    Block& block = m_blocks.back();
    const Block before = block;
    block.currentColumn = column;
    block.currentRow = row;
    SpanBlock(block);
    block.selected = 1;
    if (m_blockPending) {
        ++m_blockCount;
        m_blockPending = 0;
    }
    RedrawChangedCells(before, block);
    return 0;
}

// Rows that entered or left the block across both column spans, and columns that
// entered or left it across both row spans.
void CGridSelectionList::RedrawChangedCells(const Block& before, const Block& after) const
{
    if (!m_grid || !m_grid->GetCellArea())
        return;
    CGridRedrawList& list = m_grid->GetCellArea()->GetRedrawList();
    list.AddRange(std::min(before.left, after.left), std::min(before.currentRow, after.currentRow),
                  std::max(before.right, after.right), std::max(before.currentRow, after.currentRow));
    list.AddRange(std::min(before.currentColumn, after.currentColumn), std::min(before.top, after.top),
                  std::max(before.currentColumn, after.currentColumn), std::max(before.bottom, after.bottom));
}

int CGridSelectionList::IsSelected(int column, int row, int* blockIndex) const
{
    if (!IsActive())
        return 0;
    const bool firstDecides = (m_mode & GRID_SELECT_FIRST_DECIDES) != 0;
    int found = -1;
    for (int i = 0; i < static_cast<int>(m_blocks.size()); ++i) {
        if (!m_blocks[i].Holds(column, row))
            continue;
        found = i;
        if (firstDecides)
            break;
    }
    if (found < 0)
        return 0;
    if (blockIndex)
        *blockIndex = found;
    return m_blocks[found].selected;
}

int CGridSelectionList::GetCurrentCell(int* column, int* row) const
{
    if (!IsActive() || !m_selecting)
        return kInactive;
    *column = m_startColumn;
    *row = m_startRow;
    return 0;
}

int CGridSelectionList::Clear()
{
    if (!IsActive())
        return kInactive;
    m_blocks.clear();
    m_selecting = 0;
    if (m_blockCount > 1 && m_grid)
        m_grid->RedrawAll();
    m_blockCount = 0;
    m_enumerating = 0;
    m_lastClickedColumn = m_lastClickedRow = -1;
    return 0;
}

int CGridSelectionList::SetMode(int mode)
{
    Clear();
    m_mode = mode;
    return 0;
}

int CGridSelectionList::GetBoundingRange(int* left, int* top, int* right, int* bottom) const
{
    if (!IsActive())
        return kInactive;
    if (m_blocks.empty())
        return 2;
    *left = *top = INT_MAX;
    *right = *bottom = INT_MIN;
    for (const Block& block : m_blocks) {
        *left = std::min(*left, block.left);
        *top = std::min(*top, block.top);
        *right = std::max(*right, block.right);
        *bottom = std::max(*bottom, block.bottom);
    }
    if (IsRowMode())
        *right = ColumnCount() - 1;
    return 0;
}

int CGridSelectionList::RepaintSelection(CGridRedrawList& list) const
{
    int left, top, right, bottom;
    const int result = GetBoundingRange(&left, &top, &right, &bottom);
    if (result == 0)
        list.AddRange(left, top, right, bottom);
    return result;
}
