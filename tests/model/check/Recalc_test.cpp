#include "tests/model/support/BidTestSupport.h"

#include "model/check/Recalc.h"
#include "model/check/RecalcItems.h"

#include <gtest/gtest.h>

namespace {

struct RoundingCase {
    double quantity;
    double price;
    int decimals;
    double extension;
};

class ExtensionRoundingTest : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(ExtensionRoundingTest, RoundsHalfAwayFromZero)
{
    const RoundingCase& c = GetParam();
    auto prop = MakeBidProp();
    prop->m_numberFormats[NUMFMT_AMOUNT].m_byDecimals = uint8_t(c.decimals);
    CItem& item = AddItem(*prop, "0010", c.quantity, c.price);
    RecalcItem(*prop, item);
    EXPECT_EQ(item.m_fExtension, c.extension);
    EXPECT_EQ(item.m_fExtension2, item.m_fExtension);
    EXPECT_EQ(item.m_fUnitPrice2, item.m_fUnitPrice);
}

INSTANTIATE_TEST_SUITE_P(Cases, ExtensionRoundingTest, ::testing::Values(
    RoundingCase{3, 1.005, 2, 3.02},
    RoundingCase{-1, 2.345, 2, -2.35},
    RoundingCase{1, 12345678.123455, 5, 12345678.12346}, // stored just below the half
    RoundingCase{-2, 4938271.605495, 5, -9876543.21099},
    RoundingCase{7, 0.125, 2, 0.88},
    RoundingCase{2, 0.004, 2, 0.01},
    RoundingCase{2, 0.0024, 2, 0}));

TEST(SectionTotalTest, CountsPricedItemsOnly)
{
    auto prop = MakeBidProp();
    CItem& section = AddSection(*prop, "0001");
    AddItem(*prop, "0010", 2, 50);
    CItem& unpriced = AddItem(*prop, "0020", 3, -1);
    MakeEvalErrorValue(&AddItem(*prop, "0025", 0, 5).m_fQuan);
    CItem& fixed = AddItem(*prop, "0030", 1, 1000);
    ChangeFlagBit(&fixed.m_wFlags, ITEM_FIXED_PRICE, 1);
    CItem& fixedPriced = AddItem(*prop, "0040", 1, 7);
    ChangeFlagBit(&fixedPriced.m_wFlags, ITEM_FIXED_PRICE, 1);
    ChangeFlagBit(&fixedPriced.m_wFlags, ITEM_FIXED_COUNTS_PRICED, 1);
    AddItem(*prop, "0050", 1, 30, "03A", ITEM_IS_OPTION);
    RecalcBidTotals(prop.get());
    EXPECT_FALSE(IsEvalValueValid(unpriced.m_fExtension));
    EXPECT_FALSE(IsEvalValueValid(prop->m_items[3]->m_fExtension2)) << "no quantity";
    EXPECT_EQ(section.m_fExtension, 100 + 7 + 30);
    EXPECT_EQ(section.m_fExtension2, section.m_fExtension);
    EXPECT_EQ(prop->m_dItemsTotal, section.m_fExtension);
    EXPECT_EQ(prop->m_dProposalTotal, prop->m_dItemsTotal);
}

TEST(SectionTotalTest, RowsBeforeTheFirstSectionBelongToNone)
{
    auto prop = MakeBidProp();
    CItem& loose = AddItem(*prop, "0005", 1, 9);
    AddSection(*prop, "0001");
    AddItem(*prop, "0010", 1, 10);
    RecalcBidTotals(prop.get());
    EXPECT_EQ(prop->m_dItemsTotal, 10);
    // Asking for the section of the loose row must not turn its price into a total.
    RecalcSection(*prop, 0);
    EXPECT_EQ(loose.m_fExtension, 9);
}

// Alternate items of one section after a plain item of 100: the rows chosen and the total.
struct ChoiceCase {
    const char* name;
    std::vector<std::pair<const char*, double>> alternates; // code and price, below 0 not entered
    bool byCode;
    const char* chosen; // per alternate, '1' when chosen
    double total;
    int excludedRow = -1;
};

void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }

class AlternateChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(AlternateChoiceTest, OneChoiceOfEachGroupCounts)
{
    const ChoiceCase& c = GetParam();
    auto prop = MakeBidProp();
    ChangeFlagBit(&prop->m_wFlags, PROP_ALT_ITEMS_BY_CODE, c.byCode ? 1 : 0);
    CItem& section = AddSection(*prop, "0001");
    AddItem(*prop, "0010", 1, 100);
    std::vector<CItem*> rows;
    for (auto [code, price] : c.alternates)
        rows.push_back(&AddItem(*prop, "002" + std::to_string(rows.size()), 1, price, code, ITEM_IS_ALTERNATE));
    if (c.excludedRow >= 0)
        ChangeFlagBit(&rows[size_t(c.excludedRow)]->m_wFlags, ITEM_NOT_IN_CHOICE, 1);
    EXPECT_EQ(RecalcBidTotals(prop.get()), std::string_view(c.chosen).find('1') != std::string_view::npos);
    EXPECT_EQ(RecalcBidTotals(prop.get()), 0) << "nothing changed the second time";
    std::string chosen;
    for (const CItem* row : rows)
        chosen += Chosen(*row) ? '1' : '0';
    EXPECT_EQ(chosen, c.chosen);
    EXPECT_EQ(section.m_fExtension, c.total);
}

INSTANTIATE_TEST_SUITE_P(Cases, AlternateChoiceTest, ::testing::Values(
    ChoiceCase{"the lower total", {{"01A", 500}, {"01B", 400}}, false, "01", 500},
    ChoiceCase{"by code the first choice", {{"01A", 500}, {"01B", 400}}, true, "10", 600},
    ChoiceCase{"equal totals keep the first", {{"01A", 500}, {"01B", 500}}, false, "10", 600},
    ChoiceCase{"two groups", {{"01A", 500}, {"02A", 400}}, false, "11", 1000},
    ChoiceCase{"rows of a choice add up", {{"01A", 500}, {"01B", -1}, {"01A", 50}}, false, "101", 650},
    // A choice with an unpriced row loses whatever the order of its rows, not only when the
    // unpriced row comes first.
    ChoiceCase{"unpriced first row", {{"01A", -1}, {"01A", 100}, {"01B", 150}}, false, "001", 250},
    ChoiceCase{"unpriced later row", {{"01A", 100}, {"01A", -1}, {"01B", 150}}, false, "001", 250},
    ChoiceCase{"an excluded row counts when priced", {{"01A", 500}, {"01B", 400}}, false, "11", 1000, 0}));

TEST(BidTotalTest, AlternateSectionsAreChosenAcrossTheBid)
{
    auto prop = MakeBidProp();
    AddSection(*prop, "0001");
    AddItem(*prop, "0010", 1, 10);
    CItem& costly = AddSection(*prop, "0002", "S1A", ITEM_IS_ALTERNATE);
    AddItem(*prop, "0020", 1, 1000);
    CItem& cheap = AddSection(*prop, "0003", "S1B", ITEM_IS_ALTERNATE);
    AddItem(*prop, "0030", 1, 800);
    CItem& unbid = AddSection(*prop, "0004", "S1C", ITEM_IS_ALTERNATE);
    AddItem(*prop, "0040", 1, -1);
    RecalcBidTotals(prop.get());
    EXPECT_TRUE(Chosen(cheap));
    EXPECT_FALSE(Chosen(costly));
    EXPECT_FALSE(Chosen(unbid)) << "a section with no priced item is never chosen";
    EXPECT_EQ(prop->m_dItemsTotal, 810);

    ChangeFlagBit(&prop->m_wFlags, PROP_ALT_SECTIONS_BY_CODE, 1);
    EXPECT_EQ(RecalcBidTotals(prop.get()), 1);
    EXPECT_TRUE(Chosen(costly));
    EXPECT_EQ(prop->m_dItemsTotal, 1010);

    // One section and the bid total again, as after an edit of one price.
    ChangeFlagBit(&prop->m_wFlags, PROP_ALT_SECTIONS_BY_CODE, 0);
    RecalcBidTotals(prop.get());
    ASSERT_TRUE(Chosen(cheap));
    prop->m_items[5]->m_fUnitPrice = 1200;
    RecalcItem(*prop, *prop->m_items[5]);
    EXPECT_FALSE(RecalcSection(*prop, 5));
    EXPECT_EQ(cheap.m_fExtension, 1200);
    EXPECT_TRUE(RecalcBidTotal(*prop)) << "the first section is the cheaper one now";
    EXPECT_TRUE(Chosen(costly));
    EXPECT_FALSE(Chosen(cheap));
    EXPECT_EQ(prop->m_dItemsTotal, 1010);
}

