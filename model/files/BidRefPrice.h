#pragma once

#include <string>

// What the price reference lookup needs to know of one item.
struct BidRefItem {
    std::string itemNumber;
    double quantity = 0;
    bool isSectionOrFixedPrice = false;
};

enum BidRefResult {
    kBidRefPriceSet = 0,
    kBidRefNoItem = 1,
    kBidRefNotPriced = 2,
    kBidRefCannotOpen = 3,
    kBidRefItemNotFound = 4,
    kBidRefBadFormula = 5,
    kBidRefNoFile = 6,
};

// Sets *unitPrice from the item's line of the price reference file "ZOD.REF" (found through
// "TVB_BID", "TVB", then the program's folder): the formula after the item number and one
// separator, evaluated with "@QUAN" set to the quantity. Returns a BidRefResult.
int LookupBidRefPrice(const BidRefItem* item, double* unitPrice);

const char* GetBidRefPriceErrorText(int code);
