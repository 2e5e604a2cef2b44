#pragma once
// The corner button above the row heading: its right and bottom edges size the two heading
// bands; its clicks reach the corner hooks.
#include "controls/grid/GridSection.h"
#include "platform/ui/window/Wnd.h"

class CGridCnrBtn : public CGridSection<CWnd> {
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
    bool m_armed = false;
    bool m_sizing = false;
    bool m_sizingWidth = false;
    bool m_sizingHeight = false;
};
