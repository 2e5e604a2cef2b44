#pragma once

// Menus and accelerator tables as the resources describe them. A menu resource is loaded into a
// CMenu (CMenu::LoadMenu); accelerators become window-wide Qt shortcuts.
#include "platform/ui/window/ResourceRegistry.h"

#include <cstddef>
#include <functional>
#include <vector>

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

// One window-wide shortcut per entry, calling onCommand with the entry's command.
std::vector<QShortcut*> InstallAccelerators(QWidget& window, const AcceleratorTable& table,
                                            const std::function<void(UINT)>& onCommand);

} // namespace platform
