#include "model/check/BidCapLimits.h"

#include "model/eval/Evaluator.h"
#include "model/records/Prop.h"
#include "model/check/Recalc.h"
#include "model/check/RecalcItems.h"

#include <algorithm>

namespace {

int RuleCount(const CBidCap& cap)
{
    return std::clamp(cap.m_iRuleCount, 0, CBidCap::kMaxRules);
}

bool CapRuleUsesItemVariables(const CBidCap& cap, int rule)
{
    return cap.m_strMinimum[size_t(rule)].find('@') != std::string::npos
           || cap.m_strMaximum[size_t(rule)].find('@') != std::string::npos;
}

CapRuleValues EvaluateCapRule(const CProp& prop, const CBidCap& cap, int rule)
{
    CapRuleValues values;
    values.m_min = ParseAmountText(&prop, cap.m_strMinimum[size_t(rule)], &values.m_minOk);
    values.m_max = ParseAmountText(&prop, cap.m_strMaximum[size_t(rule)], &values.m_maxOk);
    values.m_minOk = values.m_minOk && IsEvalValueValid(values.m_min);
    values.m_maxOk = values.m_maxOk && IsEvalValueValid(values.m_max);
    return values;
}

// The cap index is sized for four times the caps, so at most an eighth of it is in use: most
// items have no cap, and a lookup that nearly always ends at an empty first slot is one that the
// processor predicts.
constexpr size_t kCapIndexSpread = 4;

} // namespace

CBidCapLimits::CBidCapLimits(CProp& prop)
    : m_prop(prop), m_capIndex(kCapIndexSpread * size_t(prop.m_bidCaps.GetCount())), m_resultOfRow(size_t(prop.m_items.GetSize()), -1), m_results(1),
      m_chooser(ReusedItemChooser()), m_sectionChooser(ReusedSectionChooser())
{
    for (const auto& [name, cap] : prop.m_bidCaps) {
        if (!cap)
            continue;
        const std::string_view key = name;
        const int added = int(m_caps.size());
        if (m_capIndex.FindOrAdd(HashText(key), [&](int c) { return m_capNames[size_t(c)] == key; }, added) == added) {
            m_caps.push_back(cap.get());
            m_capNames.push_back(key);
        }
    }
    size_t formulas = 0;
    for (const CBidCap* cap : m_caps)
        formulas += 2 * size_t(RuleCount(*cap));
    m_amountIndex.Reset(formulas);
}

int CBidCapLimits::FindCap(const CItem& item) const
{
    if (m_caps.empty())
        return -1;
    const auto matches = [&](int c) { return m_capNames[size_t(c)] == item.m_strItemNum; };
    return m_capIndex.Find(HashText(item.m_strItemNum), matches);
}

int CBidCapLimits::CapOfRow(int row) const
{
    if (m_rowsKnown)
        return row >= 0 && size_t(row) < m_knownCapOfRow.size() ? m_knownCapOfRow[size_t(row)] : -1;
    const CItem* item = m_prop.m_items.GetAtOrNull(row);
    return item && !item->IsSection() ? FindCap(*item) : -1;
}

bool CBidCapLimits::UsesItemVariables(int cap) const
{
    for (int rule = 0; rule < RuleCount(*m_caps[size_t(cap)]); ++rule)
        if (CapRuleUsesItemVariables(*m_caps[size_t(cap)], rule))
            return true;
    return false;
}

const std::vector<CapViolation>& CBidCapLimits::GetViolations(int row)
{
    if (row < 0 || size_t(row) >= m_resultOfRow.size())
        return m_results[0];
    int& result = m_resultOfRow[size_t(row)];
    if (result < 0) {
        result = 0;
        const int cap = CapOfRow(row);
        const CItem* item = m_prop.m_items.GetAtOrNull(row);
        // Comparing a price that was never entered with a limit means nothing.
        if (cap >= 0 && size_t(cap) < m_caps.size() && item && IsEvalValueValid(item->m_fUnitPrice)) {
            std::vector<CapViolation> violations = Evaluate(row, cap);
            if (!violations.empty()) {
                result = int(m_results.size());
                m_results.push_back(std::move(violations));
            }
        }
    }
    return m_results[size_t(result)];
}

