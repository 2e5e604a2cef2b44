#include "model/AlternateChoice.h"

#include "model/Evaluator.h"
#include "model/FlagWord.h"
#include "model/Item.h"
#include "model/RecalcItems.h"

#include <string>
#include <string_view>
#include <unordered_map>

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

void AddToEntry(ChoiceEntry& entry, const CItem& row, bool isNew, bool sectionHasPrices)
{
    const bool counts = RowCountsTowardEntry(row);
    if (isNew) {
        entry.m_priced = counts || (row.IsSection() && sectionHasPrices);
        entry.m_total = counts ? row.m_fExtension : MakeEvalErrorValue();
    } else if (!counts) {
        MakeEvalErrorValue(&entry.m_total);
    } else if (IsEvalValueValid(entry.m_total)) {
        entry.m_total += row.m_fExtension;
    }
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

// Walks each group once from its first entry with a valid total. Later rounds of a pairwise
// comparison change nothing more: every entry that met the winner already lost to it.
void ChooseWinners(std::vector<ChoiceEntry>& entries, bool byCode)
{
    std::unordered_map<std::string, std::vector<int>> groups;
    std::vector<const std::vector<int>*> order;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        auto [it, inserted] = groups.try_emplace(AlternateGroupKey(*entries[size_t(i)].m_code));
        it->second.push_back(i);
        if (inserted)
            order.push_back(&it->second);
    }
    for (const std::vector<int>* group : order) {
        size_t first = 0;
        while (first < group->size() && !IsEvalValueValid(entries[size_t((*group)[first])].m_total))
            ++first;
        if (first == group->size())
            continue;
        ChoiceEntry* winner = &entries[size_t((*group)[first])];
        for (size_t k = first + 1; k < group->size(); ++k) {
            ChoiceEntry& later = entries[size_t((*group)[k])];
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
}

} // namespace

ChoiceOutcome ChooseAlternates(const std::vector<ChoiceRow>& rows, bool byCode, bool wholeBid)
{
    std::vector<ChoiceEntry> entries;
    std::vector<int> entryOfRow(rows.size(), -1);
    std::unordered_map<std::string_view, int> entryByCode;
    for (size_t r = 0; r < rows.size(); ++r) {
        const CItem& row = *rows[r].m_row;
        if (!IsAlternateOrOption(row))
            continue;
        auto [it, isNew] = entryByCode.try_emplace(row.m_strAltCode, static_cast<int>(entries.size()));
        if (isNew)
            entries.push_back({&row.m_strAltCode});
        entryOfRow[r] = it->second;
        AddToEntry(entries[size_t(it->second)], row, isNew, rows[r].m_sectionHasPrices);
    }
    if (wholeBid)
        for (ChoiceEntry& entry : entries)
            if (!entry.m_priced)
                MakeEvalErrorValue(&entry.m_total);
    ChooseWinners(entries, byCode);

    ChoiceOutcome outcome;
    outcome.m_counts.resize(rows.size());
    for (size_t r = 0; r < rows.size(); ++r) {
        CItem& row = *rows[r].m_row;
        const bool alternate = TestFlagBit(row.m_wFlags, ITEM_IS_ALTERNATE) != 0;
        const bool counts = alternate && !TestFlagBit(row.m_wFlags, ITEM_NOT_IN_CHOICE)
                                ? IsEvalValueValid(entries[size_t(entryOfRow[r])].m_total) != 0
                                : IsItemPriced(row);
        outcome.m_counts[r] = counts;
        if (alternate && (TestFlagBit(row.m_wFlags, ITEM_CHOSEN) != 0) != counts) {
            ChangeFlagBit(&row.m_wFlags, ITEM_CHOSEN, counts ? 1 : 0);
            outcome.m_chosenChanged = true;
        }
    }
    return outcome;
}
