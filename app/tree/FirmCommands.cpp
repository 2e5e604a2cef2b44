// Adding and deleting DBE, MBE and WBE firms and the items they commit to, from the Edit menu
// and the tree's context menu.
#include "app/tree/BidTreeView.h"

#include "app/doc/BidDoc.h"
#include "app/startup/BidApp.h"
#include "app/tree/FirmForms.h"
#include "app/views/NodeViews.h"
#include "model/check/CheckBid.h"
#include "model/check/FormChecks.h"
#include "model/check/Recalc.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/window/Menu.h"
#include "resources/ResourceIds.h"

namespace {

int KindOfCommand(UINT id, UINT first)
{
    return int(id - first) + 1;
}

bool IsNodeOfKind(const std::optional<NodeRef>& node, int firstType, int kind)
{
    return node && node->type == firstType + kind - 1;
}

std::string KindName(const CWinMeta* form, int kind)
{
    return form && !FormFirmName(*form).empty() ? FormFirmName(*form) : std::string(GetDbeTypeName(kind));
}

} // namespace

HTREEITEM CBidTreeView::FirmListNode(int kind) const
{
    return FindNode({NODE_DBE_LIST + kind - 1, 0});
}

CWinMeta* CBidTreeView::SelectedFirmForm(int kind, int firstType, NodeRef& selected) const
{
    const CProp* prop = GetProp();
    const std::optional<NodeRef> node = SelectedNode();
    if (!prop || !IsNodeOfKind(node, firstType, kind))
        return nullptr;
    selected = *node;
    return ActiveFirmForm(*prop, kind);
}

void CBidTreeView::MarkChanged()
{
    if (CBidDoc* doc = GetBidDoc())
        doc->SetModifiedFlag();
    if (CProp* prop = GetProp())
        ChangeFlagBit(&prop->m_wFlags, PROP_CHANGED, 1);
}

