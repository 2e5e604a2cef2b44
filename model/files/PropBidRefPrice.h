#pragma once

#include "model/files/BidRefPrice.h"

class CProp;

// Sets the unit price of the proposal's row `index` from the price reference file. A missing
// proposal, or an index outside its item list, gives kBidRefNoItem; a section row or a
// fixed-price item gives kBidRefNotPriced.
int LookupBidRefPrice(CProp* prop, int index);
