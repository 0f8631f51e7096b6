// Digits grouped by three under a length limit, and decimal values, as the
// number edits show them.
#include "controls/NumberEditText.h"

#include <gtest/gtest.h>

TEST(NumberEditText, DigitLimitCountsTheSeparators)
{
    const struct
    {
        int digits;
        int length;
    } cases[] = {{10, 13}, {1, 1}, {3, 3}, {4, 5}, {6, 7}, {7, 9}, {0, 0}, {-2, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(c.length, GroupedNumberLength(c.digits)) << c.digits;
}

TEST(NumberEditText, GroupsTheDigitsOrRefusesATooLongNumber)
{
    struct Case
    {
        const char* in;
        int maxLength;
        const char* out;
        BOOL accepted;
    } cases[] = {
        {"1234567", 48, "1,234,567", TRUE},
        {"-1234", 48, "1,234", TRUE},
        {"1,234,5", 48, "12,345", TRUE},
        {"１２３４", 48, "1,234", TRUE},
        {"12.5円", 48, "125", TRUE},
        {"123", 48, "123", TRUE},
        {"abc", 48, "", TRUE},
        {"", 48, "", TRUE},
        // SetDigitLimit(10): 13 characters.
        {"1234567890", 13, "1,234,567,890", TRUE},
        {"12345678901", 13, "12345678901", FALSE},
        {"1,234,567,890,1", 13, "1,234,567,890,1", FALSE},
        {"12345678901234567890", 0, "12,345,678,901,234,567,890", TRUE},
    };
    for (const Case& c : cases)
    {
        CString text = c.in;
        EXPECT_EQ(c.accepted, FormatGroupedNumber(text, c.maxLength)) << c.in;
        EXPECT_STREQ(c.out, text) << c.in;
    }
}

TEST(NumberEditText, DecimalValueShowsAFractionOnlyAboveZero)
{
    EXPECT_STREQ("12.5", FormatDecimalValue(12, 5));
    EXPECT_STREQ("12", FormatDecimalValue(12, 0));
    EXPECT_STREQ("12", FormatDecimalValue(12, -3));
    EXPECT_STREQ("0.25", FormatDecimalValue(0, 25));
}
