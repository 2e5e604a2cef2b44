#include "controls/grid/GridCnrBtn.h"

#include <algorithm>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"
#include "platform/ui/window/Cursor.h"

namespace {
constexpr int kGrab = 4;  // pixels inside an edge that grab it
}

bool CGridCnrBtn::OnEraseBkgnd(CDC*)
{
    return true;
}

void CGridCnrBtn::OnPaint()
{
    CPaintDC dc(this);
    if (!m_grid)
        return;
    m_grid->OnPrepareScreenDC(&dc, nullptr, GRID_SECTION_CORNER);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    CGridCell cell;
    m_grid->GetCell(-1, -1, &cell);
    m_grid->GetCellType(cell.GetCellType())->OnDraw(&dc, &client, -1, -1, &cell, 0, 0);
}

void CGridCnrBtn::OnMouseMove(UINT flags, CPoint point)
{
    if (!m_grid || !m_info)
        return;
    if (m_sizing) {
        if (m_sizingWidth) {
            int width = std::max<int>(0, point.x);
            m_grid->OnSideHeadingSizing(&width);
            m_grid->SetSideHeadingWidth(width);
        }
        if (m_sizingHeight) {
            int height = std::max<int>(0, point.y);
            m_grid->OnTopHeadingSizing(&height);
            m_grid->SetTopHeadingHeight(height);
        }
        return;
    }
    if ((flags & MK_LBUTTON) || m_info->m_userSizingMode == 0)
        return;
    CRect client;
    GetClientRect(&client);
    m_sizingWidth = point.x > client.right - kGrab && m_grid->OnCanSizeSideHeading();
    m_sizingHeight = point.y > client.bottom - kGrab && m_grid->OnCanSizeTopHeading();
    m_armed = m_sizingWidth || m_sizingHeight;
    const int cursor = m_sizingWidth && m_sizingHeight ? IDC_SIZENWSE
                       : m_sizingWidth                  ? IDC_SIZEWE
                       : m_sizingHeight                 ? IDC_SIZENS
                                                        : IDC_ARROW;
    SetCursor(LoadStandardCursor(cursor));
}

void CGridCnrBtn::OnLButtonDown(UINT, CPoint point)
{
    if (!m_grid)
        return;
    if (m_armed) {
        m_sizing = true;
        SetCapture();
        return;
    }
    CRect client;
    GetClientRect(&client);
    m_grid->OnCornerLeftClick(1, &client, &point, 0);
}

void CGridCnrBtn::OnLButtonUp(UINT, CPoint point)
{
    if (!m_grid)
        return;
    m_sizing = false;
    m_armed = false;
    if (GetCapture() == this)
        ReleaseCapture();
    CRect client;
    GetClientRect(&client);
    m_grid->OnCornerLeftClick(0, &client, &point, 0);
}

void CGridCnrBtn::OnLButtonDblClk(UINT, CPoint point)
{
    if (!m_grid)
        return;
    CRect client;
    GetClientRect(&client);
    m_grid->OnCornerDoubleClick(&client, &point, 0);
}

void CGridCnrBtn::OnRButtonDown(UINT, CPoint point)
{
    if (!m_grid || !m_info)
        return;
    CRect client;
    GetClientRect(&client);
    m_grid->OnCornerRightClick(1, &client, &point, 0);
    if (m_info->m_popupMenu) {
        CPoint screen = point;
        ClientToScreen(&screen);
        m_grid->StartMenu(-1, -1, &screen, GRID_SECTION_CORNER);
    }
}

void CGridCnrBtn::OnRButtonUp(UINT, CPoint point)
{
    if (!m_grid)
        return;
    CRect client;
    GetClientRect(&client);
    m_grid->OnCornerRightClick(0, &client, &point, 0);
}
