#ifndef TANZO_AUCTION_YAHOOLOGINMANUALDIALOG_H
#define TANZO_AUCTION_YAHOOLOGINMANUALDIALOG_H

// CYahooLoginManualDialog: the user signs in in the browser, the account
// filled in where the log-in page asks for it (Windows builds). When the
// service shows a page of its own after the log-in, the user may declare
// the log-in done; the controller then asks the service who is signed in.

#include "afx/Controls.h"
#include "app/ImeModeSwitch.h"
#include "auction/login/YahooLoginBaseDialog.h"

class CYahooLoginManualDialog : public CYahooLoginBaseDialog
{
    DECLARE_DYNAMIC(CYahooLoginManualDialog)
public:
    // Mode bits.
    enum
    {
        modeReauthenticate = 0x1 // the service asks for the password again
    };

    CYahooLoginManualDialog(CWnd* pParentWnd = nullptr, UINT nSettingsId = 0);
    ~CYahooLoginManualDialog() override;

    CBitFlagsEx& GetModeFlags() { return m_mode; }

    BOOL OnInitDialog() override;
    void RefreshPreview() override;
    void RegisterLayoutControls() override;
    void OnDocumentComplete(LPCTSTR lpszURL) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnStartFailed() override;
    void OnStarted() override;
    // The button that declares the log-in done shows, with the hint.
    void ShowDeclareState();

    afx_msg void OnDeclareSuccess();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CBitFlagsEx m_mode;
    CButton m_abort;
    CButton m_declare;
    CImeStatusKeeper m_ime;
};

#endif // TANZO_AUCTION_YAHOOLOGINMANUALDIALOG_H
