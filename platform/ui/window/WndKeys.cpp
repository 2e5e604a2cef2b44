// Keys and characters: from Qt key events, or sent as messages, to the handlers and on to the
// window's own processing.
#include "platform/ui/window/Wnd.h"

#include "platform/ui/window/InputState.h"
#include "platform/ui/window/KeyEvents.h"
#include "platform/ui/window/VirtualKeys.h"
#include "platform/ui/window/WndBridge.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

// Bit 30 of the key flags: the key was already down (auto-repeat).
constexpr UINT kKeyWasDown = 0x4000;

} // namespace

bool CWnd::KeyIsFromDescendant(const QEvent* event) const
{
    // Keys go to the focus window first; one that reaches its ancestors was left by it to the
    // dialog around it, and is none of theirs to handle (even when the focus moved meanwhile).
    QWidget* first = platform::FirstKeyReceiver(event);
    CWnd* receiver = FromWidget(first ? first : QApplication::focusWidget());
    return receiver && receiver != this && IsChild(receiver);
}

bool CWnd::DispatchKey(QEvent* event)
{
    auto* key = static_cast<QKeyEvent*>(event);
    if (KeyIsFromDescendant(event))
        return false;
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (tab && !(OnGetDlgCode() & (DLGC_WANTTAB | DLGC_WANTALLKEYS)))
        return false; // focus moves to the next control
    const UINT vk = platform::VirtualKeyFromQt(key->key(), key->modifiers() & Qt::KeypadModifier);
    const UINT flags = key->isAutoRepeat() ? kKeyWasDown : 0;
    if (event->type() == QEvent::KeyRelease)
        return vk != 0 && !PassedOn([&] { OnKeyUp(vk, 1, flags); });
    bool keyPassed = true;
    if (vk != 0)
        keyPassed = PassedOn([&] { OnKeyDown(vk, 1, flags); });
    if (!m_widget)
        return true; // the handler closed the window
    const int code = platform::CharCodeFromKey(key->key(), key->modifiers() & Qt::ControlModifier,
                                               key->text().toUtf8().constData());
    if (code < 0)
        return !keyPassed;
    // A key that types a character is the character handler's to pass on or keep.
    return !PassedOn([&] { OnChar(UINT(code), 1, flags); });
}

void CWnd::DefaultKey(UINT message, WPARAM wParam)
{
    if (!m_widget)
        return;
    // Straight to the widget's own handling: the window's handler has already had it.
    if (message == WM_CHAR) {
        if (std::optional<QKeyEvent> event = platform::KeyEventOfChar(UINT(wParam)))
            static_cast<QObject*>(m_widget.data())->event(&*event);
    } else if (std::optional<QKeyEvent> event = platform::KeyEventOfKey(message == WM_KEYUP, UINT(wParam))) {
        static_cast<QObject*>(m_widget.data())->event(&*event);
    }
}
