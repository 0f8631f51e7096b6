// Where a painted label puts its text: aligned by the free room, never to
// the left of its box, and vertically only for one line; margins of 0
// leave the box alone.
#include "app/ControlGeometry.h"

#include <gtest/gtest.h>

namespace
{
TEST(ControlGeometryTest, TextTakesItsPlaceInTheBox)
{
    const CRect rcBox(10, 20, 210, 60); // 200 x 40
    const struct
    {
        const char* name;
        int cx, cy, horz, vert;
        BOOL single;
        CRect expected;
    } cases[] = {
        {"left, top", 50, 10, placeStart, placeStart, TRUE, CRect(10, 20, 60, 30)},
        {"centred one line", 50, 10, placeCentre, placeCentre, TRUE, CRect(85, 35, 135, 45)},
        {"right, bottom", 50, 10, placeEnd, placeEnd, TRUE, CRect(160, 50, 210, 60)},
        {"several lines stay at the top", 50, 10, placeCentre, placeCentre, FALSE, CRect(85, 20, 135, 30)},
        {"wider than the box stays at the left", 300, 10, placeEnd, placeStart, TRUE, CRect(10, 20, 310, 30)},
        {"taller than the box stays at the top", 50, 60, placeStart, placeCentre, TRUE,
         CRect(10, 20, 60, 80)},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const CRect rc = PlaceTextInBox(rcBox, c.cx, c.cy, c.horz, c.vert, c.single);
        EXPECT_TRUE(c.expected == rc) << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom;
    }
}

TEST(ControlGeometryTest, MarginsDeflateTheBox)
{
    const CRect rcBox(0, 0, 100, 50);
    EXPECT_TRUE(rcBox == DeflateByMargins(rcBox, CRect(0, 0, 0, 0)));
    EXPECT_TRUE(CRect(5, 0, 100, 50) == DeflateByMargins(rcBox, CRect(5, 0, 0, 0)));
    EXPECT_TRUE(CRect(5, 5, 95, 45) == DeflateByMargins(rcBox, CRect(5, 5, 5, 5)));
}
TEST(ControlGeometryTest, TabPutsItsImageBesideItsText)
{
    const struct
    {
        const char* name;
        BOOL selected;
        CSize image;
        int align, cxText;
        CPoint ptImage;
        CRect rcText;
    } cases[] = {
        {"no image, selected", TRUE, CSize(0, 0), placeCentre, 40, CPoint(5, 10), CRect(5, 0, 91, 21)},
        {"no image, not selected: 2 higher", FALSE, CSize(0, 0), placeCentre, 40, CPoint(5, 9),
         CRect(5, -2, 91, 19)},
        {"image, text at the left", TRUE, CSize(16, 15), placeStart, 40, CPoint(5, 3), CRect(26, 3, 91, 18)},
        {"image beside centred text", TRUE, CSize(16, 15), placeCentre, 40, CPoint(17, 3),
         CRect(26, 3, 91, 18)},
        {"image beside right-aligned text", TRUE, CSize(16, 15), placeEnd, 40, CPoint(30, 3),
         CRect(26, 3, 91, 18)},
        {"text wider than its room keeps the image", FALSE, CSize(16, 15), placeCentre, 90, CPoint(5, 2),
         CRect(26, 1, 91, 16)},
        {"image as tall as the tab", TRUE, CSize(16, 21), placeStart, 40, CPoint(5, 0), CRect(26, 0, 91, 21)},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const TabItemLayout layout = LayoutTabItem(96, 21, c.selected, c.image, c.align, c.cxText);
        EXPECT_TRUE(c.ptImage == layout.ptImage) << layout.ptImage.x << "," << layout.ptImage.y;
        const CRect& rc = layout.rcText;
        EXPECT_TRUE(c.rcText == rc) << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom;
    }
}

TEST(ControlGeometryTest, ButtonsWithTextsTakeTheirAverageWidth)
{
    const int widths[] = {40, 50, 51};
    EXPECT_EQ(47, AverageButtonWidth(widths, 3)); // 141 / 3 rounded up
    EXPECT_EQ(40, AverageButtonWidth(widths, 1));
    EXPECT_EQ(0, AverageButtonWidth(widths, 0)); // only separators: nothing to divide by
    EXPECT_EQ(0, AverageButtonWidth(nullptr, 2));
}
} // namespace
