#include "model/flat/FlatFormats.h"
#include "model/flat/FlatImportState.h"
#include "tests/model/flat/FlatTestSupport.h"
#include "tests/model/flat/Wk1TestRecords.h"
#include "tests/model/support/ItemTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Items 0010 and 0020; 0030 has a fixed price and a quantity the bidder enters; 0050 is only a
// section row.
class FlatImportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FreeEvaluatorSymbols();
        AddSection(*m_prop, "0001");
        AddItem(*m_prop, "0010", 4, 1);
        AddItem(*m_prop, "0020", 2, 2);
        CItem& fixed = AddItem(*m_prop, "0030", 5, 100);
        ChangeFlagBit(&fixed.m_wFlags, ITEM_FIXED_PRICE, 1);
        ChangeFlagBit(&fixed.m_wFlags, ITEM_FIXED_FULLY_BID, 1);
        AddSection(*m_prop, "0050");
    }

    CFlatImportReport ImportCsvText(const std::string& text, const FlatFieldList& fields = MakeFlatFieldList({1, 6}))
    {
        return ImportBytes(ImportCsv, *m_prop, fields, text);
    }

    CItem& Item(int index) { return *m_prop->m_items[index]; }

    std::unique_ptr<CProp> m_prop = MakeBidProp();
};

TEST_F(FlatImportTest, APriceMayBeAFormulaOverTheQuantity)
{
    const CFlatImportReport report = ImportCsvText("0010,@QUAN*2.5\n0020,  7.25  \n");
    EXPECT_EQ(report.m_iLines, 2);
    EXPECT_EQ(report.m_iPricesLoaded, 2);
    EXPECT_EQ(Item(1).m_fUnitPrice, 10);
    EXPECT_EQ(Item(2).m_fUnitPrice, 7.25);
}

TEST_F(FlatImportTest, CommentsEmptyLinesAndTheRowOfNamesAreNoRows)
{
    const CFlatImportReport report =
        ImportCsvText("LineNumber,UnitPrice\r\n; 0010,99\r\n   ;0020,99\r\n\r\n   \r\n  0010 , 7\r\n");
    EXPECT_EQ(report.m_iLines, 1);
    EXPECT_EQ(report.m_iPricesLoaded, 1);
    EXPECT_TRUE(report.m_problems.empty());
    EXPECT_EQ(Item(1).m_fUnitPrice, 7);
    EXPECT_EQ(Item(2).m_fUnitPrice, 2);
}

TEST_F(FlatImportTest, ARowNamingNoItemIsCountedAndReported)
{
    const CFlatImportReport report = ImportCsvText("0099,5\n0050,5\n0010,5\n");
    EXPECT_EQ(report.m_iLines, 3);
    EXPECT_EQ(report.m_iPricesLoaded, 1);
    EXPECT_EQ(report.m_iProblemRows, 2);
    ASSERT_EQ(report.m_problems.size(), 2u);
    EXPECT_EQ(report.m_problems[0], "line 1: no item has the line number \"0099\"");
    EXPECT_EQ(report.m_problems[1], "line 2: no item has the line number \"0050\"") << "a section row is no item";
}

TEST_F(FlatImportTest, AnEmptyPriceClearsIt)
{
    EXPECT_EQ(ImportCsvText("0010,\n0020\n").m_iPricesLoaded, 2);
    EXPECT_FALSE(IsEvalValueValid(Item(1).m_fUnitPrice));
    EXPECT_FALSE(IsEvalValueValid(Item(2).m_fUnitPrice)) << "a row without its price column";
}

TEST_F(FlatImportTest, APriceThatDoesNotEvaluateIsReportedAndChangesNothing)
{
    const CFlatImportReport report = ImportCsvText("0010,12..5\n0020,3/0\n");
    EXPECT_EQ(report.m_iLines, 2);
    EXPECT_EQ(report.m_iPricesLoaded, 0);
    ASSERT_EQ(report.m_problems.size(), 2u);
    EXPECT_EQ(report.m_problems[0], "line 1: item 0010: the unit price \"12..5\" cannot be evaluated "
                                    "(Unrecognized character)");
    EXPECT_EQ(report.m_problems[1], "line 2: item 0020: the unit price \"3/0\" cannot be evaluated "
                                    "(Divide by zero error)");
    EXPECT_EQ(Item(1).m_fUnitPrice, 1);
    EXPECT_EQ(Item(2).m_fUnitPrice, 2);
}

