// Creation, destruction and identity of windows.
#include "platform/ui/window/Wnd.h"

#include "platform/ui/window/DeferredDelete.h"

#include "platform/ui/window/InputState.h"
#include "platform/ui/window/Menu.h"
#include "platform/ui/window/ResourceRegistry.h"
#include "platform/ui/window/WinText.h"
#include "platform/ui/window/WndBridge.h"

#include <QApplication>
#include <QTimer>
#include <QIcon>
#include <QPixmap>
#include <QImage>
#include <QWidget>
#include <deque>

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (!m_widget)
        return;
    m_destroying = true;
    TearDown();
}

QWidget* CWnd::CreateWidget(QWidget* parent, DWORD)
{
    return new platform::WndWidget(parent);
}

bool CWnd::CanAdopt(const QWidget* widget) const
{
    return dynamic_cast<const platform::WndWidget*>(widget) != nullptr;
}

QObject* CWnd::Context() const
{
    return m_bridge;
}

bool CWnd::StillBound(const QPointer<QObject>& bridge, const CWnd* window)
{
    // A bridge being let go has forgotten its window already, before Qt deletes it.
    return bridge && static_cast<platform::WndBridge*>(bridge.data())->Window() == window;
}

namespace {

Qt::WindowFlags TopLevelFlags(DWORD style, DWORD exStyle)
{
    // A pop-up that must never be activated (a hint) is the kind no window system activates.
    const bool neverActive = (style & WS_POPUP) && (exStyle & WS_EX_NOACTIVATE);
    Qt::WindowFlags flags = neverActive ? Qt::ToolTip
                            : (style & WS_POPUP) || (exStyle & WS_EX_TOOLWINDOW) ? Qt::Tool
                                                                                : Qt::Window;
    if ((style & WS_POPUP) && (style & WS_CAPTION) != WS_CAPTION)
        flags |= Qt::FramelessWindowHint;
    if (exStyle & WS_EX_TOPMOST)
        flags |= Qt::WindowStaysOnTopHint;
    if (exStyle & WS_EX_NOACTIVATE)
        flags |= Qt::WindowDoesNotAcceptFocus;
    return flags;
}

} // namespace

bool CWnd::Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id)
{
    return CreateEx(m_exStyle, className, windowName, style, rect, parent, id);
}

bool CWnd::CreateEx(DWORD exStyle, const char*, const char* windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id)
{
    if (m_widget || (parent && !parent->m_widget))
        return false;
    const bool child = parent && !(style & WS_POPUP);
    QWidget* widget = CreateWidget(parent ? parent->m_widget.data() : nullptr, style);
    if (!widget)
        return false;
    if (!child)
        widget->setWindowFlags(TopLevelFlags(style, exStyle));
    m_id = id;
    m_style = style & ~(WS_VISIBLE | WS_DISABLED);
    m_exStyle = exStyle;
    Bind(widget, true);
    ConnectWidget();
    ApplyInitialStyle(style);
    CRect r(rect);
    const QPoint origin = child ? parent->ClientOrigin() : QPoint();
    widget->setGeometry(r.left + origin.x(), r.top + origin.y(), std::max(0, r.Width()),
                        std::max(0, r.Height()));
    if (windowName && *windowName)
        SetWindowText(windowName);
    CREATESTRUCT create{parent, id, style, r, windowName ? windowName : "", exStyle};
    if (OnCreate(&create) == -1) {
        DestroyWindow();
        return false;
    }
    DispatchSize();
    if (m_widget && (style & WS_VISIBLE))
        ShowWindow(style & WS_POPUP ? SW_SHOWNA : SW_SHOW);
    return m_widget != nullptr;
}

void CWnd::ApplyInitialStyle(DWORD style)
{
    // Explicitly hidden: a child made without WS_VISIBLE must not appear with its parent.
    if (!(style & WS_VISIBLE))
        m_widget->hide();
    if (style & WS_TABSTOP)
        m_widget->setFocusPolicy(Qt::StrongFocus);
    m_widget->setEnabled(!(style & WS_DISABLED));
    ApplyStyle(0, 0);
}

bool CWnd::Attach(QWidget* widget, UINT id, bool owned)
{
    if (m_widget || !widget || platform::WindowOfWidget(widget))
        return false;
    m_id = id;
    Bind(widget, owned);
    ConnectWidget();
    return true;
}

QWidget* CWnd::Detach()
{
    QWidget* widget = m_widget;
    Unbind();
    return widget;
}

bool CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    CWnd* item = parent ? parent->GetDlgItem(id) : nullptr;
    if (m_widget || !item || item == this || !CanAdopt(item->m_widget))
        return false;
    QWidget* widget = item->m_widget;
    const bool owned = item->m_ownsWidget;
    const DWORD style = item->m_style;
    const DWORD exStyle = item->m_exStyle;
    CFont* font = item->m_font;
    item->Unbind();
    m_id = id;
    m_style = style;
    m_exStyle = exStyle;
    m_font = font;
    Bind(widget, owned);
    ConnectWidget();
    UpdateBorders();
    return true;
}