std::vector<CapViolation> CBidCapLimits::Evaluate(int row, int capIndex)
{
    const CBidCap& cap = *m_caps[size_t(capIndex)];
    std::vector<CapViolation> violations;
    bool variablesSet = false;
    const double price = m_prop.m_items.GetAt(row)->m_fUnitPrice;
    for (int rule = 0; rule < RuleCount(cap); ++rule) {
        const bool perItem = CapRuleUsesItemVariables(cap, rule);
        if (!variablesSet && perItem) {
            SetItemVariables(row);
            variablesSet = true;
        }
        // A rule without the item's variables gives the same limits for every item.
        const CapRuleValues values = perItem ? EvaluateCapRule(m_prop, cap, rule) : SharedRuleValues(cap, rule);
        if (values.m_minOk && price < values.m_min)
            violations.push_back({rule, true, values.m_min});
        if (values.m_maxOk && price > values.m_max)
            violations.push_back({rule, false, values.m_max});
    }
    return violations;
}

CapRuleValues CBidCapLimits::SharedRuleValues(const CBidCap& cap, int rule)
{
    // By value: looking up the second may add to the list and move the first.
    const Amount minimum = SharedAmount(cap.m_strMinimum[size_t(rule)]);
    const Amount maximum = SharedAmount(cap.m_strMaximum[size_t(rule)]);
    return {minimum.m_value, maximum.m_value, minimum.m_ok, maximum.m_ok};
}

CBidCapLimits::Amount CBidCapLimits::SharedAmount(std::string_view text)
{
    const auto matches = [&](int a) { return m_amounts[size_t(a)].m_text == text; };
    const int added = int(m_amounts.size());
    const int found = m_amountIndex.FindOrAdd(HashText(text), matches, added);
    if (found == added) {
        Amount amount{text, 0, false};
        amount.m_value = ParseAmountText(&m_prop, text, &amount.m_ok);
        amount.m_ok = amount.m_ok && IsEvalValueValid(amount.m_value);
        m_amounts.push_back(amount);
    }
    return m_amounts[size_t(found)];
}

void CBidCapLimits::SetItemVariables(int row)
{
    const double totalWithout = ItemsTotalWithoutItem(row);
    const CItem& item = *m_prop.m_items.GetAt(row);
    SetEvaluatorVariable("@QUAN", item.m_fQuan);
    SetEvaluatorVariable("@UP", item.m_fUnitPrice);
    SetEvaluatorVariable("@EXT", item.m_fExtension);
    SetEvaluatorVariable("@TOTAL", totalWithout);
    SetEvaluatorVariable("@ITEMTOTAL", m_prop.m_dItemsTotal);
    SetEvaluatorVariable("@TIMETOTAL", m_prop.m_dTimeTotal);
    SetEvaluatorVariable("@BIDTOTAL", m_prop.m_dProposalTotal);
}

double CBidCapLimits::ItemsTotalWithoutItem(int row)
{
    // The proposal is taken as recalculated, as the callers leave it before every check.
    if (!m_sectionsPrepared)
        PrepareSectionSums();
    const int position = SectionPosition(row);
    // A row before the first section is in no total.
    if (position < 0)
        return m_prop.m_dItemsTotal;
    const auto found = std::lower_bound(m_rowsWithTotal.begin(), m_rowsWithTotal.end(), row);
    if (found != m_rowsWithTotal.end() && *found == row)
        return m_totalsWithout[size_t(found - m_rowsWithTotal.begin())];
    const std::optional<double> start = StartOfTotalWithout(row, size_t(position));
    if (!start)
        return TotalChoosingAgain(size_t(position), SectionTotalAtZero(row, m_sectionIndices[size_t(position)]));
    std::vector<double> total{*start};
    SumCountingSectionsAfter(total, {m_sections[size_t(position)].m_countingAfter});
    return total.front();
}

// The sum up to the row's section and its section's total with the item at 0, when that total
// still goes in or stays out as before and the choice of no other section changes; else none.
std::optional<double> CBidCapLimits::StartOfTotalWithout(int row, size_t position)
{
    const double sectionTotal = SectionTotalAtZero(row, m_sectionIndices[position]);
    const double before = m_sections[position].m_before;
    if (!IsChosenAmongSections(position))
        return before + sectionTotal;
    const std::vector<uint8_t>& counts = CountsChoosingAgain(position, sectionTotal);
    const auto others = [&](size_t from, size_t to) {
        return std::equal(counts.begin() + std::ptrdiff_t(from), counts.begin() + std::ptrdiff_t(to),
                          m_sectionCounts.begin() + std::ptrdiff_t(from));
    };
    if (!others(0, position) || !others(position + 1, counts.size()))
        return std::nullopt;
    return counts[position] ? before + sectionTotal : before;
}

