#pragma once
// The row heading: the heading cells left of the cell area, drawn through their cell types.
// Its row borders and the band's heading column borders can be dragged to size them.
#include "controls/grid/GridCell.h"
#include "controls/grid/GridRedrawList.h"
#include "controls/grid/GridSection.h"
#include "controls/grid/GridTrackLine.h"
#include "platform/ui/window/Wnd.h"

class CGridSideHdg : public CGridSection<CWnd> {
public:
    CGridRedrawList& GetRedrawList() { return m_redrawList; }
    // Fits the band's outermost column to the band, then paints everything at once.
    void RepaintAll();
    // The same, painted with the control's next paint.
    void FitAndInvalidate();
    // The twin of the cell area's: scrolls with the top row and paints the rows that changed.
    void RedrawAfterMove();
    bool IsSizing() const { return m_buttonDown != 0; }

protected:
    void OnPaint() override;
    bool OnEraseBkgnd(CDC* dc) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnRButtonUp(UINT flags, CPoint point) override;

private:
    enum class Sizing { HeadingWidth, RowHeight };

    bool HitTest(CPoint point, int* column, int* row, CRect* rect);
    bool ArmHeadingWidth(CPoint point);
    bool ArmRowHeight(CPoint point);
    void SizeRow(CPoint point);
    void SizeHeadingWidth(CPoint point);
    void EndSizing();
    // A click on a heading cell: its type sees it, then the hook; right: right button.
    void ReportClick(CPoint point, int down, bool right, bool doubleClick);
    void FocusCells();
    int HeadingColumnLeft(int column) const;

    CGridCell m_workCell;
    CGridRedrawList m_redrawList;
    CGridTrackLine m_trackLine;
    int m_buttonDown = 0;
    int m_armed = 0;
    Sizing m_sizing = Sizing::RowHeight;
    int m_sizedColumn = -1;
    int m_sizedRow = -1;
    CPoint m_start;
    int m_startSize = 0;
    int m_startBand = 0;
    double m_ratio = 0;
};
