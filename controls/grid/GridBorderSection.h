#pragma once
// A heading section whose borders can be dragged: a resting pointer arms the border under it,
// a press on an armed border starts sizing, moves size and the release ends it; other presses
// are clicks on the section's cells. The row heading, the column heading and the corner button
// say what their borders and clicks are.
#include "controls/grid/GridSection.h"
#include "platform/ui/window/Wnd.h"

enum class GridClick { Left, Right, Double };

class CGridBorderSection : public CGridSection<CWnd> {
public:
    bool IsSizing() const { return m_sizing; }

protected:
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnRButtonUp(UINT flags, CPoint point) override;

    // The border under a resting pointer: the cursor that shows it, 0 when there is none.
    virtual int ArmAt(CPoint point) = 0;
    virtual void StartSizing(CPoint point) = 0;
    virtual void SizeTo(CPoint point) = 0;
    virtual void EndSizing(CPoint point) = 0;
    virtual void Click(GridClick kind, int down, CPoint point) = 0;
    // A move with the left button held that sizes nothing.
    virtual void DragTo(CPoint) {}

    // The control's pop-up menu for a cell of this section, at a point of its client area.
    void StartMenuAt(int column, int row, CPoint point, int section);
    void FocusCells();

private:
    bool m_armed = false;
    bool m_sizing = false;
};
