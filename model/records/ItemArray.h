#pragma once

#include "model/records/DataArray.h"
#include "model/records/Item.h"

#include <cstdint>
#include <string>
#include <string_view>

// Whoever keeps item indices elsewhere (the firm item entries of the firm forms) follows the
// item list through this when an amendment inserts or removes rows.
class CItemIndexFollower {
public:
    virtual ~CItemIndexFollower() = default;
    virtual void OnItemInserted(int index) = 0;
    // removed: the row that was at `index`.
    virtual void OnItemRemoved(int index, const CItem& removed) = 0;
};

// One firm item entry's item index after the row at `changed` was inserted (or removed). False
// when the entry must be deleted: it named the removed row, or its new index no longer fits the
// 16 bits it is stored in. Negative indices name no row and stay as they are.
bool AdjustFirmItemIndex(int16_t& index, int changed, bool inserted);

// A typed short line number as the four digits the agency writes ("12" -> "0012").
std::string AsFourDigitLine(std::string_view text);

// The schedule of items: section rows and items in schedule order.
class CItemArray : public CDataArray<CItem> {
public:
    // The first row at or after `start` (-1 means 0) with the line number (exact bytes) and the
    // section bit of `row`; its index goes to `index` (-1 when none).
    CItem* FindItem(const CItem& row, int* index, int start) const;

    // The first item (neither a section row nor a fixed-price item) whose line number equals
    // `line` ignoring case; a text shorter than 4 characters is tried again as a four-digit
    // number ("12" finds "0012").
    CItem* FindItemByLine(std::string_view line) const;

    // This list is the newer one: it becomes the amendment list against `older` (changed rows
    // whole, new rows with their anchor, deletion markers). Returns the number of rows left.
    virtual unsigned ReduceItemsToChanges(const CItemArray& older);

    // Applies an amendment list (deletions first, then changes and insertions, logged under
    // LOG_ITEMS_DELETED, LOG_ITEMS_CHANGED and LOG_ITEMS_ADDED) and tells `follower` of every
    // inserted and removed index. All or nothing: when a new row finds no insert position this
    // list, the follower and the change log are left as they were and CAmendmentError is thrown;
    // the amendment list is spent either way. Returns the number of rows left in the amendment.
    virtual unsigned ApplyItemChanges(CItemArray& amendment, CItemIndexFollower* follower);

    // Alternates: a code's first two characters name its group, the third its choice; codes
    // compare ignoring case. Rows outside the list have no code.
    std::string GetItemAlternate(int row) const;
    bool IsSameAlternate(int i, int j) const;
    bool IsSameAlternateGroup(int i, int j) const;
    // Rows from `row` on, of its kind, with its code: an item's walk ends at the next section row;
    // a section row counts section rows to the end.
    int CountItemsWithAlternate(int row) const;
    // Distinct choices among the rows from `row` on (bounded the same way) in its group.
    int CountAlternateChoices(int row) const;

private:
    struct Edit;
    unsigned ApplyInPlace(CItemArray& amendment, std::vector<Edit>& edits);
};

// Where a new row of an amendment list goes: 0 without an anchor (no byte 0xFF in its line
// number, or an empty anchor: a new first row), else right after the first row whose line number
// is the anchor and whose kind is the one bit 10 names; -1 when there is no such row. The row's
// line number is cut at the 0xFF.
int FindInsertPosition(const CItemArray& list, CItem& row);
