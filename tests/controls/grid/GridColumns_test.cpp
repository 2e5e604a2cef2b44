// Moving column records, and the default order of cells when sorting.
#include <gtest/gtest.h>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"

namespace {

std::vector<int> MappedOrder(const CGridCtrl& grid)
{
    std::vector<int> order;
    for (const CGridColumn& column : grid.GetGridInfo()->m_columns)
        order.push_back(column.m_mappedColumn);
    return order;
}

}  // namespace

TEST(GridMoveColumn, MovesTheWholeRecordToTheTarget)
{
    const struct {
        int from, to, before, result;
        std::vector<int> order;
    } cases[] = {
        {0, 3, 1, 0, {1, 2, 0, 3}},
        {0, 3, 0, 0, {1, 2, 3, 0}},
        {3, 0, 1, 0, {3, 0, 1, 2}},
        {2, 0, 0, 0, {0, 2, 1, 3}},
        {1, 1, 1, 0, {0, 1, 2, 3}},  // onto itself
        {1, 2, 1, 0, {0, 1, 2, 3}},  // just after itself
        {4, 0, 1, 1, {0, 1, 2, 3}},
        {-1, 0, 1, 1, {0, 1, 2, 3}},
        {0, 4, 0, 1, {0, 1, 2, 3}},  // target past the end
        {0, 4, 1, 0, {1, 2, 3, 0}},  // before the end: the last place
    };
    for (const auto& c : cases) {
        CGridCtrl grid;
        grid.SetColumnCount(4, 0);
        for (int i = 0; i < 4; ++i)
            grid.SetColumnWidth(i, 10 * (i + 1));
        EXPECT_EQ(grid.MoveColumn(c.from, c.to, c.before), c.result) << c.from << "->" << c.to;
        EXPECT_EQ(MappedOrder(grid), c.order) << c.from << "->" << c.to;
        EXPECT_EQ(grid.GetColumnWidth(0), 10 * (c.order[0] + 1));
    }
}

TEST(GridMoveColumn, KeepsTheLockedWidthTrue)
{
    CGridCtrl grid;
    grid.SetColumnCount(3, 0);
    grid.SetColumnWidth(2, 5);
    grid.LockColumns(1);
    ASSERT_EQ(grid.MoveColumn(2, 0, 1), 0);
    EXPECT_EQ(grid.GetGridInfo()->m_lockedWidth, 5);
}

TEST(GridCompareCells, OrdersMissingThenEmptyThenByType)
{
    CGridCtrl grid;
    CGridCell empty, nine, ten, apple, banana, accented;
    nine.SetNumber(9);
    ten.SetNumber(10);
    apple.SetText("apple");
    banana.SetText("banana");
    accented.SetText("\xe9t\xe9");  // above every ASCII letter as an unsigned byte
    const struct {
        CGridCell* a;
        CGridCell* b;
        int flags;
        int result;
    } cases[] = {
        {nullptr, nullptr, 0, 0}, {nullptr, &apple, 0, -1}, {&apple, nullptr, 0, 1},
        {&empty, &apple, 0, -1},  {&empty, &empty, 0, 0},   {&nine, &ten, 0, -1},
        {&nine, &ten, 2, 1},      {&apple, &banana, 0, -1}, {&banana, &accented, 0, -1},
        {&apple, &apple, 0, 0},   {nullptr, &apple, 2, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(grid.OnCompareCells(c.a, c.b, c.flags), c.result);

    CGridCell textNine;
    textNine.SetText("9");
    CGridCell textTen;
    textTen.SetText("10");
    EXPECT_EQ(grid.OnCompareCells(&textNine, &textTen, 0), 1);  // texts compare as bytes
}

TEST(GridHooks, DefaultAnswers)
{
    CGridCtrl grid;
    std::string hint;
    EXPECT_EQ(grid.OnCellHintText(3, 12, GRID_SECTION_CELLS, &hint), 1);
    EXPECT_EQ(hint, "Col:3 Row:12");
    EXPECT_EQ(grid.OnDefaultBackColor(GRID_SECTION_CELLS), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(grid.OnDefaultBackColor(GRID_SECTION_CORNER), GetSysColor(COLOR_BTNFACE));
    CRecordingDC dc;
    CRect frame(0, 0, 10, 10);
    grid.OnDrawFocusFrame(&dc, &frame);
    ASSERT_EQ(dc.Recording().size(), 1u);
    EXPECT_NE(dc.Recording()[0].find("0,0,9,9"), std::string::npos) << dc.Recording()[0];
}
