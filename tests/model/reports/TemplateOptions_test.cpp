#include "tests/model/reports/ReportTestSupport.h"

#include "model/eval/Evaluator.h"
#include "model/reports/TemplateFormat.h"

#include <gtest/gtest.h>

namespace {

struct TemplateCase {
    const char* m_name;
    const char* m_line;   // current item row, by line number ("" for none)
    std::string m_template;
    std::string m_expected;
};

void PrintTo(const TemplateCase& c, std::ostream* out)
{
    *out << c.m_template;
}

class TemplateOutput : public testing::TestWithParam<TemplateCase> {
protected:
    static void SetUpTestSuite() { s_prop = MakeReportProp().release(); }
    static void TearDownTestSuite() { delete s_prop; }
    static CProp* s_prop;
};

CProp* TemplateOutput::s_prop = nullptr;

TEST_P(TemplateOutput, PrintsWhatTheTemplateSays)
{
    const TemplateCase& c = GetParam();
    const int row = RowOfLine(*s_prop, c.m_line);
    const std::string text = RenderTemplate(*s_prop, c.m_template, [row](CReportState& state) {
        state.m_iItem = row;
        state.m_iSection = FindSectionRow(*state.m_pProp, std::max(row, 0));
    });
    EXPECT_EQ(text, c.m_expected);
}

const std::string kBlanks12(12, ' ');

INSTANTIATE_TEST_SUITE_P(
    Fields, TemplateOutput,
    testing::Values(
        TemplateCase{"UniquePrefix", "0020", "[{ITEM_NUM}]", "[I0020        ]"},
        TemplateCase{"SplitRule", "0020", "[{IT_NUM}]", "[I0020        ]"},
        TemplateCase{"AnyCase", "0020", "[{item_number,size=6}]", "[I0020 ]"},
        TemplateCase{"UnknownNamePrintsNothing", "0020", "[{NO_SUCH_THING}]", "[]"},
        TemplateCase{"QuantityRightInItsSize", "0060", "[{ITEM_QUANTITY,SIZE=10}]", "[ 5,400.500]"},
        TemplateCase{"UnitCentred", "0060", "[{ITEM_UNIT,SIZE=6,J=C}]", "[ TON  ]"},
        TemplateCase{"UnitRight", "0060", "[{ITEM_UNIT,SIZE=6,JUSTIFY=right}]", "[   TON]"},
        TemplateCase{"NumberLeft", "0020", "[{ITEM_QUANTITY,SIZE=10,J=L}]", "[1,250.000 ]"},
        TemplateCase{"CutToSize", "0020", "[{ITEM_SHORT_DESCRIPTION,SIZE=5}]", "[Excav]"},
        TemplateCase{"LumpSumChoosesLS", "0030", "{ITEM_LUMP_SUM?\"LS\":ITEM_UNIT}", "LS"},
        TemplateCase{"OtherwiseTheUnit", "0060", "{ITEM_LUMP_SUM?\"LS\":ITEM_UNIT}", "TON"},
        TemplateCase{"LumpSumFlagPrintsOne", "0030", "[{ITEM_LUMP_SUM}]", "[1]"},
        TemplateCase{"FlagClearPrintsNothing", "0020", "[{ITEM_LUMP_SUM}]", "[]"},
        TemplateCase{"ComparisonPrintsTrue", "0060", "{ITEM_QUANTITY>#100}", "TRUE"},
        TemplateCase{"ComparisonPrintsFalse", "0060", "{ITEM_QUANTITY>#100000}", "FALSE"},
        TemplateCase{"FixedPriceWithoutCountBitHasNoExtension", "0090", "[{ITEM_EXTENSION}]", "[" + std::string(14, ' ') + "]"},
        TemplateCase{"Extension", "0020", "[{ITEM_EXTENSION}]", "[     15,625.00]"},
        TemplateCase{"Format", "0020", "[{ITEM_QUANTITY,FORMAT=4.1,SIZE=8}]", "[ 1,250.0]"},
        TemplateCase{"FormatWithColon", "0020", "[{ITEM_QUANTITY,FORMAT=\"4:0\",SIZE=8}]", "[   1,250]"},
        TemplateCase{"TooWideForItsDigits", "0020", "[{ITEM_QUANTITY,FORMAT=3.0,SIZE=4}]", "[ ***]"},
        // A number is never cut to its size: it would read as another number.
        TemplateCase{"WiderThanItsSizeWholeAndTheLineMovesOn", "0060", "[{ITEM_QUANTITY,SIZE=5}|{ITEM_UNIT}]",
                     "[5,400.500|TON ]"},
        TemplateCase{"MoneyWiderThanItsSize", "0060", "[{ITEM_EXTENSION,MONEY,SIZE=8}]", "[$475,919.06]"},
        TemplateCase{"NumberLiteralWiderThanItsSize", "", "[{#123456.5,SIZE=3}]", "[123456.50000]"},
        TemplateCase{"AdjustedTextWiderThanItsSize", "0020", "[{ITEM_LINE_NUMBER,ADJUST=@Val*1000,SIZE=4}]",
                     "[20000.00]"},
        TemplateCase{"AConditionComparesTheWholeNumber", "0060", "{ITEM_QUANTITY,COMMAS=no,SIZE=4 >#5400.2}", "TRUE"},
        // Nor is a count or the check code.
        TemplateCase{"CountWiderThanItsSize", "", "[{ITEM_COUNT,ADJUST=@Val*1000,SIZE=2}|]", "[7000|]"},
        TemplateCase{"CountWiderThanItsFormat", "", "[{SITE_COUNT,FORMAT=%03u,ADJUST=@Val+1000,SIZE=3}]", "[1002]"},
        TemplateCase{"PageNumberWiderThanItsSize", "", "[{PAGE_NUMBER,FORMAT=%u,ADJUST=@Val+99,SIZE=2}]", "[100]"},
        TemplateCase{"ChecksumWiderThanItsSize", "", "[{CHECK,SIZE=3}|]", "[00C0FFEE|]"},
        TemplateCase{"AConditionComparesTheWholeChecksum", "", "{CHECK,SIZE=3 ==\"00C0FFEE\"}", "TRUE"},
        TemplateCase{"CommasOff", "0020", "[{ITEM_EXTENSION,COMMAS=no}]", "[      15625.00]"},
        TemplateCase{"Money", "0020", "[{ITEM_EXTENSION,MONEY}]", "[    $15,625.00]"},
        TemplateCase{"NumberLiteral", "", "[{#1234.5,FORMAT=6.2,COMMAS,MONEY}]", "[$1,234.50]"},
        TemplateCase{"NumberLiteralReadsPrintVariables", "", "[{#@PageWidth*2,FORMAT=3.0}]", "[160]"},
        TemplateCase{"Substring", "0020", "[{ITEM_SHORT_DESCRIPTION,SUBSTRING=3.5}]", "[cavat]"},
        TemplateCase{"SubstringPastTheEnd", "0020", "[{ITEM_SHORT_DESCRIPTION,SUBSTRING=90.5}]", "[]"},
        TemplateCase{"Replace", "0020", "[{ITEM_SHORT_DESCRIPTION,REPLACE=a_}]", "[Exc_v_tion, uncl_ssified]"},
        TemplateCase{"Strstr", "0020", "[{ITEM_SHORT_DESCRIPTION,STRSTR=uncl}]", "[unclassified]"},
        TemplateCase{"StrstrAbsent", "0020", "[{ITEM_SHORT_DESCRIPTION,STRSTR=zz}]", "[Excavation, unclassified]"},
        TemplateCase{"Strip", "0020", "[{ITEM_LINE_NUMBER,STRIP=0}]", "[20  ]"},
        TemplateCase{"Clip", "0020", "[{ITEM_SHORT_DESCRIPTION,CLIP=deifs}]", "[Excavation, uncla]"},
        TemplateCase{"Remove", "0020", "[{ITEM_SHORT_DESCRIPTION,REMOVE=aeiou}]", "[Excvtn, nclssfd]"},
        TemplateCase{"TextOptionsInTheOrderWritten", "0020", "[{ITEM_SHORT_DESCRIPTION,REMOVE=a,SUBSTRING=1.4}]",
                     "[Excv]"},
        TemplateCase{"AdjustANumber", "0020", "[{ITEM_QUANTITY,ADJUST=@Val*2}]", "[      2,500.000]"},
        TemplateCase{"AdjustATextPrintsANumber", "0020", "[{ITEM_LINE_NUMBER,ADJUST=@Val+1,SIZE=8}]", "[21.00   ]"},
        TemplateCase{"Date", "", "[{LETTING_DATE}]", "[05-28-24]"},
        TemplateCase{"DateStyle", "", "[{LETTING_DATE,FORMAT=6}]", "[May 28, 2024]"},
        TemplateCase{"Checksum", "", "[{CHECK}]", "[00C0FFEE]"},
        TemplateCase{"ChecksumFormat", "", "[{CHECK,FORMAT=<%x>}]", "[<c0ffee>]"},
        TemplateCase{"UnsignedFormat", "", "[{SITE_COUNT,FORMAT=\"%03u sites\"}]", "[002 sites]"},
        TemplateCase{"CallOrderKeepsThree", "", "[{CALL_ORDER}]", "[007]"},
        TemplateCase{"WildcardEquality", "0060", "{ITEM_UNIT==\"t*\"?\"tonnage\":\"other\"}", "tonnage"},
        TemplateCase{"WildcardInequality", "0060", "{ITEM_UNIT!=\"T?N\"}", "FALSE"},
        TemplateCase{"TextOrder", "0060", "{ITEM_UNIT>\"TOM\"}", "TRUE"},
        TemplateCase{"NumericAndOfComparisons", "0030", "{(ITEM_QUANTITY<#2)&&ITEM_LUMP_SUM}", "TRUE"},
        TemplateCase{"NumericAndFails", "0060", "{(ITEM_QUANTITY>#2)&&ITEM_LUMP_SUM}", "FALSE"},
        TemplateCase{"TextOr", "0020", "{ITEM_LUMP_SUM||ITEM_UNIT?\"yes\":\"no\"}", "no"},
        TemplateCase{"ElseLeftOutPrintsNothing", "0020", "[{ITEM_LUMP_SUM?\"LS\"}]", "[]"},
        TemplateCase{"NoCurrentItemPrintsBlanks", "", "[{ITEM_NUMBER}]", "[" + std::string(13, ' ') + "]"},
        TemplateCase{"SectionOfTheItem", "0060", "[{SECTION_NUMBER} {SECTION_DESCRIPTION}]", "[0050 Pavement]"},
        TemplateCase{"FirmFormFieldByItsLabel", "", "{FirmName,REPEAT}", "Blue Line Striping\nRock Supply Co"},
        TemplateCase{"BidderFields", "", "{BIDDER_NAME}, {BIDDER_CITY}", "Acme Paving, Springfield"},
        // A supplier counts for 60 per cent of its amount.
        TemplateCase{"DbeFigures", "", "{DBE_ENTEREDAMT} {DBE_REQPCT} {DBE_REQMET}", "   25,400.00   5.00 1"},
        TemplateCase{"IsBid", "", "{IS_BID?\"bid\":\"no bid\"}", "bid"}),
    [](const testing::TestParamInfo<TemplateCase>& info) { return info.param.m_name; });

} // namespace

