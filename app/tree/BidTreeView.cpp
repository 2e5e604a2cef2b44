#include "app/tree/BidTreeView.h"

#include "app/doc/BidDoc.h"
#include "app/frame/MainFrame.h"
#include "app/startup/BidApp.h"
#include "app/tree/BidView.h"
#include "app/tree/NodeStates.h"
#include "app/tree/NodeTexts.h"
#include "app/views/NodeViews.h"
#include "app/views/ViewBackgrounds.h"
#include "app/views/ViewHints.h"
#include "model/records/Prop.h"
#include "platform/ui/window/VirtualKeys.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNCREATE(CBidTreeView, CColoredTreeView)

BEGIN_MESSAGE_MAP(CBidTreeView, CColoredTreeView)
    ON_NOTIFY_REFLECT(TVN_SELCHANGED, OnSelChanged)
    ON_NOTIFY_REFLECT(TVN_GETDISPINFO, OnGetDispInfo)
    ON_NOTIFY_REFLECT(NM_RCLICK, OnRightClick)
    ON_COMMAND_RANGE(resources::ID_ADD_DBE, resources::ID_ADD_WBE, OnAddFirm)
    ON_UPDATE_COMMAND_UI_RANGE(resources::ID_ADD_DBE, resources::ID_ADD_WBE, OnUpdateAddFirm)
    ON_COMMAND_RANGE(resources::ID_DELETE_DBE, resources::ID_DELETE_WBE, OnDeleteFirm)
    ON_UPDATE_COMMAND_UI_RANGE(resources::ID_DELETE_DBE, resources::ID_DELETE_WBE, OnUpdateDeleteFirm)
    ON_COMMAND_RANGE(resources::ID_ADD_DBE_ITEM, resources::ID_ADD_WBE_ITEM, OnAddFirmItem)
    ON_UPDATE_COMMAND_UI_RANGE(resources::ID_ADD_DBE_ITEM, resources::ID_ADD_WBE_ITEM, OnUpdateAddFirmItem)
    ON_COMMAND_RANGE(resources::ID_DELETE_DBE_ITEM, resources::ID_DELETE_WBE_ITEM, OnDeleteFirmItem)
    ON_UPDATE_COMMAND_UI_RANGE(resources::ID_DELETE_DBE_ITEM, resources::ID_DELETE_WBE_ITEM,
                               OnUpdateDeleteFirmItem)
    ON_COMMAND(ID_FILE_PRINT, OnPrintBid)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnPrintBidDirect)
    ON_COMMAND(resources::ID_PRINT_QUOTE, OnPrintQuote)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT, OnUpdateNeedsProposal)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT_DIRECT, OnUpdateNeedsProposal)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT_PREVIEW, OnUpdateNeedsProposal)
    ON_UPDATE_COMMAND_UI(resources::ID_PRINT_QUOTE, OnUpdateNeedsProposal)
END_MESSAGE_MAP()

namespace {

constexpr int kImageWidth = 16;
constexpr COLORREF kImageMask = RGB(0, 0, 255);

} // namespace

CBidTreeView::CBidTreeView() = default;
CBidTreeView::~CBidTreeView() = default;

bool CBidTreeView::PreCreateWindow(CREATESTRUCT& create)
{
    create.style |= TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_NOTOOLTIPS | TVS_SHOWSELALWAYS;
    return CColoredTreeView::PreCreateWindow(create);
}

CBidDoc* CBidTreeView::GetBidDoc() const
{
    return dynamic_cast<CBidDoc*>(GetDocument());
}

CProp* CBidTreeView::GetProp() const
{
    const CBidDoc* doc = GetBidDoc();
    return doc ? doc->GetProp() : nullptr;
}

void CBidTreeView::OnInitialUpdate()
{
    CColoredTreeView::OnInitialUpdate();
    ApplyBackground();
    if (!m_images.IsCreated()) {
        CBitmap strip;
        if (strip.LoadBitmap(resources::IDB_TREE_STATES))
            m_images.Create(strip.Image(), kImageWidth, 0, kImageMask);
    }
    GetTreeCtrl().SetImageList(&m_images, TVSIL_NORMAL);
    BuildTree();
}

void CBidTreeView::ApplyBackground()
{
    const CBidApp* app = GetBidApp();
    const int type = app ? app->m_iBackgroundType : BACKGROUND_PLAIN;
    if (type == BACKGROUND_GRADIENT)
        SetBackgroundColors(app->m_crTopColor, app->m_crBottomColor, COLORREF(-1));
    else if (type == BACKGROUND_BITMAP)
        SetBackgroundBitmap(app->m_strBackgroundBitmap, COLORREF(-1));
    else
        ClearBackground();
}

void CBidTreeView::OnUpdate(CView*, LPARAM hint, void*)
{
    const CBidDoc* doc = GetBidDoc();
    if (hint == HINT_REBUILD_TREE) {
        if (doc && doc->IsLettingMode())
            RebuildProposal();
        else
            BuildTree();
    } else if (hint == HINT_BACKGROUND) {
        ApplyBackground();
        Invalidate();
    } else if (doc && !doc->m_iGridMode) {
        if (HTREEITEM item = FindNode({HintNodeType(hint), HintNodeIndex(hint)}))
            GetTreeCtrl().SelectItem(item);
    }
}