TEST(SiteTest, OnlyValidBiddableSitesCountAndOnlyWhenTheBidIncludesThem)
{
    auto prop = MakeBidProp();
    AddSection(*prop, "0001");
    AddItem(*prop, "0010", 1, 100);
    const auto addSite = [&](int days, double cost, bool biddable) -> CSite& {
        CSite& site = *prop->m_sites.Add(std::make_unique<CSite>());
        site.m_iNumberOfDays = days;
        site.m_dRoadCostPerDay = cost;
        ChangeFlagBit(&site.m_wFlags, SITE_BIDDABLE, biddable ? 1 : 0);
        return site;
    };
    CSite& valid = addSite(10, 50, true);
    CSite& freeOfCost = addSite(10, 0, true);
    CSite& noDays = addSite(65535, 50, true);
    addSite(3, 50, false);
    RecalcBidTotals(prop.get());
    EXPECT_EQ(prop->m_dTimeTotal, 0);
    EXPECT_EQ(valid.m_dSiteTotal, 500);
    EXPECT_FALSE(TestFlagBit(freeOfCost.m_wFlags, SITE_VALID));
    EXPECT_FALSE(IsEvalValueValid(freeOfCost.m_dSiteTotal));
    EXPECT_FALSE(IsEvalValueValid(noDays.m_dSiteTotal));

    ChangeFlagBit(&prop->m_wFlags2, PROP2_TIME_COSTS_IN_BID, 1);
    RecalcBidTotals(prop.get());
    EXPECT_EQ(prop->m_dTimeTotal, 500);
    EXPECT_EQ(prop->m_dProposalTotal, 600);
    EXPECT_EQ(prop->m_dSecondBidTotal, 600);
}

struct CommitmentTest : ::testing::Test {
    std::unique_ptr<CProp> prop = MakeBidProp();
    CWinMeta& form = AddFirmForm(*prop, FIRM_DBE);

    void SetUp() override
    {
        AddSection(*prop, "0001");
        AddItem(*prop, "0010", 10, 100);
    }
    double Commitment()
    {
        RecalcBidTotals(prop.get());
        return GetFormCommitment(form);
    }
};

TEST_F(CommitmentTest, SuppliersCountSixtyPerCentAndRowsThatDoNotCountAddNothing)
{
    for (CWinMeta* firms : {&form, &AddFirmForm(*prop, FIRM_MBE), &AddFirmForm(*prop, FIRM_WBE)}) {
        firms->m_dGoal = 12.5;
        AddFirm(*firms, "$1,000", "Supplier");
        AddFirm(*firms, "250", "subcontractor");
        AddFirm(*firms, "5000", "Subcontractor", "No");
        AddFirm(*firms, "7000", "Subcontractor", "Yes", false);
    }
    RecalcBidTotals(prop.get());
    for (int type : {FIRM_DBE, FIRM_MBE, FIRM_WBE}) {
        // The form's second stored number holds the commitment; the first is the agency's goal.
        EXPECT_DOUBLE_EQ(prop->GetDbeForm(type)->m_dSecondNumber, 850) << GetDbeTypeName(type);
        EXPECT_EQ(prop->GetDbeForm(type)->m_dGoal, 12.5);
    }
}

