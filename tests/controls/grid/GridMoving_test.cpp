// Moving around the grid with real keys, and what a move asks and tells: Page Down by the rows
// the view shows, joined rows stepped over, refusals that change nothing.
#include <gtest/gtest.h>

#include "tests/controls/grid/GridSpies.h"
#include "tests/controls/grid/GridWindow.h"

using ::testing::_;
using ::testing::NiceMock;
using ::testing::Return;

namespace {

// Refuses moves when told to; counts the notices of moves past the last row.
class GuardedGrid : public CGridCtrl {
public:
    int OnCanMoveCell(int, int, int, int) override { return allowMoves; }
    void OnPastLastRow(int rowCount, int missing, int) override
    {
        ++pastLastRow;
        if (addRows)
            SetRowCount(rowCount + missing, 0);
    }
    void OnCurrentCellChanged(int, int, int, int) override { ++cellChanges; }

    int allowMoves = 1;
    int pastLastRow = 0;
    bool addRows = false;
    int cellChanges = 0;
};

}  // namespace

TEST(GridKeys, ArrowsHomeEndAndPageKeysMoveTheCurrentCell)
{
    GridWindow<CGridCtrl> window(6, 40);  // a view of 10 rows of 20 and 4 columns of 75
    REQUIRE_FOCUS(window);
    CGridCtrl& grid = window.grid;
    window.Key(Qt::Key_Right);
    window.Key(Qt::Key_Down);
    EXPECT_EQ(grid.GetCurrentColumn(), 1);
    EXPECT_EQ(grid.GetCurrentRow(), 1);
    window.Key(Qt::Key_PageDown);
    const int shown = grid.GetGridInfo()->m_gridHeight / 20;
    EXPECT_EQ(grid.GetCurrentRow(), 1 + shown);
    EXPECT_GT(grid.GetTopRow(), 0);  // the view followed
    window.Key(Qt::Key_PageUp);
    EXPECT_EQ(grid.GetCurrentRow(), 1);
    window.Key(Qt::Key_End);
    EXPECT_EQ(grid.GetCurrentColumn(), 5);
    window.Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid.GetCurrentRow(), 39);
    EXPECT_EQ(grid.GetTopRow(), grid.GetGridInfo()->m_maxTopRow);
    window.Key(Qt::Key_Home);
    window.Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(grid.GetCurrentColumn(), 0);
    EXPECT_EQ(grid.GetCurrentRow(), 0);
    EXPECT_EQ(grid.GetTopRow(), 0);
}

TEST(GridKeys, AHeldArrowSpeedsUpWithTheAccelerationDivisor)
{
    GridWindow<CGridCtrl> window(2, 200);
    REQUIRE_FOCUS(window);
    window.grid.GetGridInfo()->m_keyAccelerationDivisor = 4;
    std::vector<int> rows;
    for (int repeat = 1; repeat <= 11; ++repeat) {
        QTest::keyPress(window.Focus(), Qt::Key_Down, Qt::NoModifier);
        rows.push_back(window.grid.GetCurrentRow());
    }
    QTest::keyRelease(window.Focus(), Qt::Key_Down);
    // Steps of 1 for the first three repeats, 2 for repeats 4 to 7, 9 for 8 to 11.
    EXPECT_EQ(rows, (std::vector<int>{1, 2, 3, 5, 7, 9, 11, 20, 29, 38, 47}));
}

TEST(GridMoves, PastTheLastRowTheSourceAndHookMayAddRowsOrTheMoveIsRefused)
{
    GuardedGrid grid;
    grid.SetColumnCount(2, 0);
    grid.SetRowCount(3, 0);
    ASSERT_EQ(grid.GotoRow(2), 0);
    EXPECT_EQ(grid.MoveCurrentRow(1), 1);
    EXPECT_EQ(grid.pastLastRow, 1);
    EXPECT_EQ(grid.GetCurrentRow(), 2);
    grid.addRows = true;
    EXPECT_EQ(grid.MoveCurrentRow(1), 0);
    EXPECT_EQ(grid.GetRowCount(), 4);
    EXPECT_EQ(grid.GetCurrentRow(), 3);
    // Far past the end, from before the last row, lands on the last row.
    grid.addRows = false;
    grid.GotoRow(0);
    EXPECT_EQ(grid.GotoRow(50), 0);
    EXPECT_EQ(grid.GetCurrentRow(), 3);
}

