// Painting the cells: every visible cell in the part to paint, through its cell type, with
// the lock lines, the background beyond the last cell and the current cell's focus frame.
#include <algorithm>
#include <cstdlib>

#include "controls/grid/GridArea.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridDataSource.h"
#include "controls/grid/GridInfo.h"
#include "platform/ui/draw/DC.h"

namespace {

bool Overlaps(const CRect& a, const CRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

void CGridArea::OnPaint()
{
    CPaintDC paintDC(this);
    if (!m_grid || !m_info)
        return;
    const CRect update = paintDC.m_ps.rcPaint;
    m_redrawList.AddRange(0, 0, m_info->m_columnCount, m_info->m_rowCount);
    CDC memory;
    CDC* dc = &paintDC;
    if (m_doubleBuffer && m_offscreen.IsCreated()) {
        memory.CreateCompatibleDC(&paintDC);
        memory.SelectObject(&m_offscreen);
        dc = &memory;
    }
    if (CFont* font = m_info->m_defaultFont) {
        paintDC.SelectObject(font);
        dc->SelectObject(font);
    }
    m_grid->OnPrepareScreenDC(&paintDC, dc == &memory ? &memory : nullptr, GRID_SECTION_CELLS);
    CPoint end;
    PaintCells(*dc, update, &end);
    m_redrawList.Clear();
    FillBeyondCells(*dc, end);
    if (dc == &memory)
        paintDC.BitBlt(update.left, update.top, update.Width(), update.Height(), &memory, update.left, update.top);
    if (m_hasFocus || m_grid->IsFindDialogOpen())
        DrawFocusFrame(paintDC);
    NoticePastLastRow();
}

// Walks the visible cells; end receives the right edge of the last column and the bottom of
// the last row drawn.
// Walks the visible cells; end receives the right edge of the last column and the bottom of
// the last row drawn.
void CGridArea::PaintCells(CDC& dc, const CRect& update, CPoint* end)
{
    const int width = m_info->m_gridWidth;
    const int height = m_info->m_gridHeight;
    m_info->WalkRows(height, [&](int row, int y, int rowHeight) {
        end->y = y + rowHeight;
        m_info->WalkColumns(width, [&](int column, int x, int columnWidth) {
            end->x = x + columnWidth;
            const CRect rect(x, y, x + columnWidth, y + rowHeight);
            if (Overlaps(rect, update) && m_redrawList.IsCellToBePainted(column, row))
                PaintCell(dc, column, row, rect);
            return true;
        });
        return true;
    });
}

void CGridArea::PaintCell(CDC& dc, int column, int row, CRect rect)
{
    if (!m_grid->PrepareDrawnCell(m_redrawList, &m_workCell, &column, &row, &rect))
        return;
    const bool current = row == m_info->m_currentRow && (column == m_info->m_currentColumn || m_info->m_highlightRow);
    int selected = 0;
    int block = 0;
    if (!current && m_info->m_selection.IsSelected(column, row, &block))
        selected = block + 1;
    CGridCellType* type = m_grid->GetCellType(m_workCell.GetCellType());
    dc.SaveDC();
    type->OnDraw(&dc, &rect, column, row, &m_workCell, selected, current ? 1 : 0);
    DrawLockLines(dc, column, row, rect);
    dc.RestoreDC(-1);
}

void CGridArea::DrawLockLines(CDC& dc, int column, int row, const CRect& rect) const
{
    if (!m_info->m_lockedColumns && !m_info->m_lockedRows)
        return;
    dc.SelectStockObject(BLACK_PEN);
    const auto vertical = [&dc, &rect](int x) {
        dc.MoveTo(x, rect.top);
        dc.LineTo(x, rect.bottom + 1);
    };
    const auto horizontal = [&dc, &rect](int y) {
        dc.MoveTo(rect.left, y);
        dc.LineTo(rect.right + 1, y);
    };
    if (m_info->m_lockedColumns) {
        if (column == m_info->m_leftColumn)
            vertical(rect.left - 1);
        if (column == m_info->m_lockedColumns - 1)
            vertical(rect.right - 1);
    }
    if (m_info->m_lockedRows) {
        if (row == m_info->m_topRow)
            horizontal(rect.top - 1);
        if (row == m_info->m_lockedRows - 1)
            horizontal(rect.bottom - 1);
    }
}

void CGridArea::FillBeyondCells(CDC& dc, CPoint end) const
{
    const COLORREF back = m_grid->OnDefaultBackColor(GRID_SECTION_CELLS);
    const int width = m_info->m_gridWidth;
    const int height = m_info->m_gridHeight;
    if (end.x < width)
        dc.FillSolidRect(CRect(end.x, 0, width, height), back);
    if (end.y < height)
        dc.FillSolidRect(CRect(0, end.y, width, height), back);
}

void CGridArea::DrawFocusFrame(CDC& dc)
{
    int column = m_info->m_currentColumn;
    int row = m_info->m_currentRow;
    CRect frame;
    if (column < 0 || row < 0 || m_grid->GetCellRect(&column, &row, &frame) != 0)
        return;
    if (m_info->m_highlightRow) {
        // From the left edge to the end of the last column shown.
        int right = 0;
        m_info->WalkColumns(m_info->m_gridWidth, [&right](int, int x, int width) {
            right = x + width;
            return true;
        });
        frame.left = 0;
        frame.right = std::min(right, m_info->m_gridWidth);
    }
    m_grid->OnDrawFocusFrame(&dc, &frame);
}

// The last row shown counts as a move target past the end: the data source and the hook may
// add rows, which are painted next.
void CGridArea::NoticePastLastRow()
{
    const int rows = m_info->m_rowCount;
    bool lastShown = false;
    m_info->WalkRows(m_info->m_gridHeight, [&](int row, int, int) {
        lastShown = row == rows - 1;
        return true;
    });
    if (!lastShown)
        return;
    int flag = 0;
    m_info->m_defaultSource->OnPastLastRow(rows, 1, &flag);
    m_grid->OnPastLastRow(rows, 1, flag);
    if (m_info->m_rowCount > rows) {
        m_redrawList.AddRange(0, rows, m_info->m_columnCount - 1, m_info->m_rowCount - 1);
        InvalidateListed();
    }
}

CRect CGridArea::VisibleRectOf(const GridRange& range) const
{
    // The walks go left to right and top to bottom: the first cell in range starts the
    // rectangle, the last one ends it.
    int left = -1, right = -1, top = -1, bottom = -1;
    m_info->WalkColumns(m_info->m_gridWidth, [&](int column, int x, int width) {
        if (column >= range.startColumn && column <= range.endColumn) {
            left = left < 0 ? x : left;
            right = x + width;
        }
        return true;
    });
    m_info->WalkRows(m_info->m_gridHeight, [&](int row, int y, int height) {
        if (row >= range.startRow && row <= range.endRow) {
            top = top < 0 ? y : top;
            bottom = y + height;
        }
        return true;
    });
    if (left < 0 || top < 0)
        return CRect();
    return CRect(left, top, right, bottom);
}

void CGridArea::InvalidateListed()
{
    if (!IsWindow() || !m_info)
        return;
    for (const GridRange& range : m_redrawList.GetRanges()) {
        const CRect rect = VisibleRectOf(range);
        if (!rect.IsRectEmpty())
            InvalidateRect(&rect, false);
    }
}

void CGridArea::ScrollImage()
{
    const CGridInfo& info = *m_info;
    // A sheet just switched to has no previous view to scroll from.
    if (info.m_previousLeftColumn < 0 || info.m_previousTopRow < 0) {
        Invalidate(false);
        return;
    }
    const int dx = info.m_leftColumn >= info.m_previousLeftColumn
                       ? info.SumColumnWidths(info.m_previousLeftColumn, info.m_leftColumn - info.m_previousLeftColumn)
                       : -info.SumColumnWidths(info.m_leftColumn, info.m_previousLeftColumn - info.m_leftColumn);
    const int dy = info.m_topRow >= info.m_previousTopRow
                       ? info.SumRowHeights(info.m_previousTopRow, info.m_topRow - info.m_previousTopRow)
                       : -info.SumRowHeights(info.m_topRow, info.m_previousTopRow - info.m_topRow);
    if (dx == 0 && dy == 0)
        return;
    // A move of a whole view or more, or one both ways past locked cells, is painted afresh.
    const bool locked = info.m_lockedColumns || info.m_lockedRows;
    if (std::abs(dx) >= info.m_gridWidth || std::abs(dy) >= info.m_gridHeight || (dx && dy && locked)) {
        Invalidate(false);
        return;
    }
    UpdateWindow();
    CRect moving(0, 0, info.m_gridWidth, info.m_gridHeight);
    if (dx == 0)
        moving.top = info.m_lockedHeight;
    if (dy == 0)
        moving.left = info.m_lockedWidth;
    ScrollWindow(-dx, -dy, &moving, &moving);
}

void CGridArea::RedrawAfterMove()
{
    if (!IsWindow() || !m_grid || !m_info)
        return;
    if (m_grid->IsFindDialogOpen()) {
        m_redrawList.Clear();
        Invalidate(false);
        UpdateWindow();
        return;
    }
    ScrollImage();
    const CGridInfo& info = *m_info;
    for (const auto& [column, row] : {std::pair{info.m_previousColumn, info.m_previousRow},
                                      std::pair{info.m_currentColumn, info.m_currentRow}}) {
        if (info.m_highlightRow) {
            m_redrawList.AddRange(0, row, info.m_columnCount - 1, row);
        } else {
            GridRange block{column, row, column, row};
            if (column >= 0 && row >= 0)
                m_grid->GetJoinBlock(column, row, &block);
            m_redrawList.AddRange(block.startColumn, block.startRow, block.endColumn, block.endRow);
        }
    }
    InvalidateListed();
    UpdateWindow();
}
