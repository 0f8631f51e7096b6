#include <gtest/gtest.h>

#include <string>

#include "client/ClientTestSupport.h"
#include "client/StatusPageValues.h"

TEST(StatusPageValues, ListDatesTakeTheNearestYear)
{
    const struct
    {
        const char* text;
        CTime now;
        CTime want;
    } cases[] = {
        {"1月3日 10時00分", LocalTime(2023, 12, 28, 12), LocalTime(2024, 1, 3, 10)},
        {"12月30日 23時59分", LocalTime(2024, 1, 5, 9), LocalTime(2023, 12, 30, 23, 59)},
        {"6月1日 0時05分", LocalTime(2024, 5, 20), LocalTime(2024, 6, 1, 0, 5)},
        // 15 days and 11 hours ahead is still this year; a minute more is last year's.
        {"6月16日 11時00分", LocalTime(2024, 6, 1), LocalTime(2024, 6, 16, 11)},
        {"6月16日 11時01分", LocalTime(2024, 6, 1), LocalTime(2023, 6, 16, 11, 1)},
        // 121 days back is still this year; a minute more is next year's.
        {"2月1日 0時00分", LocalTime(2024, 6, 1), LocalTime(2024, 2, 1)},
        {"1月31日 23時59分", LocalTime(2024, 6, 1), LocalTime(2025, 1, 31, 23, 59)},
        {" 1月 3日  9時 7分 ", LocalTime(2024, 1, 2), LocalTime(2024, 1, 3, 9, 7)},
        {"１月３日 ９時０７分", LocalTime(2024, 1, 2), LocalTime(2024, 1, 3, 9, 7)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.want.GetTime(), ParseListDate(c.text, c.now).GetTime()) << c.text;
}

TEST(StatusPageValues, ListDatesWithoutAllWordsOrInRangeAreNone)
{
    const CTime now = LocalTime(2024, 6, 1);
    const char* const cases[] = {
        "1月3日",                // no hour and minute
        "10時00分",              // no month and day
        "2024年1月3日 10時00分", // "2024年1" is no month
        "13月3日 10時00分",
        "0月3日 10時00分",
        "1月32日 10時00分",
        "1月0日 10時00分",
        "1月3日 24時00分",
        "1月3日 10時60分",
        "分時日月", // the words out of order
        "",
    };
    for (const char* text : cases)
        EXPECT_EQ(0, ParseListDate(text, now).GetTime()) << text;
}

TEST(StatusPageValues, PageCountFromTheItemCount)
{
    const std::string filler(300, 'x');
    const struct
    {
        std::string page;
        BOOL read;
        int count;
    } cases[] = {
        {"<p>123件中 1～50件目</p>", TRUE, 3},
        {"<p>7件中 1～20件目</p>", TRUE, 1},
        {"<p>100件中 1～50件目</p>", TRUE, 2},
        {"<p>101件中 1～50件目</p>", TRUE, 3},
        {"<p>1,234件中 1～50件目</p>", TRUE, 25},
        {"<p><b>60</b>件中 <b>1</b>～<b>20</b>件目</p>", FALSE, 0}, // tags before the word: no total
        {"<p>60件中 <b>1</b>～<b>20</b>件目</p>", TRUE, 3},
        {"<p>60件中 11～20件目</p>", TRUE, 2}, // not from row 1: 50 a page
        {"<p>60件中 すべて件目</p>", TRUE, 2}, // no row numbers: 50 a page
        {"<p>0件中 0～0件目</p>", FALSE, 0},
        {"<p>123件中</p>", FALSE, 0},
        {"<p>123件中 " + filler + " 1～50件目</p>", FALSE, 0},
        {"<p>件中 1～50件目</p>", FALSE, 0},
        {"<p>全,50件中 1～50件目</p>", TRUE, 1},
    };
    for (const auto& c : cases)
    {
        int count = 0;
        EXPECT_EQ(c.read, ReadPageCountFromCounts(c.page.c_str(), count)) << c.page;
        if (c.read)
        {
            EXPECT_EQ(c.count, count) << c.page;
        }
    }
}

TEST(StatusPageValues, NumbersAndMoney)
{
    EXPECT_EQ(12800, ParseMoneyText("12,800円"));
    EXPECT_EQ(9999999999LL, ParseMoneyText("9,999,999,999 円"));
    EXPECT_EQ(0, ParseMoneyText("-"));
    EXPECT_EQ(12, ParseNumberText("１２"));
    EXPECT_EQ(3, ParseNumberText("3日"));
    EXPECT_EQ(0, ParseNumberText(""));
}
