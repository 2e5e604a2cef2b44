#include "model/flat/FlatFormats.h"
#include "tests/model/flat/FlatTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A section and three items: a description with a quote and a comma, a price not entered, and a
// text longer than its fixed column.
class FlatExportTest : public FlatJobTest {
protected:
    void SetUp() override
    {
        AddSection(*m_prop, "0001").m_strLongDesc = "Earthwork";
        AddItem(*m_prop, "0010", 12.5, 3.75).m_strShortDesc = "He said \"go\", now";
        AddItem(*m_prop, "0020", 2, -1).m_strShortDesc = "AB";
        AddItem(*m_prop, "0030", 1000, 1234.5).m_strShortDesc = "ABCDEFGH";
        m_job.m_exportFields = MakeFlatFieldList({1, 4, 6, 8});
        m_job.m_exportWidths = MakeFlatFieldList({6, 10, 10, 6});
        m_job.m_bLabels = 1;
    }
};

TEST_F(FlatExportTest, CsvQuotesOnlyWhatNeedsIt)
{
    EXPECT_EQ(ExportBytes(ExportCsv, m_job),
              "LineNumber,Quantity,UnitPrice,ShortDesc\r\n"
              "0010,12.500,3.75,\"He said \"\"go\"\", now\"\r\n"
              "0020,2.000,,AB\r\n"
              "0030,1000.000,1234.50,ABCDEFGH\r\n");
    m_job.m_bLabels = 0;
    EXPECT_TRUE(ExportBytes(ExportCsv, m_job).starts_with("0010,"));
}

TEST_F(FlatExportTest, Cs2QuotesEverythingAndReplacesCommasAndQuotes)
{
    EXPECT_EQ(ExportBytes(ExportCs2, m_job),
              "LineNumber,Quantity,UnitPrice,ShortDesc\r\n"
              "\"0010\",\"12.500\",\"3.75\",\"He said ''go''  now\"\r\n"
              "\"0020\",\"2.000\",\"\",\"AB\"\r\n"
              "\"0030\",\"1000.000\",\"1234.50\",\"ABCDEFGH\"\r\n");
}

TEST_F(FlatExportTest, TabAlwaysWritesItsHeaderAndTheTextsAsTheyAre)
{
    m_job.m_bLabels = 0;
    EXPECT_EQ(ExportBytes(ExportTab, m_job),
              "LineNumber\tQuantity\tUnitPrice\tShortDesc\r\n"
              "0010\t12.500\t3.75\tHe said \"go\", now\r\n"
              "0020\t2.000\t\tAB\r\n"
              "0030\t1000.000\t1234.50\tABCDEFGH\r\n");
}

TEST_F(FlatExportTest, ColCutsAndPadsEachFieldToItsWidth)
{
    EXPECT_EQ(ExportBytes(ExportCol, m_job),
              "0010  12.500    3.75      He sai\r\n"
              "0020  2.000               AB    \r\n"
              "0030  1000.000  1234.50   ABCDEF\r\n");
}

// A number cut to its column reads back as another ("161640." for 161,640.28): the export is
// refused and names every number that does not fit; texts are still cut.
TEST_F(FlatExportTest, ColRefusesANumberWiderThanItsColumn)
{
    m_job.m_exportWidths = MakeFlatFieldList({6, 7, 7, 3});
    std::string bytes;
    EXPECT_EQ(ExportFlatBytes(ExportCol, m_job, bytes), FLAT_EXPORT_NUMBER_TOO_WIDE);
    EXPECT_EQ(m_job.m_numbersTooWide, (std::vector<std::string>{"line 0030: Quantity 1000.000 needs 8 characters, "
                                                                "its column 7"}));
    m_job.m_exportWidths = MakeFlatFieldList({6, 8, 0, 3});
    EXPECT_EQ(ExportFlatBytes(ExportCol, m_job, bytes), FLAT_EXPORT_NUMBER_TOO_WIDE);
    EXPECT_EQ(m_job.m_numbersTooWide, (std::vector<std::string>{"line 0010: UnitPrice 3.75 needs 4 characters, its "
                                                                "column 0",
                                                                "line 0030: UnitPrice 1234.50 needs 7 characters, its "
                                                                "column 0"}))
        << "a price not entered fits any column";
    // The line number an import finds the item by: cut, "0010" would read as line "001".
    m_job.m_exportWidths = MakeFlatFieldList({3, 8, 7, 3});
    EXPECT_EQ(ExportFlatBytes(ExportCol, m_job, bytes), FLAT_EXPORT_NUMBER_TOO_WIDE);
    ASSERT_EQ(m_job.m_numbersTooWide.size(), 3u);
    EXPECT_EQ(m_job.m_numbersTooWide[0], "line 0010: LineNumber 0010 needs 4 characters, its column 3");
    m_job.m_exportWidths = MakeFlatFieldList({0, 8, 7, 3});
    EXPECT_EQ(ExportFlatBytes(ExportCol, m_job, bytes), FLAT_EXPORT_DONE) << "left out, it names no item";
    m_job.m_exportWidths = MakeFlatFieldList({6, 8, 7, 3});
    EXPECT_EQ(ExportBytes(ExportCol, m_job), "0010  12.500  3.75   He \r\n"
                                             "0020  2.000          AB \r\n"
                                             "0030  1000.0001234.50ABC\r\n");
}

