// The user-ID management dialog's commands: at most twenty IDs, and edit
// and delete only with a selected row.
#include <gtest/gtest.h>

#include "client/UserIdManageResourceIds.h"
#include "client/UserIdManageRules.h"

TEST(UserIdManageRules, TwentyIdsStopAddingAndEditOrDeleteNeedARow)
{
    const struct
    {
        UINT nID;
        int nRows;
        BOOL bSelected;
        BOOL bEnabled;
    } cases[] = {
        {ID_USERID_MANAGE_ADD, 0, FALSE, TRUE},    {ID_USERID_MANAGE_ADD, 19, TRUE, TRUE},
        {ID_USERID_MANAGE_ADD, 20, TRUE, FALSE},   {ID_USERID_MANAGE_ADD, 21, FALSE, FALSE},
        {ID_USERID_MANAGE_EDIT, 5, FALSE, FALSE},  {ID_USERID_MANAGE_EDIT, 5, TRUE, TRUE},
        {ID_USERID_MANAGE_EDIT, 20, TRUE, TRUE},   {ID_USERID_MANAGE_DELETE, 1, FALSE, FALSE},
        {ID_USERID_MANAGE_DELETE, 20, TRUE, TRUE},
    };
    for (const auto& c : cases)
    {
        BOOL bEnabled = !c.bEnabled;
        EXPECT_TRUE(GetUserIdManageCommandState(c.nID, c.nRows, c.bSelected, bEnabled)) << c.nID;
        EXPECT_EQ(c.bEnabled, bEnabled)
            << c.nID << " with " << c.nRows << " rows" << (c.bSelected ? ", one selected" : "");
    }
    EXPECT_TRUE(CanAddUserId(19));
    EXPECT_FALSE(CanAddUserId(20));
    // Other commands are left to the dialog's base.
    BOOL bEnabled = TRUE;
    EXPECT_FALSE(GetUserIdManageCommandState(ID_USERID_MANAGE_DELETE + 1, 0, FALSE, bEnabled));
    EXPECT_TRUE(bEnabled);
}
