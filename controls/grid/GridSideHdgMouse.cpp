// The mouse on the row heading: clicks on heading cells reach their types and the hooks; the
// borders of rows and of the band's columns can be dragged.
#include <algorithm>

#include "controls/grid/GridArea.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "controls/grid/GridSideHdg.h"
#include "platform/ui/window/Cursor.h"

namespace {
constexpr int kGrab = 3;  // pixels either side of a border that grab it
constexpr int kTrackingMode = 1;
}  // namespace

bool CGridSideHdg::HitTest(CPoint point, int* column, int* row, CRect* rect)
{
    *column = *row = -1;
    m_info->WalkRows(m_info->m_gridHeight, [&](int r, int y, int height) {
        if (point.y >= y && point.y < y + height)
            *row = r;
        return *row < 0;
    });
    // Heading columns are negative: 0 stands for none.
    int found = 0;
    int x = 0;
    for (int c = -m_info->m_sideHeadingColumnCount; c < 0 && point.x >= 0; ++c) {
        x += m_info->HeadingColumnWidth(c);
        if (point.x < x) {
            found = c;
            break;
        }
    }
    if (found == 0 || *row < 0) {
        *row = -1;
        return false;
    }
    *column = found;
    m_grid->GetCellRect(column, row, rect);
    return true;
}

bool CGridSideHdg::ArmHeadingWidth(CPoint point)
{
    // The first edge is the band's right edge; each further one a column further left.
    int edge = m_info->m_sideHeadingWidth;
    for (int column = -1; column >= -m_info->m_sideHeadingColumnCount; --column) {
        if (point.x > edge - kGrab && point.x < edge + kGrab) {
            if (!m_grid->OnCanSizeSideHeading())
                return false;
            m_sizingRows = false;
            m_sizedColumn = column;
            m_startSize = m_info->HeadingColumnWidth(column);
            m_startBand = m_info->m_sideHeadingWidth;
            return true;
        }
        edge -= m_info->HeadingColumnWidth(column);
    }
    return false;
}

bool CGridSideHdg::ArmRowHeight(CPoint point)
{
    int found = -1;
    m_info->WalkRows(m_info->m_gridHeight, [&](int row, int y, int height) {
        const int edge = y + height;
        if (point.y > edge - kGrab && point.y < edge + kGrab)
            found = row;
        return found < 0;
    });
    // A hidden row just below can be pulled open from this border.
    if (found >= 0 && found + 1 < m_info->m_rowCount && m_info->RowHeight(found + 1) == 0)
        ++found;
    if (found < 0 || !m_grid->OnCanSizeRow(found))
        return false;
    m_sizingRows = true;
    m_sizedRow = found;
    m_startSize = m_info->RowHeight(found);
    m_ratio = m_info->m_uniformRowHeight ? static_cast<double>(point.y) / std::max(1, m_info->m_defaultRowHeight) : 0;
    return true;
}

int CGridSideHdg::ArmAt(CPoint point)
{
    if (ArmHeadingWidth(point))
        return IDC_SIZEWE;
    return ArmRowHeight(point) ? IDC_SIZENS : 0;
}

void CGridSideHdg::StartSizing(CPoint point)
{
    m_start = point;
}

void CGridSideHdg::SizeTo(CPoint point)
{
    m_sizingRows ? SizeRow(point) : SizeHeadingWidth(point);
}

void CGridSideHdg::SizeRow(CPoint point)
{
    int height = m_startSize - m_start.y + point.y;
    if (m_info->m_uniformRowHeight && m_ratio > 0)
        height = static_cast<int>(std::max(1, point.y) / m_ratio);
    height = std::max(0, height);
    m_grid->OnRowSizing(m_sizedRow, &height);
    m_grid->SetRowHeight(m_sizedRow, std::max(0, height));
    if (m_info->m_userSizingMode == kTrackingMode) {
        RepaintAll();
        m_trackLine.Show(m_grid->GetCellArea(), CRect(0, point.y - 1, m_info->m_gridWidth, point.y + 1));
    } else {
        m_grid->RedrawAll();
    }
}

void CGridSideHdg::SizeHeadingWidth(CPoint point)
{
    const int travel = point.x - m_start.x;
    const int index = -m_sizedColumn - 1;
    if (index >= 0 && index < static_cast<int>(m_info->m_sideHeadingWidths.size()))
        m_info->m_sideHeadingWidths[index] = std::max(0, m_startSize + travel);
    int band = std::max(0, m_startBand + travel);
    m_grid->OnSideHeadingSizing(&band);
    m_info->m_sideHeadingWidth = std::clamp(band, 0, CGridCtrl::kMaxBandSize);
    m_grid->RecalcLayout();
}

void CGridSideHdg::EndSizing(CPoint)
{
    m_trackLine.Hide(m_grid->GetCellArea());
    if (!m_sizingRows) {
        int band = m_info->m_sideHeadingWidth;
        m_grid->OnSideHeadingSized(&band);
    } else {
        int height = m_grid->GetRowHeight(m_sizedRow);
        m_grid->OnRowSized(m_sizedRow, &height);
        m_grid->SetRowHeight(m_sizedRow, std::max(0, height));
    }
    m_sizedColumn = m_sizedRow = -1;
    m_grid->RecalcLayout();
    m_grid->RedrawAll();
}

// Every click is offered to the heading cell's type as a release, then told to the hook.
void CGridSideHdg::Click(GridClick kind, int down, CPoint point)
{
    int column = -1, row = -1;
    CRect rect;
    int processed = 0;
    if (HitTest(point, &column, &row, &rect)) {
        m_grid->GetCell(column, row, &m_workCell);
        processed = m_grid->GetCellType(m_workCell.GetCellType())->OnLeftButton(column, row, 0, &rect, &point);
    }
    switch (kind) {
    case GridClick::Double: m_grid->OnRowHeadingDoubleClick(column, row, &rect, &point, processed); break;
    case GridClick::Left: m_grid->OnRowHeadingLeftClick(column, row, down, &rect, &point, processed); break;
    case GridClick::Right:
        m_grid->OnRowHeadingRightClick(column, row, down, &rect, &point, processed);
        if (down)
            StartMenuAt(column, row, point, GRID_SECTION_SIDE_HEADING);
        break;
    }
}
