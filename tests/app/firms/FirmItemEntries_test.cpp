// Committing items to firms and removing them, the flags an entry gets, and the lookup of entries
// by line number built from what a file holds, hostile indices included.
#include "app/firms/FirmItemEntries.h"
#include "bench/generator/ProposalFiles.h"
#include "bench/generator/ProposalGenerator.h"
#include "model/check/FirmCommitments.h"
#include "model/check/FormChecks.h"
#include "model/eval/Evaluator.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"

#include <gtest/gtest.h>

namespace {

class FirmEntries : public ::testing::Test {
protected:
    FirmEntries() : m_prop(GenerateProposal(SampleShape()))
    {
        for (int kind : {FIRM_DBE, FIRM_MBE, FIRM_WBE})
            RebuildFirmItemLines(*m_prop, kind);
    }

    // The first item no firm of any kind committed to.
    int FreeItem(int from = 0) const
    {
        for (int index = from; index < m_prop->m_items.GetSize(); ++index) {
            const CItem* item = m_prop->m_items[index];
            if (!item->IsSection() && m_prop->GetUncommittedQuantity(item, 1) == item->m_fQuan &&
                m_prop->GetUncommittedQuantity(item, 2) == item->m_fQuan && item->m_fQuan > 1)
                return index;
        }
        return -1;
    }
    CItem& Item(int index) const { return *m_prop->m_items[index]; }
    CDBEItem* Commit(int kind, int firm, int item, double quantity)
    {
        if (!SetItemCommitted(*m_prop, kind, firm, item, true))
            return nullptr;
        CDBEItem* entry = FindFirmItemEntry(*m_prop, kind, firm, item);
        entry->m_dQuantity = quantity;
        entry->m_dExtension = quantity * entry->m_dUnitPrice;
        return entry;
    }

    std::unique_ptr<CProp> m_prop;
};

} // namespace

TEST_F(FirmEntries, ACommitmentTakesWhatOtherFirmsOfTheKindLeftAtTheItemsPrice)
{
    const int index = FreeItem();
    ASSERT_GE(index, 0);
    const CItem& item = Item(index);
    ASSERT_NE(Commit(FIRM_DBE, 1, index, item.m_fQuan / 4), nullptr);
    // An MBE firm's share does not count against what is left for DBE firms.
    ASSERT_NE(Commit(FIRM_MBE, 0, index, item.m_fQuan / 2), nullptr);

    ASSERT_TRUE(SetItemCommitted(*m_prop, FIRM_DBE, 0, index, true));
    const CDBEItem* entry = FindFirmItemEntry(*m_prop, FIRM_DBE, 0, index);
    ASSERT_NE(entry, nullptr);
    EXPECT_DOUBLE_EQ(entry->m_dQuantity, item.m_fQuan * 3 / 4);
    EXPECT_EQ(entry->m_dUnitPrice, item.m_fUnitPrice);
    EXPECT_DOUBLE_EQ(entry->m_dExtension, entry->m_dQuantity * item.m_fUnitPrice);
    EXPECT_EQ(entry->m_iNumber, index);
    EXPECT_TRUE(TestFlagBit(entry->m_wEntryFlags, DBEITEM_COMPLETE));
    EXPECT_NEAR(m_prop->GetUncommittedQuantity(&item, FIRM_DBE), 0, 1e-9);
}

TEST_F(FirmEntries, AnItemWithNothingLeftIsCommittedWithNoQuantityAndMarkedInvalid)
{
    const int index = FreeItem();
    ASSERT_NE(Commit(FIRM_DBE, 1, index, Item(index).m_fQuan * 2), nullptr);
    ASSERT_TRUE(SetItemCommitted(*m_prop, FIRM_DBE, 0, index, true));
    const CDBEItem* entry = FindFirmItemEntry(*m_prop, FIRM_DBE, 0, index);
    EXPECT_EQ(entry->m_dQuantity, 0);
    EXPECT_TRUE(TestFlagBit(entry->m_wEntryFlags, DBEITEM_INVALID_QUANTITY));
    EXPECT_TRUE(TestFlagBit(entry->m_wEntryFlags, DBEITEM_OVERCOMMITTED));
    EXPECT_FALSE(TestFlagBit(entry->m_wEntryFlags, DBEITEM_COMPLETE));
}

TEST_F(FirmEntries, AnUnpricedItemIsCommittedWithoutAnAmount)
{
    const int index = FreeItem();
    MakeEvalErrorValue(&Item(index).m_fUnitPrice);
    ASSERT_TRUE(SetItemCommitted(*m_prop, FIRM_DBE, 0, index, true));
    const CDBEItem* entry = FindFirmItemEntry(*m_prop, FIRM_DBE, 0, index);
    EXPECT_FALSE(IsEvalValueValid(entry->m_dExtension));
    EXPECT_FALSE(TestFlagBit(entry->m_wEntryFlags, DBEITEM_COMPLETE));
}

