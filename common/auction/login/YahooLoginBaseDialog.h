#ifndef TANZO_AUCTION_YAHOOLOGINBASEDIALOG_H
#define TANZO_AUCTION_YAHOOLOGINBASEDIALOG_H

// CYahooLoginBaseDialog: the log-in in the browser (Windows builds). It
// starts at the service's log-in page, keeps the user inside the log-in's
// own pages, notes the ID sent in the log-in form and can put the account
// into that form.

#include "auction/accounts/UserAccount.h"
#include "auction/login/YahooLoginBaseImplDialog.h"

class CYahooLoginBaseDialog : public CYahooLoginBaseImplDialog
{
    DECLARE_DYNAMIC(CYahooLoginBaseDialog)
public:
    CYahooLoginBaseDialog(const LoginDialogLayout& layout, CWnd* pParentWnd, UINT nSettingsId = 0);
    ~CYahooLoginBaseDialog() override;

    void SetStartUrl(LPCTSTR url) override { m_strStartUrl = url; }
    void SetAccount(const CUserAccount& account) override { m_account.CopyFrom(account); }
    BOOL GetLoginUserId(CString& out) const override;

    // The start: the done address is the log-in page's ".done"; the
    // browser goes to the log-in page.
    void RefreshPreview() override;
    BOOL OnBeforeNavigate2(LPCTSTR lpszURL, DWORD nFlags, LPCTSTR lpszTargetFrameName,
                           CByteArray& baPostedData, LPCTSTR lpszHeaders, BOOL* pbCancel) override;

protected:
    // The browser could not go to the log-in page: the dialog ends.
    virtual void OnStartFailed();
    virtual void OnStarted();
    // Goes to the log-in page; FALSE when the browser cannot.
    BOOL NavigateToStart();
    // Puts the account into the page's log-in form (LoginFilled... bits).
    int FillForm();

    CString m_strStartUrl;
    CString m_strSeenId;
    CUserAccount m_account;
};

#endif // TANZO_AUCTION_YAHOOLOGINBASEDIALOG_H
