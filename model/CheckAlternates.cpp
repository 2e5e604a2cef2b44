#include "model/CheckBid.h"
#include "model/DistinctKeys.h"
#include "model/Item.h"
#include "model/ItemCheck.h"

#include <string_view>

namespace {

// Numbers the choices (same code) and groups (same first two characters, any case) of the
// alternate and option rows of one scope: the items of a section, or the sections of the bid.
void GroupRows(ItemCheckRun& run, const std::vector<int>& rows)
{
    const auto code = [&](int k) { return std::string_view(run.m_rows[size_t(rows[size_t(k)])]->m_strAltCode); };
    const std::vector<int> choiceOf = NumberDistinctKeys(int(rows.size()), code);
    const std::vector<int> groupOf = NumberDistinctKeys(int(rows.size()), [&](int k) { return AlternateGroupNumber(code(k)); });
    const size_t firstChoice = run.m_choiceMembers.size();
    const size_t firstGroup = run.m_groupMembers.size();
    for (size_t k = 0; k < rows.size(); ++k) {
        const size_t choice = firstChoice + size_t(choiceOf[k]);
        const size_t group = firstGroup + size_t(groupOf[k]);
        if (choice == run.m_choiceMembers.size())
            run.m_choiceMembers.emplace_back();
        if (group == run.m_groupMembers.size())
            run.m_groupMembers.emplace_back();
        run.m_choiceMembers[choice].push_back(rows[k]);
        run.m_groupMembers[group].push_back(rows[k]);
        run.m_choiceOf[size_t(rows[k])] = int(choice);
        run.m_groupOf[size_t(rows[k])] = int(group);
    }
}

void MarkChoice(ItemCheckRun& run, const std::vector<int>& members)
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
void MarkGroup(ItemCheckRun& run, const std::vector<int>& members)
{
    size_t membersBid = 0;
    size_t choicesBid = 0;
    for (int row : members) {
        if (!run.Has(row, CHECK_CHOICE_FULLY_BID))
            continue;
        ++membersBid;
        choicesBid += run.m_choiceMembers[size_t(run.m_choiceOf[size_t(row)])].front() == row;
    }
    const bool correct = run.IsAlternate(members.front()) ? membersBid == members.size() : choicesBid == 1;
    if (correct)
        run.MarkAll(members, CHECK_GROUP_CORRECT);
    else if (membersBid > 0)
        run.MarkAll(members, CHECK_GROUP_WRONG);
}

void AnalyseScope(ItemCheckRun& run, const std::vector<int>& rows)
{
    const size_t firstChoice = run.m_choiceMembers.size();
    const size_t firstGroup = run.m_groupMembers.size();
    GroupRows(run, rows);
    for (size_t c = firstChoice; c < run.m_choiceMembers.size(); ++c)
        MarkChoice(run, run.m_choiceMembers[c]);
    for (size_t g = firstGroup; g < run.m_groupMembers.size(); ++g)
        MarkGroup(run, run.m_groupMembers[g]);
}

void AnalyseItemScopes(ItemCheckRun& run)
{
    std::vector<int> scope;
    for (int row = 0; row <= int(run.m_rows.size()); ++row) {
        const bool end = row == int(run.m_rows.size());
        if (end || run.IsSection(row)) {
            AnalyseScope(run, scope);
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
    AnalyseItemScopes(run);
    MarkSections(run);
    std::vector<int> sections;
    for (int row = 0; row < int(run.m_rows.size()); ++row)
        if (run.IsSection(row) && run.IsAlternateOrOption(row))
            sections.push_back(row);
    AnalyseScope(run, sections);
}
