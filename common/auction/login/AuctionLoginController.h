#ifndef TANZO_AUCTION_AUCTIONLOGINCONTROLLER_H
#define TANZO_AUCTION_AUCTIONLOGINCONTROLLER_H

#include "afx/String.h"
#include "afx/wintypes.h"
#include "auction/login/LoginResourceIds.h"
#include "auction/login/LoginStepDialog.h"
#include "net/ProgressSinkRef.h"
#include "text/BitFlags.h"

class CHtmlDocument;
class CHttpComm;
class CProgressSink;
class CUserAccount;
class CWnd;

// Signs the user in to the service with one account, and out again. The
// main road needs no window: fetch the log-in page, fill in its form, post
// it, judge the answer. Where the service wants the user (image characters,
// a one-time password) or the form cannot be sent by itself, a dialog shows
// the service's page in the browser; the user's setting may also send him
// to the browser straight away. Made on the stack for one log-in.
class CAuctionLoginController : public CBitFlagsEx
{
public:
    // Bits of the flag word.
    enum
    {
        flagCancelled = 0x1 // the user stopped a dialog or a request
    };
    // How to sign in.
    enum
    {
        LoginHttp = 0,
        LoginScript = 1,        // the browser fills and sends the form
        LoginBrowserFilled = 2, // the user signs in in the browser, password filled in
        LoginBrowserManual = 3, // the user types the password too
    };
    enum
    {
        MaxLoginPageDepth = 3, // so the log-in page is fetched at most four times
        ManualDialogSettingsId = 693,
        ScriptDialogTimeout = 90,
    };
    // Texts.

    explicit CAuctionLoginController(CHttpComm* pHttpComm);
    ~CAuctionLoginController() override;

    void SetProgressSink(CProgressSink* pSink) { m_progress.SetSink(pSink); }
    const CProgressSinkRef& GetProgress() const { return m_progress; }
    void SetLoginType(int nType) { m_nLoginType = nType; }
    int GetLoginType() const { return m_nLoginType; }

    // TRUE when the conversation is signed in as the account.
    virtual BOOL Login(const CUserAccount& account, CWnd* pParent);
    // The result of the log-out request.
    BOOL LogOut();
    BOOL IsCancelled() const { return TestAny(flagCancelled) != 0; }

    virtual void OnBeforeCaptcha();
    virtual void OnAfterCaptcha(BOOL bResult);
    // The log-in form offered nothing to read: message 736, TRUE.
    virtual BOOL OnFormReadFailed(CHtmlDocument* pForm, CHtmlDocument* pPage);
    // Seconds; 0: no time-out.
    virtual int GetCaptchaTimeout();
    virtual int GetOneTimePasswordTimeout();
    virtual int GetDialogTimeout(int nType);
    // The dialog of a step, owned by the caller; null when none can be
    // made. html and done: the page copy and the done address of the
    // image-character and one-time-password dialogs. Tests replace it.
    virtual CLoginStepDialog* CreateLoginDialog(int nKind, LPCTSTR html, LPCTSTR done, CWnd* pParent);

protected:
    BOOL HttpLogin(LPCTSTR url, const CUserAccount& account, CWnd* pParent, int nDepth);
    BOOL InteractiveLogin(const CUserAccount& account, int nType, CWnd* pParent);
    BOOL ReadLoggedInUserId(CString& out, UINT nStatusId);

private:
    // The captcha step: TRUE with the address to go on with.
    BOOL RunCaptchaStep(CWnd* pParent, CString& nextUrl);
    // The one-time-password step: TRUE when the page had its form and,
    // after the dialog's OK, the service shows the account's ID.
    BOOL RunOneTimePasswordStep(const CUserAccount& account, CWnd* pParent);
    // One request (retried once when it has no body); a request the user
    // stopped makes the log-in a cancelled one.
    BOOL Fetch(LPCTSTR url, LPCTSTR body);
    // Runs a dialog; records an abort and a time-out it reported.
    INT_PTR RunDialog(CLoginStepDialog& dialog);
    BOOL IsSignedInAs(const CUserAccount& account, UINT nStatusId);
    BOOL MakeSnapshot(CString& out);

    // Messages go through these, so that one failure shows one message.
    void ShowMessage(LPCTSTR text);
    void ShowMessageId(UINT nID);
    void ShowFormUnreadable(LPCTSTR what);

    CProgressSinkRef m_progress;
    int m_nLoginType;
    BOOL m_bReported; // this log-in has told the user why it failed
};

#endif // TANZO_AUCTION_AUCTIONLOGINCONTROLLER_H
