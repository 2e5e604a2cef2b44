// The memory data source: cells kept where they were written, rows and columns put in and
// taken out, searches that wrap, and sorts that end whatever the comparison hook answers.
#include <gtest/gtest.h>

#include <random>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "controls/grid/GridMem.h"

namespace {

// A grid of the given size whose built-in source is the memory source under test.
class MemGrid : public ::testing::Test {
protected:
    MemGrid()
    {
        grid.SetColumnCount(4, 0);
        grid.SetRowCount(5, 0);
    }
    CGridMem& Mem() { return static_cast<CGridMem&>(*grid.GetDataSource(0)); }
    void Put(int column, int row, const char* text)
    {
        CGridCell cell;
        cell.SetText(text);
        Mem().WriteCell(column, row, &cell);
    }
    std::string At(int column, int row)
    {
        CGridCell cell;
        return Mem().ReadCell(column, row, &cell) == 0 && cell.GetText() ? cell.GetText() : "-";
    }
    std::string Column(int column)
    {
        std::string texts;
        for (int row = 0; row < grid.GetRowCount(); ++row)
            texts += At(column, row) + " ";
        return texts;
    }

    CGridCtrl grid;
};

}  // namespace

TEST_F(MemGrid, ReadingGivesWhatWasWrittenOverTheCallersDefaults)
{
    CGridCell cell;
    cell.SetBackColor(RGB(1, 2, 3));
    EXPECT_EQ(Mem().ReadCell(3, 2, &cell), 1);
    EXPECT_EQ(cell.GetPropertyMask(), GridCellBits::BackColor);
    Put(3, 2, "x");
    EXPECT_EQ(Mem().ReadCell(3, 2, &cell), 0);
    EXPECT_STREQ(cell.GetText(), "x");
    EXPECT_EQ(cell.GetBackColor(), RGB(1, 2, 3));
    EXPECT_EQ(Mem().ReadCell(2, 2, &cell), 1);  // written past, never written itself
    EXPECT_EQ(Mem().ClearCell(2, 2), 0);        // but present, empty
    EXPECT_EQ(Mem().ClearCell(3, 2), 0);
    EXPECT_EQ(At(3, 2), "-");
    EXPECT_EQ(Mem().ClearCell(0, 3), 1);  // no row there
    // Heading cells live before row 0 and column 0.
    Put(-1, 1, "2");
    Put(1, -1, "Price");
    EXPECT_EQ(At(-1, 1), "2");
    EXPECT_EQ(At(1, -1), "Price");
}

TEST_F(MemGrid, RowsMoveWithInsertsAndDeletesButPastTheLastStoredRowNothingHappens)
{
    for (int row = 0; row < 3; ++row)
        Put(0, row, std::to_string(row).c_str());
    EXPECT_EQ(Mem().InsertRowAt(1), 0);
    EXPECT_EQ(Column(0), "0 - 1 2 - ");
    EXPECT_EQ(Mem().InsertRowAt(4), 0);  // past the last stored row
    EXPECT_EQ(Column(0), "0 - 1 2 - ");
    EXPECT_EQ(Mem().DeleteRowAt(0), 0);
    EXPECT_EQ(Column(0), "- 1 2 - - ");
    EXPECT_EQ(Mem().DeleteRowAt(7), 0);
    EXPECT_EQ(Mem().RemoveAllData(), 0);
    EXPECT_EQ(Column(0), "- - - - - ");
    EXPECT_EQ(Mem().InsertColumnAt(0), 1);  // no rows
    EXPECT_EQ(Mem().DeleteColumnAt(0), 1);
}

TEST_F(MemGrid, ColumnsMoveInEveryRowThatReachesThemAndTheMappingsFollow)
{
    Put(0, 0, "a");
    Put(1, 0, "b");
    Put(2, 0, "c");
    Put(0, 1, "d");
    EXPECT_EQ(Mem().InsertColumnAt(1), 0);
    EXPECT_EQ(At(2, 0), "b");
    EXPECT_EQ(At(1, 0), "-");
    EXPECT_EQ(At(0, 1), "d");  // row 1 ends before column 1
    EXPECT_EQ(grid.GetGridInfo()->m_columns[3].m_mappedColumn, 4);
    EXPECT_EQ(grid.GetGridInfo()->m_columns[0].m_mappedColumn, 0);
    EXPECT_EQ(Mem().DeleteColumnAt(1), 0);
    EXPECT_EQ(At(1, 0), "b");
    EXPECT_EQ(Mem().DeleteColumnAt(2), 0);  // the row's last cell: emptied, kept
    EXPECT_EQ(At(2, 0), "-");
    EXPECT_EQ(Mem().ClearCell(2, 0), 0);
}

TEST_F(MemGrid, HugeIndicesTakeNoMoreMemoryThanTheirCells)
{
    Put(2'000'000'000, 1'999'999'999, "far");
    EXPECT_EQ(At(2'000'000'000, 1'999'999'999), "far");
    EXPECT_EQ(Mem().InsertRowAt(0), 0);
    EXPECT_EQ(At(2'000'000'000, 2'000'000'000), "far");
    CGridCell cell;
    EXPECT_EQ(Mem().WriteCell(INT_MAX, 0, &cell), 1);
    EXPECT_EQ(Mem().WriteCell(0, 0, nullptr), 1);
    EXPECT_EQ(Mem().SortByColumn(0, 0), 1);  // too many rows to sort
}

