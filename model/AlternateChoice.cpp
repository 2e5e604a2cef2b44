#include "model/AlternateChoice.h"

#include "model/DistinctKeys.h"
#include "model/Evaluator.h"
#include "model/FlagWord.h"
#include "model/Item.h"
#include "model/RecalcItems.h"

#include <numeric>
#include <string>
#include <string_view>

namespace {

struct ChoiceEntry {
    const std::string* m_code = nullptr;
    double m_total = 0;
    bool m_priced = false;
};

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

ChoiceEntry NewEntry(const CItem& row, bool sectionHasPrices)
{
    const bool counts = RowCountsTowardEntry(row);
    return {&row.m_strAltCode, counts ? row.m_fExtension : MakeEvalErrorValue(),
            counts || (row.IsSection() && sectionHasPrices)};
}

void AddToEntry(ChoiceEntry& entry, const CItem& row)
{
    if (!RowCountsTowardEntry(row))
        MakeEvalErrorValue(&entry.m_total);
    else if (IsEvalValueValid(entry.m_total))
        entry.m_total += row.m_fExtension;
}

char ChoiceChar(const ChoiceEntry& entry)
{
    return entry.m_code->size() > 2 ? (*entry.m_code)[2] : '\0';
}

// Whether the current winner of a group loses to a later entry.
bool WinnerLoses(const ChoiceEntry& winner, const ChoiceEntry& later, bool byCode)
{
    if (byCode)
        return ChoiceChar(later) < ChoiceChar(winner);
    return later.m_total < winner.m_total;
}

// Walks a group once, in entry order, from its first entry with a valid total. Later rounds of
// a pairwise comparison change nothing more: every entry that met the winner already lost to it.
void ChooseInGroup(std::vector<ChoiceEntry>& entries, const int* first, const int* last, bool byCode)
{
    ChoiceEntry* winner = nullptr;
    for (const int* e = first; e != last; ++e) {
        ChoiceEntry& later = entries[size_t(*e)];
        if (!winner) {
            if (IsEvalValueValid(later.m_total))
                winner = &later;
            continue;
        }
        if (!byCode && !IsEvalValueValid(later.m_total))
            continue;
        if (WinnerLoses(*winner, later, byCode)) {
            MakeEvalErrorValue(&winner->m_total);
            winner = &later;
        } else {
            MakeEvalErrorValue(&later.m_total);
        }
    }
}

void ChooseWinners(std::vector<ChoiceEntry>& entries, bool byCode)
{
    const std::vector<int> groupOf = NumberDistinctKeys(
        int(entries.size()), [&](int e) { return AlternateGroupNumber(*entries[size_t(e)].m_code); });
    const int groups = groupOf.empty() ? 0 : *std::max_element(groupOf.begin(), groupOf.end()) + 1;
    // The entries of each group together, in entry order.
    std::vector<int> start(size_t(groups) + 1, 0);
    for (int group : groupOf)
        ++start[size_t(group) + 1];
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<int> byGroup(entries.size());
    std::vector<int> next(start.begin(), start.end() - 1);
    for (size_t e = 0; e < entries.size(); ++e)
        byGroup[size_t(next[size_t(groupOf[e])]++)] = int(e);
    for (int group = 0; group < groups; ++group)
        ChooseInGroup(entries, byGroup.data() + start[size_t(group)], byGroup.data() + start[size_t(group) + 1], byCode);
}

} // namespace

ChoiceOutcome ChooseAlternates(const std::vector<ChoiceRow>& rows, bool byCode, bool wholeBid)
{
    std::vector<int> alternates;
    alternates.reserve(rows.size());
    for (size_t r = 0; r < rows.size(); ++r)
        if (IsAlternateOrOption(*rows[r].m_row))
            alternates.push_back(int(r));
    const std::vector<int> entryOf = NumberDistinctKeys(
        int(alternates.size()), [&](int k) { return std::string_view(rows[size_t(alternates[size_t(k)])].m_row->m_strAltCode); });
    std::vector<ChoiceEntry> entries;
    entries.reserve(alternates.size());
    for (size_t k = 0; k < alternates.size(); ++k) {
        const ChoiceRow& row = rows[size_t(alternates[k])];
        if (size_t(entryOf[k]) == entries.size())
            entries.push_back(NewEntry(*row.m_row, row.m_sectionHasPrices));
        else
            AddToEntry(entries[size_t(entryOf[k])], *row.m_row);
    }
    if (wholeBid)
        for (ChoiceEntry& entry : entries)
            if (!entry.m_priced)
                MakeEvalErrorValue(&entry.m_total);
    ChooseWinners(entries, byCode);

    ChoiceOutcome outcome;
    outcome.m_counts.resize(rows.size());
    size_t k = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
        CItem& row = *rows[r].m_row;
        const bool listed = k < alternates.size() && size_t(alternates[k]) == r;
        const int entry = listed ? entryOf[k++] : -1;
        const bool alternate = TestFlagBit(row.m_wFlags, ITEM_IS_ALTERNATE) != 0;
        const bool counts = alternate && !TestFlagBit(row.m_wFlags, ITEM_NOT_IN_CHOICE)
                                ? IsEvalValueValid(entries[size_t(entry)].m_total) != 0
                                : IsItemPriced(row);
        outcome.m_counts[r] = counts;
        if (alternate && (TestFlagBit(row.m_wFlags, ITEM_CHOSEN) != 0) != counts) {
            ChangeFlagBit(&row.m_wFlags, ITEM_CHOSEN, counts ? 1 : 0);
            outcome.m_chosenChanged = true;
        }
    }
    return outcome;
}
