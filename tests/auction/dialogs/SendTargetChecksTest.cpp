#include <gtest/gtest.h>

#include "auction/dialogs/SendTargetChecks.h"

TEST(SendTargetChecks, OkNeedsATickedPartner)
{
    struct Case
    {
        int nCheckColumn;
        int nColumns;
        BOOL bAnyTicked;
        int result;
    } cases[] = {
        {0, 3, FALSE, TargetChecksNoneTicked}, // no row ticked, or only fixed cells
        {0, 3, TRUE, TargetChecksPass},        {2, 3, TRUE, TargetChecksPass},
        {-1, 3, FALSE, TargetChecksPass}, // no check column: OK closes
        {-1, 0, FALSE, TargetChecksPass},      {3, 3, TRUE, TargetChecksNoColumn},
        {0, 0, TRUE, TargetChecksNoColumn},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.result, EvaluateTargetChecks(c.nCheckColumn, c.nColumns, c.bAnyTicked))
            << c.nCheckColumn << " " << c.nColumns << " " << c.bAnyTicked;
}
