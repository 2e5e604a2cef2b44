#pragma once

// The items a DBE, MBE or WBE firm commits to: one entry per item in the firm's row of the
// kind's form, found by the item's line number. The firm item grid's "Use?" box and the firm
// item form's assign box both commit and remove items through here.
#include <cstdint>

class CDBEItem;
class CItem;
class CProp;
class CRowData;

// Entry flags beside those the checks read (bit 1 quantity over committed, bit 2 multiple
// participants, bit 6 more than the item's quantity).
enum : int {
    DBEITEM_COMPLETE = 3,
    DBEITEM_AMOUNT_OVER = 4,
    DBEITEM_INVALID_QUANTITY = 5,
};

// The firm's row in the form of the kind (1 DBE, 2 MBE, 3 WBE); null when there is none.
CRowData* GetFirmRow(const CProp& prop, int kind, int firm);

// Every firm row of the kind's form finds its entries by line number again: entries naming a row
// of the item list are mapped, others are left out of the lookup.
void RebuildFirmItemLines(const CProp& prop, int kind);

// The firm's entry for the item (an index in the item list); null when it is not committed.
CDBEItem* FindFirmItemEntry(const CProp& prop, int kind, int firm, int item);

// An item the firm can commit to: an item row (not a section) whose index fits an entry.
bool IsCommittableItem(const CProp& prop, int item);

// Commits the item to the firm (a new entry: what is left of the item for the kind, at the
// item's unit price) or removes the firm's entry. False when nothing changed: the firm or item
// is missing, or the item already was (or was not) committed.
bool SetItemCommitted(CProp& prop, int kind, int firm, int item, bool committed);

// Whether firms share the item: an entry of any firm of the three kinds is marked as one of
// several participants.
bool IsSharedAmongFirms(const CProp& prop, const CItem& item);
// The entry of a shared item is marked as shared too, so that it no longer counts against the
// item.
void FollowSharing(const CProp& prop, const CItem& item, CDBEItem& entry);

// The entry's over-commitment, invalid-quantity and complete flags for the item it commits.
void UpdateFirmItemState(const CProp& prop, int kind, const CItem& item, CDBEItem& entry);

// After a firm's commitments changed: the commitment totals of the three kinds, the firm row's
// completeness in each kind's form, and Check Zod without showing it.
void RecheckCommitments(CProp& prop, int firm);
