// Re-layout: which bars show, where the seven sections go, and how far the view can
// scroll before the last column or row would leave empty space.
#include <algorithm>

#include "controls/grid/GridArea.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "controls/grid/GridSections.h"

namespace {

constexpr int kMinTabWidth = 4;
constexpr int kTabMargin = 30;

// Sums sizes until the sum passes the limit; answers whether everything fitted, and the sum.
template <typename SizeOf>
bool AllFit(int count, int limit, SizeOf sizeOf, long long* sum)
{
    *sum = 0;
    for (int i = 0; i < count; ++i) {
        *sum += sizeOf(i);
        if (*sum > limit)
            return false;
    }
    return true;
}

// A rectangle never turns inside out when the control is smaller than its fixed parts.
CRect Normalised(int left, int top, int right, int bottom)
{
    return CRect(left, top, std::max(left, right), std::max(top, bottom));
}

}  // namespace

void CGridCtrl::LayoutSections()
{
    CGridInfo* info = GetGridInfo();
    CRect client;
    if (IsWindow())
        GetClientRect(&client);
    const int W = client.Width();
    const int H = client.Height();
    const int side = info->m_sideHeadingWidth;
    const int top = info->m_topHeadingHeight;
    const int available = W - side;
    if (info->m_tabWidth > 0)
        info->m_tabWidth = std::max(kMinTabWidth, std::min(info->m_tabWidth, available - kTabMargin));

    long long columnSum = 0, rowSum = 0;
    const bool columnsFit = AllFit(info->m_columnCount, available,
                                   [info](int c) { return info->m_columns[c].m_width; }, &columnSum);
    const bool rowsFit = AllFit(info->m_rowCount, H - top, [info](int r) { return info->RowHeight(r); }, &rowSum);
    const int vbar = info->m_vScrollWidth;
    const int strip = info->m_hScrollHeight;
    if (rowsFit && (columnsFit || rowSum <= H - top - strip))
        info->m_vScrollWidth = 0;
    if (columnsFit && info->m_tabWidth == 0 && (rowsFit || columnSum <= available - vbar))
        info->m_hScrollHeight = 0;

    const int V = info->m_vScrollWidth;
    const int S = info->m_hScrollHeight;
    const int T = info->m_tabWidth;
    info->m_vScrollRect = Normalised(W - V, 0, W, H - S);
    info->m_hScrollRect = Normalised(T, H - S, W - V, H);
    info->m_tabRect = Normalised(0, H - S, T, H);
    info->m_topHeadingRect = Normalised(side, 0, W - V, top);
    info->m_sideHeadingRect = Normalised(0, top, side, H - S);
    info->m_cornerRect = Normalised(0, 0, side, top);
    info->m_cellRect = Normalised(side, top, W - V, H - S);
    OnLayoutComponents(&info->m_cellRect, &info->m_topHeadingRect, &info->m_sideHeadingRect, &info->m_cornerRect,
                       &info->m_vScrollRect, &info->m_hScrollRect, &info->m_tabRect);
    info->m_gridWidth = std::max(0, info->m_cellRect.Width());
    info->m_gridHeight = std::max(0, info->m_cellRect.Height());
}

void CGridCtrl::RecalcLayout()
{
    const CGridInfo* info = GetGridInfo();
    const int oldMaxTopRow = info->m_maxTopRow;
    const int oldMaxLeftColumn = info->m_maxLeftColumn;
    RunLayoutPass();
    RelayoutIfBarsChanged(oldMaxTopRow, oldMaxLeftColumn);
    if (m_layoutDepth == 0 && m_vScroll->IsWindow()) {
        ++m_layoutDepth;
        m_vScroll->Update();
        m_hScroll->Update();
        --m_layoutDepth;
    }
}

void CGridCtrl::RunLayoutPass()
{
    // The bar sizes are zeroed for this pass only; the configured ones stay.
    CGridInfo* info = GetGridInfo();
    const int savedVScroll = info->m_vScrollWidth;
    const int savedStrip = info->m_hScrollHeight;
    const int savedTabs = info->m_tabWidth;
    ++m_layoutDepth;
    LayoutSections();
    MoveSectionWindows(m_layoutOnly != 0);
    if (!m_layoutOnly) {
        RecalcMaxTopRow();
        RecalcMaxLeftColumn();
    }
    --m_layoutDepth;
    info->m_vScrollWidth = savedVScroll;
    info->m_hScrollHeight = savedStrip;
    info->m_tabWidth = savedTabs;
    info->m_previousTopRow = info->m_topRow;
    info->m_previousLeftColumn = info->m_leftColumn;
}

// A largest top row (left column) that changed between 0 and more means a bar has to
// come or go. One more pass only, so two layouts that undo each other cannot alternate.
void CGridCtrl::RelayoutIfBarsChanged(int oldMaxTopRow, int oldMaxLeftColumn)
{
    if (m_layoutDepth > 0)
        return;
    const CGridInfo* info = GetGridInfo();
    if ((oldMaxTopRow == 0) != (info->m_maxTopRow == 0) || (oldMaxLeftColumn == 0) != (info->m_maxLeftColumn == 0))
        RunLayoutPass();
}

void CGridCtrl::MoveSectionWindows(bool layoutOnly)
{
    if (!m_cellArea || !m_cellArea->IsWindow())
        return;
    const CGridInfo* info = GetGridInfo();
    m_hScroll->MoveWindow(&info->m_hScrollRect, true);
    m_tab->MoveWindow(&info->m_tabRect, true);
    if (layoutOnly) {
        m_hScroll->Invalidate();
        m_tab->Invalidate();
        ValidateRect(nullptr);
        return;
    }
    m_cellArea->MoveWindow(&info->m_cellRect, true);
    m_topHeading->MoveWindow(&info->m_topHeadingRect, true);
    m_sideHeading->MoveWindow(&info->m_sideHeadingRect, true);
    m_cornerButton->MoveWindow(&info->m_cornerRect, true);
    m_vScroll->MoveWindow(&info->m_vScrollRect, true);
}

// From the last column back, widths are taken from the scrollable width until it runs
// out; the column after that point is the largest left column.
bool CGridCtrl::RecalcMaxLeftColumn()
{
    CGridInfo* info = GetGridInfo();
    long long room = static_cast<long long>(info->m_gridWidth) - info->m_lockedWidth;
    int column = info->m_columnCount - 1;
    for (; column >= info->m_lockedColumns; --column) {
        room -= info->m_columns[column].m_width;
        if (room < 0)
            break;
    }
    info->m_maxLeftColumn = std::max(info->m_lockedColumns, std::min(column + 1, info->m_columnCount - 1));
    const int oldLeft = info->m_leftColumn;
    info->m_leftColumn = std::clamp(info->m_leftColumn, info->m_lockedColumns, info->m_maxLeftColumn);
    return info->m_leftColumn != oldLeft;
}

bool CGridCtrl::RecalcMaxTopRow()
{
    CGridInfo* info = GetGridInfo();
    long long room = static_cast<long long>(info->m_gridHeight) - info->m_lockedHeight;
    int row = info->m_rowCount - 1;
    for (; row >= info->m_lockedRows; --row) {
        room -= info->RowHeight(row);
        if (room < 0)
            break;
    }
    info->m_maxTopRow = std::max(info->m_lockedRows, std::min(row + 1, info->m_rowCount - 1));
    const int oldTop = info->m_topRow;
    info->m_topRow = std::clamp(info->m_topRow, info->m_lockedRows, info->m_maxTopRow);
    return info->m_topRow != oldTop;
}