TEST_F(FirmEntries, RemovingTakesOnlyThatFirmsEntry)
{
    const int index = FreeItem();
    ASSERT_NE(Commit(FIRM_DBE, 1, index, 1), nullptr);
    ASSERT_TRUE(SetItemCommitted(*m_prop, FIRM_DBE, 0, index, true));
    const int entries = GetFirmRow(*m_prop, FIRM_DBE, 0)->m_dbeItems.GetSize();
    ASSERT_TRUE(SetItemCommitted(*m_prop, FIRM_DBE, 0, index, false));
    EXPECT_EQ(FindFirmItemEntry(*m_prop, FIRM_DBE, 0, index), nullptr);
    EXPECT_EQ(GetFirmRow(*m_prop, FIRM_DBE, 0)->m_dbeItems.GetSize(), entries - 1);
    EXPECT_NE(FindFirmItemEntry(*m_prop, FIRM_DBE, 1, index), nullptr);
    // The other entries of the firm are still found by their lines.
    for (const auto& entry : GetFirmRow(*m_prop, FIRM_DBE, 0)->m_dbeItems)
        EXPECT_EQ(FindFirmItemEntry(*m_prop, FIRM_DBE, 0, entry->m_iNumber), entry.get());
}

TEST_F(FirmEntries, NothingChangesWhereThereIsNothingToDo)
{
    const int index = FreeItem();
    const int section = 0;
    ASSERT_TRUE(Item(section).IsSection());
    EXPECT_FALSE(SetItemCommitted(*m_prop, FIRM_DBE, 0, index, false)); // not committed
    EXPECT_FALSE(SetItemCommitted(*m_prop, FIRM_DBE, 0, section, true));
    EXPECT_FALSE(SetItemCommitted(*m_prop, FIRM_DBE, 99, index, true));  // no such firm
    EXPECT_FALSE(SetItemCommitted(*m_prop, FIRM_DBE, -1, index, true));
    EXPECT_FALSE(SetItemCommitted(*m_prop, 7, 0, index, true));          // no such kind
    EXPECT_FALSE(SetItemCommitted(*m_prop, FIRM_DBE, 0, m_prop->m_items.GetSize(), true));
    ASSERT_TRUE(SetItemCommitted(*m_prop, FIRM_DBE, 0, index, true));
    EXPECT_FALSE(SetItemCommitted(*m_prop, FIRM_DBE, 0, index, true));   // committed already
    m_prop->m_pDbeForm.reset();
    EXPECT_FALSE(SetItemCommitted(*m_prop, FIRM_DBE, 0, index, false));
}

TEST_F(FirmEntries, AnItemBeyondWhatAnEntryCanNameCannotBeCommitted)
{
    while (m_prop->m_items.GetSize() <= 32768) {
        auto item = std::make_unique<CItem>();
        item->m_strLineNum = std::to_string(m_prop->m_items.GetSize());
        item->m_fQuan = 1;
        m_prop->m_items.Add(std::move(item));
    }
    EXPECT_TRUE(IsCommittableItem(*m_prop, 32767));
    EXPECT_FALSE(IsCommittableItem(*m_prop, 32768));
    EXPECT_FALSE(SetItemCommitted(*m_prop, FIRM_DBE, 0, 32768, true));
}

namespace {

struct StateCase {
    const char* name;
    double itemQuantity;
    double committed;
    double othersCommitted; // by another firm of the kind
    unsigned expected;      // bits 1, 3, 4, 5, 6 of the entry
};

constexpr unsigned Bit(int bit) { return 1u << bit; }

class FirmEntryState : public FirmEntries, public ::testing::WithParamInterface<StateCase> {};

} // namespace

