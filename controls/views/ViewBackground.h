#pragma once

// The background painter of the coloured views: nothing, a vertical two-colour gradient that
// scrolls with the content, or a bitmap file tiled unscaled.
#include "platform/ui/draw/GdiObjects.h"

#include <memory>
#include <string>

class CDC;

// Where the background goes: the rectangle to fill, the size of the whole content and how far
// it is scrolled.
struct CBackgroundArea {
    CRect m_rect;
    CSize m_total;
    CPoint m_scroll;
};

class CViewBackground {
public:
    enum Mode { kNone = 0, kGradient = 1, kBitmap = 2 };
    static constexpr int kSteps = 128;

    // Colours of -1 take the button face. Always 1.
    int SetGradient(COLORREF color1, COLORREF color2);
    // 0, and no background, when the file is no bitmap we can read.
    int SetBitmap(const std::string& path);
    int Clear();
    bool HasBackground() const { return m_iMode != kNone; }
    int GetMode() const { return m_iMode; }

    // The colour of gradient step `step` (held within 0 to the step count).
    COLORREF GetStepColor(int step) const;
    // The gradient's colour at height y of content `totalHeight` high.
    COLORREF GetColorAt(int y, int totalHeight) const;

    // Fills the area; 1 when something was painted.
    int Paint(CDC& dc, const CBackgroundArea& area) const;

private:
    int PaintGradient(CDC& dc, const CBackgroundArea& area) const;
    int PaintBitmap(CDC& dc, const CBackgroundArea& area) const;

    std::unique_ptr<CBitmap> m_pBitmap;
    COLORREF m_crColor1 = COLORREF(-1);
    COLORREF m_crColor2 = COLORREF(-1);
    int m_iSteps = kSteps;
    int m_iMode = kNone;
};
