// Redrawing the sections, and the common end of every move of the current cell or view.
#include "controls/grid/GridArea.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridDataSource.h"
#include "controls/grid/GridInfo.h"
#include "controls/grid/GridRedrawList.h"
#include "controls/grid/GridSections.h"
#include "platform/ui/window/VirtualKeys.h"

bool CGridCtrl::IsPaintOn() const
{
    return m_paintEnabled && GetGridInfo()->m_paintEnabled && m_cellArea->IsWindow();
}

void CGridCtrl::RedrawAll()
{
    if (!IsPaintOn())
        return;
    m_cellArea->Invalidate(false);
    m_sideHeading->FitAndInvalidate();
    m_cornerButton->Invalidate(false);
    m_vScroll->Invalidate(false);
    m_hScroll->Invalidate(false);
    m_tab->Invalidate(false);
    m_topHeading->Invalidate(false);
}

void CGridCtrl::RedrawRow(int row)
{
    m_cellArea->RepaintRow(row);
}

void CGridCtrl::RedrawRange(int column1, int row1, int column2, int row2)
{
    m_cellArea->RepaintBlock(column1, row1, column2, row2);
}

void CGridCtrl::RedrawCell(int column, int row)
{
    if (column < 0) {
        m_sideHeading->RepaintAll();
    } else if (row < 0) {
        if (m_topHeading->IsWindow())
            m_topHeading->Invalidate(false);
    } else {
        m_cellArea->RepaintCell(column, row);
    }
}

int CGridCtrl::SetVScrollMode(int mode)
{
    GetGridInfo()->m_vScrollMode = mode;
    if (m_vScroll->IsWindow())
        m_vScroll->Invalidate();
    return 0;
}

int CGridCtrl::SetHScrollMode(int mode)
{
    GetGridInfo()->m_hScrollMode = mode;
    if (m_hScroll->IsWindow())
        m_hScroll->Invalidate();
    return 0;
}

int CGridCtrl::SetPaintMode(int flag)
{
    GetGridInfo()->m_paintEnabled = flag ? 1 : 0;
    if (flag)
        RedrawAll();
    return 0;
}

// With a multiple selection the selection decides where the current cell goes.
void CGridCtrl::TakeCurrentFromTarget()
{
    CGridInfo* info = GetGridInfo();
    CGridSelectionList& selection = info->m_selection;
    if (!selection.IsActive() || m_editing) {
        info->m_currentColumn = info->m_targetColumn;
        info->m_currentRow = info->m_targetRow;
        return;
    }
    unsigned keyFlags = info->m_mouseDownButtons;
    if (info->m_mouseDownFlag == GRID_INPUT_KEYBOARD) {
        keyFlags = (GetKeyState(VK_SHIFT) < 0 ? MK_SHIFT : 0) | (GetKeyState(VK_CONTROL) < 0 ? MK_CONTROL : 0);
    }
    selection.ReactToMove(info->m_targetColumn, info->m_targetRow, info->m_mouseDownFlag, keyFlags);
    // Without a block the selection has no current cell of its own: the target becomes it.
    if (selection.GetCurrentCell(&info->m_currentColumn, &info->m_currentRow) != 0) {
        info->m_currentColumn = info->m_targetColumn;
        info->m_currentRow = info->m_targetRow;
    }
}

void CGridCtrl::NotifyMoveChanges()
{
    const CGridInfo* info = GetGridInfo();
    CGridDataSource* source = info->m_defaultSource;
    const bool columnChanged = info->m_currentColumn != info->m_previousColumn;
    const bool rowChanged = info->m_currentRow != info->m_previousRow;
    if (columnChanged) {
        source->OnCurrentColumnChanged(info->m_previousColumn, info->m_currentColumn);
        OnCurrentColumnChanged(info->m_previousColumn, info->m_currentColumn);
    }
    if (rowChanged) {
        source->OnCurrentRowChanged(info->m_previousRow, info->m_currentRow);
        OnCurrentRowChanged(info->m_previousRow, info->m_currentRow);
    }
    if (columnChanged || rowChanged)
        OnCurrentCellChanged(info->m_previousColumn, info->m_currentColumn, info->m_previousRow, info->m_currentRow);
    if (info->m_leftColumn != info->m_previousLeftColumn)
        OnLeftColumnChanged(info->m_previousLeftColumn, info->m_leftColumn);
    if (info->m_topRow != info->m_previousTopRow)
        OnTopRowChanged(info->m_previousTopRow, info->m_topRow);
}

void CGridCtrl::TellCellTypesOfMove()
{
    const CGridInfo* info = GetGridInfo();
    if (info->m_currentColumn == info->m_previousColumn && info->m_currentRow == info->m_previousRow)
        return;
    const int oldColumn = info->m_previousColumn;
    const int oldRow = info->m_previousRow;
    if (oldColumn >= 0 && oldRow >= 0) {
        GetCell(oldColumn, oldRow, &m_workCell);
        GetCellType(m_workCell.GetCellType())->OnCellLeft(oldColumn, oldRow, &m_workCell);
    }
    const int column = info->m_currentColumn;
    const int row = info->m_currentRow;
    if (column >= 0 && row >= 0) {
        GetCell(column, row, &m_workCell);
        GetCellType(m_workCell.GetCellType())->OnCellEntered(column, row, &m_workCell);
    }
}

void CGridCtrl::RefreshAfterMove()
{
    if (!IsPaintOn())
        return;
    m_cellArea->RedrawAfterMove();
    m_sideHeading->RedrawAfterMove();
    m_topHeading->RedrawAfterMove();
    m_vScroll->Update();
    m_hScroll->Update();
}

void CGridCtrl::CompleteMove()
{
    TakeCurrentFromTarget();
    NotifyMoveChanges();
    TellCellTypesOfMove();
    RefreshAfterMove();
    CGridInfo* info = GetGridInfo();
    info->m_previousLeftColumn = info->m_leftColumn;
    info->m_previousTopRow = info->m_topRow;
    info->m_previousRow = info->m_currentRow;
    info->m_previousColumn = info->m_currentColumn;
}

bool CGridCtrl::PrepareDrawnCell(CGridRedrawList& list, CGridCell* cell, int* column, int* row, RECT* rect)
{
    GetCell(*column, *row, cell);
    if (!GetGridInfo()->m_joinsEnabled || !cell->IsPropertySet(GridCellBits::JoinInfo))
        return true;
    GridRange block;
    GetJoinBlock(*column, *row, *cell, &block);
    if (list.WasJoinPainted(block.startColumn, block.startRow))
        return false;
    list.MarkJoinPainted(block.startColumn, block.startRow);
    if (block.startColumn != *column || block.startRow != *row)
        GetCell(block.startColumn, block.startRow, cell);
    *column = block.startColumn;
    *row = block.startRow;
    GetCellRect(column, row, rect);
    return true;
}
