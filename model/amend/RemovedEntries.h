#pragma once

// What an amendment takes away that the bidder entered, named in the change log under
// LOG_ENTRIES_REMOVED so that the bidder sees it and can enter it again where it still applies.
// What is removed is the amendment's business; this only tells of it.
#include "model/records/DataArray.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CItem;
class CSite;
class CWinMeta;

// Every row of `form` that holds an entry of the bidder, when the amendment removes the rows: the
// form goes, or its fields change. A firm form's row is named by its firm.
void LogRemovedFormRows(const CWinMeta& form, std::string_view label, bool firmForm);

// "DBE Information", "MBE Information" or "WBE Information".
const char* FirmFormLabel(int firmType);

// The firm in `row` of the firm form committed to an item that an amendment removed.
void LogRemovedCommitment(int firmType, const CWinMeta& form, int row, const CItem& removed);

// `row` has just taken over an amendment's values, and `before` holds what it had: what the bidder
// entered there and the amendment replaced. That is the unit price (a fixed price is the
// agency's own), the quantity where the bidder gives it, and the "Use this item" tick.
void LogReplacedEntries(const CItem& row, const CItem& before);

// The days the bidder gave a biddable site, taken before an amendment changes the sites.
struct BidderSiteDays {
    int m_iPosition;
    std::string m_strSiteNumber;
    int32_t m_iDays;
};
std::vector<BidderSiteDays> TakeBidderSiteDays(const CDataArray<CSite>& sites);

// Names the days in `before` that the amendment replaced, or took away with their site.
void LogReplacedSiteDays(const std::vector<BidderSiteDays>& before, const CDataArray<CSite>& sites);