TEST(GridMoves, ARefusedMoveChangesNothingAndAnswersTwo)
{
    GuardedGrid grid;
    NiceMock<SpyDataSource> source;
    grid.AddDataSource(&source);
    grid.SetDefaultDataSource(1);
    grid.SetColumnCount(3, 0);
    grid.SetRowCount(3, 0);
    const int changes = grid.cellChanges;
    grid.allowMoves = 0;
    EXPECT_EQ(grid.GotoCell(2, 2), 2);
    EXPECT_EQ(grid.GotoRow(1), 2);
    grid.allowMoves = 1;
    struct Refusing : CGridDataSource {
        int OnCanMoveCell(int, int, int, int) override { return 2; }
    } refusing;
    grid.AddDataSource(&refusing);
    grid.SetDefaultDataSource(2);
    EXPECT_EQ(grid.GotoColumn(1), 2);
    EXPECT_EQ(grid.GetCurrentColumn(), 0);
    EXPECT_EQ(grid.GetCurrentRow(), 0);
    EXPECT_EQ(grid.cellChanges, changes);
    // Targets the sheet does not have.
    EXPECT_EQ(grid.GotoCell(3, 0), 1);
    EXPECT_EQ(grid.GotoCell(-1, 0), 1);
}

TEST(GridMoves, JoinedRowsAreSteppedOverFromTheKeyboardAndLandedOnFromTheMouse)
{
    CGridCtrl grid;
    grid.SetColumnCount(3, 0);
    grid.SetRowCount(6, 0);
    // Row 1 and row 3 hold descriptions joined across the row, as the item grid shows them.
    for (const int row : {1, 3}) {
        CGridCell origin;
        origin.SetJoinInfo(1, 2, 0);
        grid.SetCell(0, row, &origin);
        for (int column = 1; column < 3; ++column) {
            CGridCell member;
            member.SetJoinInfo(0, -column, 0);
            grid.SetCell(column, row, &member);
        }
    }
    grid.GotoCell(2, 0);
    EXPECT_EQ(grid.GotoRow(1), 0);
    EXPECT_EQ(grid.GetCurrentRow(), 1);  // down from above: onto the joined row
    EXPECT_EQ(grid.GotoRow(2), 0);
    EXPECT_EQ(grid.GetCurrentRow(), 2);  // down from inside: past it
    grid.GotoRow(1);
    EXPECT_EQ(grid.GotoRow(0), 0);
    EXPECT_EQ(grid.GetCurrentRow(), 0);  // up from a join at row 1 reaches row 0
    EXPECT_EQ(grid.GotoCell(2, 3), 0);
    EXPECT_EQ(grid.GetCurrentColumn(), 0);  // a cell inside a block: its origin
    int column = 1, row = 3;
    CRect rect;
    ASSERT_EQ(grid.GetCellRect(&column, &row, &rect), 0);
    EXPECT_EQ(column, 0);
    EXPECT_EQ(rect.Width(), 225);  // the whole block
    EXPECT_EQ(rect.Height(), 20);
}

TEST(GridMoves, JoinOffsetsFromASourceNeverReachPastTheSheet)
{
    CGridCtrl grid;
    grid.SetColumnCount(3, 0);
    grid.SetRowCount(3, 0);
    CGridCell wild;
    wild.SetJoinInfo(1, 1000000, 2000000000);
    grid.SetCell(1, 1, &wild);
    CGridCell stray;
    stray.SetJoinInfo(0, -5, -7);  // points at no origin
    grid.SetCell(2, 0, &stray);
    GridRange block;
    grid.GetJoinBlock(1, 1, &block);
    EXPECT_EQ(block.endColumn, 2);
    EXPECT_EQ(block.endRow, 2);
    grid.GetJoinBlock(2, 0, &block);
    EXPECT_EQ(block.startColumn, 2);
    EXPECT_EQ(block.endColumn, 2);
}

TEST(GridView, TheWheelMovesTheTopRowByThreeANotch)
{
    GridWindow<CGridCtrl> window(2, 50);
    CGridArea* area = window.grid.GetCellArea();
    QWheelEvent turn(QPointF(5, 5), area->GetWidget()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -WHEEL_DELTA),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area->GetWidget(), &turn);
    EXPECT_EQ(window.grid.GetTopRow(), 3);
    EXPECT_EQ(window.grid.GetCurrentRow(), 0);
}

TEST(GridView, ScrollingOnlyRepaintsWhatItUncovers)
{
    GridWindow<CGridCtrl> window(2, 50);
    CGridCtrl& grid = window.grid;
    for (int row = 0; row < 50; ++row)
        grid.QuickSetText(0, row, std::to_string(row).c_str());
    grid.GetCellArea()->UpdateWindow();
    const QImage before = grid.GetCellArea()->GetWidget()->grab().toImage();
    ASSERT_EQ(grid.SetTopRow(1), 0);
    const QImage after = grid.GetCellArea()->GetWidget()->grab().toImage();
    // What row 1 showed at its old place now shows a row higher.
    EXPECT_EQ(after.copy(0, 0, 150, 20), before.copy(0, 20, 150, 20));
    std::string top;
    grid.QuickGetText(0, grid.GetTopRow(), &top);
    EXPECT_EQ(top, "1");
}