TEST_F(FlatImportTest, QuantitiesChangeOnlyWhereTheBidderEntersThemAndOnlyFromAQuantityColumn)
{
    const FlatFieldList withQuantity = MakeFlatFieldList({1, 6, 4});
    const CFlatImportReport both = ImportCsvText("0010,5,99\n0030,7,9\n", withQuantity);
    EXPECT_EQ(both.m_iPricesLoaded, 1);
    EXPECT_EQ(both.m_iFixedPriceRows, 1);
    EXPECT_EQ(Item(1).m_fQuan, 4);
    EXPECT_EQ(Item(3).m_fQuan, 9);
    EXPECT_EQ(Item(3).m_fUnitPrice, 100) << "the agency's fixed price stays";

    EXPECT_EQ(ImportCsvText("0030,7\n").m_iFixedPriceRows, 1);
    EXPECT_EQ(Item(3).m_fQuan, 9) << "a file without a quantity column";
    EXPECT_EQ(ImportCsvText("0030,7\n", withQuantity).m_iFixedPriceRows, 1);
    EXPECT_EQ(Item(3).m_fQuan, 9) << "a row without its quantity column";

    const CFlatImportReport bad = ImportCsvText("0030,7,x\n", withQuantity);
    ASSERT_EQ(bad.m_problems.size(), 1u);
    EXPECT_EQ(bad.m_problems[0], "line 1: item 0030: the quantity \"x\" cannot be evaluated (Unrecognized character)");
    EXPECT_EQ(Item(3).m_fQuan, 9);
    EXPECT_EQ(ImportCsvText("0030,7,\n", withQuantity).m_iFixedPriceRows, 1);
    EXPECT_FALSE(IsEvalValueValid(Item(3).m_fQuan)) << "an empty quantity clears it";
}

// A row of a fixed-price item loads no price: it is counted apart, named by the item's own line.
TEST_F(FlatImportTest, AFixedPriceRowIsNoPriceLoadedAndIsNamed)
{
    const CFlatImportReport report = ImportCsvText("0010,5\n30,7\n0020,6\n0030,8\n");
    EXPECT_EQ(report.m_iLines, 4);
    EXPECT_EQ(report.m_iPricesLoaded, 2);
    EXPECT_EQ(report.m_iFixedPriceRows, 2);
    EXPECT_EQ(report.m_fixedPriceLines, (std::vector<std::string>{"0030", "0030"}));
    EXPECT_EQ(report.m_iProblemRows, 0);
    EXPECT_EQ(Item(3).m_fUnitPrice, 100);
}

TEST_F(FlatImportTest, TheFirstOfTwoItemsWithOneLineNumberTakesThePrice)
{
    AddItem(*m_prop, "0010", 1, 1);
    ImportCsvText("0010,6\n");
    EXPECT_EQ(Item(1).m_fUnitPrice, 6);
    EXPECT_EQ(Item(5).m_fUnitPrice, 1);
}

// Spreadsheets write formatted amounts with thousands separators and the currency sign.
TEST_F(FlatImportTest, QuotedFieldsMayHoldCommasAndPricesReadAsTypedAmounts)
{
    const FlatFieldList fields = MakeFlatFieldList({8, 1, 6});
    EXPECT_EQ(ImportCsvText("\"a, \"\"b\"\"\",\"0010\",\"$1,234.50\"\n"
                            "x,0020,($2.5)\n", fields).m_iPricesLoaded, 2);
    EXPECT_EQ(Item(1).m_fUnitPrice, 1234.5);
    EXPECT_EQ(Item(2).m_fUnitPrice, -2.5);
}

// A spreadsheet of a decimal-comma locale: read with its commas dropped, "190,50" would load
// 19,050.00 and "1.234,50" 1.23. Such a row is named with the reason and changes nothing.
TEST_F(FlatImportTest, ADecimalCommaRefusesItsRowInEveryFormat)
{
    const std::string refused = "cannot be evaluated (a comma may only separate groups of three digits";
    const CFlatImportReport csv = ImportCsvText("0010,\"190,50\"\n0020,\"1.234,50\"\n0020,\"1,234.50\"\n");
    EXPECT_EQ(csv.m_iLines, 3);
    EXPECT_EQ(csv.m_iPricesLoaded, 1);
    ASSERT_EQ(csv.m_problems.size(), 2u);
    EXPECT_EQ(csv.m_problems[0], "line 1: item 0010: the unit price \"190,50\" " + refused +
                                     " before the decimal point)");
    EXPECT_NE(csv.m_problems[1].find("\"1.234,50\" " + refused), std::string::npos);
    EXPECT_EQ(Item(1).m_fUnitPrice, 1);
    EXPECT_EQ(Item(2).m_fUnitPrice, 1234.5);

    const CFlatImportReport tab = ImportBytes(ImportTab, *m_prop, MakeFlatFieldList({1, 6}), "0010\t190,50\n");
    const CFlatImportReport sheet = ImportBytes(ImportWk1, *m_prop, MakeFlatFieldList({1, 6}),
                                                Wk1Sheet(Wk1Label(0, 1, "0010") + Wk1Label(1, 1, "190,50")));
    for (const CFlatImportReport* report : {&tab, &sheet}) {
        EXPECT_EQ(report->m_iPricesLoaded, 0);
        ASSERT_EQ(report->m_problems.size(), 1u);
        EXPECT_NE(report->m_problems[0].find(refused), std::string::npos) << report->m_problems[0];
    }
    EXPECT_EQ(Item(1).m_fUnitPrice, 1);
}

