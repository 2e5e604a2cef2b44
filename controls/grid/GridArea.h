#pragma once
// The section that shows the cells: it paints them through their cell types and turns keys,
// mouse and wheel into the control's moves and hooks.
#include <memory>

#include "controls/grid/GridCell.h"
#include "controls/grid/GridRedrawList.h"
#include "controls/grid/GridSection.h"
#include "platform/ui/draw/GdiObjects.h"
#include "platform/ui/window/Wnd.h"

class CDC;
class CGridCellType;
class CToolTipCtrl;

class CGridArea : public CGridSection<CWnd> {
public:
    // A cell under the pointer, and its rectangle.
    struct HitCell {
        int column = -1;
        int row = -1;
        CRect rect;
        bool found = false;
    };

    CGridArea();
    ~CGridArea() override;

    CGridRedrawList& GetRedrawList() { return m_redrawList; }

    // Each adds to the redraw list and paints it.
    void RepaintCell(int column, int row);
    void RepaintRow(int row);
    void RepaintBlock(int startColumn, int startRow, int endColumn, int endRow);
    void PaintNow();
    // After a move of the current cell or the view: the image scrolls by the view's move and
    // what it uncovered, the old and the new current cell and the listed cells are painted.
    void RedrawAfterMove();
    int SetDoubleBuffer(int mode);
    bool HasFocus() const { return m_hasFocus; }
    CToolTipCtrl* GetToolTips() const { return m_tips.get(); }

protected:
    int OnCreate(CREATESTRUCT* create) override;
    void OnPaint() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnSetFocus(CWnd* losing) override;
    void OnKillFocus(CWnd* gaining) override;
    void OnKeyDown(UINT key, UINT repeatCount, UINT flags) override;
    void OnKeyUp(UINT key, UINT repeatCount, UINT flags) override;
    void OnChar(UINT key, UINT repeatCount, UINT flags) override;
    UINT OnGetDlgCode() override;
    bool OnMouseWheel(UINT flags, short delta, CPoint screenPoint) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnRButtonUp(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnTimer(UINT_PTR id) override;
    bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    // Painting.
    void PaintCells(CDC& dc, const CRect& update, CPoint* end);
    void PaintCell(CDC& dc, int column, int row, CRect rect);
    void DrawLockLines(CDC& dc, int column, int row, const CRect& rect) const;
    void FillBeyondCells(CDC& dc, CPoint end) const;
    void DrawFocusFrame(CDC& dc);
    void NoticePastLastRow();
    CRect VisibleRectOf(const GridRange& range) const;
    void InvalidateListed();
    void ScrollImage();
    bool MakeOffscreen();

    // Keys and mouse.
    int KeyStep();
    void MoveByKey(UINT key, int step);
    CGridCellType* CurrentCellType(CGridCell* cell);
    CGridCellType* TypeAt(int column, int row, CGridCell* cell);
    template <typename Offer>
    int OfferToType(const HitCell& hit, Offer offer);
    HitCell FollowPressed(CPoint* point) const;
    void DragStep(CPoint point);
    int DragDistance(int outside, int cellSize) const;
    void UpdateTip(CPoint point);

    CGridRedrawList m_redrawList;
    int m_doubleBuffer = 0;
    CBitmap m_offscreen;
    CGridCell m_workCell;
    int m_keyRepeat = 0;
    bool m_hasFocus = false;
    int m_typeHoldsPress = 0;
    HitCell m_pressed;  // the cell the left button was last pressed on, and its rectangle then
    CPoint m_dragPoint;
    int m_lastDragStep = 0;
    int m_tipColumn = -1;  // the cell the tip was last asked for
    int m_tipRow = -1;
    std::unique_ptr<CToolTipCtrl> m_tips;
};
