#include "controls/views/ColoredScrollView.h"

IMPLEMENT_DYNAMIC(CColoredScrollView, CScrollView)

CColoredScrollView::CColoredScrollView() : m_core(*this) {}

bool CColoredScrollView::OnEraseBkgnd(CDC* dc)
{
    return m_core.PaintBackground(*dc) || CScrollView::OnEraseBkgnd(dc);
}

CBrush* CColoredScrollView::OnCtlColor(CDC* dc, CWnd* child, UINT ctlColor)
{
    CBrush* brush = CScrollView::OnCtlColor(dc, child, ctlColor);
    return child ? m_core.ChildColors(*dc, *child, brush) : brush;
}

void CColoredScrollView::OnSize(UINT type, int cx, int cy)
{
    m_core.Relayout(cx, cy);
    CScrollView::OnSize(type, cx, cy);
    m_core.AfterSize();
}
