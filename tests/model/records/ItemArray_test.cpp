#include "model/amend/StagedChange.h"
#include "tests/model/support/Amendments.h"
#include "tests/model/support/ItemTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Records what the item list reports, the way the firm forms would.
struct RecordingFollower : CItemIndexFollower {
    std::vector<std::string> events;
    void OnItemInserted(int index) override { events.push_back("+" + std::to_string(index)); }
    void OnItemRemoved(int index, const CItem&) override { events.push_back("-" + std::to_string(index)); }
};

CItemArray MakeSchedule()
{
    CItemArray list;
    list.Add(MakeSection("0001"));
    list.Add(MakeItem("0010", "201-A", "Clearing"));
    list.Add(MakeItem("0020", "202-B", "Grading"));
    list.Add(MakeItem("0030", "203-C", "Paving"));
    return list;
}

class ItemAmendments : public AmendmentLogTest {
protected:
    CItemArray Edition() const
    {
        CItemArray newer;
        newer.CopyFrom(m_current);
        return newer;
    }
    // A copy of `newer` reduced against a copy of m_current; the count goes to m_changeCount.
    CItemArray Reduce(const CItemArray& newer)
    {
        CItemArray older, changes;
        older.CopyFrom(m_current);
        changes.CopyFrom(newer);
        m_changeCount = changes.ReduceItemsToChanges(older);
        for (const auto& row : older)
            EXPECT_FALSE(TestFlagBit(row->m_wFlags, ITEM_MATCHED)) << "the matched mark is transient";
        return changes;
    }
    void Amend(const CItemArray& newer)
    {
        CItemArray changes = Reduce(newer);
        m_current.ApplyItemChanges(changes, &m_follower);
    }

    CItemArray m_current = MakeSchedule();
    RecordingFollower m_follower;
    unsigned m_changeCount = 0;
};

} // namespace

TEST(ItemEquality, ComparesWhatTheAgencySetsNotTheBiddersPrice)
{
    using Edit = std::function<void(CItem&)>;
    struct Case {
        const char* what;
        Edit edit;
        bool equal;
    };
    const Case cases[] = {
        {"bidder's unit price", [](CItem& i) { i.m_fUnitPrice = 9; }, true},
        {"chosen flag", [](CItem& i) { ChangeFlagBit(&i.m_wFlags, ITEM_CHOSEN, 1); }, true},
        {"line number", [](CItem& i) { i.m_strLineNum = "0011"; }, false},
        {"alternate code", [](CItem& i) { i.m_strAltCode = "AA1"; }, false},
        {"item number", [](CItem& i) { i.m_strItemNum = "X"; }, false},
        {"unit", [](CItem& i) { i.m_strUnit = "LF"; }, false},
        {"short description", [](CItem& i) { i.m_strShortDesc = "x"; }, false},
        {"long description", [](CItem& i) { i.m_strLongDesc = "x"; }, false},
        {"quantity", [](CItem& i) { i.m_fQuan = 2; }, false},
        {"fixed price", [](CItem& i) { ChangeFlagBit(&i.m_wFlags, ITEM_FIXED_PRICE, 1); }, false},
        {"lump sum", [](CItem& i) { ChangeFlagBit(&i.m_wFlags, ITEM_LUMP_SUM, 1); }, false},
        {"option", [](CItem& i) { ChangeFlagBit(&i.m_wFlags, ITEM_IS_OPTION, 1); }, false},
        {"bit 13", [](CItem& i) { ChangeFlagBit(&i.m_wFlags, ITEM_NOT_IN_CHOICE, 1); }, false},
        {"bit 14", [](CItem& i) { ChangeFlagBit(&i.m_wFlags, ITEM_FIXED_FULLY_BID, 1); }, false},
        {"section bit", [](CItem& i) { ChangeFlagBit(&i.m_wFlags, ITEM_IS_SECTION, 1); }, false},
    };
    for (const Case& c : cases) {
        auto a = MakeItem("0010");
        auto b = MakeItem("0010");
        c.edit(*b);
        EXPECT_EQ(AreItemsEqual(*a, *b), c.equal) << c.what;
    }

    auto fixedA = MakeItem("0010"), fixedB = MakeItem("0010");
    ChangeFlagBit(&fixedA->m_wFlags, ITEM_FIXED_PRICE, 1);
    ChangeFlagBit(&fixedB->m_wFlags, ITEM_FIXED_PRICE, 1);
    fixedB->m_fUnitPrice = 5;
    EXPECT_FALSE(AreItemsEqual(*fixedA, *fixedB)) << "the agency's fixed price";

    auto sectionA = MakeSection("0001"), sectionB = MakeSection("0001");
    sectionB->m_strItemNum = "ignored";
    sectionB->m_fQuan = 7;
    EXPECT_TRUE(AreItemsEqual(*sectionA, *sectionB));
}

