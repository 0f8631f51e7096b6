#include "client/LoginConfirmation.h"

#include "afx/MessageBox.h"
#include "afx/String.h"
#include "auction/accounts/UserAccount.h"
#include "client/TextResourceIds.h"

CLoginTestRunner::~CLoginTestRunner() {}

BOOL ConfirmLoginOrSwitch(const CUserAccount& account, BOOL bSwitchMode, int nLoginType,
                          CLoginTestRunner& runner)
{
    CString question;
    question.FormatMessage(bSwitchMode ? IDS_ASK_SWITCH : IDS_ASK_LOGIN_TEST, (LPCTSTR)account.GetID());
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return FALSE;
    BOOL bAbandoned = FALSE;
    const BOOL bDone = runner.Run(account, bSwitchMode, nLoginType, bAbandoned) == IDOK;
    if (bAbandoned)
        return bDone;
    if (bDone)
        AfxMessageBox(bSwitchMode ? IDS_SWITCH_DONE : IDS_LOGIN_TEST_DONE, MB_ICONINFORMATION);
    else
        AfxMessageBox(bSwitchMode ? IDS_USER_ID_SWITCH_FAILED : IDS_LOGIN_TEST_FAILED, MB_OK);
    return bDone;
}
