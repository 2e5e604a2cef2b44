#include "model/check/ItemCheck.h"

#include "model/check/CheckBid.h"
#include "model/check/DistinctKeys.h"
#include "model/eval/Evaluator.h"
#include "model/text/FlagWord.h"
#include "model/records/Prop.h"

#include <cmath>

namespace {

uint8_t KindOf(const CItem& row)
{
    uint8_t kind = row.IsSection() ? ItemCheckRun::KIND_SECTION : ItemCheckRun::KIND_ITEM;
    if (TestFlagBit(row.m_wFlags, ITEM_IS_ALTERNATE))
        kind |= ItemCheckRun::KIND_ALTERNATE;
    if (TestFlagBit(row.m_wFlags, ITEM_IS_OPTION))
        kind |= ItemCheckRun::KIND_OPTION;
    return kind;
}

// A fixed-price item by its quantity or its "counts as priced" bit; any other by its extension,
// the identical-item rule, its bid caps and its ranges.
bool IsFullyBid(ItemCheckRun& run, int row)
{
    const CItem& item = *run.m_rows[size_t(row)];
    if (TestFlagBit(item.m_wFlags, ITEM_FIXED_PRICE))
        return TestFlagBit(item.m_wFlags, ITEM_FIXED_FULLY_BID) ? IsEvalValueValid(item.m_fQuan) != 0
                                                               : TestFlagBit(item.m_wFlags, ITEM_FIXED_COUNTS_PRICED) != 0;
    return IsEvalValueValid(item.m_fExtension) && !run.Has(row, CHECK_IDENTICAL_ITEM) && run.MeetsLimits(row);
}

} // namespace

// The per-row vectors of the last run, kept for the next: a check runs on every edit, and giving
// their memory back each time made every run fault it in again.
ItemCheckRun::Buffers& ItemCheckRun::SpareBuffers()
{
    static Buffers spare;
    return spare;
}

void ItemCheckRun::SwapBuffers(Buffers& other)
{
    m_rows.swap(other.m_rows);
    m_words.swap(other.m_words);
    m_wordsLeft.swap(other.m_wordsLeft);
    m_kinds.swap(other.m_kinds);
    m_sectionOf.swap(other.m_sectionOf);
    m_codeKey.swap(other.m_codeKey);
    m_groupKey.swap(other.m_groupKey);
    m_choiceOf.swap(other.m_choiceOf);
    m_groupOf.swap(other.m_groupOf);
    std::swap(m_choices, other.m_choices);
    std::swap(m_groups, other.m_groups);
}

ItemCheckRun::ItemCheckRun(CProp& prop)
    : m_prop(prop),
      m_caps(prop),
      m_keys(CItemKeys::Reused()),
      m_unitPriceRange(prop.m_numberFormats[NUMFMT_UNIT_PRICE].m_byWidth),
      m_extensionRange(prop.m_numberFormats[NUMFMT_AMOUNT].m_byWidth)
{
    SwapBuffers(SpareBuffers());
    const size_t size = size_t(prop.m_items.GetSize());
    m_words.assign(size, 0);
    m_wordsLeft.assign(size, 0);
    m_kinds.assign(size, 0);
    m_sectionOf.assign(size, -1);
    m_codeKey.resize(size);
    m_groupKey.resize(size);
    m_choiceOf.assign(size, -1);
    m_groupOf.assign(size, -1);
    m_choices.Clear();
    m_groups.Clear();
    m_rows.clear();
    for (const auto& row : prop.m_items)
        m_rows.push_back(row.get());
    m_keys.Update(m_rows, IdentitySelection(prop), m_caps);
    m_caps.UseKnownRows(m_keys.SectionRows(), m_keys.CapsByRow());
}

ItemCheckRun::~ItemCheckRun()
{
    SwapBuffers(SpareBuffers());
}

void ItemCheckRun::MarkAll(std::span<const int> rows, int bit)
{
    for (int row : rows)
        Mark(row, bit);
}

bool ItemCheckRun::MeetsLimits(int row)
{
    const CItem& item = *m_rows[size_t(row)];
    return !m_unitPriceRange.Exceeds(item.m_fUnitPrice) && !m_extensionRange.Exceeds(item.m_fExtension)
           && m_caps.GetViolations(row).empty();
}

bool ItemCheckRun::IsSectionTotalInRange(int section) const
{
    return !m_extensionRange.Exceeds(m_rows[size_t(section)]->m_fExtension);
}

void CRowSets::Clear()
{
    m_start.assign(1, 0);
    m_members.clear();
}

std::span<const int> CRowSets::Members(int set) const
{
    return std::span<const int>(m_members).subspan(size_t(m_start[size_t(set)]),
                                                   size_t(m_start[size_t(set) + 1] - m_start[size_t(set)]));
}

int CRowSets::Add(const std::vector<int>& rows, const std::vector<int>& numbers, int count)
{
    // A counting sort by set keeps each set's rows in the order given.
    const size_t first = m_start.size() - 1;
    m_start.resize(first + size_t(count) + 1, 0);
    for (int number : numbers)
        ++m_start[first + size_t(number) + 1];
    for (size_t set = first + 1; set < m_start.size(); ++set)
        m_start[set] += m_start[set - 1];
    m_fill.assign(m_start.begin() + std::ptrdiff_t(first), m_start.end() - 1);
    m_members.resize(m_members.size() + rows.size());
    for (size_t k = 0; k < rows.size(); ++k)
        m_members[size_t(m_fill[size_t(numbers[k])]++)] = rows[k];
    return int(first);
}

// A format without integer digits limits nothing, as when amounts are formatted.
RangeLimit::RangeLimit(int digits) : m_limit(digits > 0 ? PowInt(10.0, digits) : 0)
{
}

bool MarkFullyBidItems(ItemCheckRun& run)
{
    CIdenticalItemRule identical(run);
    int section = -1;
    for (int row = 0; row < int(run.m_rows.size()); ++row) {
        CItem* item = run.m_rows[size_t(row)];
        if (!run.m_keys.Confirm(row, item))
            return false;
        run.m_kinds[size_t(row)] = item ? KindOf(*item) : 0;
        if (run.IsSection(row))
            section = row;
        run.m_sectionOf[size_t(row)] = section;
        if (run.IsAlternateOrOption(row)) {
            run.m_codeKey[size_t(row)] = PackAlternateCode(item->m_strAltCode);
            run.m_groupKey[size_t(row)] = AlternateGroupNumber(item->m_strAltCode);
        }
        identical.Visit(row);
        if (run.IsItem(row) && IsFullyBid(run, row))
            run.Mark(row, CHECK_FULLY_BID);
        // Onto the row while it is at hand; the last step writes only the words that changed since.
        if (item) {
            item->m_wCheck = run.m_words[size_t(row)];
            run.m_wordsLeft[size_t(row)] = item->m_wCheck;
        }
    }
    identical.Report();
    return true;
}

bool IsItemListValid(const ItemCheckRun& run)
{
    for (int row = 0; row < int(run.m_rows.size()); ++row)
        if (run.IsSection(row) && !run.Has(row, run.IsAlternateOrOption(row) ? CHECK_GROUP_CORRECT : CHECK_FULLY_BID))
            return false;
    return true;
}
