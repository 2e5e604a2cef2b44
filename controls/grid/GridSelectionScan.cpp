// Walking the selected cells, and how the selection follows moves of the current cell.
#include <algorithm>

#include "controls/grid/GridArea.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridSelectionList.h"
#include "platform/ui/window/WinTypes.h"

int CGridSelectionList::FirstSelectedCell(int* column, int* row)
{
    if (!IsActive())
        return 1;
    if (m_blocks.empty()) {
        *column = m_grid ? m_grid->GetCurrentColumn() : -1;
        *row = m_grid ? m_grid->GetCurrentRow() : -1;
        return 0;
    }
    GetBoundingRange(&m_enumLeft, &m_enumTop, &m_enumRight, &m_enumBottom);
    if (m_grid) {
        m_enumLeft = std::min(m_enumLeft, m_grid->GetCurrentColumn());
        m_enumRight = std::max(m_enumRight, m_grid->GetCurrentColumn());
        m_enumTop = std::min(m_enumTop, m_grid->GetCurrentRow());
        m_enumBottom = std::max(m_enumBottom, m_grid->GetCurrentRow());
    }
    m_enumerating = 1;
    return ScanFrom(m_enumLeft, m_enumTop, column, row);
}

int CGridSelectionList::NextSelectedCell(int* column, int* row)
{
    if (!IsActive() || !m_enumerating)
        return 1;
    return ScanFrom(m_enumColumn + 1, m_enumRow, column, row);
}

int CGridSelectionList::ScanFrom(int column, int row, int* foundColumn, int* foundRow)
{
    for (int r = row; r <= m_enumBottom; ++r, column = m_enumLeft) {
        for (int c = column; c <= m_enumRight; ++c) {
            if (!IsSelected(c, r))
                continue;
            m_enumColumn = *foundColumn = c;
            m_enumRow = *foundRow = r;
            return 0;
        }
    }
    m_enumerating = 0;
    return 1;
}

void CGridSelectionList::RepaintAndClear()
{
    if (m_grid && m_grid->GetCellArea())
        RepaintSelection(m_grid->GetCellArea()->GetRedrawList());
    Clear();
}

void CGridSelectionList::StartAfterClearing(int column, int row)
{
    RepaintAndClear();
    StartBlock(column, row);
}

int CGridSelectionList::ReactToMove(int column, int row, int inputKind, unsigned keyFlags)
{
    if (!IsActive())
        return 1;
    const bool lastClicked = column == m_lastClickedColumn && row == m_lastClickedRow;
    const bool shift = (keyFlags & MK_SHIFT) != 0;
    const bool control = (keyFlags & MK_CONTROL) != 0;
    switch (inputKind) {
    case GRID_INPUT_KEYBOARD:
        if (lastClicked)
            break;
        if (shift)
            ExtendBlock(column, row);
        else if (!control)
            StartAfterClearing(column, row);
        break;
    case GRID_INPUT_LEFT_BUTTON:
        if (lastClicked)
            break;
        m_lastClickedColumn = column;
        m_lastClickedRow = row;
        if (control)
            StartBlock(column, row);
        else if (shift)
            ExtendBlock(column, row);
        else
            StartAfterClearing(column, row);
        break;
    case GRID_INPUT_RIGHT_BUTTON:
        if (!IsSelected(column, row))
            StartAfterClearing(column, row);
        break;
    case GRID_INPUT_DRAG:
        if (!lastClicked)
            ExtendBlock(column, row);
        break;
    case GRID_INPUT_SCROLL_BAR:
        ExtendBlock(column, row);
        break;
    default:
        break;
    }
    return 0;
}
