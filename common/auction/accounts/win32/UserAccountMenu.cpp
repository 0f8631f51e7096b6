#include "auction/accounts/UserAccountList.h"

#include "afx/Menu.h"
#include "auction/accounts/UserAccount.h"
#include "text/MbcsString.h"

void CUserAccountList::AppendAccountMenu(CMenu* pMenu, UINT firstCommandId, LPCTSTR markedID) const
{
    if (pMenu == nullptr || GetCount() == 0)
        return;
    pMenu->AppendMenu(MF_SEPARATOR);
    CUserAccount account;
    for (int i = 0; GetAt(i, account); ++i)
    {
        UINT nFlags = MF_STRING;
        if (markedID != nullptr && *markedID != '\0' && MbsEqualNoCase(markedID, account.GetID()))
            nFlags |= MF_CHECKED;
        pMenu->AppendMenu(nFlags, firstCommandId + i, FormatAccountMenuText(i, account.GetID()));
    }
}
