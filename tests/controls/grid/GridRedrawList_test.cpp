#include "controls/grid/GridRedrawList.h"

#include <gtest/gtest.h>

TEST(GridRedrawList, NamesOnlyCellsOfItsRangesNotTheGapsBetweenThem)
{
    CGridRedrawList list;
    EXPECT_EQ(list.IsCellToBePainted(0, 0), 0);
    EXPECT_EQ(list.IsCellToBePainted(-1, -1), 0);
    list.AddRange(0, 0, 1, 1);
    list.AddCell(5, 5);
    EXPECT_EQ(list.IsCellToBePainted(1, 1), 1);
    EXPECT_EQ(list.IsCellToBePainted(5, 5), 1);
    EXPECT_EQ(list.IsCellToBePainted(3, 3), 0);  // inside the bounds, in no range
    EXPECT_EQ(list.IsCellToBePainted(6, 0), 0);
    EXPECT_EQ(list.GetBounds().endColumn, 5);
}

TEST(GridRedrawList, WideningGrowsTheFirstRangeOrStartsOne)
{
    CGridRedrawList list;
    list.WidenFirstRange(2, 2, 2, 2);
    EXPECT_EQ(list.IsCellToBePainted(2, 2), 1);
    list.AddCell(9, 9);
    list.WidenFirstRange(0, 0, 3, 3);
    EXPECT_EQ(list.IsCellToBePainted(0, 3), 1);
    EXPECT_EQ(list.IsCellToBePainted(9, 9), 1);
    EXPECT_EQ(list.IsCellToBePainted(5, 5), 0);
}

TEST(GridRedrawList, RemembersPaintedJoinsUntilCleared)
{
    CGridRedrawList list;
    list.AddCell(1, 1);
    list.MarkJoinPainted(4, 2);
    EXPECT_EQ(list.WasJoinPainted(4, 2), 1);
    EXPECT_EQ(list.WasJoinPainted(2, 4), 0);
    list.Clear();
    EXPECT_EQ(list.WasJoinPainted(4, 2), 0);
    EXPECT_EQ(list.IsCellToBePainted(1, 1), 0);
    list.AddCell(7, 7);  // the first range after a clear sets the bounds afresh
    EXPECT_EQ(list.GetBounds().startColumn, 7);
}
