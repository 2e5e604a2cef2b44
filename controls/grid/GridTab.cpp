#include "controls/grid/GridTab.h"

#include <algorithm>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"
#include "platform/ui/window/Cursor.h"

namespace {
constexpr int kEdgeGrab = 7;
constexpr int kNarrowest = 5;
constexpr int kParentMargin = 15;
constexpr int kOverscroll = 20;
constexpr int kArrowStep = 5;
constexpr int kLeftMargin = 5;
constexpr int kRightMargin = 19;
}  // namespace

CGridTab::CGridTab() : m_arrowsWidth(2 * GetSystemMetrics(SM_CXHSCROLL))
{
    m_font.CreateFont(14, 0, 0, 0, 500, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
}

CGridTab::~CGridTab() = default;

int CGridTab::OnCreate(CREATESTRUCT* create)
{
    if (CGridSection<CWnd>::OnCreate(create) == -1)
        return -1;
    m_arrows.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(), this, kArrowsId);
    return 0;
}

void CGridTab::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    m_arrows.MoveWindow(0, 1, m_arrowsWidth, std::max(0, cy - 1));
}

int CGridTab::AddTab(const char* label, int width, int id)
{
    if (GetTabCount() >= kMaxTabs)
        return -1;
    m_tabs.push_back({label ? label : "", std::max(0, width), id});
    if (m_currentTab < 0)
        m_currentTab = 0;
    Invalidate(false);
    return GetTabCount() - 1;
}

int CGridTab::GetLargestOffset() const
{
    CRect client;
    GetClientRect(&client);
    long long total = m_arrowsWidth;
    for (const Tab& tab : m_tabs)
        total += tab.width;
    const long long beyond = total - client.Width();
    return beyond > 0 ? static_cast<int>(beyond + kOverscroll) : 0;
}

int CGridTab::TabLeft(int index) const
{
    int x = m_arrowsWidth - m_offset;
    for (int i = 0; i < index; ++i)
        x += m_tabs[static_cast<std::size_t>(i)].width;
    return x;
}

int CGridTab::TabAt(CPoint point) const
{
    for (int i = 0; i < GetTabCount(); ++i) {
        const int left = TabLeft(i);
        // A tab answers for its width and two pixels more.
        if (point.x >= left && point.x < left + m_tabs[static_cast<std::size_t>(i)].width + 2)
            return i;
    }
    return -1;
}

void CGridTab::ScrollTo(int offset, int largest)
{
    m_offset = std::clamp(offset, 0, std::max(0, largest));
    Invalidate(false);
}

void CGridTab::SelectTab(int index)
{
    m_currentTab = index;
    CRect client;
    GetClientRect(&client);
    // Scrolled so the whole tab shows, with a little room either side.
    const int left = TabLeft(index) + m_offset;
    const int right = left + m_tabs[static_cast<std::size_t>(index)].width;
    int offset = m_offset;
    if (left - offset < m_arrowsWidth + kLeftMargin)
        offset = left - m_arrowsWidth - kLeftMargin;
    else if (right - offset > client.right - kRightMargin)
        offset = right - client.right + kRightMargin;
    ScrollTo(offset, GetLargestOffset());
    if (m_grid)
        m_grid->OnSheetTabSelected(m_tabs[static_cast<std::size_t>(index)].id);
}

void CGridTab::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.IntersectClipRect(m_arrowsWidth, 0, client.right, client.bottom);
    for (int i = 0; i < GetTabCount(); ++i) {
        const Tab& tab = m_tabs[static_cast<std::size_t>(i)];
        CRect rect(TabLeft(i), 0, TabLeft(i) + tab.width, client.bottom - 1);
        // The current tab is white and joined to the sheet above; the others sit behind.
        dc.FillSolidRect(&rect, i == m_currentTab ? GetSysColor(COLOR_WINDOW) : GetSysColor(COLOR_BTNFACE));
        dc.Draw3dRect(&rect, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
        dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
        dc.DrawText(tab.label, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

void CGridTab::OnMouseMove(UINT flags, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (m_sizing && m_grid && m_info) {
        CRect parent;
        m_grid->GetClientRect(&parent);
        m_info->m_tabWidth = std::clamp<int>(point.x, kNarrowest, std::max(kNarrowest, parent.Width() - kParentMargin));
        m_grid->SetLayoutOnly(1);
        m_grid->RecalcLayout();
        m_grid->SetLayoutOnly(0);
        return;
    }
    if (flags & MK_LBUTTON)
        return;
    m_sizeArmed = point.x > client.right - kEdgeGrab;
    SetCursor(LoadStandardCursor(m_sizeArmed ? IDC_SIZEWE : IDC_ARROW));
}

void CGridTab::OnLButtonDown(UINT, CPoint point)
{
    if (m_sizeArmed) {
        m_sizing = true;
        SetCapture();
        return;
    }
    if (const int index = TabAt(point); index >= 0)
        SelectTab(index);
}

void CGridTab::OnLButtonUp(UINT, CPoint)
{
    if (!m_sizing)
        return;
    m_sizing = false;
    if (GetCapture() == this)
        ReleaseCapture();
}

void CGridTab::OnRButtonDown(UINT, CPoint point)
{
    if (!m_grid || !m_info || !m_info->m_popupMenu)
        return;
    CPoint screen = point;
    ClientToScreen(&screen);
    m_grid->StartMenu(TabAt(point), 0, &screen, GRID_SECTION_TABS);
}

void CGridTab::OnHScroll(UINT code, UINT, CScrollBar*)
{
    // The arrows scroll the strip a few pixels at a time.
    const int largest = std::max(0, GetLargestOffset() - kArrowStep);
    if (code == SB_LINELEFT)
        ScrollTo(m_offset - kArrowStep, largest);
    else if (code == SB_LINERIGHT)
        ScrollTo(m_offset + kArrowStep, largest);
}
