// Recalculation and Check Zod against the stored fields of the agency's form records, set here
// member by member as the proposal file fills them, so that a check reading the wrong field fails.

#include "tests/model/support/BidTestSupport.h"

#include "model/check/BidErrors.h"
#include "model/check/CheckBid.h"
#include "model/check/FirmCommitments.h"
#include "model/check/Recalc.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct FormFieldsTest : ::testing::Test {
    std::unique_ptr<CProp> prop = MakeBidProp();

    void SetUp() override
    {
        AddSection(*prop, "0001");
        AddItem(*prop, "0010", 10, 300);
    }
    void TearDown() override { ResetBidErrors(true); }

    static std::vector<std::string> Messages()
    {
        std::vector<std::string> texts;
        for (const CBidError& entry : GetBidErrorList())
            texts.push_back(entry.m_strText);
        return texts;
    }
    std::vector<std::string> CheckMessages()
    {
        RecalcBidTotals(prop.get());
        CheckBid(prop.get(), true);
        return Messages();
    }
};

TEST_F(FormFieldsTest, CommitmentGoesToTheSecondFormNumberAndLeavesTheGoalAlone)
{
    for (int type : {FIRM_DBE, FIRM_MBE, FIRM_WBE}) {
        CWinMeta& form = AddFirmForm(*prop, type);
        form.m_dGoal = 12.5;
        AddFirm(form, "250");
        AddFirm(form, "$1,000", "Supplier");
    }
    RecalcBidTotals(prop.get());
    for (int type : {FIRM_DBE, FIRM_MBE, FIRM_WBE}) {
        const CWinMeta& form = *prop->GetDbeForm(type);
        EXPECT_DOUBLE_EQ(form.m_dSecondNumber, 850) << GetDbeTypeName(type);
        EXPECT_EQ(form.m_dGoal, 12.5);
    }

    ChangeFlagBit(&prop->m_pWbeForm->m_wFlags, FORM_BIDDER_IS_CERTIFIED, 1);
    RecalcBidTotals(prop.get());
    EXPECT_EQ(prop->m_pWbeForm->m_dSecondNumber, 3000) << "a certified bidder commits the items total";
    EXPECT_EQ(prop->m_pWbeForm->m_dGoal, 12.5);
}

// The items total is 3000 and the firm commits 1000.40: 33.34666... per cent.
struct PercentCase {
    double goal;
    std::array<uint8_t, 2> percentFormat; // integer digits, decimals
    bool met;
};

void PrintTo(const PercentCase& c, std::ostream* os)
{
    *os << "goal " << c.goal << " in format " << int(c.percentFormat[0]) << '.' << int(c.percentFormat[1]);
}

class PercentFormatTest : public FormFieldsTest, public ::testing::WithParamInterface<PercentCase> {};

TEST_P(PercentFormatTest, GoalIsTheFirstFormNumberRoundedToTheDecimalsOfTheSecondByte)
{
    const PercentCase& c = GetParam();
    CWinMeta& form = AddFirmForm(*prop, FIRM_DBE);
    ChangeFlagBit(&form.m_wFlags, FORM_GOAL_BY_PERCENT, 1);
    form.m_dGoal = c.goal;
    form.m_dSecondNumber = 99999; // whatever a file held there, recalculation replaces it
    form.m_bytePair = c.percentFormat;
    form.m_iGeometry[1] = BID_WARNING;
    AddFirm(form, "1000.40");
    if (c.met)
        EXPECT_THAT(CheckMessages(), IsEmpty());
    else
        EXPECT_THAT(CheckMessages(), ElementsAre("DBE Warning : DBE Commitment Goal not met"));
}

INSTANTIATE_TEST_SUITE_P(Cases, PercentFormatTest, ::testing::Values(
    PercentCase{33.35, {0, 1}, false}, // 33.3 against 33.4
    PercentCase{33.35, {1, 0}, true},  // 33 against 33
    PercentCase{33.35, {3, 2}, true},  // 33.35 against 33.35
    PercentCase{33.35, {2, 3}, false}, // 33.347 against 33.35
    PercentCase{34, {2, 0}, false}));

TEST_F(FormFieldsTest, BondMinimumIsTheFormsGoalNotTheNumberRecalculationStores)
{
    ChangeFlagBit(&prop->m_wFlags2, PROP2_HAS_BOND_FORM, 1);
    CWinMeta& bond = *(prop->m_pBondForm = std::make_unique<CWinMeta>());
    for (int column = 0; column < 4; ++column)
        bond.m_fields.Add(std::make_unique<CFieldInfo>());
    bond.m_wColumnOfId[BOND_FIELD_PERCENT] = 1;
    ChangeFlagBit(&bond.m_wFlags, FORM_BOND_VERIFIED, 1);
    bond.m_dGoal = 5;
    bond.m_dSecondNumber = 50;
    bond.m_iGeometry[1] = BID_ERROR;
    CRowData& row = *bond.AddRow(-1, -1);
    ChangeFlagBit(&row.m_wFlags, ROW_COMPLETE, 1);

    row.m_cells[1]->m_strText = "6 %";
    EXPECT_THAT(CheckMessages(), IsEmpty());
    row.m_cells[1]->m_strText = "4.5%";
    EXPECT_THAT(CheckMessages(), ElementsAre("Bond Error : Minimum Bond percentage is 5.00%"));
}

TEST_F(FormFieldsTest, OverCommitmentMarksAreTheStoredEntryFlagsNotTheRecordFlags)
{
    AddItem(*prop, "0020", 4, 5);
    CRowData& firm = AddFirm(AddFirmForm(*prop, FIRM_MBE), "100");
    for (int item : {1, 2}) {
        auto entry = std::make_unique<CDBEItem>();
        entry->m_iNumber = int16_t(item);
        entry->m_dQuantity = 11;
        entry->m_wFlags = uint16_t(1 << DBEITEM_OVERCOMMITTED | 1 << DBEITEM_SINGLE_FIRM_OVER);
        firm.m_dbeItems.Add(std::move(entry));
    }
    EXPECT_THAT(CheckMessages(), IsEmpty()) << "the record flag word carries no marks";
    EXPECT_EQ(GetItemCommitState(*prop, 1), 0);

    ChangeFlagBit(&firm.m_dbeItems[0]->m_wEntryFlags, DBEITEM_OVERCOMMITTED, 1);
    ChangeFlagBit(&firm.m_dbeItems[1]->m_wEntryFlags, DBEITEM_SINGLE_FIRM_OVER, 1);
    const auto expected = ElementsAre("Item Warning : item I0010 (Line# 0010) quantity overcommitted by DBE's (11 instead of 10)",
                                      "Item Warning : item I0020 (Line# 0020) quantity overcommitted by Single DBE");
    EXPECT_THAT(CheckMessages(), expected);

    // A copy of the proposal keeps the marks the firm item views left.
    CProp copy;
    copy.CopyFrom(*prop);
    copy.m_pBidder = std::make_unique<CBidderInfo>(*prop->m_pBidder);
    RecalcBidTotals(&copy);
    CheckBid(&copy, true);
    EXPECT_THAT(Messages(), expected);
}

} // namespace
