#pragma once
// The column heading: the heading rows above the cell area, drawn through their cell types.
// Column borders and heading-row borders can be dragged to size them, and with column moving
// switched on a heading can be dragged to another place.
#include "controls/grid/GridCell.h"
#include "controls/grid/GridRedrawList.h"
#include "controls/grid/GridSection.h"
#include "controls/grid/GridTrackLine.h"
#include "platform/ui/window/Wnd.h"

class CGridTopHdg : public CGridSection<CWnd> {
public:
    void RedrawAfterMove();
    int GetDragColumn() const { return m_dragColumn; }
    int GetDropColumn() const { return m_dropColumn; }

protected:
    void OnPaint() override;
    bool OnEraseBkgnd(CDC* dc) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnRButtonUp(UINT flags, CPoint point) override;
    void OnTimer(UINT_PTR id) override;

private:
    enum class Sizing { None, Column, HeadingRow };

    bool HitTest(CPoint point, int* column, int* row, CRect* rect);
    Sizing ArmAt(CPoint point);
    void SizeColumn(CPoint point);
    void SizeHeadingRow(CPoint point);
    void EndSizing();
    void DragColumn(CPoint point);
    void DropColumn();
    // A click on a heading cell: its type sees it, then the hook.
    int OfferToType(CPoint point, int down, int* column, int* row, CRect* rect, bool right);
    int HeadingRowTop(int row) const;

    CGridCell m_workCell;
    CGridRedrawList m_redrawList;
    CGridTrackLine m_trackLine;
    Sizing m_armed = Sizing::None;
    bool m_sizing = false;
    int m_sizedIndex = 0;
    int m_startSize = 0;
    int m_startBand = 0;
    CPoint m_start;
    int m_dragColumn = -1;
    int m_dropColumn = -1;
    int m_scrollDirection = 0;
};