// "CSV UTF-8" begins with a byte order mark: the first row is still a row, or a row of names.
TEST_F(FlatImportTest, AByteOrderMarkBeforeTheFirstRowIsSkipped)
{
    const std::string mark = "\xEF\xBB\xBF";
    const CFlatImportReport named = ImportCsvText(mark + "LineNumber,UnitPrice\n0010,5\n");
    EXPECT_EQ(named.m_iLines, 1);
    EXPECT_EQ(named.m_iPricesLoaded, 1);
    EXPECT_EQ(ImportCsvText(mark + "0020,6\n").m_iPricesLoaded, 1);
    EXPECT_EQ(ImportBytes(ImportTab, *m_prop, MakeFlatFieldList({1, 6}), mark + "0010\t7\n").m_iPricesLoaded, 1);
    const FlatFieldList widths = MakeFlatFieldList({6, 4});
    EXPECT_EQ(ImportBytes(ImportCol, *m_prop, MakeFlatFieldList({1, 6}), mark + "0020  8\n", widths).m_iPricesLoaded, 1);
    EXPECT_EQ(Item(1).m_fUnitPrice, 7);
    EXPECT_EQ(Item(2).m_fUnitPrice, 8);
    // Only at the start of the file: further on the mark is part of the row.
    EXPECT_EQ(ImportCsvText("0010,9\n" + mark + "0020,9\n").m_iProblemRows, 1);
}

// Empty, zero and negative prices clear an item's price as this proposal's rules say; they count
// as loaded and are named, and so are items that more than one row names (the last row wins).
TEST_F(FlatImportTest, ClearedPricesAndLinesGivenTwiceAreNamed)
{
    const CFlatImportReport report =
        ImportCsvText("0010,5\n0020,0\n0010,\n20,(190.50)\n0030,1\n0010,-2\n0020,7\n0030,1\n");
    EXPECT_EQ(report.m_iLines, 8);
    EXPECT_EQ(report.m_iPricesLoaded, 6);
    EXPECT_EQ(report.m_iClearedItems, 1);
    EXPECT_EQ(report.m_clearedLines, std::vector<std::string>{"0010"}) << "0020's last row gave it a price";
    EXPECT_EQ(report.m_iRepeatedItems, 3);
    EXPECT_EQ(report.m_repeatedLines, (std::vector<std::string>{"0010", "0020", "0030"}));
    EXPECT_EQ(Item(2).m_fUnitPrice, 7);

    // Where the proposal allows a zero price, a zero is a price.
    ChangeFlagBit(&m_prop->m_wNumberFormatFlags, NUMFMT_ZERO_PRICE_ALLOWED, 1);
    const CFlatImportReport zero = ImportCsvText("0010,0\n0020,\n");
    EXPECT_EQ(zero.m_clearedLines, std::vector<std::string>{"0020"});
    EXPECT_EQ(zero.m_iRepeatedItems, 0);
}

TEST_F(FlatImportTest, TabAndFixedColumns)
{
    EXPECT_EQ(ImportBytes(ImportTab, *m_prop, MakeFlatFieldList({1, 10, 6}), "0010\t,\t 8 \r\n").m_iPricesLoaded, 1);
    EXPECT_EQ(Item(1).m_fUnitPrice, 8);
    // Columns are cut by position: an empty first column keeps the others in place.
    const std::string col = "      0020  12.5\r\n      0010  \r\n";
    const CFlatImportReport report =
        ImportBytes(ImportCol, *m_prop, MakeFlatFieldList({2, 1, 6}), col, MakeFlatFieldList({6, 6, 8}));
    EXPECT_EQ(report.m_iPricesLoaded, 2);
    EXPECT_EQ(Item(2).m_fUnitPrice, 12.5);
    EXPECT_FALSE(IsEvalValueValid(Item(1).m_fUnitPrice)) << "a short line has a blank price column";
}

