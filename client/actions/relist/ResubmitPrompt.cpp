#include "client/actions/relist/ResubmitPrompt.h"

#include "afx/String.h"
#include "net/ProgressSinkRef.h"

CResubmitPrompt::~CResubmitPrompt() {}

BOOL CResubmitPrompt::EditShipMethods(CAuctionShipMethods&, BOOL, BOOL& bForFollowing)
{
    bForFollowing = FALSE;
    return FALSE;
}

BOOL CResubmitPrompt::EditItemCondition(CItemCondition&, BOOL, BOOL& bForFollowing)
{
    bForFollowing = FALSE;
    return FALSE;
}

void CResubmitPrompt::ShowNotice(const CProgressSinkRef& progress, LPCTSTR text)
{
    progress.ShowMessage(text, MB_OK | MB_ICONINFORMATION);
}

int CResubmitPrompt::ShowHeadedMessage(const CProgressSinkRef& progress, LPCTSTR text, LPCTSTR heading,
                                       UINT nType)
{
    CString message(heading);
    message += "\r\n\r\n";
    message += text;
    return progress.ShowMessage(message, nType);
}

int CResubmitPrompt::ShowLinkedMessage(const CProgressSinkRef& progress, LPCTSTR text, LPCTSTR url, LPCTSTR,
                                       UINT nType)
{
    CString message(text);
    message += "\r\n\r\n";
    message += url;
    return progress.ShowMessage(message, nType);
}
