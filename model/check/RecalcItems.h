#pragma once

#include "model/check/AlternateChoice.h"
#include "model/eval/Evaluator.h"
#include "model/records/Item.h"

#include <optional>
#include <string>
#include <vector>

class CItemArray;

// Pricing tests and row walks over the schedule of items; emptied slots of the list are skipped.

// A valid extension; a fixed-price item also needs its "counts as priced" bit. A section row
// needs only a valid total. Inline: every row is tested on every edit.
inline bool IsItemPriced(const CItem& item)
{
    if (!IsEvalValueValid(item.m_fExtension))
        return false;
    if (item.IsSection())
        return true;
    return !TestFlagBit(item.m_wFlags, ITEM_FIXED_PRICE) || TestFlagBit(item.m_wFlags, ITEM_FIXED_COUNTS_PRICED);
}

// The same test on the second extension, without the section-row rule.
inline bool IsItemAltPriced(const CItem& item)
{
    if (!IsEvalValueValid(item.m_fExtension2))
        return false;
    return !TestFlagBit(item.m_wFlags, ITEM_FIXED_PRICE) || TestFlagBit(item.m_wFlags, ITEM_FIXED_COUNTS_PRICED);
}

// Quantity x unit price rounded to `decimals`; invalid when either is.
double ItemExtension(double quantity, double unitPrice, int decimals);
// The item's extension, copied to the second pair. Section rows are left alone.
void RecalcItemExtension(CItem& item, int decimals);

// The rows after the section row up to the next one, into a buffer that the caller reuses.
void RowsOfSectionIn(const CItemArray& items, int section, std::vector<ChoiceRow>& rows);
// The nearest section row at or before `index`; 0 when there is none.
int FindSectionRowIn(const CItemArray& items, int index);
// The next row in direction `step` (+1 or -1) that is not a section row; -1 past either end or
// for bad arguments.
int FindNextItemIn(const CItemArray& items, int index, int step);
// The first line number that two rows of the same kind share.
std::optional<std::string> FindDuplicateLineNumberIn(const CItemArray& items);
