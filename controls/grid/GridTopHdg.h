#pragma once
// The column heading: the heading rows above the cell area, drawn through their cell types.
// Column borders and heading-row borders can be dragged to size them, and with column moving
// switched on a heading can be dragged to another place.
#include "controls/grid/GridBorderSection.h"
#include "controls/grid/GridCell.h"
#include "controls/grid/GridRedrawList.h"
#include "controls/grid/GridTrackLine.h"

class CGridTopHdg : public CGridBorderSection {
public:
    void RedrawAfterMove();
    int GetDragColumn() const { return m_dragColumn; }

protected:
    void OnPaint() override;
    void OnTimer(UINT_PTR id) override;
    int ArmAt(CPoint point) override;
    void StartSizing(CPoint point) override;
    void SizeTo(CPoint point) override;
    void EndSizing(CPoint point) override;
    void Click(GridClick kind, int down, CPoint point) override;
    void DragTo(CPoint point) override;

private:
    bool HitTest(CPoint point, int* column, int* row, CRect* rect);
    void SizeColumn(CPoint point);
    void SizeHeadingRow(CPoint point);
    void DropColumn();
    // The heading cell under the point and its type's answer to the button.
    int OfferToType(CPoint point, GridClick kind, int down, int* column, int* row, CRect* rect);

    CGridCell m_workCell;
    CGridRedrawList m_redrawList;
    CGridTrackLine m_trackLine;
    bool m_sizingColumn = true;
    int m_sizedIndex = 0;
    int m_startSize = 0;
    int m_startBand = 0;
    CPoint m_start;
    int m_dragColumn = -1;
    int m_dropColumn = -1;
    int m_scrollDirection = 0;
};
