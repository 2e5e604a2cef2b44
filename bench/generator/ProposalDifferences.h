#pragma once

#include <string>
#include <vector>

class CProp;

// Every stored or copied value in which two proposals differ, one line each ("items[12]
// quantity: 40 / 45"), in the order of the proposal's parts; empty when they are the same.
// Records of every type are compared field by field, so a round trip through an amendment or a
// file can be checked whole. Left out: decoded form pictures (made again on demand).
std::vector<std::string> ListProposalDifferences(const CProp& a, const CProp& b);
