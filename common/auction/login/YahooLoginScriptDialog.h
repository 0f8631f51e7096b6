#ifndef TANZO_AUCTION_YAHOOLOGINSCRIPTDIALOG_H
#define TANZO_AUCTION_YAHOOLOGINSCRIPTDIALOG_H

// CYahooLoginScriptDialog: the browser signs in by itself (Windows
// builds): it fills the service's log-in form with the account, sends it
// and waits for the done address, its browser hidden.

#include "auction/login/YahooLoginBaseDialog.h"

class CYahooLoginScriptDialog : public CYahooLoginBaseDialog
{
    DECLARE_DYNAMIC(CYahooLoginScriptDialog)
public:
    explicit CYahooLoginScriptDialog(CWnd* pParentWnd = nullptr);

    void OnDocumentComplete(LPCTSTR lpszURL) override;
};

#endif // TANZO_AUCTION_YAHOOLOGINSCRIPTDIALOG_H
