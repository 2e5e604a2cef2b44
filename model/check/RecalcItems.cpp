#include "model/check/RecalcItems.h"

#include "model/eval/Evaluator.h"
#include "model/text/FlagWord.h"
#include "model/records/ItemArray.h"
#include "model/text/NumberFormat.h"

#include <string_view>
#include <unordered_map>

double ItemExtension(double quantity, double unitPrice, int decimals)
{
    if (IsEvalValueValid(quantity) && IsEvalValueValid(unitPrice))
        return RoundToDecimals(quantity * unitPrice, decimals);
    return MakeEvalErrorValue();
}

void RecalcItemExtension(CItem& item, int decimals)
{
    if (item.IsSection())
        return;
    item.m_fExtension = ItemExtension(item.m_fQuan, item.m_fUnitPrice, decimals);
    item.m_fUnitPrice2 = item.m_fUnitPrice;
    item.m_fExtension2 = item.m_fExtension;
}

void RowsOfSectionIn(const CItemArray& items, int section, std::vector<ChoiceRow>& rows)
{
    rows.clear();
    for (int i = section + 1; i < items.GetSize(); ++i) {
        CItem* row = items.GetAtOrNull(i);
        if (!row)
            continue;
        if (row->IsSection())
            break;
        rows.push_back({row});
    }
}

int FindSectionRowIn(const CItemArray& items, int index)
{
    if (index >= items.GetSize())
        index = items.GetSize() - 1;
    for (int i = index; i >= 0; --i) {
        const CItem* row = items.GetAtOrNull(i);
        if (row && row->IsSection())
            return i;
    }
    return 0;
}

int FindNextItemIn(const CItemArray& items, int index, int step)
{
    if ((step != 1 && step != -1) || index < -1 || index > items.GetSize())
        return -1;
    for (int i = index + step; i >= 0 && i < items.GetSize(); i += step) {
        const CItem* row = items.GetAtOrNull(i);
        if (row && !row->IsSection())
            return i;
    }
    return -1;
}

std::optional<std::string> FindDuplicateLineNumberIn(const CItemArray& items)
{
    // Counted first, then walked in order, so the answer is the earliest row that has a twin,
    // as a pairwise search from the top would find.
    std::unordered_map<std::string_view, int> seen[2];
    for (const auto& row : items)
        if (row)
            ++seen[row->IsSection() ? 1 : 0][row->m_strLineNum];
    for (const auto& row : items)
        if (row && seen[row->IsSection() ? 1 : 0][row->m_strLineNum] > 1)
            return row->m_strLineNum;
    return std::nullopt;
}
