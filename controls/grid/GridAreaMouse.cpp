// The mouse in the cell area: clicks make cells current and reach the cell types and hooks; a
// drag with the left button extends the selection and, held outside the area, keeps scrolling.
#include <cmath>

#include "controls/grid/GridArea.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "controls/grid/GridRedrawList.h"
#include "platform/ui/controls/ToolTipCtrl.h"
#include "platform/ui/window/VirtualKeys.h"

namespace {

constexpr UINT_PTR kDragTimer = 1;

CGridArea::HitCell HitTest(CGridCtrl& grid, CPoint point)
{
    CGridArea::HitCell hit;
    hit.found = grid.GetCellFromPoint(point.x, point.y, &hit.column, &hit.row, &hit.rect) == 0;
    if (!hit.found)
        hit.column = hit.row = -1;
    return hit;
}

}  // namespace

// The type of the cell hit sees the input first: its answer (0 when no cell was hit).
template <typename Offer>
int CGridArea::OfferToType(const HitCell& hit, Offer offer)
{
    return hit.found ? offer(*TypeAt(hit.column, hit.row, &m_workCell)) : 0;
}

// The cell pressed last, where it is now: the press may have scrolled it into view. The point
// moves with it, so the cell's type and the hooks see the pointer where it is on that cell, and
// the release or a second press never lands on the cell that scrolled in under the pointer.
CGridArea::HitCell CGridArea::FollowPressed(CPoint* point) const
{
    HitCell now = m_pressed;
    if (!now.found || m_grid->GetCellRect(&now.column, &now.row, &now.rect) != 0)
        return m_pressed;
    *point += now.rect.TopLeft() - m_pressed.rect.TopLeft();
    return now;
}

void CGridArea::OnLButtonDown(UINT flags, CPoint point)
{
    if (!m_grid || !m_info)
        return;
    m_pressed = HitTest(*m_grid, point);
    if (m_grid->IsEditing())
        return;
    SetFocus();
    SetCapture();
    m_info->m_mouseDownFlag = GRID_INPUT_LEFT_BUTTON;
    m_info->m_mouseDownButtons = static_cast<int>(flags);
    const bool wasCurrent = m_pressed.column == m_info->m_currentColumn && m_pressed.row == m_info->m_currentRow;
    if (m_pressed.found && m_grid->GotoCell(m_pressed.column, m_pressed.row) == 0 && wasCurrent)
        m_grid->SelectCurrentByPress(flags);
    HitCell hit = FollowPressed(&point);
    const int processed = OfferToType(hit, [&](CGridCellType& type) {
        return type.OnLeftButton(hit.column, hit.row, 1, &hit.rect, &point);
    });
    m_typeHoldsPress = processed ? 1 : 0;
    m_grid->OnCellLeftClick(hit.column, hit.row, 1, &hit.rect, &point, processed);
    m_info->m_mouseDownFlag = GRID_INPUT_KEYBOARD;
}

void CGridArea::OnLButtonUp(UINT, CPoint point)
{
    KillTimer(kDragTimer);
    if (!m_grid || !m_info)
        return;
    HitCell hit = FollowPressed(&point);
    const int processed = OfferToType(hit, [&](CGridCellType& type) {
        return type.OnLeftButton(hit.column, hit.row, 0, &hit.rect, &point);
    });
    m_grid->OnCellLeftClick(hit.column, hit.row, 0, &hit.rect, &point, processed);
    if (GetCapture() == this)
        ReleaseCapture();
    m_typeHoldsPress = 0;
}

// The second press of a double click is on the cell the first one pressed.
void CGridArea::OnLButtonDblClk(UINT, CPoint point)
{
    if (!m_grid || !m_info || m_grid->IsEditing())
        return;
    HitCell hit = FollowPressed(&point);
    const int processed = OfferToType(
        hit, [&](CGridCellType& type) { return type.OnDoubleClick(hit.column, hit.row, &hit.rect, &point); });
    m_grid->OnCellDoubleClick(hit.column, hit.row, &hit.rect, &point, processed);
}

void CGridArea::OnRButtonDown(UINT flags, CPoint point)
{
    if (!m_grid || !m_info || m_grid->IsEditing())
        return;
    SetFocus();
    m_info->m_mouseDownFlag = GRID_INPUT_RIGHT_BUTTON;
    m_info->m_mouseDownButtons = static_cast<int>(flags);
    HitCell hit = HitTest(*m_grid, point);
    if (hit.found)
        m_grid->GotoCell(hit.column, hit.row);
    const int processed = OfferToType(hit, [&](CGridCellType& type) {
        return type.OnRightButton(hit.column, hit.row, 1, &hit.rect, &point);
    });
    m_grid->OnCellRightClick(hit.column, hit.row, 1, &hit.rect, &point, processed);
    m_info->m_mouseDownFlag = GRID_INPUT_KEYBOARD;
    if (m_info->m_popupMenu) {
        CPoint screen = point;
        ClientToScreen(&screen);
        m_grid->StartMenu(hit.column, hit.row, &screen, GRID_SECTION_CELLS);
    }
}

