#ifndef TANZO_AUCTION_YAHOOLOGINCAPTCHADIALOG_H
#define TANZO_AUCTION_YAHOOLOGINCAPTCHADIALOG_H

// CYahooLoginCaptchaDialog: the service's image-character check in the
// browser (Windows builds). It ends with OK when the browser reaches the
// log-in page the check leads to, whose address the log-in goes on with.

#include "auction/login/YahooLoginBaseImplDialog.h"

class CYahooLoginCaptchaDialog : public CYahooLoginBaseImplDialog
{
    DECLARE_DYNAMIC(CYahooLoginCaptchaDialog)
public:
    // lpszHtml: the copy of the service's page; lpszDone: the done address.
    CYahooLoginCaptchaDialog(LPCTSTR lpszHtml, LPCTSTR lpszDone, CWnd* pParentWnd = nullptr);

    BOOL GetNextUrl(CString& out) const override;

    BOOL OnBeforeNavigate2(LPCTSTR lpszURL, DWORD nFlags, LPCTSTR lpszTargetFrameName,
                           CByteArray& baPostedData, LPCTSTR lpszHeaders, BOOL* pbCancel) override;
    void OnDocumentComplete(LPCTSTR lpszURL) override;

private:
    CString m_strNextUrl;
};

#endif // TANZO_AUCTION_YAHOOLOGINCAPTCHADIALOG_H