void CWnd::Bind(QWidget* widget, bool owned)
{
    m_widget = widget;
    m_ownsWidget = owned;
    m_destroying = false;
    m_bridge = new platform::WndBridge(this, widget);
    // A click or a move that this window passes on stays with it, as on Windows; the wheel is
    // handed to the parent explicitly (DispatchWheel).
    widget->setAttribute(Qt::WA_NoMousePropagation);
    platform::RegisterWidget(widget, this);
    platform::EnsureFocusTracking();
    platform::EnsureInputTracking();
    platform::EnsureProgramPalette();
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
    m_overlay.reset();
}

void CWnd::DestroyChildren()
{
    for (QWidget* child : m_widget->findChildren<QWidget*>()) {
        CWnd* wnd = platform::WindowOfWidget(child);
        if (wnd && wnd->GetParent() == this)
            wnd->DestroyWindow();
    }
}

void CWnd::TearDown()
{
    DestroyChildren();
    QWidget* widget = m_widget;
    if (!widget)
        return;
    const bool owned = m_ownsWidget;
    const bool dispatching = m_dispatchDepth > 0;
    Unbind();
    if (owned) {
        widget->hide();
        // Deleting a widget inside its own event handler would pull the floor away.
        if (dispatching)
            widget->deleteLater();
        else
            delete widget;
    }
}

bool CWnd::DestroyWindow()
{
    if (!m_widget || m_destroying)
        return false;
    m_destroying = true;
    OnDestroy();
    if (m_widget)
        TearDown();
    m_destroying = false;
    PostNcDestroy();
    return true;
}

void CWnd::PostNcDestroy()
{
    if (!m_deleteWithWindow)
        return;
    // Inside one of its own handlers the object is still on the stack: it goes afterwards.
    if (m_dispatchDepth > 0)
        platform::DeleteWhenIdle([this] { delete this; });
    else
        delete this;
}

CWnd* CWnd::FromWidget(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (CWnd* wnd = platform::WindowOfWidget(w))
            return wnd;
    }
    return nullptr;
}

std::vector<CWnd*> CWnd::GetChildWindows() const
{
    std::vector<CWnd*> children;
    if (!m_widget)
        return children;
    // Widgets that are no window (a form's inner widget) are looked through, windows are not:
    // a child's own children are not its parent's.
    std::deque<QWidget*> queue{m_widget};
    while (!queue.empty()) {
        QWidget* w = queue.front();
        queue.pop_front();
        for (QObject* child : w->children()) {
            auto* cw = qobject_cast<QWidget*>(child);
            if (!cw || cw->isWindow())
                continue;
            if (CWnd* wnd = platform::WindowOfWidget(cw)) {
                if (!IsOwnPart(wnd))
                    children.push_back(wnd);
            } else {
                queue.push_back(cw);
            }
        }
    }
    return children;
}

CWnd* CWnd::GetDlgItem(UINT id) const
{
    for (CWnd* child : GetChildWindows())
        if (child->m_id == id)
            return child;
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

bool CWnd::IsChild(const CWnd* window) const
{
    for (CWnd* w = window ? window->GetParent() : nullptr; w; w = w->GetParent())
        if (w == this)
            return true;
    return false;
}

CWnd* CWnd::SetParent(CWnd* newParent)
{
    if (!m_widget || (newParent && !newParent->m_widget) || newParent == this)
        return nullptr;
    CWnd* old = GetParent();
    CRect place;
    GetWindowRect(&place);
    const bool shown = !m_widget->isHidden();
    if (newParent) {
        newParent->ScreenToClient(&place);
        const QPoint origin = newParent->ClientOrigin();
        m_widget->setParent(newParent->m_widget, Qt::Widget);
        m_widget->move(place.left + origin.x(), place.top + origin.y());
        m_style = (m_style & ~WS_POPUP) | WS_CHILD;
    } else {
        m_widget->setParent(nullptr, TopLevelFlags(m_style | WS_POPUP, m_exStyle));
        m_widget->move(place.left, place.top);
        m_style = (m_style & ~WS_CHILD) | WS_POPUP;
    }
    // Qt hides a widget it moves to another parent; the window keeps its visibility.
    m_widget->setVisible(shown);
    return old;
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

bool CWnd::SetIcon(UINT resourceId)
{
    const BitmapResource* picture = platform::ResourceRegistry<BitmapResource>::Find(resourceId);
    if (!m_widget || !picture || !picture->xpm)
        return false;
    m_widget->setWindowIcon(QIcon(QPixmap(picture->xpm)));
    return true;
}

bool CWnd::SetMenu(CMenu*)
{
    return false;
}
