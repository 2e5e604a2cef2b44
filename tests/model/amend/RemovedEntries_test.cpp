// What an amendment takes away that the bidder entered is named in the change report: the firms
// of a form whose fields change or that goes, the values of such a miscellaneous form, the unit
// price, the quantity the bidder gives and the "Use this item" tick of each changed item, and the
// days of each changed site. What is removed stays as the amendment rules say.
#include "bench/generator/AmendmentGenerator.h"
#include "bench/generator/ProposalGenerator.h"
#include "model/amend/AmendmentResult.h"
#include "model/check/FormChecks.h"
#include "model/eval/Evaluator.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"
#include "tests/model/support/Amendments.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

constexpr int32_t kDay = 86400;

class RemovedEntries : public AmendmentLogTest {
protected:
    void SetUp() override
    {
        AmendmentLogTest::SetUp();
        m_edition->m_iAmendmentCount = m_published->m_iAmendmentCount + 1;
    }

    // The bidder's copy takes the amendment from the published proposal to the edition.
    void Apply()
    {
        auto amendment = MakeAmendment(*m_edition, *m_published);
        ASSERT_NE(amendment, nullptr);
        ASSERT_EQ(m_bid->ExchangeWithLog(*amendment), unsigned(AMEND_NO_ERROR));
    }

    // "firm <name>, with N committed items" for each firm row of the bid's form.
    std::vector<std::string> FirmsOf(const CWinMeta& form, const std::string& label) const
    {
        std::vector<std::string> firms;
        for (const auto& row : form.m_rows)
            firms.push_back(label + ": firm " + row->m_cells[0]->m_strText + ", with " +
                            std::to_string(row->m_dbeItems.GetSize()) + " committed items");
        return firms;
    }

    // The rows of the schedule that are items, not section rows.
    std::vector<CItem*> Items(CProp& prop) const
    {
        std::vector<CItem*> items;
        for (const auto& row : prop.m_items)
            if (!row->IsSection())
                items.push_back(row.get());
        return items;
    }

    std::unique_ptr<CProp> m_published = GenerateProposal(
        {.m_items = 12, .m_itemsPerSection = 6, .m_firms = 2, .m_firmItemsPerFirm = 3, .m_minorityFirms = 1});
    std::unique_ptr<CProp> m_bid = CProp::MakeWholeCopy(*m_published);
    std::unique_ptr<CProp> m_edition = CProp::MakeWholeCopy(*m_published);
};

TEST_F(RemovedEntries, AFormWhoseFieldsChangeOrThatGoesNamesEveryFirmOfTheBidder)
{
    m_edition->m_pDbeForm->m_fields[2]->m_iWidth += 4;
    m_edition->m_pMbeForm.reset();
    ChangeFlagBit(&m_edition->m_wFlags, PROP_HAS_MBE_FORM, 0);
    std::vector<std::string> expected = FirmsOf(*m_bid->m_pDbeForm, "DBE Information");
    const std::vector<std::string> minority = FirmsOf(*m_bid->m_pMbeForm, "MBE Information");
    expected.insert(expected.end(), minority.begin(), minority.end());
    ASSERT_EQ(expected.size(), 3u);

    Apply();
    EXPECT_EQ(LoggedTexts(LOG_ENTRIES_REMOVED), expected);
    EXPECT_TRUE(m_bid->m_pDbeForm->m_rows.IsEmpty());
    EXPECT_EQ(m_bid->m_pMbeForm, nullptr);
    EXPECT_EQ(m_bid->m_pWbeForm->m_rows.GetSize(), 1) << "a form whose fields stay keeps its firms";
}

TEST_F(RemovedEntries, AFirmWithoutANameOrItemsIsNamedByItsRow)
{
    CRowData& unnamed = *m_bid->m_pDbeForm->m_rows[1];
    unnamed.m_cells[0]->m_strText.clear();
    unnamed.m_dbeItems.DeleteAll();
    m_bid->m_pDbeForm->AddRow(-1, -1); // nothing entered in it
    m_edition->m_pDbeForm->m_fields[0]->m_strName += " ID";
    Apply();
    const std::vector<std::string> logged = LoggedTexts(LOG_ENTRIES_REMOVED);
    ASSERT_EQ(logged.size(), 2u);
    EXPECT_EQ(logged[1], "DBE Information: the firm in row 2");
}

