// Qt events to window handlers: paint, mouse, wheel and size.
#include "platform/ui/window/Wnd.h"

#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"
#include "platform/ui/window/WndBridge.h"

#include <QApplication>
#include <QImage>
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
    part->setAttribute(Qt::WA_NoMousePropagation);
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
    case QEvent::Wheel: return IsPart(watched) && m_wnd->Dispatch(event, true);
    default: return false;
    }
}

} // namespace platform

namespace {

// The MK_* flags of mouse buttons and modifier keys.
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

} // namespace

void CWnd::SetOpaquePaint(bool opaque)
{
    if (m_widget)
        m_widget->setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

void CWnd::ForwardInputOf(QWidget* part)
{
    if (m_bridge && part)
        m_bridge->WatchPart(part);
}

bool CWnd::Dispatch(QEvent* event, bool part)
{
    platform::DispatchScope scope(m_dispatchDepth);
    switch (event->type()) {
    case QEvent::Paint: return DispatchPaint(event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: return DispatchMouse(event);
    case QEvent::Wheel: return DispatchWheel(event, part);
    case QEvent::KeyPress:
    case QEvent::KeyRelease: return DispatchKey(event);
    case QEvent::ShortcutOverride:
        if (MayKeepFromAccelerators(*static_cast<QKeyEvent*>(event)))
            return false;
        event->ignore();
        return true;
    case QEvent::Resize: DispatchSize(); return false;
    case QEvent::Show: ApplyParentColors(); return false;
    case QEvent::Close:
        if (CanClose())
            OnClose();
        event->ignore(); // the window decides; Qt must not hide it on its own
        return true;
    default: return false;
    }
}

bool CWnd::DispatchPaint(QEvent* event)
{
    // A window printing its own painting into a DC lets Qt draw it, without the handlers.
    if (m_printingClient)
        return false;
    auto* paint = static_cast<QPaintEvent*>(event);
    m_inPaint = true;
    m_invalid -= paint->region();
    CRect client;
    GetClientRect(&client);
    const QRect clientArea = WidgetRectOf(client);
    m_paintRect = paint->rect().intersected(clientArea).translated(-ClientOrigin());
    bool consumed = true;
    if (PaintsItself()) {
        QPainter painter(m_widget);
        if (m_border)
            PaintBorder(painter);
        painter.translate(ClientOrigin());
        painter.setClipRect(client.left, client.top, client.Width(), client.Height());
        m_paintPainter = &painter;
        {
            CDC erase(&painter);
            OnEraseBkgnd(&erase);
        }
        painter.setClipRect(client.left, client.top, client.Width(), client.Height());
        OnPaint();
        m_paintPainter = nullptr;
        if (m_overlay)
            DrawOverlay(painter);
    } else {
        consumed = !PassedOn([this] { OnPaint(); });
        if (!consumed)
            ApplyParentColors();
    }
    m_inPaint = false;
    return consumed;
}

void CWnd::DrawOverlay(QPainter& painter)
{
    painter.resetTransform();
    painter.setClipping(false);
    painter.drawImage(0, 0, *m_overlay);
}

QImage* CWnd::Overlay()
{
    if (!m_widget)
        return nullptr;
    if (!m_overlay || m_overlay->size() != m_widget->size()) {
        // What the window shows now, so that drawing that inverts (tracking lines) inverts
        // what is there and comes back to it when drawn twice.
        auto overlay = std::make_unique<QImage>(m_widget->size().expandedTo(QSize(1, 1)),
                                                QImage::Format_ARGB32_Premultiplied);
        overlay->fill(Qt::transparent);
        m_widget->render(overlay.get(), QPoint(), QRegion(), QWidget::DrawWindowBackground);
        m_overlay = std::move(overlay);
    }
    return m_overlay.get();
}

bool CWnd::DispatchMouse(QEvent* event)
{
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint position = mouse->position().toPoint() - ClientOrigin();
    const CPoint point(position.x(), position.y());
    const UINT flags = MouseFlags(mouse->buttons(), mouse->modifiers());
    const bool left = mouse->button() == Qt::LeftButton;
    const bool right = mouse->button() == Qt::RightButton;
    CWnd* previous = platform::MouseEventWindow();
    platform::SetMouseEventWindow(this);
    const bool passed = PassedOn([&] {
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
    });
    platform::SetMouseEventWindow(previous);
    // Passed on, the event goes to the widget's own handling and stops there.
    return !passed;
}

bool CWnd::DispatchWheel(QEvent* event, bool part)
{
    auto* wheel = static_cast<QWheelEvent*>(event);
    const int step = wheel->angleDelta().y();
    // A turn the other way starts afresh rather than cancelling what is pending.
    if ((step > 0 && m_wheelRemainder < 0) || (step < 0 && m_wheelRemainder > 0))
        m_wheelRemainder = 0;
    m_wheelRemainder += step;
    int whole = m_wheelRemainder / WHEEL_DELTA * WHEEL_DELTA;
    if (whole == 0)
        return true;
    m_wheelRemainder -= whole;
    const QPoint global = wheel->globalPosition().toPoint();
    // Several notches in one event are passed on together, as one delta.
    whole = std::clamp(whole, -32640, 32640);
    const bool passed = PassedOn([&] {
        OnMouseWheel(MouseFlags(wheel->buttons(), wheel->modifiers()), short(whole),
                     CPoint(global.x(), global.y()));
    });
    // A part (a scroll area's viewport) hands the wheel to its own scrolling.
    if (!passed || part)
        return !passed;
    if (!m_widget)
        return true;
    // The window's own processing, then, when it did not use the wheel, the parent's handler.
    wheel->setAccepted(false);
    const QPointer<QWidget> self(m_widget);
    static_cast<QObject*>(m_widget.data())->event(event);
    CWnd* parent = self && !self->isWindow() ? GetParent() : nullptr;
    if (!wheel->isAccepted() && parent && parent->m_widget) {
        const QPointF at = parent->m_widget->mapFromGlobal(wheel->globalPosition());
        QWheelEvent forwarded(at, wheel->globalPosition(), wheel->pixelDelta(), QPoint(0, whole),
                              wheel->buttons(), wheel->modifiers(), wheel->phase(), wheel->inverted());
        parent->Dispatch(&forwarded);
    }
    return true;
}

void CWnd::DispatchSize()
{
    if (!m_widget)
        return;
    CRect client;
    GetClientRect(&client);
    const CSize size = client.Size();
    if (size == m_lastSize)
        return;
    m_lastSize = size;
    m_overlay.reset(); // it showed the window as it was
    const UINT type = m_widget->isMaximized() ? SIZE_MAXIMIZED
                      : m_widget->isMinimized() ? SIZE_MINIMIZED : SIZE_RESTORED;
    OnSize(type, size.cx, size.cy);
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

CBrush* CWnd::OnCtlColor(CDC*, CWnd*, UINT)
{
    return nullptr;
}

void CWnd::OnSize(UINT, int, int) {}
void CWnd::OnInitMenuPopup(CMenu*, UINT, bool) {}
void CWnd::OnMenuSelect(UINT, UINT, CMenu*) {}
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
