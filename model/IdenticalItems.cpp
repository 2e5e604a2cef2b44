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

uint16_t IdentityFlags(const CProp& prop)
{
    return prop.m_wDisplayFormatFlags;
}

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

IdentityKey MakeIdentityKey(const CItem& item, uint16_t flags)
{
    IdentityKey key;
    key.m_itemNumber = item.m_strItemNum;
    if (TestFlagBit(flags, SAME_SHORT_DESCRIPTION))
        key.m_shortDesc = item.m_strShortDesc;
    if (TestFlagBit(flags, SAME_LONG_DESCRIPTION))
        key.m_longDesc = item.m_strLongDesc;
    if (TestFlagBit(flags, SAME_ALTERNATE_CODE))
        key.m_altCode = item.m_strAltCode;
    if (TestFlagBit(flags, SAME_FIXED_PRICE_FLAG))
        key.m_flags |= TestFlagBit(item.m_wFlags, ITEM_FIXED_PRICE) << 1;
    if (TestFlagBit(flags, SAME_LUMP_SUM_FLAG))
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
class SameItemSets {
public:
    SameItemSets(const ItemCheckRun& run, uint16_t flags) : m_run(run), m_flags(flags), m_index(run.m_rows.size()) {}

    uint64_t Hash(int row) const { return HashOf(MakeIdentityKey(*m_run.m_rows[size_t(row)], m_flags)); }
    void Prefetch(uint64_t hash) const { m_index.Prefetch(hash); }

    int Find(int row, uint64_t hash)
    {
        const IdentityKey key = MakeIdentityKey(*m_run.m_rows[size_t(row)], m_flags);
        const auto matches = [&](int set) { return KeyOf(set) == key; };
        const int set = m_index.FindOrAdd(hash, matches, int(m_sets.size()));
        if (set == int(m_sets.size()))
            m_sets.push_back(SameItems{row, false, 0, {}});
        return set;
    }

    SameItems& operator[](int set) { return m_sets[size_t(set)]; }

private:
    IdentityKey KeyOf(int set) const
    {
        return MakeIdentityKey(*m_run.m_rows[size_t(m_sets[size_t(set)].m_firstRow)], m_flags);
    }

    const ItemCheckRun& m_run;
    uint16_t m_flags;
    CFlatIndex m_index;
    std::vector<SameItems> m_sets;
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
           && MakeIdentityKey(a, IdentityFlags(prop)) == MakeIdentityKey(b, IdentityFlags(prop));
}

void MarkIdenticalItems(ItemCheckRun& run)
{
    if (!TestFlagBit(run.m_prop.m_wFlags2, PROP2_IDENTICAL_ITEM_RULE))
        return;
    const uint16_t flags = IdentityFlags(run.m_prop);
    SameItemSets sets(run, flags);
    // The rows that take part, with their hashes, so each lookup can be asked for ahead.
    std::vector<std::pair<int, uint64_t>> candidates;
    for (int row = 0; row < int(run.m_rows.size()); ++row)
        if (run.IsItem(row) && IsEvalValueValid(run.m_rows[size_t(row)]->m_fExtension))
            candidates.emplace_back(row, sets.Hash(row));
    constexpr size_t kAhead = 8;
    std::vector<std::pair<int, int>> runners;
    for (size_t k = 0; k < candidates.size(); ++k) {
        if (k + kAhead < candidates.size())
            sets.Prefetch(candidates[k + kAhead].second);
        const auto [row, hash] = candidates[k];
        const CItem* item = run.m_rows[size_t(row)];
        const int set = sets.Find(row, hash);
        SameItems& same = sets[set];
        if (same.m_hasPrice && item->m_fUnitPrice != same.m_price) {
            run.Mark(row, CHECK_IDENTICAL_ITEM);
            same.m_differing.push_back(row);
        } else if (!TestFlagBit(item->m_wFlags, ITEM_FIXED_PRICE)) {
            same.m_hasPrice = true;
            same.m_price = item->m_fUnitPrice;
            runners.emplace_back(row, set);
        }
    }
    for (const auto& [runner, set] : runners)
        ReportDiffering(run, runner, sets[set]);
}
