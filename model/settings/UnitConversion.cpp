#include "model/settings/UnitConversion.h"

#include "model/eval/Evaluator.h"
#include "model/records/Prop.h"
#include "model/settings/UnitTable.h"
#include "model/text/FlagWord.h"
#include "model/text/NumberFormat.h"

namespace {

bool ConvertsValues(const CUnitRow& row)
{
    return IsEvalValueValid(row.m_dFactor) && row.m_dFactor != 0;
}

const CUnitRow* FindRow(std::string_view unit, std::string CUnitRow::*field)
{
    for (const CUnitRow& row : GetUnitList())
        if (ConvertsValues(row) && EqualsIgnoringCase(row.*field, unit))
            return &row;
    return nullptr;
}

// The factor from the item's stored unit to the one it is shown in; 1 when it is shown as stored.
double DisplayFactor(const CProp& prop, const CItem* item)
{
    double factor = 1.0;
    if (TestFlagBit(prop.m_wFlags, PROP_SHOW_ALT_UNITS))
        FindUnitConversion(item, factor);
    return factor;
}

} // namespace

std::string FindUnitConversion(const CItem* item, double& factor)
{
    factor = 1.0;
    if (item == nullptr)
        return {};
    if (const CUnitRow* row = FindRow(item->m_strUnit, &CUnitRow::m_strUnit)) {
        factor = row->m_dFactor;
        return row->m_strAlternateUnit;
    }
    if (const CUnitRow* row = FindRow(item->m_strUnit, &CUnitRow::m_strAlternateUnit)) {
        factor = 1.0 / row->m_dFactor;
        return row->m_strUnit;
    }
    return item->m_strUnit;
}

double StoreItemPrice(const CProp& prop, const CItem* item, double value, int decimals)
{
    if (!IsEvalValueValid(value) || item == nullptr)
        return value;
    return prop.NormalizedUnitPrice(value * DisplayFactor(prop, item), decimals);
}

double StoreItemQuantity(const CProp& prop, const CItem* item, double value, int decimals)
{
    if (!IsEvalValueValid(value) || item == nullptr)
        return value;
    return RoundToDecimals(value / DisplayFactor(prop, item), decimals);
}
