#include "model/check/AlternateChoice.h"

#include "model/check/DistinctKeys.h"
#include "model/eval/Evaluator.h"
#include "model/text/FlagWord.h"
#include "model/records/Item.h"
#include "model/check/RecalcItems.h"

#include <algorithm>
#include <atomic>
#include <numeric>

namespace {

std::atomic<int> groupingsWorkedOut{0};

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

// An alternate in the choice counts when its entry wins; any other row when it is priced.
bool RowCounts(const CItem& row, bool entryWins)
{
    if (TestFlagBit(row.m_wFlags, ITEM_IS_ALTERNATE) && !TestFlagBit(row.m_wFlags, ITEM_NOT_IN_CHOICE))
        return entryWins;
    return IsItemPriced(row);
}

char ChoiceChar(std::string_view code)
{
    return code.size() > 2 ? code[2] : '\0';
}

// Sets of numbers [0, count) each with its members together, in the order given: a counting sort.
void GatherBySet(const std::vector<int>& setOf, int count, std::vector<int>& start, std::vector<int>& members)
{
    start.assign(size_t(count) + 1, 0);
    for (int set : setOf)
        ++start[size_t(set) + 1];
    std::partial_sum(start.begin(), start.end(), start.begin());
    members.resize(setOf.size());
    std::vector<int> fill(start.begin(), start.end() - 1);
    for (size_t k = 0; k < setOf.size(); ++k)
        members[size_t(fill[size_t(setOf[k])]++)] = int(k);
}

} // namespace

int CAlternateChooser::GroupingsWorkedOut()
{
    return groupingsWorkedOut;
}

const ChoiceOutcome& CAlternateChooser::Choose(const std::vector<ChoiceRow>& rows, bool byCode, bool wholeBid)
{
    if (!GroupingHolds(rows))
        WorkOutGrouping(rows);
    m_byCode = byCode;
    m_wholeBid = wholeBid;
    m_entries.resize(m_entryStart.size() - 1);
    for (size_t e = 0; e < m_entries.size(); ++e)
        m_entries[e] = TotalOfEntry(rows, int(e));
    ChooseWinners();
    MarkCounting(rows);
    return m_outcome;
}

std::string_view CAlternateChooser::CodeOf(size_t alternate) const
{
    const size_t start = alternate == 0 ? 0 : m_codeEnds[alternate - 1];
    return std::string_view(m_codes).substr(start, m_codeEnds[alternate] - start);
}

bool CAlternateChooser::GroupingHolds(const std::vector<ChoiceRow>& rows) const
{
    if (rows.size() != m_rowCount || m_entryStart.empty())
        return false;
    size_t k = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
        const CItem& row = *rows[r].m_row;
        if (!IsAlternateOrOption(row))
            continue;
        if (k == m_alternates.size() || size_t(m_alternates[k]) != r || !SameKey(CodeOf(k), row.m_strAltCode))
            return false;
        ++k;
    }
    return k == m_alternates.size();
}

void CAlternateChooser::WorkOutGrouping(const std::vector<ChoiceRow>& rows)
{
    ++groupingsWorkedOut;
    m_rowCount = rows.size();
    m_alternates.clear();
    m_codes.clear();
    m_codeEnds.clear();
    for (size_t r = 0; r < rows.size(); ++r) {
        if (!IsAlternateOrOption(*rows[r].m_row))
            continue;
        m_alternates.push_back(int(r));
        m_codes += rows[r].m_row->m_strAltCode;
        m_codeEnds.push_back(m_codes.size());
    }
    const int entries = NumberDistinctKeys(int(m_alternates.size()), [&](int k) { return CodeOf(size_t(k)); },
                                           m_entryOf, m_sortBuffer);
    GatherBySet(m_entryOf, entries, m_entryStart, m_byEntry);
    const auto group = [&](int e) { return AlternateGroupNumber(CodeOf(size_t(m_byEntry[size_t(m_entryStart[size_t(e)])]))); };
    const int groups = NumberDistinctKeys(entries, group, m_groupOf, m_sortBuffer);
    GatherBySet(m_groupOf, groups, m_groupStart, m_byGroup);
}

