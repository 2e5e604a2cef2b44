// Counts and sizes with their result codes, and what they carry along.
#include <gtest/gtest.h>

#include "controls/grid/GridInfo.h"
#include "tests/controls/grid/GridSpies.h"

using ::testing::NiceMock;
using ::testing::Return;

TEST(GridCounts, ResultCodesOfBadArguments)
{
    CGridCtrl grid;
    grid.SetColumnCount(3, 0);
    grid.SetRowCount(3, 0);
    const struct {
        const char* call;
        int result;
    } cases[] = {
        {"columns 32001", grid.SetColumnCount(32001, 0)},
        {"columns -1", grid.SetColumnCount(-1, 0)},
        {"rows -1", grid.SetRowCount(-1, 0)},
        {"width of column 3", grid.SetColumnWidth(3, 10)},
        {"negative width", grid.SetColumnWidth(0, -1)},
        {"heading column -2 of 1", grid.SetColumnWidth(-2, 10)},
        {"heading width 1025", grid.SetColumnWidth(-1, 1025)},
        {"row height of row 3", grid.SetRowHeight(3, 10)},
        {"default row height 0", grid.SetDefaultRowHeight(0)},
        {"heading rows 65", grid.SetTopHeadingRowCount(65)},
        {"heading row 0", grid.SetTopHeadingRowHeight(0, 10)},
        {"heading row height 1025", grid.SetTopHeadingRowHeight(-1, 1025)},
        {"band 1025", grid.SetTopHeadingHeight(1025)},
        {"side band -1", grid.SetSideHeadingWidth(-1)},
        {"strip 2000", grid.SetHScrollHeight(2000)},
        {"lock 4 columns", grid.LockColumns(4)},
        {"lock -1 rows", grid.LockRows(-1)},
        {"cell mode 4", grid.SetCurrentCellMode(4)},
        {"sheets 0", grid.SetNumberSheets(0)},
        {"sheet 1 of 1", grid.SetSheetNumber(1)},
        {"font 99", grid.SetDefaultFont(99)},
        {"source 3", grid.SetDefaultDataSource(3)},
        {"insert row 4", grid.InsertRow(4)},
        {"delete row 3", grid.DeleteRow(3)},
    };
    const int expected[] = {1, 1, 1, 1, 2, 1, 2, 1, 1, 1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].result, expected[i]) << cases[i].call;
    EXPECT_EQ(grid.GetColumnCount(), 3);
    EXPECT_EQ(grid.GetRowCount(), 3);
    EXPECT_EQ(grid.SetColumnCount(32000, 0), 0);
}

TEST(GridCounts, WidthsAndHeightsAnswerZeroForCellsThatDoNotExist)
{
    CGridCtrl grid;
    grid.SetColumnCount(2, 0);
    grid.SetRowCount(2, 0);
    EXPECT_EQ(grid.GetColumnWidth(0), 75);
    EXPECT_EQ(grid.GetColumnWidth(2), 0);
    int width = -1;
    EXPECT_EQ(grid.GetColumnWidth(-1, &width), 1);
    EXPECT_EQ(grid.GetRowHeight(1), 20);
    EXPECT_EQ(grid.GetRowHeight(2), 0);
    EXPECT_EQ(grid.SetColumnWidth(-1, 60), 0);  // the only heading column carries the band
    EXPECT_EQ(grid.GetGridInfo()->m_sideHeadingWidth, 60);
}

TEST(GridCounts, NewColumnsCopyTheColumnDefaultAndMapToThemselves)
{
    CGridCtrl grid;
    grid.GetGridInfo()->m_columnDefaultCell.SetAlignment(4);
    grid.SetColumnCount(2, 0);
    grid.GetGridInfo()->m_columnDefaultCell.SetAlignment(2);
    grid.SetColumnCount(3, 0);
    const auto& columns = grid.GetGridInfo()->m_columns;
    EXPECT_EQ(columns[1].m_defaultCell->GetAlignment(), 4);
    EXPECT_EQ(columns[2].m_defaultCell->GetAlignment(), 2);
    EXPECT_EQ(columns[2].m_mappedColumn, 2);
    EXPECT_NE(columns[0].m_defaultCell.get(), columns[1].m_defaultCell.get());
}

