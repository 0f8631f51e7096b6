#include <gtest/gtest.h>

#include <string>

#include "client/PageCommands.h"
#include "client/TanzoResourceIds.h"

namespace
{
// The range a command reads, as "first,last"; "-" when it reads none.
std::string Range(UINT id, int current, int count, int firstChoice = 1)
{
    int first = 0, last = 0;
    if (!GetPageCommandRange(id, current, count, firstChoice, first, last))
        return "-";
    return std::to_string(first) + "," + std::to_string(last);
}

// Enabled (E), checked too (C) or disabled (.) for 33130..33135.
std::string States(int current, int count)
{
    std::string out;
    for (UINT id = ID_PAGE_PREVIOUS; id <= ID_PAGE_ALL; ++id)
        out += IsPageCommandChecked(id, current, count)
                   ? 'C'
                   : (IsPageCommandEnabled(id, current, count) ? 'E' : '.');
    return out;
}
} // namespace

TEST(PageCommands, RangesOfTheCommands)
{
    const struct
    {
        UINT id;
        int current;
        int count;
        int firstChoice;
        const char* range;
    } cases[] = {
        {ID_PAGE_PREVIOUS, 3, 5, 1, "2,-1"},
        {ID_PAGE_NEXT, 3, 5, 1, "4,-1"},
        {ID_PAGE_NEXT, 5, 5, 1, "5,-1"},
        // All pages shown: both neighbours are page 1.
        {ID_PAGE_PREVIOUS, 0, 5, 1, "1,-1"},
        {ID_PAGE_NEXT, 0, 5, 1, "1,-1"},
        {ID_PAGE_PREVIOUS, 1, 5, 1, "1,-1"},
        // A stored page beyond a count that shrank.
        {ID_PAGE_NEXT, 7, 5, 1, "5,-1"},
        {ID_PAGE_FIRST, 3, 5, 1, "1,-1"},
        {ID_PAGE_LAST, 3, 5, 1, "5,-1"},
        {ID_PAGE_ALL, 3, 5, 1, "1,5"},
        {ID_PAGE_CHOICE_FIRST, 13, 25, 9, "9,-1"},
        {ID_PAGE_CHOICE_LAST, 13, 25, 9, "18,-1"},
        {ID_PAGE_GO_TO, 3, 5, 1, "-"},
        {ID_ITEM_MEMO, 3, 5, 1, "-"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.range, Range(c.id, c.current, c.count, c.firstChoice)) << c.id << " at " << c.current;
}

TEST(PageCommands, Enabling)
{
    // previous, next, go to, first, last, all
    EXPECT_EQ("EEEEEC", States(0, 5));
    EXPECT_EQ(".EEEEE", States(1, 5));
    EXPECT_EQ("E.EEEE", States(5, 5));
    EXPECT_EQ("EEEEEE", States(3, 5));
    // One page: nothing to page through, and "all" is not checked either.
    EXPECT_EQ("......", States(1, 1));
    EXPECT_EQ("......", States(0, 1));
    EXPECT_EQ("......", States(0, 0));
    EXPECT_EQ(".EEEEE", States(1, 2));
    EXPECT_FALSE(IsPageCommandEnabled(ID_PAGE_CHOICE_FIRST, 1, 5));
}

TEST(PageCommands, StoredRangeAndPageChoices)
{
    int first = 0, last = 0;
    GetStoredRefreshRange(3, 7, first, last);
    EXPECT_EQ(3, first);
    EXPECT_EQ(-1, last);
    GetStoredRefreshRange(0, 7, first, last);
    EXPECT_EQ(1, first);
    EXPECT_EQ(7, last);

    const struct
    {
        int firstChoice;
        int count;
        int choices;
    } cases[] = {{11, 25, 10}, {1, 3, 3},  {16, 25, 10}, {20, 25, 6},
                 {1, 0, 0},    {1, -1, 0}, {1, 1, 1},    {9, 5, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(c.choices, GetPageChoiceCount(c.firstChoice, c.count)) << c.firstChoice << "/" << c.count;
}

TEST(PageCommands, PageNumberDialogDigits)
{
    const struct
    {
        int maximum;
        int digits;
    } cases[] = {{1, 1}, {9, 1}, {10, 2}, {99, 2}, {100, 3}, {12345, 5}, {0, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(c.digits, CountPageDigits(c.maximum)) << c.maximum;
    EXPECT_EQ(5, LimitPageToMaximum(7, 5));
    EXPECT_EQ(5, LimitPageToMaximum(5, 5));
    EXPECT_EQ(4, LimitPageToMaximum(4, 5));
}