TEST_P(FirmEntryState, FollowsTheItemAndTheOtherFirms)
{
    const StateCase& c = GetParam();
    const int index = FreeItem();
    CItem& item = Item(index);
    item.m_fQuan = c.itemQuantity;
    item.m_fUnitPrice = 10;
    item.m_fExtension = item.m_fQuan * item.m_fUnitPrice;
    if (c.othersCommitted != 0)
        Commit(FIRM_DBE, 1, index, c.othersCommitted)->m_dExtension = c.othersCommitted * 10;
    CDBEItem* entry = Commit(FIRM_DBE, 0, index, c.committed);
    entry->m_dExtension = IsEvalValueValid(c.committed) ? c.committed * 10 : c.committed;
    UpdateFirmItemState(*m_prop, FIRM_DBE, item, *entry);
    const unsigned watched = Bit(DBEITEM_OVERCOMMITTED) | Bit(DBEITEM_COMPLETE) | Bit(DBEITEM_AMOUNT_OVER) |
                             Bit(DBEITEM_INVALID_QUANTITY) | Bit(DBEITEM_SINGLE_FIRM_OVER);
    EXPECT_EQ(entry->m_wEntryFlags & watched, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, FirmEntryState,
    ::testing::Values(
        StateCase{"Half", 100, 50, 0, Bit(DBEITEM_COMPLETE)},
        StateCase{"AllOfIt", 100, 100, 0, Bit(DBEITEM_COMPLETE)},
        StateCase{"WithinRounding", 100, 100.0005, 0, Bit(DBEITEM_COMPLETE) | Bit(DBEITEM_SINGLE_FIRM_OVER)},
        StateCase{"MoreThanTheItem", 100, 120, 0,
                  Bit(DBEITEM_OVERCOMMITTED) | Bit(DBEITEM_AMOUNT_OVER) | Bit(DBEITEM_SINGLE_FIRM_OVER)},
        StateCase{"TogetherTooMuch", 100, 60, 50, Bit(DBEITEM_OVERCOMMITTED) | Bit(DBEITEM_AMOUNT_OVER)},
        StateCase{"Nothing", 100, 0, 0, Bit(DBEITEM_INVALID_QUANTITY)},
        StateCase{"Negative", 100, -5, 0, Bit(DBEITEM_INVALID_QUANTITY)},
        StateCase{"NotANumber", 100, MakeEvalErrorValue(), 0, Bit(DBEITEM_INVALID_QUANTITY)},
        StateCase{"CreditItem", -100, -40, 0, Bit(DBEITEM_COMPLETE)},
        StateCase{"CreditItemOver", -100, -140, 0,
                  Bit(DBEITEM_OVERCOMMITTED) | Bit(DBEITEM_AMOUNT_OVER) | Bit(DBEITEM_SINGLE_FIRM_OVER)},
        StateCase{"CreditItemPositive", -100, 5, 0, Bit(DBEITEM_INVALID_QUANTITY)}),
    [](const auto& info) { return std::string(info.param.name); });

namespace {

// Entries as a file may hold them, each with whether the lookup finds it.
struct LookupCase {
    const char* name;
    int16_t index; // -2: the first section row, -3: the last row
    bool found;
};

class FirmItemLookup : public FirmEntries, public ::testing::WithParamInterface<LookupCase> {};

} // namespace

TEST_P(FirmItemLookup, TakesOnlyEntriesNamingAnItem)
{
    CRowData* row = GetFirmRow(*m_prop, FIRM_DBE, 0);
    auto entry = std::make_unique<CDBEItem>();
    const int last = m_prop->m_items.GetSize() - 1;
    entry->m_iNumber = GetParam().index == -2 ? 0 : GetParam().index == -3 ? int16_t(last) : GetParam().index;
    const CDBEItem* added = row->m_dbeItems.Add(std::move(entry));
    RebuildFirmItemLines(*m_prop, FIRM_DBE);
    bool found = false;
    for (const auto& [line, position] : row->GetDbeItemLines())
        found = found || row->m_dbeItems.GetAtOrNull(position) == added;
    EXPECT_EQ(found, GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(Entries, FirmItemLookup,
                         ::testing::Values(LookupCase{"NoItem", -1, false}, LookupCase{"Negative", -300, false},
                                           LookupCase{"PastTheList", 32000, false},
                                           LookupCase{"LargestIndex", 32767, false},
                                           LookupCase{"SectionRow", -2, false}, LookupCase{"LastRow", -3, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FirmEntries, TheLookupIsBuiltAfreshForgettingLinesNoLongerThere)
{
    CRowData* row = GetFirmRow(*m_prop, FIRM_DBE, 0);
    ASSERT_FALSE(row->m_dbeItems.IsEmpty());
    ASSERT_TRUE(row->SetDbeItemForLine("GONE", row->m_dbeItems[0]));
    RebuildFirmItemLines(*m_prop, FIRM_DBE);
    EXPECT_EQ(row->FindDbeItemByLine("GONE"), nullptr);
    EXPECT_EQ(int(row->GetDbeItemLines().size()), row->m_dbeItems.GetSize());
}

TEST_F(FirmEntries, ARecheckTotalsTheCommitmentsOfEveryKind)
{
    // The second firm subcontracts: its amount counts whole (a supplier's counts 60%).
    CWinMeta& dbe = *m_prop->m_pDbeForm;
    RecheckCommitments(*m_prop, 1);
    const double before = GetFormCommitment(dbe);
    const int index = FreeItem();
    ASSERT_TRUE(SetItemCommitted(*m_prop, FIRM_DBE, 1, index, true));
    RecheckCommitments(*m_prop, 1);
    EXPECT_NEAR(GetFormCommitment(dbe), before + Item(index).m_fExtension, 0.01);
    ASSERT_TRUE(SetItemCommitted(*m_prop, FIRM_DBE, 1, index, false));
    RecheckCommitments(*m_prop, 1);
    EXPECT_NEAR(GetFormCommitment(dbe), before, 0.01);
}
