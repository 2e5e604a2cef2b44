#include "model/BidErrors.h"
#include "model/CheckBid.h"
#include "model/Evaluator.h"
#include "model/FlagWord.h"
#include "model/ItemCheck.h"
#include "model/Prop.h"

#include <algorithm>
#include <string>
#include <unordered_map>

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

// Equal keys exactly for items that IsSameItem pairs (given valid extensions).
std::string IdentityKey(const CItem& item, uint16_t flags)
{
    std::string key = item.m_strItemNum;
    const auto add = [&](int flag, std::string_view field) {
        if (TestFlagBit(flags, flag)) {
            key += '\0';
            key += field;
        }
    };
    add(SAME_SHORT_DESCRIPTION, item.m_strShortDesc);
    add(SAME_LONG_DESCRIPTION, item.m_strLongDesc);
    add(SAME_FIXED_PRICE_FLAG, TestFlagBit(item.m_wFlags, ITEM_FIXED_PRICE) ? "F" : "-");
    add(SAME_ALTERNATE_CODE, item.m_strAltCode);
    add(SAME_LUMP_SUM_FLAG, TestFlagBit(item.m_wFlags, ITEM_LUMP_SUM) ? "L" : "-");
    return key;
}

// The items that are the same as one another, in row order. The first of them that is not a
// fixed-price item sets the price; the rule runs again from every later one of that price, and
// each run reports every later item of another price.
struct SameItems {
    bool m_hasPrice = false;
    double m_price = 0;
    std::vector<int> m_differing;
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
           && IdentityKey(a, IdentityFlags(prop)) == IdentityKey(b, IdentityFlags(prop));
}

void MarkIdenticalItems(ItemCheckRun& run)
{
    if (!TestFlagBit(run.m_prop.m_wFlags2, PROP2_IDENTICAL_ITEM_RULE))
        return;
    const uint16_t flags = IdentityFlags(run.m_prop);
    std::unordered_map<std::string, SameItems> sets;
    std::vector<std::pair<int, const SameItems*>> runners;
    for (int row = 0; row < int(run.m_rows.size()); ++row) {
        const CItem* item = run.m_rows[size_t(row)];
        if (!run.IsItem(row) || !IsEvalValueValid(item->m_fExtension))
            continue;
        SameItems& same = sets[IdentityKey(*item, flags)];
        if (same.m_hasPrice && item->m_fUnitPrice != same.m_price) {
            run.Mark(row, CHECK_IDENTICAL_ITEM);
            same.m_differing.push_back(row);
        } else if (!TestFlagBit(item->m_wFlags, ITEM_FIXED_PRICE)) {
            same.m_hasPrice = true;
            same.m_price = item->m_fUnitPrice;
            runners.emplace_back(row, &same);
        }
    }
    for (const auto& [runner, same] : runners)
        ReportDiffering(run, runner, *same);
}
