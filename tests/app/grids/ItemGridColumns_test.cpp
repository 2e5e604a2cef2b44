// Columns of the item grid: moved by the bidder (first rows and headings follow, second rows and
// sections keep their places, the entry keys follow the price), and sized to the view.
#include "controls/grid/GridInfo.h"
#include "platform/ui/draw/DC.h"
#include "tests/app/grids/ItemGridTestSupport.h"

#include <numeric>

namespace {

struct Move {
    int from;
    int to;
    int result;
    std::vector<int> order; // logical column of each display column afterwards
};

class ColumnMoves : public ItemGridTest, public ::testing::WithParamInterface<Move> {};

std::vector<int> Order(const CItemGrid& grid)
{
    std::vector<int> order;
    for (int display = 0; display < 6; ++display)
        order.push_back(grid.GetLogicalColumn(display));
    return order;
}

int AverageCharWidth(CItemGrid& grid)
{
    CClientDC dc(&grid);
    dc.SelectObject(grid.GetGridInfo()->m_defaultFont);
    TEXTMETRIC metrics{};
    dc.GetTextMetrics(&metrics);
    return metrics.tmAveCharWidth;
}

} // namespace

TEST_P(ColumnMoves, ShiftTheOrderTable)
{
    const Move move = GetParam();
    EXPECT_EQ(m_grid.MoveColumn(move.from, move.to, 1), move.result);
    EXPECT_EQ(Order(m_grid), move.order);
}

INSTANTIATE_TEST_SUITE_P(
    Drops, ColumnMoves,
    ::testing::Values(Move{2, 2, 0, {0, 1, 2, 3, 4, 5}}, Move{2, 3, 0, {0, 1, 2, 3, 4, 5}},
                      Move{4, 1, 0, {0, 4, 1, 2, 3, 5}}, Move{1, 5, 0, {0, 2, 3, 4, 1, 5}},
                      Move{0, 6, 0, {1, 2, 3, 4, 5, 0}}, Move{-1, 2, 1, {0, 1, 2, 3, 4, 5}},
                      Move{6, 2, 1, {0, 1, 2, 3, 4, 5}}, Move{2, 7, 1, {0, 1, 2, 3, 4, 5}}));

TEST_F(ItemGridTest, AMovedColumnTakesItsCellsAndHeadingButSecondRowsKeepTheirPlaces)
{
    ASSERT_EQ(m_grid.MoveColumn(COLUMN_PRICE, 1, 1), 0);
    EXPECT_EQ(m_hosted.Text(1, -1), "Unit Price");
    EXPECT_EQ(m_hosted.Text(1, 2), "$2.50");
    EXPECT_EQ(m_hosted.Text(2, 2), "I0010");
    EXPECT_EQ(m_hosted.Text(0, 3), "01A");
    EXPECT_EQ(m_hosted.Text(1, 3), "EXCAVATION");
    EXPECT_EQ(m_hosted.Text(0, 0), "  Section 0001");
    EXPECT_EQ(m_grid.GetDisplayColumn(4), 1);
    EXPECT_EQ(m_grid.GetLogicalColumn(9), 0);
}

TEST_F(ItemGridTest, AfterAMoveEntriesStillGoOnInThePriceAndQuantityColumns)
{
    REQUIRE_FOCUS(m_hosted);
    ASSERT_EQ(m_grid.MoveColumn(COLUMN_PRICE, 0, 1), 0);
    ASSERT_EQ(m_grid.GotoCell(0, 4), 0);
    m_hosted.Enter("8");
    EXPECT_DOUBLE_EQ(Row(ROW_LUMP).m_fUnitPrice, 8);
    ASSERT_TRUE(m_grid.IsEditing());
    EXPECT_EQ(m_grid.GetEditRow(), 8);
    EXPECT_EQ(m_grid.GetEditColumn(), m_grid.GetDisplayColumn(CBidDataSource::COL_QUANTITY));
    m_hosted.Enter("2");
    EXPECT_EQ(m_grid.GetEditColumn(), 0);
}

TEST_F(ItemGridTest, AWideViewIsSharedOutByWeight)
{
    const int client = m_grid.GetGridInfo()->m_gridWidth;
    m_grid.SizeColumns(0);
    int total = 0;
    for (int column = 0; column < 6; ++column)
        total += m_grid.GetColumnWidth(column);
    EXPECT_EQ(total, client);
    // Unit Price (17) is wider than Line (6).
    EXPECT_GT(m_grid.GetColumnWidth(COLUMN_PRICE), 2 * m_grid.GetColumnWidth(COLUMN_LINE));
}

TEST_F(ItemGridTest, ANarrowViewGivesEachColumnItsWeightInCharacters)
{
    const int character = AverageCharWidth(m_grid);
    m_grid.SizeColumns(40 * character);
    const int weights[] = {6, 12, 13, 5, 17, 15};
    for (int column = 0; column < 6; ++column)
        EXPECT_EQ(m_grid.GetColumnWidth(column), weights[column] * character) << column;
}
