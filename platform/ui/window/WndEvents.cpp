// Qt events to window handlers.
#include "platform/ui/window/Wnd.h"

#include "platform/ui/draw/DC.h"
#include "platform/ui/window/InputState.h"
#include "platform/ui/window/VirtualKeys.h"
#include "platform/ui/window/WndBridge.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace platform {

WndBridge::WndBridge(CWnd* wnd, QWidget* widget) : QObject(widget), m_wnd(wnd), m_widget(widget)
{
    widget->installEventFilter(this);
}

WndBridge::~WndBridge()
{
    if (m_wnd) {
        UnregisterWidget(m_widget);
        m_wnd->ForgetWidget();
    }
}

void WndBridge::WatchPart(QWidget* part)
{
    m_parts.emplace_back(part);
    part->installEventFilter(this);
}

bool WndBridge::IsPart(const QObject* object) const
{
    return std::any_of(m_parts.begin(), m_parts.end(),
                       [object](const QPointer<QWidget>& p) { return p == object; });
}

bool WndBridge::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_wnd)
        return false;
    if (watched == m_widget)
        return m_wnd->Dispatch(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel: return IsPart(watched) && m_wnd->Dispatch(event);
    default: return false;
    }
}

} // namespace platform

namespace {

UINT MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    UINT flags = 0;
    if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton) flags |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier) flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier) flags |= MK_CONTROL;
    return flags;
}

// X11 reports the modifiers as they were before the event; a modifier key changes its own.
Qt::KeyboardModifiers ModifiersAfter(const QKeyEvent& key)
{
    Qt::KeyboardModifiers mods = key.modifiers();
    Qt::KeyboardModifier own = key.key() == Qt::Key_Shift     ? Qt::ShiftModifier
                               : key.key() == Qt::Key_Control ? Qt::ControlModifier
                               : key.key() == Qt::Key_Alt     ? Qt::AltModifier
                                                              : Qt::NoModifier;
    if (own != Qt::NoModifier)
        mods.setFlag(own, key.type() == QEvent::KeyPress);
    return mods;
}

// Bit 30 of the key flags: the key was already down (auto-repeat).
constexpr UINT kKeyWasDown = 0x4000;

class DispatchScope {
public:
    explicit DispatchScope(int& depth) : m_depth(depth) { ++m_depth; }
    ~DispatchScope() { --m_depth; }

private:
    int& m_depth;
};

} // namespace

void CWnd::ForwardInputOf(QWidget* part)
{
    if (m_bridge && part)
        m_bridge->WatchPart(part);
}

bool CWnd::Dispatch(QEvent* event)
{
    DispatchScope scope(m_dispatchDepth);
    switch (event->type()) {
    case QEvent::Paint: return DispatchPaint(event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: return DispatchMouse(event);
    case QEvent::Wheel: return DispatchWheel(event);
    case QEvent::KeyPress:
    case QEvent::KeyRelease: return DispatchKey(event);
    case QEvent::Resize: DispatchSize(); return false;
    case QEvent::Close:
        OnClose();
        event->ignore(); // the window decides; Qt must not hide it on its own
        return true;
    default: return false;
    }
}

bool CWnd::DispatchPaint(QEvent* event)
{
    auto* paint = static_cast<QPaintEvent*>(event);
    m_inPaint = true;
    m_paintRect = paint->rect();
    m_invalid -= paint->region();
    bool consumed = true;
    if (PaintsItself()) {
        QPainter painter(m_widget);
        m_paintPainter = &painter;
        {
            CDC erase(&painter);
            OnEraseBkgnd(&erase);
        }
        painter.setClipping(false);
        OnPaint();
        m_paintPainter = nullptr;
    } else {
        m_defaultWanted = false;
        OnPaint();
        consumed = !m_defaultWanted;
    }
    m_inPaint = false;
    return consumed;
}

bool CWnd::DispatchMouse(QEvent* event)
{
    auto* mouse = static_cast<QMouseEvent*>(event);
    platform::NoteModifiers(mouse->modifiers());
    CPoint point(int(mouse->position().x()), int(mouse->position().y()));
    UINT flags = MouseFlags(mouse->buttons(), mouse->modifiers());
    bool left = mouse->button() == Qt::LeftButton;
    bool right = mouse->button() == Qt::RightButton;
    CWnd* previous = platform::MouseEventWindow();
    platform::SetMouseEventWindow(this);
    m_defaultWanted = false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (left) OnLButtonDown(flags, point);
        else if (right) OnRButtonDown(flags, point);
        else Default();
        break;
    case QEvent::MouseButtonRelease:
        if (left) OnLButtonUp(flags, point);
        else if (right) OnRButtonUp(flags, point);
        else Default();
        break;
    case QEvent::MouseButtonDblClick:
        if (left) OnLButtonDblClk(flags, point);
        else if (right) OnRButtonDblClk(flags, point);
        else Default();
        break;
    default:
        OnMouseMove(flags, point);
        break;
    }
    platform::SetMouseEventWindow(previous);
    return !m_defaultWanted;
}

