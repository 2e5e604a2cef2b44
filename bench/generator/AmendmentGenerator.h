#pragma once

#include "bench/generator/ProposalGenerator.h"

#include <array>
#include <cstdint>
#include <memory>

class CProp;

// A generated proposal as the agency first publishes it, the two later editions the agency
// makes of it, and the amendments (the ".001" and ".002" files) that turn each edition into the
// next: applied in order with CProp::ExchangeWithLog, they give m_editions[0] and then
// m_editions[1] exactly.
struct AmendedProposal {
    std::unique_ptr<CProp> m_pProposal;
    std::array<std::unique_ptr<CProp>, 2> m_amendments;
    std::array<std::unique_ptr<CProp>, 2> m_editions;
};

AmendedProposal GenerateAmendedProposal(const ProposalShape& shape);

// The agency's edition `number` (1 or 2), made from the edition before it, with an addendum note
// saying what changed. Where the proposal has the parts, edition 1 revises item quantities,
// deletes an item and inserts one, adds a firm to the DBE pick list, a field to the first
// miscellaneous form and a county, moves the first site's end date and tightens a bid cap;
// edition 2 revises other quantities and the force account amount, deletes an item, adds a
// section of guardrail items at the end, extends the description, adds a second submit address
// raises the DBE goal and the required bond, and extends the bid summary report.
std::unique_ptr<CProp> GenerateNextEdition(const CProp& older, int number, uint32_t seed);

// What the amendment file of `newer` holds: a copy reduced to its changes against `older`
// (CProp::ReduceToChanges). Null when there is nothing to amend.
std::unique_ptr<CProp> MakeAmendment(const CProp& newer, const CProp& older);
