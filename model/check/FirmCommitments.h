#pragma once

#include <cstdint>
#include <vector>

class CDBEItem;
class CItem;
class CProp;

// Entry flags of a firm item that the firm item views set.
enum : int {
    DBEITEM_OVERCOMMITTED = 1,  // the firms together commit more than the item's quantity
    DBEITEM_SINGLE_FIRM_OVER = 6, // one firm alone commits more than the item's quantity
};

// The item row a firm item commits to. Null when its index (as a file holds it) is outside the
// list or names a section row: such a firm item counts in no total, prints in no report and has
// no node in the tree.
const CItem* CommittedItem(const CProp& prop, const CDBEItem& entry);

// What the DBE, MBE and WBE forms commit to each item, gathered in one walk over their firm
// items so that checking every item costs no more than one walk. Firm items naming no item row
// are left out.
class CFirmCommitments {
public:
    explicit CFirmCommitments(const CProp& prop);

    // The sum of the valid quantities of the firm items of the item.
    double GetCommittedQuantity(int item) const;
    // 1 when a firm item of the item is marked over-committed, 2 when one is marked over by a
    // single firm; the first such firm item in DBE, MBE, WBE order decides. Else 0.
    int GetCommitState(int item) const;

private:
    std::vector<double> m_quantity;
    std::vector<uint8_t> m_state;
};

double GetItemCommittedQuantity(const CProp& prop, int item);
int GetItemCommitState(const CProp& prop, int item);
