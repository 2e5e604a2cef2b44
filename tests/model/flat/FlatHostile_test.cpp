// Damaged and foreign files for every importer: each named corruption with what the import must
// make of it. Nothing may be read outside the bytes the file has, and a row is either applied
// whole or reported.
#include "model/flat/FlatFormats.h"
#include "tests/model/flat/FlatTestSupport.h"
#include "tests/model/flat/Wk1TestRecords.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct HostileCase {
    const char* name;
    FlatFileFunction import;
    std::string bytes;
    int lines;              // rows read
    int loaded;             // rows applied
    std::string error;      // what reading stopped on, "" for a clean end
    std::string problem;    // the first row problem, "" for none
    FlatFieldList widths = MakeFlatFieldList({4, 8});
};

std::string Repeat(const std::string& text, std::size_t count)
{
    std::string out;
    for (std::size_t i = 0; i < count; ++i)
        out += text;
    return out;
}

std::string Wk1Cut(const std::string& sheet, std::size_t size)
{
    return sheet.substr(0, size);
}

const std::string kGoodRow = Wk1Number(0, 1, 10) + Wk1Number(1, 1, 5);
const std::string kNumberData = Wk1CellHeader(1, 2) + std::string(8, '\0');

std::vector<HostileCase> Wk1Cases()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    return {
        {"Wk1Empty", ImportWk1, "", 0, 0, "", ""},
        {"Wk1CutInsideARecordHeader", ImportWk1, Wk1Cut(Wk1Sheet(kGoodRow), 8), 0, 0,
         "worksheet record at byte 6: the file ends inside the record header", ""},
        {"Wk1RecordLongerThanTheFile", ImportWk1, Wk1Record(0x99, "") .substr(0, 2) + "\x2C\x01" + "short", 0, 0,
         "worksheet record at byte 0: the file ends inside the record, which declares 300 bytes", ""},
        {"Wk1ShortNumber", ImportWk1, kGoodRow + Wk1Record(WK1_NUMBER, kNumberData.substr(0, 9)), 0, 0,
         "a cell of type 14 needs 13 bytes, the record has 9", ""},
        {"Wk1ShortInteger", ImportWk1, Wk1Record(WK1_INTEGER, Wk1CellHeader(0, 1) + "\x01"), 0, 0,
         "a cell of type 13 needs 7 bytes, the record has 6", ""},
        {"Wk1ShortFormula", ImportWk1, Wk1Record(WK1_FORMULA, kNumberData), 0, 0,
         "a cell of type 16 needs 15 bytes, the record has 13", ""},
        {"Wk1FormulaPastItsRecord", ImportWk1, Wk1Record(WK1_FORMULA, kNumberData + "\x64" + '\0' + "ab"), 0, 0,
         "its formula of 100 bytes runs past the record", ""},
        {"Wk1LabelWithoutCellHeader", ImportWk1, Wk1Record(WK1_LABEL, "\xFF\x01"), 0, 0,
         "a cell of type 15 needs 5 bytes, the record has 2", ""},
        {"Wk1LabelWithoutNulOrPrefix", ImportWk1,
         Wk1Record(WK1_LABEL, Wk1CellHeader(0, 1) + "'0010") + Wk1Record(WK1_LABEL, Wk1CellHeader(1, 1)), 1, 1, "", ""},
        {"Wk1DamageLosesOnlyTheRowItIsIn", ImportWk1,
         kGoodRow + Wk1Number(0, 2, 20) + Wk1Record(WK1_NUMBER, kNumberData.substr(0, 12)), 1, 1,
         "the record has 12", ""},
        {"Wk1PriceNotANumber", ImportWk1, Wk1Number(0, 1, 10) + Wk1Number(1, 1, nan), 1, 0, "",
         "row 2: item 0010: the unit price is not a finite number"},
        {"Wk1PriceInfinite", ImportWk1, Wk1Number(0, 1, 10) + Wk1Number(1, 1, -inf), 1, 0, "",
         "the unit price is not a finite number"},
        {"Wk1LineNumberBeyondInt", ImportWk1, Wk1Number(0, 1, 1e300) + Wk1Number(1, 1, 5), 1, 0, "",
         "no item has the line number \"\""},
        {"Wk1LineNumberNotANumber", ImportWk1, Wk1Number(0, 1, nan), 1, 0, "", "no item has the line number \"\""},
        {"Wk1ForeignRecordsPassedOver", ImportWk1,
         Wk1Record(0x99, std::string(0xFFFF, '\x0F')) + Wk1Record(6, std::string(8, '\0')) + kGoodRow +
             Wk1Record(WK1_EOF, "") + "\x0F",
         1, 1, "", ""},
        {"Wk1ColumnsFarRight", ImportWk1, kGoodRow + Wk1Number(0xFFFF, 1, 1), 1, 1, "", ""},
    };
}

