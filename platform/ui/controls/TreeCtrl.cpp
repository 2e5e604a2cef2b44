// The tree control: making it, its items and their properties.
#include "platform/ui/controls/TreeCtrl.h"

#include "platform/ui/draw/ImageList.h"
#include "platform/ui/controls/TreeWidget.h"
#include "platform/ui/window/WinText.h"

#include <QHeaderView>

namespace {

// Handles are numbers counted over the whole program, so a handle is never reused, nor one
// tree's handle valid in another.
std::uintptr_t g_nextHandle = 1;

} // namespace

CTreeCtrl::CTreeCtrl() = default;

CTreeCtrl::~CTreeCtrl()
{
    WidgetGoing(Tree());
}

bool CTreeCtrl::DestroyWindow()
{
    // OnDestroy still sees the items. The widget may live on a moment after (deleted
    // later); it must not call back meanwhile.
    QPointer<QWidget> widget = GetWidget();
    const bool destroyed = CWnd::DestroyWindow();
    WidgetGoing(static_cast<QTreeWidget*>(widget.data()));
    return destroyed;
}

void CTreeCtrl::WidgetGoing(QTreeWidget* widget)
{
    if (auto* tree = static_cast<platform::TreeWidget*>(widget)) {
        tree->Disown();
        if (auto* model = dynamic_cast<platform::TreeSelectionModel*>(tree->selectionModel()))
            model->Disown();
    }
    m_items.clear();
    m_selected = nullptr;
}

QTreeWidget* CTreeCtrl::Tree() const
{
    return static_cast<QTreeWidget*>(GetWidget());
}

QWidget* CTreeCtrl::CreateWidget(QWidget* parent, DWORD style)
{
    auto* tree = new platform::TreeWidget(this, parent);
    tree->setColumnCount(1);
    tree->setHeaderHidden(true);
    tree->header()->setStretchLastSection(true);
    tree->setRootIsDecorated(style & TVS_LINESATROOT);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setFocusPolicy(Qt::StrongFocus);
    // Every row is as high as the first, so laying out never asks every item for its data.
    tree->setUniformRowHeights(true);
    tree->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    tree->viewport()->setAutoFillBackground(false); // OnEraseBkgnd paints it
    QItemSelectionModel* old = tree->selectionModel();
    tree->setSelectionModel(new platform::TreeSelectionModel(this, tree->model()));
    delete old;
    // Through the widget, so nothing reaches a control that has let go of it.
    QObject::connect(tree, &QTreeWidget::itemExpanded, tree, [tree](QTreeWidgetItem* item) {
        if (CTreeCtrl* owner = tree->Owner())
            owner->UserExpanded(item, true);
    });
    QObject::connect(tree, &QTreeWidget::itemCollapsed, tree, [tree](QTreeWidgetItem* item) {
        if (CTreeCtrl* owner = tree->Owner())
            owner->UserExpanded(item, false);
    });
    return tree;
}

int CTreeCtrl::OnCreate(CREATESTRUCT* create)
{
    ForwardInputOf(Tree()->viewport());
    return CWnd::OnCreate(create);
}

platform::TreeItem* CTreeCtrl::Item(HTREEITEM handle) const
{
    auto it = m_items.find(reinterpret_cast<std::uintptr_t>(handle));
    return it == m_items.end() ? nullptr : it->second;
}

HTREEITEM CTreeCtrl::HandleOf(const QTreeWidgetItem* item) const
{
    if (!item || item->type() != QTreeWidgetItem::UserType)
        return nullptr;
    return static_cast<const platform::TreeItem*>(item)->Handle();
}

void CTreeCtrl::Register(platform::TreeItem* item)
{
    m_items.emplace(item->m_handle, item);
}

void CTreeCtrl::Unregister(QTreeWidgetItem* item)
{
    for (int i = 0; i < item->childCount(); ++i)
        Unregister(item->child(i));
    if (HTREEITEM handle = HandleOf(item))
        m_items.erase(reinterpret_cast<std::uintptr_t>(handle));
}

