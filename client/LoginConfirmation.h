#ifndef TANZO_CLIENT_LOGINCONFIRMATION_H
#define TANZO_CLIENT_LOGINCONFIRMATION_H

#include "afx/wintypes.h"

class CUserAccount;
class CWnd;

// Runs the log-in test of an account behind its progress dialog; tests put
// a fake in its place.
class CLoginTestRunner
{
public:
    virtual ~CLoginTestRunner();
    // IDOK when the account logged in; bAbandoned when the user stopped
    // the run before it ended.
    virtual INT_PTR Run(const CUserAccount& account, BOOL bSwitchMode, int nLoginType, BOOL& bAbandoned) = 0;
};

// Asks whether to test the account's log-in (or, in switch mode, to switch
// to it), runs the test and tells the user how it went, unless the user
// stopped it. TRUE when the log-in succeeded. nLoginType is the log-in
// controller's type.
BOOL ConfirmLoginOrSwitch(const CUserAccount& account, BOOL bSwitchMode, int nLoginType,
                          CLoginTestRunner& runner);

#ifdef _WIN32
// The same with CLoginTestDialog over pWnd: a test when pWnd is the user-ID
// add dialog, else the switch of the current ID; the log-in type is the
// options'.
BOOL ConfirmLoginOrSwitch(const CUserAccount& account, CWnd* pWnd);
#endif

#endif // TANZO_CLIENT_LOGINCONFIRMATION_H
