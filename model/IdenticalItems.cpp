#include "model/BidErrors.h"
#include "model/CheckBid.h"
#include "model/Evaluator.h"
#include "model/FlagWord.h"
#include "model/FlatIndex.h"
#include "model/ItemCheck.h"
#include "model/Prop.h"

#include <algorithm>
#include <span>
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

// Straight from the row, without making its key: most proposals compare the item number alone,
// and the unselected fields then cost nothing.
uint64_t HashOf(const CItem& item, uint64_t numberHash, const IdentitySelection& selection)
{
    uint64_t hash = numberHash;
    if (selection.m_shortDesc)
        hash = HashText(item.m_strShortDesc, hash ^ 1);
    if (selection.m_longDesc)
        hash = HashText(item.m_strLongDesc, hash ^ 2);
    if (selection.m_altCode)
        hash = HashText(item.m_strAltCode, hash ^ 3);
    const uint64_t flags = (selection.m_fixedPrice ? item.m_wFlags & 1u << ITEM_FIXED_PRICE : 0u)
                           | (selection.m_lumpSum ? item.m_wFlags & 1u << ITEM_LUMP_SUM : 0u);
    if (flags != 0)
        hash = HashText({}, hash ^ flags << 8);
    return hash;
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
// each run reports every later item of another price. Small, as there is one per distinct item:
// the rows of another price are kept apart, since few sets have any.
struct SameItems {
    int m_firstRow = 0;
    bool m_hasPrice = false;
    bool m_hasDiffering = false;
    double m_price = 0;
};

// A row of another price than its set's, as (set, row).
using DifferingRow = std::pair<int, int>;

// A row that takes part, with its hash made ahead of its turn.
struct Candidate {
    int m_row = -1;
    uint64_t m_hash = 0;
};

bool TakesPart(const CItem* row)
{
    return row && !row->IsSection() && IsEvalValueValid(row->m_fExtension);
}

// `differing` holds the rows of the runner's set, in row order.
void ReportDiffering(const ItemCheckRun& run, int runner, std::span<const DifferingRow> differing)
{
    const auto first = std::upper_bound(differing.begin(), differing.end(), runner,
                                        [](int row, const DifferingRow& entry) { return row < entry.second; });
    for (auto it = first; it != differing.end(); ++it) {
        if (!BidErrorListAccepts()) {
            CountBidErrors(BID_ERROR, long(differing.end() - it));
            return;
        }
        FormatBidErrorList(AREA_ITEM, BID_ERROR, "Line# %s has identical item at Line# %s with differing Unit Price.",
                           {run.m_rows[size_t(it->second)]->m_strLineNum, run.m_rows[size_t(runner)]->m_strLineNum});
    }
}

} // namespace

// Sets of same items by key; the index keeps no keys of its own, only the first row of a set.
// The rows that take part are looked at a few rows ahead, so that the index slot of each can be
// asked for before it is needed: a large index does not stay in cache while the rows are walked.
// One instance serves every check, so that its memory is not given back and faulted in again on
// every edit.
struct CIdenticalItemRule::Sets {
    static constexpr size_t kAhead = 8;

    ItemCheckRun* m_run = nullptr;
    IdentitySelection m_selection;
    CFlatIndex m_index;
    std::vector<SameItems> m_sets;
    std::vector<DifferingRow> m_differing;
    std::vector<std::pair<int, int>> m_runners; // the rows the rule runs from, with their sets
    int m_scan = 0;                             // the next row to look at ahead
    size_t m_first = 0;
    size_t m_count = 0;
    Candidate m_ahead[kAhead];

    void Reset(ItemCheckRun& run)
    {
        m_run = &run;
        m_selection = IdentitySelection(run.m_prop);
        m_index.Reset(run.m_rows.size());
        m_sets.clear();
        m_differing.clear();
        m_runners.clear();
        m_scan = 0;
        m_first = 0;
        m_count = 0;
        while (m_count < kAhead && LookAhead()) {
        }
    }

