// Texts the bidder types into a price or a quantity, and what is stored or why it is refused.
#include "model/entry/TypedEntry.h"
#include "model/eval/Evaluator.h"
#include "model/settings/UnitTable.h"
#include "tests/model/support/BidTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Typed {
    const char* text;
    double stored; // NAN: cleared (not entered)
    const char* refusal; // part of the message; null when taken
};

class TypedPrices : public ::testing::TestWithParam<Typed> {
protected:
    std::unique_ptr<CProp> m_prop = MakeBidProp();
    CItem& m_item = AddItem(*m_prop, "0010", 4, 2.5);
};

} // namespace

TEST_P(TypedPrices, AreStoredOrRefused)
{
    const Typed typed = GetParam();
    const TypedEntry entry = ReadItemPrice(*m_prop, m_item, typed.text);
    EXPECT_EQ(entry.field, "Unit Price");
    if (typed.refusal) {
        EXPECT_NE(entry.refusal.find(typed.refusal), std::string::npos) << entry.refusal;
        return;
    }
    EXPECT_FALSE(entry.Refused()) << entry.refusal;
    if (std::isnan(typed.stored))
        EXPECT_FALSE(IsEvalValueValid(entry.value));
    else
        EXPECT_DOUBLE_EQ(entry.value, typed.stored) << typed.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TypedPrices,
    ::testing::Values(Typed{"12.5", 12.5, nullptr}, Typed{"$1,234.567", 1234.57, nullptr},
                      Typed{"  3 * 4 ", 12, nullptr}, Typed{"@QUAN * 2", 8, nullptr}, Typed{"", NAN, nullptr},
                      Typed{" \t", NAN, nullptr}, Typed{"12a", 0, "\"12a\": Unrecognized character"},
                      Typed{"1e999", 0, "must be a number"}, Typed{"0.001", 0, "does not allow a zero Unit Price"},
                      Typed{"($5)", 0, "does not allow a negative Unit Price"}, Typed{"(", 0, "Unit Price"},
                      // A decimal comma is no thousands separator: 19,050.00 and 1.2345 would be stored.
                      Typed{"190,50", 0, "\"190,50\": a comma may only separate groups of three digits"},
                      Typed{"1.234,50", 0, "\"1.234,50\": a comma may only separate"},
                      Typed{"1,234,567", 1234567, nullptr}));

TEST(TypedEntry, ANegativePriceIsTakenWhereTheProposalAllowsIt)
{
    auto prop = MakeBidProp();
    CItem& item = AddItem(*prop, "0010", 1, 1);
    ChangeFlagBit(&prop->m_wNumberFormatFlags, NUMFMT_NEGATIVE_PRICE_ALLOWED, 1);
    EXPECT_DOUBLE_EQ(ReadItemPrice(*prop, item, "($5)").value, -5);
}

TEST(TypedEntry, APriceInTheAlternateUnitIsStoredInTheItemsUnit)
{
    auto prop = MakeBidProp();
    CItem& item = AddItem(*prop, "0010", 10, 1);
    item.m_strUnit = "EA";
    SetUnitList({CUnitRow{"EA", "PR", "2", "", 2.0}});
    ChangeFlagBit(&prop->m_wFlags, PROP_SHOW_ALT_UNITS, 1);
    EXPECT_DOUBLE_EQ(ReadItemPrice(*prop, item, "3").value, 6);
    EXPECT_DOUBLE_EQ(ReadItemQuantity(*prop, item, "40").value, 20);
    ClearUnitList();
}

TEST(TypedEntry, AQuantityMayBeZeroOrUseTheUnitPrice)
{
    auto prop = MakeBidProp();
    CItem& item = AddItem(*prop, "0010", 10, 2);
    EXPECT_DOUBLE_EQ(ReadItemQuantity(*prop, item, "0").value, 0);
    EXPECT_DOUBLE_EQ(ReadItemQuantity(*prop, item, "@UP*3").value, 6);
    EXPECT_EQ(ReadItemQuantity(*prop, item, "x").field, "Quantity");
    EXPECT_TRUE(ReadItemQuantity(*prop, item, "x").Refused());
    EXPECT_NE(ReadItemQuantity(*prop, item, "12,5").refusal.find("a comma may only separate"), std::string::npos);
}

// A site's cost as the grid shows it, in the proposal's currency, reads back as the same cost.
class TypedSiteCost : public ::testing::TestWithParam<const char*> {};

TEST_P(TypedSiteCost, ReadsBackInTheProposalsCurrency)
{
    auto prop = MakeBidProp();
    const std::string symbol = GetParam();
    prop->m_strFurtherReferences[0] = symbol;
    CSite site;
    site.m_strSiteNumber = "1";
    for (const std::string& typed : {symbol + "1,250.50", " " + symbol + "1,000+250.5 ", std::string("$1,250.50")}) {
        const TypedEntry entry = ReadSiteCost(*prop, site, typed);
        EXPECT_FALSE(entry.Refused()) << typed << ": " << entry.refusal;
        EXPECT_DOUBLE_EQ(entry.value, 1250.5) << typed;
    }
    EXPECT_TRUE(ReadSiteCost(*prop, site, symbol + "twelve").Refused());
}

INSTANTIATE_TEST_SUITE_P(Symbols, TypedSiteCost, ::testing::Values("$", "", "US$", "C$", "EUR ", "\x80"));

// A decimal comma would make a cost a hundred times larger, or days ten times more: refused with
// the reason, while thousands still group and the currency still goes.
TEST(TypedSiteEntries, ADecimalCommaIsRefusedWithItsReason)
{
    auto prop = MakeBidProp();
    prop->m_strFurtherReferences[0] = "EUR ";
    CSite site;
    site.m_strSiteNumber = "1";
    site.m_dRoadCostPerDay = 1500;
    for (const std::string typed : {"190,50", "1.234,50", "EUR 190,50"}) {
        const TypedEntry cost = ReadSiteCost(*prop, site, typed);
        EXPECT_NE(cost.refusal.find("\"" + typed + "\": a comma may only separate groups of three digits"),
                  std::string::npos)
            << cost.refusal;
    }
    EXPECT_NE(ReadSiteDays(site, "12,5").refusal.find("\"12,5\": a comma may only separate"), std::string::npos);
    EXPECT_DOUBLE_EQ(ReadSiteCost(*prop, site, "EUR 1,234.50").value, 1234.5);
    EXPECT_DOUBLE_EQ(ReadSiteDays(site, "$1,200").value, 1200);
}

// What a firm commits: rounded to the decimals of its kind, blank as "not entered"; the refusals
// are the firm item form's.
TEST(TypedEntry, ACommittedAmountIsRoundedToItsKind)
{
    auto prop = MakeBidProp();
    const CItem& item = AddItem(*prop, "0010", 4, 2.5);
    EXPECT_DOUBLE_EQ(ReadCommittedAmount(*prop, item, "Quantity", "1,234.5678", NUMFMT_QUANTITY).value, 1234.568);
    EXPECT_DOUBLE_EQ(ReadCommittedAmount(*prop, item, "Total", "$10.005", NUMFMT_AMOUNT).value, 10.01);
    const TypedEntry blank = ReadCommittedAmount(*prop, item, "Total", " ", NUMFMT_AMOUNT);
    EXPECT_FALSE(blank.Refused());
    EXPECT_FALSE(IsEvalValueValid(blank.value));
}