TEST(GridCounts, CurrentCellFollowsTheCounts)
{
    CGridCtrl grid;
    EXPECT_EQ(grid.GetCurrentColumn(), -1);
    grid.SetColumnCount(5, 0);
    grid.SetRowCount(5, 0);
    EXPECT_EQ(grid.GetCurrentColumn(), 0);
    EXPECT_EQ(grid.GetCurrentRow(), 0);
    grid.GetGridInfo()->m_currentColumn = grid.GetGridInfo()->m_targetColumn = 4;
    grid.GetGridInfo()->m_currentRow = grid.GetGridInfo()->m_targetRow = 4;
    grid.SetColumnCount(2, 0);
    grid.SetRowCount(3, 0);
    EXPECT_EQ(grid.GetCurrentColumn(), 1);
    EXPECT_EQ(grid.GetGridInfo()->m_targetColumn, 1);
    EXPECT_EQ(grid.GetCurrentRow(), 2);
    EXPECT_EQ(grid.GetGridInfo()->m_targetRow, 2);
    grid.SetRowCount(0, 0);
    EXPECT_EQ(grid.GetCurrentRow(), -1);
}

TEST(GridCounts, LockedColumnsAndRowsStayWithinTheCounts)
{
    CGridCtrl grid;
    grid.SetColumnCount(4, 0);
    grid.SetRowCount(4, 0);
    ASSERT_EQ(grid.LockColumns(3), 0);
    ASSERT_EQ(grid.LockRows(2), 0);
    const CGridInfo* info = grid.GetGridInfo();
    EXPECT_EQ(info->m_lockedWidth, 225);
    EXPECT_EQ(info->m_lockedHeight, 40);
    EXPECT_EQ(info->m_leftColumn, 3);
    EXPECT_EQ(info->m_topRow, 2);
    grid.SetColumnWidth(0, 10);
    EXPECT_EQ(info->m_lockedWidth, 160);
    grid.SetColumnCount(2, 0);
    EXPECT_EQ(info->m_lockedColumns, 1);
    EXPECT_EQ(info->m_lockedWidth, 10);
    grid.SetColumnCount(0, 0);
    grid.SetRowCount(0, 0);
    EXPECT_EQ(info->m_lockedColumns, 0);
    EXPECT_EQ(info->m_lockedRows, 0);
    EXPECT_EQ(info->m_lockedHeight, 0);
}

TEST(GridCounts, ManyRowsMakeTheRowHeightUniformForGood)
{
    CGridCtrl grid;
    grid.SetRowCount(10, 0);
    grid.SetRowHeight(3, 50);
    EXPECT_EQ(grid.GetRowHeight(3), 50);
    grid.SetRowCount(70000, 0);
    EXPECT_EQ(grid.GetRowHeight(3), 20);
    EXPECT_EQ(grid.GetRowHeight(69999), 20);
    grid.SetRowCount(5, 0);
    EXPECT_EQ(grid.GetGridInfo()->m_uniformRowHeight, 1);
    EXPECT_EQ(grid.SetRowHeight(1, -1), 2);
    EXPECT_EQ(grid.SetRowHeight(1, 0), 0);  // one height for every row: all are hidden
    EXPECT_EQ(grid.GetRowHeight(4), 0);
    EXPECT_EQ(grid.SetRowHeight(1, 30), 0);
    EXPECT_EQ(grid.GetRowHeight(4), 30);
    grid.SetRowCount(70000, 0);
    grid.SetUniformRowHeight(0);
    EXPECT_EQ(grid.GetRowHeight(69999), 30);  // rows beyond the height table keep the default
    EXPECT_EQ(grid.LockRows(60000), 0);
    EXPECT_EQ(grid.GetGridInfo()->m_lockedHeight, 20 + 20 + 20 + 50 + 20 + 59995 * 30);
}

