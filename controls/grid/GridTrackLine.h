#pragma once
// The thin line that follows a dragged border over the cell area (or marks where a dragged
// column would go). It is drawn inverted, so drawing it again at the same place removes it.
#include "platform/ui/window/Geometry.h"

class CWnd;

class CGridTrackLine {
public:
    // Removes the line shown, then shows it at rect.
    void Show(CWnd* area, const CRect& rect);
    void Hide(CWnd* area);
    bool IsShown() const { return m_shown; }

private:
    void Draw(CWnd* area) const;

    CRect m_rect;
    bool m_shown = false;
};
