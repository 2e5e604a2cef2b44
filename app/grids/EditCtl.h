#pragma once

// The item grid's editor. From a quantity the entry goes on to the same item's unit price;
// from a unit price to the next item that takes a price (its quantity first when the bidder
// enters that too), skipping section rows and fixed-price items. Backwards the other way.
#include "app/grids/ProposalEditCtl.h"

class CEditCtl : public CProposalEditCtl {
protected:
    bool FindNextEntry(bool backwards, int* column, int* row) override;
};
