#include "model/settings/DefaultUnitRows.h"
#include "model/settings/UnitTable.h"
#include "tests/model/settings/SettingsTestSupport.h"

#include <cmath>

namespace {

struct ParseCase {
    const char* name;
    const char* text;
    bool parses;
    const char* unit;
    const char* alternate;
    const char* conversion;
    const char* description;
};

class ParseUnitRowCases : public ::testing::TestWithParam<ParseCase> {
protected:
    void SetUp() override { FreeEvaluatorSymbols(); }
};

TEST_P(ParseUnitRowCases, SplitsTrimsAndUnquotes)
{
    const ParseCase& c = GetParam();
    const std::optional<CUnitRow> row = ParseUnitRow(c.text);
    ASSERT_EQ(row.has_value(), c.parses);
    if (!row)
        return;
    EXPECT_EQ(row->m_strUnit, c.unit);
    EXPECT_EQ(row->m_strAlternateUnit, c.alternate);
    EXPECT_EQ(row->m_strConversion, c.conversion);
    EXPECT_EQ(row->m_strDescription, c.description);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseUnitRowCases,
    ::testing::Values(
        ParseCase{"Plain", "IN,mm,25.4,inch - millimeter", true, "IN", "mm", "25.4", "inch - millimeter"},
        ParseCase{"Trimmed", " SF , m2 ,\t0.304 ^ 2 , square foot ", true, "SF", "m2", "0.304 ^ 2", "square foot"},
        ParseCase{"NoDescription", "LF,m,0.304", true, "LF", "m", "0.304", ""},
        ParseCase{"QuotedComma", "SY,m2,2,\"square yard, paved\"", true, "SY", "m2", "2", "square yard, paved"},
        ParseCase{"DoubledQuote", "IN,in,1,\"12\"\" pipe\"", true, "IN", "in", "1", "12\" pipe"},
        ParseCase{"UnquotedCommasKept", "CY,m3,0.7,cubic yard, loose, placed", true, "CY", "m3", "0.7", "cubic yard, loose, placed"},
        ParseCase{"TwoFields", "IN,mm", false, "", "", "", ""},
        ParseCase{"Empty", "", false, "", "", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UnitRows, AConversionThatCannotBeEvaluatedKeepsTheInvalidFactor)
{
    EXPECT_FALSE(IsEvalValueValid(ParseUnitRow("X,Y,2 +")->m_dFactor));
    EXPECT_FALSE(IsEvalValueValid(ParseUnitRow("X,Y,,d")->m_dFactor));
    EXPECT_DOUBLE_EQ(ParseUnitRow("MSY,m2,1000 *(0.304*3) ^2,x")->m_dFactor, 1000 * std::pow(0.912, 2));
}

TEST(UnitRows, EveryDefaultRowParsesWithAFactor)
{
    ASSERT_EQ(DefaultUnitRows().size(), 46u);
    for (std::string_view text : DefaultUnitRows()) {
        const std::optional<CUnitRow> row = ParseUnitRow(text);
        ASSERT_TRUE(row) << text;
        EXPECT_TRUE(IsEvalValueValid(row->m_dFactor) && row->m_dFactor > 0) << text;
        EXPECT_EQ(FormatUnitRow(row->m_strUnit, row->m_strAlternateUnit, row->m_strConversion,
                                row->m_strDescription),
                  text);
    }
}

class UnitTable : public SettingsTest {
protected:
    void StoreRows(const std::vector<std::pair<int, std::string>>& rows)
    {
        CProfileStore store;
        OpenSettingsGroup(store, kUnitsGroup);
        for (const auto& [index, text] : rows)
            store.WriteProfileStringValue("Unit" + std::string(index < 10 ? "0" : "") + std::to_string(index), text);
    }
    std::vector<std::string> Units() const
    {
        std::vector<std::string> units;
        for (const CUnitRow& row : GetUnitList())
            units.push_back(row.m_strUnit);
        return units;
    }
};

TEST_F(UnitTable, LoadingStopsAtTheFirstMissingIndexAndSkipsRowsThatDoNotParse)
{
    StoreRows({{0, "A,a,1"}, {1, "broken"}, {2, "C,c,3"}, {3, "D,d,4"}, {4, "E,e,5"}, {6, "G,g,7"}});
    CProfileStore store;
    EXPECT_EQ(LoadUnits(store, DefaultsPolicy::Write), 0);
    EXPECT_EQ(Units(), (std::vector<std::string>{"A", "C", "D", "E"}));
}

TEST_F(UnitTable, AnEmptyGroupIsFilledWithTheDefaultRows)
{
    CProfileStore store;
    EXPECT_EQ(LoadUnits(store, DefaultsPolicy::Write), 0);
    ASSERT_EQ(GetUnitList().size(), 46u);
    EXPECT_EQ(StoredGroup("Units").size(), 46u);
    EXPECT_EQ(GetUnitList()[13].m_strUnit, "SF");
    EXPECT_DOUBLE_EQ(GetUnitList()[13].m_dFactor, 0.304 * 0.304);
}

TEST_F(UnitTable, RowsThatAllFailToParseGiveWayToTheDefaults)
{
    StoreRows({{0, "x"}, {1, "y,z"}});
    CProfileStore store;
    EXPECT_EQ(LoadUnits(store, DefaultsPolicy::Write), 0);
    EXPECT_EQ(GetUnitList().size(), 46u);
    EXPECT_EQ(StoredGroup("Units")[1].second, "IN,cm,2.54,inch - centimeter");
}

TEST_F(UnitTable, RowsRoundTripWithCommasAndQuotes)
{
    const std::vector<CUnitRow> rows = {{"SY", "m2", "(0.304 * 3) ^ 2", "square yard, \"paved\"", 0},
                                        {"EA", "ea", "1", "each,", 0},
                                        {"LS", "ls", "1", "", 0}};
    SetUnitList(rows);
    CProfileStore store;
    EXPECT_EQ(SaveUnitRows(store), 3);
    ClearUnitList();
    ASSERT_EQ(LoadUnits(store, DefaultsPolicy::Write), 0);
    ASSERT_EQ(GetUnitList().size(), 3u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(GetUnitList()[i].m_strDescription, rows[i].m_strDescription);
        EXPECT_EQ(GetUnitList()[i].m_strConversion, rows[i].m_strConversion);
    }
}

TEST_F(UnitTable, NoMoreRowsAreSavedThanLoadingReads)
{
    SetUnitList(std::vector<CUnitRow>(150, CUnitRow{"U", "u", "2", "", 2}));
    CProfileStore store;
    EXPECT_EQ(SaveUnitRows(store), kMaxUnitRows);
    ClearUnitList();
    LoadUnits(store, DefaultsPolicy::Write);
    EXPECT_EQ(GetUnitList().size(), std::size_t(kMaxUnitRows));
    EXPECT_TRUE(DeleteUnitRows(store));
    EXPECT_TRUE(StoredGroup("Units").empty());
}

TEST_F(UnitTable, AReloadReadsWhatWasWrittenToTheProgramsSettings)
{
    EXPECT_TRUE(WriteUnitRowToStore(0, "FT", "m", "0.3048", "foot, exact"));
    EXPECT_FALSE(WriteUnitRowToStore(kMaxUnitRows, "FT", "m", "1", ""));
    ReloadUnits();
    EXPECT_EQ(Units(), std::vector<std::string>{"FT"});
}

} // namespace
