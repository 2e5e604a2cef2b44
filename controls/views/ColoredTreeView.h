#pragma once

// A tree view drawn over a painted background: a gradient or a tiled bitmap behind the items,
// scrolling with them, or a plain colour of the tree's own.
#include "controls/views/ViewBackground.h"
#include "platform/ui/docview/TreeView.h"

class CColoredTreeView : public CTreeView {
    DECLARE_DYNAMIC(CColoredTreeView)
public:
    // With colour 2 of -1 the tree's own background becomes colour 1; otherwise the gradient.
    // A text colour other than -1 goes to the tree. 0 on a screen without colours.
    int SetBackgroundColors(COLORREF color1, COLORREF color2, COLORREF textColor);
    // 0 when the file is no bitmap, or on a screen without colours.
    int SetBackgroundBitmap(const std::string& path, COLORREF textColor);
    void ClearBackground();

    const CViewBackground& Background() const { return m_background; }
    bool ColorsOn() const { return m_bColorsOn != 0; }

    bool OnEraseTreeBkgnd(CDC* dc) override;

private:
    bool TakeColors(COLORREF textColor);
    CBackgroundArea TreeArea() const;

    CViewBackground m_background;
    int m_bColorsOn = 0;
};
