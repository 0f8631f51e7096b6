#ifndef TANZO_AUCTION_USERACCOUNTLIST_H
#define TANZO_AUCTION_USERACCOUNTLIST_H

#include "afx/List.h"
#include "afx/String.h"
#include "afx/wintypes.h"
#include "auction/operations/OperationResourceIds.h"
#include "text/BitFlags.h"

class CHttpComm;
class CMenu;
class CProgressSink;
class CUserAccount;
class CUserAccountEditor;
class CWnd;

// One log-in of an account on a conversation, as the account list runs it:
// log out, then log in. The log-in controller stands behind it; tests put
// a fake in its place.
class CAccountLogin
{
public:
    virtual ~CAccountLogin() {}
    virtual BOOL LogOut() = 0;
    virtual BOOL Login(const CUserAccount& account, CWnd* pParent) = 0;
    // The user stopped a dialog of the log-in.
    virtual BOOL IsCancelled() const = 0;
};

// The user's own service IDs with their passwords and memos, at most 20,
// and the current one, kept in the profile's "Settings". The document
// embeds it; operations and list pages ask it to sign the current user in
// again when the service has dropped the log-in.
class CUserAccountList
{
public:
    enum
    {
        MaxAccounts = 20
    };
    // Results of LogInCurrentUser.
    enum
    {
        LoginDone = 0,
        LoginNoAccounts = 1,
        LoginIdNotFound = 2,
        LoginCancelled = 3, // the user stopped a log-in dialog
        LoginFailed = 4,
    };
    // Bits of GetLogInOptions.
    enum
    {
        optionLoginWithoutAccounts = 0x1, // go on with an empty list
        optionSkipLogin = 0x2,            // and count that as done
        DefaultLogInOptions = 4,
    };

    CUserAccountList();
    virtual ~CUserAccountList();

    virtual int GetCount() const;
    // Appends a copy unless 20 are held; the first account becomes current.
    virtual BOOL Add(const CUserAccount& account);
    // When the current account goes, the first remaining one (or none)
    // becomes current through SetCurrentUserID.
    virtual BOOL RemoveAt(int index);
    virtual BOOL GetAt(int index, CUserAccount& out) const;
    virtual BOOL SetAt(int index, const CUserAccount& account);
    // Index of the ID without regard to case; -1 for none or an empty ID.
    virtual int FindByID(LPCTSTR id) const;
    // Null changes nothing; an empty ID leaves no current user.
    virtual void SetCurrentUserID(LPCTSTR id);
    virtual CString GetCurrentUserID() const;
    // Logs the conversation out, then in as the current user; the sink
    // gets the log-in's status lines and messages. One of the Login codes.
    virtual int LogInCurrentUser(CHttpComm* pHttp, CProgressSink* pSink, CWnd* pParent, int nLoginType);
    // Messages 571 and 572 for the codes 2 and 4, through the sink or a
    // message box; none when the request was cancelled. TRUE when shown.
    virtual BOOL ShowLogInError(int nCode, CHttpComm* pRequest, CProgressSink* pSink);
    // FALSE, nothing touched, when the application is not a CAppComm.
    virtual BOOL LoadFromProfile();
    // Writes only a changed list; FALSE, the list still marked changed,
    // when a value could not be written.
    virtual BOOL SaveToProfile();
    virtual void RemoveAll();
    virtual DWORD GetLogInOptions() const;

    BOOL IsChanged() const { return m_changed.TestAny(changedBit) != 0; }

    // Runs the user-ID list dialog over the accounts and applies what it
    // holds when it ends with OK; TRUE then.
    BOOL EditWithDialog(CUserAccountEditor& dialog);

#ifdef _WIN32
    // A separator and one item per account (commands firstCommandId +
    // index), the marked ID checked; nothing for an empty list.
    void AppendAccountMenu(CMenu* pMenu, UINT firstCommandId, LPCTSTR markedID) const;
#endif

protected:
    // The log-in of one LogInCurrentUser, owned by the caller.
    virtual CAccountLogin* CreateLogin(CHttpComm* pHttp, CProgressSink* pSink, int nLoginType);

private:
    enum
    {
        changedBit = 0x1
    };

    CUserAccountList(const CUserAccountList&) = delete;
    CUserAccountList& operator=(const CUserAccountList&) = delete;

    CUserAccount* AccountAt(int index) const;

    CTypedPtrList<CPtrList, CUserAccount*> m_accounts;
    CBitFlags m_changed;
    CString m_strCurrentUserID;
};

// The text of the account menu's item at index: "&1 ID..." to "&10 ID...",
// "&0 ID..." for the eleventh, then "  ID...".
CString FormatAccountMenuText(int index, LPCTSTR id);

#endif // TANZO_AUCTION_USERACCOUNTLIST_H
