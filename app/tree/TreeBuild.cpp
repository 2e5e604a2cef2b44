// Building the proposal tree: the proposal's parts, the schedule's sections, groups, choices
// and items, the firm lists, the forms, and in letting mode the letting's proposals.
#include "app/tree/BidTreeView.h"

#include "app/doc/BidDoc.h"
#include "app/startup/BidApp.h"
#include "app/tree/FirmForms.h"
#include "app/tree/NodeTexts.h"
#include "app/views/NodeViews.h"
#include "model/check/FirmCommitments.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"

#include <algorithm>
#include <set>

namespace {

// Marks an item row that already has its node.
constexpr int kPlacedBit = 11;

bool IsPlaced(const CItem& row)
{
    return TestFlagBit(row.m_wFlags, kPlacedBit) != 0;
}

void MarkPlaced(CItem& row)
{
    ChangeFlagBit(&row.m_wFlags, kPlacedBit, 1);
}

bool IsAlternate(const CItem& row)
{
    return TestFlagBit(row.m_wFlags, ITEM_IS_ALTERNATE) != 0;
}

bool IsOption(const CItem& row)
{
    return TestFlagBit(row.m_wFlags, ITEM_IS_OPTION) != 0;
}

// The rows from `first` to `end` (not included) of the same kind (section row or item) and
// the same alternate group as `first`, not yet placed, in order.
std::vector<int> GroupMembers(const CProp& prop, int first, int end)
{
    const CItemArray& items = prop.m_items;
    const CItem& head = *items[first];
    std::vector<int> members;
    for (int row = first; row < end; ++row) {
        const CItem* item = items.GetAtOrNull(row);
        if (item && item->IsSection() == head.IsSection() && IsAlternate(*item) == IsAlternate(head) &&
            !IsPlaced(*item) && items.IsSameAlternateGroup(first, row))
            members.push_back(row);
    }
    return members;
}

// The members by choice (the full alternate code), choices in order of their first row.
std::vector<std::vector<int>> ChoicesOf(const CProp& prop, const std::vector<int>& members)
{
    std::vector<std::vector<int>> choices;
    for (const int row : members) {
        auto same = std::find_if(choices.begin(), choices.end(), [&](const std::vector<int>& choice) {
            return prop.m_items.IsSameAlternate(choice.front(), row);
        });
        if (same == choices.end())
            choices.push_back({row});
        else
            same->push_back(row);
    }
    return choices;
}

int NextSectionRow(const CProp& prop, int row)
{
    const int count = prop.m_items.GetSize();
    for (int next = row + 1; next < count; ++next)
        if (const CItem* item = prop.m_items.GetAtOrNull(next); item && item->IsSection())
            return next;
    return count;
}

} // namespace

void CBidTreeView::RemoveAllNodes()
{
    if (CBidDoc* doc = GetBidDoc())
        doc->ChangeFlag(DOC_OPENING, 1);
    GetTreeCtrl().DeleteAllItems();
    m_templateNames.clear();
}

void CBidTreeView::BuildTree()
{
    CBidDoc* doc = GetBidDoc();
    if (!doc)
        return;
    CTreeCtrl& tree = GetTreeCtrl();
    if (!doc->IsLettingMode()) {
        RemoveAllNodes();
        if (!GetProp())
            return;
        HTREEITEM proposal = InsertNode(ProposalNodeText(*doc).c_str(), {NODE_PROPOSAL, 0}, TVI_ROOT);
        AddProposalNodes(proposal);
        tree.SelectItem(proposal);
    } else if (doc->TestFlag(DOC_LETTING_CHOSEN)) {
        BuildLettingRoot();
    } else if (HTREEITEM selected = tree.GetSelectedItem()) {
        AddProposalNodes(selected);
        tree.Expand(selected, TVE_EXPAND);
    }
    doc->ChangeFlag(DOC_OPENING, 0);
}

void CBidTreeView::BuildLettingRoot()
{
    CBidDoc* doc = GetBidDoc();
    doc->ChangeFlag(DOC_LETTING_CHOSEN, 0);
    CTreeCtrl& tree = GetTreeCtrl();
    RemoveAllNodes();
    const std::string title = "Letting Directory: " + doc->m_strLettingFolder;
    HTREEITEM root = InsertNode(title.c_str(), {NODE_LETTING, 0}, TVI_ROOT);
    for (std::size_t k = 0; k < doc->m_strLettingFiles.size(); ++k) {
        HTREEITEM proposal = InsertNode(doc->m_strLettingFiles[k].c_str(), {NODE_PROPOSAL, int(k)}, root);
        if (int(k) == doc->m_iLettingIndex && GetProp())
            AddProposalNodes(proposal);
    }
    tree.Expand(root, TVE_EXPAND);
    tree.SelectItem(root);
}

