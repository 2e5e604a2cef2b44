#include "tests/model/support/BidTestSupport.h"

#include "model/check/BidErrors.h"
#include "model/check/CheckBid.h"
#include "model/check/FirmCommitments.h"
#include "model/check/Recalc.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct CheckBidTest : ::testing::Test {
    std::unique_ptr<CProp> prop = MakeBidProp();

    int Check()
    {
        RecalcBidTotals(prop.get());
        return CheckBid(prop.get(), true);
    }
    static std::vector<std::string> Messages()
    {
        std::vector<std::string> texts;
        for (const CBidError& entry : GetBidErrorList())
            texts.push_back(entry.m_strText);
        return texts;
    }
    int Word(int row) const { return GetItemCheckWord(*prop, row); }
    bool Flag(int bit) const { return TestFlagBit(prop->m_wFlags, bit) != 0; }
    void TearDown() override { ResetBidErrors(true); }
};

// The check word lives on the row for the views; it is the program's own note, not the bidder's
// data, so it never makes two rows differ.
TEST_F(CheckBidTest, FullyBidProposalPassesAndMarksItsRows)
{
    AddSection(*prop, "0001");
    AddItem(*prop, "0010", 2, 5);
    EXPECT_EQ(Check(), 1);
    EXPECT_THAT(Messages(), IsEmpty());
    EXPECT_FALSE(Flag(BID_ERRORS));
    EXPECT_TRUE(Flag(ITEM_LIST_VALID));
    EXPECT_TRUE(Word(0) & (1 << CHECK_FULLY_BID));
    EXPECT_TRUE(Word(1) & (1 << CHECK_FULLY_BID));
    EXPECT_EQ(Word(2), 0) << "past the end";
    EXPECT_EQ(Word(-1), 0);
    CItem copy;
    copy.CopyFrom(*prop->m_items[1]);
    EXPECT_EQ(copy.m_wCheck, Word(1));
    copy.m_wCheck = 0;
    EXPECT_TRUE(AreItemsEqual(copy, *prop->m_items[1]));
}

TEST_F(CheckBidTest, WithoutBidderIdNothingOfTheLastRunStays)
{
    AddSection(*prop, "0001");
    AddItem(*prop, "0010", 2, -1);
    EXPECT_EQ(Check(), 0);
    ASSERT_THAT(Messages(), ::testing::Not(IsEmpty()));
    prop->m_pBidder->Set(BIDDER_ID, "");
    ChangeFlagBit(&prop->m_wFlags, ITEM_LIST_VALID, 1);
    EXPECT_EQ(Check(), 0);
    EXPECT_THAT(Messages(), IsEmpty());
    EXPECT_EQ(GetBidErrorCounts(), 0);
    EXPECT_TRUE(Flag(BID_ERRORS));
    EXPECT_FALSE(Flag(ITEM_LIST_VALID));
    EXPECT_EQ(Word(0), 0);
    EXPECT_EQ(Word(1), 0);
    EXPECT_EQ(CheckBid(nullptr, true), 0);
}

TEST_F(CheckBidTest, UnbidItemsAndSections)
{
    AddSection(*prop, "0001");
    AddItem(*prop, "0010", 1, 5);
    AddItem(*prop, "0020", 1, -1);
    AddSection(*prop, "0002");
    AddItem(*prop, "0030", 1, -1);
    AddSection(*prop, "0003", "S9A", ITEM_IS_OPTION);
    AddItem(*prop, "0040", 1, -1);
    EXPECT_EQ(Check(), 0);
    EXPECT_THAT(Messages(), ElementsAre("Section Error : Section Error: section 0001 only partially bid",
                                        "Section Error : Section Error: section 0002 not bid",
                                        "Section Error : section option group S9 not bid",
                                        "Item Error : item I0020 (Line# 0020) not bid"));
    EXPECT_TRUE(Flag(BID_ERRORS));
    EXPECT_FALSE(Flag(ITEM_LIST_VALID));
    EXPECT_TRUE(Word(0) & (1 << CHECK_PARTLY_BID));
}