bool CBidTreeView::ConfirmDelete(const std::string& what, const std::string& name)
{
    const CBidApp* app = GetBidApp();
    if (app && !app->m_bDeleteWarn)
        return true;
    const std::string question = "Are you sure you want to delete the " + what + " record\n" + name + " ?";
    return ZodMessageBox(question, "Delete Warning", MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

// The firms from `from` on move by delta, with their item grids and items.
void CBidTreeView::ShiftFirmNodes(int kind, int from, int delta)
{
    CTreeCtrl& tree = GetTreeCtrl();
    for (HTREEITEM firm = tree.GetChildItem(FirmListNode(kind)); firm; firm = tree.GetNextSiblingItem(firm)) {
        const int index = NodeOf(firm)->index;
        if (index < from)
            continue;
        SetNodeIndex(firm, index + delta);
        for (HTREEITEM grid = tree.GetChildItem(firm); grid; grid = tree.GetNextSiblingItem(grid)) {
            SetNodeIndex(grid, index + delta);
            for (HTREEITEM item = tree.GetChildItem(grid); item; item = tree.GetNextSiblingItem(item))
                SetNodeIndex(item, MakeFirmItemIndex(index + delta, ItemOfFirmItem(NodeOf(item)->index)));
        }
    }
}

// The items of the firm from `from` on move by delta.
void CBidTreeView::ShiftFirmItemNodes(HTREEITEM grid, int firm, int from, int delta)
{
    CTreeCtrl& tree = GetTreeCtrl();
    for (HTREEITEM item = tree.GetChildItem(grid); item; item = tree.GetNextSiblingItem(item)) {
        const int index = ItemOfFirmItem(NodeOf(item)->index);
        if (index >= from)
            SetNodeIndex(item, MakeFirmItemIndex(firm, index + delta));
    }
}

void CBidTreeView::OnUpdateAddFirm(CCmdUI* ui)
{
    const CProp* prop = GetProp();
    ui->Enable(prop && ActiveFirmForm(*prop, KindOfCommand(ui->m_nID, resources::ID_ADD_DBE)));
}

void CBidTreeView::OnAddFirm(UINT id)
{
    CProp* prop = GetProp();
    const int kind = KindOfCommand(id, resources::ID_ADD_DBE);
    CWinMeta* form = prop ? ActiveFirmForm(*prop, kind) : nullptr;
    HTREEITEM list = FirmListNode(kind);
    if (!form || !list)
        return;
    const std::optional<NodeRef> selected = SelectedNode();
    int position = form->m_rows.GetSize();
    if (IsNodeOfKind(selected, NODE_DBE_FIRM, kind))
        position = selected->index + 1;
    else if (IsNodeOfKind(selected, NODE_DBE_LIST, kind))
        position = 0;
    CRowData* row = form->AddRow(position == form->m_rows.GetSize() ? -1 : position, -1);
    if (!row)
        return;
    if (CCellData* name = form->GetCellById(position, 0); name && HasFirmNameField(*form))
        name->m_strText = "<Unknown>";
    ShiftFirmNodes(kind, position, 1);
    HTREEITEM before = position > 0 ? FindNode({NODE_DBE_FIRM + kind - 1, position - 1}) : TVI_FIRST;
    HTREEITEM firm = AddFirm(list, kind, position, before ? before : TVI_FIRST);
    GetTreeCtrl().SelectItem(firm);
    MarkChanged();
}

void CBidTreeView::OnUpdateDeleteFirm(CCmdUI* ui)
{
    ui->Enable(IsNodeOfKind(SelectedNode(), NODE_DBE_FIRM, KindOfCommand(ui->m_nID, resources::ID_DELETE_DBE)));
}

void CBidTreeView::OnDeleteFirm(UINT id)
{
    const int kind = KindOfCommand(id, resources::ID_DELETE_DBE);
    NodeRef selected;
    CWinMeta* form = SelectedFirmForm(kind, NODE_DBE_FIRM, selected);
    if (!form)
        return;
    CProp* prop = GetProp();
    const int firm = selected.index;
    if (!ConfirmDelete(KindName(form, kind), FirmNameOf(*form, firm)))
        return;
    form->m_rows.DeleteAt(firm);
    CheckBid(prop, false);
    ShiftFirmNodes(kind, firm + 1, -1);
    GetTreeCtrl().DeleteItem(GetTreeCtrl().GetSelectedItem());
    if (!SelectNode({NODE_DBE_FIRM + kind - 1, std::max(0, firm - 1)}))
        GetTreeCtrl().SelectItem(FirmListNode(kind));
    MarkChanged();
}

void CBidTreeView::OnUpdateAddFirmItem(CCmdUI* ui)
{
    const int kind = KindOfCommand(ui->m_nID, resources::ID_ADD_DBE_ITEM);
    const std::optional<NodeRef> selected = SelectedNode();
    ui->Enable(GetProp() && (IsNodeOfKind(selected, NODE_DBE_FIRM, kind) || IsNodeOfKind(selected, NODE_DBE_ITEM, kind)));
}

void CBidTreeView::OnAddFirmItem(UINT id)
{
    CProp* prop = GetProp();
    const int kind = KindOfCommand(id, resources::ID_ADD_DBE_ITEM);
    const std::optional<NodeRef> selected = SelectedNode();
    if (!prop || !RecordsFirmItems(*prop, kind))
        return;
    const bool onFirm = IsNodeOfKind(selected, NODE_DBE_FIRM, kind);
    if (!onFirm && !IsNodeOfKind(selected, NODE_DBE_ITEM, kind))
        return;
    const int firm = onFirm ? selected->index : FirmOfFirmItem(selected->index);
    CRowData* row = ActiveFirmForm(*prop, kind)->m_rows.GetAtOrNull(firm);
    HTREEITEM grid = FindNode({NODE_DBE_ITEM_GRID + kind - 1, firm});
    if (!row || !grid)
        return;
    const int position = onFirm ? row->m_dbeItems.GetSize() : ItemOfFirmItem(selected->index) + 1;
    row->m_dbeItems.InsertAt(position, std::make_unique<CDBEItem>());
    ShiftFirmItemNodes(grid, firm, position, 1);
    HTREEITEM after = onFirm ? TVI_LAST : GetTreeCtrl().GetSelectedItem();
    HTREEITEM item = InsertNode(LPSTR_TEXTCALLBACK, {NODE_DBE_ITEM + kind - 1, MakeFirmItemIndex(firm, position)},
                                grid, after);
    GetTreeCtrl().SelectItem(item);
    MarkChanged();
}

void CBidTreeView::OnUpdateDeleteFirmItem(CCmdUI* ui)
{
    ui->Enable(IsNodeOfKind(SelectedNode(), NODE_DBE_ITEM, KindOfCommand(ui->m_nID, resources::ID_DELETE_DBE_ITEM)));
}

void CBidTreeView::OnDeleteFirmItem(UINT id)
{
    const int kind = KindOfCommand(id, resources::ID_DELETE_DBE_ITEM);
    NodeRef selected;
    CWinMeta* form = SelectedFirmForm(kind, NODE_DBE_ITEM, selected);
    if (!form)
        return;
    CProp* prop = GetProp();
    const int firm = FirmOfFirmItem(selected.index);
    const int position = ItemOfFirmItem(selected.index);
    CRowData* row = form->m_rows.GetAtOrNull(firm);
    const CDBEItem* entry = row ? row->m_dbeItems.GetAtOrNull(position) : nullptr;
    if (!entry)
        return;
    const CItem* item = prop->m_items.GetAtOrNull(entry->m_iNumber);
    const std::string what = FormItemName(*form).empty() ? std::string(GetDbeItemTypeName(kind)) : FormItemName(*form);
    if (!ConfirmDelete(what, item ? item->m_strShortDesc : "Unknown"))
        return;
    row->DeleteDbeItem(position);
    CalcDbeCommitment(*prop, kind);
    CheckBid(prop, false);
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM node = tree.GetSelectedItem();
    HTREEITEM grid = tree.GetParentItem(node);
    HTREEITEM previous = tree.GetPrevSiblingItem(node);
    tree.DeleteItem(node);
    ShiftFirmItemNodes(grid, firm, position + 1, -1);
    tree.SelectItem(previous ? previous : tree.GetParentItem(grid));
    MarkChanged();
}

void CBidTreeView::ShowContextMenu(CPoint screenPoint)
{
    const CProp* prop = GetProp();
    CPoint point = screenPoint;
    GetTreeCtrl().ScreenToClient(&point);
    const std::optional<NodeRef> node = NodeOf(GetTreeCtrl().HitTest(point));
    if (!prop || !node)
        return;
    const bool onList = node->type >= NODE_DBE_LIST && node->type <= NODE_WBE_LIST;
    const bool onFirm = node->type >= NODE_DBE_FIRM && node->type <= NODE_WBE_FIRM;
    if (!onList && !onFirm)
        return;
    const int kind = node->type - (onList ? NODE_DBE_LIST : NODE_DBE_FIRM) + 1;
    const std::string name = KindName(ActiveFirmForm(*prop, kind), kind);
    CMenu menu;
    menu.CreatePopupMenu();
    if (onFirm || !IsBidderDbe(*prop, kind))
        menu.AppendMenu(MF_STRING, resources::ID_ADD_DBE + UINT(kind - 1), ("Add " + name).c_str());
    if (onFirm)
        menu.AppendMenu(MF_STRING, resources::ID_DELETE_DBE + UINT(kind - 1), ("Delete " + name).c_str());
    if (menu.GetMenuItemCount() > 0)
        menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, AfxGetMainWnd());
}
