#include "model/check/Recalc.h"

#include "model/text/NumberFormat.h"
#include "model/records/Prop.h"
#include "model/text/TextUtil.h"

#include <vector>

std::string FormatItemText(std::string_view pattern, const CItem& item, const CProp& prop)
{
    const auto& formats = prop.m_numberFormats;
    const std::string_view currency = prop.GetCurrencySymbol(0);
    const auto money = [&](double value, NumberFormatKind kind) {
        return FormatAmount(value, 0, formats[kind].m_byDecimals, true, currency);
    };
    // "%0" has no field and stays as it is.
    const std::vector<std::string> fields = {
        "%0",
        item.m_strLineNum,
        item.m_strAltCode,
        item.m_strItemNum,
        FormatDollars(item.m_fQuan, 0, formats[NUMFMT_QUANTITY].m_byDecimals, true, false),
        item.m_strUnit,
        money(item.m_fUnitPrice, NUMFMT_UNIT_PRICE),
        money(item.m_fExtension, NUMFMT_AMOUNT),
        item.m_strShortDesc,
        item.m_strLongDesc,
    };
    return SubstituteArgs(pattern, fields);
}
