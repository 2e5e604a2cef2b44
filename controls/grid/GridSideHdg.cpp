// The row heading's painting and its redraw after a move.
#include "controls/grid/GridSideHdg.h"

#include <algorithm>
#include <cstdlib>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "platform/ui/draw/DC.h"

void CGridSideHdg::OnPaint()
{
    CPaintDC dc(this);
    if (!m_grid || !m_info)
        return;
    const CRect update = dc.m_ps.rcPaint;
    const int headingColumns = m_info->m_sideHeadingColumnCount;
    m_redrawList.AddRange(-headingColumns, 0, 0, m_info->m_rowCount);
    m_grid->OnPrepareScreenDC(&dc, nullptr, GRID_SECTION_SIDE_HEADING);
    if (CFont* font = m_info->m_defaultFont)
        dc.SelectObject(font);
    int bottom = 0;
    m_info->WalkRows(m_info->m_gridHeight, [&](int row, int y, int height) {
        bottom = y + height;
        int x = 0;
        for (int column = -headingColumns; column < 0; ++column) {
            const int width = m_info->HeadingColumnWidth(column);
            CRect rect(x, y, x + width, y + height);
            x += width;
            if (width <= 0 || rect.bottom <= update.top || rect.top >= update.bottom ||
                !m_redrawList.IsCellToBePainted(column, row))
                continue;
            int c = column, r = row;
            if (!m_grid->PrepareDrawnCell(m_redrawList, &m_workCell, &c, &r, &rect))
                continue;
            dc.SaveDC();
            m_grid->GetCellType(m_workCell.GetCellType())->OnDraw(&dc, &rect, c, r, &m_workCell, 0, 0);
            dc.RestoreDC(-1);
        }
        return true;
    });
    if (bottom < m_info->m_gridHeight) {
        CGridCell heading;
        m_grid->GetHeadingDefaultCell(&heading);
        dc.FillSolidRect(CRect(0, bottom, m_info->m_sideHeadingWidth, m_info->m_gridHeight), heading.GetBackColor());
    }
    m_redrawList.Clear();
}

void CGridSideHdg::RepaintAll()
{
    FitAndInvalidate();
    UpdateWindow();
}

void CGridSideHdg::FitAndInvalidate()
{
    if (!m_info)
        return;
    // The outermost heading column takes what the others leave of the band.
    int others = 0;
    for (int column = -m_info->m_sideHeadingColumnCount + 1; column < 0; ++column)
        others += m_info->HeadingColumnWidth(column);
    if (!m_info->m_sideHeadingWidths.empty())
        m_info->m_sideHeadingWidths.back() = std::max(0, m_info->m_sideHeadingWidth - others);
    Invalidate(false);
}

void CGridSideHdg::RedrawAfterMove()
{
    if (!IsWindow() || !m_info)
        return;
    const CGridInfo& info = *m_info;
    const bool rowChanged = info.m_currentRow != info.m_previousRow;
    if (info.m_topRow == info.m_previousTopRow && !rowChanged)
        return;
    if (GetUpdateRect(nullptr)) {
        UpdateWindow();
        return;
    }
    if (info.m_topRow != info.m_previousTopRow) {
        const int shift = info.m_previousTopRow < 0
                              ? info.m_gridHeight
                              : (info.m_topRow > info.m_previousTopRow
                                     ? info.SumRowHeights(info.m_previousTopRow, info.m_topRow - info.m_previousTopRow)
                                     : -info.SumRowHeights(info.m_topRow, info.m_previousTopRow - info.m_topRow));
        if (std::abs(shift) >= info.m_gridHeight) {
            Invalidate(false);
        } else {
            CRect moving(0, info.m_lockedHeight, info.m_sideHeadingWidth, info.m_gridHeight);
            ScrollWindow(0, -shift, &moving, &moving);
        }
    }
    for (const int row : {info.m_previousRow, info.m_currentRow}) {
        int column = -1, r = row;
        CRect rect;
        if (row >= 0 && m_grid->GetCellRect(&column, &r, &rect) == 0)
            InvalidateRect(CRect(0, rect.top, info.m_sideHeadingWidth, rect.bottom), false);
    }
    UpdateWindow();
}
