#pragma once

#include "model/records/ItemArray.h"

class CProp;

// Keeps the firm item entries of the DBE, MBE and WBE forms naming the same items while rows
// are inserted into or removed from the item list: an entry of the removed row goes, and entries
// below a change move with their items.
class CFirmItemFollower : public CItemIndexFollower {
public:
    explicit CFirmItemFollower(CProp& prop) : m_prop(prop) {}

    void OnItemInserted(int index) override { Adjust(index, true); }
    void OnItemRemoved(int index) override { Adjust(index, false); }

private:
    void Adjust(int index, bool inserted);

    CProp& m_prop;
};
