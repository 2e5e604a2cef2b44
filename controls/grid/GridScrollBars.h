#pragma once
// The grid's scroll bars. Each sets itself up again only when what it shows changed, and turns
// its input into moves of the top row or left column, with a hint while the thumb is dragged.
#include "controls/grid/GridSection.h"
#include "platform/ui/controls/ScrollBar.h"

class CGridVScroll : public CGridSection<CScrollBar> {
public:
    // After every move and re-layout.
    void Update();
    void OnScroll(UINT code, UINT position);
    double GetFactor() const { return m_factor; }

protected:
    void OnRButtonDown(UINT flags, CPoint point) override;

private:
    void SetUp();

    int m_lastMaxTopRow = -2;
    int m_lastMode = -2;
    int m_lastLockedRows = -2;
    double m_factor = 1.0;
    double m_inverse = 1.0;
};

class CGridHScroll : public CGridSection<CScrollBar> {
public:
    void Update();
    void OnScroll(UINT code, UINT position);

protected:
    void OnRButtonDown(UINT flags, CPoint point) override;

private:
    void SetUp();

    int m_lastMaxLeftColumn = -1;
    int m_lastLockedColumns = -1;
};