TEST(GridCounts, InsertAndDeleteFollowTheDefaultSourcesAnswer)
{
    CGridCtrl grid;
    NiceMock<SpyDataSource> source;
    grid.AddDataSource(&source);
    grid.SetDefaultDataSource(1);
    grid.SetRowCount(3, 0);
    EXPECT_CALL(source, InsertRowAt(3)).WillOnce(Return(0));
    EXPECT_CALL(source, InsertRowAt(0)).WillOnce(Return(-1));
    EXPECT_EQ(grid.InsertRow(3), 0);
    EXPECT_EQ(grid.InsertRow(0), -1);
    EXPECT_EQ(grid.GetRowCount(), 4);
    EXPECT_CALL(source, DeleteRowAt(1)).WillOnce(Return(-1)).WillOnce(Return(0));
    EXPECT_EQ(grid.DeleteRow(1), -1);
    EXPECT_EQ(grid.GetRowCount(), 4);  // a row the source kept stays shown
    EXPECT_EQ(grid.DeleteRow(1), 0);
    EXPECT_EQ(grid.GetRowCount(), 3);
}

TEST(GridCounts, HeadingBandsRescaleInProportionWithTheRemainderLast)
{
    CGridCtrl grid;
    ASSERT_EQ(grid.SetTopHeadingRowCount(3), 0);
    CGridInfo* info = grid.GetGridInfo();
    EXPECT_EQ(info->m_topHeadingHeight, 60);
    ASSERT_EQ(grid.SetTopHeadingRowHeight(-1, 10), 0);
    ASSERT_EQ(grid.SetTopHeadingHeight(101), 0);  // old rows 10, 20, 20 of 50
    EXPECT_EQ(info->m_topHeadingHeights, (std::vector<int>{20, 40, 41}));
    for (int& height : info->m_topHeadingHeights)
        height = 0;
    ASSERT_EQ(grid.SetTopHeadingHeight(30), 0);  // nothing to scale: the last row takes all
    EXPECT_EQ(info->m_topHeadingHeights, (std::vector<int>{0, 0, 30}));
    ASSERT_EQ(grid.SetSideHeadingWidth(0), 0);
    EXPECT_EQ(info->m_sideHeadingWidths, (std::vector<int>{0}));
}

TEST(GridCounts, FitToWidthSharesTheViewAndSurvivesHiddenColumns)
{
    CGridCtrl grid;
    grid.SetColumnCount(3, 0);
    CGridInfo* info = grid.GetGridInfo();
    info->m_gridWidth = 100;
    grid.SetColumnWidth(0, 10);
    grid.SetColumnWidth(1, 20);
    grid.SetColumnWidth(2, 30);
    EXPECT_EQ(grid.FitColumnsToWidth(2, 1), 1);
    EXPECT_EQ(grid.FitColumnsToWidth(0, 3), 1);
    ASSERT_EQ(grid.FitColumnsToWidth(0, 2), 0);
    EXPECT_EQ(grid.GetColumnWidth(0), 16);
    EXPECT_EQ(grid.GetColumnWidth(1), 33);
    EXPECT_EQ(grid.GetColumnWidth(2), 51);
    for (int c = 0; c < 3; ++c)
        grid.SetColumnWidth(c, 0);
    ASSERT_EQ(grid.FitColumnsToWidth(0, 2), 0);
    EXPECT_EQ(grid.GetColumnWidth(2), 100);
}

// No source answers 1, as a caller of the control expects, and takes no entry of the table.
TEST(GridCounts, NoSourceAnswersOneAndRegistersNothing)
{
    CGridCtrl grid;
    EXPECT_EQ(grid.AddDataSource(nullptr), 1);
    EXPECT_EQ(grid.GetDataSource(1), nullptr);
    NiceMock<SpyDataSource> source;
    EXPECT_EQ(grid.AddDataSource(&source), 1);
    EXPECT_EQ(grid.AddDataSource(nullptr), 1);
    EXPECT_EQ(grid.GetDataSource(2), nullptr);
}

