#pragma once

#include "model/BidCapLimits.h"

#include <cstdint>
#include <vector>

class CItem;
class CProp;

// One run of the item checks of Check Zod, shared by its steps.
struct ItemCheckRun {
    explicit ItemCheckRun(CProp& prop);

    CProp& m_prop;
    std::vector<CItem*> m_rows;     // the item list; null for an emptied slot
    std::vector<uint16_t> m_words;  // check word per row
    std::vector<int> m_sectionOf;   // the section row a row belongs to; -1 before the first
    // Alternate and option rows: their choice and group, numbered over the whole run.
    std::vector<int> m_choiceOf;
    std::vector<int> m_groupOf;
    std::vector<std::vector<int>> m_choiceMembers;
    std::vector<std::vector<int>> m_groupMembers;
    CBidCapLimits m_caps;
    int m_unitPriceDigits = 0;
    int m_extensionDigits = 0;

    bool Has(int row, int bit) const { return (m_words[size_t(row)] >> bit) & 1; }
    void Mark(int row, int bit) { m_words[size_t(row)] |= uint16_t(1u << bit); }
    void MarkAll(const std::vector<int>& rows, int bit);
    bool IsItem(int row) const;
    bool IsSection(int row) const;
    bool IsAlternateOrOption(int row) const;
    bool IsAlternate(int row) const;
    bool IsOption(int row) const;

    // The row's unit price breaks no bid cap and its price and extension are in range.
    bool MeetsLimits(int row);
    bool IsSectionTotalInRange(int section) const;
};

// A value is out of range at 10^digits or more, or -10^digits or less; 0 digits set no limit.
bool IsOutOfRange(double value, int digits);

// The steps, in the order the check runs them.
void MarkIdenticalItems(ItemCheckRun& run);
void MarkFullyBidItems(ItemCheckRun& run);
void AnalyseAlternates(ItemCheckRun& run);
bool IsItemListValid(const ItemCheckRun& run);
void ReportSectionMessages(ItemCheckRun& run);
void ReportItemMessages(ItemCheckRun& run);