    bool LookAhead()
    {
        while (m_scan < int(m_run->m_rows.size())) {
            const int row = m_scan++;
            const CItem* item = m_run->m_rows[size_t(row)];
            if (!TakesPart(item))
                continue;
            Candidate& next = m_ahead[(m_first + m_count++) % kAhead];
            next.m_row = row;
            // Kept on the run: the bid-cap lookup of the row needs the same hash.
            const uint64_t numberHash = HashText(item->m_strItemNum);
            m_run->m_numberHash[size_t(row)] = numberHash;
            next.m_hash = HashOf(*item, numberHash, m_selection);
            m_index.Prefetch(next.m_hash);
            return true;
        }
        return false;
    }

    // The set of the next row that takes part, when that row is `row`; -1 otherwise.
    int SetOf(int row)
    {
        if (m_count == 0 || m_ahead[m_first].m_row != row)
            return -1;
        const Candidate& candidate = m_ahead[m_first];
        const auto matches = [&](int set) {
            const CItem& first = *m_run->m_rows[size_t(m_sets[size_t(set)].m_firstRow)];
            return MakeIdentityKey(first, m_selection) == MakeIdentityKey(*m_run->m_rows[size_t(row)], m_selection);
        };
        const int set = m_index.FindOrAdd(candidate.m_hash, matches, int(m_sets.size()));
        if (set == int(m_sets.size()))
            m_sets.push_back(SameItems{row, false, false, 0});
        m_first = (m_first + 1) % kAhead;
        --m_count;
        LookAhead();
        return set;
    }

    static Sets& Reused()
    {
        static Sets sets;
        return sets;
    }
};

CIdenticalItemRule::CIdenticalItemRule(ItemCheckRun& run) : m_run(run)
{
    if (!TestFlagBit(run.m_prop.m_wFlags2, PROP2_IDENTICAL_ITEM_RULE))
        return;
    m_sets = &Sets::Reused();
    m_sets->Reset(run);
}

void CIdenticalItemRule::Visit(int row)
{
    const int set = m_sets ? m_sets->SetOf(row) : -1;
    if (set < 0)
        return;
    const CItem& item = *m_run.m_rows[size_t(row)];
    SameItems& same = m_sets->m_sets[size_t(set)];
    if (same.m_hasPrice && item.m_fUnitPrice != same.m_price) {
        m_run.Mark(row, CHECK_IDENTICAL_ITEM);
        same.m_hasDiffering = true;
        m_sets->m_differing.emplace_back(set, row);
    } else if (!TestFlagBit(item.m_wFlags, ITEM_FIXED_PRICE)) {
        same.m_hasPrice = true;
        same.m_price = item.m_fUnitPrice;
        m_sets->m_runners.emplace_back(row, set);
    }
}

void CIdenticalItemRule::Report()
{
    if (!m_sets || m_sets->m_differing.empty())
        return;
    // By set, each set's rows still in row order.
    std::vector<DifferingRow>& differing = m_sets->m_differing;
    std::sort(differing.begin(), differing.end());
    for (const auto& [runner, set] : m_sets->m_runners) {
        if (!m_sets->m_sets[size_t(set)].m_hasDiffering)
            continue;
        const auto [first, last] = std::equal_range(differing.begin(), differing.end(), DifferingRow{set, 0},
                                                    [](const DifferingRow& a, const DifferingRow& b) { return a.first < b.first; });
        ReportDiffering(m_run, runner, std::span<const DifferingRow>(first, last));
    }
}

bool IsSameItem(const CItem& a, const CItem& b, const CProp& prop)
{
    return IsEvalValueValid(a.m_fExtension) && IsEvalValueValid(b.m_fExtension)
           && MakeIdentityKey(a, IdentitySelection(prop)) == MakeIdentityKey(b, IdentitySelection(prop));
}
