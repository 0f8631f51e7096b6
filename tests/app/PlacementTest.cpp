// Placement of a window in the work area: sizes cut to the area, centring
// when asked or when the corner lies outside, for work areas that do not
// begin at the screen's origin (a task bar at the top or left, a second
// monitor left of or below the first).
#include "app/Placement.h"

#include <gtest/gtest.h>

namespace
{
struct PlacementCase
{
    const char* name;
    RECT work;
    int left, top, width, height;
    BOOL center;
    RECT expected;
};

const RECT kPrimary = {0, 0, 1920, 1040};     // task bar at the bottom
const RECT kTopBar = {0, 40, 1920, 1080};     // task bar at the top
const RECT kLeftBar = {60, 0, 1920, 1080};    // task bar at the left
const RECT kLeftMonitor = {-1280, 0, 0, 984}; // second monitor left of the first
const RECT kLowerMonitor = {200, 1080, 1800, 2000};

const PlacementCase kCases[] = {
    {"inside stays", kPrimary, 100, 50, 800, 600, FALSE, {100, 50, 900, 650}},
    {"centre asked", kPrimary, 100, 50, 800, 600, TRUE, {560, 220, 1360, 820}},
    {"odd remainder rounds down", kPrimary, 0, 0, 801, 601, TRUE, {559, 219, 1360, 820}},
    {"wider than the area is cut and centred", kPrimary, 10, 10, 2500, 600, TRUE, {0, 220, 1920, 820}},
    {"taller than the area is cut", kPrimary, 10, 10, 800, 5000, FALSE, {10, 10, 810, 1050}},
    {"left of the area", kPrimary, -5, 50, 800, 600, FALSE, {560, 220, 1360, 820}},
    {"right edge is outside", kPrimary, 1920, 50, 800, 600, FALSE, {560, 220, 1360, 820}},
    {"last column is inside", kPrimary, 1919, 50, 800, 600, FALSE, {1919, 50, 2719, 650}},
    {"below the area", kPrimary, 100, 1040, 800, 600, FALSE, {560, 220, 1360, 820}},
    {"above the area", kPrimary, 100, -1, 800, 600, FALSE, {560, 220, 1360, 820}},
    {"under a top task bar", kTopBar, 100, 10, 800, 600, FALSE, {560, 260, 1360, 860}},
    {"just below a top task bar", kTopBar, 100, 40, 800, 600, FALSE, {100, 40, 900, 640}},
    {"centred below a top task bar", kTopBar, 0, 0, 800, 600, TRUE, {560, 260, 1360, 860}},
    {"tall window below a top task bar", kTopBar, 0, 100, 800, 2000, FALSE, {0, 100, 800, 1140}},
    {"under a left task bar", kLeftBar, 20, 100, 800, 600, FALSE, {590, 240, 1390, 840}},
    {"centred right of a left task bar", kLeftBar, 500, 100, 860, 600, TRUE, {560, 240, 1420, 840}},
    {"on a monitor left of the primary", kLeftMonitor, -1000, 100, 800, 600, FALSE, {-1000, 100, -200, 700}},
    {"centred on the left monitor", kLeftMonitor, -1000, 100, 800, 600, TRUE, {-1040, 192, -240, 792}},
    {"past the left monitor's right edge", kLeftMonitor, 0, 100, 800, 600, FALSE, {-1040, 192, -240, 792}},
    {"on a monitor below the primary", kLowerMonitor, 300, 1100, 800, 600, FALSE, {300, 1100, 1100, 1700}},
    {"above the lower monitor", kLowerMonitor, 300, 500, 800, 600, FALSE, {600, 1240, 1400, 1840}},
    {"cut to the lower monitor", kLowerMonitor, 300, 1100, 3000, 3000, FALSE, {300, 1100, 1900, 2020}},
};

TEST(PlacementTest, PlacesInTheWorkArea)
{
    for (const PlacementCase& c : kCases)
    {
        SCOPED_TRACE(c.name);
        CRect result(-99, -99, -99, -99);
        ASSERT_TRUE(PlaceInWorkArea(&c.work, c.left, c.top, c.width, c.height, c.center, result));
        EXPECT_EQ(CRect(c.expected), result);
    }
}

TEST(PlacementTest, NoSizeMeansNoPlacement)
{
    const int sizes[][2] = {{0, 600}, {800, 0}, {-1, 600}, {800, -600}};
    for (const auto& size : sizes)
    {
        CRect result(1, 2, 3, 4);
        EXPECT_FALSE(PlaceInWorkArea(&kPrimary, 10, 10, size[0], size[1], TRUE, result));
        EXPECT_EQ(CRect(1, 2, 3, 4), result);
    }
}

TEST(PlacementTest, WithoutAWorkAreaTheValuesStand)
{
    const RECT empty = {100, 100, 100, 500};
    const RECT inverted = {500, 500, 100, 100};
    const RECT* areas[] = {nullptr, &empty, &inverted};
    for (const RECT* area : areas)
    {
        CRect result;
        ASSERT_TRUE(PlaceInWorkArea(area, -20, 5000, 3000, 600, TRUE, result));
        EXPECT_EQ(CRect(-20, 5000, 2980, 5600), result);
    }
}
} // namespace
