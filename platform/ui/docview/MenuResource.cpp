#include "platform/ui/docview/MenuResource.h"

#include "platform/ui/docview/CommandRouting.h"
#include "platform/ui/window/VirtualKeys.h"
#include "platform/ui/window/WinText.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include <map>

namespace platform {

void BuildMenuBar(QMenuBar& bar, const MenuResource& menu, const std::function<void(UINT)>& onCommand,
                  const std::function<void(QWidget*)>& onAboutToShow)
{
    for (std::size_t p = 0; p < menu.count; ++p) {
        const MenuPopupResource& popup = menu.popups[p];
        QMenu* qmenu = bar.addMenu(ToQString(popup.text ? popup.text : ""));
        QObject::connect(qmenu, &QMenu::aboutToShow, qmenu, [qmenu, onAboutToShow] {
            onAboutToShow(qmenu);
        });
        for (std::size_t i = 0; i < popup.count; ++i) {
            const MenuItemResource& item = popup.items[i];
            if (item.id == 0 || !item.text) {
                qmenu->addSeparator();
                continue;
            }
            QAction* action = qmenu->addAction(ToQString(item.text));
            SetCommandId(action, item.id);
            const UINT id = item.id;
            QObject::connect(action, &QAction::triggered, action, [onCommand, id] { onCommand(id); });
        }
    }
}

int QtKeyOfVirtualKey(UINT virtualKey)
{
    // The reverse of the key translation, worked out once from it so the two cannot disagree.
    static const std::map<UINT, int> keys = [] {
        std::map<UINT, int> out;
        const auto note = [&out](int qtKey) {
            if (UINT vk = VirtualKeyFromQt(qtKey, false))
                out.emplace(vk, qtKey);
        };
        for (int key = 0x20; key < 0x7F; ++key)
            note(key);
        for (int key = Qt::Key_Escape; key <= Qt::Key_F35; ++key)
            note(key);
        return out;
    }();
    const auto found = keys.find(virtualKey);
    return found == keys.end() ? 0 : found->second;
}

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
