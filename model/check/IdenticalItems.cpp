#include "model/check/BidErrors.h"
#include "model/check/CheckBid.h"
#include "model/eval/Evaluator.h"
#include "model/text/FlagWord.h"
#include "model/check/ItemCheck.h"
#include "model/check/ItemKeys.h"
#include "model/records/Prop.h"

#include <algorithm>
#include <span>
#include <string>
#include <string_view>

namespace {

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
    bool m_hasPrice = false;
    bool m_hasDiffering = false;
    double m_price = 0;
};

// A row of another price than its set's, as (set, row).
using DifferingRow = std::pair<int, int>;

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

// The sets of this check, by the rows' classes of same items: a class becomes a set at its first
// row that takes part. One instance serves every check, so that its memory is not given back and
// faulted in again on every edit.
struct CIdenticalItemRule::Sets {
    std::vector<int> m_setOfClass;
    std::vector<SameItems> m_sets;
    std::vector<DifferingRow> m_differing;
    std::vector<std::pair<int, int>> m_runners; // the rows the rule runs from, with their sets

    void Reset(const ItemCheckRun& run)
    {
        m_setOfClass.assign(size_t(run.m_keys.ClassCount()), -1);
        m_sets.clear();
        m_differing.clear();
        m_runners.clear();
    }

    // -1 for a row that does not take part.
    int SetOf(const ItemCheckRun& run, int row)
    {
        if (!TakesPart(run.m_rows[size_t(row)]))
            return -1;
        int& set = m_setOfClass[size_t(run.m_keys.ClassOf(row))];
        if (set < 0) {
            set = int(m_sets.size());
            m_sets.emplace_back();
        }
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
    const int set = m_sets ? m_sets->SetOf(m_run, row) : -1;
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
        // An item alone in its class has nothing to be compared with.
        if (m_run.m_keys.IsClassShared(m_run.m_keys.ClassOf(row)))
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
