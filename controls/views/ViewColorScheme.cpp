#include "controls/views/ViewColorScheme.h"

#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"
#include "platform/ui/window/Wnd.h"

namespace {

// Statics with all three low style bits set are placed by their top edge.
constexpr DWORD kTopAlignedStyle = 0x7;

} // namespace

bool ScreenHasColors()
{
    CDC screen;
    return screen.GetDeviceCaps(BITSPIXEL) > 8;
}

CViewColorScheme::CViewColorScheme()
    : m_crTextColor(GetSysColor(COLOR_BTNTEXT)), m_crBackColor(GetSysColor(COLOR_BTNFACE))
{
}

int CViewColorScheme::Setup(CWnd* owner, COLORREF backColor, COLORREF textColor, int mode)
{
    if (owner)
        m_pOwner = owner;
    if (!m_pOwner)
        return 0;
    if (backColor != COLORREF(-1))
        m_crBackColor = backColor;
    if (textColor != COLORREF(-1))
        m_crTextColor = textColor;
    if (mode != -1)
        m_iMode = mode;
    if (!ScreenHasColors() && !m_bForce)
        m_iMode = CViewBackground::kNone;
    if (m_iMode != CViewBackground::kNone) {
        m_pBrush.reset();
        if (m_iMode == CViewBackground::kBitmap && backColor != COLORREF(-1))
            m_pBrush = std::make_unique<CBrush>(m_crBackColor);
    }
    m_bSetUp = 1;
    // Every child asks for its colours again as it repaints.
    m_pOwner->Invalidate();
    return 1;
}

int CViewColorScheme::PaintBackground(CDC& dc, const CBackgroundArea& area) const
{
    return m_iMode == CViewBackground::kNone ? 0 : m_background.Paint(dc, area);
}

CBrush* CViewColorScheme::ChildColors(CDC& dc, CWnd& child, CBrush* frameworkBrush, int scrollY,
                                      int height)
{
    if (!m_bSetUp || m_iMode == CViewBackground::kNone || child.GetClassName() == "Button")
        return frameworkBrush;
    if (child.IsWindowEnabled())
        dc.SetTextColor(m_crTextColor);
    dc.SetBkMode(TRANSPARENT);
    if (m_iMode == CViewBackground::kGradient) {
        m_pBrush = std::make_unique<CBrush>(ChildGradientColor(child, scrollY, height));
        return m_pBrush.get();
    }
    return m_pBrush ? m_pBrush.get() : frameworkBrush;
}

COLORREF CViewColorScheme::ChildGradientColor(CWnd& child, int scrollY, int height) const
{
    CRect rect;
    child.GetWindowRect(&rect);
    if (m_pOwner)
        m_pOwner->ScreenToClient(&rect);
    const bool byTop = (child.GetStyle() & kTopAlignedStyle) == kTopAlignedStyle;
    const int reference = byTop ? rect.top : (rect.top + rect.bottom) / 2;
    return m_background.GetColorAt(reference + scrollY, height);
}
