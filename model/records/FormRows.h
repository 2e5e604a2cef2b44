#pragma once

#include "model/records/ByteBlock.h"
#include "model/records/DataArray.h"
#include "model/records/DataObject.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

// The bidder's part of an agency form: rows of cells, and the firm item entries of each row.
// These hold the bidder's own values, so an amendment never changes them: their amendment
// operations do nothing and report no change.

enum : int {
    CELL_FROM_LINKED_LIST = 2, // the value was filled from a linked list and is read-only
};

class CCellData : public CDataObject<CCellData> {
public:
    uint16_t m_wFlags = 0;
    std::string m_strText;
    CByteBlock m_data;
    int16_t m_iSelection = -1;
    std::string m_strText2;

    void CopyFrom(const CCellData& source) override { *this = source; }
    unsigned ReduceToChanges(const CCellData*) override { return 0; }
    unsigned ExchangeWithLog(CCellData&) override { return 0; }
    void StripUnchangedMarkers() override;
};

enum : int {
    DBEITEM_NOT_COUNTED = 2, // entry flag: not counted against the item
};

// A firm's commitment on one proposal item.
class CDBEItem : public CDataObject<CDBEItem> {
public:
    uint16_t m_wFlags = 0;
    int16_t m_iNumber = -1; // index of the item in the proposal's item list; from a file, so check it
    double m_dQuantity = 0;
    double m_dUnitPrice = 0;
    double m_dExtension = 0;
    std::string m_strNote;
    uint16_t m_wEntryFlags = 0;

    // Every field but the leading record flags.
    void CopyFrom(const CDBEItem& source) override;
    unsigned ReduceToChanges(const CDBEItem*) override { return 0; }
    unsigned ExchangeWithLog(CDBEItem&) override { return 0; }
    void StripUnchangedMarkers() override;
};

enum : int {
    ROW_COMPLETE = 0,
};

class CRowData : public CDataObject<CRowData> {
public:
    uint16_t m_wFlags = 0;
    CDataArray<CCellData> m_cells;
    CDataArray<CDBEItem> m_dbeItems;

    // The firm item entry that commits this row's firm to the item of that line number; null
    // when there is none.
    CDBEItem* FindDbeItemByLine(std::string_view lineNumber) const;
    // Records (or, with a null entry, removes) the entry of an item's line number. The entry
    // must belong to this row; false otherwise.
    bool SetDbeItemForLine(std::string_view lineNumber, const CDBEItem* entry);
    const std::map<std::string, int, std::less<>>& GetDbeItemLines() const { return m_dbeItemByLine; }
    // Deletes entry `index` (its slot too) and keeps the lookup by line number in step.
    bool DeleteDbeItem(int index);

    // A full copy: flags, cells, firm item entries and their lookup by line number.
    void CopyFrom(const CRowData& source) override;
    unsigned ReduceToChanges(const CRowData*) override { return 0; }
    unsigned ExchangeWithLog(CRowData&) override { return 0; }
    void StripUnchangedMarkers() override;

private:
    // Positions in m_dbeItems rather than pointers, so a deleted entry can never be reached.
    std::map<std::string, int, std::less<>> m_dbeItemByLine;
};
