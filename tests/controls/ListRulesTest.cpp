// The list control's pure rules: check squares, link insets, row ranges,
// finding text, swapping an owner-data list's items and centring a child.
#include "controls/ListFind.h"
#include "controls/ListGeometry.h"
#include "controls/ListRows.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ListGeometry, CheckSquareIsTheCellsLeftSquareInsetByThree)
{
    EXPECT_EQ(CRect(13, 3, 27, 17), GetCheckSquareRect(CRect(10, 0, 200, 20)));
    EXPECT_EQ(CRect(3, 43, 3, 43), GetCheckSquareRect(CRect(0, 40, 100, 46))); // too low: empty
}

TEST(ListGeometry, LinkInsetsRebuildTheTextRectangle)
{
    // A cell from x 100 to 250, 20 high; the text drawn at 105..160, 3..17.
    CCellInsets insets = MakeCellInsets(100, 250, 20, CRect(105, 3, 160, 17));
    EXPECT_EQ(5, insets.left);
    EXPECT_EQ(3, insets.top);
    EXPECT_EQ(90, insets.right);
    EXPECT_EQ(3, insets.bottom);
    // The row now lies at y 60 in the client area.
    EXPECT_EQ(CRect(105, 63, 160, 77), ApplyCellInsets(CRect(100, 60, 250, 80), insets));

    // A text wider than its cell: no negative right inset.
    insets = MakeCellInsets(100, 150, 20, CRect(105, 3, 180, 17));
    EXPECT_EQ(0, insets.right);
    // Negative insets read as 0.
    CCellInsets odd;
    odd.left = -4;
    odd.top = -1;
    odd.right = 10;
    odd.bottom = -2;
    EXPECT_EQ(CRect(0, 0, 40, 20), ApplyCellInsets(CRect(0, 0, 50, 20), odd));
}

TEST(ListGeometry, LinkTextFollowsTheColumnsAlignment)
{
    CRect rcRoom(10, 0, 110, 20);
    EXPECT_EQ(CRect(10, 4, 50, 16), PlaceLinkText(rcRoom, 40, 12, LIST_ALIGN_LEFT));
    EXPECT_EQ(CRect(70, 4, 110, 16), PlaceLinkText(rcRoom, 40, 12, LIST_ALIGN_RIGHT));
    EXPECT_EQ(CRect(40, 4, 80, 16), PlaceLinkText(rcRoom, 40, 12, LIST_ALIGN_CENTER));
}

TEST(ListGeometry, ChildIsCentredBelowTheHeader)
{
    EXPECT_EQ(CPoint(150, 111), CenterInList(400, 222, 22, 100, 22));
    EXPECT_EQ(0, FixedCheckTintSide(4));
    EXPECT_EQ(4, FixedCheckTintSide(14));
    EXPECT_EQ(2, FixedCheckTintSide(6));
    EXPECT_EQ(0, FixedCheckTintSide(1));
}

TEST(ListRows, ClampRangeAndShownRange)
{
    struct Case
    {
        int nFirst, nLast, nCount;
        BOOL bResult;
        int nFirstOut, nLastOut;
    } cases[] = {
        {-1, -1, 10, TRUE, 0, 9}, {3, 20, 10, TRUE, 3, 9},    {5, 2, 10, FALSE, 5, 2},
        {0, 0, 0, FALSE, 0, 0},   {12, -1, 10, FALSE, 12, 9},
    };
    for (const Case& c : cases)
    {
        int nFirst = c.nFirst, nLast = c.nLast;
        EXPECT_EQ(c.bResult, ClampRowRange(nFirst, nLast, c.nCount)) << c.nFirst << ".." << c.nLast;
        EXPECT_EQ(c.nFirstOut, nFirst);
        EXPECT_EQ(c.nLastOut, nLast);
    }
    int nFirst = 0, nLast = 0;
    EXPECT_TRUE(GetShownRowRange(40, 12, nFirst, nLast));
    EXPECT_EQ(52, nLast);
    EXPECT_FALSE(GetShownRowRange(-1, 12, nFirst, nLast));
    EXPECT_TRUE(GetShownRowRange(0, -5, nFirst, nLast));
    EXPECT_EQ(0, nLast);
}

TEST(ListRows, MovingAnOwnerDataRowSwapsTwoItems)
{
    int items[6] = {};
    CPtrArray array;
    for (int& item : items)
        array.Add(&item);
    EXPECT_EQ(5, SwapRowItems(array, 6, 3, 5));
    EXPECT_EQ(&items[5], array[3]);
    EXPECT_EQ(&items[4], array[4]);
    EXPECT_EQ(&items[3], array[5]);
    EXPECT_EQ(2, SwapRowItems(array, 6, 2, 2));
    EXPECT_EQ(-1, SwapRowItems(array, 6, -1, 2));
    EXPECT_EQ(-1, SwapRowItems(array, 6, 1, 6));
    EXPECT_EQ(-1, SwapRowItems(array, 9, 1, 7)); // more rows than pointers
}

namespace
{
// A list of texts, one vector per row.
int Find(const std::vector<std::vector<CString>>& rows, LPCTSTR text, int nStart, int nColumn, BOOL bCase,
         BOOL bBackward)
{
    int nColumns = rows.empty() ? 0 : (int)rows[0].size();
    return FindRowWithText([&](int nRow, int nCol) { return rows[nRow][nCol]; }, (int)rows.size(), nColumns,
                           text, nStart, nColumn, bCase, bBackward);
}
} // namespace

TEST(ListFind, MatchesWholeCharactersOnly)
{
    struct Case
    {
        const char* cell;
        const char* text;
        BOOL bCase;
        int nFound;
    } cases[] = {
        {"ア", "a", FALSE, -1}, // the trail byte of ア is "A"
        {"xA", "a", FALSE, 0},   {"xA", "a", TRUE, -1},
        {"表", "\\", FALSE, -1}, // the trail byte of 表 is a backslash
        {"C:\\", "\\", TRUE, 0}, {"出品者ID", "品者", TRUE, 0},
        {"", "", FALSE, -1}, // an empty cell never matches
        {"abc", "", FALSE, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nFound, Find({{c.cell}}, c.text, 0, -1, c.bCase, FALSE)) << c.cell << " / " << c.text;
}

TEST(ListFind, WalksRowsFromTheStartInEitherDirection)
{
    std::vector<std::vector<CString>> rows = {
        {"りんご", "赤"},
        {"バナナ", "黄"},
        {"メロン", "緑"},
        {"りんご", "緑"},
    };
    EXPECT_EQ(0, Find(rows, "りんご", 0, -1, TRUE, FALSE));
    EXPECT_EQ(3, Find(rows, "りんご", 1, -1, TRUE, FALSE));
    EXPECT_EQ(0, Find(rows, "りんご", 2, -1, TRUE, TRUE));
    EXPECT_EQ(2, Find(rows, "緑", 0, 1, TRUE, FALSE));
    EXPECT_EQ(-1, Find(rows, "緑", 0, 0, TRUE, FALSE)); // only that column
    EXPECT_EQ(3, Find(rows, "緑", 99, -1, TRUE, TRUE)); // the start is limited to the rows
    EXPECT_EQ(3, Find(rows, "緑", 99, -1, TRUE, FALSE));
    EXPECT_EQ(-1, Find({}, "x", 0, -1, TRUE, FALSE));
    EXPECT_EQ(-1, Find({{}, {}}, "x", 0, -1, TRUE, FALSE));
}