TEST_F(CommitmentTest, AnAmountInBracketsCountsAsTheEvaluatorReadsIt)
{
    AddFirm(form, "($1,000)");
    AddFirm(form, "250");
    EXPECT_DOUBLE_EQ(Commitment(), 1250);
}

TEST_F(CommitmentTest, AmountsFromFirmItemsUseTheProposalsCurrency)
{
    prop->m_strFurtherReferences[0] = "EUR ";
    ChangeFlagBit(&form.m_wFlags, FORM_ROWS_HAVE_FIRM_ITEMS, 1);
    CRowData& firm = AddFirm(form, "stale");
    for (double extension : {120.5, -20.0, MakeEvalErrorValue()}) {
        auto entry = std::make_unique<CDBEItem>();
        entry->m_iNumber = 1;
        entry->m_dExtension = extension;
        firm.m_dbeItems.Add(std::move(entry));
    }
    CRowData& empty = AddFirm(form, "stale");
    EXPECT_DOUBLE_EQ(Commitment(), 100.5);
    EXPECT_EQ(firm.m_cells[1]->m_strText, "EUR 100.50");
    EXPECT_EQ(empty.m_cells[1]->m_strText, "");
}

// Amounts the program wrote with the proposal's own symbol, and one as the bidder typed it, count
// whole whatever the symbol holds (a "$" of its own, a blank, a byte outside ASCII).
class CommitmentCurrency : public CommitmentTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(CommitmentCurrency, CountsAmountsWrittenWithTheSymbol)
{
    const std::string symbol = GetParam();
    prop->m_strFurtherReferences[0] = symbol;
    AddFirm(form, symbol + "1,234.50");
    AddFirm(form, "(" + symbol + "1,000.00)", "Supplier");
    CRowData& fromItems = AddFirm(form, "stale");
    auto entry = std::make_unique<CDBEItem>();
    entry->m_iNumber = 1;
    entry->m_dExtension = 2000;
    fromItems.m_dbeItems.Add(std::move(entry));
    EXPECT_DOUBLE_EQ(Commitment(), 1234.5 + 600);
    // Rows summed from their items are written with the symbol and read back.
    ChangeFlagBit(&form.m_wFlags, FORM_ROWS_HAVE_FIRM_ITEMS, 1);
    EXPECT_DOUBLE_EQ(Commitment(), 2000);
    EXPECT_EQ(fromItems.m_cells[1]->m_strText, symbol + "2000.00");
}

INSTANTIATE_TEST_SUITE_P(Symbols, CommitmentCurrency, ::testing::Values("$", "", "US$", "C$", "EUR ", "\x80"));

TEST_F(CommitmentTest, CertifiedBidderCommitsTheItemsTotalAndInactiveTypesAreLeftAlone)
{
    AddFirm(form, "5");
    ChangeFlagBit(&form.m_wFlags, FORM_BIDDER_IS_CERTIFIED, 1);
    EXPECT_EQ(Commitment(), 1000);
    ChangeFlagBit(&form.m_wFlags, FORM_BIDDER_IS_CERTIFIED, 0);
    ChangeFlagBit(&prop->m_wFlags, PROP_HAS_DBE_FORM, 0);
    SetFormCommitment(form, 77);
    EXPECT_EQ(Commitment(), 77);
    ChangeFlagBit(&prop->m_wFlags, PROP_HAS_DBE_FORM, 1);
    form.m_rows.DeleteAll();
    EXPECT_EQ(Commitment(), 0);
}

struct GoalCase {
    bool byPercent;
    double goal;
    double commitment;
    int decimals;
    int expected;
};

class DbeGoalTest : public ::testing::TestWithParam<GoalCase> {};

