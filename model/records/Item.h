#pragma once

#include "model/records/DataObject.h"
#include "model/text/FlagWord.h"

#include <cstdint>
#include <string>
#include <string_view>

// Bits of CItem::m_wFlags.
inline constexpr int ITEM_IS_SECTION = 0;
inline constexpr int ITEM_FIXED_PRICE = 1;       // the agency gives the unit price
inline constexpr int ITEM_LUMP_SUM = 2;
inline constexpr int ITEM_IS_ALTERNATE = 3;
inline constexpr int ITEM_IS_OPTION = 4;
inline constexpr int ITEM_FIXED_COUNTS_PRICED = 5;
inline constexpr int ITEM_CHOSEN = 6;
inline constexpr int ITEM_TO_DELETE = 7;         // amendment lists: delete the matching row
inline constexpr int ITEM_ANCHOR_IS_SECTION = 10; // amendment lists: a new row follows a section row
inline constexpr int ITEM_MATCHED = 11;          // transient, while two lists are compared
inline constexpr int ITEM_NOT_IN_CHOICE = 13;
inline constexpr int ITEM_FIXED_FULLY_BID = 14;

// One row of the schedule of items: a section row (flag bit 0) or an item.
class CItem : public CDataObject<CItem> {
public:
    uint16_t m_wFlags = 0;
    // What the last Check Zod run found for the row (CHECK_* bits of model/CheckBid.h). In memory
    // only: neither compared nor taken over from amendments.
    uint16_t m_wCheck = 0;
    int32_t m_iNumber = 0; // in memory only
    std::string m_strLineNum; // the key by which amendments match rows
    std::string m_strAltCode;
    std::string m_strItemNum;
    // The numbers together, after the item number: every recalculation reads and writes them
    // all, and a large proposal does not stay in cache.
    double m_fQuan = 0;
    double m_fUnitPrice = 0;
    double m_fExtension = 0; // a section row's total
    double m_fUnitPrice2 = 0;
    double m_fExtension2 = 0;
    std::string m_strUnit;
    std::string m_strShortDesc;
    std::string m_strLongDesc;

    bool IsSection() const { return TestFlagBit(m_wFlags, ITEM_IS_SECTION) != 0; }
    // How the change report names the row: line number, item number and short description.
    std::string ReportName() const { return m_strLineNum + "  " + m_strItemNum + "  " + m_strShortDesc; }

    void CopyFrom(const CItem& source) override;
    // Within the item list only: turns this row into the deletion marker of `older` (1), unless
    // `older` is null or already matched (1, nothing changes).
    unsigned ReduceToChanges(const CItem* older) override;
    // Takes the amendment's values (not the line number, which is the key); always 1.
    unsigned ExchangeWithLog(CItem& amendment) override;
    void StripUnchangedMarkers() override;

    // The first two characters of the alternate code; empty when the code is blank.
    std::string GetAlternateGroup() const;
    // Neither code blank and the first two characters equal, ignoring case.
    bool IsInAlternateGroup(std::string_view code) const;
    // Neither code blank and the codes equal, ignoring case.
    bool HasAlternateCode(std::string_view code) const;
};

// Whether two rows say the same to the bidder (the bidder's own unit price is not compared).
bool AreItemsEqual(const CItem& a, const CItem& b);

bool EqualsIgnoringCase(std::string_view a, std::string_view b);
