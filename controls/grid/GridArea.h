#pragma once
// The section that shows the cells. It keeps the list of cells its next paint draws.
#include "controls/grid/GridRedrawList.h"
#include "controls/grid/GridSection.h"
#include "platform/ui/window/Wnd.h"

class CGridArea : public CGridSection<CWnd> {
public:
    CGridRedrawList& GetRedrawList() { return m_redrawList; }

    // Each adds to the redraw list and asks for a paint.
    void RepaintCell(int column, int row);
    void RepaintRow(int row);
    void RepaintBlock(int startColumn, int startRow, int endColumn, int endRow);
    void PaintNow();

protected:
    void OnPaint() override;
    void OnSetFocus(CWnd* losing) override;
    void OnKillFocus(CWnd* gaining) override;

private:
    CGridRedrawList m_redrawList;
};
