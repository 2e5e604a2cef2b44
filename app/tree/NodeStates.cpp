#include "app/tree/NodeStates.h"

#include "app/tree/FirmForms.h"
#include "app/views/NodeViews.h"
#include "model/check/CheckBid.h"
#include "model/check/FirmCommitments.h"
#include "model/check/FormChecks.h"
#include "model/eval/Evaluator.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"

namespace {

// A form's checked state (0 clean, 1 warning, 2 error) as a node state.
int FormState(const CWinMeta& form)
{
    return (GetFormErrorState(form) + 1) % 3;
}

int RowCheckBit(const CProp& prop, int row, int bit)
{
    return TestFlagBit(GetItemCheckWord(prop, row), bit);
}

int MiscState(const CProp& prop, int index)
{
    const CWinMeta* form = prop.m_miscForms.GetAtOrNull(index);
    if (!form || form->m_fields.IsEmpty())
        return NODE_STATE_PLAIN;
    return form->IsRowComplete(0) ? NODE_STATE_COMPLETE : NODE_STATE_ERROR;
}

int FirmState(const CProp& prop, int kind, int firm)
{
    const CWinMeta* form = ActiveFirmForm(prop, kind);
    if (!form || !form->m_rows.GetAtOrNull(firm))
        return NODE_STATE_PLAIN;
    return form->IsRowComplete(firm) ? NODE_STATE_COMPLETE : NODE_STATE_ERROR;
}

// Beyond the item's quantity: above it for a quantity of 0 or more, below it for a negative
// one; a comparison that cannot be made counts as beyond.
bool IsBeyond(double committed, double quantity)
{
    if (!(committed == committed) || !(quantity == quantity))
        return true;
    return quantity >= 0 ? committed > quantity : committed < quantity;
}

int FirmItemState(const CProp& prop, int kind, int index)
{
    const CWinMeta* form = ActiveFirmForm(prop, kind);
    const CDBEItem* entry = form ? form->GetRowDbeItem(FirmOfFirmItem(index), ItemOfFirmItem(index)) : nullptr;
    if (!entry)
        return NODE_STATE_PLAIN;
    if (!IsEvalValueValid(entry->m_dExtension))
        return NODE_STATE_ERROR;
    const CItem* item = prop.m_items.GetAtOrNull(entry->m_iNumber);
    if (item && IsBeyond(GetItemCommittedQuantity(prop, entry->m_iNumber), item->m_fQuan))
        return NODE_STATE_ERROR;
    return NODE_STATE_COMPLETE;
}

int BondState(const CProp& prop)
{
    const CWinMeta* bond = prop.m_pBondForm.get();
    return bond && !bond->m_fields.IsEmpty() ? FormState(*bond) : NODE_STATE_PLAIN;
}

int KindOf(int type, int first)
{
    return type - first + 1;
}

} // namespace

int NodeState(const CProp& prop, NodeRef node, bool hasChildren)
{
    switch (node.type) {
    case NODE_PROPOSAL:
        if (!hasChildren)
            return NODE_STATE_PLAIN;
        return TestFlagBit(prop.m_wFlags, BID_ERRORS) ? NODE_STATE_ERROR : NODE_STATE_COMPLETE;
    case NODE_SCHEDULE: return TestFlagBit(prop.m_wFlags, ITEM_LIST_VALID);
    case NODE_DBE_LIST:
    case NODE_MBE_LIST:
    case NODE_WBE_LIST: {
        const CWinMeta* form = ActiveFirmForm(prop, KindOf(node.type, NODE_DBE_LIST));
        return form ? FormState(*form) : NODE_STATE_PLAIN;
    }
    case NODE_MISC: return MiscState(prop, node.index);
    case NODE_ALT_SECTION_GROUP:
    case NODE_OPT_SECTION_GROUP:
    case NODE_ALT_ITEM_GROUP:
    case NODE_OPT_ITEM_GROUP: return RowCheckBit(prop, node.index, CHECK_GROUP_CORRECT);
    case NODE_ALT_SECTION_CHOICE:
    case NODE_OPT_SECTION_CHOICE:
    case NODE_ALT_ITEM_CHOICE:
    case NODE_OPT_ITEM_CHOICE: return RowCheckBit(prop, node.index, CHECK_CHOICE_FULLY_BID);
    case NODE_SECTION:
    case NODE_ITEM: return RowCheckBit(prop, node.index, CHECK_FULLY_BID);
    case NODE_DBE_FIRM:
    case NODE_MBE_FIRM:
    case NODE_WBE_FIRM: return FirmState(prop, KindOf(node.type, NODE_DBE_FIRM), node.index);
    case NODE_DBE_ITEM:
    case NODE_MBE_ITEM:
    case NODE_WBE_ITEM: return FirmItemState(prop, KindOf(node.type, NODE_DBE_ITEM), node.index);
    case NODE_BOND: return BondState(prop);
    case NODE_SITES: return TestFlagBit(prop.m_wFlags2, SITE_LIST_VALID);
    default: return NODE_STATE_PLAIN;
    }
}
