#pragma once

// What an amendment takes away that the bidder entered, named in the change log under
// LOG_ENTRIES_REMOVED so that the bidder sees it and can enter it again where it still applies.
// What is removed is the amendment's business; this only tells of it.
#include <string_view>

class CItem;
class CWinMeta;

// Every row of `form` that holds an entry of the bidder, when the amendment removes the rows: the
// form goes, or its fields change. A firm form's row is named by its firm.
void LogRemovedFormRows(const CWinMeta& form, std::string_view label, bool firmForm);

// "DBE Information", "MBE Information" or "WBE Information".
const char* FirmFormLabel(int firmType);

// The firm in `row` of the firm form committed to an item that an amendment removed.
void LogRemovedCommitment(int firmType, const CWinMeta& form, int row, const CItem& removed);

// `row` has just taken over an amendment's values, and `before` holds what it had: the unit price
// the bidder entered, when the amendment replaced it (a fixed price is the agency's own).
void LogReplacedPrice(const CItem& row, const CItem& before);
