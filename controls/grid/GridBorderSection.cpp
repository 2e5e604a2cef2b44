#include "controls/grid/GridBorderSection.h"

#include "controls/grid/GridArea.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "platform/ui/window/Cursor.h"

void CGridBorderSection::FocusCells()
{
    CWnd* cells = m_grid->GetCellArea();
    if (cells && GetFocus() != cells)
        cells->SetFocus();
}

void CGridBorderSection::StartMenuAt(int column, int row, CPoint point, int section)
{
    if (!m_info->m_popupMenu)
        return;
    ClientToScreen(&point);
    m_grid->StartMenu(column, row, &point, section);
}

void CGridBorderSection::OnMouseMove(UINT flags, CPoint point)
{
    if (!m_grid || !m_info)
        return;
    if (m_sizing) {
        SizeTo(point);
        return;
    }
    if (flags & MK_LBUTTON) {
        DragTo(point);
        return;
    }
    m_armed = false;
    if (m_info->m_userSizingMode == 0)
        return;
    const int cursor = ArmAt(point);
    m_armed = cursor != 0;
    SetCursor(LoadStandardCursor(m_armed ? cursor : IDC_ARROW));
}

void CGridBorderSection::OnLButtonDown(UINT, CPoint point)
{
    if (!m_grid || !m_info)
        return;
    FocusCells();
    if (!m_armed) {
        Click(GridClick::Left, 1, point);
        return;
    }
    m_sizing = true;
    SetCapture();
    StartSizing(point);
}

void CGridBorderSection::OnLButtonUp(UINT, CPoint point)
{
    if (!m_grid || !m_info)
        return;
    if (GetCapture() == this)
        ReleaseCapture();
    if (!m_sizing) {
        Click(GridClick::Left, 0, point);
        return;
    }
    m_sizing = false;
    m_armed = false;
    EndSizing(point);
}

void CGridBorderSection::OnLButtonDblClk(UINT, CPoint point)
{
    if (m_grid && m_info)
        Click(GridClick::Double, 0, point);
}

void CGridBorderSection::OnRButtonDown(UINT, CPoint point)
{
    if (!m_grid || !m_info)
        return;
    FocusCells();
    Click(GridClick::Right, 1, point);
}

void CGridBorderSection::OnRButtonUp(UINT, CPoint point)
{
    if (m_grid && m_info)
        Click(GridClick::Right, 0, point);
}
