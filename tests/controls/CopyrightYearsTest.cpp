// The years of the version dialog's notice line.
#include "controls/CopyrightYears.h"

#include <gtest/gtest.h>

TEST(CopyrightYears, ShowsOneYearOrTheRangeToNow)
{
    const struct
    {
        int first, current;
        const char* text;
    } cases[] = {
        {2006, 2019, "2006-2019"},
        {2019, 2019, "2019"},
        {0, 2026, "2026"},
        {-5, 2026, "2026"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.text, FormatCopyrightYears(c.first, c.current)) << c.first << " " << c.current;
}