platform::TreeItem* CTreeCtrl::ParentFor(HTREEITEM parent) const
{
    return parent == TVI_ROOT || parent == nullptr ? nullptr : Item(parent);
}

// The row at which a new item goes among the parent's children; -1 when insertAfter is
// neither a place nor a child of that parent.
int CTreeCtrl::InsertRow(QTreeWidgetItem* parent, HTREEITEM insertAfter, const QString& text) const
{
    const int count = parent ? parent->childCount() : Tree()->topLevelItemCount();
    auto child = [&](int i) {
        return static_cast<platform::TreeItem*>(parent ? parent->child(i) : Tree()->topLevelItem(i));
    };
    if (insertAfter == TVI_FIRST)
        return 0;
    if (insertAfter == TVI_LAST || insertAfter == nullptr)
        return count;
    if (insertAfter == TVI_SORT) {
        int row = 0;
        while (row < count && child(row)->m_text.compare(text, Qt::CaseInsensitive) <= 0)
            ++row;
        return row;
    }
    platform::TreeItem* after = Item(insertAfter);
    if (!after || after->parent() != parent || (!parent && after->treeWidget() != Tree()))
        return -1;
    return (parent ? parent->indexOfChild(after) : Tree()->indexOfTopLevelItem(after)) + 1;
}

HTREEITEM CTreeCtrl::InsertItem(const char* text, int image, int selectedImage, HTREEITEM parent,
                                HTREEITEM insertAfter)
{
    if (!GetWidget())
        return nullptr;
    platform::TreeItem* parentItem = ParentFor(parent);
    if (!parentItem && parent != TVI_ROOT && parent != nullptr)
        return nullptr;
    const bool callback = text == LPSTR_TEXTCALLBACK;
    const QString qtext = callback || !text ? QString() : platform::ToQString(text);
    const int row = InsertRow(parentItem, insertAfter, qtext);
    if (row < 0)
        return nullptr;
    auto* item = new platform::TreeItem(g_nextHandle++);
    item->m_text = qtext;
    item->m_textCallback = callback;
    item->m_image = image;
    item->m_selectedImage = selectedImage;
    platform::QuietScope quiet(m_quiet);
    if (parentItem)
        parentItem->insertChild(row, item);
    else
        Tree()->insertTopLevelItem(row, item);
    Register(item);
    return item->Handle();
}

HTREEITEM CTreeCtrl::InsertItem(const char* text, HTREEITEM parent, HTREEITEM insertAfter)
{
    return InsertItem(text, 0, 0, parent, insertAfter);
}

bool CTreeCtrl::DeleteItem(HTREEITEM handle)
{
    if (handle == TVI_ROOT)
        return DeleteAllItems();
    platform::TreeItem* item = Item(handle);
    if (!item)
        return false;
    const HTREEITEM oldSelection = m_selected;
    const LPARAM oldData = oldSelection ? LPARAM(Item(oldSelection)->m_data) : 0;
    const HTREEITEM successor = SelectionAfterDeleting(item);
    const bool selectionGoes = successor != m_selected;
    {
        platform::QuietScope quiet(m_quiet);
        if (selectionGoes)
            MoveSelectionQuietly(successor);
        Unregister(item);
        delete item;
    }
    // The old item is gone: the parent hears of it without its handle.
    if (selectionGoes)
        AnnounceSelChanged(nullptr, oldData, successor, TVC_UNKNOWN);
    return true;
}

bool CTreeCtrl::DeleteAllItems()
{
    if (!GetWidget())
        return false;
    const HTREEITEM oldSelection = m_selected;
    const LPARAM oldData = oldSelection ? LPARAM(Item(oldSelection)->m_data) : 0;
    {
        platform::QuietScope quiet(m_quiet);
        MoveSelectionQuietly(nullptr);
        m_items.clear();
        Tree()->clear();
    }
    if (oldSelection)
        AnnounceSelChanged(nullptr, oldData, nullptr, TVC_UNKNOWN);
    return true;
}

