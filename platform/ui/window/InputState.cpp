#include "platform/ui/window/InputState.h"

#include "platform/ui/window/Geometry.h"
#include "platform/ui/window/VirtualKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <set>

namespace {

struct InputState {
    Qt::KeyboardModifiers modifiers;
    Qt::MouseButtons buttons;
    QPoint pointer; // global
    std::set<UINT> keysDown;
};

InputState& State()
{
    static InputState state;
    return state;
}

// A key event travels from the widget it was sent to up through its parents; a hop of the same
// event, of the same kind, to the parent of the last one is that event going on, anything else
// a new one (events are often made at the same address).
struct KeyRoute {
    const QEvent* event = nullptr;
    QEvent::Type type = QEvent::None;
    QPointer<QWidget> last;
    QPointer<QWidget> first;
};

KeyRoute& Route()
{
    static KeyRoute route;
    return route;
}

void NoteRoute(QObject* watched, const QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return;
    KeyRoute& route = Route();
    const bool goingOn = event == route.event && event->type() == route.type && route.last &&
                         route.last->parentWidget() == widget;
    if (!goingOn)
        route.first = widget;
    route.event = event;
    route.type = event->type();
    route.last = widget;
}

// X11 reports the modifiers as they were before the event; a modifier key changes its own.
Qt::KeyboardModifiers ModifiersAfter(const QKeyEvent& key)
{
    Qt::KeyboardModifiers mods = key.modifiers();
    const Qt::KeyboardModifier own = key.key() == Qt::Key_Shift     ? Qt::ShiftModifier
                                     : key.key() == Qt::Key_Control ? Qt::ControlModifier
                                     : key.key() == Qt::Key_Alt     ? Qt::AltModifier
                                                                    : Qt::NoModifier;
    if (own != Qt::NoModifier)
        mods.setFlag(own, key.type() == QEvent::KeyPress);
    return mods;
}

void NoteKey(const QKeyEvent& key)
{
    InputState& state = State();
    state.modifiers = ModifiersAfter(key);
    const UINT vk = platform::VirtualKeyFromQt(key.key(), key.modifiers() & Qt::KeypadModifier);
    if (vk == 0)
        return;
    if (key.type() == QEvent::KeyPress)
        state.keysDown.insert(vk);
    else if (!key.isAutoRepeat())
        state.keysDown.erase(vk);
}

class InputWatcher : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            NoteRoute(watched, event);
            NoteKey(*static_cast<QKeyEvent*>(event));
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            State().buttons = mouse->buttons();
            State().modifiers = mouse->modifiers();
            State().pointer = mouse->globalPosition().toPoint();
            break;
        }
        case QEvent::ApplicationDeactivate: State() = InputState{{}, {}, State().pointer, {}}; break;
        default: break;
        }
        return false;
    }
};

} // namespace

namespace platform {

void EnsureInputTracking()
{
    static InputWatcher* watcher = nullptr;
    if (watcher || !qApp)
        return;
    watcher = new InputWatcher;
    watcher->setParent(qApp);
    qApp->installEventFilter(watcher);
}

QWidget* FirstKeyReceiver(const QEvent* event)
{
    return event && event == Route().event ? Route().first.data() : nullptr;
}

Qt::KeyboardModifiers CurrentModifiers()
{
    return State().modifiers;
}

bool IsKeyDown(UINT virtualKey)
{
    const InputState& state = State();
    switch (virtualKey) {
    case VK_SHIFT: return state.modifiers & Qt::ShiftModifier;
    case VK_CONTROL: return state.modifiers & Qt::ControlModifier;
    case VK_MENU: return state.modifiers & Qt::AltModifier;
    case VK_LBUTTON: return state.buttons & Qt::LeftButton;
    case VK_RBUTTON: return state.buttons & Qt::RightButton;
    case VK_MBUTTON: return state.buttons & Qt::MiddleButton;
    default: return state.keysDown.count(virtualKey) > 0;
    }
}

} // namespace platform

short GetKeyState(int virtualKey)
{
    return platform::IsKeyDown(UINT(virtualKey)) ? short(0x8000) : 0;
}

short GetAsyncKeyState(int virtualKey)
{
    return GetKeyState(virtualKey);
}

bool GetCursorPos(POINT* point)
{
    if (!point)
        return false;
    platform::EnsureInputTracking();
    point->x = State().pointer.x();
    point->y = State().pointer.y();
    return true;
}
