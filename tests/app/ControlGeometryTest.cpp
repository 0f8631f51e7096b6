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
} // namespace
