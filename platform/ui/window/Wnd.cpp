// Creation, identity and geometry of windows.
#include "platform/ui/window/Wnd.h"

#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"
#include "platform/ui/window/WinText.h"
#include "platform/ui/window/WndBridge.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <deque>

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    DestroyWindow();
}

QWidget* CWnd::CreateWidget(QWidget* parent, DWORD)
{
    return new platform::WndWidget(parent);
}

bool CWnd::Create(const char*, const char* windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id)
{
    if (m_widget || (parent && !parent->m_widget))
        return false;
    QWidget* widget = CreateWidget(parent ? parent->m_widget.data() : nullptr, style);
    if (!widget)
        return false;
    m_id = id;
    m_style = style;
    Bind(widget, true);
    if (style & WS_TABSTOP)
        widget->setFocusPolicy(Qt::StrongFocus);
    CRect r(rect);
    widget->setGeometry(r.left, r.top, std::max(0, r.Width()), std::max(0, r.Height()));
    if (windowName && *windowName)
        SetWindowText(windowName);
    widget->setEnabled(!(style & WS_DISABLED));
    CREATESTRUCT create{parent, id, style, r, windowName ? windowName : ""};
    if (OnCreate(&create) == -1) {
        DestroyWindow();
        return false;
    }
    DispatchSize();
    if (m_widget && (style & WS_VISIBLE))
        m_widget->show();
    return m_widget != nullptr;
}

bool CWnd::Attach(QWidget* widget, UINT id)
{
    if (m_widget || !widget || platform::WindowOfWidget(widget))
        return false;
    m_id = id;
    Bind(widget, false);
    return true;
}

QWidget* CWnd::Detach()
{
    QWidget* widget = m_widget;
    Unbind();
    return widget;
}

void CWnd::Bind(QWidget* widget, bool owned)
{
    m_widget = widget;
    m_ownsWidget = owned;
    m_bridge = new platform::WndBridge(this, widget);
    platform::RegisterWidget(widget, this);
    platform::EnsureFocusTracking();
}

void CWnd::Unbind()
{
    if (m_widget) {
        platform::UnregisterWidget(m_widget);
        m_widget->removeEventFilter(m_bridge);
    }
    if (platform::WndBridge* bridge = m_bridge) {
        bridge->Disconnect();
        bridge->deleteLater();
    }
    ForgetWidget();
}

void CWnd::ForgetWidget()
{
    m_timers.clear();
    platform::ForgetCapture(this);
    m_bridge = nullptr;
    m_widget = nullptr;
    m_ownsWidget = false;
    m_invalid = QRegion();
    m_lastSize = {-1, -1};
}

void CWnd::DestroyChildren()
{
    for (QWidget* child : m_widget->findChildren<QWidget*>()) {
        CWnd* wnd = platform::WindowOfWidget(child);
        if (wnd && wnd->GetParent() == this)
            wnd->DestroyWindow();
    }
}

bool CWnd::DestroyWindow()
{
    if (!m_widget)
        return false;
    OnDestroy();
    if (!m_widget)
        return true; // OnDestroy destroyed it already
    DestroyChildren();
    QWidget* widget = m_widget;
    bool owned = m_ownsWidget;
    bool dispatching = m_dispatchDepth > 0;
    Unbind();
    if (owned) {
        widget->hide();
        // Deleting a widget inside its own event handler would pull the floor away.
        if (dispatching)
            widget->deleteLater();
        else
            delete widget;
    }
    return true;
}

CWnd* CWnd::FromWidget(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (CWnd* wnd = platform::WindowOfWidget(w))
            return wnd;
    }
    return nullptr;
}

CWnd* CWnd::GetDlgItem(UINT id) const
{
    if (!m_widget)
        return nullptr;
    std::deque<QWidget*> queue{m_widget};
    while (!queue.empty()) {
        QWidget* w = queue.front();
        queue.pop_front();
        for (QObject* child : w->children()) {
            auto* cw = qobject_cast<QWidget*>(child);
            if (!cw)
                continue;
            CWnd* wnd = platform::WindowOfWidget(cw);
            if (wnd && wnd->m_id == id)
                return wnd;
            queue.push_back(cw);
        }
    }
    return nullptr;
}

CWnd* CWnd::GetParent() const
{
    return m_widget ? FromWidget(m_widget->parentWidget()) : nullptr;
}

CWnd* CWnd::GetTopLevelParent() const
{
    return m_widget ? FromWidget(m_widget->window()) : nullptr;
}

bool CWnd::ShowWindow(int command)
{
    if (!m_widget)
        return false;
    bool wasVisible = m_widget->isVisible();
    switch (command) {
    case SW_HIDE: m_widget->hide(); break;
    case SW_MAXIMIZE: m_widget->showMaximized(); break;
    case SW_MINIMIZE: m_widget->showMinimized(); break;
    case SW_RESTORE: m_widget->showNormal(); break;
    default: m_widget->show(); break;
    }
    return wasVisible;
}

