// The mouse on the column heading: clicks reach the heading cells' types and the hooks,
// borders are dragged to size columns and heading rows, and headings to move columns.
#include <algorithm>

#include "controls/grid/GridArea.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "controls/grid/GridTopHdg.h"
#include "platform/ui/window/Cursor.h"

namespace {
constexpr int kGrab = 3;  // pixels either side of a border that grab it
constexpr int kTrackingMode = 1;
constexpr int kLineWidth = 2;
constexpr UINT_PTR kScrollTimer = 1;
}  // namespace

bool CGridTopHdg::HitTest(CPoint point, int* column, int* row, CRect* rect)
{
    *column = *row = -1;
    int y = 0;
    int found = 0;  // heading rows are negative: 0 stands for none
    for (int r = -m_info->m_topHeadingRowCount; r < 0 && point.y >= 0; ++r) {
        y += m_info->HeadingRowHeight(r);
        if (point.y < y) {
            found = r;
            break;
        }
    }
    m_info->WalkColumns(m_info->m_gridWidth, [&](int c, int x, int width) {
        if (point.x >= x && point.x < x + width)
            *column = c;
        return *column < 0;
    });
    if (found == 0 || *column < 0) {
        *column = -1;
        return false;
    }
    *row = found;
    m_grid->GetCellRect(column, row, rect);
    return true;
}

int CGridTopHdg::ArmAt(CPoint point)
{
    int border = -1;
    m_info->WalkColumns(m_info->m_gridWidth, [&](int column, int x, int width) {
        if (point.x > x + width - kGrab && point.x < x + width + kGrab)
            border = column;
        return border < 0;
    });
    // The border of a hidden column lies on the one before it: it belongs to the hidden one.
    if (border >= 0 && border + 1 < m_info->m_columnCount && m_info->ColumnWidth(border + 1) == 0)
        ++border;
    if (border >= 0 && m_grid->OnCanSizeColumn(border)) {
        m_sizingColumn = true;
        m_sizedIndex = border;
        m_startSize = m_info->ColumnWidth(border);
        return IDC_SIZEWE;
    }
    // Heading rows from the band's bottom edge upwards.
    int edge = m_info->m_topHeadingHeight;
    for (int row = -1; row >= -m_info->m_topHeadingRowCount; --row) {
        if (point.y > edge - kGrab && point.y < edge + kGrab) {
            if (!m_grid->OnCanSizeTopHeading())
                return 0;
            m_sizingColumn = false;
            m_sizedIndex = row;
            m_startSize = m_info->HeadingRowHeight(row);
            return IDC_SIZENS;
        }
        edge -= m_info->HeadingRowHeight(row);
    }
    return 0;
}

void CGridTopHdg::StartSizing(CPoint point)
{
    m_start = point;
    m_startBand = m_info->m_topHeadingHeight;
}

void CGridTopHdg::SizeTo(CPoint point)
{
    m_sizingColumn ? SizeColumn(point) : SizeHeadingRow(point);
}

void CGridTopHdg::SizeColumn(CPoint point)
{
    int width = std::max(0, m_startSize + point.x - m_start.x);
    m_grid->OnColumnSizing(m_sizedIndex, &width);
    m_grid->SetColumnWidth(m_sizedIndex, std::max(0, width));
    Invalidate(false);
    if (m_info->m_userSizingMode == kTrackingMode)
        m_trackLine.Show(m_grid->GetCellArea(), CRect(point.x - 1, 0, point.x - 1 + kLineWidth, m_info->m_gridHeight));
    else
        m_grid->RedrawAll();
}

void CGridTopHdg::SizeHeadingRow(CPoint point)
{
    const int travel = point.y - m_start.y;
    const int index = -m_sizedIndex - 1;
    m_info->m_topHeadingHeights[index] = std::max(0, m_startSize + travel);
    int band = std::max(0, m_startBand + travel);
    m_grid->OnTopHeadingSizing(&band);
    m_info->m_topHeadingHeight = std::clamp(band, 0, CGridCtrl::kMaxBandSize);
    m_grid->RecalcLayout();
}

