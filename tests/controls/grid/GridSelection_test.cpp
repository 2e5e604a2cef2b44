// Multiple selection: blocks in cell and row mode, reactions to moves, repainting.
#include <gtest/gtest.h>

#include "controls/grid/GridArea.h"
#include "controls/grid/GridInfo.h"
#include "controls/grid/GridSections.h"
#include "controls/grid/GridSelectionList.h"
#include "tests/controls/grid/GridSpies.h"

using ::testing::NiceMock;

namespace {

class GridSelection : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(grid.Create(nullptr, nullptr, WS_POPUP, CRect(0, 0, 600, 400), nullptr, 0));
        grid.SetColumnCount(5, 0);
        grid.SetRowCount(10, 0);
        grid.SetMultiSelectMode(1);
    }
    CGridSelectionList& Selection() { return grid.GetGridInfo()->m_selection; }
    void Click(int column, int row, unsigned flags = 0)
    {
        Selection().ReactToMove(column, row, GRID_INPUT_LEFT_BUTTON, flags);
    }
    int SelectedValue(int column, int row)
    {
        int block = -1;
        return Selection().IsSelected(column, row, &block) ? block + 1 : 0;
    }
    bool WholeGridRepainted()
    {
        return grid.GetTopHeading()->GetUpdateRect(nullptr);
    }
    void ForgetRepaints() { grid.GetTopHeading()->ValidateRect(nullptr); }

    NiceMock<SpyGrid> grid;
};

}  // namespace

TEST_F(GridSelection, OffMeansEveryOperationDoesNothing)
{
    grid.SetMultiSelectMode(0);
    CGridSelectionList& selection = Selection();
    EXPECT_EQ(selection.StartBlock(1, 1), 1);
    EXPECT_EQ(selection.ExtendBlock(2, 2), 1);
    EXPECT_EQ(selection.IsSelected(1, 1), 0);
    int c, r, l, t;
    EXPECT_EQ(selection.GetCurrentCell(&c, &r), 1);
    EXPECT_EQ(selection.GetBoundingRange(&c, &r, &l, &t), 1);
    EXPECT_EQ(selection.FirstSelectedCell(&c, &r), 1);
    EXPECT_EQ(selection.GetBlockCount(), 0);
}

TEST_F(GridSelection, CtrlClicksAddBlocksNumberedInOrder)
{
    Click(0, 0);
    Click(2, 3, MK_CONTROL);
    Click(4, 5, MK_CONTROL);
    EXPECT_EQ(Selection().GetBlockCount(), 3);
    EXPECT_EQ(SelectedValue(0, 0), 1);
    EXPECT_EQ(SelectedValue(2, 3), 2);
    EXPECT_EQ(SelectedValue(4, 5), 3);
    EXPECT_EQ(SelectedValue(1, 1), 0);
    int column, row;
    ASSERT_EQ(Selection().GetCurrentCell(&column, &row), 0);
    EXPECT_EQ(column, 4);
    EXPECT_EQ(row, 5);
}

TEST_F(GridSelection, ShiftClickInRowModeSelectsWholeRows)
{
    grid.SetHighlightRow(1);
    EXPECT_EQ(Selection().GetMode() & GRID_SELECT_ROWS, GRID_SELECT_ROWS);
    Click(2, 3);
    Click(1, 6, MK_SHIFT);
    for (int row = 2; row <= 7; ++row)
        for (int column = 0; column < 5; ++column)
            EXPECT_EQ(SelectedValue(column, row) != 0, row >= 3 && row <= 6) << column << "," << row;
    int left, top, right, bottom;
    ASSERT_EQ(Selection().GetBoundingRange(&left, &top, &right, &bottom), 0);
    EXPECT_EQ(CRect(left, top, right, bottom), CRect(0, 3, 4, 6));
    int column, row;
    ASSERT_EQ(Selection().GetCurrentCell(&column, &row), 0);
    EXPECT_EQ(row, 3);  // the current cell stays at the block's start
}

TEST_F(GridSelection, OverlappingBlocksAnswerWithTheLastOrTheFirst)
{
    Click(0, 0);
    Click(2, 2, MK_SHIFT);
    Click(1, 1, MK_CONTROL);
    EXPECT_EQ(SelectedValue(1, 1), 2);
    Selection().SetMode(GRID_SELECT_CELLS | GRID_SELECT_FIRST_DECIDES);
    Click(0, 0);
    Click(2, 2, MK_SHIFT);
    Click(1, 1, MK_CONTROL);
    EXPECT_EQ(SelectedValue(1, 1), 1);
}