// In a plain section only the choices and groups of which something is bid are reported: group
// 02 and choice 01B, with nothing bid, leave it to the section's own message.
TEST_F(CheckBidTest, AlternateGroupMustBeBidWhole)
{
    AddSection(*prop, "0001");
    AddItem(*prop, "0010", 1, 5);
    AddItem(*prop, "0020", 1, 7, "01A", ITEM_IS_ALTERNATE);
    AddItem(*prop, "0030", 1, 8, "01A", ITEM_IS_ALTERNATE);
    AddItem(*prop, "0040", 1, -1, "01B", ITEM_IS_ALTERNATE);
    AddItem(*prop, "0050", 1, 2, "01C", ITEM_IS_ALTERNATE);
    AddItem(*prop, "0060", 1, -1, "01C", ITEM_IS_ALTERNATE);
    AddItem(*prop, "0070", 1, -1, "02A", ITEM_IS_ALTERNATE);
    AddItem(*prop, "0080", 1, -1, "02B", ITEM_IS_ALTERNATE);
    Check();
    EXPECT_THAT(Messages(), ElementsAre("Section Error : Section Error: section 0001 only partially bid",
                                        "Item Error : alternate item group 01 not fully bid",
                                        "Item Error : Alternate item choice 01C not fully bid",
                                        "Item Error : alternate item I0060 (Line# 0060) not bid"));
    EXPECT_TRUE(Word(2) & (1 << CHECK_CHOICE_FULLY_BID));
    EXPECT_TRUE(Word(5) & (1 << CHECK_CHOICE_PARTLY_BID));
    EXPECT_TRUE(Word(2) & (1 << CHECK_GROUP_WRONG));
}

// A plain item names itself whenever its section is partly bid, also in an alternate or option
// section whose own choice is not fully bid.
TEST_F(CheckBidTest, PlainItemOfAPartlyBidChoiceSectionIsReported)
{
    const std::pair<int, std::vector<std::string>> cases[] = {
        {ITEM_IS_ALTERNATE, {"Section Error : Alternate section group 01 not fully bid",
                             "Section Error : Section Error: section 0100 only partially bid",
                             "Item Error : item I0120 (Line# 0120) not bid"}},
        {ITEM_IS_OPTION, {"Section Error : Section Error: section 0100 only partially bid",
                          "Item Error : item I0120 (Line# 0120) not bid"}},
    };
    for (const auto& [kind, expected] : cases) {
        prop->m_items.DeleteAll();
        AddSection(*prop, "0100", "01A", kind);
        AddItem(*prop, "0110", 1, 5);
        AddItem(*prop, "0120", 1, -1);
        AddSection(*prop, "0200", "01B", kind);
        AddItem(*prop, "0210", 1, 5);
        EXPECT_EQ(Check(), 0);
        EXPECT_EQ(Messages(), expected) << (kind == ITEM_IS_OPTION ? "option" : "alternate");
    }
}

TEST_F(CheckBidTest, OptionGroupWantsExactlyOneChoice)
{
    AddSection(*prop, "0001");
    AddItem(*prop, "0010", 1, 5);
    // One option of two rows, both bid: one choice, correctly bid.
    AddItem(*prop, "0020", 1, 7, "02A", ITEM_IS_OPTION);
    AddItem(*prop, "0030", 1, 8, "02A", ITEM_IS_OPTION);
    AddItem(*prop, "0040", 1, -1, "02B", ITEM_IS_OPTION);
    EXPECT_EQ(Check(), 1);
    EXPECT_TRUE(Word(3) & (1 << CHECK_GROUP_CORRECT));

    prop->m_items[4]->m_fUnitPrice = 9;
    EXPECT_EQ(Check(), 0);
    EXPECT_THAT(Messages(), ElementsAre("Section Error : Section Error: section 0001 only partially bid",
                                        "Item Error : item option group 02 has too many choices bid"));

    // Nothing bid of the group: in a plain section the section's own message speaks for it.
    for (int row : {2, 3, 4})
        MakeEvalErrorValue(&prop->m_items[row]->m_fUnitPrice);
    Check();
    EXPECT_THAT(Messages(), ElementsAre("Section Error : Section Error: section 0001 only partially bid"));
}

// Codes compare whole and exactly, whatever their length: two rows of an option, both bid, are
// one choice only when their codes are the same.
TEST_F(CheckBidTest, OptionChoicesCompareWholeCodes)
{
    using namespace std::string_view_literals;
    const struct {
        std::string_view first;
        std::string_view second;
        bool oneChoice;
    } cases[] = {
        {"02LONGER1", "02LONGER1", true},  {"02LONGER1", "02LONGER2", false}, {"02A", "02a", false},
        {"02A", "02A\0"sv, false},          {"02ABCDE", "02ABCDEF", false},    {"02ABCDEF", "02ABCDE", false},
        {"02ABCDEFG", "02ABCDEFG", true}, {"02ABCDE", "02ABCDE", true},
    };
    AddSection(*prop, "0001");
    AddItem(*prop, "0010", 1, 7, "", ITEM_IS_OPTION);
    AddItem(*prop, "0020", 1, 8, "", ITEM_IS_OPTION);
    for (const auto& c : cases) {
        prop->m_items[1]->m_strAltCode = c.first;
        prop->m_items[2]->m_strAltCode = c.second;
        Check();
        EXPECT_EQ((Word(1) >> CHECK_GROUP_CORRECT) & 1, int(c.oneChoice)) << c.first << " / " << c.second;
    }
}

