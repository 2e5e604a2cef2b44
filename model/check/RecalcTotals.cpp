#include "model/check/Recalc.h"

#include "model/check/AlternateChoice.h"
#include "model/text/AmountText.h"
#include "model/eval/Evaluator.h"
#include "model/text/FlagWord.h"
#include "model/check/FormChecks.h"
#include "model/records/Prop.h"
#include "model/check/RecalcItems.h"

namespace {

// Every section row, each knowing whether any item of its section has a valid extension.
std::vector<ChoiceRow> SectionRows(const CItemArray& items)
{
    std::vector<ChoiceRow> rows;
    for (const auto& row : items) {
        if (!row)
            continue;
        if (row->IsSection())
            rows.push_back({row.get()});
        else if (!rows.empty() && IsEvalValueValid(row->m_fExtension))
            rows.back().m_sectionHasPrices = true;
    }
    return rows;
}

void AddCounting(const std::vector<ChoiceRow>& rows, const ChoiceOutcome& outcome, double& total,
                 double& secondTotal)
{
    for (size_t r = 0; r < rows.size(); ++r) {
        if (!outcome.m_counts[r])
            continue;
        const CItem& row = *rows[r].m_row;
        total += row.m_fExtension;
        if (IsItemAltPriced(row))
            secondTotal += row.m_fExtension2;
    }
}

// The section's total and second total from the rows that count after the choice of its
// alternates; true when a chosen bit changed.
bool TotalSection(const CProp& prop, CItem& section, const std::vector<ChoiceRow>& rows, CAlternateChooser& chooser)
{
    section.m_fExtension = 0;
    section.m_fExtension2 = 0;
    const ChoiceOutcome& outcome = chooser.Choose(rows, TestFlagBit(prop.m_wFlags, PROP_ALT_ITEMS_BY_CODE) != 0, false);
    AddCounting(rows, outcome, section.m_fExtension, section.m_fExtension2);
    return outcome.m_chosenChanged;
}

double TimeTotal(const CProp& prop)
{
    double total = 0;
    if (!TestFlagBit(prop.m_wFlags2, PROP2_TIME_COSTS_IN_BID))
        return total;
    for (const auto& site : prop.m_sites)
        if (site && TestFlagBit(site->m_wFlags, SITE_BIDDABLE) && TestFlagBit(site->m_wFlags, SITE_VALID))
            total += site->m_dSiteTotal;
    return total;
}

// Items total, time total and bid totals from the section rows in order; true when a chosen bit
// of a section changed.
bool TotalBid(CProp& prop, const std::vector<ChoiceRow>& sections)
{
    prop.m_dItemsTotal = 0;
    prop.m_dSecondItemsTotal = 0;
    const ChoiceOutcome& outcome = ChooseAmongSections(prop, sections, ReusedSectionChooser());
    AddCounting(sections, outcome, prop.m_dItemsTotal, prop.m_dSecondItemsTotal);
    prop.m_dTimeTotal = TimeTotal(prop);
    prop.m_dProposalTotal = prop.m_dTimeTotal + prop.m_dItemsTotal;
    prop.m_dSecondBidTotal = prop.m_dSecondItemsTotal + prop.m_dTimeTotal;
    for (int type : {FIRM_DBE, FIRM_MBE, FIRM_WBE})
        if (IsBidderDbe(prop, type))
            SetFormCommitment(*prop.GetDbeForm(type), prop.m_dItemsTotal);
    return outcome.m_chosenChanged;
}

} // namespace

// One per thread, so that a recalculation on another thread never shares its grouping.
CAlternateChooser& ReusedItemChooser()
{
    static thread_local CAlternateChooser chooser;
    return chooser;
}

CAlternateChooser& ReusedSectionChooser()
{
    static thread_local CAlternateChooser chooser;
    return chooser;
}

int ExtensionDecimals(const CProp& prop)
{
    return prop.m_numberFormats[NUMFMT_AMOUNT].m_byDecimals;
}