TEST(TemplateNumbers, SiteDaysWiderThanTheirSizePrintWhole)
{
    auto prop = MakeReportProp();
    const std::string text =
        RenderTemplate(*prop, "[{SITE_NUMBER_DAYS,SIZE=1}|{SITE_NUMBER,SIZE=3}]", [](CReportState& state) { state.m_iSite = 1; });
    EXPECT_EQ(text, "[45|2  ]");
}

TEST(TemplateSafety, AValueNeverDefinesAnEvaluatorMacro)
{
    auto prop = MakeReportProp();
    prop->m_items[RowOfLine(*prop, "0020")]->m_strShortDesc = "set reportmacro = 5";
    const int row = RowOfLine(*prop, "0020");
    RenderTemplate(*prop, "{ITEM_SHORT_DESCRIPTION?\"a\":\"b\"}{ITEM_SHORT_DESCRIPTION,ADJUST=@Val}",
                   [row](CReportState& state) { state.m_iItem = row; });
    EXPECT_FALSE(IsEvalValueValid(EvaluateExpression("reportmacro")));
}

TEST(TemplateSafety, HugeSizesAndFormatsStayBounded)
{
    auto prop = MakeReportProp();
    const std::string text = RenderTemplate(
        *prop, "{CONTRACT_ID,SIZE=99999}|\n{#1,FORMAT=9.999}\n{SITE_COUNT,FORMAT=%99999.99999u}\n{#2,FORMAT=99999.2}", {},
        1024);
    const std::vector<std::string> lines = SplitText(text, '\n');
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].size(), std::size_t(kMaxTemplateFieldWidth) + 1);
    EXPECT_EQ(lines[1].size(), 1001u);
    EXPECT_EQ(lines[2].size(), 512u);
    EXPECT_EQ(lines[3], "2.00");
}