void CBidTreeView::RemoveProposalNodes()
{
    if (HTREEITEM proposal = FindNode({NODE_PROPOSAL, GetBidDoc()->m_iLettingIndex}))
        while (HTREEITEM child = GetTreeCtrl().GetChildItem(proposal))
            GetTreeCtrl().DeleteItem(child);
}

// Hint 500 in letting mode: only the open proposal's nodes are made again.
void CBidTreeView::RebuildProposal()
{
    RemoveProposalNodes();
    if (HTREEITEM proposal = FindNode({NODE_PROPOSAL, GetBidDoc()->m_iLettingIndex}); proposal && GetProp())
        AddProposalNodes(proposal);
}

void CBidTreeView::AddProposalNodes(HTREEITEM proposal)
{
    CBidDoc* doc = GetBidDoc();
    CProp& prop = *GetProp();
    doc->m_iLettingIndex = NodeOf(proposal)->index;
    HTREEITEM schedule = InsertNode(ScheduleNodeText(prop).c_str(), {NODE_SCHEDULE, 0}, proposal);
    if (!doc->m_iGridMode)
        AddItemStructure(schedule);
    if (TestFlagBit(prop.m_wFlags2, PROP2_TIME_COSTS_IN_BID) && !prop.m_sites.IsEmpty())
        InsertNode("Proposal Sites", {NODE_SITES, 0}, proposal);
    AddFirmLists(proposal);
    AddFormNodes(proposal);
    const CBidApp* app = GetBidApp();
    if (app && app->m_bTemplates)
        AddTemplateNodes(proposal);
    CTreeCtrl& tree = GetTreeCtrl();
    tree.Expand(proposal, TVE_EXPAND);
    tree.Expand(schedule, TVE_EXPAND);
}

void CBidTreeView::AddItemStructure(HTREEITEM schedule)
{
    CProp& prop = *GetProp();
    for (const auto& row : prop.m_items)
        if (row)
            ChangeFlagBit(&row->m_wFlags, kPlacedBit, 0);
    for (int row = 0; row < prop.m_items.GetSize(); ++row) {
        const CItem* item = prop.m_items.GetAtOrNull(row);
        if (!item || !item->IsSection() || IsPlaced(*item))
            continue;
        if (IsAlternate(*item) || IsOption(*item))
            AddGroup(schedule, row, prop.m_items.GetSize());
        else
            AddSection(schedule, row);
    }
}

// A group of alternate or option rows from `row` to `end`: sections when the row is a section
// row, else items. With two choices or more each choice has its node.
void CBidTreeView::AddGroup(HTREEITEM parent, int row, int end)
{
    const CProp& prop = *GetProp();
    const CItem& head = *prop.m_items[row];
    const bool alternate = IsAlternate(head);
    const int groupType = head.IsSection() ? (alternate ? NODE_ALT_SECTION_GROUP : NODE_OPT_SECTION_GROUP)
                                           : (alternate ? NODE_ALT_ITEM_GROUP : NODE_OPT_ITEM_GROUP);
    // Each group type's choice type follows two after it.
    const int choiceType = groupType + 2;
    HTREEITEM group = InsertNode(GroupNodeText(prop, groupType, row).c_str(), {groupType, row}, parent);
    const std::vector<std::vector<int>> choices = ChoicesOf(prop, GroupMembers(prop, row, end));
    for (const std::vector<int>& choice : choices) {
        HTREEITEM under = group;
        if (choices.size() > 1)
            under = InsertNode(GroupNodeText(prop, choiceType, choice.front()).c_str(),
                               {choiceType, choice.front()}, group);
        for (const int member : choice) {
            if (head.IsSection())
                AddSection(under, member);
            else
                AddItem(under, member);
        }
    }
}

void CBidTreeView::AddSection(HTREEITEM parent, int row)
{
    CProp& prop = *GetProp();
    MarkPlaced(*prop.m_items[row]);
    HTREEITEM section = InsertNode(SectionNodeText(prop, row).c_str(), {NODE_SECTION, row}, parent);
    const int end = NextSectionRow(prop, row);
    for (int next = row + 1; next < end; ++next) {
        const CItem* item = prop.m_items.GetAtOrNull(next);
        if (!item || IsPlaced(*item))
            continue;
        if (IsAlternate(*item) || IsOption(*item))
            AddGroup(section, next, end);
        else
            AddItem(section, next);
    }
}

