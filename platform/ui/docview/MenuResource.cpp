#include "platform/ui/docview/MenuResource.h"

#include "platform/ui/window/KeyEvents.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace platform {

std::vector<QShortcut*> InstallAccelerators(QWidget& window, const AcceleratorTable& table,
                                            const std::function<void(UINT)>& onCommand)
{
    std::vector<QShortcut*> made;
    for (std::size_t i = 0; i < table.count; ++i) {
        const AcceleratorResource& entry = table.entries[i];
        const int key = QtKeyOfVirtualKey(entry.virtualKey);
        if (key == 0)
            continue;
        int modifiers = 0;
        if (entry.modifiers & FSHIFT) modifiers |= Qt::SHIFT;
        if (entry.modifiers & FCONTROL) modifiers |= Qt::CTRL;
        if (entry.modifiers & FALT) modifiers |= Qt::ALT;
        auto* shortcut = new QShortcut(QKeySequence(key | modifiers), &window);
        shortcut->setContext(Qt::WindowShortcut);
        const UINT command = entry.command;
        QObject::connect(shortcut, &QShortcut::activated, shortcut, [onCommand, command] {
            onCommand(command);
        });
        made.push_back(shortcut);
    }
    return made;
}

} // namespace platform
