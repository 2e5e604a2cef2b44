#pragma once

#include <cstdint>
#include <memory>

class CProp;

// What a generated proposal holds. It reads like a highway agency's letting: sections of road
// work (earthwork, base course, asphalt, drainage, guardrail, signing, ...) with pay items of
// realistic item numbers, units, quantities and unit prices; the first item of every section is
// a lump-sum item, some sections carry an agency-priced (fixed-price) item; sites, counties, the
// DBE, MBE and WBE firm forms with their pick lists, a bid bond form, miscellaneous forms, bid
// caps, report formats and the plate "Agency Public Key" (a sound armoured key block).
//
// Structure the benchmarks rely on: every tenth section is an alternate section paired with the
// next; within sections, every twelfth item starts a pair of alternate items and every
// seventeenth a pair of options. One item in sixteen repeats an earlier item number, so the
// identical-item rule has work to do. The same shape and seed always give the same proposal.
struct ProposalShape {
    int m_items = 1000;
    int m_itemsPerSection = 40;
    uint32_t m_seed = 1;
    int m_bidCapEvery = 50;     // one item in this many has a bid cap (0: none)
    int m_firms = 20;           // DBE firms, each committed to some items
    int m_firmItemsPerFirm = 25;
    int m_minorityFirms = 2;    // firms of the MBE form and of the WBE form
    bool m_firmForms = true;    // the DBE, MBE and WBE forms (false: none, and no firms)
    int m_sites = 5;
    int m_counties = 2;
    int m_miscForms = 2;
    bool m_bondForm = true;
    int m_unpricedEvery = 97;   // every this many items has no unit price (0: all priced, 1: none)
};

// A letting a week: seeds a multiple of this apart give proposals of the same letting (its date
// and ID) with other call orders and contracts.
inline constexpr uint32_t kLettingsPerYear = 52;

std::unique_ptr<CProp> GenerateProposal(const ProposalShape& shape);
