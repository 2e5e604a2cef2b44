#pragma once

#include "bench/generator/ProposalGenerator.h"

#include <string>

// A generated letting written as the agency publishes it. `base` is a path without extension;
// on failure `error` names the file and what went wrong.

// The sample in samples/: a few sections of tens of items, a handful of firms and bid caps.
ProposalShape SampleShape();
inline constexpr int kSampleLibraryProposals = 3;

// base.tvb (the proposal as first published) and its amendment files base.001 and base.002, with
// the pick-list files its miscellaneous forms name beside them (PickListFiles.h).
bool WriteAmendedProposalFiles(const ProposalShape& shape, const std::string& base, std::string& error);

// base.tvl, a library of `proposals` generated proposals, each followed by its two amendments:
// the first made from the shape's seed and named after the base, the next from the seeds after
// it that share its letting, and named "<name>-2", "<name>-3", ...; the pick-list files beside it.
bool WriteLettingLibrary(const ProposalShape& shape, int proposals, const std::string& base, std::string& error);
