#pragma once

// An item as the bidder sees it: in the unit it is shown in (the alternate unit when the
// proposal shows alternate units), with its numbers in the proposal's formats.
#include <string>

class CItem;
class CProp;

// Bits of the proposal's number-format word that the item screens read.
enum : int {
    NUMFMT_SECTION_TOTALS = 2,   // section rows show their totals
    NUMFMT_USE_OPTIONS_ONLY = 4, // only fixed-price option items offer "Use this item"
};

struct ShownItem {
    std::string unit;
    double quantity;
    double unitPrice;
};

ShownItem ShowItemValues(const CProp& prop, const CItem& item);

// "LUMP" for a lump-sum item, else the shown quantity with separators; empty when not entered.
std::string ShownQuantityText(const CProp& prop, const CItem& item);
std::string ShownUnitPriceText(const CProp& prop, const CItem& item);
std::string ExtensionText(const CProp& prop, double extension);

// Bit 14 of an item's flags, read here as the agency's leave for the bidder to enter the
// quantity (the check reads it as a fixed-price item's rule for being fully bid).
bool MayEnterQuantity(const CItem& item);
bool IsFixedPrice(const CItem& item);
bool IsLumpSum(const CItem& item);
// A fixed-price item that the bidder may choose to use.
bool OffersUseThisItem(const CProp& prop, const CItem& item);
