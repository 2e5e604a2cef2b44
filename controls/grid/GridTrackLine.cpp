#include "controls/grid/GridTrackLine.h"

#include "platform/ui/draw/DC.h"
#include "platform/ui/window/Wnd.h"

void CGridTrackLine::Draw(CWnd* area) const
{
    if (!area || !area->IsWindow())
        return;
    CClientDC dc(area);
    dc.DrawFocusRect(&m_rect);
}

void CGridTrackLine::Show(CWnd* area, const CRect& rect)
{
    Hide(area);
    m_rect = rect;
    Draw(area);
    m_shown = true;
}

void CGridTrackLine::Hide(CWnd* area)
{
    if (m_shown)
        Draw(area);
    m_shown = false;
}
