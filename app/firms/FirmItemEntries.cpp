#include "app/firms/FirmItemEntries.h"

#include "model/check/CheckBid.h"
#include "model/check/FirmCommitments.h"
#include "model/check/Recalc.h"
#include "model/eval/Evaluator.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"

#include <limits>
#include <string>
#include <vector>

namespace {

// Differences smaller than this are rounding, not over-commitment.
constexpr double kCommitSlack = 0.01;

// What is left of an item is offered only on the side of zero its own quantity lies on: a
// negative remainder of a positive item (or the reverse) commits nothing.
bool OnSideOfQuantity(double value, double quantity)
{
    if (!IsEvalValueValid(value) || !IsEvalValueValid(quantity))
        return false;
    return quantity >= 0 ? value >= 0 : value <= 0;
}

double Product(double quantity, double price)
{
    return IsEvalValueValid(quantity) && IsEvalValueValid(price) ? quantity * price : MakeEvalErrorValue();
}

int IndexOfEntry(const CRowData& row, const CDBEItem* entry)
{
    for (int i = 0; i < row.m_dbeItems.GetSize(); ++i)
        if (row.m_dbeItems.GetAt(i) == entry)
            return i;
    return -1;
}

void ClearLineLookup(CRowData& row)
{
    std::vector<std::string> lines;
    for (const auto& [line, index] : row.GetDbeItemLines())
        lines.push_back(line);
    for (const std::string& line : lines)
        row.SetDbeItemForLine(line, nullptr);
}

void AddEntry(CProp& prop, int kind, CRowData& row, int index, const CItem& item)
{
    auto entry = std::make_unique<CDBEItem>();
    const double left = prop.GetUncommittedQuantity(&item, kind);
    entry->m_dQuantity = OnSideOfQuantity(left, item.m_fQuan) ? left : 0;
    entry->m_dUnitPrice = item.m_fUnitPrice;
    entry->m_dExtension = Product(entry->m_dQuantity, entry->m_dUnitPrice);
    entry->m_iNumber = int16_t(index);
    FollowSharing(prop, item, *entry);
    CDBEItem* added = row.m_dbeItems.Add(std::move(entry));
    row.SetDbeItemForLine(item.m_strLineNum, added);
    UpdateFirmItemState(prop, kind, item, *added);
}

} // namespace

CRowData* GetFirmRow(const CProp& prop, int kind, int firm)
{
    const CWinMeta* form = prop.GetDbeForm(kind);
    return form ? form->m_rows.GetAtOrNull(firm) : nullptr;
}

void RebuildFirmItemLines(const CProp& prop, int kind)
{
    const CWinMeta* form = prop.GetDbeForm(kind);
    if (!form)
        return;
    for (const auto& row : form->m_rows) {
        if (!row)
            continue;
        ClearLineLookup(*row);
        for (const auto& entry : row->m_dbeItems)
            if (entry && IsCommittableItem(prop, entry->m_iNumber))
                row->SetDbeItemForLine(prop.m_items.GetAt(entry->m_iNumber)->m_strLineNum, entry.get());
    }
}

CDBEItem* FindFirmItemEntry(const CProp& prop, int kind, int firm, int item)
{
    const CRowData* row = GetFirmRow(prop, kind, firm);
    const CItem* itemRow = prop.m_items.GetAtOrNull(item);
    return row && itemRow ? row->FindDbeItemByLine(itemRow->m_strLineNum) : nullptr;
}

bool IsCommittableItem(const CProp& prop, int item)
{
    const CItem* row = prop.m_items.GetAtOrNull(item);
    // An entry keeps its item's index in 16 bits.
    return row && !row->IsSection() && item <= std::numeric_limits<int16_t>::max();
}

bool SetItemCommitted(CProp& prop, int kind, int firm, int item, bool committed)
{
    CRowData* row = GetFirmRow(prop, kind, firm);
    if (!row || !IsCommittableItem(prop, item))
        return false;
    const CItem& committedItem = *prop.m_items.GetAt(item);
    CDBEItem* entry = row->FindDbeItemByLine(committedItem.m_strLineNum);
    if (committed == (entry != nullptr))
        return false;
    if (committed)
        AddEntry(prop, kind, *row, item, committedItem);
    else
        row->DeleteDbeItem(IndexOfEntry(*row, entry));
    return true;
}

bool IsSharedAmongFirms(const CProp& prop, const CItem& item)
{
    for (int kind : {FIRM_DBE, FIRM_MBE, FIRM_WBE})
        if (const CWinMeta* form = prop.GetDbeForm(kind))
            for (const auto& row : form->m_rows)
                if (const CDBEItem* entry = row ? row->FindDbeItemByLine(item.m_strLineNum) : nullptr;
                    entry && TestFlagBit(entry->m_wEntryFlags, DBEITEM_NOT_COUNTED))
                    return true;
    return false;
}

void FollowSharing(const CProp& prop, const CItem& item, CDBEItem& entry)
{
    if (IsSharedAmongFirms(prop, item))
        ChangeFlagBit(&entry.m_wEntryFlags, DBEITEM_NOT_COUNTED, 1);
}

void UpdateFirmItemState(const CProp& prop, int kind, const CItem& item, CDBEItem& entry)
{
    const double quantity = item.m_fQuan;
    const double committed = entry.m_dQuantity;
    bool overQuantity = false, overAmount = false, overItem = false;
    bool invalid = !IsEvalValueValid(committed);
    if (IsEvalValueValid(quantity) && !invalid) {
        const double left = prop.GetUncommittedQuantity(&item, kind);
        const double leftAmount = prop.GetUncommittedAmount(&item, kind);
        const bool positive = quantity >= 0;
        overQuantity = positive ? left < -kCommitSlack : left > kCommitSlack;
        overAmount = positive ? leftAmount < -kCommitSlack : leftAmount > kCommitSlack;
        overItem = positive ? committed > quantity : quantity > committed;
        invalid = (quantity > 0 && committed <= 0) || (quantity < 0 && committed >= 0);
    }
    const bool complete = !invalid && IsEvalValueValid(entry.m_dUnitPrice) && IsEvalValueValid(entry.m_dExtension) &&
                          !overQuantity && !overAmount;
    uint16_t& flags = entry.m_wEntryFlags;
    ChangeFlagBit(&flags, DBEITEM_OVERCOMMITTED, overQuantity ? 1 : 0);
    ChangeFlagBit(&flags, DBEITEM_AMOUNT_OVER, overAmount ? 1 : 0);
    ChangeFlagBit(&flags, DBEITEM_SINGLE_FIRM_OVER, overItem ? 1 : 0);
    ChangeFlagBit(&flags, DBEITEM_INVALID_QUANTITY, invalid ? 1 : 0);
    ChangeFlagBit(&flags, DBEITEM_COMPLETE, complete ? 1 : 0);
}

void RecheckCommitments(CProp& prop, int firm)
{
    for (int kind : {FIRM_DBE, FIRM_MBE, FIRM_WBE})
        CalcDbeCommitment(prop, kind);
    if (firm >= 0)
        for (int kind : {FIRM_DBE, FIRM_MBE, FIRM_WBE})
            if (CWinMeta* form = prop.GetDbeForm(kind))
                form->CheckRowsComplete(firm);
    CheckBid(&prop, false);
}
