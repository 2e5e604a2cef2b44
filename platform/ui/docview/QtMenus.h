#pragma once

// Menus (CMenu) shown through Qt: a menu bar or a pop-up, with actions that carry their command
// ids. The Qt side follows the menu: SyncQtMenu brings it up to date after the menu changed.
#include "platform/ui/window/WinTypes.h"

#include <functional>

class CMenu;
class QMenu;
class QMenuBar;

namespace platform {

struct MenuHooks {
    std::function<void(UINT)> chosen;      // an item was chosen (menu bars; pop-ups return it)
    std::function<void(UINT)> hovered;     // the pointer is on an item; 0 when the menu closes
    std::function<void(CMenu&)> opening;   // a pop-up is about to show: its update pass
};

// Makes the Qt menu show the menu's items, states and sub-menus; a menu that has the same items
// as before only takes their states, so an open menu is never rebuilt under the pointer.
void SyncQtMenu(QMenu& target, CMenu& menu, const MenuHooks& hooks);
void SyncQtMenuBar(QMenuBar& target, CMenu& menu, const MenuHooks& hooks);

} // namespace platform