TEST(GridCounts, FifteenSourcesAtMostAndSizingFromOne)
{
    CGridCtrl grid;
    std::vector<std::unique_ptr<NiceMock<SpyDataSource>>> sources;
    for (int i = 1; i <= 16; ++i) {
        sources.push_back(std::make_unique<NiceMock<SpyDataSource>>());
        const int index = grid.AddDataSource(sources.back().get());
        EXPECT_EQ(index, i <= 15 ? i : -1);
    }
    EXPECT_EQ(sources[4]->GetId(), 5);
    EXPECT_EQ(sources[4]->GetGrid(), &grid);

    EXPECT_EQ(grid.SizeGridToDataSource(0), 1);
    EXPECT_EQ(grid.SizeGridToDataSource(16), 1);
    SpyDataSource& first = *sources[0];
    EXPECT_CALL(first, ColumnCount()).WillOnce(Return(0)).WillOnce(Return(40000)).WillOnce(Return(6));
    EXPECT_CALL(first, RowCount()).WillOnce(Return(12));
    EXPECT_EQ(grid.SizeGridToDataSource(1), 2);
    EXPECT_EQ(grid.SizeGridToDataSource(1), 3);  // more columns than a grid holds
    EXPECT_EQ(grid.SizeGridToDataSource(1), 0);
    EXPECT_EQ(grid.GetColumnCount(), 6);
    EXPECT_EQ(grid.GetRowCount(), 12);

    ASSERT_EQ(grid.SetDefaultDataSource(2), 0);
    EXPECT_EQ(grid.GetGridInfo()->m_columns[5].m_dataSource, sources[1].get());
}

TEST(GridCounts, FontsAreSharedByTheirWholeDescription)
{
    CGridCtrl grid;
    const int normal = grid.AddFont("Arial", 12, 500);
    EXPECT_EQ(grid.AddFont("Arial", 12, 500), normal);
    EXPECT_NE(grid.AddFont("Arial", 12, 700), normal);
    const std::string longName(40, 'x');
    const int unnamed = grid.AddFont(longName.c_str(), 12, 500);
    EXPECT_EQ(grid.AddFont("", 12, 500), unnamed);
    EXPECT_EQ(grid.GetFont(99), nullptr);
    ASSERT_EQ(grid.SetDefaultFont(normal), 0);
    EXPECT_EQ(grid.GetGridInfo()->m_defaultFont, grid.GetFont(normal));
}

TEST(GridCounts, BuiltInCellTypesHoldTheirIndices)
{
    CGridCtrl grid;
    EXPECT_STREQ(grid.GetCellType(0)->GetTypeName(), "Normal Cell Type (default)");
    EXPECT_STREQ(grid.GetCellType(1)->GetTypeName(), "Standard DropList");
    EXPECT_STREQ(grid.GetCellType(2)->GetTypeName(), "Standard CheckBox Type");
    CGridCellType own;
    EXPECT_EQ(grid.AddCellType(&own), 4);
    EXPECT_EQ(own.GetIndex(), 4);
    EXPECT_EQ(grid.AddCellType(nullptr), -1);
    EXPECT_EQ(grid.GetCellType(77), grid.GetCellType(0));
}

TEST(GridCounts, BestFitMeasuresCellsButNotJoinsAndStaysInTheView)
{
    CGridCtrl grid;
    TextSource source;
    grid.AddDataSource(&source);
    grid.SetDefaultDataSource(1);
    grid.SetColumnCount(3, 0);
    grid.SetRowCount(3, 0);
    grid.GetGridInfo()->m_gridWidth = 150;
    source.m_texts[{0, 1}] = "a fairly long text that needs room";
    source.m_texts[{1, 0}] = "ab";
    EXPECT_EQ(grid.BestFitColumns(-2, 1, 0, 0), 1);
    EXPECT_EQ(grid.BestFitColumns(0, 3, 0, 0), 2);
    EXPECT_EQ(grid.BestFitColumns(2, 1, 0, 0), 3);
    ASSERT_EQ(grid.BestFitColumns(0, 2, 0, 0), 0);
    const int widest = 150 - grid.GetGridInfo()->m_vScrollWidth;
    EXPECT_EQ(grid.GetColumnWidth(0), widest);
    EXPECT_GT(grid.GetColumnWidth(1), 9);
    EXPECT_LT(grid.GetColumnWidth(1), widest);
    EXPECT_EQ(grid.GetColumnWidth(2), 9);  // no text anywhere: the empty cell's size
    grid.GetGridInfo()->m_gridWidth = 150;  // no window: the layout left no room
    ASSERT_EQ(grid.BestFitColumns(0, 0, 1, 0), 0);  // row 0 only
    EXPECT_EQ(grid.GetColumnWidth(0), 9);
}
