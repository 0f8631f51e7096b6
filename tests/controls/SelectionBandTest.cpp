// The rubber band's rules: clamping a drag point, the auto-scroll steps,
// the band rectangle, which rows it selects, its outlined edges and its
// colours.
#include "controls/SelectionBand.h"

#include <gtest/gtest.h>

#include <vector>

TEST(SelectionBand, PointsOutsideAreClampedAndTheirOvershootKept)
{
    // Client 300 x 200 below a 22-pixel header.
    struct Case
    {
        POINT pt;
        POINT clamped;
        int nLeft, nTop, nRight, nBottom;
    } cases[] = {
        {{50, 60}, {50, 60}, 0, 0, 0, 0},     {{-7, 60}, {0, 60}, 7, 0, 0, 0},
        {{50, 10}, {50, 22}, 0, 12, 0, 0},    {{310, 260}, {300, 200}, 0, 0, 10, 60},
        {{300, 200}, {300, 200}, 0, 0, 0, 0},
    };
    for (const Case& c : cases)
    {
        CBandPoint point = ClampBandPoint(c.pt, 300, 200, 22);
        EXPECT_EQ(CPoint(c.clamped), point.pt) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(c.nLeft, point.nLeft);
        EXPECT_EQ(c.nTop, point.nTop);
        EXPECT_EQ(c.nRight, point.nRight);
        EXPECT_EQ(c.nBottom, point.nBottom);
    }
}

TEST(SelectionBand, HorizontalStepsGrowWithTheOvershoot)
{
    const int R = 20;
    struct Case
    {
        int nOvershoot;
        int nMinimum;
    } cases[] = {
        {5 * R, 3 * R}, {4 * R + 1, 3 * R}, {4 * R, 2 * R}, {3 * R, 2 * R}, {2 * R, 0}, {R, 0}, {0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nMinimum, MinimumHorizontalStep(c.nOvershoot, R)) << c.nOvershoot;
}

TEST(SelectionBand, ScrollStepsStopAtTheEnds)
{
    const int R = 20;
    struct Case
    {
        BOOL bHorizontal, bTowardsEnd;
        int nPos, nLimit, nMinimum;
        int nAmount;
    } cases[] = {
        {TRUE, TRUE, 0, 500, 0, 10},                                 // half a row
        {TRUE, TRUE, 0, 500, 60, 60},                                // the minimum wins
        {TRUE, TRUE, 480, 500, 60, 20},                              // only the room left
        {TRUE, FALSE, 15, 500, 0, -10}, {TRUE, FALSE, 0, 500, 0, 0}, // at the start already
        {FALSE, TRUE, 3, 40, 0, R},                                  // one line, in pixels
        {FALSE, FALSE, 3, 40, 0, -R},   {FALSE, TRUE, 40, 40, 0, 0}, // at the end
        {FALSE, TRUE, 41, 40, 0, 0},                                 // position past the limit
        {FALSE, TRUE, -1, 40, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nAmount, ScrollStep(c.bHorizontal, c.bTowardsEnd, c.nPos, c.nLimit, R, c.nMinimum))
            << c.bHorizontal << " " << c.bTowardsEnd << " " << c.nPos;
}

TEST(SelectionBand, OvershootOfTheScrolledSideDecidesAnImmediateRetry)
{
    CBandPoint point = ClampBandPoint(CPoint(-50, 500), 300, 200, 22);
    EXPECT_EQ(50, OvershootOfScroll(point, -10, 0));
    EXPECT_EQ(300, OvershootOfScroll(point, 0, 20));
    EXPECT_EQ(0, OvershootOfScroll(point, 0, 0));
    EXPECT_TRUE(ScrollsAgainAtOnce(41, 20));
    EXPECT_FALSE(ScrollsAgainAtOnce(40, 20));
}

TEST(SelectionBand, BandNeedsWidthAndHeight)
{
    CRect rc;
    EXPECT_TRUE(GetBandRectFrom(CPoint(50, 80), CPoint(10, 20), &rc));
    EXPECT_EQ(CRect(10, 20, 50, 80), rc);
    EXPECT_FALSE(GetBandRectFrom(CPoint(50, 80), CPoint(50, 20), &rc)); // zero width
    EXPECT_FALSE(GetBandRectFrom(CPoint(50, 80), CPoint(10, 80), &rc));
}

TEST(SelectionBand, CtrlDragTogglesCoveredRowsAgainstTheStart)
{
    // Rows 0..5; the band covers rows 2-4; row 3 (and 5, outside) was selected.
    std::vector<BOOL> wasSelected = {FALSE, FALSE, FALSE, TRUE, FALSE, TRUE};
    std::vector<int> wanted;
    for (int nRow = 0; nRow < 6; ++nRow)
        wanted.push_back(WantedBandState(nRow >= 2 && nRow <= 4, wasSelected[nRow], FALSE));
    EXPECT_EQ(
        (std::vector<int>{BAND_DESELECT, BAND_DESELECT, BAND_SELECT, BAND_DESELECT, BAND_SELECT, BAND_LEAVE}),
        wanted);
    // A single-selection list selects what the band covers.
    EXPECT_EQ(BAND_SELECT, WantedBandState(TRUE, TRUE, TRUE));
    EXPECT_EQ(BAND_DESELECT, WantedBandState(FALSE, FALSE, TRUE));
}

TEST(SelectionBand, OnlyEdgesInsideTheClipAreOutlined)
{
    CRect rcClip(0, 30, 300, 200);
    EXPECT_EQ(0xFu, BandEdgeFlags(CRect(10, 40, 100, 150), rcClip));
    EXPECT_EQ((UINT)(BAND_EDGE_LEFT | BAND_EDGE_RIGHT | BAND_EDGE_TOP),
              BandEdgeFlags(CRect(10, 40, 100, 250), rcClip)); // cut at the bottom
    EXPECT_EQ((UINT)(BAND_EDGE_RIGHT | BAND_EDGE_BOTTOM), BandEdgeFlags(CRect(-5, 10, 300, 200), rcClip));
}

TEST(SelectionBand, PenTakesTheLargestChannelAndAlphaIsThirtyPercent)
{
    struct Case
    {
        COLORREF highlight;
        COLORREF pen;
    } cases[] = {
        {0x80FF80, RGB(0, 255, 0)},     {0xD77800, RGB(0, 0, 255)},     {RGB(200, 10, 10), RGB(255, 0, 0)},
        {RGB(9, 9, 9), RGB(255, 0, 0)}, {RGB(0, 9, 9), RGB(0, 255, 0)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.pen, BandPenColor(c.highlight)) << std::hex << c.highlight;
    EXPECT_EQ(76, OpacityToAlpha(30));
    EXPECT_EQ(255, OpacityToAlpha(100));
    EXPECT_EQ(0, OpacityToAlpha(0));
}
