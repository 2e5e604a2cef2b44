#include "controls/grid/GridArea.h"

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "platform/ui/draw/DC.h"

void CGridArea::RepaintCell(int column, int row)
{
    m_redrawList.AddCell(column, row);
    PaintNow();
}

void CGridArea::RepaintRow(int row)
{
    if (m_info)
        m_redrawList.AddRange(0, row, m_info->m_columnCount - 1, row);
    PaintNow();
}

void CGridArea::RepaintBlock(int startColumn, int startRow, int endColumn, int endRow)
{
    m_redrawList.AddRange(startColumn, startRow, endColumn, endRow);
    PaintNow();
}

void CGridArea::PaintNow()
{
    if (IsWindow())
        Invalidate(false);
}

// Cells are drawn by their cell types; until those draw, the area shows its background
// and the redraw list is emptied as every paint pass does.
void CGridArea::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    if (m_grid)
        dc.FillSolidRect(&client, m_grid->OnDefaultBackColor(GRID_SECTION_CELLS));
    m_redrawList.Clear();
}

void CGridArea::OnSetFocus(CWnd* losing)
{
    CWnd::OnSetFocus(losing);
    if (!m_grid)
        return;
    m_grid->OnSectionFocus(GRID_SECTION_CELLS);
    RepaintCell(m_grid->GetCurrentColumn(), m_grid->GetCurrentRow());
}

void CGridArea::OnKillFocus(CWnd* gaining)
{
    CWnd::OnKillFocus(gaining);
    if (!m_grid)
        return;
    RepaintCell(m_grid->GetCurrentColumn(), m_grid->GetCurrentRow());
    m_grid->OnSectionFocusLost(GRID_SECTION_CELLS);
}