TEST_F(ItemAmendments, AChangedFixedPriceAmendsOnlyThatRow)
{
    ChangeFlagBit(&m_current[2]->m_wFlags, ITEM_FIXED_PRICE, 1);
    CItemArray newer = Edition();
    newer[2]->m_fUnitPrice = 12.5;
    CItemArray changes = Reduce(newer);
    EXPECT_EQ(m_changeCount, 1u);
    EXPECT_EQ(changes[0]->m_strLineNum, "0020");

    EXPECT_EQ(m_current.ApplyItemChanges(changes, &m_follower), 1u);
    EXPECT_EQ(m_current[2]->m_fUnitPrice, 12.5);
    EXPECT_EQ(LoggedTexts(LOG_ITEMS_CHANGED), std::vector<std::string>{"0020  202-B  Grading"});
    EXPECT_EQ(GetAmendmentChangeCount(), 1);
    EXPECT_TRUE(m_follower.events.empty());
}

TEST_F(ItemAmendments, ANewRowCarriesItsAnchorAndLandsRightAfterIt)
{
    CItemArray newer = Edition();
    newer.InsertAt(2, MakeItem("0015", "NEW", "Added"));
    CItemArray changes = Reduce(newer);
    ASSERT_EQ(m_changeCount, 1u);
    EXPECT_EQ(changes[0]->m_strLineNum, std::string("0015\xFF") + "0010");
    EXPECT_FALSE(TestFlagBit(changes[0]->m_wFlags, ITEM_ANCHOR_IS_SECTION));

    m_current.ApplyItemChanges(changes, &m_follower);
    EXPECT_EQ(Lines(m_current), (std::vector<std::string>{"S0001", "0010", "0015", "0020", "0030"}));
    EXPECT_EQ(LoggedTexts(LOG_ITEMS_ADDED), std::vector<std::string>{"0015  NEW  Added"});
    EXPECT_EQ(m_follower.events, std::vector<std::string>{"+2"});
}

TEST_F(ItemAmendments, NewRowsAtTheTopAndAfterASectionRow)
{
    CItemArray newer = Edition();
    newer.InsertAt(0, MakeItem("0005"));
    newer.InsertAt(1, MakeItem("0006"));
    newer.InsertAt(3, MakeItem("0008"));
    Amend(newer);
    EXPECT_EQ(Lines(m_current), Lines(newer));
    EXPECT_FALSE(TestFlagBit(m_current[3]->m_wFlags, ITEM_ANCHOR_IS_SECTION)) << "the anchor mark does not stay";
}

TEST_F(ItemAmendments, ADeletedRowTakesItsFirmItemsAlong)
{
    CItemArray newer = Edition();
    newer.DeleteAt(2);
    CItemArray changes = Reduce(newer);
    ASSERT_EQ(m_changeCount, 1u);
    EXPECT_TRUE(TestFlagBit(changes[0]->m_wFlags, ITEM_TO_DELETE));
    EXPECT_EQ(changes[0]->m_strItemNum, "202-B");

    m_current.ApplyItemChanges(changes, &m_follower);
    EXPECT_EQ(Lines(m_current), (std::vector<std::string>{"S0001", "0010", "0030"}));
    EXPECT_EQ(LoggedTexts(LOG_ITEMS_DELETED), std::vector<std::string>{"0020  202-B  Grading"});
    EXPECT_EQ(m_follower.events, std::vector<std::string>{"-2"});
}

TEST(FirmItemIndexes, FollowInsertedAndRemovedRowsWithinSixteenBits)
{
    struct Case {
        int16_t index;
        int changed;
        bool inserted;
        bool kept;
        int16_t after;
    };
    const Case cases[] = {
        {4, 4, true, true, 5},     {3, 4, true, true, 3},      {4, 4, false, false, 4},
        {5, 4, false, true, 4},    {3, 4, false, true, 3},     {-1, 0, true, true, -1},
        {-7, 0, false, true, -7},  {32767, 3, true, false, 32767}, {32767, 3, false, true, 32766},
    };
    for (const Case& c : cases) {
        int16_t index = c.index;
        EXPECT_EQ(AdjustFirmItemIndex(index, c.changed, c.inserted), c.kept) << c.index << " " << c.changed;
        if (c.kept) {
            EXPECT_EQ(index, c.after) << c.index << " " << c.changed;
        }
    }
}

TEST_F(ItemAmendments, SectionAndItemWithOneLineNumberAreDifferentRowsAndSectionsAreNotLogged)
{
    CItemArray newer = Edition();
    newer.InsertAt(4, MakeSection("0010", "Second section"));
    newer.Add(MakeItem("0040"));
    newer[0]->m_strLongDesc = "Renamed";
    Amend(newer);
    EXPECT_EQ(Lines(m_current), (std::vector<std::string>{"S0001", "0010", "0020", "0030", "S0010", "0040"}));
    EXPECT_EQ(m_current[0]->m_strLongDesc, "Renamed");
    EXPECT_EQ(LoggedTexts(LOG_ITEMS_ADDED), std::vector<std::string>{"0040  ITEM  desc"});
    EXPECT_EQ(GetAmendmentChangeCount(), 1);
}

