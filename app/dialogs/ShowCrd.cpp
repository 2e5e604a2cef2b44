#include "app/dialogs/ShowCrd.h"

#include <algorithm>
#include <iterator>

namespace {

struct CreditLine {
    unsigned char style; // 1: a heading, 0: a line under it
    const char* text;
};

// The window's height of blank lines first, so that the text comes in from below.
constexpr CreditLine kCredits[] = {
    {0, ""}, {0, ""}, {0, ""}, {0, ""}, {0, ""}, {0, ""}, {0, ""}, {0, ""}, {0, ""}, {0, ""},
    {1, "Tarvello Zod"},
    {0, "Bids for public construction"},
    {0, ""},
    {1, "Proposals and Amendments"},
    {0, "Reading, amending and saving"},
    {0, "the agency's proposal files"},
    {0, ""},
    {1, "Pricing and Checking"},
    {0, "Schedules of items, alternates and options"},
    {0, "DBE, MBE and WBE commitments"},
    {0, "Check Zod"},
    {0, ""},
    {1, "Reports"},
    {0, "Bids, quotes and error lists"},
    {0, ""},
    {1, "With Thanks"},
    {0, "To the letting agencies"},
    {0, "who publish their proposals"},
    {0, "and to the contractors"},
    {0, "who price them"},
    {0, ""}, {0, ""}, {0, ""},
};

constexpr COLORREF kHeadingColor = RGB(255, 255, 255);
constexpr COLORREF kLineColor = RGB(255, 255, 0);

// 65 bands from black at the top to blue at the bottom.
void PaintGradient(CDC& dc, const CRect& area)
{
    const int band = area.Height() / 64 + 1;
    for (int i = 0; i <= 64; ++i)
        dc.FillSolidRect(area.left, area.top + i * band, area.Width(), band, RGB(0, 0, i * 255 / 64));
}

void MakeSurface(CDC& dc, CBitmap& bitmap, const CRect& area)
{
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(nullptr, area.Width(), area.Height());
    dc.SelectObject(&bitmap);
}

} // namespace

bool CShowCrd::OnInitDialog()
{
    CDialog::OnInitDialog();
    GetClientRect(&m_rcClient);
    m_fonts[0].CreateFont(14, 0, 0, 0, 600, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
    m_fonts[1].CreateFont(18, 0, 0, 0, 900, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
    CDC measure;
    for (CFont& font : m_fonts) {
        measure.SelectObject(&font);
        TEXTMETRIC metrics{};
        measure.GetTextMetrics(&metrics);
        m_iLineHeight = std::max<int>(m_iLineHeight, metrics.tmHeight + metrics.tmExternalLeading);
    }
    MakeSurface(m_backgroundDC, m_background, m_rcClient);
    PaintGradient(m_backgroundDC, m_rcClient);
    MakeSurface(m_surfaceDC, m_surface, m_rcClient);
    m_iTotalHeight = int(std::size(kCredits)) * m_iLineHeight;
    m_uTimer = SetTimer(kTimerId, kIntervalMs);
    return true;
}

void CShowCrd::OnTimer(UINT_PTR id)
{
    if (id != kTimerId || m_iTotalHeight <= 0)
        return;
    const int unwrapped = m_iOffset + m_iStep;
    m_iOffset = unwrapped % m_iTotalHeight;
    // A wrap counts once, whether or not the step divides the height.
    if (m_iOffset != unwrapped && ++m_iPasses > kMaxPasses)
        PostMessage(WM_CLOSE);
    const int width = m_rcClient.Width(), height = m_rcClient.Height();
    m_surfaceDC.BitBlt(0, 0, width, height, &m_backgroundDC, 0, 0, SRCCOPY);
    DrawLines(m_surfaceDC);
    CClientDC dc(this);
    dc.BitBlt(m_rcClient.left, m_rcClient.top, width, height, &m_surfaceDC, 0, 0, SRCCOPY);
}

void CShowCrd::DrawLines(CDC& dc)
{
    dc.SetBkMode(TRANSPARENT);
    for (std::size_t i = 0; i < std::size(kCredits); ++i) {
        const int top = int(i) * m_iLineHeight - m_iOffset;
        if (top + m_iLineHeight < 0)
            continue;
        if (top > m_rcClient.Height())
            break;
        const CreditLine& line = kCredits[i];
        dc.SelectObject(&m_fonts[line.style > 0 ? 1 : 0]);
        dc.SetTextColor(line.style > 0 ? kHeadingColor : kLineColor);
        CRect place(0, top, m_rcClient.Width(), top + m_iLineHeight);
        dc.DrawText(line.text, &place, DT_CENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
    }
}

bool CShowCrd::OnEraseBkgnd(CDC* dc)
{
    CRect client;
    GetClientRect(&client);
    PaintGradient(*dc, client);
    return true;
}

void CShowCrd::OnDestroy()
{
    if (m_uTimer)
        KillTimer(m_uTimer);
    m_uTimer = 0;
}
