#include "client/UserIdManageRules.h"

#include "auction/accounts/UserAccountList.h"
#include "client/UserIdManageResourceIds.h"

BOOL CanAddUserId(int nRowCount)
{
    return nRowCount < CUserAccountList::MaxAccounts;
}

BOOL GetUserIdManageCommandState(UINT nID, int nRowCount, BOOL bRowSelected, BOOL& bEnabled)
{
    switch (nID)
    {
    case ID_USERID_MANAGE_ADD:
        bEnabled = CanAddUserId(nRowCount);
        return TRUE;
    case ID_USERID_MANAGE_EDIT:
    case ID_USERID_MANAGE_DELETE:
        bEnabled = bRowSelected;
        return TRUE;
    default:
        return FALSE;
    }
}
