#include "model/check/RecalcItems.h"

#include "model/check/FlatIndex.h"
#include "model/eval/Evaluator.h"
#include "model/text/FlagWord.h"
#include "model/records/ItemArray.h"
#include "model/text/NumberFormat.h"

#include <algorithm>

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
    // One pass over a flat index, as the reader runs it on every file: the answer is the earliest
    // row of any line that two rows of a kind share, as a pairwise search from the top finds.
    constexpr int kRowsAhead = 8;
    constexpr uint64_t kSeedOfKind[2] = {0x243F6A8885A308D3ull, 0x13198A2E03707344ull}; // item, section
    const int count = items.GetSize();
    CFlatIndex index{size_t(count)};
    int earliest = count;
    for (int i = 0; i < count; ++i) {
        // Rows lie apart on the heap and this walk reads little of each: ask for rows ahead, or
        // it waits on memory for every one.
        if (const CItem* ahead = items.GetAtOrNull(i + kRowsAhead))
            __builtin_prefetch(ahead);
        const CItem* row = items.GetAtOrNull(i);
        if (!row)
            continue;
        const bool section = row->IsSection();
        const auto sameLine = [&](int other) {
            const CItem& first = *items.GetAt(other);
            return first.IsSection() == section && first.m_strLineNum == row->m_strLineNum;
        };
        const int first = index.FindOrAdd(HashText(row->m_strLineNum, kSeedOfKind[section]), sameLine, i);
        earliest = std::min(earliest, first == i ? count : first);
    }
    if (earliest == count)
        return std::nullopt;
    return items.GetAt(earliest)->m_strLineNum;
}
