#include "model/reports/FieldTable.h"

#include "tests/model/reports/ReportTestSupport.h"
#include "model/reports/TemplateNames.h"

#include <gtest/gtest.h>

#include <set>

TEST(FieldTable, HoldsOneHundredFortyThreeRowsOfUniqueIdsAndNames)
{
    const auto table = GetTemplateFieldTable();
    ASSERT_EQ(table.size(), 143u);
    std::set<int> ids;
    std::set<std::string> names;
    for (const CTemplateFieldDef& row : table) {
        EXPECT_TRUE(row.m_iId >= 1 && row.m_iId <= 146) << row.m_pszName;
        EXPECT_TRUE(ids.insert(row.m_iId).second) << row.m_iId;
        EXPECT_TRUE(names.insert(row.m_pszName).second) << row.m_pszName;
        EXPECT_EQ(FindTemplateFieldRow(row.m_iId), &row);
    }
    EXPECT_EQ(std::string(table.front().m_pszName), "STRING");
    EXPECT_EQ(std::string(table.back().m_pszName), "##BOND##");
    // The closing row stands right after the last one.
    EXPECT_EQ(table.data()[table.size()].m_iId, FIELD_END);
}

TEST(FieldTable, UnknownIdsHaveNoRowAndReadUnknown)
{
    for (const int id : {0, 35, 70, 115, 147, 999, -4}) {
        EXPECT_EQ(FindTemplateFieldRow(id), nullptr) << id;
        EXPECT_EQ(GetTemplateFieldName(id), "Unknown") << id;
    }
    EXPECT_EQ(GetTemplateFieldName(FIELD_ITEM_NUMBER), "ITEM_NUMBER");
}

TEST(FieldTable, FormFieldsTakeTheirMarkerRows)
{
    EXPECT_EQ(FindTemplateFieldRow(1000)->m_iId, FIELD_MARKER_DBE);
    EXPECT_EQ(FindTemplateFieldRow(1999)->m_iId, FIELD_MARKER_DBE);
    EXPECT_EQ(FindTemplateFieldRow(2004)->m_iId, FIELD_MARKER_BOND);
    EXPECT_EQ(FindTemplateFieldRow(3001)->m_iId, FIELD_MARKER_MISCDEF);
    EXPECT_EQ(FindTemplateFieldRow(4000)->m_iId, FIELD_MARKER_DAT);
    EXPECT_EQ(FindTemplateFieldRow(9012)->m_iId, FIELD_MARKER_DAT);
}

TEST(FieldTable, DbeTypesOfTheGoalFields)
{
    for (int id = 0; id < 150; ++id) {
        const int expected = id >= 76 && id <= 81 ? 1 : id >= 86 && id <= 90 ? 2 : id >= 91 && id <= 95 ? 3 : 0;
        EXPECT_EQ(GetFieldDbeType(id), expected) << id;
    }
}

struct TellingRow {
    int m_iId;
    const char* m_pszName;
    int m_iType, m_iKind, m_iWidth;
    const char* m_pszFormat;
    int m_iExtra, m_iOptions;
};

class FieldTableRows : public testing::TestWithParam<TellingRow> {};

TEST_P(FieldTableRows, MatchTheTable)
{
    const TellingRow& expected = GetParam();
    const CTemplateFieldDef* row = FindTemplateFieldRow(expected.m_iId);
    ASSERT_NE(row, nullptr);
    EXPECT_STREQ(row->m_pszName, expected.m_pszName);
    EXPECT_EQ(row->m_iType, expected.m_iType);
    EXPECT_EQ(row->m_iKind, expected.m_iKind);
    EXPECT_EQ(row->m_iWidth, expected.m_iWidth);
    EXPECT_STREQ(row->m_pszFormat, expected.m_pszFormat);
    EXPECT_EQ(row->m_iExtra, expected.m_iExtra);
    EXPECT_EQ(row->m_iOptions, expected.m_iOptions);
}

