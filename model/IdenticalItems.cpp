#include "model/BidErrors.h"
#include "model/CheckBid.h"
#include "model/Evaluator.h"
#include "model/FlagWord.h"
#include "model/FlatIndex.h"
#include "model/ItemCheck.h"
#include "model/Prop.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace {

// Which fields besides the item number make two items the same; the agency sets them with the
// proposal's display-format flag word.
enum : int {
    SAME_SHORT_DESCRIPTION = 0,
    SAME_LONG_DESCRIPTION = 1,
    SAME_FIXED_PRICE_FLAG = 2,
    SAME_ALTERNATE_CODE = 3,
    SAME_LUMP_SUM_FLAG = 4,
};

// The comparisons the proposal selects, read once per check rather than once per item.
struct IdentitySelection {
    IdentitySelection() = default;
    explicit IdentitySelection(const CProp& prop)
    {
        const uint16_t flags = prop.m_wDisplayFormatFlags;
        m_shortDesc = TestFlagBit(flags, SAME_SHORT_DESCRIPTION);
        m_longDesc = TestFlagBit(flags, SAME_LONG_DESCRIPTION);
        m_fixedPrice = TestFlagBit(flags, SAME_FIXED_PRICE_FLAG);
        m_altCode = TestFlagBit(flags, SAME_ALTERNATE_CODE);
        m_lumpSum = TestFlagBit(flags, SAME_LUMP_SUM_FLAG);
    }

    bool m_shortDesc = false;
    bool m_longDesc = false;
    bool m_fixedPrice = false;
    bool m_altCode = false;
    bool m_lumpSum = false;
};

// The fields that decide whether two items are the same; unselected fields stay empty. Views
// into the rows, so that grouping thousands of items makes no copies.
struct IdentityKey {
    std::string_view m_itemNumber;
    std::string_view m_shortDesc;
    std::string_view m_longDesc;
    std::string_view m_altCode;
    int m_flags = 0; // fixed-price and lump-sum bits, when selected

    bool operator==(const IdentityKey&) const = default;
};

uint64_t HashOf(const IdentityKey& key)
{
    uint64_t hash = HashText(key.m_itemNumber);
    for (std::string_view field : {key.m_shortDesc, key.m_longDesc, key.m_altCode})
        hash = HashText(field, hash ^ 0x9E3779B97F4A7C15ull);
    return (hash ^ uint64_t(key.m_flags)) * 0x100000001B3ull;
}

IdentityKey MakeIdentityKey(const CItem& item, const IdentitySelection& selection)
{
    IdentityKey key;
    key.m_itemNumber = item.m_strItemNum;
    if (selection.m_shortDesc)
        key.m_shortDesc = item.m_strShortDesc;
    if (selection.m_longDesc)
        key.m_longDesc = item.m_strLongDesc;
    if (selection.m_altCode)
        key.m_altCode = item.m_strAltCode;
    if (selection.m_fixedPrice)
        key.m_flags |= TestFlagBit(item.m_wFlags, ITEM_FIXED_PRICE) << 1;
    if (selection.m_lumpSum)
        key.m_flags |= TestFlagBit(item.m_wFlags, ITEM_LUMP_SUM) << 2;
    return key;
}

// The items that are the same as one another, in row order. The first of them that is not a
// fixed-price item sets the price; the rule runs again from every later one of that price, and
// each run reports every later item of another price.
struct SameItems {
    int m_firstRow = 0;
    bool m_hasPrice = false;
    double m_price = 0;
    std::vector<int> m_differing;
};

// Sets of same items by key; the index keeps no keys of its own, only the first row of a set.
// One instance serves every check, so that its memory is not given back and faulted in again on
// every edit.
class SameItemSets {
public:
    static SameItemSets& Reused()
    {
        static SameItemSets sets;
        return sets;
    }

    void Reset(const ItemCheckRun& run, const IdentitySelection& selection)
    {
        m_run = &run;
        m_selection = selection;
        m_index.Reset(run.m_rows.size());
        m_sets.clear();
        m_runners.clear();
    }

    uint64_t Hash(int row) const { return HashOf(MakeIdentityKey(*m_run->m_rows[size_t(row)], m_selection)); }
    void Prefetch(uint64_t hash) const { m_index.Prefetch(hash); }

