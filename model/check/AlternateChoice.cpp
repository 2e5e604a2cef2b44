#include "model/check/AlternateChoice.h"

#include "model/check/DistinctKeys.h"
#include "model/eval/Evaluator.h"
#include "model/text/FlagWord.h"
#include "model/records/Item.h"
#include "model/check/RecalcItems.h"

#include <numeric>
#include <string>
#include <string_view>

namespace {

bool IsAlternateOrOption(const CItem& row)
{
    return TestFlagBit(row.m_wFlags, ITEM_IS_ALTERNATE) || TestFlagBit(row.m_wFlags, ITEM_IS_OPTION);
}

bool RowCountsTowardEntry(const CItem& row)
{
    if (row.IsSection())
        return IsEvalValueValid(row.m_fExtension) && row.m_fExtension > 0;
    return IsItemPriced(row);
}

char ChoiceChar(const CItem& first)
{
    return first.m_strAltCode.size() > 2 ? first.m_strAltCode[2] : '\0';
}

} // namespace

const ChoiceOutcome& CAlternateChooser::Choose(const std::vector<ChoiceRow>& rows, bool byCode, bool wholeBid)
{
    BuildEntries(rows, wholeBid);
    ChooseWinners(byCode);
    MarkCounting(rows);
    return m_outcome;
}

void CAlternateChooser::BuildEntries(const std::vector<ChoiceRow>& rows, bool wholeBid)
{
    m_alternates.clear();
    for (size_t r = 0; r < rows.size(); ++r)
        if (IsAlternateOrOption(*rows[r].m_row))
            m_alternates.push_back(int(r));
    const auto code = [&](int k) { return std::string_view(rows[size_t(m_alternates[size_t(k)])].m_row->m_strAltCode); };
    NumberDistinctKeys(int(m_alternates.size()), code, m_entryOf, m_sortBuffer);
    m_entries.clear();
    for (size_t k = 0; k < m_alternates.size(); ++k) {
        const ChoiceRow& choiceRow = rows[size_t(m_alternates[k])];
        const CItem& row = *choiceRow.m_row;
        const bool counts = RowCountsTowardEntry(row);
        if (size_t(m_entryOf[k]) == m_entries.size()) {
            m_entries.push_back({&row, counts ? row.m_fExtension : MakeEvalErrorValue(),
                                 counts || (row.IsSection() && choiceRow.m_sectionHasPrices)});
            continue;
        }
        Entry& entry = m_entries[size_t(m_entryOf[k])];
        if (!counts)
            MakeEvalErrorValue(&entry.m_total);
        else if (IsEvalValueValid(entry.m_total))
            entry.m_total += row.m_fExtension;
    }
    if (wholeBid)
        for (Entry& entry : m_entries)
            if (!entry.m_priced)
                MakeEvalErrorValue(&entry.m_total);
}

void CAlternateChooser::ChooseWinners(bool byCode)
{
    const auto group = [&](int e) { return AlternateGroupNumber(m_entries[size_t(e)].m_first->m_strAltCode); };
    const int groups = NumberDistinctKeys(int(m_entries.size()), group, m_groupOf, m_sortBuffer);
    // The entries of each group together, in entry order: a counting sort by group.
    m_groupStart.assign(size_t(groups) + 1, 0);
    for (int g : m_groupOf)
        ++m_groupStart[size_t(g) + 1];
    std::partial_sum(m_groupStart.begin(), m_groupStart.end(), m_groupStart.begin());
    m_byGroup.resize(m_entries.size());
    m_groupFill.assign(m_groupStart.begin(), m_groupStart.end() - 1);
    for (size_t e = 0; e < m_entries.size(); ++e)
        m_byGroup[size_t(m_groupFill[size_t(m_groupOf[e])]++)] = int(e);
    for (int g = 0; g < groups; ++g)
        ChooseInGroup(m_byGroup.data() + m_groupStart[size_t(g)], m_byGroup.data() + m_groupStart[size_t(g) + 1], byCode);
}

// Walks a group once, in entry order, from its first entry with a valid total. Later rounds of
// a pairwise comparison change nothing more: every entry that met the winner already lost to it.
void CAlternateChooser::ChooseInGroup(const int* first, const int* last, bool byCode)
{
    Entry* winner = nullptr;
    for (const int* e = first; e != last; ++e) {
        Entry& later = m_entries[size_t(*e)];
        if (!winner) {
            if (IsEvalValueValid(later.m_total))
                winner = &later;
            continue;
        }
        if (!byCode && !IsEvalValueValid(later.m_total))
            continue;
        const bool winnerLoses = byCode ? ChoiceChar(*later.m_first) < ChoiceChar(*winner->m_first)
                                        : later.m_total < winner->m_total;
        if (winnerLoses) {
            MakeEvalErrorValue(&winner->m_total);
            winner = &later;
        } else {
            MakeEvalErrorValue(&later.m_total);
        }
    }
}

void CAlternateChooser::MarkCounting(const std::vector<ChoiceRow>& rows)
{
    m_outcome.m_counts.assign(rows.size(), 0);
    m_outcome.m_chosenChanged = false;
    size_t k = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
        CItem& row = *rows[r].m_row;
        const bool listed = k < m_alternates.size() && size_t(m_alternates[k]) == r;
        const int entry = listed ? m_entryOf[k++] : -1;
        const bool alternate = TestFlagBit(row.m_wFlags, ITEM_IS_ALTERNATE) != 0;
        const bool counts = alternate && !TestFlagBit(row.m_wFlags, ITEM_NOT_IN_CHOICE)
                                ? IsEvalValueValid(m_entries[size_t(entry)].m_total) != 0
                                : IsItemPriced(row);
        m_outcome.m_counts[r] = counts ? 1 : 0;
        if (alternate && (TestFlagBit(row.m_wFlags, ITEM_CHOSEN) != 0) != counts) {
            ChangeFlagBit(&row.m_wFlags, ITEM_CHOSEN, counts ? 1 : 0);
            m_outcome.m_chosenChanged = true;
        }
    }
}
