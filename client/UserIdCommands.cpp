#include "client/UserIdCommands.h"

#include "afx/String.h"
#include "auction/accounts/UserAccount.h"
#include "auction/accounts/UserAccountList.h"

BOOL ManageUserIds(CUserAccountList& accounts, CUserAccountEditor& dialog)
{
    const CString strBefore = accounts.GetCurrentUserID();
    if (!accounts.EditWithDialog(dialog))
        return FALSE;
    return strBefore.CompareNoCase(accounts.GetCurrentUserID()) != 0;
}

BOOL SwitchUserId(CUserAccountList& accounts, int nIndex,
                  const std::function<BOOL(const CUserAccount&)>& confirm)
{
    CUserAccount account;
    if (!accounts.GetAt(nIndex, account) || !confirm(account))
        return FALSE;
    accounts.SetCurrentUserID(account.GetID());
    return TRUE;
}
