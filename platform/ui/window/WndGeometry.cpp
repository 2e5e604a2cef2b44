// Showing, placing and measuring windows, and the parts of them waiting to be painted.
#include "platform/ui/window/Wnd.h"

#include "platform/ui/window/WndBridge.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

QRect ToQRect(const RECT& r)
{
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

CRect FromQRect(const QRect& r)
{
    return CRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}

} // namespace

bool CWnd::ShowWindow(int command)
{
    if (!m_widget)
        return false;
    const bool wasVisible = !m_widget->isHidden();
    // Hints, drop lists and the splash appear without taking the focus from where it is.
    const bool quiet = command == SW_SHOWNA || command == SW_SHOWNOACTIVATE ||
                       command == SW_SHOWMINNOACTIVE;
    m_widget->setAttribute(Qt::WA_ShowWithoutActivating, quiet);
    switch (command) {
    case SW_HIDE: m_widget->hide(); break;
    case SW_MAXIMIZE: m_widget->showMaximized(); break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE: m_widget->showMinimized(); break;
    case SW_RESTORE:
    case SW_SHOWNORMAL: m_widget->isWindow() ? m_widget->showNormal() : m_widget->show(); break;
    default: m_widget->show(); break;
    }
    // A top-level window shown this way becomes the active one, as it does under a window
    // manager; without one (a bare X server) nothing else would give it the keyboard.
    const bool activates = command != SW_HIDE && command != SW_MINIMIZE &&
                           command != SW_SHOWMINIMIZED && !quiet;
    if (activates && m_widget->isWindow())
        m_widget->activateWindow();
    return wasVisible;
}

bool CWnd::IsWindowVisible() const
{
    return m_widget && m_widget->isVisible();
}

bool CWnd::IsIconic() const
{
    return m_widget && m_widget->isMinimized();
}

bool CWnd::IsZoomed() const
{
    return m_widget && m_widget->isMaximized();
}

bool CWnd::EnableWindow(bool enable)
{
    if (!m_widget)
        return false;
    const bool wasDisabled = GetStyle() & WS_DISABLED;
    m_widget->setEnabled(enable);
    return wasDisabled;
}

bool CWnd::IsWindowEnabled() const
{
    return m_widget && m_widget->isEnabled();
}

QPoint CWnd::ParentOrigin() const
{
    const bool child = m_widget && !m_widget->isWindow();
    CWnd* parent = child ? GetParent() : nullptr;
    return parent && parent->m_widget == m_widget->parentWidget() ? parent->ClientOrigin() : QPoint();
}

void CWnd::MoveWindow(int x, int y, int width, int height, bool repaint)
{
    if (!m_widget)
        return;
    const QPoint origin = ParentOrigin();
    m_widget->setGeometry(x + origin.x(), y + origin.y(), std::max(0, width), std::max(0, height));
    DispatchSize();
    if (repaint)
        Invalidate();
}

void CWnd::MoveWindow(const RECT* rect, bool repaint)
{
    if (rect)
        MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                   repaint);
}

bool CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    if (!m_widget)
        return false;
    if (!(flags & (SWP_NOMOVE | SWP_NOSIZE))) {
        MoveWindow(x, y, cx, cy, !(flags & SWP_NOREDRAW));
    } else if (!(flags & SWP_NOSIZE)) {
        m_widget->resize(std::max(0, cx), std::max(0, cy));
        DispatchSize();
    } else if (!(flags & SWP_NOMOVE)) {
        const QPoint origin = ParentOrigin();
        m_widget->move(x + origin.x(), y + origin.y());
    }
    if (!(flags & SWP_NOZORDER)) {
        if (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
            const bool shown = !m_widget->isHidden();
            m_widget->setWindowFlag(Qt::WindowStaysOnTopHint, insertAfter == HWND_TOPMOST);
            m_widget->setVisible(shown);
            m_exStyle = insertAfter == HWND_TOPMOST ? m_exStyle | WS_EX_TOPMOST : m_exStyle & ~WS_EX_TOPMOST;
        } else if (insertAfter == HWND_BOTTOM) {
            m_widget->lower();
        } else if (insertAfter == HWND_TOP) {
            m_widget->raise();
        } else if (insertAfter->m_widget) {
            m_widget->stackUnder(insertAfter->m_widget);
        }
    }
    if (flags & SWP_FRAMECHANGED)
        m_widget->update();
    if (flags & SWP_HIDEWINDOW)
        ShowWindow(SW_HIDE);
    else if (flags & SWP_SHOWWINDOW)
        ShowWindow(flags & SWP_NOACTIVATE ? SW_SHOWNA : SW_SHOW);
    return true;
}

bool CWnd::GetWindowPlacement(WINDOWPLACEMENT* placement) const
{
    if (!m_widget || !placement)
        return false;
    *placement = WINDOWPLACEMENT{};
    placement->showCmd = m_widget->isMaximized() ? SW_SHOWMAXIMIZED
                         : m_widget->isMinimized() ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
    // The place the window has when it is neither maximised nor minimised.
    const QRect normal = m_widget->isWindow() && !m_widget->normalGeometry().isEmpty()
                             ? m_widget->normalGeometry()
                             : m_widget->geometry();
    placement->rcNormalPosition = FromQRect(normal);
    return true;
}

bool CWnd::SetWindowPlacement(const WINDOWPLACEMENT* placement)
{
    if (!m_widget || !placement)
        return false;
    m_widget->setGeometry(ToQRect(placement->rcNormalPosition));
    if (placement->showCmd != SW_HIDE || !m_widget->isHidden())
        ShowWindow(int(placement->showCmd));
    DispatchSize();
    return true;
}

