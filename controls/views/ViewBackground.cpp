#include "controls/views/ViewBackground.h"

#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"

#include <algorithm>

namespace {

// c1 + (c2 - c1) * s / n, truncated toward zero, kept to a byte.
int Blend(int c1, int c2, int step, int steps)
{
    return (c1 + (c2 - c1) * step / steps) & 0xFF;
}

} // namespace

int CViewBackground::SetGradient(COLORREF color1, COLORREF color2)
{
    m_pBitmap.reset();
    m_crColor1 = color1 == COLORREF(-1) ? GetSysColor(COLOR_BTNFACE) : color1;
    m_crColor2 = color2 == COLORREF(-1) ? GetSysColor(COLOR_BTNFACE) : color2;
    m_iMode = kGradient;
    return 1;
}

int CViewBackground::SetBitmap(const std::string& path)
{
    m_pBitmap.reset();
    m_iMode = kNone;
    auto bitmap = std::make_unique<CBitmap>();
    if (!bitmap->LoadFromFile(path))
        return 0;
    m_pBitmap = std::move(bitmap);
    m_iMode = kBitmap;
    return 1;
}

int CViewBackground::Clear()
{
    m_pBitmap.reset();
    m_iMode = kNone;
    return 1;
}

COLORREF CViewBackground::GetStepColor(int step) const
{
    const int s = std::clamp(step, 0, m_iSteps);
    return RGB(Blend(GetRValue(m_crColor1), GetRValue(m_crColor2), s, m_iSteps),
               Blend(GetGValue(m_crColor1), GetGValue(m_crColor2), s, m_iSteps),
               Blend(GetBValue(m_crColor1), GetBValue(m_crColor2), s, m_iSteps));
}

COLORREF CViewBackground::GetColorAt(int y, int totalHeight) const
{
    return GetStepColor(totalHeight > 0 ? int(static_cast<long long>(m_iSteps) * y / totalHeight) : 0);
}

int CViewBackground::Paint(CDC& dc, const CBackgroundArea& area) const
{
    switch (m_iMode) {
    case kGradient: return PaintGradient(dc, area);
    case kBitmap: return PaintBitmap(dc, area);
    default: return 0;
    }
}

// N + 1 bands, each a step's colour, from the top of the content to its bottom.
int CViewBackground::PaintGradient(CDC& dc, const CBackgroundArea& area) const
{
    const CRect& rect = area.m_rect;
    const int height = std::max(area.m_total.cy, rect.Height());
    for (int i = 0; i <= m_iSteps; ++i) {
        const int top = int(static_cast<long long>(i) * height / m_iSteps) - area.m_scroll.y + rect.top;
        const int bottom = top + height / m_iSteps + 1;
        if (bottom <= 0 || top > rect.bottom)
            continue;
        const CRect band(rect.left, top, rect.right, bottom);
        dc.FillSolidRect(&band, GetStepColor(i));
    }
    return 1;
}

int CViewBackground::PaintBitmap(CDC& dc, const CBackgroundArea& area) const
{
    if (!m_pBitmap)
        return 0;
    const CSize size = m_pBitmap->GetSize();
    if (size.cx <= 0 || size.cy <= 0)
        return 0;
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    memory.SelectObject(m_pBitmap.get());
    const CRect& rect = area.m_rect;
    for (int y = -(area.m_scroll.y % size.cy); y < rect.bottom; y += size.cy)
        for (int x = -(area.m_scroll.x % size.cx); x < rect.right; x += size.cx)
            dc.BitBlt(x, y, size.cx, size.cy, &memory, 0, 0, SRCCOPY);
    return 1;
}
