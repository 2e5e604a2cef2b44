#include "controls/views/ColoredViewCore.h"

#include "platform/ui/docview/ScrollView.h"

#include <algorithm>

int CColoredViewCore::SetBackgroundColors(COLORREF color1, COLORREF color2, COLORREF textColor)
{
    m_scheme.Setup(&m_view, COLORREF(-1), textColor, CViewBackground::kGradient);
    return m_scheme.Background().SetGradient(color1, color2);
}

int CColoredViewCore::SetBackgroundBitmap(const std::string& path, COLORREF backColor, COLORREF textColor)
{
    m_scheme.Setup(&m_view, backColor, textColor, CViewBackground::kBitmap);
    return m_scheme.Background().SetBitmap(path);
}

void CColoredViewCore::ClearBackground()
{
    m_scheme.Setup(&m_view, COLORREF(-1), COLORREF(-1), CViewBackground::kNone);
    m_scheme.Background().Clear();
}

int CColoredViewCore::ContentHeight() const
{
    CRect client;
    m_view.GetClientRect(&client);
    return std::max(client.Height(), int(m_view.GetTotalSize().cy));
}

bool CColoredViewCore::PaintBackground(CDC& dc) const
{
    CBackgroundArea area;
    m_view.GetClientRect(&area.m_rect);
    area.m_total = m_view.GetTotalSize();
    area.m_scroll = m_view.GetScrollPosition();
    return m_scheme.PaintBackground(dc, area) != 0;
}

CBrush* CColoredViewCore::ChildColors(CDC& dc, CWnd& child, CBrush* frameworkBrush)
{
    return m_scheme.ChildColors(dc, child, frameworkBrush, m_view.GetScrollPosition().y, ContentHeight());
}

void CColoredViewCore::AfterSize()
{
    if (m_scheme.GetMode() == CViewBackground::kGradient)
        m_view.Invalidate();
}
