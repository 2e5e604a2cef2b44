#include "app/grids/ItemDisplay.h"

#include "model/eval/Evaluator.h"
#include "model/records/Prop.h"
#include "model/settings/UnitConversion.h"
#include "model/text/NumberFormat.h"

namespace {

constexpr const char* kLumpSum = "LUMP";

std::string InFormat(const CProp& prop, NumberFormatKind kind, double value)
{
    const CNumberFormat& format = prop.m_numberFormats[kind];
    return FormatAmount(value, format.m_byWidth, format.m_byDecimals, true, prop.GetCurrencySymbol(0));
}

} // namespace

ShownItem ShowItemValues(const CProp& prop, const CItem& item)
{
    ShownItem shown{item.m_strUnit, item.m_fQuan, item.m_fUnitPrice};
    if (!TestFlagBit(prop.m_wFlags, PROP_SHOW_ALT_UNITS))
        return shown;
    double factor = 1.0;
    shown.unit = FindUnitConversion(&item, factor);
    if (!IsEvalValueValid(factor) || factor == 0)
        return shown;
    if (IsEvalValueValid(shown.quantity))
        shown.quantity *= factor;
    if (IsEvalValueValid(shown.unitPrice))
        shown.unitPrice /= factor;
    return shown;
}

std::string ShownQuantityText(const CProp& prop, const CItem& item)
{
    if (IsLumpSum(item))
        return kLumpSum;
    const CNumberFormat& format = prop.m_numberFormats[NUMFMT_QUANTITY];
    return FormatDollars(ShowItemValues(prop, item).quantity, format.m_byWidth, format.m_byDecimals, true, false);
}

std::string ShownUnitPriceText(const CProp& prop, const CItem& item)
{
    return InFormat(prop, NUMFMT_UNIT_PRICE, ShowItemValues(prop, item).unitPrice);
}

std::string ExtensionText(const CProp& prop, double extension)
{
    return InFormat(prop, NUMFMT_AMOUNT, extension);
}

bool MayEnterQuantity(const CItem& item)
{
    return TestFlagBit(item.m_wFlags, ITEM_FIXED_FULLY_BID) != 0;
}

bool IsFixedPrice(const CItem& item)
{
    return TestFlagBit(item.m_wFlags, ITEM_FIXED_PRICE) != 0;
}

bool IsLumpSum(const CItem& item)
{
    return TestFlagBit(item.m_wFlags, ITEM_LUMP_SUM) != 0;
}

bool OffersUseThisItem(const CProp& prop, const CItem& item)
{
    return IsFixedPrice(item) &&
           (!TestFlagBit(prop.m_wNumberFormatFlags, NUMFMT_USE_OPTIONS_ONLY) || TestFlagBit(item.m_wFlags, ITEM_IS_OPTION));
}
