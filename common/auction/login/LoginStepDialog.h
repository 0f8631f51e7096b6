#ifndef TANZO_AUCTION_LOGINSTEPDIALOG_H
#define TANZO_AUCTION_LOGINSTEPDIALOG_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CUserAccount;

// The dialogs of the log-in, as the log-in controller sees them: it makes
// one for a step the service wants the user for, sets it up, runs it
// modally and reads its state bits. The browser dialogs implement it; tests
// put fakes in their place.
class CLoginStepDialog
{
public:
    // Which dialog.
    enum Kind
    {
        KindCaptcha,         // image characters
        KindOneTimePassword, // one-time password
        KindManual,          // the user signs in in the browser
        KindScript,          // the dialog fills and sends the form itself
    };
    // State bits, read after the dialog ended.
    enum
    {
        StateStart = 0x1, // the dialog's own first page is loading
        StateTimerRunning = 0x2,
        StateStartTimer = 0x4, // browser log-in: the move to the log-in page is due
        StateLoginRequested = 0x8,
        StateSucceeded = 0x10,
        StateLoginPageAgain = 0x20, // scripted log-in: the form came back
        StateAborted = 0x40,        // the user stopped it
        StateTimedOut = 0x80,       // ended by its time-out, which it reported
    };

    virtual ~CLoginStepDialog() {}

    // Seconds until the dialog gives up by itself; 0: never.
    virtual void SetTimeout(int nSeconds) = 0;
    // Browser log-in: the log-in page to start with, and the account.
    virtual void SetStartUrl(LPCTSTR url) = 0;
    virtual void SetAccount(const CUserAccount& account) = 0;
    // Browser log-in: the ID the user sent in the log-in form.
    virtual BOOL GetLoginUserId(CString& out) const = 0;
    // Image characters: the address to go on with.
    virtual BOOL GetNextUrl(CString& out) const = 0;
    virtual INT_PTR RunModal() = 0;
    virtual DWORD TestState(DWORD dwBits) const = 0;
};

#endif // TANZO_AUCTION_LOGINSTEPDIALOG_H
