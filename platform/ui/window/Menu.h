#pragma once

// Menus as the screens build and change them at run time: items with command ids, texts
// ("&" marks the mnemonic, the part after a tab is the shortcut shown), states and pop-up
// sub-menus. A menu is data; the frame's menu bar and pop-up menus show it through Qt.
#include "platform/ui/window/WinTypes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CWnd;
struct RECT;

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;

// Commands of the window menu.
constexpr UINT SC_SIZE = 0xF000;
constexpr UINT SC_MOVE = 0xF010;
constexpr UINT SC_MINIMIZE = 0xF020;
constexpr UINT SC_MAXIMIZE = 0xF030;
constexpr UINT SC_CLOSE = 0xF060;
constexpr UINT SC_RESTORE = 0xF120;

constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_CENTERALIGN = 0x0004;
constexpr UINT TPM_RIGHTALIGN = 0x0008;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;

namespace platform {
struct MenuData;
}

class CMenu {
public:
    CMenu();
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    bool CreateMenu();
    bool CreatePopupMenu();
    // A copy of the menu resource registered under the id (MenuResource); false when none.
    bool LoadMenu(UINT resourceId);
    bool DestroyMenu();
    // Shares another menu's items: changes through either show in both.
    void Attach(const std::shared_ptr<platform::MenuData>& data) { m_data = data; }
    bool IsMenu() const { return m_data != nullptr; }

    // idOrPopup is a command id, or with MF_POPUP the address of the CMenu that becomes the
    // sub-menu (the item keeps it alive; the CMenu object itself may go).
    bool AppendMenu(UINT flags, UINT_PTR idOrPopup = 0, const char* text = nullptr);
    // Before the item at position (MF_BYPOSITION; -1 or past the end appends) or before the
    // item with that command; searched through sub-menus, as the other by-command calls are.
    bool InsertMenu(UINT position, UINT flags, UINT_PTR idOrPopup = 0, const char* text = nullptr);
    bool ModifyMenu(UINT position, UINT flags, UINT_PTR idOrPopup = 0, const char* text = nullptr);
    // Removes the item; a sub-menu it held lives on where else it is kept.
    bool RemoveMenu(UINT position, UINT flags);
    bool DeleteMenu(UINT position, UINT flags) { return RemoveMenu(position, flags); }
    // The previous state (MF_GRAYED / MF_CHECKED bits), or -1 when there is no such item.
    UINT EnableMenuItem(UINT item, UINT enable);
    UINT CheckMenuItem(UINT item, UINT check);
    UINT GetMenuState(UINT item, UINT flags) const;
    int GetMenuItemCount() const;
    // The command id at a position; -1 for a sub-menu or no item, 0 for a separator.
    UINT GetMenuItemID(int position) const;
    std::string GetMenuString(UINT item, UINT flags) const; // Windows-1252, "" when none
    CMenu* GetSubMenu(int position) const;

    // Shows the menu at a screen point, running the owner's update handlers first. The chosen
    // command goes to the owner as WM_COMMAND, or with TPM_RETURNCMD is returned; 0 when
    // nothing was chosen.
    UINT TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const RECT* ignored = nullptr);

    // Called after every change of this menu's own items (not its sub-menus').
    void SetChangeListener(std::function<void()> listener);

    const std::shared_ptr<platform::MenuData>& Data() const { return m_data; }

private:
    explicit CMenu(std::shared_ptr<platform::MenuData> data);
    struct Found;
    Found Locate(UINT item, UINT flags) const;
    bool PlaceItem(UINT position, UINT flags, UINT_PTR idOrPopup, const char* text, bool replace);

    std::shared_ptr<platform::MenuData> m_data;
};

namespace platform {

struct MenuItem {
    UINT id = 0;
    UINT flags = 0; // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_POPUP, MF_SEPARATOR
    std::string text;
    std::shared_ptr<MenuData> popup;
    std::unique_ptr<CMenu> popupObject; // what GetSubMenu hands out, kept with the item
};

struct MenuData {
    bool popup = false;
    std::vector<MenuItem> items;
    std::function<void()> listener;
    void Changed() const
    {
        if (listener)
            listener();
    }
};

} // namespace platform