TEST_F(CheckBidTest, AlternateSectionsAcrossTheBid)
{
    AddSection(*prop, "0001", "S1A", ITEM_IS_ALTERNATE);
    AddItem(*prop, "0010", 1, 5);
    AddSection(*prop, "0002", "S1B", ITEM_IS_ALTERNATE);
    AddItem(*prop, "0020", 1, -1);
    AddItem(*prop, "0030", 1, -1, "01A", ITEM_IS_ALTERNATE);
    Check();
    // The unbid alternate section reports itself; its items stay quiet.
    EXPECT_THAT(Messages(), ElementsAre("Section Error : Alternate section group S1 not fully bid",
                                        "Section Error : Section Error: section 0002 not bid"));
    EXPECT_FALSE(Flag(ITEM_LIST_VALID));
}

// Formulas are evaluated once per text: a text that is one cap's maximum and another's minimum,
// or that means nothing, must still bound each item by its own cap.
TEST_F(CheckBidTest, BidCapsBoundTheUnitPrice)
{
    AddSection(*prop, "0001");
    for (auto [line, price] : {std::pair{"0005", 1.0}, {"0010", 5.0}, {"0020", 15.0}, {"0030", 15.0}, {"0040", -1.0}, {"0050", 12.0}})
        AddItem(*prop, line, 1, price);
    AddItem(*prop, "0060", 1, 30).m_strItemNum = "I0010"; // shares the cap of line 0010
    const char* limits[][3] = {{"I0010", "10", "2 * 10"}, {"I0020", "2 * 10", "30"}, {"I0030", "@QUAN * 16", "abc"},
                               {"I0040", "10", "2 * 10"}, {"I0050", "abc", "10"}};
    for (auto [name, minimum, maximum] : limits) {
        CBidCap* cap = prop->GetOrCreateBidCap(name);
        cap->m_iRuleCount = 1;
        cap->m_strMinimum[0] = minimum;
        cap->m_strMaximum[0] = maximum;
    }
    prop->m_bidCaps.Lookup("I0030")->m_strMessage[0] = "Price too low for %s";
    Check();
    EXPECT_THAT(Messages(), ElementsAre("Section Error : Section Error: section 0001 only partially bid",
                                        "Item Error : item I0010 (Line# 0010) Unit Price must bt at least $10.00",
                                        "Item Error : item I0020 (Line# 0020) Unit Price must bt at least $20.00",
                                        "Item Error : item I0030 (Line# 0030) Price too low for %s",
                                        "Item Error : item I0040 (Line# 0040) not bid",
                                        "Item Error : item I0050 (Line# 0050) Unit Price must not exceed $10.00",
                                        "Item Error : item I0010 (Line# 0060) Unit Price must not exceed $20.00"));
}

// The identical-item rule hashes item numbers for the cap lookup to reuse: a cap must follow its
// own row's number, also after the numbers change between checks and with the rule turned off.
TEST_F(CheckBidTest, CapsFollowTheirRowsItemNumberWithTheIdenticalItemRule)
{
    ChangeFlagBit(&prop->m_wFlags2, PROP2_IDENTICAL_ITEM_RULE, 1);
    AddSection(*prop, "0001");
    AddItem(*prop, "0010", 1, 5);
    AddItem(*prop, "0020", 1, 25);
    AddItem(*prop, "0030", 1, 30);
    for (const char* name : {"I0010", "I0020"}) {
        CBidCap* cap = prop->GetOrCreateBidCap(name);
        cap->m_iRuleCount = 1;
        cap->m_strMinimum[0] = "10";
        cap->m_strMaximum[0] = "20";
    }
    Check();
    EXPECT_THAT(Messages(), ElementsAre("Section Error : Section Error: section 0001 only partially bid",
                                        "Item Error : item I0010 (Line# 0010) Unit Price must bt at least $10.00",
                                        "Item Error : item I0020 (Line# 0020) Unit Price must not exceed $20.00"));
    EXPECT_TRUE(Word(3) & (1 << CHECK_FULLY_BID));

    prop->m_items[1]->m_strItemNum = "I0030";
    prop->m_items[3]->m_strItemNum = "I0010";
    ChangeFlagBit(&prop->m_wFlags2, PROP2_IDENTICAL_ITEM_RULE, 0);
    Check();
    EXPECT_THAT(Messages(), ElementsAre("Section Error : Section Error: section 0001 only partially bid",
                                        "Item Error : item I0020 (Line# 0020) Unit Price must not exceed $20.00",
                                        "Item Error : item I0010 (Line# 0030) Unit Price must not exceed $20.00"));
    EXPECT_TRUE(Word(1) & (1 << CHECK_FULLY_BID));
    EXPECT_FALSE(Word(3) & (1 << CHECK_FULLY_BID));
}