TEST_F(MemGrid, TheNearestTextLeftOfACellIsFoundForTextRunningOn)
{
    Put(0, 1, "long description");
    Put(1, 1, "");
    int column = 3;
    EXPECT_EQ(Mem().FindPreviousFilledCell(&column, 1), 0);
    EXPECT_EQ(column, 0);
    column = 0;
    EXPECT_EQ(Mem().FindPreviousFilledCell(&column, 1), 1);
    column = 2;
    EXPECT_EQ(Mem().FindPreviousFilledCell(&column, 4), 1);
    EXPECT_EQ(Mem().FindPreviousFilledCell(nullptr, 1), 1);
}

TEST_F(MemGrid, SearchesWrapAroundTheSheetEitherWay)
{
    Put(1, 0, "Gravel");
    Put(1, 3, "gravel base");
    Put(2, 4, "GRAVEL");
    struct Case {
        int flags, column, row;
        const char* text;
        int foundColumn, foundRow;
    };
    // Flags: 1 partial, 2 ignore case, 4 backwards, 8 every column.
    const Case cases[] = {
        {0, 1, 0, "Gravel", -1, -1},     // whole and exact: only itself, after wrapping
        {1 | 2, 1, 0, "GRAV", 1, 3},     // the next row down
        {1 | 2, 1, 3, "grav", 1, 0},     // wraps past the last row
        {4 | 2, 1, 0, "gravel", -1, -1}, // backwards from row 0 wraps to the last row
        {8 | 2, 1, 3, "gravel", 2, 4},   // every column, row by row
        {8 | 4 | 2, 0, 0, "gravel", 2, 4},
    };
    for (const Case& c : cases) {
        int column = c.column, row = c.row;
        const int found = Mem().FindNext(c.text, &column, &row, c.flags);
        if (c.foundColumn < 0) {
            EXPECT_TRUE(found == 1 || (column == c.column && row == c.row)) << c.flags << " " << c.text;
        } else {
            EXPECT_EQ(found, 0) << c.flags << " " << c.text;
            EXPECT_EQ(column, c.foundColumn) << c.flags << " " << c.text;
            EXPECT_EQ(row, c.foundRow) << c.flags << " " << c.text;
        }
    }
    int column = 1, row = 0;
    EXPECT_EQ(Mem().FindFirst("gravel base", &column, &row, 0), 0);
    EXPECT_EQ(row, 3);
    column = 1, row = 0;
    EXPECT_EQ(Mem().FindNext("none", &column, &row, 1 | 8), 1);
    column = 1, row = -50;  // a start outside the sheet begins at its edge
    EXPECT_EQ(Mem().FindNext("Gravel", &column, &row, 0), 0);
    EXPECT_EQ(row, 0);
}

TEST_F(MemGrid, SortingThreeRowsNumericallyGivesOneTwoThreeAndLeavesTheHeadingAlone)
{
    Put(0, -1, "Quantity");
    const char* values[] = {"3", "1", "2"};
    for (int row = 0; row < 3; ++row) {
        CGridCell cell;
        cell.SetNumber(std::stod(values[row]));
        Mem().WriteCell(0, row, &cell);
        Put(1, row, values[row]);
    }
    grid.SetRowCount(3, 0);
    ASSERT_EQ(Mem().SortByColumn(0, 0), 0);
    EXPECT_EQ(Column(1), "1 2 3 ");
    EXPECT_EQ(At(0, -1), "Quantity");
    ASSERT_EQ(Mem().SortByColumn(0, 2), 0);  // the default comparison's descending order
    EXPECT_EQ(Column(1), "3 2 1 ");
}

namespace {

// A hook that says "after" for both orders of some pairs, and counts its questions.
class UnfairGrid : public CGridCtrl {
public:
    int OnCompareCells(CGridCell* a, CGridCell* b, int flags) override
    {
        ++questions;
        if (unfair)
            return a && b && (a->GetText()[0] + b->GetText()[0]) % 3 == 0 ? 1 : CGridCtrl::OnCompareCells(a, b, flags);
        return CGridCtrl::OnCompareCells(a, b, flags);
    }
    long long questions = 0;
    bool unfair = false;
};

}  // namespace

TEST(GridMemSort, EndsForAnyHookAndKeepsEqualRowsInTheirOrder)
{
    UnfairGrid grid;
    grid.SetColumnCount(2, 0);
    grid.SetRowCount(2000, 0);
    auto& mem = static_cast<CGridMem&>(*grid.GetDataSource(0));
    std::mt19937 random(7);
    for (int row = 0; row < 2000; ++row) {
        CGridCell key, place;
        key.SetText(std::string(1, static_cast<char>('a' + random() % 5)));
        place.SetText(std::to_string(row));
        mem.WriteCell(0, row, &key);
        mem.WriteCell(1, row, &place);
    }
    ASSERT_EQ(mem.SortByColumn(0, 0), 0);
    // Equal keys keep their places in order, as exchanging neighbours would leave them.
    int lastPlace = -1;
    char lastKey = 0;
    for (int row = 0; row < 2000; ++row) {
        CGridCell key, place;
        mem.ReadCell(0, row, &key);
        mem.ReadCell(1, row, &place);
        ASSERT_GE(key.GetText()[0], lastKey);
        if (key.GetText()[0] == lastKey) {
            ASSERT_GT(std::stoi(place.GetText()), lastPlace);
        }
        lastKey = key.GetText()[0];
        lastPlace = std::stoi(place.GetText());
    }
    EXPECT_LT(grid.questions, 2000 * 12);
    grid.unfair = true;
    grid.questions = 0;
    EXPECT_EQ(mem.SortByColumn(0, 0), 0);
    EXPECT_LT(grid.questions, 2000 * 12);
}
