#include "controls/grid/GridPtrList.h"

#include <gtest/gtest.h>

TEST(GridPtrList, GrowsByTenAndReusesFreedEntriesFirst)
{
    CGridPtrList<int> list;
    int values[12] = {};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(list.Add(&values[i]), i);
    EXPECT_EQ(list.GetCapacity(), 10);
    EXPECT_EQ(list.Add(&values[10]), 10);
    EXPECT_EQ(list.GetCapacity(), 20);
    EXPECT_EQ(list.Remove(3), &values[3]);
    EXPECT_EQ(list.Get(3), nullptr);
    EXPECT_EQ(list.Add(&values[11]), 3);
    EXPECT_EQ(list.GetCount(), 11);
    EXPECT_EQ(list.Add(nullptr), -1);
}

TEST(GridPtrList, ParametersAnswerByEntryState)
{
    CGridPtrList<int> list;
    int value = 0;
    list.Add(&value, 5);
    EXPECT_EQ(list.GetParameter(0), 5);
    EXPECT_EQ(list.SetParameter(0, 6), 0);
    EXPECT_EQ(list.SetParameter(1, 6), 2);  // room, but free
    EXPECT_EQ(list.SetParameter(10, 6), 1);
    EXPECT_EQ(list.GetParameter(-1), 0);
    list.Empty();
    EXPECT_EQ(list.GetCapacity(), 0);
    EXPECT_EQ(list.Get(0), nullptr);
}