bool CWnd::DispatchWheel(QEvent* event)
{
    auto* wheel = static_cast<QWheelEvent*>(event);
    platform::NoteModifiers(wheel->modifiers());
    int step = wheel->angleDelta().y();
    // A turn the other way starts afresh rather than cancelling what is pending.
    if ((step > 0 && m_wheelRemainder < 0) || (step < 0 && m_wheelRemainder > 0))
        m_wheelRemainder = 0;
    m_wheelRemainder += step;
    int whole = m_wheelRemainder / WHEEL_DELTA * WHEEL_DELTA;
    if (whole == 0)
        return true;
    m_wheelRemainder -= whole;
    QPoint global = wheel->globalPosition().toPoint();
    m_defaultWanted = false;
    // Several notches in one event are passed on together, as one delta.
    whole = std::clamp(whole, -32640, 32640);
    OnMouseWheel(MouseFlags(wheel->buttons(), wheel->modifiers()), short(whole),
                 CPoint(global.x(), global.y()));
    return !m_defaultWanted;
}

bool CWnd::DispatchKey(QEvent* event)
{
    auto* key = static_cast<QKeyEvent*>(event);
    platform::NoteModifiers(ModifiersAfter(*key));
    bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (tab && !(OnGetDlgCode() & (DLGC_WANTTAB | DLGC_WANTALLKEYS)))
        return false; // focus moves to the next control
    UINT vk = platform::VirtualKeyFromQt(key->key(), key->modifiers() & Qt::KeypadModifier);
    UINT flags = key->isAutoRepeat() ? kKeyWasDown : 0;
    m_defaultWanted = false;
    if (event->type() == QEvent::KeyRelease) {
        if (vk == 0)
            return false;
        OnKeyUp(vk, 1, flags);
        return !m_defaultWanted;
    }
    bool consumed = false;
    if (vk != 0) {
        OnKeyDown(vk, 1, flags);
        consumed = !m_defaultWanted;
    }
    if (!m_widget)
        return true; // the handler closed the window
    int code = platform::CharCodeFromKey(key->key(), key->modifiers() & Qt::ControlModifier,
                                         key->text().toUtf8().constData());
    if (code >= 0) {
        m_defaultWanted = false;
        OnChar(UINT(code), 1, flags);
        consumed = consumed || !m_defaultWanted;
    }
    return consumed;
}

void CWnd::DispatchSize()
{
    if (!m_widget)
        return;
    CSize size(m_widget->width(), m_widget->height());
    if (size == m_lastSize)
        return;
    m_lastSize = size;
    UINT type = m_widget->isMaximized() ? SIZE_MAXIMIZED
                : m_widget->isMinimized() ? SIZE_MINIMIZED : SIZE_RESTORED;
    OnSize(type, std::max(0, int(size.cx - m_nonClient.cx)), std::max(0, int(size.cy - m_nonClient.cy)));
}