double ChooseSectionTotal(const CProp& prop, const std::vector<ChoiceRow>& rows, CAlternateChooser& chooser)
{
    const ChoiceOutcome& outcome = chooser.Choose(rows, TestFlagBit(prop.m_wFlags, PROP_ALT_ITEMS_BY_CODE) != 0, false);
    double total = 0;
    double secondTotal = 0;
    AddCounting(rows, outcome, total, secondTotal);
    return total;
}

const ChoiceOutcome& ChooseAmongSections(const CProp& prop, const std::vector<ChoiceRow>& sections,
                                         CAlternateChooser& chooser)
{
    return chooser.Choose(sections, TestFlagBit(prop.m_wFlags, PROP_ALT_SECTIONS_BY_CODE) != 0, true);
}

void RecalcItem(const CProp& prop, CItem& item)
{
    RecalcItemExtension(item, ExtensionDecimals(prop));
}

void RecalcSite(CSite& site)
{
    const bool valid = IsEvalValueValid(site.m_dRoadCostPerDay) && site.m_dRoadCostPerDay != 0
                       && IsValidShortIndex(site.m_iNumberOfDays);
    ChangeFlagBit(&site.m_wFlags, SITE_VALID, valid ? 1 : 0);
    if (valid)
        site.m_dSiteTotal = site.m_iNumberOfDays * site.m_dRoadCostPerDay;
    else
        MakeEvalErrorValue(&site.m_dSiteTotal);
}

bool RecalcSection(CProp& prop, int index)
{
    const int sectionIndex = FindSectionRow(prop, index);
    CItem* section = prop.m_items.GetAtOrNull(sectionIndex);
    // Rows before the first section belong to none; their first row must not lose its price.
    if (!section || !section->IsSection())
        return false;
    std::vector<ChoiceRow> rows;
    RowsOfSectionIn(prop.m_items, sectionIndex, rows);
    return TotalSection(prop, *section, rows, ReusedItemChooser());
}

bool RecalcBidTotal(CProp& prop)
{
    return TotalBid(prop, SectionRows(prop.m_items));
}

// One walk over the rows does the extensions and, at the end of each section, its total: a
// large proposal does not stay in the cache between walks.
int RecalcBidTotals(CProp* prop)
{
    if (!prop)
        return 0;
    for (const auto& site : prop->m_sites)
        if (site)
            RecalcSite(*site);
    const int decimals = ExtensionDecimals(*prop);
    CAlternateChooser& chooser = ReusedItemChooser();
    std::vector<ChoiceRow> sections;
    std::vector<ChoiceRow> rows;
    bool changed = false;
    const auto endSection = [&] {
        if (!sections.empty())
            changed |= TotalSection(*prop, *sections.back().m_row, rows, chooser);
        rows.clear();
    };
    for (const auto& row : prop->m_items) {
        if (!row)
            continue;
        if (row->IsSection()) {
            endSection();
            sections.push_back({row.get()});
            continue;
        }
        RecalcItemExtension(*row, decimals);
        if (sections.empty())
            continue;
        rows.push_back({row.get()});
        if (IsEvalValueValid(row->m_fExtension))
            sections.back().m_sectionHasPrices = true;
    }
    endSection();
    changed |= TotalBid(*prop, sections);
    for (int type : {FIRM_DBE, FIRM_MBE, FIRM_WBE})
        CalcDbeCommitment(*prop, type);
    return changed ? 1 : 0;
}

int FindSectionRow(const CProp& prop, int index)
{
    return FindSectionRowIn(prop.m_items, index);
}

int FindNextItem(const CProp& prop, int index, int step)
{
    return FindNextItemIn(prop.m_items, index, step);
}

std::optional<std::string> FindDuplicateLineNumber(const CProp& prop)
{
    if (TestFlagBit(prop.m_wFlags, PROP_IS_AMENDMENT))
        return std::nullopt;
    return FindDuplicateLineNumberIn(prop.m_items);
}