    int Find(int row, uint64_t hash)
    {
        const IdentityKey key = MakeIdentityKey(*m_run->m_rows[size_t(row)], m_selection);
        const auto matches = [&](int set) { return KeyOf(set) == key; };
        const int set = m_index.FindOrAdd(hash, matches, int(m_sets.size()));
        if (set == int(m_sets.size()))
            m_sets.push_back(SameItems{row, false, 0, {}});
        return set;
    }

    SameItems& operator[](int set) { return m_sets[size_t(set)]; }

    // The rows the rule runs from, with their sets, in row order.
    std::vector<std::pair<int, int>> m_runners;

private:
    IdentityKey KeyOf(int set) const
    {
        return MakeIdentityKey(*m_run->m_rows[size_t(m_sets[size_t(set)].m_firstRow)], m_selection);
    }

    const ItemCheckRun* m_run = nullptr;
    IdentitySelection m_selection;
    CFlatIndex m_index;
    std::vector<SameItems> m_sets;
};

// The rows that take part, in order, each with its hash computed a few rows ahead so that its
// lookup can be asked for before it is needed.
class Candidates {
public:
    Candidates(const ItemCheckRun& run, SameItemSets& sets) : m_run(run), m_sets(sets)
    {
        for (size_t k = 0; k < kAhead; ++k)
            Advance();
    }

    bool Next(int& row, uint64_t& hash)
    {
        if (m_count == 0)
            return false;
        row = m_rows[m_first];
        hash = m_hashes[m_first];
        m_first = (m_first + 1) % kAhead;
        --m_count;
        Advance();
        return true;
    }

private:
    static constexpr size_t kAhead = 8;

    void Advance()
    {
        while (m_scan < int(m_run.m_rows.size())) {
            const int row = m_scan++;
            if (!m_run.IsItem(row) || !IsEvalValueValid(m_run.m_rows[size_t(row)]->m_fExtension))
                continue;
            const size_t slot = (m_first + m_count++) % kAhead;
            m_rows[slot] = row;
            m_hashes[slot] = m_sets.Hash(row);
            m_sets.Prefetch(m_hashes[slot]);
            return;
        }
    }

    const ItemCheckRun& m_run;
    SameItemSets& m_sets;
    int m_scan = 0;
    size_t m_first = 0;
    size_t m_count = 0;
    int m_rows[kAhead] = {};
    uint64_t m_hashes[kAhead] = {};
};

void ReportDiffering(const ItemCheckRun& run, int runner, const SameItems& same)
{
    const auto first = std::upper_bound(same.m_differing.begin(), same.m_differing.end(), runner);
    for (auto it = first; it != same.m_differing.end(); ++it) {
        if (!BidErrorListAccepts()) {
            CountBidErrors(BID_ERROR, long(same.m_differing.end() - it));
            return;
        }
        FormatBidErrorList(AREA_ITEM, BID_ERROR, "Line# %s has identical item at Line# %s with differing Unit Price.",
                           {run.m_rows[size_t(*it)]->m_strLineNum, run.m_rows[size_t(runner)]->m_strLineNum});
    }
}

} // namespace

bool IsSameItem(const CItem& a, const CItem& b, const CProp& prop)
{
    return IsEvalValueValid(a.m_fExtension) && IsEvalValueValid(b.m_fExtension)
           && MakeIdentityKey(a, IdentitySelection(prop)) == MakeIdentityKey(b, IdentitySelection(prop));
}

void MarkIdenticalItems(ItemCheckRun& run)
{
    if (!TestFlagBit(run.m_prop.m_wFlags2, PROP2_IDENTICAL_ITEM_RULE))
        return;
    SameItemSets& sets = SameItemSets::Reused();
    sets.Reset(run, IdentitySelection(run.m_prop));
    Candidates candidates(run, sets);
    int row = 0;
    uint64_t hash = 0;
    while (candidates.Next(row, hash)) {
        const CItem* item = run.m_rows[size_t(row)];
        const int set = sets.Find(row, hash);
        SameItems& same = sets[set];
        if (same.m_hasPrice && item->m_fUnitPrice != same.m_price) {
            run.Mark(row, CHECK_IDENTICAL_ITEM);
            same.m_differing.push_back(row);
        } else if (!TestFlagBit(item->m_wFlags, ITEM_FIXED_PRICE)) {
            same.m_hasPrice = true;
            same.m_price = item->m_fUnitPrice;
            sets.m_runners.emplace_back(row, set);
        }
    }
    for (const auto& [runner, set] : sets.m_runners)
        ReportDiffering(run, runner, sets[set]);
}
