#pragma once

#include <cstdint>

class CProp;

// The bid checksum: the record CRC, from 0, over the proposal's identity, its bidder, and, as the
// proposal's flags choose, its priced items, its sites and its filled agency forms. 0 for a null
// proposal, one without a bidder record, or one whose bidder ID is empty.
uint32_t ComputeProposalChecksum(const CProp* proposal);