HTREEITEM CBidTreeView::InsertNode(const char* text, NodeRef node, HTREEITEM parent, HTREEITEM after)
{
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.InsertItem(text, I_IMAGECALLBACK, I_IMAGECALLBACK, parent, after);
    if (item)
        tree.SetItemData(item, PackNodeRef(node));
    return item;
}

void CBidTreeView::SetNodeIndex(HTREEITEM item, int index)
{
    if (const std::optional<NodeRef> node = NodeOf(item))
        GetTreeCtrl().SetItemData(item, PackNodeRef({node->type, index}));
}

std::optional<NodeRef> CBidTreeView::NodeOf(HTREEITEM item) const
{
    if (!item)
        return std::nullopt;
    return UnpackNodeRef(GetTreeCtrl().GetItemData(item));
}

std::optional<NodeRef> CBidTreeView::SelectedNode() const
{
    return NodeOf(GetTreeCtrl().GetSelectedItem());
}

HTREEITEM CBidTreeView::FindNode(NodeRef node) const
{
    const CTreeCtrl& tree = GetTreeCtrl();
    // Depth first from the root, in the order the nodes show.
    std::vector<HTREEITEM> pending{tree.GetRootItem()};
    while (!pending.empty()) {
        HTREEITEM item = pending.back();
        pending.pop_back();
        for (; item; item = tree.GetNextSiblingItem(item)) {
            if (NodeOf(item) == node)
                return item;
            if (HTREEITEM child = tree.GetChildItem(item)) {
                pending.push_back(tree.GetNextSiblingItem(item));
                pending.push_back(child);
                break;
            }
        }
    }
    return nullptr;
}

bool CBidTreeView::SelectNode(NodeRef node)
{
    HTREEITEM item = FindNode(node);
    return item && GetTreeCtrl().SelectItem(item);
}

void CBidTreeView::OnSelChanged(NMHDR* header, LRESULT*)
{
    const auto* change = reinterpret_cast<const NMTREEVIEW*>(header);
    ShowNodeView(NodeOf(change->itemNew.hItem));
}

void CBidTreeView::ShowNodeView(const std::optional<NodeRef>& node)
{
    CBidDoc* doc = GetBidDoc();
    if (node && node->type == NODE_PROPOSAL && doc && doc->IsLettingMode() &&
        node->index != doc->m_iLettingIndex && !doc->TestFlag(DOC_OPENING) && !doc->OpenLettingProposal(node->index)) {
        // Not opened: the proposal that stays open keeps the selection.
        SelectNode({NODE_PROPOSAL, doc->m_iLettingIndex});
        return;
    }
    CBidView* splitter = GetMainSplitter();
    if (!splitter)
        return;
    const NodeRef shown = node.value_or(NodeRef{NODE_NONE, 0});
    splitter->ReplaceRightPane(GetNodeViewClass(shown.type, doc && doc->m_iGridMode), shown.index, shown.type);
}

void CBidTreeView::OnGetDispInfo(NMHDR* header, LRESULT*)
{
    auto* info = reinterpret_cast<NMTVDISPINFO*>(header);
    const CProp* prop = GetProp();
    const std::optional<NodeRef> node = NodeOf(info->item.hItem);
    if (!node)
        return;
    if (info->item.mask & (TVIF_IMAGE | TVIF_SELECTEDIMAGE)) {
        const bool children = GetTreeCtrl().ItemHasChildren(info->item.hItem);
        const int state = prop ? NodeState(*prop, *node, children) : NODE_STATE_PLAIN;
        info->item.iImage = NodeImage(state, false);
        info->item.iSelectedImage = NodeImage(state, true);
    }
    if ((info->item.mask & TVIF_TEXT) && prop && info->item.pszText && info->item.cchTextMax > 0) {
        std::string text;
        if (node->type >= NODE_DBE_FIRM && node->type <= NODE_WBE_FIRM)
            text = FirmNodeText(*prop, node->type - NODE_DBE_FIRM + 1, node->index);
        else if (node->type >= NODE_DBE_ITEM && node->type <= NODE_WBE_ITEM)
            text = FirmItemNodeText(*prop, node->type - NODE_DBE_ITEM + 1, node->index);
        const std::size_t length = std::min(text.size(), std::size_t(info->item.cchTextMax - 1));
        std::memcpy(info->item.pszText, text.data(), length);
        info->item.pszText[length] = '\0';
    }
}

void CBidTreeView::OnRightClick(NMHDR*, LRESULT*)
{
    CPoint screen;
    GetCursorPos(&screen);
    CPoint point = screen;
    CTreeCtrl& tree = GetTreeCtrl();
    tree.ScreenToClient(&point);
    if (HTREEITEM item = tree.HitTest(point))
        tree.SelectItem(item);
    tree.SetFocus();
    ShowContextMenu(screen);
}

void CBidTreeView::OnUpdateNeedsProposal(CCmdUI* ui)
{
    ui->Enable(GetProp() != nullptr);
}
