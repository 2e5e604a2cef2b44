// The tree control: selection and expansion, and what the parent hears of them.
#include "platform/ui/controls/TreeCtrl.h"

#include "platform/ui/controls/TreeWidget.h"
#include "platform/ui/window/WinText.h"

#include <cstring>

namespace {

// The longest text the parent can give for an item drawn on demand.
constexpr int kDisplayTextMax = 260;

} // namespace

void CTreeCtrl::FillItem(TVITEM& out, HTREEITEM handle) const
{
    out = TVITEM{};
    platform::TreeItem* item = Item(handle);
    if (!item)
        return;
    out.mask = TVIF_HANDLE | TVIF_PARAM | TVIF_STATE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    out.hItem = handle;
    out.state = GetItemState(handle, ~0u);
    out.stateMask = ~0u;
    out.iImage = item->m_image;
    out.iSelectedImage = item->m_selectedImage;
    out.cChildren = item->childCount() > 0 ? 1 : 0;
    out.lParam = LPARAM(item->m_data);
}

bool CTreeCtrl::SelectItem(HTREEITEM handle)
{
    if (!GetWidget() || (handle && !Item(handle)))
        return false;
    if (handle == m_selected)
        return true;
    return ChangeSelection(handle, TVC_UNKNOWN);
}

bool CTreeCtrl::ChangeSelection(HTREEITEM handle, UINT cause)
{
    const HTREEITEM old = m_selected;
    if (!AskSelChanging(old, handle, cause))
        return false;
    // The parent may have deleted either item while it was asked.
    if (handle && !Item(handle))
        return false;
    const HTREEITEM from = Item(old) ? old : nullptr;
    const LPARAM fromData = from ? LPARAM(Item(from)->m_data) : 0;
    MoveSelectionQuietly(handle);
    AnnounceSelChanged(from, fromData, handle, cause);
    return true;
}

void CTreeCtrl::MoveSelectionQuietly(HTREEITEM handle)
{
    auto* model = dynamic_cast<platform::TreeSelectionModel*>(Tree()->selectionModel());
    platform::TreeItem* item = Item(handle);
    m_selected = item ? handle : nullptr;
    if (!model)
        return;
    platform::QuietScope quiet(m_quiet);
    model->MoveTo(item ? Tree()->indexFromItem(item) : QModelIndex());
}

bool CTreeCtrl::AskSelChanging(HTREEITEM from, HTREEITEM to, UINT cause)
{
    NMTREEVIEW info{};
    info.action = cause;
    FillItem(info.itemOld, from);
    FillItem(info.itemNew, to);
    return NotifyParent(&info.hdr, TVN_SELCHANGING) == 0;
}

void CTreeCtrl::AnnounceSelChanged(HTREEITEM from, LPARAM fromData, HTREEITEM to, UINT cause)
{
    NMTREEVIEW info{};
    info.action = cause;
    FillItem(info.itemOld, from);
    info.itemOld.lParam = fromData;
    FillItem(info.itemNew, to);
    NotifyParent(&info.hdr, TVN_SELCHANGED);
}

bool CTreeCtrl::Expand(HTREEITEM handle, UINT code)
{
    platform::TreeItem* item = Item(handle);
    if (!item || code < TVE_COLLAPSE || code > TVE_TOGGLE)
        return false;
    const bool expand = code == TVE_TOGGLE ? !item->isExpanded() : code == TVE_EXPAND;
    {
        platform::QuietScope quiet(m_quiet);
        item->setExpanded(expand);
    }
    if (!expand)
        CollapsedOverSelection(item);
    return true;
}

bool CTreeCtrl::EnsureVisible(HTREEITEM handle)
{
    platform::TreeItem* item = Item(handle);
    if (!item)
        return false;
    // Collapsed ancestors open as if the user opened them, outermost first.
    std::vector<QTreeWidgetItem*> closed;
    for (QTreeWidgetItem* p = item->parent(); p; p = p->parent())
        if (!p->isExpanded())
            closed.push_back(p);
    for (auto it = closed.rbegin(); it != closed.rend(); ++it) {
        const HTREEITEM ancestor = HandleOf(*it);
        if (!AskExpanding(ancestor, TVE_EXPAND) || !Item(ancestor))
            return false;
        {
            platform::QuietScope quiet(m_quiet);
            (*it)->setExpanded(true);
        }
        NMTREEVIEW info{};
        info.action = TVE_EXPAND;
        FillItem(info.itemNew, ancestor);
        NotifyParent(&info.hdr, TVN_ITEMEXPANDED);
    }
    if (Item(handle))
        Tree()->scrollToItem(item);
    return Item(handle) != nullptr;
}

