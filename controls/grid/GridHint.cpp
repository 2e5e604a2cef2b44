#include "controls/grid/GridHint.h"

#include <algorithm>

#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"

namespace {
constexpr int kAlignRight = 2;
constexpr int kAlignCentre = 4;
constexpr int kAlignBottom = 0x10;
constexpr int kAlignMiddle = 0x20;
constexpr int kTextRoom = 4;
}  // namespace

bool CGridHint::Create(CWnd* owner, CBrush* background)
{
    m_owner = owner;
    m_brushColor = background ? background->Color() : GetSysColor(COLOR_INFOBK);
    const DWORD exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    if (!CreateEx(exStyle, "HintWnd", "", WS_POPUP | WS_BORDER, CRect(0, 0, 1, 1), nullptr, 0))
        return false;
    CDC dc;
    dc.SelectObject(HintFont());
    m_lineHeight = dc.GetTextExtent("X").cy;
    return true;
}

CFont* CGridHint::HintFont() const
{
    return m_font ? m_font : GetFont();
}

int CGridHint::SetText(const char* text, bool repaint)
{
    m_text = text ? text : "";
    if (repaint && IsWindow())
        Invalidate();
    return 0;
}

int CGridHint::SetAlignment(int flags)
{
    m_alignment = flags;
    return 0;
}

int CGridHint::SetHintFont(CFont* font)
{
    m_font = font;
    CDC dc;
    dc.SelectObject(HintFont());
    m_lineHeight = dc.GetTextExtent("X").cy;
    return 0;
}

void CGridHint::Hide()
{
    ShowWindow(SW_HIDE);
}

void CGridHint::Show()
{
    if (!IsWindowVisible())
        ShowWindow(SW_SHOWNA);
}

CRect CGridHint::Placed(int x, int y, int width) const
{
    const int height = m_lineHeight;
    const int left = (m_alignment & kAlignCentre) ? x - width / 2 : (m_alignment & kAlignRight) ? x - width : x;
    const int top = (m_alignment & kAlignMiddle) ? y - height / 2 : (m_alignment & kAlignBottom) ? y - height : y;
    return CRect(left, top, left + width, top + height);
}

void CGridHint::MoveHint(int x, int y, int minimumWidth)
{
    CDC dc;
    dc.SelectObject(HintFont());
    const int width = std::max<int>(dc.GetTextExtent(m_text).cx + kTextRoom, minimumWidth);
    CRect place = Placed(x, y, width);
    if (m_owner && m_owner->IsWindow()) {
        CRect area;
        m_owner->GetClientRect(&area);
        // Kept inside the owner: pushed in from whichever edge it passes.
        place.OffsetRect(place.left < 0 ? -place.left : std::min<int>(0, area.right - place.right),
                         place.top < 0 ? -place.top : std::min<int>(0, area.bottom - place.bottom));
    }
    m_placement = place;
    CRect screen = place;
    if (m_owner)
        m_owner->ClientToScreen(&screen);
    Hide();
    MoveWindow(&screen, false);
    Show();
    UpdateWindow();
}

bool CGridHint::OnEraseBkgnd(CDC* dc)
{
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, m_brushColor);
    return true;
}

void CGridHint::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.SelectObject(HintFont());
    dc.SetTextColor(m_textColor);
    dc.SetBkColor(m_backColor);
    dc.SetBkMode(OPAQUE);
    dc.DrawText(m_text, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