TEST_P(DbeGoalTest, ComparesRoundedFigures)
{
    const GoalCase& c = GetParam();
    auto prop = MakeBidProp();
    prop->m_dItemsTotal = 1000;
    CWinMeta& form = AddFirmForm(*prop, FIRM_MBE);
    form.m_bytePair = {5, uint8_t(c.decimals)}; // integer digits, then the decimals that count
    form.m_dGoal = c.goal;
    ChangeFlagBit(&form.m_wFlags, FORM_GOAL_BY_PERCENT, c.byPercent ? 1 : 0);
    SetFormCommitment(form, c.commitment);
    EXPECT_EQ(IsDbeGoalMet(prop.get(), FIRM_MBE), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, DbeGoalTest, ::testing::Values(
    GoalCase{true, 10, 100, 2, 1},
    GoalCase{true, 10, 99.9996, 2, 1},
    GoalCase{true, 10, 99.9, 2, 0},
    GoalCase{true, 33.35, 333.466, 0, 1}, // 33 against 33
    GoalCase{true, 33.35, 333.466, 1, 0}, // 33.3 against 33.4
    GoalCase{true, 33.35, 333.466, 2, 1}, // 33.35 against 33.35
    GoalCase{true, 33.35, 333.466, 3, 0}, // 33.347 against 33.350
    GoalCase{false, 10, 99.996, 2, 1},
    GoalCase{false, 10, 99.99, 2, 0},
    GoalCase{false, 0, 0, 2, 1},
    GoalCase{false, 10, MakeEvalErrorValue(), 2, 0}));

TEST(DbeGoalTest, MissingProposalFormOrTotalCountsAsMet)
{
    EXPECT_EQ(IsDbeGoalMet(nullptr, FIRM_DBE), 1);
    auto prop = MakeBidProp();
    EXPECT_EQ(IsDbeGoalMet(prop.get(), FIRM_DBE), 1);
    CWinMeta& form = AddFirmForm(*prop, FIRM_DBE);
    form.m_dGoal = 5;
    MakeEvalErrorValue(&prop->m_dItemsTotal);
    EXPECT_EQ(IsDbeGoalMet(prop.get(), FIRM_DBE), 1);
    EXPECT_EQ(IsDbeGoalMet(prop.get(), 4), 1);
    EXPECT_FALSE(IsDbeTypeActive(*prop, 0));
    EXPECT_EQ(GetPropDbeForm(*prop, 9), nullptr);
}

TEST(ItemListWalkTest, FindsSectionsNextItemsAndDuplicateLines)
{
    auto prop = MakeBidProp();
    AddSection(*prop, "0010");
    AddItem(*prop, "0010", 1, 1);
    AddItem(*prop, "0020", 1, 1);
    AddSection(*prop, "0020");
    AddItem(*prop, "0030", 1, 1);
    AddItem(*prop, "0020", 1, 1);
    EXPECT_EQ(FindSectionRow(*prop, 5), 3);
    EXPECT_EQ(FindSectionRow(*prop, 99), 3);
    EXPECT_EQ(FindNextItem(*prop, 2, 1), 4);
    EXPECT_EQ(FindNextItem(*prop, 4, -1), 2);
    EXPECT_EQ(FindNextItem(*prop, 5, 1), -1);
    EXPECT_EQ(FindNextItem(*prop, 1, 2), -1);
    EXPECT_EQ(FindNextItem(*prop, -7, 1), -1);
    EXPECT_EQ(FindDuplicateLineNumber(*prop), "0020") << "a section row and an item may share a line";
    ChangeFlagBit(&prop->m_wFlags, PROP_IS_AMENDMENT, 1);
    EXPECT_EQ(FindDuplicateLineNumber(*prop), std::nullopt);
}

TEST(FormatItemTextTest, FillsTheFieldsWithTheProposalsFormats)
{
    auto prop = MakeBidProp();
    prop->m_strFurtherReferences[0] = "$";
    CItem& item = AddItem(*prop, "0010", 1234.5, 2.5, "01A");
    item.m_strUnit = "CY";
    item.m_strShortDesc = "Excavation %1";
    RecalcItem(*prop, item);
    EXPECT_EQ(FormatItemText("%1 %2 %8", item, *prop), "0010 01A Excavation %1");
    EXPECT_EQ(FormatItemText("%3|%4 %5 @ %6 = %7|%0", item, *prop), "I0010|1,234.500 CY @ $2.50 = $3,086.25|%0");
}

} // namespace
