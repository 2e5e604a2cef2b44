#pragma once

#include "bench/generator/ProposalDifferences.h"
#include "model/amend/ChangeLog.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Every test starts with an empty change log that is on, and leaves logging off.
class AmendmentLogTest : public ::testing::Test {
protected:
    void SetUp() override { CreateAmendmentLog(); }
    void TearDown() override { DestroyAmendmentLog(); }
};

// The log entries of one category, in order.
inline std::vector<std::string> LoggedTexts(int category)
{
    std::vector<std::string> texts;
    for (int n = 0; n < GetAmendmentChangeCount(); ++n)
        if (GetAmendmentChangeCategory(n) == category)
            texts.push_back(GetAmendmentChangeText(n));
    return texts;
}

// The agency's side: a copy of the newer record reduced to its changes against the older one.
template <class Record>
std::unique_ptr<Record> AmendmentOf(const Record& newer, const Record& older)
{
    auto amendment = std::make_unique<Record>();
    amendment->CopyFrom(newer);
    amendment->ReduceToChanges(&older);
    return amendment;
}

// Fails once for every difference between the two proposals.
inline void ExpectSameProposal(const CProp& actual, const CProp& expected)
{
    for (const std::string& difference : ListProposalDifferences(actual, expected))
        ADD_FAILURE() << difference;
}
