#include "platform/ui/window/ModalActivation.h"

#include <QGuiApplication>
#include <QWindow>

namespace platform {
namespace {

// Popups (a list dropping down, a menu) and windows opened over the modal one are its own.
bool BelongsTo(const QWindow* window, const QWindow* modal)
{
    if (window->type() == Qt::Popup)
        return true;
    for (; window; window = window->transientParent())
        if (window == modal)
            return true;
    return false;
}

} // namespace

void KeepTheKeyboardOnModalWindows()
{
    static bool connected = false;
    if (connected || !qGuiApp)
        return;
    connected = true;
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, qGuiApp, [](QWindow* focused) {
        QWindow* modal = QGuiApplication::modalWindow();
        if (!focused || !modal || BelongsTo(focused, modal))
            return;
        // After the change being told has been made: inside it, the platform may not act on it.
        QMetaObject::invokeMethod(modal, [modal] {
            if (modal->isVisible() && QGuiApplication::modalWindow() == modal)
                modal->requestActivate();
        }, Qt::QueuedConnection);
    });
}

} // namespace platform