// Adds to each total the totals of the counting sections from its `firstAfter` on, one after
// another as the recalculation adds them. The totals go in blocks, each block kept in registers
// while the section totals pass: the sums are many and long, and kept apart each would wait on
// its own previous addition. `firstAfter` must not decrease, so that the sums of a block that
// have begun are always its first ones.
void CBidCapLimits::SumCountingSectionsAfter(std::vector<double>& totals, const std::vector<size_t>& firstAfter) const
{
    constexpr size_t kBlock = 16;
    for (size_t first = 0; first < totals.size(); first += kBlock) {
        const size_t count = std::min(kBlock, totals.size() - first);
        // Past the end of the list a block's places sum from the start and are dropped.
        double sums[kBlock] = {};
        std::copy_n(totals.begin() + std::ptrdiff_t(first), count, sums);
        size_t begun = 0;
        size_t next = firstAfter[first];
        for (; next < m_countingTotals.size() && begun < count; ++next) {
            while (begun < count && firstAfter[first + begun] <= next)
                ++begun;
            for (size_t k = 0; k < begun; ++k)
                sums[k] += m_countingTotals[next];
        }
        for (; next < m_countingTotals.size(); ++next)
            for (double& sum : sums)
                sum += m_countingTotals[next];
        std::copy_n(sums, count, totals.begin() + std::ptrdiff_t(first));
    }
}

int CBidCapLimits::SectionPosition(int row) const
{
    const auto after = std::upper_bound(m_sectionIndices.begin(), m_sectionIndices.end(), row);
    return int(after - m_sectionIndices.begin()) - 1;
}

// An alternate or option section may win or lose its group; any other always counts.
bool CBidCapLimits::IsChosenAmongSections(size_t position) const
{
    const CItem& section = *m_sectionRows[position].m_row;
    return TestFlagBit(section.m_wFlags, ITEM_IS_ALTERNATE) || TestFlagBit(section.m_wFlags, ITEM_IS_OPTION);
}

// The section's total as the recalculation would make it with the item priced at 0. The item and
// the chosen bits of the section's rows are put back as they were.
double CBidCapLimits::SectionTotalAtZero(int row, int section)
{
    CItem& item = *m_prop.m_items.GetAt(row);
    if (!TestFlagBit(item.m_wFlags, ITEM_IS_ALTERNATE) && !TestFlagBit(item.m_wFlags, ITEM_IS_OPTION))
        return SectionTotalKeepingTheChoice(row, section);
    const double price = item.m_fUnitPrice;
    item.m_fUnitPrice = 0;
    RecalcItem(m_prop, item);
    RowsOfSectionIn(m_prop.m_items, section, m_rowsOfSection);
    m_keptFlags.clear();
    for (const ChoiceRow& other : m_rowsOfSection)
        m_keptFlags.push_back(other.m_row->m_wFlags);
    const double total = ChooseSectionTotal(m_prop, m_rowsOfSection, m_chooser);
    for (size_t k = 0; k < m_keptFlags.size(); ++k)
        m_rowsOfSection[k].m_row->m_wFlags = m_keptFlags[k];
    item.m_fUnitPrice = price;
    RecalcItem(m_prop, item);
    return total;
}

// The price of an item that is neither an alternate nor an option enters no choice: the rows that
// counted still count, an alternate by its chosen bit and any other as priced, and the section
// adds them up in order as the recalculation does.
double CBidCapLimits::SectionTotalKeepingTheChoice(int row, int section) const
{
    double total = 0;
    for (int next = section + 1; next < m_prop.m_items.GetSize(); ++next) {
        const CItem* other = m_prop.m_items.GetAtOrNull(next);
        if (!other)
            continue;
        if (other->IsSection())
            break;
        const bool counts = TestFlagBit(other->m_wFlags, ITEM_IS_ALTERNATE) ? TestFlagBit(other->m_wFlags, ITEM_CHOSEN) != 0
                                                                          : IsItemPriced(*other);
        if (counts)
            total += next == row ? ItemExtension(other->m_fQuan, 0, ExtensionDecimals(m_prop)) : other->m_fExtension;
    }
    return total;
}