TEST_F(CheckBidTest, CapOnTheItemsTotalSeesTheTotalWithoutTheItem)
{
    AddSection(*prop, "0001");
    AddItem(*prop, "0010", 2, 30);
    AddItem(*prop, "0020", 1, 100);
    AddSection(*prop, "0002");
    AddItem(*prop, "0030", 1, 1000);
    CBidCap* cap = prop->GetOrCreateBidCap("I0010");
    cap->m_iRuleCount = 1;
    cap->m_strMaximum[0] = "(@TOTAL + @ITEMTOTAL + @EXT) / 1000";
    Check();
    // (1100 + 1160 + 60) / 1000 = 2.32
    EXPECT_THAT(Messages(), ElementsAre("Section Error : Section Error: section 0001 only partially bid",
                                        "Item Error : item I0010 (Line# 0010) Unit Price must not exceed $2.32"));
    EXPECT_EQ(prop->m_dItemsTotal, 1160) << "the proposal is left as it was";
    EXPECT_EQ(prop->m_items[1]->m_fExtension, 60);
}

TEST_F(CheckBidTest, IdenticalItemsMustShareTheirPrice)
{
    ChangeFlagBit(&prop->m_wFlags2, PROP2_IDENTICAL_ITEM_RULE, 1);
    AddSection(*prop, "0001");
    for (auto [line, price] : {std::pair{"0010", 5.0}, {"0020", 6.0}, {"0030", 5.0}, {"0040", 7.0}}) {
        AddItem(*prop, line, 1, price).m_strItemNum = "SAME";
    }
    Check();
    EXPECT_THAT(Messages(), ElementsAre(
        "Item Error : Line# 0020 has identical item at Line# 0010 with differing Unit Price.",
        "Item Error : Line# 0040 has identical item at Line# 0010 with differing Unit Price.",
        "Item Error : Line# 0040 has identical item at Line# 0030 with differing Unit Price.",
        "Section Error : Section Error: section 0001 only partially bid"));
    EXPECT_TRUE(Word(2) & (1 << CHECK_IDENTICAL_ITEM));
    EXPECT_FALSE(Word(3) & (1 << CHECK_IDENTICAL_ITEM));

    // Descriptions count only when the identity flags select them.
    prop->m_items[2]->m_strShortDesc = "other";
    prop->m_items[4]->m_strShortDesc = "third";
    prop->m_wDisplayFormatFlags = 1;
    EXPECT_EQ(Check(), 1);
}

// The marks are the firm items' stored entry flags, not their record flag words, and a copy of
// the proposal keeps them.
TEST_F(CheckBidTest, OvercommittedItemsWarn)
{
    AddSection(*prop, "0001");
    AddItem(*prop, "0010", 10, 5);
    AddItem(*prop, "0020", 4, 5);
    AddItem(*prop, "0030", 4, 5);
    CWinMeta& form = AddFirmForm(*prop, FIRM_DBE);
    CRowData& firm = AddFirm(form, "100");
    const uint16_t bothMarks = uint16_t(1 << DBEITEM_OVERCOMMITTED | 1 << DBEITEM_SINGLE_FIRM_OVER);
    for (auto [item, quantity, entryFlags, flags] :
         {std::tuple<int, double, uint16_t, uint16_t>{1, 12.5, 1 << DBEITEM_OVERCOMMITTED, 0}, {1, 2.5, 0, 0},
          {2, 1.0, 1 << DBEITEM_SINGLE_FIRM_OVER, 0}, {3, 9.0, 0, bothMarks}, {999, 1.0, 0, 0}}) {
        auto entry = std::make_unique<CDBEItem>();
        entry->m_iNumber = int16_t(item);
        entry->m_dQuantity = quantity;
        entry->m_wEntryFlags = entryFlags;
        entry->m_wFlags = flags;
        firm.m_dbeItems.Add(std::move(entry));
    }
    const auto expected = ElementsAre("Item Warning : item I0010 (Line# 0010) quantity overcommitted by DBE's (15 instead of 10)",
                                      "Item Warning : item I0020 (Line# 0020) quantity overcommitted by Single DBE");
    EXPECT_EQ(Check(), 1) << "warnings are not errors";
    EXPECT_THAT(Messages(), expected);
    EXPECT_EQ(GetItemCommittedQuantity(*prop, 1), 15);
    EXPECT_EQ(GetItemCommitState(*prop, 2), 2);
    EXPECT_EQ(GetItemCommitState(*prop, 3), 0);
    EXPECT_EQ(GetItemCommitState(*prop, 999), 0);

    CProp copy;
    copy.CopyFrom(*prop);
    copy.m_pBidder = std::make_unique<CBidderInfo>(*prop->m_pBidder);
    RecalcBidTotals(&copy);
    CheckBid(&copy, true);
    EXPECT_THAT(Messages(), expected);
}

