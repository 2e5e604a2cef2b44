#include "app/items/ScheduleText.h"

#include "model/records/Prop.h"
#include "model/text/NumberFormat.h"
#include "platform/ui/window/Shell.h"

#include <algorithm>

namespace {

// A tab or line break inside a text would start another cell or row.
std::string Cell(std::string text)
{
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return text;
}

std::string Number(const CProp& prop, NumberFormatKind kind, double value)
{
    const CNumberFormat& format = prop.m_numberFormats[kind];
    return FormatDollars(value, format.m_byWidth, format.m_byDecimals, false, false);
}

} // namespace

std::string ScheduleClipboardText(const CProp& prop)
{
    std::string text;
    for (const auto& row : prop.m_items) {
        if (!row || row->IsSection())
            continue;
        const CItem& item = *row;
        for (const std::string& cell :
             {Cell(prop.m_strContractId), Cell(item.m_strLineNum), Cell(item.m_strAltCode), Cell(item.m_strItemNum),
              Number(prop, NUMFMT_QUANTITY, item.m_fQuan), Cell(item.m_strUnit),
              Number(prop, NUMFMT_UNIT_PRICE, item.m_fUnitPrice), Number(prop, NUMFMT_AMOUNT, item.m_fExtension)})
            text += cell + '\t';
        text += Cell(item.m_strShortDesc) + "\r\n";
    }
    return text;
}

bool CopyScheduleToClipboard(const CProp& prop)
{
    return platform::SetClipboardText(ScheduleClipboardText(prop));
}
