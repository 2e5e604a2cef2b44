#include "model/amend/RemovedEntries.h"

#include "model/amend/ChangeLog.h"
#include "model/eval/Evaluator.h"
#include "model/records/Item.h"
#include "model/records/Prop.h"
#include "model/records/Site.h"
#include "model/records/WinMeta.h"
#include "model/text/FlagWord.h"
#include "model/text/NumberFormat.h"
#include "model/text/TextUtil.h"

#include <string>

namespace {

// Firm forms keep the firm's name in the field of this id.
constexpr int kFirmNameField = 0;
constexpr int kMostDecimals = 6;
constexpr int kFewestPriceDecimals = 2;
constexpr int kFewestQuantityDecimals = 3;

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

// As many decimals as the number has, `fewest` at least.
std::string EntryText(double value, int fewest)
{
    int decimals = fewest;
    while (decimals < kMostDecimals && RoundToDecimals(value, decimals) != value)
        ++decimals;
    return FormatDollars(value, 0, decimals, true, false);
}

void LogReplaced(const CItem& row, const std::string& entry)
{
    LogAmendmentChange(row.ReportName() + ": " + entry, LOG_ENTRIES_REMOVED);
}

bool IsFixedPrice(const CItem& row) { return TestFlagBit(row.m_wFlags, ITEM_FIXED_PRICE) != 0; }

void LogReplacedPrice(const CItem& row, const CItem& before)
{
    const double price = before.m_fUnitPrice;
    if (!IsFixedPrice(before) && IsEvalValueValid(price) && row.m_fUnitPrice != price)
        LogReplaced(row, "unit price " + EntryText(price, kFewestPriceDecimals));
}

// The bidder gives the quantity where the agency marks the row so, or gives none itself (the
// agency's quantity is the one the amendment brought).
bool BidderGaveQuantity(const CItem& row, const CItem& before)
{
    return TestFlagBit(before.m_wFlags, ITEM_FIXED_FULLY_BID) || (!IsFixedPrice(before) && row.m_fQuan == 0);
}

void LogReplacedQuantity(const CItem& row, const CItem& before)
{
    const double quantity = before.m_fQuan;
    if (BidderGaveQuantity(row, before) && IsEvalValueValid(quantity) && quantity != 0 && row.m_fQuan != quantity)
        LogReplaced(row, "quantity " + EntryText(quantity, kFewestQuantityDecimals));
}

void LogReplacedTick(const CItem& row, const CItem& before)
{
    if (TestFlagBit(before.m_wFlags, ITEM_FIXED_COUNTS_PRICED) && !TestFlagBit(row.m_wFlags, ITEM_FIXED_COUNTS_PRICED))
        LogReplaced(row, "\"Use this item\" ticked");
}

std::string SiteName(const BidderSiteDays& site)
{
    return IsBlankString(site.m_strSiteNumber) ? "Site in row " + std::to_string(site.m_iPosition + 1)
                                               : "Site " + site.m_strSiteNumber;
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

void LogReplacedEntries(const CItem& row, const CItem& before)
{
    if (before.IsSection())
        return;
    LogReplacedPrice(row, before);
    LogReplacedQuantity(row, before);
    LogReplacedTick(row, before);
}

std::vector<BidderSiteDays> TakeBidderSiteDays(const CDataArray<CSite>& sites)
{
    std::vector<BidderSiteDays> days;
    for (int i = 0; i < sites.GetSize(); ++i)
        if (const CSite* site = sites[i];
            site && TestFlagBit(site->m_wFlags, SITE_BIDDABLE) && !CSite::IsDaysNotGiven(site->m_iNumberOfDays))
            days.push_back({i, site->m_strSiteNumber, site->m_iNumberOfDays});
    return days;
}

void LogReplacedSiteDays(const std::vector<BidderSiteDays>& before, const CDataArray<CSite>& sites)
{
    for (const BidderSiteDays& site : before) {
        const CSite* now = sites.GetAtOrNull(site.m_iPosition);
        if (now && now->m_iNumberOfDays == site.m_iDays)
            continue;
        const std::string days = std::to_string(site.m_iDays) + (site.m_iDays == 1 ? " day" : " days");
        LogAmendmentChange(SiteName(site) + ": " + days, LOG_ENTRIES_REMOVED);
    }
}