TEST_F(RemovedEntries, AMiscellaneousFormTellsOfTheValuesEnteredInIt)
{
    ASSERT_GE(m_bid->m_miscForms.GetSize(), 2);
    const std::string title = GetFormTitle(*m_bid->m_miscForms[0]);
    m_bid->m_miscForms[0]->m_rows[0]->m_cells[0]->m_strText = "Yes";
    for (int form : {0, 1})
        m_edition->m_miscForms[form]->m_fields[0]->m_iWidth += 2;
    Apply();
    EXPECT_EQ(LoggedTexts(LOG_ENTRIES_REMOVED),
              std::vector<std::string>{"Misc Information (" + title + "): the values entered"})
        << "the second form had nothing entered";
    EXPECT_EQ(m_bid->m_miscForms[0]->m_rows[0]->m_cells[0]->m_strText, "") << "its row is a new, empty one";
}

TEST_F(RemovedEntries, EachChangedItemNamesThePriceTheBidderEnteredAndLost)
{
    std::vector<CItem*> bid = Items(*m_bid);
    std::vector<CItem*> edition = Items(*m_edition);
    std::vector<CItem*> published = Items(*m_published);
    // The agency publishes no prices; the bidder has entered some.
    for (const std::vector<CItem*>* items : {&bid, &edition, &published})
        for (CItem* item : *items)
            item->m_fUnitPrice = MakeEvalErrorValue();
    bid[0]->m_fUnitPrice = 1234.5;
    bid[1]->m_fUnitPrice = 3.125;
    for (CItem* fixed : {bid[2], edition[2], published[2]}) {
        ChangeFlagBit(&fixed->m_wFlags, ITEM_FIXED_PRICE, 1);
        fixed->m_fUnitPrice = 80;
    }
    bid[4]->m_fUnitPrice = 9; // its item stays as it was
    for (int changed : {0, 1, 2, 3})
        edition[changed]->m_fQuan += 10;

    Apply();
    EXPECT_EQ(LoggedTexts(LOG_ITEMS_CHANGED).size(), 4u);
    const auto named = [&](int i, const char* price) {
        return bid[i]->m_strLineNum + "  " + bid[i]->m_strItemNum + "  " + bid[i]->m_strShortDesc + ": unit price " +
               price;
    };
    EXPECT_EQ(LoggedTexts(LOG_ENTRIES_REMOVED), (std::vector<std::string>{named(0, "1,234.50"), named(1, "3.125")}));
    EXPECT_FALSE(IsEvalValueValid(bid[0]->m_fUnitPrice)) << "the amendment's price is taken, as before";
    EXPECT_EQ(bid[4]->m_fUnitPrice, 9);
}

// A row where the bidder gives the quantity: marked so by the agency, or without the agency's
// quantity. The agency's quantity of an ordinary row is no entry of the bidder.
TEST_F(RemovedEntries, EachChangedItemNamesTheQuantityAndTheTickTheBidderEnteredAndLost)
{
    std::vector<CItem*> bid = Items(*m_bid);
    std::vector<CItem*> edition = Items(*m_edition);
    std::vector<CItem*> published = Items(*m_published);
    for (const std::vector<CItem*>* items : {&bid, &edition, &published}) {
        ChangeFlagBit(&(*items)[0]->m_wFlags, ITEM_FIXED_FULLY_BID, 1);
        ChangeFlagBit(&(*items)[0]->m_wFlags, ITEM_FIXED_PRICE, 1);
        (*items)[0]->m_fQuan = 0;
        (*items)[1]->m_fQuan = 0;
        ChangeFlagBit(&(*items)[3]->m_wFlags, ITEM_FIXED_PRICE, 1);
        ChangeFlagBit(&(*items)[4]->m_wFlags, ITEM_FIXED_FULLY_BID, 1);
    }
    bid[0]->m_fQuan = 15280;
    bid[1]->m_fQuan = 42.125;
    ChangeFlagBit(&bid[3]->m_wFlags, ITEM_FIXED_COUNTS_PRICED, 1);
    bid[4]->m_fQuan = 77; // its item stays as it was
    for (int revised : {0, 1, 3})
        edition[revised]->m_strShortDesc += " (REVISED)";
    edition[2]->m_fQuan += 10;

    Apply();
    // Named as the schedule now shows them.
    const auto named = [&](int i, const std::string& entry) {
        return bid[i]->m_strLineNum + "  " + bid[i]->m_strItemNum + "  " + bid[i]->m_strShortDesc + ": " + entry;
    };
    const std::vector<std::string> expected = {named(0, "quantity 15,280.000"), named(1, "quantity 42.125"),
                                               named(3, "\"Use this item\" ticked")};
    EXPECT_EQ(bid[0]->m_strShortDesc, edition[0]->m_strShortDesc);
    EXPECT_EQ(LoggedTexts(LOG_ITEMS_CHANGED).size(), 4u);
    EXPECT_EQ(LoggedTexts(LOG_ENTRIES_REMOVED), expected);
    EXPECT_EQ(bid[0]->m_fQuan, 0) << "the amendment's quantity is taken, as before";
    EXPECT_EQ(bid[4]->m_fQuan, 77);
}

