#include "model/amend/RemovedEntries.h"

#include "model/amend/ChangeLog.h"
#include "model/eval/Evaluator.h"
#include "model/records/Item.h"
#include "model/records/Prop.h"
#include "model/records/WinMeta.h"
#include "model/text/FlagWord.h"
#include "model/text/NumberFormat.h"
#include "model/text/TextUtil.h"

#include <string>

namespace {

// Firm forms keep the firm's name in the field of this id.
constexpr int kFirmNameField = 0;
constexpr int kMostPriceDecimals = 6;

bool HoldsAnEntry(const CRowData& row)
{
    if (!row.m_dbeItems.IsEmpty())
        return true;
    for (const auto& cell : row.m_cells)
        if (cell && (!IsBlankString(cell->m_strText) || !cell->m_data.IsEmpty()))
            return true;
    return false;
}

std::string FirmName(const CWinMeta& form, int row)
{
    const CCellData* name = form.GetCellById(row, kFirmNameField);
    return name && !IsBlankString(name->m_strText) ? "firm " + name->m_strText
                                                    : "the firm in row " + std::to_string(row + 1);
}

std::string FirmEntry(const CWinMeta& form, int row)
{
    std::string text = FirmName(form, row);
    const int items = form.m_rows[row]->m_dbeItems.GetSize();
    if (items > 0)
        text += ", with " + std::to_string(items) + (items == 1 ? " committed item" : " committed items");
    return text;
}

// As many decimals as the price has, two at least.
std::string PriceText(double price)
{
    int decimals = 2;
    while (decimals < kMostPriceDecimals && RoundToDecimals(price, decimals) != price)
        ++decimals;
    return FormatDollars(price, 0, decimals, true, false);
}

} // namespace

void LogRemovedFormRows(const CWinMeta& form, std::string_view label, bool firmForm)
{
    const int rows = form.m_rows.GetSize();
    for (int row = 0; row < rows; ++row) {
        if (!form.m_rows[row] || !HoldsAnEntry(*form.m_rows[row]))
            continue;
        std::string entry = std::string(label) + ": ";
        if (firmForm)
            entry += FirmEntry(form, row);
        else
            entry += rows == 1 ? "the values entered" : "the values entered in row " + std::to_string(row + 1);
        LogAmendmentChange(entry, LOG_ENTRIES_REMOVED);
    }
}

const char* FirmFormLabel(int firmType)
{
    switch (firmType) {
    case FIRM_MBE:
        return "MBE Information";
    case FIRM_WBE:
        return "WBE Information";
    default:
        return "DBE Information";
    }
}

void LogRemovedCommitment(int firmType, const CWinMeta& form, int row, const CItem& removed)
{
    LogAmendmentChange(std::string(FirmFormLabel(firmType)) + ": " + FirmName(form, row) + ", committed item " +
                           removed.ReportName(),
                       LOG_ENTRIES_REMOVED);
}

void LogReplacedPrice(const CItem& row, const CItem& before)
{
    const double price = before.m_fUnitPrice;
    if (before.IsSection() || TestFlagBit(before.m_wFlags, ITEM_FIXED_PRICE) || !IsEvalValueValid(price) ||
        row.m_fUnitPrice == price)
        return;
    LogAmendmentChange(row.ReportName() + ": unit price " + PriceText(price),
                       LOG_ENTRIES_REMOVED);
}