// The rows of the entry in order: the sum of their values while every one counts; priced as its
// first row is.
CAlternateChooser::Entry CAlternateChooser::TotalOfEntry(const std::vector<ChoiceRow>& rows, int entry) const
{
    Entry total;
    for (int m = m_entryStart[size_t(entry)]; m < m_entryStart[size_t(entry) + 1]; ++m) {
        const ChoiceRow& choiceRow = rows[size_t(m_alternates[size_t(m_byEntry[size_t(m)])])];
        const CItem& row = *choiceRow.m_row;
        const bool counts = RowCountsTowardEntry(row);
        if (m == m_entryStart[size_t(entry)]) {
            total = {counts ? row.m_fExtension : MakeEvalErrorValue(),
                     counts || (row.IsSection() && choiceRow.m_sectionHasPrices)};
        } else if (!counts) {
            MakeEvalErrorValue(&total.m_total);
        } else if (IsEvalValueValid(total.m_total)) {
            total.m_total += row.m_fExtension;
        }
    }
    if (m_wholeBid && !total.m_priced)
        MakeEvalErrorValue(&total.m_total);
    return total;
}

void CAlternateChooser::ChooseWinners()
{
    m_wins.assign(m_entries.size(), 0);
    for (size_t g = 0; g + 1 < m_groupStart.size(); ++g)
        if (const int winner = WinnerOf(int(g)); winner >= 0)
            m_wins[size_t(winner)] = 1;
}

// Walks a group once, in entry order, from its first entry with a valid total. Later rounds of
// a pairwise comparison change nothing more: every entry that met the winner already lost to it.
// The winning entry, or -1 when none counts.
int CAlternateChooser::WinnerOf(int group) const
{
    int winner = -1;
    for (int m = m_groupStart[size_t(group)]; m < m_groupStart[size_t(group) + 1]; ++m) {
        const int later = m_byGroup[size_t(m)];
        const double total = m_entries[size_t(later)].m_total;
        if (winner < 0) {
            if (IsEvalValueValid(total))
                winner = later;
            continue;
        }
        if (!m_byCode && !IsEvalValueValid(total))
            continue;
        const auto choiceChar = [&](int e) { return ChoiceChar(CodeOf(size_t(m_byEntry[size_t(m_entryStart[size_t(e)])]))); };
        if (m_byCode ? choiceChar(later) < choiceChar(winner) : total < m_entries[size_t(winner)].m_total)
            winner = later;
    }
    return winner >= 0 && IsEvalValueValid(m_entries[size_t(winner)].m_total) ? winner : -1;
}

void CAlternateChooser::MarkCounting(const std::vector<ChoiceRow>& rows)
{
    m_outcome.m_counts.assign(rows.size(), 0);
    m_outcome.m_chosenChanged = false;
    size_t k = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
        CItem& row = *rows[r].m_row;
        const bool listed = k < m_alternates.size() && size_t(m_alternates[k]) == r;
        const bool entryWins = listed && m_wins[size_t(m_entryOf[k++])];
        const bool counts = RowCounts(row, entryWins);
        m_outcome.m_counts[r] = counts ? 1 : 0;
        if (TestFlagBit(row.m_wFlags, ITEM_IS_ALTERNATE) && (TestFlagBit(row.m_wFlags, ITEM_CHOSEN) != 0) != counts) {
            ChangeFlagBit(&row.m_wFlags, ITEM_CHOSEN, counts ? 1 : 0);
            m_outcome.m_chosenChanged = true;
        }
    }
}

const std::vector<uint8_t>& CAlternateChooser::CountsAfterChangeOf(const std::vector<ChoiceRow>& rows, size_t changed)
{
    m_changedCounts = m_outcome.m_counts;
    const auto found = std::lower_bound(m_alternates.begin(), m_alternates.end(), int(changed));
    if (found == m_alternates.end() || size_t(*found) != changed) {
        m_changedCounts[changed] = RowCounts(*rows[changed].m_row, false) ? 1 : 0;
        return m_changedCounts;
    }
    const int entry = m_entryOf[size_t(found - m_alternates.begin())];
    const Entry kept = m_entries[size_t(entry)];
    m_entries[size_t(entry)] = TotalOfEntry(rows, entry);
    const int group = m_groupOf[size_t(entry)];
    const int winner = WinnerOf(group);
    for (int g = m_groupStart[size_t(group)]; g < m_groupStart[size_t(group) + 1]; ++g) {
        const int member = m_byGroup[size_t(g)];
        for (int m = m_entryStart[size_t(member)]; m < m_entryStart[size_t(member) + 1]; ++m) {
            const size_t r = size_t(m_alternates[size_t(m_byEntry[size_t(m)])]);
            m_changedCounts[r] = RowCounts(*rows[r].m_row, member == winner) ? 1 : 0;
        }
    }
    m_entries[size_t(entry)] = kept;
    return m_changedCounts;
}
