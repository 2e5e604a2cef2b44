#pragma once
// The corner button above the row heading: its right and bottom edges size the two heading
// bands; its clicks reach the corner hooks.
#include "controls/grid/GridBorderSection.h"

class CGridCnrBtn : public CGridBorderSection {
protected:
    void OnPaint() override;
    int ArmAt(CPoint point) override;
    void StartSizing(CPoint) override {}
    void SizeTo(CPoint point) override;
    void EndSizing(CPoint point) override;
    void Click(GridClick kind, int down, CPoint point) override;

private:
    bool m_sizingWidth = false;
    bool m_sizingHeight = false;
};