bool CTreeCtrl::AskExpanding(HTREEITEM handle, UINT action)
{
    NMTREEVIEW info{};
    info.action = action;
    FillItem(info.itemNew, handle);
    return NotifyParent(&info.hdr, TVN_ITEMEXPANDING) == 0;
}

// Qt has opened or closed an item on the user's input; the parent may still refuse.
void CTreeCtrl::UserExpanded(QTreeWidgetItem* item, bool expanded)
{
    const HTREEITEM handle = HandleOf(item);
    if (m_quiet > 0 || !Item(handle))
        return;
    const UINT action = expanded ? TVE_EXPAND : TVE_COLLAPSE;
    m_expanding = handle;
    const bool allowed = AskExpanding(handle, action);
    m_expanding = nullptr;
    if (!Item(handle))
        return;
    if (!allowed) {
        platform::QuietScope quiet(m_quiet);
        item->setExpanded(!expanded);
        return;
    }
    NMTREEVIEW info{};
    info.action = action;
    FillItem(info.itemNew, handle);
    NotifyParent(&info.hdr, TVN_ITEMEXPANDED);
    if (!expanded && Item(handle))
        CollapsedOverSelection(item);
}

// A selection hidden under an item just closed moves up to that item.
void CTreeCtrl::CollapsedOverSelection(QTreeWidgetItem* item)
{
    platform::TreeItem* selected = Item(m_selected);
    for (QTreeWidgetItem* p = selected ? selected->parent() : nullptr; p; p = p->parent())
        if (p == item) {
            ChangeSelection(HandleOf(item), TVC_UNKNOWN);
            return;
        }
}

QString CTreeCtrl::CallbackText(HTREEITEM handle) const
{
    char buffer[kDisplayTextMax] = {};
    NMTVDISPINFO info{};
    FillItem(info.item, handle);
    info.item.mask = TVIF_TEXT;
    info.item.pszText = buffer;
    info.item.cchTextMax = kDisplayTextMax;
    const_cast<CTreeCtrl*>(this)->NotifyParent(&info.hdr, TVN_GETDISPINFO);
    const char* text = info.item.pszText;
    if (!text || text == LPSTR_TEXTCALLBACK)
        return {};
    // Read no further than the buffer the parent was given, whatever it pointed to instead.
    return platform::ToQString(std::string_view(text, strnlen(text, kDisplayTextMax - 1)));
}

int CTreeCtrl::CallbackImage(HTREEITEM handle, bool selected) const
{
    NMTVDISPINFO info{};
    FillItem(info.item, handle);
    info.item.mask = selected ? TVIF_SELECTEDIMAGE : TVIF_IMAGE;
    info.item.iImage = info.item.iSelectedImage = I_IMAGECALLBACK;
    const_cast<CTreeCtrl*>(this)->NotifyParent(&info.hdr, TVN_GETDISPINFO);
    return selected ? info.item.iSelectedImage : info.item.iImage;
}

void CTreeCtrl::OnKeyDown(UINT virtualKey, UINT, UINT)
{
    NMTVKEYDOWN info{};
    info.wVKey = WORD(virtualKey);
    NotifyParent(&info.hdr, TVN_KEYDOWN);
    Default();
}

void CTreeCtrl::OnLButtonDblClk(UINT, CPoint)
{
    NMHDR header{};
    // A parent that answers non-zero has handled it: the item does not open or close.
    if (NotifyParent(&header, NM_DBLCLK) == 0)
        Default();
}

void CTreeCtrl::OnRButtonDown(UINT, CPoint)
{
    // The right button does not move the selection; the parent decides what it does.
    NMHDR header{};
    NotifyParent(&header, NM_RCLICK);
}
