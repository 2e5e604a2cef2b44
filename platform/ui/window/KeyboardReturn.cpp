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
struct Given {
    QPointer<QWidget> window;
    QPointer<QWidget> focus;
};

Given& LastGiven()
{
    static Given given;
    return given;
}

} // namespace

KeyboardReturn::KeyboardReturn()
    : m_window(QApplication::activeWindow()), m_focus(QApplication::focusWidget())
{
    // A modal window right after another (a question, then the print dialog) comes before the
    // window system has made the first one's owner active again: the keyboard goes back there.
    const Given& last = LastGiven();
    if ((!m_window || !m_window->isVisible()) && last.window && last.window->isVisible()) {
        m_window = last.window;
        m_focus = last.focus;
    }
}

KeyboardReturn::~KeyboardReturn()
{
    if (!m_window || !m_window->isVisible())
        return;
    m_window->activateWindow();
    QWidget* taker = m_focus && m_focus->window() == m_window ? ShownFocusTaker(m_focus, m_window) : nullptr;
    if (taker)
        taker->setFocus(Qt::ActiveWindowFocusReason);
    LastGiven() = {m_window, taker};
}

} // namespace platform