// A site is named by its number, or by its row when it has none.
TEST_F(RemovedEntries, TheDaysOfEverySiteTheAmendmentChangedOrRemovedAreNamed)
{
    ASSERT_EQ(m_bid->m_sites.GetSize(), 5);
    m_bid->m_sites[0]->m_iNumberOfDays = 35;
    m_bid->m_sites[1]->m_iNumberOfDays = 40; // its site stays as it was
    ChangeFlagBit(&m_bid->m_sites[2]->m_wFlags, SITE_BIDDABLE, 0); // the agency's days: nothing entered
    m_bid->m_sites[2]->m_iNumberOfDays = 9;
    m_bid->m_sites[3]->m_strSiteNumber.clear();
    m_bid->m_sites[3]->m_iNumberOfDays = 1;
    m_bid->m_sites[4]->m_iNumberOfDays = 12;
    m_edition->m_sites[0]->m_iEndDate += 14 * kDay;
    m_edition->m_sites[2]->m_iEndDate += kDay;
    m_edition->m_sites[3]->m_strDescription += " AND RAMPS";
    m_edition->m_sites.DeleteAt(4);

    Apply();
    EXPECT_EQ(LoggedTexts(LOG_ENTRIES_REMOVED),
              (std::vector<std::string>{"Site 1: 35 days", "Site in row 4: 1 day", "Site 5: 12 days"}));
    EXPECT_EQ(m_bid->m_sites[0]->m_iNumberOfDays, 20) << "the amendment's days are taken, as before";
    EXPECT_EQ(m_bid->m_sites[1]->m_iNumberOfDays, 40);
    EXPECT_EQ(m_bid->m_sites.GetSize(), 4);
}

// A firm's commitment goes with the item an amendment deletes; the report names the firm and the
// item, and the firm's other commitments stay, moved with their items.
TEST_F(RemovedEntries, ACommitmentToADeletedItemIsNamedWithItsFirm)
{
    CRowData& firm = *m_bid->m_pDbeForm->m_rows[0];
    ASSERT_GE(firm.m_dbeItems.GetSize(), 2);
    // The earlier of two committed items goes: the later moves up with its item.
    const int deleted = std::min(firm.m_dbeItems[0]->m_iNumber, firm.m_dbeItems[1]->m_iNumber);
    const int keptIndex = std::max(firm.m_dbeItems[0]->m_iNumber, firm.m_dbeItems[1]->m_iNumber);
    ASSERT_LT(deleted, keptIndex);
    const CItem& kept = *m_bid->m_items[keptIndex];
    const CItem& gone = *m_bid->m_items[deleted];
    // Every firm that committed to it, in form and row order.
    std::vector<std::string> expected;
    for (const auto& [form, label] : {std::pair{m_bid->m_pDbeForm.get(), "DBE Information"},
                                      std::pair{m_bid->m_pMbeForm.get(), "MBE Information"},
                                      std::pair{m_bid->m_pWbeForm.get(), "WBE Information"}})
        for (const auto& row : form->m_rows)
            for (const auto& entry : row->m_dbeItems)
                if (entry->m_iNumber == deleted)
                    expected.push_back(std::string(label) + ": firm " + row->m_cells[0]->m_strText +
                                       ", committed item " + gone.m_strLineNum + "  " + gone.m_strItemNum + "  " +
                                       gone.m_strShortDesc);
    ASSERT_FALSE(expected.empty());
    const std::string keptLine = kept.m_strLineNum;
    const int commitments = firm.m_dbeItems.GetSize();
    m_edition->m_items.DeleteAt(deleted);

    Apply();
    EXPECT_EQ(LoggedTexts(LOG_ENTRIES_REMOVED), expected);
    ASSERT_EQ(firm.m_dbeItems.GetSize(), commitments - 1);
    bool keptFollows = false;
    for (const auto& entry : firm.m_dbeItems)
        keptFollows = keptFollows || m_bid->m_items[entry->m_iNumber]->m_strLineNum == keptLine;
    EXPECT_TRUE(keptFollows);
}

} // namespace
