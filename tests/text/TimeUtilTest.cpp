#include "text/TimeUtil.h"

#include <gtest/gtest.h>

TEST(TimeUtil, SecondsBetweenCountsAcrossDaysAndBothWays)
{
    const CTime start(2024, 2, 28, 23, 59, 30);
    const CTime end(2024, 3, 1, 0, 0, 15); // over a leap day
    EXPECT_EQ(24 * 3600 + 45, SecondsBetween(end, start));
    EXPECT_EQ(-(24 * 3600 + 45), SecondsBetween(start, end));
    EXPECT_EQ(0, SecondsBetween(start, start));
}
