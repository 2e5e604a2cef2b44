#include "platform/ui/window/KeyboardReturn.h"

#include <QApplication>

namespace platform {
namespace {

QWidget* ShownFocusTaker(QWidget* widget, const QWidget* window)
{
    for (; widget && widget != window; widget = widget->parentWidget())
        if (widget->isVisible() && widget->isEnabled() && widget->focusPolicy() != Qt::NoFocus)
            return widget;
    return nullptr;
}

// Where the last return gave the keyboard; the window system confirms it later.
QPointer<QWidget>& LastWindow()
{
    static QPointer<QWidget> window;
    return window;
}

QPointer<QWidget>& LastFocus()
{
    static QPointer<QWidget> focus;
    return focus;
}

} // namespace

KeyboardReturn::KeyboardReturn()
    : m_window(QApplication::activeWindow()), m_focus(QApplication::focusWidget())
{
    // A modal window right after another (a question, then the print dialog) comes before the
    // window system has made the first one's owner active again: the keyboard goes back there.
    if ((!m_window || !m_window->isVisible()) && LastWindow() && LastWindow()->isVisible()) {
        m_window = LastWindow();
        m_focus = LastFocus();
    }
}

KeyboardReturn::~KeyboardReturn()
{
    if (!m_window || !m_window->isVisible())
        return;
    m_window->activateWindow();
    LastWindow() = m_window;
    LastFocus() = nullptr;
    if (!m_focus || m_focus->window() != m_window)
        return;
    if (QWidget* taker = ShownFocusTaker(m_focus, m_window)) {
        taker->setFocus(Qt::ActiveWindowFocusReason);
        LastFocus() = taker;
    }
}

} // namespace platform
