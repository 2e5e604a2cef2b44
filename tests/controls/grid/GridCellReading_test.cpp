// How the control layers a cell: column default, data source, hook, adjust object, style.
#include <gtest/gtest.h>

#include "controls/grid/GridInfo.h"
#include "tests/controls/grid/GridSpies.h"

using ::testing::_;
using ::testing::InSequence;
using ::testing::Invoke;
using ::testing::NiceMock;
using ::testing::Return;

namespace {

struct RedText : CGridCellAdjust {
    void AdjustCell(CGridCell* cell) override { cell->SetTextColor(RGB(255, 0, 0)); }
};

class GridCellReading : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.AddDataSource(&source);
        grid.SetDefaultDataSource(1);
        grid.SetColumnCount(3, 0);
        grid.SetRowCount(4, 0);
    }
    NiceMock<SpyGrid> grid;
    NiceMock<SpyDataSource> source;
};

}  // namespace

TEST_F(GridCellReading, DefaultsThenSourceThenHookThenAdjustThenStyle)
{
    grid.GetGridInfo()->m_columns[1].m_defaultCell->SetAlignment(2);
    grid.GetGridInfo()->m_columns[1].m_defaultCell->SetText("default");
    grid.GetGridInfo()->m_columns[1].m_mappedColumn = 7;
    RedText adjust;
    CGridCell style;
    style.SetBackColor(RGB(0, 0, 9));
    {
        InSequence order;
        EXPECT_CALL(source, ReadCell(7, 2, _)).WillOnce(Invoke([&](int, int, CGridCell* cell) {
            EXPECT_STREQ(cell->GetText(), "default");
            cell->SetText("stored");
            cell->SetCellAdjust(&adjust);
            cell->SetStyleCell(&style);
            return 0;
        }));
        EXPECT_CALL(grid, OnBeforeGetCell(7, 2, _)).WillOnce(Invoke([](int, int, CGridCell* cell) {
            EXPECT_STREQ(cell->GetText(), "stored");
        }));
    }
    CGridCell cell;
    cell.SetLabelText("stale");
    grid.GetCell(1, 2, &cell);
    EXPECT_EQ(cell.GetLabelText(), nullptr);  // the target starts empty
    EXPECT_EQ(cell.GetAlignment(), 2);
    EXPECT_STREQ(cell.GetText(), "stored");
    EXPECT_EQ(cell.GetTextColor(), RGB(255, 0, 0));
    EXPECT_EQ(cell.GetBackColor(), RGB(0, 0, 9));
}

TEST_F(GridCellReading, HeadingsAndColumnsPastTheEndUseTheHeadingDefault)
{
    CGridCell heading;
    grid.GetHeadingDefaultCell(&heading);
    EXPECT_EQ(heading.GetBorderStyle(), 0x2000);
    EXPECT_EQ(heading.GetAlignment(), 36);
    for (auto [column, row] : {std::pair{0, -1}, {-1, 0}, {5, 0}}) {
        CGridCell cell;
        grid.GetCell(column, row, &cell);
        EXPECT_EQ(cell.GetBorderStyle(), 0x2000) << column << "," << row;
    }
}

TEST_F(GridCellReading, RowsPastTheCountAreNotAskedOfTheSource)
{
    EXPECT_CALL(source, ReadCell(_, 4, _)).Times(0);
    EXPECT_CALL(grid, OnBeforeGetCell(0, 4, _));
    CGridCell cell;
    grid.GetCell(0, 4, &cell);
}

TEST_F(GridCellReading, RowHeadingsComeFromTheDefaultSourceEvenWhenAColumnHasItsOwn)
{
    NiceMock<SpyDataSource> other;
    grid.AddDataSource(&other);
    grid.GetGridInfo()->m_columns[0].m_dataSource = &other;
    EXPECT_CALL(source, ReadCell(-1, 1, _));
    EXPECT_CALL(other, ReadCell(0, -1, _));
    CGridCell cell;
    grid.GetCell(-1, 1, &cell);
    grid.GetCell(0, -1, &cell);
}

TEST_F(GridCellReading, WritesGoThroughTheHookToTheMappedColumn)
{
    grid.GetGridInfo()->m_columns[2].m_mappedColumn = 0;
    InSequence order;
    EXPECT_CALL(grid, OnBeforeSetCell(2, 3, _));
    EXPECT_CALL(source, WriteCell(0, 3, _)).WillOnce(Return(0));
    EXPECT_CALL(grid, OnBeforeSetCell(-1, 3, _));
    EXPECT_CALL(source, WriteCell(-1, 3, _)).WillOnce(Return(0));
    CGridCell cell;
    grid.SetCell(2, 3, &cell);
    grid.SetCell(-1, 3, &cell);
}

TEST(GridQuickText, ChangesOnlyTheStoredCellAndReadsItBack)
{
    NiceMock<SpyGrid> grid;
    TextSource source;
    grid.AddDataSource(&source);
    grid.SetDefaultDataSource(1);
    grid.SetColumnCount(2, 0);
    grid.SetRowCount(2, 0);
    grid.GetGridInfo()->m_columns[1].m_defaultCell->SetText("from the column");
    grid.QuickSetText(1, 1, "42");
    std::string text;
    grid.QuickGetText(1, 1, &text);
    EXPECT_EQ(text, "42");
    grid.QuickGetText(1, 0, &text);
    EXPECT_EQ(text, "from the column");
    EXPECT_EQ(source.m_texts.size(), 1u);
    CGridCell cell;
    EXPECT_EQ(grid.ReadDataSourceCell(2, 0, &cell), 1);
}

TEST(GridDataSource, AnswersNotSupportedAndLeavesTheCellAlone)
{
    CGridDataSource source;
    CGridCell cell;
    cell.SetText("kept");
    EXPECT_EQ(source.ReadCell(0, 0, &cell), -1);
    EXPECT_STREQ(cell.GetText(), "kept");
    EXPECT_EQ(source.RowCount(), -1);
    int flag = 0;
    EXPECT_EQ(source.OnPastLastRow(1, 1, &flag), -1);
    EXPECT_EQ(source.OnCanMoveCell(0, 0, 1, 1), 1);
    EXPECT_EQ(source.OnEditEnd(0, 0, nullptr, "x", 0), 1);
    EXPECT_EQ(source.GetId(), -1);
    EXPECT_EQ(source.GetGrid(), nullptr);
}
