#pragma once

#include "model/check/BidCapLimits.h"
#include "model/eval/Evaluator.h"
#include "model/check/ItemKeys.h"

#include <cstdint>
#include <span>
#include <vector>

class CItem;
class CProp;

// A value is out of range at 10^digits or more, or -10^digits or less, where digits are the
// integer digits of the proposal's number format for its kind; 0 digits set no limit.
class RangeLimit {
public:
    explicit RangeLimit(int digits);
    bool Exceeds(double value) const
    {
        return m_limit != 0 && IsEvalValueValid(value) && (value >= m_limit || value <= -m_limit);
    }

private:
    double m_limit = 0;
};

// Sets of rows (the choices or the groups of a run) in one flat array, each set's rows together
// in row order: thousands of small vectors, one per set, cost more to allocate than to fill.
class CRowSets {
public:
    void Clear();
    int Count() const { return int(m_start.size()) - 1; }
    std::span<const int> Members(int set) const;
    // Adds `count` new sets; rows[k] joins the new set numbers[k]. Returns the first new set.
    int Add(const std::vector<int>& rows, const std::vector<int>& numbers, int count);

private:
    std::vector<int> m_start{0}; // where each set begins in m_members, and the end
    std::vector<int> m_members;
    std::vector<int> m_fill;
};

// One run of the item checks of Check Zod, shared by its steps.
struct ItemCheckRun {
    explicit ItemCheckRun(CProp& prop);
    ~ItemCheckRun();
    ItemCheckRun(const ItemCheckRun&) = delete;
    ItemCheckRun& operator=(const ItemCheckRun&) = delete;

    CProp& m_prop;
    std::vector<CItem*> m_rows;     // the item list; null for an emptied slot
    std::vector<uint16_t> m_words;  // check word per row
    // The words left on the rows by the first walk, while each row was at hand: most rows are
    // marked by it alone, and a large proposal does not stay in cache until the last step.
    std::vector<uint16_t> m_wordsLeft;
    std::vector<uint8_t> m_kinds;   // RowKind bits per row, read once from the flags
    std::vector<int> m_sectionOf;   // the section row a row belongs to; -1 before the first
    // Alternate and option rows, noted by the first walk (other rows' entries are left as they
    // were): the packed code and its group.
    std::vector<uint64_t> m_codeKey;
    std::vector<uint32_t> m_groupKey;
    // Alternate and option rows: their choice and group, numbered over the whole run.
    std::vector<int> m_choiceOf;
    std::vector<int> m_groupOf;
    CRowSets m_choices;
    CRowSets m_groups;
    CBidCapLimits m_caps;
    CItemKeys& m_keys; // same items and bid caps, by row
    RangeLimit m_unitPriceRange;
    RangeLimit m_extensionRange;

    bool Has(int row, int bit) const { return (m_words[size_t(row)] >> bit) & 1; }
    void Mark(int row, int bit) { m_words[size_t(row)] |= uint16_t(1u << bit); }
    void MarkAll(std::span<const int> rows, int bit);
    enum RowKind : uint8_t { KIND_ITEM = 1, KIND_SECTION = 2, KIND_ALTERNATE = 4, KIND_OPTION = 8 };
    bool Is(int row, uint8_t kinds) const { return (m_kinds[size_t(row)] & kinds) != 0; }
    bool IsItem(int row) const { return Is(row, KIND_ITEM); }
    bool IsSection(int row) const { return Is(row, KIND_SECTION); }
    bool IsAlternateOrOption(int row) const { return Is(row, KIND_ALTERNATE | KIND_OPTION); }
    bool IsAlternate(int row) const { return Is(row, KIND_ALTERNATE); }
    bool IsOption(int row) const { return Is(row, KIND_OPTION); }

    // The row's unit price breaks no bid cap and its price and extension are in range.
    bool MeetsLimits(int row);
    bool IsSectionTotalInRange(int section) const;

private:
    struct Buffers {
        std::vector<CItem*> m_rows;
        std::vector<uint16_t> m_words;
        std::vector<uint16_t> m_wordsLeft;
        std::vector<uint8_t> m_kinds;
        std::vector<int> m_sectionOf;
        std::vector<uint64_t> m_codeKey;
        std::vector<uint32_t> m_groupKey;
        std::vector<int> m_choiceOf;
        std::vector<int> m_groupOf;
        CRowSets m_choices;
        CRowSets m_groups;
    };
    static Buffers& SpareBuffers();
    void SwapBuffers(Buffers& other);
};

// The identical-item rule, applied row by row as the rows are walked in order: a later item that
// is the same as an earlier one with another unit price is marked when its turn comes, and the
// messages are given after the walk.
class CIdenticalItemRule {
public:
    // Does nothing unless the proposal asks for the rule.
    explicit CIdenticalItemRule(ItemCheckRun& run);
    void Visit(int row);
    void Report();

private:
    struct Sets;
    ItemCheckRun& m_run;
    Sets* m_sets = nullptr;
};

// The steps, in the order the check runs them. The first walks the rows once: what kind each row
// is, the identical-item rule and whether each item is fully bid. It confirms each row's key on
// the way; false when a row changed since the last check, and the run must start again.
bool MarkFullyBidItems(ItemCheckRun& run);
void AnalyseAlternates(ItemCheckRun& run);
bool IsItemListValid(const ItemCheckRun& run);
void ReportSectionMessages(ItemCheckRun& run);
// Also leaves on the rows, for the views, the check words that changed after the first walk.
void ReportItemMessages(ItemCheckRun& run);
