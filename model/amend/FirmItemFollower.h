#pragma once

#include "model/records/ItemArray.h"

class CProp;

// Keeps the firm item entries of the DBE, MBE and WBE forms naming the same items while rows
// are inserted into or removed from the item list: an entry of the removed row goes, named in the
// change log, and entries below a change move with their items.
class CFirmItemFollower : public CItemIndexFollower {
public:
    explicit CFirmItemFollower(CProp& prop) : m_prop(prop) {}

    void OnItemInserted(int index) override { Adjust(index, nullptr); }
    void OnItemRemoved(int index, const CItem& removed) override { Adjust(index, &removed); }

private:
    // removed: null for an insertion.
    void Adjust(int index, const CItem* removed);

    CProp& m_prop;
};