TEST_F(CheckBidTest, DbeGoalsRowsAndListedValues)
{
    AddSection(*prop, "0001");
    AddItem(*prop, "0010", 1, 1000);
    CWinMeta& form = AddFirmForm(*prop, FIRM_DBE);
    form.m_dGoal = 10;
    form.m_iGeometry[1] = BID_WARNING;
    EXPECT_EQ(Check(), 1);
    EXPECT_THAT(Messages(), ElementsAre("DBE Warning : DBE Commitment Goal not met"));
    EXPECT_EQ(GetFormErrorState(form), BID_ERROR) << "a form without firms";

    // The goal's severity is the agency's: one outside the three, such as a word stored as
    // 0xFFFF, is an error and fails the bid.
    AddFirm(form, "50");
    form.m_iGeometry[1] = int16_t(0xFFFF);
    EXPECT_EQ(Check(), 0);
    EXPECT_THAT(Messages(), ElementsAre("DBE Error : DBE Commitment Goal not met"));
    EXPECT_EQ(GetFormErrorState(form), BID_ERROR);

    form.m_iGeometry[1] = BID_WARNING;
    AddFirm(form, "50", "Subcontractor", "Yes", false);
    ChangeFlagBit(&form.m_wFlags, FORM_CHECK_LISTED_VALUES, 1);
    CFieldInfo& listed = *form.m_fields[2];
    listed.m_iKind = 7;
    listed.m_strText = "Firm type";
    ChangeFlagBit(&listed.m_wFlags, 2, 1);
    form.m_strFirstText = "Not enough DBE participation";
    Check();
    EXPECT_THAT(Messages(), ElementsAre("DBE Warning : Not enough DBE participation",
                                        "DBE Notice : Firm type Subcontractor not chosen from list (DBE #1)",
                                        "DBE Error : DBE Entry #2 is incomplete",
                                        "DBE Notice : Firm type Subcontractor not chosen from list (DBE #2)"));
    EXPECT_EQ(GetFormErrorState(form), BID_ERROR);

    ChangeFlagBit(&form.m_wFlags, FORM_BIDDER_IS_CERTIFIED, 1);
    EXPECT_EQ(Check(), 1);
    EXPECT_THAT(Messages(), IsEmpty());
    EXPECT_EQ(GetFormErrorState(form), 0);
}

TEST_F(CheckBidTest, MiscFormsNeedTheirFirstRow)
{
    ChangeFlagBit(&prop->m_wFlags, PROP_HAS_MISC_FORMS, 1);
    for (const char* title : {"", "Questionnaire", "", ""})
        prop->m_miscForms.Add(std::make_unique<CWinMeta>())->m_strFurtherTexts[0] = title;
    ChangeFlagBit(&prop->m_miscForms[3]->m_wFlags, FORM_MISC_NOT_REQUIRED, 1);
    Check();
    EXPECT_THAT(Messages(), ElementsAre("Misc Error : Required fields not entered in Misc Data screen",
                                        "Misc Error : Required fields not entered in Questionnaire screen",
                                        "Misc Error : Required fields not entered in Misc Data 3 screen"));
}

struct BondCheckTest : CheckBidTest {
    CWinMeta& bond = *(prop->m_pBondForm = std::make_unique<CWinMeta>());

