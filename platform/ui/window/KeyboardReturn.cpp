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

} // namespace

KeyboardReturn::KeyboardReturn()
    : m_window(QApplication::activeWindow()), m_focus(QApplication::focusWidget())
{
}

KeyboardReturn::~KeyboardReturn()
{
    if (!m_window || !m_window->isVisible())
        return;
    m_window->activateWindow();
    if (!m_focus || m_focus->window() != m_window)
        return;
    if (QWidget* taker = ShownFocusTaker(m_focus, m_window))
        taker->setFocus(Qt::ActiveWindowFocusReason);
}

} // namespace platform
