#include "model/check/CheckBid.h"
#include "model/check/DistinctKeys.h"
#include "model/records/Item.h"
#include "model/check/ItemCheck.h"

#include <string_view>

namespace {

// Working memory for numbering the choices and groups of one scope after another.
struct ScopeNumbers {
    std::vector<uint64_t> m_codes;
    std::vector<uint32_t> m_groupKeys;
    std::vector<int> m_choiceOf;
    std::vector<int> m_groupOf;
    std::vector<int> m_order;
};

// Numbers the choices (same code) and groups (same first two characters, any case) of the
// alternate and option rows of one scope: the items of a section, or the sections of the bid.
void GroupRows(ItemCheckRun& run, const std::vector<int>& rows, ScopeNumbers& numbers)
{
    // The codes as the first walk packed them; only a long code is read from its row again.
    numbers.m_codes.clear();
    numbers.m_groupKeys.clear();
    bool allPacked = true;
    for (int row : rows) {
        numbers.m_codes.push_back(run.m_codeKey[size_t(row)]);
        numbers.m_groupKeys.push_back(run.m_groupKey[size_t(row)]);
        allPacked = allPacked && numbers.m_codes.back() != kLongAlternateCode;
    }
    const auto packedCode = [&](int k) { return numbers.m_codes[size_t(k)]; };
    const auto rowCode = [&](int k) { return std::string_view(run.m_rows[size_t(rows[size_t(k)])]->m_strAltCode); };
    const int choices = allPacked ? NumberDistinctKeys(int(rows.size()), packedCode, numbers.m_choiceOf, numbers.m_order)
                                  : NumberDistinctKeys(int(rows.size()), rowCode, numbers.m_choiceOf, numbers.m_order);
    const int groups = NumberDistinctKeys(int(rows.size()), [&](int k) { return numbers.m_groupKeys[size_t(k)]; },
                                          numbers.m_groupOf, numbers.m_order);
    const int firstChoice = run.m_choices.Add(rows, numbers.m_choiceOf, choices);
    const int firstGroup = run.m_groups.Add(rows, numbers.m_groupOf, groups);
    for (size_t k = 0; k < rows.size(); ++k) {
        run.m_choiceOf[size_t(rows[k])] = firstChoice + numbers.m_choiceOf[k];
        run.m_groupOf[size_t(rows[k])] = firstGroup + numbers.m_groupOf[k];
    }
}

void MarkChoice(ItemCheckRun& run, std::span<const int> members)
{
    size_t fullyBid = 0;
    for (int row : members)
        fullyBid += run.Has(row, CHECK_FULLY_BID);
    if (fullyBid == members.size())
        run.MarkAll(members, CHECK_CHOICE_FULLY_BID);
    else if (fullyBid > 0)
        run.MarkAll(members, CHECK_CHOICE_PARTLY_BID);
}

// Alternates: every choice must be fully bid. Options: exactly one choice, counted by choices
// so that an option of several rows, all bid, is one choice and not too many.
void MarkGroup(ItemCheckRun& run, std::span<const int> members)
{
    size_t membersBid = 0;
    size_t choicesBid = 0;
    for (int row : members) {
        if (!run.Has(row, CHECK_CHOICE_FULLY_BID))
            continue;
        ++membersBid;
        choicesBid += run.m_choices.Members(run.m_choiceOf[size_t(row)]).front() == row;
    }
    const bool correct = run.IsAlternate(members.front()) ? membersBid == members.size() : choicesBid == 1;
    if (correct)
        run.MarkAll(members, CHECK_GROUP_CORRECT);
    else if (membersBid > 0)
        run.MarkAll(members, CHECK_GROUP_WRONG);
}

void AnalyseScope(ItemCheckRun& run, const std::vector<int>& rows, ScopeNumbers& numbers)
{
    const int firstChoice = run.m_choices.Count();
    const int firstGroup = run.m_groups.Count();
    GroupRows(run, rows, numbers);
    for (int c = firstChoice; c < run.m_choices.Count(); ++c)
        MarkChoice(run, run.m_choices.Members(c));
    for (int g = firstGroup; g < run.m_groups.Count(); ++g)
        MarkGroup(run, run.m_groups.Members(g));
}

void AnalyseItemScopes(ItemCheckRun& run, ScopeNumbers& numbers)
{
    std::vector<int> scope;
    for (int row = 0; row <= int(run.m_rows.size()); ++row) {
        const bool end = row == int(run.m_rows.size());
        if (end || run.IsSection(row)) {
            AnalyseScope(run, scope, numbers);
            scope.clear();
        } else if (run.IsAlternateOrOption(row)) {
            scope.push_back(row);
        }
    }
}

// Fully bid when every row counts as bid and the total is in range; partly bid when some row
// counts. An alternate or option row counts when its group is correctly bid.
void MarkSection(ItemCheckRun& run, int section, int end)
{
    bool all = true;
    bool any = false;
    for (int row = section + 1; row < end; ++row) {
        if (!run.IsItem(row))
            continue;
        const bool bid = run.Has(row, run.IsAlternateOrOption(row) ? CHECK_GROUP_CORRECT : CHECK_FULLY_BID);
        all = all && bid;
        any = any || bid;
    }
    if (all && run.IsSectionTotalInRange(section))
        run.Mark(section, CHECK_FULLY_BID);
    else if (any)
        run.Mark(section, CHECK_PARTLY_BID);
}

void MarkSections(ItemCheckRun& run)
{
    int section = -1;
    for (int row = 0; row <= int(run.m_rows.size()); ++row) {
        const bool end = row == int(run.m_rows.size());
        if (!end && !run.IsSection(row))
            continue;
        if (section >= 0)
            MarkSection(run, section, row);
        section = row;
    }
}

} // namespace

void AnalyseAlternates(ItemCheckRun& run)
{
    ScopeNumbers numbers;
    AnalyseItemScopes(run, numbers);
    MarkSections(run);
    std::vector<int> sections;
    for (int row = 0; row < int(run.m_rows.size()); ++row)
        if (run.IsSection(row) && run.IsAlternateOrOption(row))
            sections.push_back(row);
    AnalyseScope(run, sections, numbers);
}