// A number wider than the proposal's own number format would be written as asterisks: every
// format that writes numbers as text refuses; a worksheet holds the number itself.
TEST_F(FlatExportTest, ANumberWiderThanItsNumberFormatIsNeverWrittenAsAsterisks)
{
    m_prop->m_numberFormats[NUMFMT_UNIT_PRICE].m_byWidth = 3;
    for (const char* code : {"CSV", "CS2", "TAB", "DIF", "COL"}) {
        std::string bytes;
        EXPECT_EQ(ExportFlatBytes(Format(code).m_pExport, m_job, bytes), FLAT_EXPORT_NUMBER_TOO_WIDE) << code;
        EXPECT_EQ(m_job.m_numbersTooWide, (std::vector<std::string>{"line 0030: UnitPrice 1234.50 has more than 3 "
                                                                    "digits before the point"}))
            << code;
    }
    std::string bytes;
    EXPECT_EQ(ExportFlatBytes(ExportWk1, m_job, bytes), FLAT_EXPORT_DONE);
}

TEST_F(FlatExportTest, DifWritesNumbersAndStringsInTuples)
{
    const std::string header = "TABLE\r\n0,1\r\n\"\"\r\nVECTORS\r\n0,4\r\n\"\"\r\nTUPLES\r\n0,3\r\n\"\"\r\n"
                               "DATA\r\n0,0\r\n\"\"\r\n-1,0\r\n";
    EXPECT_EQ(ExportBytes(ExportDif, m_job),
              header +
                  "BOT\r\n1,0\r\n\"0010\"\r\n0,12.500\r\nV\r\n0,3.75\r\nV\r\n1,0\r\n\"He said ''go'', now\"\r\n-1,0\r\n"
                  // A price not entered has no number: it is an empty string.
                  "BOT\r\n1,0\r\n\"0020\"\r\n0,2.000\r\nV\r\n1,0\r\n\"\"\r\n1,0\r\n\"AB\"\r\n-1,0\r\n"
                  "BOT\r\n1,0\r\n\"0030\"\r\n0,1000.000\r\nV\r\n0,1234.50\r\nV\r\n1,0\r\n\"ABCDEFGH\"\r\n-1,0\r\n"
                  "EOD\r\n");
}

struct LineBreakCase {
    const char* name;
    FlatFileFunction exportFunction;
    const char* expectedRow;
};

class FlatLineBreakTest : public FlatExportTest, public ::testing::WithParamInterface<LineBreakCase> {};

// Every item stays one line, whatever its texts hold.
TEST_P(FlatLineBreakTest, BreaksInsideAFieldBecomeBlanks)
{
    m_prop->m_items[1]->m_strShortDesc = "two\r\nlines\tand a tab";
    m_job.m_bLabels = 0;
    m_job.m_exportFields = MakeFlatFieldList({1, 8});
    m_job.m_exportWidths = MakeFlatFieldList({4, 15});
    const std::string bytes = ExportBytes(GetParam().exportFunction, m_job);
    const std::size_t start = GetParam().exportFunction == ExportTab ? bytes.find("\r\n") + 2 : 0;
    EXPECT_EQ(bytes.substr(start, bytes.find("\r\n", start) - start), GetParam().expectedRow);
}

INSTANTIATE_TEST_SUITE_P(Formats, FlatLineBreakTest, ::testing::Values(
    LineBreakCase{"Csv", ExportCsv, "0010,two  lines\tand a tab"},
    LineBreakCase{"Cs2", ExportCs2, "\"0010\",\"two  lines\tand a tab\""},
    LineBreakCase{"Tab", ExportTab, "0010\ttwo  lines and a tab"},
    LineBreakCase{"Col", ExportCol, "0010two  lines\tand "}),
    [](const auto& info) { return std::string(info.param.name); });

std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (const int value : values)
        bytes += char(value);
    return bytes;
}

std::string Text(std::string_view text)
{
    return std::string(text);
}

