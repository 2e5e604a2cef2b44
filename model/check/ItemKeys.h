#pragma once

#include "model/check/FlatIndex.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

class CBidCapLimits;
class CItem;
class CProp;

// Which fields besides the item number make two items the same; the agency sets them with the
// proposal's display-format flag word.
struct IdentitySelection {
    IdentitySelection() = default;
    explicit IdentitySelection(const CProp& prop);
    bool operator==(const IdentitySelection&) const = default;

    bool m_shortDesc = false;
    bool m_longDesc = false;
    bool m_fixedPrice = false;
    bool m_altCode = false;
    bool m_lumpSum = false;
};

// What follows from the rows' texts alone: which items are the same for the identical-item rule,
// which bid cap each row has and where the sections are. Every edit checks the whole proposal and
// a price edit changes none of it, so it is kept from one check to the next. Each row's key (its
// kind, item number and the texts and flags the selection compares) is compared with the last
// check's, byte for byte: the section rows and the rows with a cap before the check, every other
// row as the check's first walk reaches it (Confirm), so that a large proposal is not read once
// more for it alone. A row found changed makes the keys stale; they are worked out anew at the
// next Update.
class CItemKeys {
public:
    // `rows` is the item list, null for an emptied slot. Works the keys out anew when the number
    // of rows, the selection or the cap names differ from the last time, when a row was found
    // changed, or when a section row or a row with a cap changed.
    void Update(std::span<CItem* const> rows, const IdentitySelection& selection, const CBidCapLimits& caps);
    // Whether the row's key is as kept; false makes the keys stale.
    bool Confirm(int row, const CItem* item);

    // Items with equal keys share a class, numbered in row order; -1 for sections and empty slots.
    int ClassOf(int row) const { return m_classOf[size_t(row)]; }
    int ClassCount() const { return m_classCount; }
    // Whether other items share the class.
    bool IsClassShared(int itemClass) const { return m_classShared[size_t(itemClass)] != 0; }
    // The row's cap in `caps`, -1 for none.
    int CapOf(int row) const { return m_capOf[size_t(row)]; }
    std::span<const int> CapsByRow() const { return m_capOf; }

    // The section rows, in order.
    std::span<const int> SectionRows() const { return m_sectionRows; }

    // One instance serves every check, so that what it found carries over.
    static CItemKeys& Reused();

private:
    bool Matches(std::span<CItem* const> rows, const IdentitySelection& selection, const CBidCapLimits& caps) const;
    void Rebuild(std::span<CItem* const> rows, const IdentitySelection& selection, const CBidCapLimits& caps);
    void Classify(std::span<CItem* const> rows, const CBidCapLimits& caps);
    std::string_view KeyOf(size_t row) const;

    std::string m_bytes;          // every row's key, one after another
    std::vector<uint32_t> m_ends; // where each row's key ends in m_bytes
    IdentitySelection m_selection;
    std::vector<std::string> m_capNames;
    std::vector<int> m_classOf;
    std::vector<int> m_capOf;
    std::vector<uint8_t> m_classShared;
    std::vector<int> m_sectionRows;
    std::vector<int> m_cappedRows;
    int m_classCount = 0;
    bool m_stale = false;
    CFlatIndex m_index;
};
