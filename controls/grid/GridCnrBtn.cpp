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

int CGridCnrBtn::ArmAt(CPoint point)
{
    CRect client;
    GetClientRect(&client);
    m_sizingWidth = point.x > client.right - kGrab && m_grid->OnCanSizeSideHeading();
    m_sizingHeight = point.y > client.bottom - kGrab && m_grid->OnCanSizeTopHeading();
    if (m_sizingWidth && m_sizingHeight)
        return IDC_SIZENWSE;
    return m_sizingWidth ? IDC_SIZEWE : (m_sizingHeight ? IDC_SIZENS : 0);
}

void CGridCnrBtn::SizeTo(CPoint point)
{
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
}

void CGridCnrBtn::EndSizing(CPoint point)
{
    Click(GridClick::Left, 0, point);
}

void CGridCnrBtn::Click(GridClick kind, int down, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    switch (kind) {
    case GridClick::Double: m_grid->OnCornerDoubleClick(&client, &point, 0); break;
    case GridClick::Left: m_grid->OnCornerLeftClick(down, &client, &point, 0); break;
    case GridClick::Right:
        m_grid->OnCornerRightClick(down, &client, &point, 0);
        if (down)
            StartMenuAt(-1, -1, point, GRID_SECTION_CORNER);
        break;
    }
}
