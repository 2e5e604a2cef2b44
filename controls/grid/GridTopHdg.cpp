// The column heading's painting and its redraw after a move.
#include "controls/grid/GridTopHdg.h"

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "platform/ui/draw/DC.h"

void CGridTopHdg::OnPaint()
{
    CPaintDC dc(this);
    if (!m_grid || !m_info)
        return;
    const CRect update = dc.m_ps.rcPaint;
    const int headingRows = m_info->m_topHeadingRowCount;
    m_redrawList.AddRange(0, -headingRows, m_info->m_columnCount, 0);
    m_grid->OnPrepareScreenDC(&dc, nullptr, GRID_SECTION_TOP_HEADING);
    if (CFont* font = m_info->m_defaultFont)
        dc.SelectObject(font);
    int right = 0;
    int y = 0;
    for (int row = -headingRows; row < 0; ++row) {
        const int height = m_info->HeadingRowHeight(row);
        m_info->WalkColumns(m_info->m_gridWidth, [&](int column, int x, int width) {
            right = x + width;
            CRect rect(x, y, x + width, y + height);
            if (height <= 0 || rect.right <= update.left || rect.left >= update.right ||
                !m_redrawList.IsCellToBePainted(column, row))
                return true;
            int c = column, r = row;
            if (!m_grid->PrepareDrawnCell(m_redrawList, &m_workCell, &c, &r, &rect))
                return true;
            dc.SaveDC();
            m_grid->GetCellType(m_workCell.GetCellType())->OnDraw(&dc, &rect, c, r, &m_workCell, c == m_dragColumn, 0);
            dc.RestoreDC(-1);
            return true;
        });
        y += height;
    }
    CRect client;
    GetClientRect(&client);
    if (right < client.right) {
        CGridCell heading;
        m_grid->GetHeadingDefaultCell(&heading);
        dc.FillSolidRect(CRect(right, 0, client.right, client.bottom), heading.GetBackColor());
    }
    m_redrawList.Clear();
}

void CGridTopHdg::RedrawAfterMove()
{
    if (!IsWindow() || !m_info || m_info->m_leftColumn == m_info->m_previousLeftColumn)
        return;
    const CGridInfo& info = *m_info;
    const int from = info.m_previousLeftColumn;
    const int to = info.m_leftColumn;
    const int shift = from < 0 ? info.m_gridWidth
                               : (to > from ? info.SumColumnWidths(from, to - from) : -info.SumColumnWidths(to, from - to));
    if (shift >= info.m_gridWidth || -shift >= info.m_gridWidth || GetUpdateRect(nullptr)) {
        Invalidate(false);
    } else {
        CRect moving(info.m_lockedWidth, 0, info.m_gridWidth, info.m_topHeadingHeight);
        ScrollWindow(-shift, 0, &moving, &moving);
    }
    UpdateWindow();
}
