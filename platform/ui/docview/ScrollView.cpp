#include "platform/ui/docview/ScrollView.h"

#include "platform/ui/controls/ScrollBar.h"
#include "platform/ui/draw/SystemMetrics.h"

#include <QWidget>

const CRuntimeClass CScrollView::classCScrollView{"CScrollView", nullptr, RUNTIME_CLASS(CView)};

CScrollView::CScrollView() = default;
CScrollView::~CScrollView() = default;

int CScrollView::OnCreate(CREATESTRUCT* create)
{
    if (CView::OnCreate(create) == -1)
        return -1;
    m_horz = std::make_unique<CScrollBar>();
    m_vert = std::make_unique<CScrollBar>();
    const CRect none;
    if (!m_horz->Create(nullptr, nullptr, WS_CHILD | SBS_HORZ, none, this, 0) ||
        !m_vert->Create(nullptr, nullptr, WS_CHILD | SBS_VERT, none, this, 0))
        return -1;
    return 0;
}

bool CScrollView::IsOwnPart(const CWnd* child) const
{
    return child && (child == m_horz.get() || child == m_vert.get());
}

void CScrollView::SetScrollSizes(int mapMode, SIZE total, const SIZE& page, const SIZE& line)
{
    if (mapMode != MM_TEXT)
        return;
    m_total = CSize(std::max<int>(0, total.cx), std::max<int>(0, total.cy));
    m_page = page;
    m_line = line;
    UpdateBars();
}

CPoint CScrollView::Limit() const
{
    CRect client;
    GetClientRect(&client);
    return {std::max(0, m_total.cx - client.Width()), std::max(0, m_total.cy - client.Height())};
}

void CScrollView::UpdateBars()
{
    if (!GetWidget() || !m_horz || m_updating)
        return;
    m_updating = true;
    const int width = GetWidget()->width();
    const int height = GetWidget()->height();
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = GetSystemMetrics(SM_CYHSCROLL);
    // A bar narrows the area, which can bring the other one.
    bool horz = m_total.cx > width;
    bool vert = m_total.cy > height - (horz ? barHeight : 0);
    horz = m_total.cx > width - (vert ? barWidth : 0);
    m_showHorz = horz;
    m_showVert = vert;
    SetNonClientEdges(vert ? barWidth : 0, horz ? barHeight : 0);
    CRect client;
    GetClientRect(&client);
    m_pageUsed = CSize(m_page.cx > 0 ? m_page.cx : m_total.cx / 10,
                       m_page.cy > 0 ? m_page.cy : m_total.cy / 10);
    m_lineUsed = CSize(m_line.cx > 0 ? m_line.cx : std::max(1, m_pageUsed.cx / 10),
                       m_line.cy > 0 ? m_line.cy : std::max(1, m_pageUsed.cy / 10));
    m_horz->MoveWindow(0, client.Height(), client.Width(), barHeight, false);
    m_vert->MoveWindow(client.Width(), 0, barWidth, client.Height(), false);
    m_horz->ShowWindow(horz ? SW_SHOW : SW_HIDE);
    m_vert->ShowWindow(vert ? SW_SHOW : SW_HIDE);
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 0, std::max(0, m_total.cx - 1),
                    UINT(client.Width()), 0, 0};
    m_horz->SetScrollInfo(&info);
    info.nMax = std::max(0, m_total.cy - 1);
    info.nPage = UINT(client.Height());
    m_vert->SetScrollInfo(&info);
    m_updating = false;
    ScrollToPosition(m_position); // a larger window may leave less to scroll
}

void CScrollView::ScrollToPosition(POINT position)
{
    const CPoint limit = Limit();
    const CPoint target(std::clamp<int>(position.x, 0, limit.x), std::clamp<int>(position.y, 0, limit.y));
    if (m_horz) {
        m_horz->SetScrollPos(target.x);
        m_vert->SetScrollPos(target.y);
    }
    if (target == m_position)
        return;
    const CSize delta = m_position - target;
    m_position = target;
    // The content moves, and the child windows on it with it.
    if (QWidget* widget = GetWidget()) {
        for (QObject* child : widget->children()) {
            auto* w = qobject_cast<QWidget*>(child);
            if (w && w != m_horz->GetWidget() && w != m_vert->GetWidget())
                w->move(w->x() + delta.cx, w->y() + delta.cy);
        }
    }
    Invalidate();
}

void CScrollView::OnPrepareDC(CDC* dc, CPrintInfo* info)
{
    // Printing draws the document from its origin; the screen from the scroll position.
    if (dc && !info)
        dc->SetViewportOrg(-m_position.x, -m_position.y);
    CView::OnPrepareDC(dc, info);
}

void CScrollView::OnSize(UINT type, int cx, int cy)
{
    CView::OnSize(type, cx, cy);
    UpdateBars();
}

int CScrollView::Scrolled(UINT code, UINT position, int current, int page, int line,
                          int limit) const
{
    switch (code) {
    case SB_LINEUP: return current - line;
    case SB_LINEDOWN: return current + line;
    case SB_PAGEUP: return current - page;
    case SB_PAGEDOWN: return current + page;
    case SB_TOP: return 0;
    case SB_BOTTOM: return limit;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return int(position);
    default: return current;
    }
}

void CScrollView::OnHScroll(UINT code, UINT position, CScrollBar*)
{
    const int x = Scrolled(code, position, m_position.x, m_pageUsed.cx, m_lineUsed.cx, Limit().x);
    ScrollToPosition(CPoint(x, m_position.y));
}

void CScrollView::OnVScroll(UINT code, UINT position, CScrollBar*)
{
    const int y = Scrolled(code, position, m_position.y, m_pageUsed.cy, m_lineUsed.cy, Limit().y);
    ScrollToPosition(CPoint(m_position.x, y));
}

bool CScrollView::OnMouseWheel(UINT, short delta, CPoint)
{
    if (!m_showVert)
        return false;
    // Three lines a notch, as the desktop's default.
    const int lines = -(delta / WHEEL_DELTA) * 3;
    ScrollToPosition(CPoint(m_position.x, m_position.y + lines * m_lineUsed.cy));
    return true;
}