// The item that keeps the selection when item goes: the selection itself when it lies
// outside item, else item's next sibling, its previous sibling, or its parent.
HTREEITEM CTreeCtrl::SelectionAfterDeleting(QTreeWidgetItem* item) const
{
    for (QTreeWidgetItem* p = Item(m_selected); p; p = p->parent())
        if (p == item) {
            if (HTREEITEM next = GetNextSiblingItem(HandleOf(item)))
                return next;
            if (HTREEITEM previous = GetPrevSiblingItem(HandleOf(item)))
                return previous;
            return HandleOf(item->parent());
        }
    return m_selected;
}

bool CTreeCtrl::SetItemText(HTREEITEM handle, const char* text)
{
    platform::TreeItem* item = Item(handle);
    if (!item)
        return false;
    item->m_textCallback = text == LPSTR_TEXTCALLBACK;
    item->m_text = item->m_textCallback || !text ? QString() : platform::ToQString(text);
    item->Changed();
    return true;
}

std::string CTreeCtrl::GetItemText(HTREEITEM handle) const
{
    platform::TreeItem* item = Item(handle);
    if (!item)
        return {};
    return platform::FromQString(item->m_textCallback ? CallbackText(handle) : item->m_text);
}

bool CTreeCtrl::SetItemData(HTREEITEM handle, DWORD_PTR data)
{
    platform::TreeItem* item = Item(handle);
    if (item)
        item->m_data = data;
    return item != nullptr;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM handle) const
{
    platform::TreeItem* item = Item(handle);
    return item ? item->m_data : 0;
}

bool CTreeCtrl::SetItemImage(HTREEITEM handle, int image, int selectedImage)
{
    platform::TreeItem* item = Item(handle);
    if (!item)
        return false;
    item->m_image = image;
    item->m_selectedImage = selectedImage;
    item->Changed();
    return true;
}

bool CTreeCtrl::GetItemImage(HTREEITEM handle, int& image, int& selectedImage) const
{
    platform::TreeItem* item = Item(handle);
    if (!item)
        return false;
    image = item->m_image;
    selectedImage = item->m_selectedImage;
    return true;
}

bool CTreeCtrl::SetItemState(HTREEITEM handle, UINT state, UINT stateMask)
{
    platform::TreeItem* item = Item(handle);
    if (!item)
        return false;
    if (stateMask & TVIS_BOLD)
        item->m_bold = state & TVIS_BOLD;
    if (stateMask & TVIS_STATEIMAGEMASK)
        item->m_stateImage = (state & TVIS_STATEIMAGEMASK) >> 12;
    item->Changed();
    if (stateMask & TVIS_EXPANDED)
        Expand(handle, state & TVIS_EXPANDED ? TVE_EXPAND : TVE_COLLAPSE);
    if ((stateMask & TVIS_SELECTED) && bool(state & TVIS_SELECTED) != (m_selected == handle))
        SelectItem(state & TVIS_SELECTED ? handle : nullptr);
    return true;
}

UINT CTreeCtrl::GetItemState(HTREEITEM handle, UINT stateMask) const
{
    platform::TreeItem* item = Item(handle);
    if (!item)
        return 0;
    bool expanded = item->isExpanded();
    if (handle == m_expanding) // the parent is being asked about a change not yet made
        expanded = !expanded;
    UINT state = (item->m_bold ? TVIS_BOLD : 0) | (expanded ? TVIS_EXPANDED : 0) |
                 (handle == m_selected ? TVIS_SELECTED : 0) |
                 INDEXTOSTATEIMAGEMASK(item->m_stateImage);
    return state & stateMask;
}

bool CTreeCtrl::ItemHasChildren(HTREEITEM handle) const
{
    platform::TreeItem* item = Item(handle);
    return item && item->childCount() > 0;
}