INSTANTIATE_TEST_SUITE_P(
    Given, FieldTableRows,
    testing::Values(
        TellingRow{1, "STRING", 1, 1, 0, "%s", 3, 0}, TellingRow{3, "TEMPLATE", 1, 1, 0, "%s", 3, 0},
        TellingRow{2, "NUMBERSTRING", 8, 1, 0, "8.5", 3, 0}, TellingRow{4, "DROP", 1, 9, 0, "", 0, 0},
        TellingRow{85, "AGENCY", 1, 2, 0, "%s", 0, 0}, TellingRow{5, "LETTING_DATE", 2, 2, 0, "0", 0, 0},
        TellingRow{7, "CALL_ORDER", 1, 2, 3, "%-3.3s", 0, 0}, TellingRow{8, "CONTRACT_ID", 1, 2, 15, "%s", 0, 0},
        TellingRow{19, "PROPOSAL_DESCRIPTION", 1, 2, 0, "%s", 1, 0},
        TellingRow{23, "PROPOSAL_TOTAL", 4, 2, 14, "9.2", 0, 18}, TellingRow{119, "ITEMS_TOTAL", 4, 2, 14, "9.2", 0, 18},
        TellingRow{120, "TIME_TOTAL", 4, 2, 14, "9.2", 0, 18}, TellingRow{121, "SITE_LIST_VALID", 6, 2, 0, "", 5, 0},
        TellingRow{122, "ITEM_LIST_VALID", 6, 2, 0, "", 12, 0},
        TellingRow{132, "PROPOSAL_GENERIC_FLAG_1", 6, 2, 0, "", 0, 0},
        TellingRow{33, "CHECK", 5, 2, 8, "%8.8lX", 0, 0}, TellingRow{34, "AMENDMENT_FILES", 3, 2, 0, "%u", 0, 0},
        TellingRow{36, "AMENDMENT_NUMBER", 3, 3, 5, "%5.5u", 0, 0}, TellingRow{45, "SITE_DAMAGES", 4, 5, 14, "9.2", 0, 18},
        TellingRow{118, "ROAD_COST_PER_DAY", 4, 5, 14, "9.2", 0, 18}, TellingRow{123, "SITE_TOTAL", 4, 5, 14, "9.2", 0, 18},
        TellingRow{116, "SITE_NUMBER_DAYS", 3, 9, 0, "%u", 0, 0}, TellingRow{146, "SITE_COUNT", 3, 9, 0, "%u", 0, 0},
        TellingRow{47, "SECTION_NUMBER", 1, 7, 4, "%s", 0, 0}, TellingRow{50, "SECTION_TOTAL", 4, 7, 14, "9.2", 0, 18},
        TellingRow{53, "ITEM_LINE_NUMBER", 1, 6, 4, "%s", 0, 0}, TellingRow{55, "ITEM_NUMBER", 1, 6, 13, "%s", 0, 0},
        TellingRow{56, "ITEM_QUANTITY", 4, 6, 15, "9.3", 0, 18}, TellingRow{58, "ITEM_UNIT_PRICE", 4, 6, 16, "8.5", 0, 18},
        TellingRow{64, "ITEM_SHORT_DESCRIPTION", 1, 6, 0, "%s", 1, 0},
        TellingRow{66, "ITEM_EXTENSION", 4, 9, 14, "9.2", 0, 18}, TellingRow{69, "PAGE_NUMBER", 3, 9, 0, "%3u", 0, 0},
        TellingRow{59, "ITEM_LUMP_SUM", 6, 6, 0, "LS", 2, 0}, TellingRow{63, "ITEM_CHOSEN", 6, 6, 0, "", 6, 0},
        TellingRow{71, "BID_ERRORS", 6, 2, 0, "", 3, 0}, TellingRow{74, "IS_BID", 6, 9, 0, "", 0, 0},
        TellingRow{75, "SIGNER", 1, 9, 0, "%s", 0, 0}, TellingRow{76, "DBE_ENTEREDAMT", 4, 9, 12, "12.2", 0, 18},
        TellingRow{81, "DBE_BIDDERISDBE", 6, 9, 0, "", 0, 0}, TellingRow{96, "DBEITEM_QUANTITY", 4, 13, 15, "9.3", 0, 18},
        TellingRow{106, "BOND_IN_PROPOSAL", 6, 9, 0, "", 0, 0}, TellingRow{114, "BOND_REQUIRED_PCT", 4, 9, 6, "6.2", 0, 18},
        TellingRow{82, "BID_ERROR", 1, 12, 0, "%s", 2, 0}, TellingRow{145, "##MISCDEF##", 6, 15, 0, "", 0, 0},
        TellingRow{83, "##DBE##", 1, 10, 0, "", 0, 0}, TellingRow{105, "##BOND##", 1, 14, 0, "", 0, 0},
        TellingRow{84, "##DAT##", 1, 11, 0, "", 0, 0}, TellingRow{90, "MBE_REQMET", 6, 9, 0, "", 0, 0},
        TellingRow{95, "WBE_REQMET", 6, 9, 0, "", 0, 0}, TellingRow{104, "DBEITEM_SHORT_DESC", 1, 13, 0, "%s", 1, 0}),
    [](const testing::TestParamInfo<TellingRow>& info) {
        std::string name = info.param.m_pszName;
        std::erase(name, '#');
        return name;
    });