    void SetUp() override
    {
        ChangeFlagBit(&prop->m_wFlags2, PROP2_HAS_BOND_FORM, 1);
        AddSection(*prop, "0001");
        AddItem(*prop, "0010", 1, 10000);
        for (int column = 0; column < 4; ++column)
            bond.m_fields.Add(std::make_unique<CFieldInfo>());
        bond.m_wColumnOfId[BOND_FIELD_PERCENT] = 1;
        bond.m_wColumnOfId[BOND_FIELD_AMOUNT] = 2;
        bond.m_dGoal = 5;
        bond.m_dSecondNumber = 50; // the required percentage is the goal, not this stored number
        bond.m_iGeometry[1] = BID_ERROR;
        bond.m_iGeometry[2] = BID_WARNING;
    }
    void Fill(const char* percent, const char* amount)
    {
        CRowData& row = bond.m_rows.IsEmpty() ? *bond.AddRow(-1, -1) : *bond.m_rows[0];
        ChangeFlagBit(&row.m_wFlags, ROW_COMPLETE, 1);
        row.m_cells[1]->m_strText = percent;
        row.m_cells[2]->m_strText = amount;
    }
};

TEST_F(BondCheckTest, IncompleteUnverifiedBond)
{
    Check();
    EXPECT_THAT(Messages(), ElementsAre("Bond Error : Data Error: Required fields not entered in Zod Bond Data screen"));
    EXPECT_EQ(GetFormErrorState(bond), BID_ERROR);
    ChangeFlagBit(&bond.m_wFlags, FORM_BOND_PAID_BY_CHECK, 1);
    EXPECT_EQ(Check(), 1);
    EXPECT_EQ(GetFormErrorState(bond), 0);
}

TEST_F(BondCheckTest, PercentageAndAmountBelowTheRequired)
{
    Fill("4.5 %", "$400");
    Check();
    EXPECT_THAT(Messages(), ElementsAre("Bond Warning : Bond Has not been verified",
                                        "Bond Error : Minimum Bond percentage is 5.00%",
                                        "Bond Error : Bond Amount is less than the required $500.00"));
    ChangeFlagBit(&bond.m_wFlags, FORM_BOND_VERIFIED, 1);
    Fill("5%", "$1,000");
    EXPECT_EQ(Check(), 1);
    EXPECT_THAT(Messages(), IsEmpty());
}

TEST_F(CheckBidTest, SitesNeedTheirDays)
{
    ChangeFlagBit(&prop->m_wFlags2, PROP2_TIME_COSTS_IN_BID, 1);
    for (int days : {-1, 12, 65535}) {
        CSite& site = *prop->m_sites.Add(std::make_unique<CSite>());
        ChangeFlagBit(&site.m_wFlags, SITE_BIDDABLE, 1);
        site.m_iNumberOfDays = days;
        site.m_dRoadCostPerDay = 10;
    }
    Check();
    EXPECT_THAT(Messages(), ElementsAre("Site Error :  Required fields not entered in Site Number 1",
                                        "Site Error :  Required fields not entered in Site Number 3"));
    EXPECT_FALSE(TestFlagBit(prop->m_wFlags2, SITE_LIST_VALID));
    prop->m_sites[0]->m_iNumberOfDays = 1;
    prop->m_sites[2]->m_iNumberOfDays = 1;
    EXPECT_EQ(Check(), 1);
    EXPECT_TRUE(TestFlagBit(prop->m_wFlags2, SITE_LIST_VALID));
}

TEST_F(CheckBidTest, RangesFollowTheIntegerDigitsOfTheFormats)
{
    prop->m_numberFormats[NUMFMT_AMOUNT].m_byWidth = 9;
    AddSection(*prop, "0001");
    AddItem(*prop, "0010", 1, 999999999.99);
    EXPECT_EQ(Check(), 1);
    AddItem(*prop, "0020", 1, 0.01);
    Check();
    EXPECT_THAT(Messages(), ElementsAre("Section Error : Section Error: section 0001 total is out of range",
                                        "Section Error : Section Error: section 0001 only partially bid",
                                        "Proposal Error : Zod Error: Zod Total total is out of range"));
    prop->m_numberFormats[NUMFMT_UNIT_PRICE].m_byWidth = 2;
    prop->m_items.DeleteAt(2);
    prop->m_items[1]->m_fUnitPrice = 100;
    Check();
    EXPECT_THAT(Messages(), ElementsAre("Section Error : Section Error: section 0001 not bid",
                                        "Item Error : item I0010 (Line# 0010) Unit Price is out of range"));
}

} // namespace