void CGridTopHdg::EndSizing(CPoint)
{
    m_trackLine.Hide(m_grid->GetCellArea());
    if (m_sizingColumn) {
        int width = m_info->ColumnWidth(m_sizedIndex);
        m_grid->OnColumnSized(m_sizedIndex, &width);
        m_grid->SetColumnWidth(m_sizedIndex, std::max(0, width));
    } else {
        int band = m_info->m_topHeadingHeight;
        m_grid->OnTopHeadingSized(&band);
        m_info->m_topHeadingHeight = std::clamp(band, 0, CGridCtrl::kMaxBandSize);
        // The last heading row takes what the others leave of the band.
        auto& heights = m_info->m_topHeadingHeights;
        int others = 0;
        for (std::size_t i = 0; i + 1 < heights.size(); ++i)
            others += heights[i];
        heights.back() = std::max(0, m_info->m_topHeadingHeight - others);
    }
    m_grid->GetCellArea()->Invalidate(false);
    m_grid->RecalcLayout();
}

void CGridTopHdg::DragTo(CPoint point)
{
    if (m_dragColumn < 0)
        return;
    KillTimer(kScrollTimer);
    m_scrollDirection = point.x < 0 ? -1 : (point.x > m_info->m_gridWidth ? 1 : 0);
    if (m_scrollDirection) {
        // Held beside the heading, the grid scrolls a column at a time until the mouse moves.
        m_grid->MoveLeftColumn(m_scrollDirection < 0 ? 0 : 1);
        SetTimer(kScrollTimer, 100);
        return;
    }
    int drop = -1;
    int left = 0;
    m_info->WalkColumns(m_info->m_gridWidth, [&](int column, int x, int width) {
        if (point.x >= x && point.x < x + width) {
            const bool rightHalf = point.x >= x + width / 2;
            drop = rightHalf ? std::min(column + 1, m_info->m_columnCount) : column;
            left = rightHalf ? x + width : x;
        }
        return drop < 0;
    });
    if (drop < 0)
        return;
    m_dropColumn = drop;
    m_trackLine.Show(m_grid->GetCellArea(), CRect(left - 1, 0, left - 1 + kLineWidth, m_info->m_gridHeight));
}

void CGridTopHdg::OnTimer(UINT_PTR id)
{
    if (id != kScrollTimer)
        return CWnd::OnTimer(id);
    if (m_dragColumn < 0 || !m_scrollDirection)
        KillTimer(kScrollTimer);
    else
        m_grid->MoveLeftColumn(m_scrollDirection < 0 ? 0 : 1);
}

void CGridTopHdg::DropColumn()
{
    KillTimer(kScrollTimer);
    m_trackLine.Hide(m_grid->GetCellArea());
    const int source = m_dragColumn;
    const int drop = m_dropColumn;
    m_dragColumn = m_dropColumn = -1;
    if (drop >= 0 && m_grid->OnCanDropColumn(source, drop))
        m_grid->MoveColumn(source, drop, 1);
    m_grid->RedrawAll();
}

int CGridTopHdg::OfferToType(CPoint point, GridClick kind, int down, int* column, int* row, CRect* rect)
{
    if (!HitTest(point, column, row, rect))
        return 0;
    m_grid->GetCell(*column, *row, &m_workCell);
    CGridCellType* type = m_grid->GetCellType(m_workCell.GetCellType());
    switch (kind) {
    case GridClick::Double: return type->OnDoubleClick(*column, *row, rect, &point);
    case GridClick::Right: return type->OnRightButton(*column, *row, down, rect, &point);
    default: return type->OnLeftButton(*column, *row, down, rect, &point);
    }
}

void CGridTopHdg::Click(GridClick kind, int down, CPoint point)
{
    int column = -1, row = -1;
    CRect rect;
    const int processed = OfferToType(point, kind, down, &column, &row, &rect);
    switch (kind) {
    case GridClick::Double: m_grid->OnColumnHeadingDoubleClick(column, row, &rect, &point, processed); break;
    case GridClick::Right:
        m_grid->OnColumnHeadingRightClick(column, row, down, &rect, &point, processed);
        if (down)
            StartMenuAt(column, row, point, GRID_SECTION_TOP_HEADING);
        break;
    case GridClick::Left:
        // A press may pick the heading up, to be dropped at another column.
        if (down && column >= 0 && m_info->m_columnMove && m_grid->OnCanStartColumnDrag(column)) {
            m_dragColumn = column;
            SetCapture();
        }
        m_grid->OnColumnHeadingLeftClick(column, row, down, &rect, &point, processed);
        if (!down && m_dragColumn >= 0)
            DropColumn();
        break;
    }
}
