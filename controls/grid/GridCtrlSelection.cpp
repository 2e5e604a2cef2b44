// The control's operations on the sheet's multiple selection.
#include <algorithm>

#include "controls/grid/GridArea.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"

int CGridCtrl::ClearSelections()
{
    CGridInfo* info = GetGridInfo();
    info->m_selection.Clear();
    info->m_selection.SetAnchor(info->m_currentColumn, info->m_currentRow);
    return 0;
}

int CGridCtrl::SelectRange(int startColumn, int startRow, int endColumn, int endRow)
{
    CGridInfo* info = GetGridInfo();
    if (!info->m_multiSelect || info->m_columnCount == 0 || info->m_rowCount == 0)
        return 1;
    // Corners outside the sheet are brought onto its edges.
    const auto column = [info](int c) { return std::clamp(c, 0, info->m_columnCount - 1); };
    const auto row = [info](int r) { return std::clamp(r, 0, info->m_rowCount - 1); };
    info->m_selection.StartBlock(column(startColumn), row(startRow));
    info->m_selection.ExtendBlock(column(endColumn), row(endRow));
    info->m_selection.RepaintSelection(m_cellArea->GetRedrawList());
    m_cellArea->PaintNow();
    return 0;
}

int CGridCtrl::FirstSelectedCell(int* column, int* row)
{
    CGridInfo* info = GetGridInfo();
    if (!column || !row)
        return 1;
    if (!info->m_selection.IsActive()) {
        *column = info->m_currentColumn;
        *row = info->m_currentRow;
        return 0;
    }
    return info->m_selection.FirstSelectedCell(column, row);
}

void CGridCtrl::SelectCurrentByPress(unsigned keyFlags)
{
    CGridInfo* info = GetGridInfo();
    CGridSelectionList& selection = info->m_selection;
    if (!selection.IsActive() || m_editing)
        return;
    selection.ReactToMove(info->m_currentColumn, info->m_currentRow, GRID_INPUT_LEFT_BUTTON, keyFlags);
    m_cellArea->PaintNow();
}
