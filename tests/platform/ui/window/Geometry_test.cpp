#include "platform/ui/window/Geometry.h"

#include <gtest/gtest.h>

TEST(Geometry, RightAndBottomEdgesAreExclusive)
{
    CRect r(10, 20, 30, 40);
    EXPECT_EQ(r.Width(), 20);
    EXPECT_EQ(r.Height(), 20);
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_TRUE(r.PtInRect(CPoint(29, 39)));
    EXPECT_FALSE(r.PtInRect(CPoint(30, 39)));
    EXPECT_FALSE(r.PtInRect(CPoint(29, 40)));
    EXPECT_TRUE(CRect(5, 5, 5, 10).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 4, 10).IsRectEmpty());
}

TEST(Geometry, IntersectAndUnion)
{
    CRect out;
    EXPECT_TRUE(out.IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)));
    EXPECT_EQ(out, CRect(5, 5, 10, 10));
    // Touching edges do not overlap.
    out.SetRect(1, 1, 2, 2);
    EXPECT_FALSE(out.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
    EXPECT_TRUE(out.IsRectNull());

    EXPECT_TRUE(out.UnionRect(CRect(0, 0, 5, 5), CRect(10, 10, 20, 20)));
    EXPECT_EQ(out, CRect(0, 0, 20, 20));
    EXPECT_TRUE(out.UnionRect(CRect(), CRect(3, 3, 4, 4)));
    EXPECT_EQ(out, CRect(3, 3, 4, 4));
    EXPECT_FALSE(out.UnionRect(CRect(), CRect(5, 5, 5, 5)));
}
