#include "controls/views/ColoredTreeView.h"

#include "controls/views/ViewColorScheme.h"

IMPLEMENT_DYNAMIC(CColoredTreeView, CTreeView)

bool CColoredTreeView::TakeColors(COLORREF textColor)
{
    m_bColorsOn = ScreenHasColors();
    if (!m_bColorsOn)
        return false;
    if (textColor != COLORREF(-1))
        GetTreeCtrl().SetTextColor(textColor);
    return true;
}

int CColoredTreeView::SetBackgroundColors(COLORREF color1, COLORREF color2, COLORREF textColor)
{
    if (!TakeColors(textColor))
        return 0;
    int result = 1;
    if (color2 == COLORREF(-1)) {
        GetTreeCtrl().SetBkColor(color1);
        result = GetTreeCtrl().IsWindow();
    } else {
        result = m_background.SetGradient(color1, color2);
    }
    GetTreeCtrl().Invalidate();
    return result;
}

int CColoredTreeView::SetBackgroundBitmap(const std::string& path, COLORREF textColor)
{
    if (!TakeColors(textColor))
        return 0;
    const int result = m_background.SetBitmap(path);
    GetTreeCtrl().Invalidate();
    return result;
}

void CColoredTreeView::ClearBackground()
{
    m_background.Clear();
    GetTreeCtrl().Invalidate();
}

// The tree scrolls by whole items vertically: its content is as high as its scroll range in
// items, and the background follows it item by item.
CBackgroundArea CColoredTreeView::TreeArea() const
{
    const CTreeCtrl& tree = GetTreeCtrl();
    CBackgroundArea area;
    tree.GetClientRect(&area.m_rect);
    const int itemHeight = tree.GetItemHeight();
    SCROLLINFO vertical{}, horizontal{};
    tree.GetScrollInfo(SB_VERT, &vertical);
    tree.GetScrollInfo(SB_HORZ, &horizontal);
    const int positions = vertical.nMax - vertical.nMin + 1;
    const bool scrolls = positions > int(vertical.nPage);
    area.m_total = CSize(area.m_rect.Width(), scrolls ? positions * itemHeight : 0);
    area.m_scroll = CPoint(horizontal.nPos, vertical.nPos * itemHeight);
    return area;
}

bool CColoredTreeView::OnEraseTreeBkgnd(CDC* dc)
{
    if (m_bColorsOn && m_background.HasBackground() && m_background.Paint(*dc, TreeArea()))
        return true;
    return CTreeView::OnEraseTreeBkgnd(dc);
}
