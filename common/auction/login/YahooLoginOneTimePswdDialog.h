#ifndef TANZO_AUCTION_YAHOOLOGINONETIMEPSWDDIALOG_H
#define TANZO_AUCTION_YAHOOLOGINONETIMEPSWDDIALOG_H

// CYahooLoginOneTimePswdDialog: the service's one-time-password form in
// the browser (Windows builds). It ends with OK when the browser reaches
// the done address.

#include "auction/login/YahooLoginBaseImplDialog.h"

class CYahooLoginOneTimePswdDialog : public CYahooLoginBaseImplDialog
{
    DECLARE_DYNAMIC(CYahooLoginOneTimePswdDialog)
public:
    // lpszHtml: the copy of the service's page; lpszDone: the done address.
    CYahooLoginOneTimePswdDialog(LPCTSTR lpszHtml, LPCTSTR lpszDone, CWnd* pParentWnd = nullptr);

    BOOL OnBeforeNavigate2(LPCTSTR lpszURL, DWORD nFlags, LPCTSTR lpszTargetFrameName,
                           CByteArray& baPostedData, LPCTSTR lpszHeaders, BOOL* pbCancel) override;
    void OnDocumentComplete(LPCTSTR lpszURL) override;
};

#endif // TANZO_AUCTION_YAHOOLOGINONETIMEPSWDDIALOG_H
