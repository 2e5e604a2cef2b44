#include "model/ItemCheck.h"

#include "model/CheckBid.h"
#include "model/Evaluator.h"
#include "model/FlagWord.h"
#include "model/Prop.h"

#include <cmath>

ItemCheckRun::ItemCheckRun(CProp& prop)
    : m_prop(prop),
      m_words(size_t(prop.m_items.GetSize()), 0),
      m_sectionOf(size_t(prop.m_items.GetSize()), -1),
      m_choiceOf(size_t(prop.m_items.GetSize()), -1),
      m_groupOf(size_t(prop.m_items.GetSize()), -1),
      m_caps(prop),
      m_unitPriceDigits(prop.m_numberFormats[NUMFMT_UNIT_PRICE].m_byWidth),
      m_extensionDigits(prop.m_numberFormats[NUMFMT_AMOUNT].m_byWidth)
{
    m_rows.reserve(size_t(prop.m_items.GetSize()));
    int section = -1;
    for (const auto& row : prop.m_items) {
        if (row && row->IsSection())
            section = int(m_rows.size());
        m_sectionOf[m_rows.size()] = section;
        m_rows.push_back(row.get());
    }
}

void ItemCheckRun::MarkAll(const std::vector<int>& rows, int bit)
{
    for (int row : rows)
        Mark(row, bit);
}

bool ItemCheckRun::IsItem(int row) const
{
    return m_rows[size_t(row)] && !m_rows[size_t(row)]->IsSection();
}

bool ItemCheckRun::IsSection(int row) const
{
    return m_rows[size_t(row)] && m_rows[size_t(row)]->IsSection();
}

bool ItemCheckRun::IsAlternate(int row) const
{
    return m_rows[size_t(row)] && TestFlagBit(m_rows[size_t(row)]->m_wFlags, ITEM_IS_ALTERNATE);
}

bool ItemCheckRun::IsOption(int row) const
{
    return m_rows[size_t(row)] && TestFlagBit(m_rows[size_t(row)]->m_wFlags, ITEM_IS_OPTION);
}

bool ItemCheckRun::IsAlternateOrOption(int row) const
{
    return IsAlternate(row) || IsOption(row);
}

bool ItemCheckRun::MeetsLimits(int row)
{
    const CItem& item = *m_rows[size_t(row)];
    return m_caps.GetViolations(row).empty() && !IsOutOfRange(item.m_fUnitPrice, m_unitPriceDigits)
           && !IsOutOfRange(item.m_fExtension, m_extensionDigits);
}

bool ItemCheckRun::IsSectionTotalInRange(int section) const
{
    return !IsOutOfRange(m_rows[size_t(section)]->m_fExtension, m_extensionDigits);
}

bool IsOutOfRange(double value, int digits)
{
    // A format without integer digits limits nothing, as when amounts are formatted.
    if (digits <= 0 || !IsEvalValueValid(value))
        return false;
    const double limit = PowInt(10.0, digits);
    return value >= limit || value <= -limit;
}

void MarkFullyBidItems(ItemCheckRun& run)
{
    for (int row = 0; row < int(run.m_rows.size()); ++row) {
        if (!run.IsItem(row))
            continue;
        const CItem& item = *run.m_rows[size_t(row)];
        bool fullyBid;
        if (TestFlagBit(item.m_wFlags, ITEM_FIXED_PRICE))
            fullyBid = TestFlagBit(item.m_wFlags, ITEM_FIXED_FULLY_BID) ? IsEvalValueValid(item.m_fQuan) != 0
                                                                        : TestFlagBit(item.m_wFlags, ITEM_FIXED_COUNTS_PRICED) != 0;
        else
            fullyBid = IsEvalValueValid(item.m_fExtension) && !run.Has(row, CHECK_IDENTICAL_ITEM) && run.MeetsLimits(row);
        if (fullyBid)
            run.Mark(row, CHECK_FULLY_BID);
    }
}

bool IsItemListValid(const ItemCheckRun& run)
{
    for (int row = 0; row < int(run.m_rows.size()); ++row)
        if (run.IsSection(row) && !run.Has(row, run.IsAlternateOrOption(row) ? CHECK_GROUP_CORRECT : CHECK_FULLY_BID))
            return false;
    return true;
}
