#include "platform/ui/window/Menu.h"

#include "platform/ui/docview/MenuResource.h"

using platform::MenuData;
using platform::MenuItem;

namespace {

constexpr UINT kStateBits = MF_GRAYED | MF_DISABLED | MF_CHECKED;
constexpr UINT kNoItem = UINT(-1);

} // namespace

struct CMenu::Found {
    MenuData* menu = nullptr;
    std::size_t index = 0;
    MenuItem* Item() const { return menu ? &menu->items[index] : nullptr; }
};

CMenu::CMenu() = default;
CMenu::CMenu(std::shared_ptr<MenuData> data) : m_data(std::move(data)) {}
CMenu::~CMenu() = default;

bool CMenu::CreateMenu()
{
    m_data = std::make_shared<MenuData>();
    return true;
}

bool CMenu::CreatePopupMenu()
{
    CreateMenu();
    m_data->popup = true;
    return true;
}

bool CMenu::LoadMenu(UINT resourceId)
{
    const MenuResource* resource = platform::ResourceRegistry<MenuResource>::Find(resourceId);
    if (!resource)
        return false;
    CreateMenu();
    for (std::size_t p = 0; p < resource->count; ++p) {
        const MenuPopupResource& source = resource->popups[p];
        CMenu popup;
        popup.CreatePopupMenu();
        for (std::size_t i = 0; i < source.count; ++i) {
            const MenuItemResource& item = source.items[i];
            if (item.id == 0 || !item.text)
                popup.AppendMenu(MF_SEPARATOR);
            else
                popup.AppendMenu(MF_STRING, item.id, item.text);
        }
        AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(&popup), source.text);
    }
    return true;
}

bool CMenu::DestroyMenu()
{
    const bool had = m_data != nullptr;
    m_data.reset();
    return had;
}

void CMenu::SetChangeListener(std::function<void()> listener)
{
    if (m_data)
        m_data->listener = std::move(listener);
}

CMenu::Found CMenu::Locate(UINT item, UINT flags) const
{
    if (!m_data)
        return {};
    if (flags & MF_BYPOSITION)
        return item < m_data->items.size() ? Found{m_data.get(), item} : Found{};
    // By command: this menu first, then the sub-menus, depth first.
    for (std::size_t i = 0; i < m_data->items.size(); ++i) {
        const MenuItem& entry = m_data->items[i];
        if (!(entry.flags & MF_POPUP) && !(entry.flags & MF_SEPARATOR) && entry.id == item)
            return {m_data.get(), i};
        if (entry.popup) {
            const CMenu nested(entry.popup);
            if (Found found = nested.Locate(item, flags); found.menu)
                return found;
        }
    }
    return {};
}

bool CMenu::PlaceItem(UINT position, UINT flags, UINT_PTR idOrPopup, const char* text, bool replace)
{
    if (!m_data)
        return false;
    MenuItem made;
    made.flags = flags & (kStateBits | MF_POPUP | MF_SEPARATOR);
    if (flags & MF_POPUP) {
        const auto* popup = reinterpret_cast<const CMenu*>(idOrPopup);
        if (!popup || !popup->m_data || popup->m_data == m_data)
            return false;
        made.popup = popup->m_data;
        made.popup->popup = true;
    } else if (!(flags & MF_SEPARATOR)) {
        made.id = UINT(idOrPopup);
    }
    if (!(flags & MF_SEPARATOR) && text)
        made.text = text;
    Found at = Locate(position, flags);
    MenuData* target = at.menu ? at.menu : m_data.get();
    if (replace) {
        if (!at.menu)
            return false;
        target->items[at.index] = std::move(made);
    } else {
        // By position, an index past the end appends; by command, a missing one fails.
        if (!at.menu && !(flags & MF_BYPOSITION) && position != kNoItem)
            return false;
        const std::size_t index = at.menu ? at.index : target->items.size();
        target->items.insert(target->items.begin() + std::ptrdiff_t(index), std::move(made));
    }
    target->Changed();
    return true;
}

bool CMenu::AppendMenu(UINT flags, UINT_PTR idOrPopup, const char* text)
{
    return PlaceItem(kNoItem, flags | MF_BYPOSITION, idOrPopup, text, false);
}

bool CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR idOrPopup, const char* text)
{
    return PlaceItem(position, flags, idOrPopup, text, false);
}

bool CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR idOrPopup, const char* text)
{
    return PlaceItem(position, flags, idOrPopup, text, true);
}

bool CMenu::RemoveMenu(UINT position, UINT flags)
{
    const Found at = Locate(position, flags);
    if (!at.menu)
        return false;
    at.menu->items.erase(at.menu->items.begin() + std::ptrdiff_t(at.index));
    at.menu->Changed();
    return true;
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const
{
    const MenuItem* entry = Locate(item, flags).Item();
    return entry ? entry->flags : kNoItem;
}

UINT CMenu::EnableMenuItem(UINT item, UINT enable)
{
    const Found at = Locate(item, enable);
    MenuItem* entry = at.Item();
    if (!entry)
        return kNoItem;
    const UINT old = entry->flags & (MF_GRAYED | MF_DISABLED);
    const UINT state = (entry->flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    if (state != entry->flags) {
        entry->flags = state;
        at.menu->Changed();
    }
    return old;
}

UINT CMenu::CheckMenuItem(UINT item, UINT check)
{
    const Found at = Locate(item, check);
    MenuItem* entry = at.Item();
    if (!entry)
        return kNoItem;
    const UINT old = entry->flags & MF_CHECKED;
    const UINT state = (entry->flags & ~MF_CHECKED) | (check & MF_CHECKED);
    if (state != entry->flags) {
        entry->flags = state;
        at.menu->Changed();
    }
    return old;
}

int CMenu::GetMenuItemCount() const
{
    return m_data ? int(m_data->items.size()) : -1;
}

UINT CMenu::GetMenuItemID(int position) const
{
    if (!m_data || position < 0 || std::size_t(position) >= m_data->items.size())
        return kNoItem;
    const MenuItem& entry = m_data->items[std::size_t(position)];
    return entry.flags & MF_POPUP ? kNoItem : entry.id;
}

std::string CMenu::GetMenuString(UINT item, UINT flags) const
{
    const MenuItem* entry = Locate(item, flags).Item();
    return entry ? entry->text : std::string();
}

CMenu* CMenu::GetSubMenu(int position) const
{
    if (!m_data || position < 0 || std::size_t(position) >= m_data->items.size())
        return nullptr;
    MenuItem& entry = m_data->items[std::size_t(position)];
    if (!entry.popup)
        return nullptr;
    if (!entry.popupObject)
        entry.popupObject.reset(new CMenu(entry.popup));
    return entry.popupObject.get();
}