TEST_F(ItemAmendments, AMissingInsertPositionFailsAndLeavesEverythingAsItWas)
{
    CItemArray changes;
    changes.Add(MakeItem("0020"));
    changes[0]->m_strShortDesc = "would change";
    changes.Add(MakeItem(std::string("0099\xFF") + "0077"));
    CItemArray before;
    before.CopyFrom(m_current);
    LogAmendmentChange("from an earlier file", LOG_PROPOSAL_DATA);

    try {
        m_current.ApplyItemChanges(changes, &m_follower);
        FAIL() << "no error";
    } catch (const CAmendmentError& error) {
        EXPECT_STREQ(error.what(), "Error: Could not find Item/Section Insert position!");
    }
    EXPECT_EQ(Lines(m_current), Lines(before));
    EXPECT_EQ(m_current[2]->m_strShortDesc, "Grading");
    EXPECT_EQ(GetAmendmentChangeCount(), 1);
    EXPECT_TRUE(m_follower.events.empty());
}

TEST_F(ItemAmendments, HostileAmendmentRowsAreHandledSafely)
{
    m_current.Add(nullptr);
    CItemArray changes;
    auto unmatchedDeletion = MakeItem("9999");
    ChangeFlagBit(&unmatchedDeletion->m_wFlags, ITEM_TO_DELETE, 1);
    changes.Add(std::move(unmatchedDeletion));
    changes.Add(nullptr);
    auto marked = MakeItem(std::string("0011\xFF") + "0010", "\x01", "\x01");
    marked->m_strUnit = "\x01";
    changes.Add(std::move(marked));
    changes.Add(MakeItem("0012\xFF")); // an empty anchor: the top of the list

    EXPECT_EQ(m_current.ApplyItemChanges(changes, nullptr), 2u);
    EXPECT_EQ(Lines(m_current), (std::vector<std::string>{"0012", "S0001", "0010", "0011", "0020", "0030", "<null>"}));
    EXPECT_EQ(m_current[3]->m_strItemNum, "") << "no unchanged marker enters the proposal";
    EXPECT_EQ(m_current[3]->m_strUnit, "");
    EXPECT_EQ(LoggedTexts(LOG_ITEMS_DELETED).size(), 0u);
}

TEST(ItemLookup, FindItemByLineSkipsSectionsAndFixedPricesAndPadsShortNumbers)
{
    CItemArray list;
    list.Add(MakeSection("0012"));
    list.Add(nullptr);
    list.Add(MakeItem("0012"));
    list.Add(MakeItem("A7"));
    list.Add(MakeItem("0007"));
    ChangeFlagBit(&list[4]->m_wFlags, ITEM_FIXED_PRICE, 1);

    const std::string typed = "12";
    EXPECT_EQ(list.FindItemByLine(typed), list[2]);
    EXPECT_EQ(typed, "12") << "the caller's text stays";
    EXPECT_EQ(list.FindItemByLine("a7"), list[3]);
    EXPECT_EQ(list.FindItemByLine("7"), nullptr) << "a fixed-price item is not found";
    EXPECT_EQ(list.FindItemByLine(""), nullptr);
    EXPECT_EQ(list.FindItemByLine("zz"), nullptr);
    EXPECT_EQ(list.FindItemByLine("12345"), nullptr);

    int index = 5;
    EXPECT_EQ(list.FindItem(*list[2], &index, -1), list[2]);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(list.FindItem(*list[2], &index, 3), nullptr);
    EXPECT_EQ(index, -1);
}

TEST(ItemAlternates, GroupsChoicesAndCountsStopWhereTheyShould)
{
    CItemArray list;
    auto add = [&](std::unique_ptr<CItem> row, const char* code) { row->m_strAltCode = code; list.Add(std::move(row)); };
    add(MakeSection("0001"), "AA1");
    add(MakeItem("0010"), "BB1");
    add(MakeItem("0020"), "bb1");
    add(MakeItem("0030"), "BB2");
    add(MakeItem("0040"), "  ");
    add(MakeSection("0002"), "aa2");
    add(MakeItem("0050"), "BB1");

    EXPECT_EQ(list.GetItemAlternate(1), "BB");
    EXPECT_EQ(list.GetItemAlternate(99), "");
    EXPECT_TRUE(list.IsSameAlternate(1, 2));
    EXPECT_FALSE(list.IsSameAlternate(1, 3));
    EXPECT_TRUE(list.IsSameAlternateGroup(1, 3));
    EXPECT_FALSE(list.IsSameAlternateGroup(4, 4)) << "a blank code is in no group";
    EXPECT_FALSE(list.IsSameAlternateGroup(1, -1));

    EXPECT_EQ(list.CountItemsWithAlternate(1), 2) << "the walk ends at the next section";
    EXPECT_EQ(list.CountAlternateChoices(1), 2);
    EXPECT_EQ(list.CountItemsWithAlternate(0), 1);
    EXPECT_EQ(list.CountAlternateChoices(0), 2) << "section rows to the end of the list";
    EXPECT_EQ(list.CountAlternateChoices(7), 0);

    EXPECT_EQ(list[1]->GetAlternateGroup(), "BB");
    EXPECT_EQ(list[4]->GetAlternateGroup(), "");
    EXPECT_FALSE(list[1]->IsInAlternateGroup("B"));
    EXPECT_TRUE(list[1]->HasAlternateCode("bB1"));
}
