#pragma once
// The row heading: the heading cells left of the cell area, drawn through their cell types.
// Its row borders and the band's heading column borders can be dragged to size them.
#include "controls/grid/GridBorderSection.h"
#include "controls/grid/GridCell.h"
#include "controls/grid/GridRedrawList.h"
#include "controls/grid/GridTrackLine.h"

class CGridSideHdg : public CGridBorderSection {
public:
    CGridRedrawList& GetRedrawList() { return m_redrawList; }
    // Fits the band's outermost column to the band, then paints everything at once.
    void RepaintAll();
    // The same, painted with the control's next paint.
    void FitAndInvalidate();
    // The twin of the cell area's: scrolls with the top row and paints the rows that changed.
    void RedrawAfterMove();

protected:
    void OnPaint() override;
    int ArmAt(CPoint point) override;
    void StartSizing(CPoint point) override;
    void SizeTo(CPoint point) override;
    void EndSizing(CPoint point) override;
    void Click(GridClick kind, int down, CPoint point) override;

private:
    bool HitTest(CPoint point, int* column, int* row, CRect* rect);
    bool ArmHeadingWidth(CPoint point);
    bool ArmRowHeight(CPoint point);
    void SizeRow(CPoint point);
    void SizeHeadingWidth(CPoint point);

    CGridCell m_workCell;
    CGridRedrawList m_redrawList;
    CGridTrackLine m_trackLine;
    bool m_sizingRows = true;
    int m_sizedColumn = -1;
    int m_sizedRow = -1;
    CPoint m_start;
    int m_startSize = 0;
    int m_startBand = 0;
    double m_ratio = 0;
};