TEST_F(FlatImportTest, DifTuplesAssignTheirValuesInOrder)
{
    const std::string dif = "TABLE\n0,1\n\"\"\nVECTORS\n0,2\n\"\"\nDATA\n0,0\n\"\"\n-1,0\n"
                            "BOT\n1,0\n\"0010\"\n0,3.5\nV\n-1,0\n"
                            "BOT\n1,0\n\"0020\"\n1,0\n\"@QUAN*3\"\n-1,0\nEOD\n1,0\n\"0010\"\n";
    const CFlatImportReport report = ImportBytes(ImportDif, *m_prop, MakeFlatFieldList({1, 6}), dif);
    EXPECT_EQ(report.m_iLines, 2);
    EXPECT_EQ(Item(1).m_fUnitPrice, 3.5);
    EXPECT_EQ(Item(2).m_fUnitPrice, 6);
}

TEST_F(FlatImportTest, Wk1NumbersAsLineNumbersMatchFourDigitLines)
{
    const std::string sheet = Wk1Sheet(Wk1Label(0, 0, "LineNumber") + Wk1Label(1, 0, "UnitPrice") +
                                       Wk1Number(0, 1, 10) + Wk1Number(1, 1, 4.5) + Wk1Label(2, 1, "ignored") +
                                       Wk1Integer(1, 2, -3) + Wk1Formula(0, 2, 20, "\x03\x01") +
                                       Wk1Label(0, 3, "0030") + Wk1Label(1, 3, "@QUAN+1"));
    const CFlatImportReport report = ImportBytes(ImportWk1, *m_prop, MakeFlatFieldList({1, 6}), sheet);
    EXPECT_EQ(report.m_iLines, 3);
    EXPECT_EQ(report.m_iPricesLoaded, 2);
    EXPECT_EQ(report.m_iFixedPriceRows, 1);
    EXPECT_EQ(report.m_strError, "");
    EXPECT_EQ(Item(1).m_fUnitPrice, 4.5);
    EXPECT_EQ(Item(2).m_fUnitPrice, -3) << "an INTEGER is signed";
    EXPECT_EQ(Item(3).m_fUnitPrice, 100) << "a fixed price stays";
}

TEST_F(FlatImportTest, Wk1RowsAreNamedAsTheSpreadsheetShowsThem)
{
    const CFlatImportReport report =
        ImportBytes(ImportWk1, *m_prop, MakeFlatFieldList({1, 6}), Wk1Sheet(Wk1Number(0, 4, 99)));
    ASSERT_EQ(report.m_problems.size(), 1u);
    EXPECT_EQ(report.m_problems[0], "row 5: no item has the line number \"0099\"");
}

TEST_F(FlatImportTest, APassFileIsNeverRead)
{
    const CFlatImportReport report = ImportBytes(ImportNothing, *m_prop, MakeFlatFieldList({1, 6}), "0010,5\n");
    EXPECT_EQ(report.m_iLines, 0);
    EXPECT_EQ(Item(1).m_fUnitPrice, 1);
}

TEST_F(FlatImportTest, AJobWithoutProposalOrFileEndsAtOnce)
{
    FlatFileJob job;
    job.m_importFields = MakeFlatFieldList({1, 6});
    EXPECT_EQ(ImportCsv(job), FLAT_ROW_END);
    EXPECT_EQ(job.m_strError, "no proposal or no file to import");
}

// The index the import keeps must find what a plain search of the list finds: over line numbers
// in any order (with repeats), and over rising ones, which it searches differently.
class FlatItemIndexTest : public ::testing::TestWithParam<bool> {};

TEST_P(FlatItemIndexTest, FindsWhatTheListSearchFinds)
{
    const bool rising = GetParam();
    std::mt19937 random(7);
    CItemArray items;
    for (int i = 0; i < 400; ++i) {
        const std::string line = rising ? std::to_string(10000 + i * 3) : std::to_string(random() % 150);
        items.Add(random() % 5 == 0 ? MakeSection(line) : MakeItem(line));
    }
    items.DeleteAt(17, false);
    // Probes in list order, as most files have them, then in a random order.
    std::vector<std::string> probes{""};
    for (const auto& row : items)
        if (row)
            probes.push_back(row->m_strLineNum);
    for (int i = 0; i < 400; ++i)
        probes.push_back(std::to_string(rising ? 9990 + random() % 1250 : random() % 160));
    CFlatImportState state(nullptr);
    for (const std::string& probe : probes) {
        CItem row;
        row.m_strLineNum = probe;
        int expected = -1;
        items.FindItem(row, &expected, 0);
        EXPECT_EQ(state.FindItemIndex(items, row.m_strLineNum), expected) << row.m_strLineNum;
    }
}

INSTANTIATE_TEST_SUITE_P(LineNumbers, FlatItemIndexTest, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "Rising" : "AnyOrder"); });

} // namespace