std::vector<HostileCase> TextCases()
{
    const std::string overlong = "0010," + std::string(1 << 20, '1') + "\n0020,5\n";
    const std::string deep = Repeat("(", 100000) + "1" + Repeat(")", 100000);
    return {
        {"CsvEmpty", ImportCsv, "", 0, 0, "", ""},
        {"CsvOnlyCarriageReturns", ImportCsv, "\r\r\r\n\r", 0, 0, "", ""},
        {"CsvLineLongerThanAnyRow", ImportCsv, "0020,5\n" + overlong, 1, 1, "line 2 is longer than 1048576 bytes", ""},
        {"CsvUnbalancedQuote", ImportCsv, "\"0010,5\n", 1, 0, "", "line 1: no item has the line number \"0010,5\""},
        {"CsvNulInsideALine", ImportCsv, std::string("0010\0,5\n0010,6\n", 15), 2, 1, "",
         std::string("no item has the line number \"0010\0\"", 35)},
        {"CsvManyMoreFieldsThanTheList", ImportCsv, "0010,5" + Repeat(",9", 100000) + "\n", 1, 1, "", ""},
        {"CsvFormulaNestedTooDeep", ImportCsv, "0010," + deep + "\n", 1, 0, "", "line 1: item 0010: the unit price"},
        {"CsvNoLineFeedAtTheEnd", ImportCsv, "0010,5", 1, 1, "", ""},
        {"TabLineLongerThanAnyRow", ImportTab, overlong, 0, 0, "line 1 is longer than", ""},
        {"ColLineLongerThanAnyRow", ImportCol, overlong, 0, 0, "line 1 is longer than", ""},
        {"ColNegativeWidths", ImportCol, "0010    5\n", 1, 0, "", "no item has the line number \"\"",
         MakeFlatFieldList({-4, -8})},
        {"ColWidthsPastAnyLine", ImportCol, "0010\n", 1, 1, "", "", MakeFlatFieldList({2000000000, 8})},
        {"DifNoTuples", ImportDif, "TABLE\n0,1\n\"\"\n", 0, 0, "", ""},
        {"DifEndsInsideATuple", ImportDif, "BOT\n1,0\n\"0010\"\n0,5\nV\n", 0, 0,
         "the file ends inside the row that begins at line 1", ""},
        {"DifNumberWithoutIndicator", ImportDif, "BOT\n1,0\n\"0010\"\n0,5", 0, 0, "the file ends inside the row", ""},
        {"DifStringWithoutText", ImportDif, "BOT\n1,0", 0, 0, "the file ends inside the row", ""},
        {"DifForeignValueLines", ImportDif, "BOT\n2,0\njunk\n1,0\n\"0010\"\n0\nV\n-1,0\n", 1, 1, "", ""},
        {"DifUnclosedQuote", ImportDif, "BOT\n1,0\n\"0010\n0,5\nV\n-1,0\n", 1, 1, "", ""},
        {"DifMoreValuesThanFields", ImportDif, "BOT\n1,0\n\"0010\"\n0,5\nV\n" + Repeat("0,1\nV\n", 50) + "-1,0\n", 1, 1,
         "", ""},
    };
}

void PrintTo(const HostileCase& c, std::ostream* out)
{
    *out << c.name;
}

class FlatHostileTest : public ::testing::TestWithParam<HostileCase> {
protected:
    void SetUp() override
    {
        FreeEvaluatorSymbols();
        AddItem(*m_prop, "0010", 1, 1);
        AddItem(*m_prop, "0020", 1, 1);
    }

    std::unique_ptr<CProp> m_prop = MakeBidProp();
};

TEST_P(FlatHostileTest, RefusesWhatIsDamagedAndAppliesOnlyWholeRows)
{
    const HostileCase& c = GetParam();
    const CFlatImportReport report = ImportBytes(c.import, *m_prop, MakeFlatFieldList({1, 6}), c.bytes, c.widths);
    EXPECT_EQ(report.m_iLines, c.lines);
    EXPECT_EQ(report.m_iPricesLoaded, c.loaded);
    if (c.error.empty())
        EXPECT_EQ(report.m_strError, "");
    else
        EXPECT_NE(report.m_strError.find(c.error), std::string::npos) << report.m_strError;
    if (c.problem.empty()) {
        EXPECT_TRUE(report.m_problems.empty()) << report.m_problems.front();
    } else {
        ASSERT_FALSE(report.m_problems.empty());
        EXPECT_NE(report.m_problems.front().find(c.problem), std::string::npos) << report.m_problems.front();
    }
    const int unchanged = int(m_prop->m_items[0]->m_fUnitPrice == 1) + int(m_prop->m_items[1]->m_fUnitPrice == 1);
    EXPECT_EQ(unchanged, 2 - c.loaded);
}

INSTANTIATE_TEST_SUITE_P(Wk1, FlatHostileTest, ::testing::ValuesIn(Wk1Cases()),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Text, FlatHostileTest, ::testing::ValuesIn(TextCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// A stream that cannot be read: every importer stops with a message instead of reading on.
TEST(FlatHostile, AnUnreadableStreamStopsEveryImport)
{
    auto prop = MakeBidProp();
    AddItem(*prop, "0010", 1, 1);
    for (const FlatFileFunction import : {ImportCsv, ImportTab, ImportCol, ImportDif, ImportWk1}) {
        FilePtr writeOnly(std::fopen("/dev/null", "w"));
        FlatFileJob job;
        job.m_pProp = prop.get();
        job.m_pFile = writeOnly.get();
        job.m_importFields = MakeFlatFieldList({1, 6});
        const CFlatImportReport report = RunFlatImport(job, import);
        EXPECT_EQ(report.m_iLines, 0);
        EXPECT_NE(report.m_strError.find("cannot be read"), std::string::npos) << report.m_strError;
    }
}

// A file of nothing but bad rows is reported in full, but only the first thousand are kept as text.
TEST(FlatHostile, ProblemTextsAreCappedButCounted)
{
    auto prop = MakeBidProp();
    const CFlatImportReport report = ImportBytes(ImportCsv, *prop, MakeFlatFieldList({1, 6}), Repeat("x\n", 5000));
    EXPECT_EQ(report.m_iLines, 5000);
    EXPECT_EQ(report.m_iProblemRows, 5000);
    EXPECT_EQ(report.m_problems.size(), CFlatImportReport::kMaxNamedRows);
}

} // namespace
