#include "auction/accounts/UserIdChecks.h"

#include "auction/accounts/UserAccount.h"
#include "auction/accounts/UserIdResourceIds.h"
#include "text/CharClass.h"

UINT CheckUserIdText(LPCTSTR lpszText)
{
    if (lpszText == nullptr || *lpszText == '\0')
        return IDS_USERID_EMPTY;
    if (!IsAllAscii(lpszText))
        return IDS_USERID_NOT_ASCII;
    return 0;
}

CString LowerUserId(LPCTSTR lpszId)
{
    CString strId(lpszId);
    strId.MakeLower();
    return strId;
}

UINT CheckNewUserId(LPCTSTR lpszText, const CStringList& existingLowerIds)
{
    UINT nMessage = CheckUserIdText(lpszText);
    if (nMessage != 0)
        return nMessage;
    if (!existingLowerIds.IsEmpty() && existingLowerIds.Find(LowerUserId(lpszText)) != nullptr)
        return IDS_USERID_EXISTS;
    return 0;
}

UINT CheckPasswordText(LPCTSTR lpszText)
{
    UINT nMessage = CheckUserIdText(lpszText);
    if (nMessage != 0)
        return nMessage;
    if (!CUserAccount::IsStorablePassword(lpszText))
        return IDS_PASSWORD_TOO_LONG;
    return 0;
}

BOOL IsPasswordChanged(BOOL bEditExisting, LPCTSTR lpszStored, LPCTSTR lpszEntered)
{
    return !bEditExisting || CString(lpszStored) != CString(lpszEntered);
}
