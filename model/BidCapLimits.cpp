#include "model/BidCapLimits.h"

#include "model/Evaluator.h"
#include "model/Prop.h"
#include "model/Recalc.h"

#include <algorithm>

namespace {

int RuleCount(const CBidCap& cap)
{
    return std::clamp(cap.m_iRuleCount, 0, CBidCap::kMaxRules);
}

// The minimum and maximum formulas of one rule read as amounts, each with whether it gave a
// valid number.
struct CapRuleValues {
    double m_min = 0;
    double m_max = 0;
    bool m_minOk = false;
    bool m_maxOk = false;
};

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

} // namespace

CBidCapLimits::CBidCapLimits(CProp& prop) : m_prop(prop), m_cache(size_t(prop.m_items.GetSize()))
{
}

const std::vector<CapViolation>& CBidCapLimits::GetViolations(int row)
{
    static const std::vector<CapViolation> none;
    if (row < 0 || size_t(row) >= m_cache.size())
        return none;
    auto& cached = m_cache[size_t(row)];
    if (!cached) {
        const CItem* item = m_prop.m_items.GetAtOrNull(row);
        const CBidCap* cap = item && !item->IsSection() ? m_prop.m_bidCaps.Lookup(item->m_strItemNum) : nullptr;
        // Comparing a price that was never entered with a limit means nothing.
        cached = cap && IsEvalValueValid(item->m_fUnitPrice) ? Evaluate(row, *cap) : std::vector<CapViolation>{};
    }
    return *cached;
}

std::vector<CapViolation> CBidCapLimits::Evaluate(int row, const CBidCap& cap)
{
    std::vector<CapViolation> violations;
    bool variablesSet = false;
    const double price = m_prop.m_items.GetAt(row)->m_fUnitPrice;
    for (int rule = 0; rule < RuleCount(cap); ++rule) {
        if (!variablesSet && CapRuleUsesItemVariables(cap, rule)) {
            SetItemVariables(row);
            variablesSet = true;
        }
        const CapRuleValues values = EvaluateCapRule(m_prop, cap, rule);
        if (values.m_minOk && price < values.m_min)
            violations.push_back({rule, true, values.m_min});
        if (values.m_maxOk && price > values.m_max)
            violations.push_back({rule, false, values.m_max});
    }
    return violations;
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
    // Like the first full recalculation of the old way, which also refreshed what had gone stale.
    if (!m_recalculated) {
        RecalcBidTotals(&m_prop);
        m_recalculated = true;
    }
    CItem& item = *m_prop.m_items.GetAt(row);
    const double price = item.m_fUnitPrice;
    const double extension = item.m_fExtension;
    item.m_fUnitPrice = 0;
    RecalcItem(m_prop, item);
    RecalcSection(m_prop, row);
    RecalcBidTotal(m_prop);
    const double totalWithout = m_prop.m_dItemsTotal;
    item.m_fUnitPrice = price;
    item.m_fExtension = extension;
    RecalcItem(m_prop, item);
    RecalcSection(m_prop, row);
    RecalcBidTotal(m_prop);
    return totalWithout;
}