void CWnd::CenterWindow(CWnd* alternateOwner)
{
    if (!m_widget)
        return;
    CRect area;
    CWnd* owner = alternateOwner ? alternateOwner : GetParent();
    if (owner && owner->IsWindowVisible())
        owner->GetWindowRect(&area);
    else
        SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0);
    CRect self;
    GetWindowRect(&self);
    CPoint topLeft(area.left + (area.Width() - self.Width()) / 2,
                   area.top + (area.Height() - self.Height()) / 2);
    if (!m_widget->isWindow()) {
        GetParent()->ScreenToClient(&topLeft);
        SetWindowPos(nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    } else {
        m_widget->move(topLeft.x, topLeft.y);
    }
}

void CWnd::SetNonClientEdges(int right, int bottom)
{
    m_nonClient = CSize(right, bottom);
}

QRect CWnd::WidgetRectOf(const CRect& client) const
{
    return ToQRect(client).translated(ClientOrigin());
}

void CWnd::GetClientRect(RECT* rect) const
{
    if (!rect)
        return;
    const int frame = 2 * m_border;
    *rect = m_widget ? CRect(0, 0, std::max(0, m_widget->width() - frame - int(m_nonClient.cx)),
                             std::max(0, m_widget->height() - frame - int(m_nonClient.cy)))
                     : CRect();
}

void CWnd::GetWindowRect(RECT* rect) const
{
    if (!rect)
        return;
    if (!m_widget) {
        *rect = CRect();
        return;
    }
    const QPoint origin = m_widget->mapToGlobal(QPoint(0, 0));
    *rect = CRect(origin.x(), origin.y(), origin.x() + m_widget->width(),
                  origin.y() + m_widget->height());
}

void CWnd::ClientToScreen(POINT* point) const
{
    if (!point || !m_widget)
        return;
    const QPoint p = m_widget->mapToGlobal(QPoint(point->x, point->y) + ClientOrigin());
    *point = CPoint(p.x(), p.y());
}

void CWnd::ClientToScreen(RECT* rect) const
{
    if (!rect || !m_widget)
        return;
    const QPoint d = m_widget->mapToGlobal(ClientOrigin());
    static_cast<CRect*>(rect)->OffsetRect(d.x(), d.y());
}

void CWnd::ScreenToClient(POINT* point) const
{
    if (!point || !m_widget)
        return;
    const QPoint p = m_widget->mapFromGlobal(QPoint(point->x, point->y)) - ClientOrigin();
    *point = CPoint(p.x(), p.y());
}

void CWnd::ScreenToClient(RECT* rect) const
{
    if (!rect || !m_widget)
        return;
    const QPoint d = m_widget->mapToGlobal(ClientOrigin());
    static_cast<CRect*>(rect)->OffsetRect(-d.x(), -d.y());
}

void CWnd::Invalidate(bool erase)
{
    InvalidateRect(nullptr, erase);
}

void CWnd::InvalidateRect(const RECT* rect, bool)
{
    if (!m_widget)
        return;
    CRect client;
    GetClientRect(&client);
    const QRect area = WidgetRectOf(rect ? CRect(*rect) : client).intersected(WidgetRectOf(client));
    if (area.isEmpty())
        return;
    m_invalid += area;
    // What client DCs drew there goes with the next paint, as it would on the screen.
    if (m_overlay) {
        QPainter clear(m_overlay.get());
        clear.setCompositionMode(QPainter::CompositionMode_Clear);
        clear.fillRect(area, Qt::transparent);
    }
    m_widget->update(area);
}

void CWnd::ValidateRect(const RECT* rect)
{
    if (!rect)
        m_invalid = QRegion();
    else
        m_invalid -= WidgetRectOf(CRect(*rect));
}

bool CWnd::GetUpdateRect(RECT* rect, bool) const
{
    const QRect b = m_invalid.boundingRect().translated(-ClientOrigin());
    if (rect)
        *rect = m_invalid.isEmpty() ? CRect() : FromQRect(b);
    return !m_invalid.isEmpty();
}

void CWnd::UpdateWindow()
{
    if (m_widget && !m_invalid.isEmpty() && m_widget->isVisible())
        m_widget->repaint(m_invalid);
}

void CWnd::ScrollWindow(int dx, int dy, const RECT* scrollRect, const RECT* clipRect)
{
    if (!m_widget || (dx == 0 && dy == 0))
        return;
    CRect client;
    GetClientRect(&client);
    QRect area = WidgetRectOf(scrollRect ? CRect(*scrollRect) : client);
    if (clipRect)
        area = area.intersected(WidgetRectOf(CRect(*clipRect)));
    if (!scrollRect) {
        // The whole client area: children move with it, borders stay.
        for (QObject* object : m_widget->children())
            if (auto* child = qobject_cast<QWidget*>(object); child && !child->isWindow())
                child->move(child->pos() + QPoint(dx, dy));
    }
    // Qt repaints what the move uncovers; the window hears of it as an area to paint.
    const QRegion uncovered = QRegion(area) - QRegion(area.translated(dx, dy));
    m_invalid = m_invalid.translated(dx, dy) + uncovered;
    m_widget->scroll(dx, dy, area);
}

bool SystemParametersInfo(UINT action, UINT, void* value, UINT)
{
    if (action != SPI_GETWORKAREA || !value)
        return false;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    *static_cast<RECT*>(value) = FromQRect(area);
    return true;
}

void CWnd::SetRedraw(bool redraw)
{
    if (!m_widget)
        return;
    m_widget->setUpdatesEnabled(redraw);
    if (redraw)
        Invalidate();
}