bool CWnd::IsWindowVisible() const
{
    return m_widget && m_widget->isVisible();
}

bool CWnd::EnableWindow(bool enable)
{
    if (!m_widget)
        return false;
    bool wasDisabled = !m_widget->isEnabled();
    m_widget->setEnabled(enable);
    return wasDisabled;
}

bool CWnd::IsWindowEnabled() const
{
    return m_widget && m_widget->isEnabled();
}

void CWnd::MoveWindow(int x, int y, int width, int height, bool repaint)
{
    if (!m_widget)
        return;
    m_widget->setGeometry(x, y, std::max(0, width), std::max(0, height));
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

void CWnd::GetClientRect(RECT* rect) const
{
    if (!rect)
        return;
    *rect = m_widget ? CRect(0, 0, std::max(0, m_widget->width() - int(m_nonClient.cx)),
                             std::max(0, m_widget->height() - int(m_nonClient.cy)))
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
    QPoint origin = m_widget->mapToGlobal(QPoint(0, 0));
    *rect = CRect(origin.x(), origin.y(), origin.x() + m_widget->width(),
                  origin.y() + m_widget->height());
}

void CWnd::ClientToScreen(POINT* point) const
{
    if (!point || !m_widget)
        return;
    QPoint p = m_widget->mapToGlobal(QPoint(point->x, point->y));
    *point = CPoint(p.x(), p.y());
}

void CWnd::ClientToScreen(RECT* rect) const
{
    if (!rect || !m_widget)
        return;
    QPoint d = m_widget->mapToGlobal(QPoint(0, 0));
    static_cast<CRect*>(rect)->OffsetRect(d.x(), d.y());
}

void CWnd::ScreenToClient(POINT* point) const
{
    if (!point || !m_widget)
        return;
    QPoint p = m_widget->mapFromGlobal(QPoint(point->x, point->y));
    *point = CPoint(p.x(), p.y());
}

void CWnd::ScreenToClient(RECT* rect) const
{
    if (!rect || !m_widget)
        return;
    QPoint d = m_widget->mapToGlobal(QPoint(0, 0));
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
    QRect area = rect ? QRect(rect->left, rect->top, rect->right - rect->left,
                              rect->bottom - rect->top)
                      : m_widget->rect();
    area = area.intersected(m_widget->rect());
    if (area.isEmpty())
        return;
    m_invalid += area;
    m_widget->update(area);
}

void CWnd::ValidateRect(const RECT* rect)
{
    if (!rect)
        m_invalid = QRegion();
    else
        m_invalid -= QRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
}

bool CWnd::GetUpdateRect(RECT* rect, bool) const
{
    QRect b = m_invalid.boundingRect();
    if (rect)
        *rect = m_invalid.isEmpty() ? CRect()
                                    : CRect(b.left(), b.top(), b.left() + b.width(),
                                            b.top() + b.height());
    return !m_invalid.isEmpty();
}

void CWnd::UpdateWindow()
{
    if (m_widget && !m_invalid.isEmpty() && m_widget->isVisible())
        m_widget->repaint(m_invalid);
}

void CWnd::SetWidgetText(const QString& text)
{
    m_widget->setWindowTitle(text);
}

QString CWnd::WidgetText() const
{
    return m_widget->windowTitle();
}

void CWnd::SetWindowText(std::string_view text)
{
    if (m_widget)
        SetWidgetText(platform::ToQString(text));
}

std::string CWnd::GetWindowText() const
{
    return m_widget ? platform::FromQString(WidgetText()) : std::string();
}

int CWnd::GetWindowTextLength() const
{
    return int(GetWindowText().size());
}

void CWnd::SetFont(CFont* font, bool redraw)
{
    m_font = font;
    if (m_widget && font && font->IsCreated()) {
        m_widget->setFont(font->QtFont());
        if (redraw)
            Invalidate();
    }
}

CFont* CWnd::GetFont() const
{
    return m_font ? m_font : platform::StockFont();
}

int CWnd::OnCreate(CREATESTRUCT*)
{
    return 0;
}

void CWnd::OnClose()
{
    DestroyWindow();
}

void CWnd::OnPaint()
{
    Default();
}

bool CWnd::OnEraseBkgnd(CDC* dc)
{
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
    return true;
}

void CWnd::OnSize(UINT, int, int) {}
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSetFocus(CWnd*) {}
void CWnd::OnKillFocus(CWnd*) {}
void CWnd::OnTimer(UINT_PTR) {}
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) {}
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) {}

bool CWnd::OnMouseWheel(UINT, short, CPoint)
{
    Default();
    return false;
}