TEST_F(GridSelection, ClearingRepaintsTheWholeGridOnlyAfterMoreThanOneClick)
{
    Click(1, 1);
    ForgetRepaints();
    Selection().Clear();
    EXPECT_FALSE(WholeGridRepainted());

    Click(1, 1);
    Selection().ReactToMove(2, 2, GRID_INPUT_DRAG, 0);
    ForgetRepaints();
    Selection().Clear();
    EXPECT_TRUE(WholeGridRepainted());

    Click(1, 1);
    Click(3, 3, MK_CONTROL);
    ForgetRepaints();
    Selection().Clear();
    EXPECT_TRUE(WholeGridRepainted());
}

TEST_F(GridSelection, ExtendingRepaintsTheRowsAndColumnsThatChanged)
{
    Click(1, 1);
    CGridRedrawList& list = grid.GetCellArea()->GetRedrawList();
    list.Clear();
    Selection().ReactToMove(3, 4, GRID_INPUT_DRAG, 0);
    EXPECT_TRUE(list.IsCellToBePainted(1, 4));
    EXPECT_TRUE(list.IsCellToBePainted(3, 1));
    EXPECT_TRUE(list.IsCellToBePainted(3, 4));
    EXPECT_FALSE(list.IsCellToBePainted(4, 4));
    EXPECT_FALSE(list.IsCellToBePainted(1, 5));
}

TEST_F(GridSelection, ReactionsFollowTheKindOfInput)
{
    Click(0, 0);
    Click(1, 1, MK_CONTROL);
    Click(1, 1, MK_CONTROL);  // the cell clicked last: ignored
    EXPECT_EQ(Selection().GetBlockCount(), 2);

    Selection().ReactToMove(2, 2, GRID_INPUT_RIGHT_BUTTON, 0);  // outside: starts afresh
    EXPECT_EQ(SelectedValue(1, 1), 0);
    Selection().ReactToMove(3, 3, GRID_INPUT_KEYBOARD, MK_SHIFT);
    EXPECT_EQ(SelectedValue(3, 3), 1);
    Selection().ReactToMove(2, 3, GRID_INPUT_RIGHT_BUTTON, 0);  // inside: kept
    EXPECT_EQ(SelectedValue(3, 2), 1);
    Selection().ReactToMove(4, 4, GRID_INPUT_KEYBOARD, MK_CONTROL);  // Ctrl alone: nothing
    EXPECT_EQ(SelectedValue(3, 3), 1);
    Selection().ReactToMove(0, 0, GRID_INPUT_KEYBOARD, 0);
    EXPECT_EQ(SelectedValue(3, 3), 0);
    EXPECT_EQ(SelectedValue(0, 0), 1);
}

TEST_F(GridSelection, EnumeratesSelectedCellsRowByRow)
{
    Click(3, 1);
    Click(1, 2, MK_CONTROL);
    Click(2, 2, MK_SHIFT);
    std::vector<std::pair<int, int>> cells;
    int column, row;
    for (int result = Selection().FirstSelectedCell(&column, &row); result == 0;
         result = Selection().NextSelectedCell(&column, &row))
        cells.emplace_back(column, row);
    EXPECT_EQ(cells, (std::vector<std::pair<int, int>>{{3, 1}, {1, 2}, {2, 2}}));
    Selection().Clear();
    grid.GetGridInfo()->m_currentColumn = 4;
    ASSERT_EQ(Selection().FirstSelectedCell(&column, &row), 0);  // no blocks: the current cell
    EXPECT_EQ(column, 4);
}

TEST(GridSelectionModes, HighlightRowSwitchesOnlyAnActiveSelection)
{
    CGridCtrl grid;
    grid.SetHighlightRow(1);
    EXPECT_EQ(grid.GetGridInfo()->m_selection.GetMode(), 0);
    grid.SetMultiSelectMode(1);
    EXPECT_EQ(grid.GetGridInfo()->m_selection.GetMode(), GRID_SELECT_ROWS);
    grid.SetHighlightRow(0);
    EXPECT_EQ(grid.GetGridInfo()->m_selection.GetMode(), GRID_SELECT_CELLS);
}
