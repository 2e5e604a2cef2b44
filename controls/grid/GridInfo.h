#pragma once
// The settings of one sheet of a grid: counts, sizes, positions, modes and the layout
// the control computed. The sections read it directly, as the control hands it to them.
#include <memory>
#include <vector>

#include "controls/grid/GridCell.h"
#include "controls/grid/GridSelectionList.h"
#include "platform/ui/window/Geometry.h"

class CFont;
class CGridCtrl;
class CGridDataSource;
class CPen;
class CWnd;

// One column of a sheet.
struct CGridColumn {
    int m_width = 0;
    CGridDataSource* m_dataSource = nullptr;
    std::unique_ptr<CGridCell> m_defaultCell;  // owned by the record
    int m_mappedColumn = 0;                    // the column number given to the data source
};

struct CGridInfo {
    explicit CGridInfo(CGridCtrl* grid = nullptr);
    ~CGridInfo();
    CGridInfo(const CGridInfo&) = delete;
    CGridInfo& operator=(const CGridInfo&) = delete;

    int RowHeight(int row) const;  // no range check: callers pass rows of the sheet
    int SumColumnWidths(int first, int count) const;
    int SumRowHeights(int first, int count) const;
    // 0 for a column, heading row (-1, -2, ...) or heading column that the sheet does not have.
    int ColumnWidth(int column) const;
    int HeadingRowHeight(int row) const;
    int HeadingColumnWidth(int column) const;

    // Walk what a section shows: the locked rows (columns), then on from the top row (left
    // column), leaving out those of no size. visit(index, start, size) answers false to stop;
    // the walk stops by itself after the one that reaches the limit.
    template <class Visit>
    void WalkRows(int limit, Visit visit) const;
    template <class Visit>
    void WalkColumns(int limit, Visit visit) const;

    int m_columnCount = 0;
    int m_rowCount = 0;
    int m_currentColumn = -1;
    int m_currentRow = -1;
    int m_previousColumn = -1;
    int m_previousRow = -1;
    int m_targetColumn = -1;
    int m_targetRow = -1;
    int m_leftColumn = 0;
    int m_previousLeftColumn = 0;
    int m_topRow = 0;
    int m_previousTopRow = 0;
    int m_maxLeftColumn = 0;
    int m_maxTopRow = 0;
    std::vector<CGridColumn> m_columns;
    int m_defaultColumnWidth = 75;
    int m_defaultRowHeight = 20;
    int m_uniformRowHeight = 0;
    std::vector<int> m_rowHeights;
    int m_topHeadingRowCount = 1;
    std::vector<int> m_topHeadingHeights{20};
    int m_sideHeadingColumnCount = 1;
    std::vector<int> m_sideHeadingWidths{25};
    CGridCell m_columnDefaultCell;
    CGridCell m_headingDefaultCell;
    int m_topHeadingHeight = 20;
    int m_sideHeadingWidth = 40;
    int m_vScrollWidth;
    int m_hScrollHeight;
    int m_tabWidth = 0;

    // The layout: cells, column heading, row heading, corner, bars and tabs.
    CRect m_cellRect;
    CRect m_topHeadingRect;
    CRect m_sideHeadingRect;
    CRect m_cornerRect;
    CRect m_vScrollRect;
    CRect m_hScrollRect;
    CRect m_tabRect;
    int m_gridWidth = 0;
    int m_gridHeight = 0;

    int m_highlightRow = 0;
    int m_multiSelect = 0;
    int m_currentCellMode = 1;
    int m_paintEnabled = 1;
    int m_columnMove = 0;
    int m_gridLines = 1;
    int m_vScrollMode = 0;
    int m_hScrollMode = 0;
    int m_joinsEnabled = 1;
    int m_lockedColumns = 0;
    int m_lockedWidth = 0;
    int m_lockedRows = 0;
    int m_lockedHeight = 0;
    CFont* m_defaultFont = nullptr;
    int m_defaultSourceIndex = 0;
    CGridDataSource* m_defaultSource;
    std::unique_ptr<CGridDataSource> m_builtInSource;
    CGridSelectionList m_selection;
    std::unique_ptr<CPen> m_borderPen;
    CWnd* m_editor = nullptr;

    // Read by the cell area and the headings.
    int m_popupMenu = 0;
    int m_cellTips = 0;
    int m_userSizingMode = 1;
    int m_cellOverlap = 1;
    int m_edgeWidth = 1;
    int m_dragAcceleration = 0;
    int m_dragDelay = 200;
    int m_keyAccelerationDivisor = 0;
    int m_keyRepeatDelay = 0;
    int m_mouseDownFlag = 0;
    int m_mouseDownButtons = 0;
    int m_textMargin = 4;
};

// From 0 to count: the first `locked` places, then on from `first`, leaving out those of no size.
template <class SizeOf, class Visit>
void WalkVisible(int count, int locked, int first, int limit, SizeOf sizeOf, Visit visit)
{
    long long at = 0;
    for (int i = 0; i < count && at < limit; ++i) {
        if (i == locked && first > i)
            i = first;
        if (i >= count)
            break;
        const int size = sizeOf(i);
        if (size <= 0)
            continue;
        if (!visit(i, static_cast<int>(at), size))
            return;
        at += size;
    }
}

template <class Visit>
void CGridInfo::WalkRows(int limit, Visit visit) const
{
    WalkVisible(m_rowCount, m_lockedRows, m_topRow, limit, [this](int row) { return RowHeight(row); }, visit);
}

template <class Visit>
void CGridInfo::WalkColumns(int limit, Visit visit) const
{
    WalkVisible(m_columnCount, m_lockedColumns, m_leftColumn, limit,
                [this](int column) { return m_columns[static_cast<std::size_t>(column)].m_width; }, visit);
}