// Only the section's group chooses again, its chosen bits left alone.
const std::vector<uint8_t>& CBidCapLimits::CountsChoosingAgain(size_t position, double sectionTotal)
{
    CItem& section = *m_sectionRows[position].m_row;
    const double kept = section.m_fExtension;
    section.m_fExtension = sectionTotal;
    const std::vector<uint8_t>& counts = m_sectionChooser.CountsAfterChangeOf(m_sectionRows, position);
    section.m_fExtension = kept;
    return counts;
}

// The counting sections summed in order, as the recalculation sums them.
double CBidCapLimits::TotalChoosingAgain(size_t position, double sectionTotal)
{
    const std::vector<uint8_t>& counts = CountsChoosingAgain(position, sectionTotal);
    double total = 0;
    for (size_t r = 0; r < m_sectionTotals.size(); ++r)
        if (counts[r])
            total += r == position ? sectionTotal : m_sectionTotals[r];
    return total;
}

void CBidCapLimits::UseKnownRows(std::span<const int> sectionRows, std::span<const int> capOfRow)
{
    m_sectionIndices.assign(sectionRows.begin(), sectionRows.end());
    m_knownCapOfRow = capOfRow;
    m_rowsKnown = true;
}

// The sections as the bid total chooses among them, each knowing whether any item of it has a
// valid extension, and the sums before each.
void CBidCapLimits::PrepareSectionSums()
{
    m_sectionsPrepared = true;
    const int size = m_prop.m_items.GetSize();
    if (!m_rowsKnown)
        for (int index = 0; index < size; ++index)
            if (const CItem* row = m_prop.m_items.GetAtOrNull(index); row && row->IsSection())
                m_sectionIndices.push_back(index);
    for (int index : m_sectionIndices) {
        ChoiceRow section{m_prop.m_items.GetAt(index)};
        for (int next = index + 1; next < size && !section.m_sectionHasPrices; ++next) {
            const CItem* row = m_prop.m_items.GetAtOrNull(next);
            if (row && row->IsSection())
                break;
            section.m_sectionHasPrices = row && IsEvalValueValid(row->m_fExtension);
        }
        m_sectionRows.push_back(section);
    }
    const ChoiceOutcome& outcome = ChooseAmongSections(m_prop, m_sectionRows, m_sectionChooser);
    double sum = 0;
    for (size_t k = 0; k < m_sectionRows.size(); ++k) {
        const double total = m_sectionRows[k].m_row->m_fExtension;
        m_sectionTotals.push_back(total);
        m_sectionCounts.push_back(outcome.m_counts[k]);
        m_sections.push_back({sum, m_countingTotals.size() + (outcome.m_counts[k] ? 1 : 0)});
        if (outcome.m_counts[k]) {
            sum += total;
            m_countingTotals.push_back(total);
        }
    }
    PrepareTotalsAfterOwnSections();
}

// When an item's price at 0 changes only its own section's part of the items total, the total
// without it is the sum up to its section, that part, then the totals of the counting sections
// after it. When the rows are known (in a check), those of every such item with a formula on the
// totals are made together.
void CBidCapLimits::PrepareTotalsAfterOwnSections()
{
    if (!m_rowsKnown)
        return;
    std::vector<size_t> firstAfter;
    for (int row = 0; row < int(m_knownCapOfRow.size()); ++row) {
        const int cap = m_knownCapOfRow[size_t(row)];
        if (cap < 0 || size_t(cap) >= m_caps.size())
            continue;
        const int position = SectionPosition(row);
        if (position < 0 || !UsesItemVariables(cap))
            continue;
        const CItem* item = m_prop.m_items.GetAtOrNull(row);
        if (!item || !IsEvalValueValid(item->m_fUnitPrice))
            continue;
        const std::optional<double> start = StartOfTotalWithout(row, size_t(position));
        if (!start)
            continue;
        m_rowsWithTotal.push_back(row);
        m_totalsWithout.push_back(*start);
        firstAfter.push_back(m_sections[size_t(position)].m_countingAfter);
    }
    SumCountingSectionsAfter(m_totalsWithout, firstAfter);
}
