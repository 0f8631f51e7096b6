#include <gtest/gtest.h>

#include "auction/dialogs/AuctionDialogRules.h"

TEST(AmountDialogRules, StartAndAcceptance)
{
    struct Start
    {
        LONGLONG amount, minimum;
        DWORD options;
        BOOL shown;
        LONGLONG value;
    } starts[] = {
        {0, 0, AmountCheckRange, TRUE, 1}, // minimum 0 shows 1
        {0, 1, 0, TRUE, 1},
        {3, 5, 0, TRUE, 5},
        {5, 5, 0, TRUE, 5},
        {9999999999LL, 100, 0, TRUE, 9999999999LL},
        {7, 0, AmountStartEmpty, FALSE, 0},
    };
    for (const Start& s : starts)
    {
        LONGLONG value = 0;
        EXPECT_EQ(s.shown, GetInitialAmount(s.amount, s.minimum, s.options, value))
            << s.amount << " " << s.minimum;
        EXPECT_EQ(s.value, value) << s.amount << " " << s.minimum;
    }

    struct Accept
    {
        LONGLONG value, minimum;
        DWORD options;
        BOOL accepted;
    } accepts[] = {
        {1, 0, AmountCheckRange, TRUE},
        {0, 0, AmountCheckRange, FALSE},
        {0, 0, 0, TRUE},
        {99, 100, AmountCheckRange, FALSE},
        {100, 100, AmountCheckRange, TRUE},
        {9999999999LL, 100, AmountCheckRange, TRUE},
        {10000000000LL, 100, AmountCheckRange, FALSE},
        {10000000000LL, 100, 0, TRUE},
    };
    for (const Accept& a : accepts)
        EXPECT_EQ(a.accepted, IsAmountAccepted(a.value, a.minimum, a.options)) << a.value << " " << a.minimum;
}

TEST(ItemConditionDialogRules, CommentAndQuestions)
{
    struct Case
    {
        int code;
        BOOL comment;
        int step;
    } cases[] = {
        {2, FALSE, ConditionOkNeedComment}, {2, TRUE, ConditionOkAskFirst}, {0, FALSE, ConditionOkAskFirst},
        {0, TRUE, ConditionOkAskFirst},     {1, TRUE, ConditionOkAskFirst}, {1, FALSE, ConditionOkStore},
        {5, FALSE, ConditionOkStore},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.step, DecideConditionOk(c.code, c.comment)) << c.code << " " << c.comment;
    EXPECT_TRUE(FocusConditionAfterNo(0));
    EXPECT_TRUE(FocusConditionAfterNo(2));
    EXPECT_FALSE(FocusConditionAfterNo(1));

    EXPECT_EQ(3, SelectConditionIndex(1, 3, 0, 4));
    EXPECT_EQ(0, SelectConditionIndex(7, -1, 0, 4));  // a code the list lacks: the default's
    EXPECT_EQ(-1, SelectConditionIndex(5, -1, 0, 4)); // the default itself missing
    EXPECT_EQ(-1, SelectConditionIndex(1, 4, 0, 4));  // past the list
}
