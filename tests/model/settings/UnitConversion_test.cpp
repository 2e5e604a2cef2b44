#include "model/records/Prop.h"
#include "model/settings/DefaultUnitRows.h"
#include "model/settings/UnitConversion.h"
#include "tests/model/settings/SettingsTestSupport.h"

#include <cmath>
#include <limits>

namespace {

std::vector<CUnitRow> DefaultRows()
{
    std::vector<CUnitRow> rows;
    for (std::string_view text : DefaultUnitRows())
        rows.push_back(*ParseUnitRow(text));
    return rows;
}

class UnitConversion : public ::testing::Test {
protected:
    UnitConversion() { SetUnitList(DefaultRows()); }
    ~UnitConversion() override { FreeUnitList(); }

    std::string Lookup(const char* unit, double& factor)
    {
        m_item.m_strUnit = unit;
        return FindUnitConversion(&m_item, factor);
    }

    CItem m_item;
};

TEST_F(UnitConversion, LooksUpBothWaysIgnoringCase)
{
    double factor = 0;
    EXPECT_EQ(Lookup("sf", factor), "m2");
    EXPECT_DOUBLE_EQ(factor, 0.304 * 0.304);
    EXPECT_EQ(Lookup("M2", factor), "SF");
    EXPECT_DOUBLE_EQ(factor, 1 / (0.304 * 0.304));
    EXPECT_EQ(Lookup("in", factor), "mm"); // the first of two rows for the unit
    EXPECT_DOUBLE_EQ(factor, 25.4);
    EXPECT_EQ(Lookup("EA", factor), "EA");
    EXPECT_EQ(factor, 1.0);
    EXPECT_EQ(FindUnitConversion(nullptr, factor), "");
    EXPECT_EQ(factor, 1.0);
}

TEST_F(UnitConversion, RowsThatCannotConvertArePassedOver)
{
    SetUnitList({{"X", "zero", "0", "", 0},
                 {"X", "bad", "2 +", "", MakeEvalErrorValue()},
                 {"X", "good", "4", "", 4},
                 {"Y", "zero", "0", "", 0}});
    double factor = 0;
    EXPECT_EQ(Lookup("X", factor), "good");
    EXPECT_EQ(factor, 4.0);
    // Only a row that divides by 0 names "zero": the value is shown as stored instead.
    EXPECT_EQ(Lookup("zero", factor), "zero");
    EXPECT_EQ(factor, 1.0);
    EXPECT_EQ(Lookup("bad", factor), "bad");
    EXPECT_EQ(factor, 1.0);
}

struct PriceCase {
    const char* name;
    bool alternateUnits;
    uint16_t allowed; // number-format word
    double typed;
    double stored;    // NaN: "not entered"
};

class StorePrice : public UnitConversion, public ::testing::WithParamInterface<PriceCase> {};

TEST_P(StorePrice, ConvertsRoundsAndAppliesTheZeroAndNegativeRules)
{
    const PriceCase& c = GetParam();
    CProp prop;
    prop.m_wNumberFormatFlags = c.allowed;
    ChangeFlagBit(&prop.m_wFlags, PROP_SHOW_ALT_UNITS, c.alternateUnits);
    m_item.m_strUnit = "CY";
    const double stored = StoreItemPrice(prop, &m_item, c.typed, 2);
    if (std::isnan(c.stored))
        EXPECT_FALSE(IsEvalValueValid(stored));
    else
        EXPECT_DOUBLE_EQ(stored, c.stored);
}

constexpr double kNotEntered = std::numeric_limits<double>::quiet_NaN();
constexpr uint16_t kZeroOk = 1 << NUMFMT_ZERO_PRICE_ALLOWED;
constexpr uint16_t kNegativeOk = 1 << NUMFMT_NEGATIVE_PRICE_ALLOWED;

INSTANTIATE_TEST_SUITE_P(
    Prices, StorePrice,
    ::testing::Values(PriceCase{"AsTyped", false, 0, 12.345, 12.35},
                      // 10 per cubic meter is 10 x 0.912^3 per cubic yard.
                      PriceCase{"FromAlternateUnit", true, 0, 10, 7.59},
                      PriceCase{"ZeroRefused", false, 0, 0, kNotEntered},
                      PriceCase{"ZeroAllowed", false, kZeroOk, 0, 0},
                      PriceCase{"RoundsToZero", false, 0, 0.004, kNotEntered},
                      PriceCase{"NegativeRefused", false, kZeroOk, -5, kNotEntered},
                      PriceCase{"NegativeAllowed", false, kNegativeOk, -5, -5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UnitConversion, InvalidValuesAndMissingItemsPassUnchanged)
{
    CProp prop;
    EXPECT_FALSE(IsEvalValueValid(StoreItemPrice(prop, &m_item, MakeEvalErrorValue(), 2)));
    EXPECT_EQ(StoreItemPrice(prop, nullptr, 0.0, 2), 0.0);
    EXPECT_FALSE(IsEvalValueValid(StoreItemQuantity(prop, &m_item, MakeEvalErrorValue(), 2)));
    EXPECT_EQ(StoreItemQuantity(prop, nullptr, 1.2345, 2), 1.2345);
}

TEST_F(UnitConversion, QuantitiesAreDividedBackAndKeepZeroAndNegative)
{
    CProp prop;
    ChangeFlagBit(&prop.m_wFlags, PROP_SHOW_ALT_UNITS, 1);
    m_item.m_strUnit = "LF";
    EXPECT_DOUBLE_EQ(StoreItemQuantity(prop, &m_item, 30.4, 3), 100.0);
    EXPECT_EQ(StoreItemQuantity(prop, &m_item, 0, 3), 0.0);
    EXPECT_DOUBLE_EQ(StoreItemQuantity(prop, &m_item, -3.04, 1), -10.0);
    ChangeFlagBit(&prop.m_wFlags, PROP_SHOW_ALT_UNITS, 0);
    EXPECT_DOUBLE_EQ(StoreItemQuantity(prop, &m_item, 30.4, 3), 30.4);
}

} // namespace