void CBidTreeView::AddItem(HTREEITEM parent, int row)
{
    CProp& prop = *GetProp();
    MarkPlaced(*prop.m_items[row]);
    InsertNode(ItemNodeText(prop, row).c_str(), {NODE_ITEM, row}, parent);
}

void CBidTreeView::AddFirmLists(HTREEITEM proposal)
{
    const CProp& prop = *GetProp();
    for (const int kind : kFirmKinds) {
        const CWinMeta* form = ActiveFirmForm(prop, kind);
        if (!form)
            continue;
        HTREEITEM list = InsertNode(ListNodeText(prop, kind).c_str(), {NODE_DBE_LIST + kind - 1, 0}, proposal);
        for (int firm = 0; firm < form->m_rows.GetSize(); ++firm)
            AddFirm(list, kind, firm, TVI_LAST);
    }
}

// The firm's node, with its item grid and items when the form records them.
HTREEITEM CBidTreeView::AddFirm(HTREEITEM list, int kind, int firm, HTREEITEM after)
{
    const CProp& prop = *GetProp();
    HTREEITEM node = InsertNode(LPSTR_TEXTCALLBACK, {NODE_DBE_FIRM + kind - 1, firm}, list, after);
    if (!RecordsFirmItems(prop, kind))
        return node;
    HTREEITEM grid = InsertNode(FirmItemGridText(prop, kind).c_str(), {NODE_DBE_ITEM_GRID + kind - 1, firm}, node);
    AddFirmItems(grid, kind, firm);
    return node;
}

// One node per firm item that names an item row, in the order of the firm's items.
void CBidTreeView::AddFirmItems(HTREEITEM grid, int kind, int firm)
{
    const CProp& prop = *GetProp();
    const CRowData* row = ActiveFirmForm(prop, kind)->m_rows.GetAtOrNull(firm);
    for (int item = 0; row && item < row->m_dbeItems.GetSize(); ++item)
        if (const CDBEItem* entry = row->m_dbeItems.GetAt(item); entry && CommittedItem(prop, *entry))
            InsertNode(LPSTR_TEXTCALLBACK, {NODE_DBE_ITEM + kind - 1, MakeFirmItemIndex(firm, item)}, grid);
}

void CBidTreeView::RelistFirmItems(int kind, int firm)
{
    HTREEITEM grid = FindNode({NODE_DBE_ITEM_GRID + kind - 1, firm});
    if (!grid || !GetProp())
        return;
    CTreeCtrl& tree = GetTreeCtrl();
    while (HTREEITEM item = tree.GetChildItem(grid))
        tree.DeleteItem(item);
    AddFirmItems(grid, kind, firm);
}

void CBidTreeView::AddFormNodes(HTREEITEM proposal)
{
    const CProp& prop = *GetProp();
    if (TestFlagBit(prop.m_wFlags, PROP_HAS_MISC_FORMS))
        for (int form = 0; form < prop.m_miscForms.GetSize(); ++form)
            if (const CWinMeta* misc = prop.m_miscForms.GetAtOrNull(form); misc && !TestFlagBit(misc->m_wFlags, 0))
                InsertNode(MiscNodeText(prop, form).c_str(), {NODE_MISC, form}, proposal);
    if (TestFlagBit(prop.m_wFlags2, PROP2_HAS_BOND_FORM) && prop.m_pBondForm)
        InsertNode(BondNodeText(prop).c_str(), {NODE_BOND, 0}, proposal);
}

void CBidTreeView::AddTemplateNodes(HTREEITEM proposal)
{
    const CProp& prop = *GetProp();
    HTREEITEM info = InsertNode("Template Info", {NODE_TEMPLATE_INFO, 0}, proposal);
    std::set<std::string> names;
    for (const auto& [name, plate] : prop.m_plates)
        names.insert(name);
    for (const std::string& name : names) {
        m_templateNames.push_back(name);
        InsertNode(name.c_str(), {NODE_DATA_TEMPLATE, int(m_templateNames.size()) - 1}, info);
    }
}

std::string CBidTreeView::DataTemplateName(int index) const
{
    return index >= 0 && index < int(m_templateNames.size()) ? m_templateNames[size_t(index)] : std::string();
}

void CBidTreeView::RenameDataTemplate(int index, const std::string& name)
{
    if (index < 0 || index >= int(m_templateNames.size()))
        return;
    m_templateNames[size_t(index)] = name;
    if (HTREEITEM node = FindNode({NODE_DATA_TEMPLATE, index}))
        GetTreeCtrl().SetItemText(node, name.c_str());
}
