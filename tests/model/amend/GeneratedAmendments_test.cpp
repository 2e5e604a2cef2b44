// The generated letting's amendments, applied in order to the proposal as first published, give
// the agency's editions exactly, record of every type, and log what changed.
#include "bench/generator/AmendmentGenerator.h"
#include "model/amend/AmendmentResult.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"
#include "tests/model/support/Amendments.h"

#include <gtest/gtest.h>

#include <map>

namespace {

std::string LogText(const CItem& row) { return row.m_strLineNum + "  " + row.m_strItemNum + "  " + row.m_strShortDesc; }

struct ItemLog {
    std::vector<std::string> m_deleted, m_added, m_changed;
};

// What the item categories must hold, from the two editions alone: rows matched by line number
// and kind; deleted rows in the older order, added and changed rows in the newer order, changed
// rows as the proposal showed them before.
ItemLog ExpectedItemLog(const CProp& older, const CProp& newer)
{
    std::map<std::pair<std::string, bool>, const CItem*> olderRows, newerRows;
    for (const auto& row : older.m_items)
        olderRows[{row->m_strLineNum, row->IsSection()}] = row.get();
    for (const auto& row : newer.m_items)
        newerRows[{row->m_strLineNum, row->IsSection()}] = row.get();
    ItemLog log;
    for (const auto& row : older.m_items)
        if (!row->IsSection() && !newerRows.count({row->m_strLineNum, false}))
            log.m_deleted.push_back(LogText(*row));
    for (const auto& row : newer.m_items) {
        if (row->IsSection())
            continue;
        const auto found = olderRows.find({row->m_strLineNum, false});
        if (found == olderRows.end())
            log.m_added.push_back(LogText(*row));
        else if (!AreItemsEqual(*found->second, *row))
            log.m_changed.push_back(LogText(*found->second));
    }
    return log;
}

class GeneratedAmendments : public AmendmentLogTest, public ::testing::WithParamInterface<ProposalShape> {};

} // namespace

TEST_P(GeneratedAmendments, AppliedInOrderGiveEachEditionWithItsChangeLog)
{
    const AmendedProposal letting = GenerateAmendedProposal(GetParam());
    ASSERT_TRUE(letting.m_amendments[0] && letting.m_amendments[1]);
    const std::vector<std::string> labels[] = {
        {"Reference Data", "Changed Misc Information", "County Information", "Site Information",
         "Addendum Note Information", "Zod Caps"},
        {"Description", "Submit URL #2", "Changed DBE Information", "Changed Zod Bond Information",
         "Addendum Note Information", "Report Formats"}};

    auto bid = CProp::MakeWholeCopy(*letting.m_pProposal);
    const CProp* older = letting.m_pProposal.get();
    for (size_t n = 0; n < 2; ++n) {
        SCOPED_TRACE("amendment " + std::to_string(n + 1));
        const CProp& edition = *letting.m_editions[n];
        CreateAmendmentLog();
        ASSERT_EQ(bid->ExchangeWithLog(*letting.m_amendments[n]), unsigned(AMEND_NO_ERROR));
        ExpectSameProposal(*bid, edition);

        EXPECT_EQ(LoggedTexts(LOG_PROPOSAL_DATA), labels[n]);
        const ItemLog items = ExpectedItemLog(*older, edition);
        EXPECT_EQ(LoggedTexts(LOG_ITEMS_DELETED), items.m_deleted);
        EXPECT_EQ(LoggedTexts(LOG_ITEMS_ADDED), items.m_added);
        EXPECT_EQ(LoggedTexts(LOG_ITEMS_CHANGED), items.m_changed);
        EXPECT_FALSE(items.m_deleted.empty() || items.m_added.empty() || items.m_changed.empty());
        const std::vector<std::string> notes = LoggedTexts(LOG_ADDENDUM_NOTES);
        ASSERT_EQ(notes.size(), 1u) << "only the note of this amendment";
        EXPECT_EQ(notes[0].substr(10), edition.m_notes[int(n)]->m_strDescription);
        older = &edition;
    }
}

TEST_P(GeneratedAmendments, AreRefusedOutOfOrderAndOnceApplied)
{
    const AmendedProposal letting = GenerateAmendedProposal(GetParam());
    auto bid = CProp::MakeWholeCopy(*letting.m_pProposal);
    EXPECT_EQ(bid->ExchangeWithLog(*letting.m_amendments[1]), unsigned(AMEND_OUT_OF_ORDER));
    ASSERT_EQ(bid->ExchangeWithLog(*letting.m_amendments[0]), unsigned(AMEND_NO_ERROR));
    auto again = MakeAmendment(*letting.m_editions[0], *letting.m_pProposal);
    EXPECT_EQ(bid->ExchangeWithLog(*again), unsigned(AMEND_ALREADY_APPLIED));
    ExpectSameProposal(*bid, *letting.m_editions[0]);
}

INSTANTIATE_TEST_SUITE_P(Lettings, GeneratedAmendments,
                         ::testing::Values(ProposalShape{.m_items = 60, .m_seed = 1}, ProposalShape{.m_items = 300, .m_seed = 2},
                                           ProposalShape{.m_items = 1000, .m_seed = 3},
                                           ProposalShape{.m_items = 4000, .m_seed = 77}),
                         [](const auto& info) {
                             return "seed" + std::to_string(info.param.m_seed) + "_" + std::to_string(info.param.m_items);
                         });

TEST(GeneratedAmendmentsOfSmallProposals, StillRoundTripWithoutThePartsTheyLack)
{
    for (int items : {0, 1, 3, 12}) {
        SCOPED_TRACE(std::to_string(items) + " items");
        ProposalShape shape;
        shape.m_items = items;
        shape.m_firmForms = items % 2 == 0;
        shape.m_sites = items % 3;
        shape.m_miscForms = items % 2;
        shape.m_bondForm = items > 1;
        const AmendedProposal letting = GenerateAmendedProposal(shape);
        auto bid = CProp::MakeWholeCopy(*letting.m_pProposal);
        for (size_t n = 0; n < 2; ++n) {
            ASSERT_NE(letting.m_amendments[n], nullptr) << "an addendum note at least";
            ASSERT_EQ(bid->ExchangeWithLog(*letting.m_amendments[n]), unsigned(AMEND_NO_ERROR));
        }
        ExpectSameProposal(*bid, *letting.m_editions[1]);
    }
}
