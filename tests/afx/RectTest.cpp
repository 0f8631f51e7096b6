// CRect, CPoint and CSize follow the Win32 rectangle rules: the right and
// bottom edges lie outside, empty rectangles take no part in unions, empty
// results are all zeros.
#include "afx/Rect.h"

#include <gtest/gtest.h>

namespace
{
bool Same(const CRect& a, const CRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(Rect, PointsOnTheRightAndBottomEdgesAreOutside)
{
    CRect rect(10, 20, 30, 40);
    EXPECT_TRUE(rect.PtInRect(CPoint(10, 20)));
    EXPECT_TRUE(rect.PtInRect(CPoint(29, 39)));
    EXPECT_FALSE(rect.PtInRect(CPoint(30, 25)));
    EXPECT_FALSE(rect.PtInRect(CPoint(15, 40)));
    EXPECT_FALSE(rect.PtInRect(CPoint(9, 25)));
    EXPECT_EQ(20, rect.Width());
    EXPECT_EQ(20, rect.Height());
    EXPECT_EQ(CPoint(20, 30), rect.CenterPoint());
    EXPECT_TRUE(CRect(5, 5, 5, 10).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 4, 10).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 5, 4, 10).IsRectNull());
}

TEST(Rect, IntersectionUnionAndSubtraction)
{
    struct Case
    {
        CRect a;
        CRect b;
        BOOL bIntersects;
        CRect intersection;
        CRect unionRect;
    };
    const Case cases[] = {
        {CRect(0, 0, 10, 10), CRect(5, 5, 15, 15), TRUE, CRect(5, 5, 10, 10), CRect(0, 0, 15, 15)},
        // Touching edges do not intersect.
        {CRect(0, 0, 10, 10), CRect(10, 0, 20, 10), FALSE, CRect(0, 0, 0, 0), CRect(0, 0, 20, 10)},
        // An empty rectangle takes no part in the union.
        {CRect(0, 0, 10, 10), CRect(50, 50, 50, 60), FALSE, CRect(0, 0, 0, 0), CRect(0, 0, 10, 10)},
        {CRect(3, 3, 3, 3), CRect(1, 1, 1, 1), FALSE, CRect(0, 0, 0, 0), CRect(0, 0, 0, 0)},
    };
    for (const Case& c : cases)
    {
        CRect result(99, 99, 99, 99);
        EXPECT_EQ(c.bIntersects, result.IntersectRect(&c.a, &c.b));
        EXPECT_TRUE(Same(c.intersection, result));
        result.UnionRect(&c.a, &c.b);
        EXPECT_TRUE(Same(c.unionRect, result));
        EXPECT_TRUE(Same(c.intersection, c.a & c.b));
        EXPECT_TRUE(Same(c.unionRect, c.a | c.b));
    }

    // Subtraction removes only a band that covers a whole side.
    CRect result;
    result.SubtractRect(CRect(0, 0, 10, 10), CRect(0, 0, 10, 4));
    EXPECT_TRUE(Same(CRect(0, 4, 10, 10), result));
    result.SubtractRect(CRect(0, 0, 10, 10), CRect(6, -5, 20, 20));
    EXPECT_TRUE(Same(CRect(0, 0, 6, 10), result));
    result.SubtractRect(CRect(0, 0, 10, 10), CRect(2, 2, 5, 5));
    EXPECT_TRUE(Same(CRect(0, 0, 10, 10), result));
    EXPECT_FALSE(result.SubtractRect(CRect(0, 0, 10, 10), CRect(-1, -1, 11, 11)));
    EXPECT_TRUE(result.IsRectNull());
}

TEST(Rect, OffsetsInflationAndNormalisation)
{
    CRect rect(10, 10, 20, 30);
    rect.OffsetRect(5, -5);
    EXPECT_TRUE(Same(CRect(15, 5, 25, 25), rect));
    rect.InflateRect(1, 2);
    EXPECT_TRUE(Same(CRect(14, 3, 26, 27), rect));
    rect.DeflateRect(1, 2, 3, 4);
    EXPECT_TRUE(Same(CRect(15, 5, 23, 23), rect));
    EXPECT_TRUE(Same(CRect(16, 7, 24, 25), rect + CSize(1, 2)));
    EXPECT_TRUE(Same(CRect(14, 3, 22, 21), rect - CPoint(1, 2)));

    CRect reversed(30, 40, 10, 20);
    reversed.NormalizeRect();
    EXPECT_TRUE(Same(CRect(10, 20, 30, 40), reversed));

    EXPECT_EQ(CSize(3, -4), CPoint(5, 1) - CPoint(2, 5));
    EXPECT_EQ(CPoint(7, 6), CPoint(5, 1) + CSize(2, 5));
    // Mouse positions are signed words.
    EXPECT_EQ(CPoint(-3, 12), CPoint((DWORD)MAKELONG(-3, 12)));
}
} // namespace