namespace {

CWinMeta& AddNamedForm(std::unique_ptr<CWinMeta>& slot, std::initializer_list<const char*> names)
{
    slot = std::make_unique<CWinMeta>();
    for (const char* name : names)
        slot->m_fields.Add(std::make_unique<CFieldInfo>())->m_strName = name;
    slot->AddRow(-1, -1);
    return *slot;
}

} // namespace

TEST(FieldNames, ResolveThroughTheTableTheFormsAndTheRules)
{
    auto prop = MakeReportProp();
    AddNamedForm(prop->m_pMbeForm, {"Certification", "FirmName"});
    ChangeFlagBit(&prop->m_wFlags, PROP_HAS_MBE_FORM, 1);
    AddNamedForm(prop->m_pBondForm, {"Surety", "Bond Number", "Item_Number"});
    prop->m_miscForms.Add(std::make_unique<CWinMeta>());
    CWinMeta* misc = prop->m_miscForms.Add(std::make_unique<CWinMeta>());
    misc->m_fields.Add(std::make_unique<CFieldInfo>())->m_strName = "Engineer";
    misc->m_fields.Add(std::make_unique<CFieldInfo>())->m_strName = "Phone";

    const auto id = [&](std::string_view name, std::string_view templateName = "Report Front") {
        const CResolvedField field = ResolveTemplateField(prop.get(), name, templateName);
        return field.m_bAmbiguous ? -1 : field.m_iId;
    };
    EXPECT_EQ(id("ITEM_NUMBER"), FIELD_ITEM_NUMBER);
    EXPECT_EQ(id("Item_Number"), FIELD_ITEM_NUMBER); // the table before a form's label
    EXPECT_EQ(id("ITEM_NUM"), FIELD_ITEM_NUMBER);
    EXPECT_EQ(id("ITEM"), -1);
    EXPECT_EQ(id("IT_NUM"), FIELD_ITEM_NUMBER);
    EXPECT_EQ(id("SI_DAM"), FIELD_SITE_DAMAGES);
    EXPECT_EQ(id("FirmName"), 1000);                     // the DBE form
    EXPECT_EQ(id("FirmName", "Report MBE Item"), 1001);  // the MBE form, active
    EXPECT_EQ(id("Certification"), FIELD_STRING);        // not in the DBE form
    EXPECT_EQ(id("Certification", "Report MBE"), 1000);
    EXPECT_EQ(id("SURETY"), 2000);
    EXPECT_EQ(id("Phone"), 5001);
    EXPECT_EQ(id("misc"), kContextFieldBase + CONTEXT_MISC);
    EXPECT_EQ(id("DEFINED"), kContextFieldBase + CONTEXT_DEFINED);
    EXPECT_EQ(id("NO_SUCH_NAME"), FIELD_STRING);
    EXPECT_EQ(ResolveTemplateField(prop.get(), "FirmName", "Report MBE").m_iFirmType, FIRM_MBE);

    ChangeFlagBit(&prop->m_wFlags, PROP_HAS_MBE_FORM, 0);
    EXPECT_EQ(id("Certification", "Report MBE"), FIELD_STRING); // an inactive type is not chosen
}

TEST(FieldNames, FormFieldsPrintTheBiddersValues)
{
    auto prop = MakeReportProp();
    AddNamedForm(prop->m_pBondForm, {"Surety", "BondNo"}).m_rows[0]->m_cells[1]->m_strText = "B-77";
    CWinMeta* misc = prop->m_miscForms.Add(std::make_unique<CWinMeta>());
    misc->m_fields.Add(std::make_unique<CFieldInfo>())->m_strName = "Engineer";
    misc->AddRow(-1, -1)->m_cells[0]->m_strText = "J. Smith";
    ChangeFlagBit(&prop->m_wFlags, PROP_HAS_MISC_FORMS, 1);
    EXPECT_EQ(RenderTemplate(*prop, "{BondNo} {Engineer} {MISC} {DEFINED}"), "B-77 J. Smith 1 1");
}