void CGridArea::OnRButtonUp(UINT, CPoint point)
{
    if (!m_grid || !m_info)
        return;
    HitCell hit = HitTest(*m_grid, point);
    const int processed = OfferToType(hit, [&](CGridCellType& type) {
        return type.OnRightButton(hit.column, hit.row, 0, &hit.rect, &point);
    });
    m_grid->OnCellRightClick(hit.column, hit.row, 0, &hit.rect, &point, processed);
}

void CGridArea::OnMouseMove(UINT flags, CPoint point)
{
    if (!m_grid || !m_info || m_grid->IsEditing())
        return;
    UpdateTip(point);
    if (m_typeHoldsPress) {
        // The cell type that took the press follows the pointer alone.
        CPoint onPressed = point;
        const HitCell pressed = FollowPressed(&onPressed);
        const int processed = OfferToType(pressed, [&](CGridCellType& type) {
            return type.OnMouseMove(pressed.column, pressed.row, &onPressed, flags);
        });
        m_grid->OnCellMouseMove(pressed.column, pressed.row, &onPressed, flags, processed);
        return;
    }
    HitCell hit = HitTest(*m_grid, point);
    const int processed = OfferToType(
        hit, [&](CGridCellType& type) { return type.OnMouseMove(hit.column, hit.row, &point, flags); });
    m_grid->OnCellMouseMove(hit.column, hit.row, &point, flags, processed);
    if (!(flags & MK_LBUTTON) || GetCapture() != this)
        return;
    m_info->m_mouseDownFlag = GRID_INPUT_DRAG;
    KillTimer(kDragTimer);
    m_dragPoint = point;
    DragStep(point);
}

// How many cells a drag outside the area moves at once: one without acceleration, else the
// distance in cells raised to the acceleration.
int CGridArea::DragDistance(int outside, int cellSize) const
{
    if (m_info->m_dragAcceleration <= 0)
        return 1;
    const double cells = std::floor(1.0 + static_cast<double>(outside) / std::max(1, cellSize));
    return static_cast<int>(std::min(1e6, std::pow(cells, m_info->m_dragAcceleration)));
}

void CGridArea::DragStep(CPoint point)
{
    const CGridInfo& info = *m_info;
    const int width = info.m_gridWidth;
    const int height = info.m_gridHeight;
    int step = 0;
    const auto moveColumns = [&](int outside, bool back) {
        step = DragDistance(outside, info.m_defaultColumnWidth);
        if (info.m_dragAcceleration <= 0)
            m_grid->MoveCurrentColumn(back ? 0 : 1);
        else
            m_grid->GotoColumn(info.m_targetColumn + (back ? -step : step));
    };
    const auto moveRows = [&](int outside, bool back) {
        step = DragDistance(outside, info.m_defaultRowHeight);
        if (info.m_dragAcceleration <= 0)
            m_grid->MoveCurrentRow(back ? 0 : 1);
        else
            m_grid->GotoRow(info.m_targetRow + (back ? -step : step));
    };
    const bool horizontal = point.x < 0 || point.x > width;
    if (point.x < 0)
        moveColumns(-point.x, true);
    else if (point.x > width)
        moveColumns(point.x - width, false);
    if (point.y < 0)
        moveRows(-point.y, true);
    else if (point.y > height)
        moveRows(point.y - height, false);
    if (!horizontal) {
        CGridArea::HitCell hit = HitTest(*m_grid, point);
        if (hit.found) {
            // Over a locked column (row) while scrolled, the view steps back one instead.
            if (hit.column < info.m_lockedColumns && info.m_targetColumn >= info.m_lockedColumns)
                hit.column = info.m_targetColumn - 1;
            if (hit.row < info.m_lockedRows && info.m_targetRow >= info.m_lockedRows)
                hit.row = info.m_targetRow - 1;
            m_grid->GotoCell(hit.column, hit.row);
        }
    }
    m_lastDragStep = step;
    // Held outside, the drag goes on by itself until the pointer moves or the button is let go.
    if (step > 0) {
        const bool pause = info.m_dragAcceleration > 0 && step == 1;
        SetTimer(kDragTimer, pause ? static_cast<UINT>(std::max(0, info.m_dragDelay)) : 0);
    }
}

void CGridArea::OnTimer(UINT_PTR id)
{
    if (id != kDragTimer)
        return CWnd::OnTimer(id);
    KillTimer(kDragTimer);
    if (m_grid && m_info && GetCapture() == this && GetKeyState(VK_LBUTTON) < 0)
        DragStep(m_dragPoint);
}

void CGridArea::UpdateTip(CPoint point)
{
    if (!m_tips)
        return;
    HitCell hit = HitTest(*m_grid, point);
    if (hit.column == m_tipColumn && hit.row == m_tipRow)
        return;
    // A new cell: the tip shown goes, and the cell becomes the tool.
    m_tipColumn = hit.column;
    m_tipRow = hit.row;
    m_tips->DelTool(this, 1);
    if (hit.found)
        m_tips->AddTool(this, LPSTR_TEXTCALLBACK, &hit.rect, 1);
}
