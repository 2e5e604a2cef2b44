#pragma once

// Menu bars and accelerator tables as the resources describe them, made into Qt menus and
// shortcuts whose actions carry their command ids.
#include "platform/ui/window/ResourceRegistry.h"

#include <cstddef>
#include <functional>
#include <vector>

class QMenuBar;
class QShortcut;
class QWidget;

// One entry of a popup: a command with its text ("&Open Proposal...\tCtrl+O": "&" marks the
// mnemonic, the part after the tab is the shortcut shown), or a separator (id 0, no text).
struct MenuItemResource {
    UINT id;
    const char* text; // Windows-1252
};

struct MenuPopupResource {
    const char* text; // "&File"
    const MenuItemResource* items;
    std::size_t count;
};

struct MenuResource {
    UINT id;
    const MenuPopupResource* popups;
    std::size_t count;
};

// Accelerator modifiers, with the values of the resource compiler.
constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

struct AcceleratorResource {
    BYTE modifiers; // FSHIFT | FCONTROL | FALT
    UINT virtualKey; // VK_* or 'A'..'Z', '0'..'9'
    UINT command;
};

struct AcceleratorTable {
    UINT id;
    const AcceleratorResource* entries;
    std::size_t count;
};

namespace platform {

// Fills the menu bar; each item's action carries its command id and calls onCommand when chosen.
// The update pass runs (onAboutToShow) before a popup opens.
void BuildMenuBar(QMenuBar& bar, const MenuResource& menu, const std::function<void(UINT)>& onCommand,
                  const std::function<void(QWidget* popup)>& onAboutToShow);

// The key sequence of an accelerator; empty when the key has no Qt equivalent.
int QtKeyOfVirtualKey(UINT virtualKey);

// One window-wide shortcut per entry, calling onCommand with the entry's command.
std::vector<QShortcut*> InstallAccelerators(QWidget& window, const AcceleratorTable& table,
                                            const std::function<void(UINT)>& onCommand);

} // namespace platform
