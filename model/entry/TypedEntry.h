#pragma once

// What the bidder typed into a price, quantity or days field, read as the value to store. A
// blank field clears the value; text that is no number (nor a formula that gives one) and a value
// the proposal does not allow are refused: the field keeps its value and the bidder is told why.
#include "model/records/PropHeader.h"

#include <string>
#include <string_view>

class CItem;
class CProp;
class CSite;

struct TypedEntry {
    std::string field;   // as the screen names it: "Unit Price", "Quantity", "# Days"
    double value = 0;    // the evaluator's invalid value for a cleared field
    std::string refusal; // empty when the value is taken

    bool Refused() const { return !refusal.empty(); }
};

// "@QUAN" is the item's quantity; the price is converted back from the unit shown and rounded.
TypedEntry ReadItemPrice(const CProp& prop, const CItem& item, std::string_view text);
// "@UP" is the item's unit price; the quantity is converted back and rounded.
TypedEntry ReadItemQuantity(const CProp& prop, const CItem& item, std::string_view text);
// "@COST" is the site's cost per day; a whole number of days from 0 to 9999.
TypedEntry ReadSiteDays(const CSite& site, std::string_view text);
// Rounded to the proposal's quantity decimals.
TypedEntry ReadSiteCost(const CProp& prop, const CSite& site, std::string_view text);
// What a firm commits of the item ("Quantity", "Unit Price" or "Total", in the unit shown),
// rounded to the decimals of `kind`.
TypedEntry ReadCommittedAmount(const CProp& prop, const CItem& item, std::string field, std::string_view text,
                               NumberFormatKind kind);
