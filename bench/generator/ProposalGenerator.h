#pragma once

#include <cstdint>
#include <memory>

class CProp;

// What a generated proposal holds. Every tenth section is an alternate section paired with the
// next; within sections, every twelfth item starts a pair of alternate items and every
// seventeenth a pair of options. A share of the item numbers repeats, so the identical-item
// rule has work to do.
struct ProposalShape {
    int m_items = 1000;
    int m_itemsPerSection = 40;
    uint32_t m_seed = 1;
    int m_bidCapEvery = 50;     // one item number in this many has a bid cap (0: none)
    int m_firms = 20;           // DBE firms, each committed to some items (0: no DBE form)
    int m_firmItemsPerFirm = 25;
    int m_sites = 5;
    int m_unpricedEvery = 97;   // every this many items has no unit price (0: all priced)
};

std::unique_ptr<CProp> GenerateProposal(const ProposalShape& shape);