// Checked by hand against the record layout: u16 type, u16 length, then the data, little-endian.
TEST_F(FlatExportTest, Wk1GoldenBytesOfThreeItems)
{
    m_job.m_exportFields = MakeFlatFieldList({1, 6});
    m_job.m_exportWidths = MakeFlatFieldList({6, 10});
    const std::string expected =
        Bytes({0x00, 0x00, 0x02, 0x00, 0x04, 0x04}) +                     // BOF
        Bytes({0x08, 0x00, 0x03, 0x00, 0x00, 0x00, 0x06}) +               // COLW1 column 0 width 6
        Bytes({0x08, 0x00, 0x03, 0x00, 0x01, 0x00, 0x0A}) +               // COLW1 column 1 width 10
        Bytes({0x0F, 0x00, 0x11, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00}) +   // LABEL A1, 10 + 7 bytes
        "'" + Text("LineNumber") + '\0' +
        Bytes({0x0F, 0x00, 0x10, 0x00, 0xFF, 0x01, 0x00, 0x00, 0x00}) +   // LABEL B1
        "'" + Text("UnitPrice") + '\0' +
        Bytes({0x0F, 0x00, 0x0B, 0x00, 0xFF, 0x00, 0x00, 0x01, 0x00}) +   // LABEL A2
        "'" + Text("0010") + '\0' +
        Bytes({0x0E, 0x00, 0x0D, 0x00, 0x82, 0x01, 0x00, 0x01, 0x00}) +   // NUMBER B2, 2 decimals
        Bytes({0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0E, 0x40}) +         // 3.75
        Bytes({0x0F, 0x00, 0x0B, 0x00, 0xFF, 0x00, 0x00, 0x02, 0x00}) +   // LABEL A3; B3 not entered
        "'" + Text("0020") + '\0' +
        Bytes({0x0F, 0x00, 0x0B, 0x00, 0xFF, 0x00, 0x00, 0x03, 0x00}) +   // LABEL A4
        "'" + Text("0030") + '\0' +
        Bytes({0x0E, 0x00, 0x0D, 0x00, 0x82, 0x01, 0x00, 0x03, 0x00}) +   // NUMBER B4
        Bytes({0x00, 0x00, 0x00, 0x00, 0x00, 0x4A, 0x93, 0x40}) +         // 1234.5
        Bytes({0x01, 0x00, 0x00, 0x00});                                  // EOF
    EXPECT_EQ(ExportBytes(ExportWk1, m_job), expected);
}

TEST_F(FlatExportTest, Wk1WritesAMissingTextAsOneBlankAndCapsColumnWidths)
{
    m_job.m_bLabels = 0;
    m_job.m_exportFields = MakeFlatFieldList({ITEM_COL_SKIP});
    m_job.m_exportWidths = MakeFlatFieldList({300});
    const std::string bytes = ExportBytes(ExportWk1, m_job);
    EXPECT_EQ(bytes.substr(6, 7), Bytes({0x08, 0x00, 0x03, 0x00, 0x00, 0x00, 0xFF}));
    EXPECT_EQ(bytes.substr(13, 12), Bytes({0x0F, 0x00, 0x08, 0x00, 0xFF, 0x00, 0x00, 0x01, 0x00}) + "' " + '\0');
}

TEST_F(FlatExportTest, Wk1RefusesMoreItemsThanAWorksheetHasRows)
{
    for (int i = 0; i < 0xFFFF; ++i)
        AddItem(*m_prop, std::to_string(i), 1, 1);
    FilePtr file(std::tmpfile());
    m_job.m_pFile = file.get();
    EXPECT_EQ(ExportWk1(m_job), FLAT_EXPORT_TOO_MANY_ROWS);
    EXPECT_EQ(BytesOf(file.get()), "");
}

TEST_F(FlatExportTest, AFailedWriteIsReported)
{
    FilePtr full(std::fopen("/dev/full", "w"));
    ASSERT_NE(full, nullptr);
    m_job.m_pFile = full.get();
    for (const FlatFileFormat& format : GetFlatFileFormatTable())
        EXPECT_EQ(format.m_pExport(m_job), FLAT_EXPORT_WRITE_FAILED) << format.m_code;
}

TEST(FlatFileFormats, TableOrderCodesAndLookup)
{
    std::string codes;
    for (const FlatFileFormat& format : GetFlatFileFormatTable())
        codes += std::string(format.m_code) + (format.m_bBinary ? "* " : " ");
    EXPECT_EQ(codes, "CSV CS2 TAB DIF COL WK1* DAT ");
    EXPECT_EQ(FindFlatFileFormat("wk1"), 5);
    EXPECT_EQ(FindFlatFileFormat(""), -1);
    EXPECT_EQ(FindFlatFileFormat("XLS"), -1);
    EXPECT_EQ(GetFlatFileFormat("cs2")->m_pImport, ImportCsv);
    EXPECT_EQ(GetFlatFileFormat("DAT")->m_description, "Export Only!");
    EXPECT_EQ(GetFlatFileFormat("CSVX"), nullptr);
    EXPECT_EQ(GetFlatFileFormatAt(6)->m_code, "DAT");
    EXPECT_EQ(GetFlatFileFormatAt(7), nullptr);
    EXPECT_EQ(GetFlatFileFormatAt(-1), nullptr);
    EXPECT_EQ(DefaultFlatWidths(DefaultFlatFields()), MakeFlatFieldList({6, 6, 15, 16, 6, 16, 40}));
}

} // namespace
